#include "app/forms.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm4 *Form4 = nullptr;
TForm5 *Form5 = nullptr;
TForm6 *Form6 = nullptr;
TForm7 *Form7 = nullptr;
TForm8 *Form8 = nullptr;
TForm9 *Form9 = nullptr;
TForm10 *Form10 = nullptr;

namespace cx::app {
namespace {
QHash<QString, QPointer<QWidget>> &registry()
{
    static QHash<QString, QPointer<QWidget>> all;
    return all;
}
} // namespace

void registerWindow(const QString &className, QWidget *window)
{
    if (window)
        registry().insert(className, window);
    else
        registry().remove(className);
}

QWidget *window(const QString &className) { return registry().value(className).data(); }

QWidget *control(const QString &className, const QString &objectName)
{
    QWidget *w = window(className);
    return w ? w->findChild<QWidget *>(objectName) : nullptr;
}

void showWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace cx::app
