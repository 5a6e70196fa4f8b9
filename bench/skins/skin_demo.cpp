// Shows the standard controls in a skin, for looking at the skins by eye:
//   skin_demo [SKINFILE]   (without a file: the default skin)
// With SKIN_DEMO_MENU set, the second menu is opened as well.
#include "demowindow.h"
#include "skins/skinengine.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    cx::skins::TSkinEngine skndt1;
    if (argc > 1)
        skndt1.setSkinFile(QString::fromLocal8Bit(argv[1]));
    QMainWindow *w = makeSkinDemoWindow(cx::skins::currentSkin()->name);
    w->move(20, 20);
    w->show();
    if (qEnvironmentVariableIsSet("SKIN_DEMO_MENU")) {
        QTimer::singleShot(300, w, [w] {
            QMenuBar *bar = w->menuBar();
            QAction *menu = bar->actions().at(1);
            bar->setActiveAction(menu);
            QTimer::singleShot(200, w, [menu] { menu->menu()->setActiveAction(menu->menu()->actions().at(1)); });
        });
    }
    return app.exec();
}
