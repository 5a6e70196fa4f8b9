#include "app/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace cx::app {
namespace {
std::function<void(const QString &)> g_opener;
}

void ShellOpen(const QString &target)
{
    if (g_opener) {
        g_opener(target);
        return;
    }
    const QUrl url = target.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
}

void setShellOpener(std::function<void(const QString &)> opener) { g_opener = std::move(opener); }

} // namespace cx::app
