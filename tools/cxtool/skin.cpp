// cxtool skin pack / list / unpack / value: making and inspecting skin files.
// Entry names are GBK inside the file and UTF-8 on the command line.
#include "cxtool/command.h"

#include "skins/archive.h"
#include "skins/description.h"
#include "text/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace
{

bool readFile(const QString &path, QByteArray *bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        cxtool::err(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
        return false;
    }
    *bytes = f.readAll();
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        cxtool::err(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
        return false;
    }
    return true;
}

bool loadSkin(const QString &path, cx::skins::SkinArchive *archive)
{
    QByteArray bytes;
    if (!readFile(path, &bytes))
        return false;
    QString error;
    if (!archive->load(bytes, &error)) {
        cxtool::err(QStringLiteral("%1: %2").arg(path, error.replace(QLatin1Char('\r'), QLatin1Char(' '))));
        return false;
    }
    return true;
}

int skinPack(const QStringList &args)
{
    if (args.size() != 2) {
        cxtool::err(QStringLiteral("usage: cxtool skin pack DIR FILE"));
        return 2;
    }
    const QDir dir(args[0]);
    if (!dir.exists()) {
        cxtool::err(QStringLiteral("no such folder: %1").arg(args[0]));
        return 1;
    }
    QList<cx::skins::SkinEntry> entries;
    for (const QFileInfo &fi : dir.entryInfoList(QDir::Files, QDir::Name)) {
        cx::text::ConversionReport report;
        cx::skins::SkinEntry e;
        e.name = QByteArray::fromStdString(cx::text::toGbk(fi.fileName(), &report));
        if (report.replaced > 0) {
            cxtool::err(QStringLiteral("the name %1 cannot be written in GBK").arg(fi.fileName()));
            return 1;
        }
        if (!readFile(fi.filePath(), &e.content))
            return 1;
        entries.append(std::move(e));
    }
    if (entries.size() > cx::skins::kMaxEntries) {
        cxtool::err(QStringLiteral("%1 files; a skin holds at most %2").arg(entries.size()).arg(cx::skins::kMaxEntries));
        return 1;
    }
    return writeFile(args[1], cx::skins::writeSkinFile(entries)) ? 0 : 1;
}

int skinList(const QStringList &args)
{
    if (args.size() != 1) {
        cxtool::err(QStringLiteral("usage: cxtool skin list FILE"));
        return 2;
    }
    cx::skins::SkinArchive archive;
    if (!loadSkin(args[0], &archive))
        return 1;
    for (int i = 0; i < archive.count(); ++i)
        cxtool::out(cx::text::fromGbk(archive.storedNames()[i].toStdString()) + QLatin1Char('\t') +
                    QString::number(archive.size(i)));
    return 0;
}

int skinUnpack(const QStringList &args)
{
    if (args.size() != 2) {
        cxtool::err(QStringLiteral("usage: cxtool skin unpack FILE DIR"));
        return 2;
    }
    cx::skins::SkinArchive archive;
    if (!loadSkin(args[0], &archive))
        return 1;
    QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        cxtool::err(QStringLiteral("cannot create %1").arg(args[1]));
        return 1;
    }
    for (int i = 0; i < archive.count(); ++i) {
        const QString name = cx::text::fromGbk(archive.storedNames()[i].toStdString());
        // An entry name is a plain file name; anything that could leave the
        // folder is refused rather than written.
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
            name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
            cxtool::err(QStringLiteral("entry %1 has the name \"%2\", which is not a plain file name")
                            .arg(i + 1)
                            .arg(name));
            return 1;
        }
        if (!writeFile(dir.filePath(name), archive.content(i)))
            return 1;
    }
    return 0;
}

int skinValue(const QStringList &args)
{
    if (args.size() != 3) {
        cxtool::err(QStringLiteral("usage: cxtool skin value FILE SECTION KEY"));
        return 2;
    }
    cx::skins::SkinArchive archive;
    if (!loadSkin(args[0], &archive))
        return 1;
    const auto ini = archive.findContaining(".ini");
    const cx::skins::SkinDescription description(ini ? ini->content : QByteArray());
    const QByteArray v = description.value(QByteArray::fromStdString(cx::text::toGbk(args[1])),
                                           QByteArray::fromStdString(cx::text::toGbk(args[2])));
    cxtool::out(cx::text::fromGbk(v.toStdString()));
    return 0;
}

cxtool::Registration pack{{QStringLiteral("skin pack"), QStringLiteral("DIR FILE"), skinPack}};
cxtool::Registration list{{QStringLiteral("skin list"), QStringLiteral("FILE"), skinList}};
cxtool::Registration unpack{{QStringLiteral("skin unpack"), QStringLiteral("FILE DIR"), skinUnpack}};
cxtool::Registration value{{QStringLiteral("skin value"), QStringLiteral("FILE SECTION KEY"), skinValue}};

} // namespace
