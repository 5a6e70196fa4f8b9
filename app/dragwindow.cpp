#include "app/dragwindow.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace cx::app {
namespace {

QPointer<PointerMove> g_move; // at most one manual move at a time
// The pointer of the press being handled by a surface hook, if any.
QPoint g_pressPos;
bool g_pressValid = false;

class MouseDownHook : public QObject {
public:
    MouseDownHook(QWidget *surface, std::function<void()> handler)
        : QObject(surface), surface_(surface), handler_(std::move(handler))
    {
        surface->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != surface_ || event->type() != QEvent::MouseButtonPress)
            return false;
        // A press that a child control ignored reaches the surface too; it
        // belongs to the child, not to the surface.
        const auto *me = static_cast<QMouseEvent *>(event);
        if (surface_->childAt(me->position().toPoint()))
            return false;
        g_pressPos = me->globalPosition().toPoint();
        g_pressValid = true;
        handler_();
        g_pressValid = false;
        return true;
    }

private:
    QWidget *surface_;
    std::function<void()> handler_;
};

} // namespace

PointerMove::PointerMove(QWidget *window, QPoint pointer)
    : QObject(window), window_(window), startPointer_(pointer), startPos_(window->pos())
{
    qApp->installEventFilter(this);
}

bool PointerMove::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *me = static_cast<QMouseEvent *>(event);
        if (me->buttons() == Qt::NoButton) {
            finish(); // the release went elsewhere
            return false;
        }
        window_->move(startPos_ + (me->globalPosition().toPoint() - startPointer_));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            finish();
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void PointerMove::finish()
{
    qApp->removeEventFilter(this);
    done_ = true;
    deleteLater();
}

void DragWindow(QWidget *window)
{
    window = window->window();
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWindow *handle = window->windowHandle(); handle && handle->startSystemMove())
        return;
    if (g_move && !g_move->done())
        return;
    g_move = new PointerMove(window, g_pressValid ? g_pressPos : QCursor::pos());
}

void onMouseDown(QWidget *surface, std::function<void()> handler)
{
    new MouseDownHook(surface, std::move(handler));
}

} // namespace cx::app
