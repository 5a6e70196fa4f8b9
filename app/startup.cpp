#include "app/startup.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/forms.h"
#include "app/trace.h"

#include <QDir>
#include <QWidget>

namespace cx::app {

QString wordStorePath(const QString &executableDir) { return executableDir + QStringLiteral("/dat/lxwd.dat"); }

QString missingWordStoreMessage(const QString &path)
{
    return QStringLiteral("找不到词库文件“%1”。\n\n请把数据目录 dat 和其中的词库文件 lxwd.dat 放在程序所在的目录中，然后重新启动。")
        .arg(QDir::toNativeSeparators(path));
}

QString storeConnectionString(const QString &file, const QString &password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=dat\\") + file
        + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;"
                         "Jet OLEDB:Database Password=")
        + password;
}

const std::vector<SlotConnection> &slotConnections()
{
    static const std::vector<SlotConnection> all{
        {QStringLiteral("qry2"), storeConnectionString(QStringLiteral("lxwd.dat"), QStringLiteral("乙乙⑤C⑥"))},
        {QStringLiteral("qry3"), storeConnectionString(QStringLiteral("lxwe.dat"), QStringLiteral("⑤乙乙C⑥"))},
        {QStringLiteral("qry4"), storeConnectionString(QStringLiteral("lxwa.dat"), QStringLiteral("⑤乙乙C"))},
        {QStringLiteral("qry1"), storeConnectionString(QStringLiteral("lxwg.dat"), QStringLiteral("乙乙C⑥"))},
    };
    return all;
}

bool createWindows(const std::vector<WindowEntry> &windows)
{
    for (const WindowEntry &entry : windows) {
        QWidget *window = nullptr;
        try {
            window = entry.build();
        } catch (...) {
            const QString text = errorText(std::current_exception());
            trace(QStringLiteral("fatal ") + entry.className);
            boxes().fatal(text);
            return false;
        }
        window->hide();
        registerWindow(entry.className, window);
        trace(QStringLiteral("create ") + entry.className);
        if (entry.creationStep) {
            try {
                entry.creationStep();
            } catch (...) {
                boxes().error(errorText(std::current_exception()));
            }
        }
    }
    return true;
}

} // namespace cx::app
