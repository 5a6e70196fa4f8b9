#include "app/application.h"
#include "app/boxes.h"
#include "app/dragwindow.h"
#include "app/fonts.h"
#include "app/wheelhook.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace cx::app;

namespace {

// A borderless window with a drag surface, a listed child and an unlisted one.
struct DragFixture {
    QWidget window{nullptr, Qt::Window | Qt::FramelessWindowHint};
    QWidget *surface = new QWidget(&window);
    QLabel *listedLabel = new QLabel(QStringLiteral("listed"), surface);
    QLabel *plainLabel = new QLabel(QStringLiteral("plain"), surface);
    QPushButton *button = new QPushButton(QStringLiteral("button"), surface);
    int clicks = 0;

    DragFixture()
    {
        window.setGeometry(100, 100, 300, 200);
        surface->setGeometry(0, 0, 300, 200);
        listedLabel->setGeometry(10, 10, 60, 20);
        plainLabel->setGeometry(10, 40, 60, 20);
        button->setGeometry(10, 80, 80, 30);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        onMouseDown(surface, [this] { DragWindow(&window); });
        onMouseDown(listedLabel, [this] { DragWindow(&window); });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Press at `at` on `w`, move the pointer by `by`, release; the window's move.
    QPoint drag(QWidget *w, QPoint at, QPoint by, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint before = window.pos();
        // The pointer moves on the screen: each step is placed relative to
        // where the widget is by then.
        const QPoint start = w->mapToGlobal(at);
        QTest::mousePress(w, button, {}, at);
        QTest::mouseMove(w, w->mapFromGlobal(start + by / 2));
        QTest::mouseMove(w, w->mapFromGlobal(start + by));
        QTest::mouseRelease(w, button, {}, w->mapFromGlobal(start + by));
        QCoreApplication::processEvents();
        return window.pos() - before;
    }
};

} // namespace

TEST(DragWindow, PressOnSurfaceOrListedChildMovesTheWindowWithThePointer)
{
    DragFixture f;
    EXPECT_EQ(f.drag(f.surface, QPoint(200, 150), QPoint(30, 20)), QPoint(30, 20));
    EXPECT_EQ(f.drag(f.listedLabel, QPoint(5, 5), QPoint(-10, 15)), QPoint(-10, 15));
    // Any button starts the move.
    EXPECT_EQ(f.drag(f.surface, QPoint(200, 150), QPoint(7, 9), Qt::RightButton), QPoint(7, 9));
}

TEST(DragWindow, PressOnUnlistedChildOrButtonDoesNotMove)
{
    DragFixture f;
    EXPECT_EQ(f.drag(f.plainLabel, QPoint(5, 5), QPoint(30, 20)), QPoint(0, 0));
    EXPECT_EQ(f.drag(f.button, QPoint(5, 5), QPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(f.clicks, 1) << "the button still clicks";
    // After a drag the pointer belongs to the controls again.
    f.drag(f.surface, QPoint(200, 150), QPoint(5, 5));
    EXPECT_EQ(f.drag(f.button, QPoint(5, 5), QPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(f.clicks, 2);
}

namespace {

// A window holding a grid of 20 rows and an edit, with its wheel hook.
struct GridWindow {
    QWidget window;
    QStandardItemModel model{20, 1};
    QTableView *grid = new QTableView(&window);
    QLineEdit *edit = new QLineEdit(&window);
    ApplicationEvents *hook;

    GridWindow()
    {
        grid->setGeometry(0, 0, 200, 150);
        edit->setGeometry(0, 160, 200, 24);
        grid->setModel(&model);
        grid->setCurrentIndex(model.index(5, 0));
        hook = new ApplicationEvents(&window, [this](QObject *target, QEvent *event) {
            return WheelToArrowKeys(&window, target, event);
        });
    }
};

void wheel(QWidget *target, int delta)
{
    QWheelEvent e(QPointF(10, 10), QPointF(target->mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

} // namespace

TEST(WheelToArrowKeys, OneRowPerWheelMessageWhileTheGridIsActive)
{
    GridWindow w;
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.grid->setFocus();
    for (int i = 0; i < 4; ++i)
        wheel(w.grid->viewport(), -120);
    EXPECT_EQ(w.grid->currentIndex().row(), 9) << "four notches towards the user: four rows down";
    wheel(w.grid->viewport(), 30); // a small distance still counts one
    EXPECT_EQ(w.grid->currentIndex().row(), 8);
    wheel(w.grid->viewport(), 0);
    EXPECT_EQ(w.grid->currentIndex().row(), 9) << "no distance reads as down";
}

TEST(WheelToArrowKeys, WheelPassesWhenTheActiveControlIsNoGrid)
{
    GridWindow w;
    w.window.show();
    QApplication::setActiveWindow(&w.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.edit->setFocus();
    QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    EXPECT_FALSE(WheelToArrowKeys(&w.window, w.grid->viewport(), &e));
    EXPECT_EQ(w.grid->currentIndex().row(), 5);
}

TEST(WheelToArrowKeys, HiddenWindowWithGridActiveTurnsWheelIntoKeysForTheFocusedControl)
{
    GridWindow hidden;
    hidden.window.show();
    QApplication::setActiveWindow(&hidden.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hidden.window));
    hidden.grid->setFocus();
    hidden.window.hide();

    // Another window is active; its focused grid receives the key press.
    GridWindow other;
    delete other.hook; // only the hidden window's hook is in force
    other.window.show();
    QApplication::setActiveWindow(&other.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other.window));
    other.grid->setFocus();
    wheel(other.grid->viewport(), 120);
    EXPECT_EQ(other.grid->currentIndex().row(), 4);
    EXPECT_EQ(hidden.grid->currentIndex().row(), 5);
}

TEST(WheelToArrowKeys, TwoHooksStillGiveOneKeyPress)
{
    GridWindow a, b;
    a.window.show();
    QApplication::setActiveWindow(&a.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a.window));
    a.grid->setFocus();
    b.grid->setFocus(); // b's active control is its grid too, though b is hidden
    wheel(a.grid->viewport(), -120);
    EXPECT_EQ(a.grid->currentIndex().row(), 6);
}

TEST(Fonts, WindowsNamesResolveToInstalledFaces)
{
    EXPECT_TRUE(installFontSubstitutions().isEmpty());
    for (const char *name : {"宋体", "黑体", "隶书", "Calibri", "MS Sans Serif"}) {
        QFont f(QString::fromUtf8(name));
        f.setPixelSize(13);
        const QString family = QFontInfo(f).family();
        bool mapped = false;
        for (const FontMapping &m : fontMappings())
            if (m.name == QString::fromUtf8(name))
                mapped = m.faces.contains(family);
        EXPECT_TRUE(mapped) << name << " -> " << family.toStdString();
    }
}

TEST(Errors, AnErrorEscapingAHandlerIsShownAndTheLoopGoesOn)
{
    ScopedScriptedBoxes scripted;
    guarded([] { throw std::runtime_error("数据文件坏了"); });
    guarded([] {});
    EXPECT_EQ(scripted.transcript, QStringList{QStringLiteral("error: 数据文件坏了")});
}
