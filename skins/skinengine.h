#pragma once
// The application's skin: one SkinStyle installed on the QApplication, so it
// draws every window, also those created later. Choosing a skin builds a new
// style from the file and installs it; every window repaints in it.

#include "skins/skinstyle.h"

#include <QObject>
#include <QString>
#include <functional>

namespace cx::skins {

// Installs the skin held in `skinFile` app-wide. On failure `error` says why
// and the current skin stays.
bool applySkinFile(QByteArrayView skinFile, QString *error = nullptr);

// The default skin built into the program, in its embedded form (a 32-bit
// length followed by a skin file).
QByteArray defaultSkinStream();
// Installs the embedded form `stream`; a length of 0 or less installs nothing.
bool applyEmbeddedSkin(QByteArrayView stream, QString *error = nullptr);

// The skin chosen by the user: `relativeFile` ("skin\skin1.skn"; either slash)
// is looked up from the current folder. A missing file changes nothing and
// says nothing; an existing one is loaded (again, if it is the current skin)
// and every window repainted. A file that is not a usable skin is reported
// through the message handler and the current skin stays. True when loaded.
bool selectSkin(const QString &relativeFile);

// The theme of the installed skin; null when no skin is installed.
std::shared_ptr<const SkinTheme> currentSkin();

// Where skin errors are told; by default a plain message box with the
// application's title. Tests and the main window may replace it.
using SkinMessageHandler = std::function<void(const QString &message)>;
void setSkinMessageHandler(SkinMessageHandler handler);

// The skin component of the main window: active from its creation with the
// default skin on every window; SkinFile hands a chosen file to selectSkin.
class TSkinEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString SkinFile READ skinFile WRITE setSkinFile)
public:
    explicit TSkinEngine(QObject *parent = nullptr);

    QString skinFile() const { return m_skinFile; }
    void setSkinFile(const QString &file);

private:
    QString m_skinFile;
};

} // namespace cx::skins
