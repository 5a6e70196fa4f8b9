#pragma once
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace cx::app {

// Moves a borderless window with the pointer from a press on one of its
// surfaces until the button is released. The window manager runs the move
// when there is one; without one (startSystemMove refuses) the window
// follows the pointer through an application event filter, and the pressed
// control sees neither the moves nor the release, so no surface clicks.
// Returns at once in both cases.
void DragWindow(QWidget *window);

// Calls handler on a press of any mouse button on surface itself. A press on
// a child control of surface does nothing here: a child that is a surface
// too has its own hook. The hook lives as long as surface.
void onMouseDown(QWidget *surface, std::function<void()> handler);

// The manual move used when the window manager does not run one.
class PointerMove : public QObject {
    Q_OBJECT
public:
    PointerMove(QWidget *window, QPoint pointer);
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool done() const { return done_; }

private:
    void finish();

    QWidget *window_;
    QPoint startPointer_;
    QPoint startPos_;
    bool done_ = false;
};

} // namespace cx::app
