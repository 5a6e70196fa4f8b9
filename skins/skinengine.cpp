#include "skins/skinengine.h"

#include "skins/archive.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace cx::skins {
namespace {

SkinMessageHandler &messageHandler()
{
    static SkinMessageHandler handler;
    return handler;
}

void report(QString message)
{
    if (messageHandler()) {
        messageHandler()(message);
        return;
    }
    message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), message);
}

} // namespace

void setSkinMessageHandler(SkinMessageHandler handler)
{
    messageHandler() = std::move(handler);
}

std::shared_ptr<const SkinTheme> currentSkin()
{
    const auto *style = qobject_cast<const SkinStyle *>(QApplication::style());
    return style ? style->sharedTheme() : nullptr;
}

bool applySkinFile(QByteArrayView skinFile, QString *error)
{
    std::shared_ptr<const SkinTheme> theme = SkinTheme::fromSkinFile(skinFile, error);
    if (!theme)
        return false;
    // The application owns the style and deletes the previous one; setting
    // it repolishes and repaints every widget, and widgets created later
    // take it up by themselves.
    auto *style = new SkinStyle(theme);
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    // Qt tells the new palette to top-level widgets through their platform
    // windows; windows not shown yet have none and are told here.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->windowHandle()) {
            QEvent changed(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(w, &changed);
        }
    }
    return true;
}

QByteArray defaultSkinStream()
{
    QFile f(QStringLiteral(":/skins/default.skin"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool applyEmbeddedSkin(QByteArrayView stream, QString *error)
{
    const std::optional<QByteArray> file = embeddedSkinFile(stream, error);
    if (!file)
        return false;
    if (file->isEmpty())
        return true;
    return applySkinFile(*file, error);
}

bool selectSkin(const QString &relativeFile)
{
    QString path = relativeFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(path).isFile())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("Cannot read the skin file %1: %2").arg(relativeFile, f.errorString()));
        return false;
    }
    QString error;
    if (!applySkinFile(f.readAll(), &error)) {
        report(error);
        return false;
    }
    return true;
}

TSkinEngine::TSkinEngine(QObject *parent) : QObject(parent)
{
    QString error;
    if (!applyEmbeddedSkin(defaultSkinStream(), &error))
        report(error);
}

void TSkinEngine::setSkinFile(const QString &file)
{
    m_skinFile = file;
    selectSkin(file);
}

} // namespace cx::skins
