#include "windows/form2.h"

#include "app/boxes.h"
#include "app/dragwindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWindow>

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(cx::app::applicationTitle());
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(182, 237);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 182, 237);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    cx::app::onMouseDown(Image1, [this] { Image1MouseDown(); });
}

void TForm2::Image1MouseDown() { cx::app::DragWindow(this); }

void TForm2::showNow()
{
    if (!placed_) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect desktop = screen->virtualGeometry();
            move(desktop.center() - QPoint(width() / 2, height() / 2));
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    // The caller blocks the loop next: wait (briefly) until the window system
    // has mapped the window, then paint it synchronously.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 250)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void TForm2::hideNow() { hide(); }
