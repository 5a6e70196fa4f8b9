#include "app/application.h"

#include "app/boxes.h"
#include "data/error.h"

namespace cx::app {

QString errorText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const data::DataError &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("发生了未知错误");
    }
}

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        boxes().error(errorText(std::current_exception()));
    }
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        boxes().error(errorText(std::current_exception()));
        return false;
    }
}

} // namespace cx::app
