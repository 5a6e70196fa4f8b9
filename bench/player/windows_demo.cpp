// Shows the stroke-order window and the online dictionary window side by
// side, for looking at them under a display: run it in a folder holding
// dat/ (the stores and dat/hzbs/). An argument replaces the dictionary's
// start address (a local page when there is no network).

#include "app/application.h"
#include "app/fonts.h"
#include "windows/form10.h"
#include "windows/form9.h"

#include <QTimer>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    cx::app::Application app(argc, argv);
    cx::app::installFontSubstitutions();
    const QStringList args = app.arguments();

    TForm9 online(nullptr, args.size() > 1 ? args.at(1) : OnlineDictionaryAddress());
    online.FormCreate();
    TForm10 strokes;
    cx::app::guarded([&] { strokes.FormCreate(); });
    strokes.show();
    strokes.move(20, 40);
    online.show();
    online.move(620, 560);
    return app.exec();
}
