#include "app/wheelhook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QWheelEvent>
#include <QWidget>

namespace cx::app {

ApplicationEvents::ApplicationEvents(QWidget *owner, Handler onMessage)
    : QObject(owner), onMessage_(std::move(onMessage))
{
    qApp->installEventFilter(this);
}

bool ApplicationEvents::eventFilter(QObject *watched, QEvent *event)
{
    // The key press a hook sends passes through every hook again; a hook
    // does not look at events raised while it runs.
    if (busy_ || !onMessage_)
        return false;
    busy_ = true;
    const bool taken = onMessage_(watched, event);
    busy_ = false;
    return taken;
}

bool activeControlIsGrid(const QWidget *window)
{
    const QWidget *active = window->focusWidget();
    return active && qobject_cast<const QTableView *>(active);
}

bool WheelToArrowKeys(const QWidget *window, QObject *target, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !activeControlIsGrid(window))
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    const int distance = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
    const int key = distance > 0 ? Qt::Key_Up : Qt::Key_Down;
    QObject *receiver = QApplication::focusWidget();
    if (!receiver)
        receiver = target;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &press);
    event->accept();
    return true;
}

} // namespace cx::app
