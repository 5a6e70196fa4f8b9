#pragma once
#include <QApplication>
#include <exception>
#include <functional>

namespace cx::app {

// The text an error carries, for the standard error box.
QString errorText(std::exception_ptr error);

// Runs an event handler; an error escaping it is shown in the standard error
// box and the event loop goes on. Handlers bound to signals use it, so the
// control that raised the signal finishes its own event handling.
void guarded(const std::function<void()> &handler);

// Wraps a handler for a signal connection: connect(b, &B::clicked, this, handler([this] { … })).
template <class F>
auto handler(F f)
{
    return [f = std::move(f)](auto &&...) { guarded(f); };
}

// The application object: any error that escapes an event handler is shown
// in the standard error box and the loop goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace cx::app
