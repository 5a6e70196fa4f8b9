#include "skins/archive.h"

#include "skins/lzhuf.h"

#include <QtEndian>

namespace cx::skins {
namespace {

qint32 readInt(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<qint32>(data.data() + at);
}

void appendInt(QByteArray &out, quint32 value)
{
    char b[4];
    qToLittleEndian<quint32>(value, b);
    out.append(b, 4);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

QByteArray asciiLower(QByteArrayView bytes)
{
    QByteArray out(bytes.data(), bytes.size());
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

QList<QByteArray> splitLines(QByteArrayView text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.sliced(start, i - start).toByteArray());
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start).toByteArray());
    return lines;
}

void SkinArchive::clear()
{
    m_storedNames.clear();
    m_names.clear();
    m_sizes.clear();
    m_offsets.clear();
    m_contents.clear();
    m_header[0] = m_header[1] = 0;
}

bool SkinArchive::load(QByteArrayView skinFile, QString *error)
{
    clear();
    if (skinFile.size() < 4)
        return fail(error, QStringLiteral("The skin file is too short to hold its length (%1 bytes)")
                               .arg(skinFile.size()));
    const qint64 size = readInt(skinFile, 0);
    if (size < 16)
        return fail(error, QStringLiteral("The skin file gives an archive length of %1 bytes, too small "
                                          "for an archive header")
                               .arg(size));
    if (size > kMaxArchiveBytes)
        return fail(error, QStringLiteral("The skin file gives an archive length of %1 bytes, more than "
                                          "a skin can hold (at most %2)")
                               .arg(size)
                               .arg(kMaxArchiveBytes));
    return loadArchive(lzhuf::decode(skinFile.sliced(4), qsizetype(size)), error);
}

bool SkinArchive::loadArchive(QByteArrayView archive, QString *error)
{
    clear();
    const qint64 total = archive.size();
    if (total < 16)
        return fail(error, QStringLiteral("The skin archive is too short for its header (%1 bytes)").arg(total));
    if (readInt(archive, 0) != kArchiveVersion)
        return fail(error, QString::fromLatin1(kOlderSkinMessage));
    const qint64 nameBytes = readInt(archive, 4);
    if (nameBytes < 0 || 16 + nameBytes > total)
        return fail(error, QStringLiteral("The name list of the skin archive (%1 bytes) runs past the end "
                                          "of the archive (%2 bytes)")
                               .arg(nameBytes)
                               .arg(total));
    const QList<QByteArray> stored = splitLines(archive.sliced(16, nameBytes));
    const qint64 n = stored.size();
    if (n > kMaxEntries)
        return fail(error, QStringLiteral("The skin archive holds %1 entries; at most %2 are allowed")
                               .arg(n)
                               .arg(kMaxEntries));
    const qint64 tableAt = 16 + nameBytes;
    if (tableAt + 4 * n > total)
        return fail(error, QStringLiteral("The size table of the skin archive (%1 entries) runs past the "
                                          "end of the archive")
                               .arg(n));
    QList<qint64> sizes, offsets;
    qint64 sum = 0;
    for (qint64 i = 0; i < n; ++i) {
        const qint64 s = readInt(archive, tableAt + 4 * i);
        if (s < 0)
            return fail(error, QStringLiteral("Entry %1 of the skin archive has a negative size (%2)")
                                   .arg(i + 1)
                                   .arg(s));
        offsets.append(sum);
        sizes.append(s);
        sum += s;
    }
    const qint64 contentsAt = tableAt + 4 * n;
    if (sum > total - contentsAt)
        return fail(error, QStringLiteral("The entries of the skin archive need %1 bytes but only %2 "
                                          "follow the size table")
                               .arg(sum)
                               .arg(total - contentsAt));

    m_header[0] = quint32(readInt(archive, 8));
    m_header[1] = quint32(readInt(archive, 12));
    m_storedNames = stored;
    for (const QByteArray &name : stored)
        m_names.append(asciiLower(name));
    m_sizes = std::move(sizes);
    m_offsets = std::move(offsets);
    m_contents = archive.sliced(contentsAt).toByteArray();
    return true;
}

QByteArray SkinArchive::content(int i) const
{
    return m_contents.sliced(m_offsets.at(i), m_sizes.at(i));
}

QByteArray SkinArchive::find(QByteArrayView name) const
{
    const QByteArray wanted = asciiLower(name);
    for (int i = 0; i < count(); ++i)
        if (m_names[i] == wanted)
            return content(i);
    return {};
}

std::optional<SkinEntry> SkinArchive::findContaining(QByteArrayView text) const
{
    for (int i = 0; i < count(); ++i)
        if (m_names[i].contains(text))
            return SkinEntry{m_names[i], content(i)};
    return std::nullopt;
}

QByteArray bitmapEntryName(QByteArrayView value)
{
    qsizetype cut = -1;
    for (qsizetype i = 0; i < value.size(); ++i)
        if (value[i] == '\\' || value[i] == ':')
            cut = i;
    const QByteArrayView file = value.sliced(cut + 1);
    const qsizetype dot = file.lastIndexOf('.');
    if (file.isEmpty() || dot < 0 || file.sliced(dot) != QByteArrayView(".bmp"))
        return {};
    return file.toByteArray();
}

QImage SkinArchive::bitmap(QByteArrayView value) const
{
    const QByteArray name = bitmapEntryName(value);
    if (name.isEmpty())
        return {};
    const QByteArray bytes = find(name);
    if (bytes.isEmpty())
        return {};
    return QImage::fromData(bytes, "BMP");
}

QByteArray writeArchive(const QList<SkinEntry> &entries)
{
    QByteArray names;
    qint64 contentBytes = 0;
    for (const SkinEntry &e : entries) {
        names += e.name + "\r\n";
        contentBytes += e.content.size();
    }
    QByteArray out;
    appendInt(out, kArchiveVersion);
    appendInt(out, quint32(names.size()));
    appendInt(out, quint32(entries.size()));
    appendInt(out, quint32(contentBytes));
    out += names;
    for (const SkinEntry &e : entries)
        appendInt(out, quint32(e.content.size()));
    for (const SkinEntry &e : entries)
        out += e.content;
    return out;
}

QByteArray writeSkinFile(const QList<SkinEntry> &entries)
{
    const QByteArray archive = writeArchive(entries);
    QByteArray out;
    appendInt(out, quint32(archive.size()));
    out += lzhuf::encode(archive);
    return out;
}

QByteArray embedSkinFile(QByteArrayView skinFile)
{
    QByteArray out;
    appendInt(out, quint32(skinFile.size()));
    out.append(skinFile.data(), skinFile.size());
    return out;
}

std::optional<QByteArray> embeddedSkinFile(QByteArrayView embedded, QString *error)
{
    if (embedded.size() < 4) {
        fail(error, QStringLiteral("The embedded skin is too short to hold its length"));
        return std::nullopt;
    }
    const qint64 length = readInt(embedded, 0);
    if (length <= 0)
        return QByteArray();
    if (length > embedded.size() - 4) {
        fail(error, QStringLiteral("The embedded skin gives %1 bytes but holds only %2")
                        .arg(length)
                        .arg(embedded.size() - 4));
        return std::nullopt;
    }
    return embedded.sliced(4, length).toByteArray();
}

} // namespace cx::skins
