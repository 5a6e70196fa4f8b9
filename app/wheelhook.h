#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace cx::app {

// An application-wide message hook owned by a window: it sees every event
// of the application before it is delivered, as long as the window lives.
// Hooks created later run first; a hook that returns true has taken the
// event. Windows keep one as `ApplicationEvents1` and give it their
// `ApplicationEvents1Message` handler.
class ApplicationEvents : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QObject *target, QEvent *event)>;
    ApplicationEvents(QWidget *owner, Handler onMessage);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler onMessage_;
    bool busy_ = false;
};

// True when window's active control (the child that has, or last had, the
// focus in it, also while the window is hidden) is a data grid.
bool activeControlIsGrid(const QWidget *window);

// The wheel-to-arrow rule for the hook of window: a wheel event, while
// window's active control is a grid, becomes one Up key press (wheel turned
// away from the user) or one Down key press (towards the user, or no
// distance), whatever its distance, delivered to the control that has the
// keyboard focus, which is where the wheel message was going. Returns true
// when it took the event; other events and hooks are left alone.
bool WheelToArrowKeys(const QWidget *window, QObject *target, QEvent *event);

} // namespace cx::app
