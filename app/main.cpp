// Start-up: title, the word store beside the executable, the window set,
// the slots' connection strings behind the splash, then the event loop.

#include "app/application.h"
#include "app/boxes.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/startup.h"
#include "app/trace.h"
#include "app/windowset.h"
#include "windows/form2.h"
#include "windows/form7.h"

#include <QFileInfo>
#include <QTimer>
#include <unistd.h>

namespace {

cx::data::QuerySlot &slotOf(TForm7 &main, const QString &name)
{
    if (name == QLatin1String("qry1"))
        return main.qry1;
    if (name == QLatin1String("qry2"))
        return main.qry2;
    if (name == QLatin1String("qry3"))
        return main.qry3;
    return main.qry4;
}

// The launcher's show state: CX_SHOW_STATE=maximized or minimized.
void showMainWindow(QWidget *main)
{
    const QString state = qEnvironmentVariable("CX_SHOW_STATE").toLower();
    if (state == QLatin1String("maximized"))
        main->showMaximized();
    else if (state == QLatin1String("minimized"))
        main->showMinimized();
    else
        main->show();
}

} // namespace

int main(int argc, char **argv)
{
    // The browser's sandbox cannot run as root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    cx::app::Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("chengxin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("chengxin"));
    cx::app::installTracedBoxes();
    cx::app::trace(QStringLiteral("title ") + cx::app::applicationTitle());
    cx::app::installFontSubstitutions();

    const QString wordStore = cx::app::wordStorePath(QCoreApplication::applicationDirPath());
    if (!QFileInfo(wordStore).isFile()) {
        cx::app::boxes().message(cx::app::missingWordStoreMessage(wordStore));
        return 1;
    }

    if (!cx::app::createWindows(windowSet()))
        return 1;

    if (Form2) {
        cx::data::setBusySplash(Form2);
        Form2->showNow();
        cx::app::trace(QStringLiteral("splash shown"));
    }
    for (const cx::app::SlotConnection &c : cx::app::slotConnections()) {
        slotOf(*Form7, c.slot).query.setConnectionString(c.connectionString);
        cx::app::trace(QStringLiteral("connect ") + c.slot);
    }
    if (Form2) {
        Form2->hideNow();
        cx::app::trace(QStringLiteral("splash hidden"));
    }

    QTimer::singleShot(0, Form7, [] {
        showMainWindow(Form7);
        cx::app::trace(QStringLiteral("shown TForm7"));
        // A test or benchmark that only follows start-up ends the run here.
        if (qEnvironmentVariable("CX_QUIT") == QLatin1String("shown"))
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    const int code = app.exec();
    cx::data::setBusySplash(nullptr);
    destroyWindowSet();
    cx::app::trace(QStringLiteral("exit %1").arg(code));
    return code;
}
