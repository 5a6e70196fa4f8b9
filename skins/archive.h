#pragma once
// Skin files: a 32-bit little-endian length U followed by the compressed
// archive of U bytes. The archive holds a version (20000), the length of the
// name list, two values the reader keeps but never uses, the name list (GBK,
// one name per line), one 32-bit size per name and the contents back to back.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

namespace cx::skins {

inline constexpr qint32 kArchiveVersion = 20000;
inline constexpr int kMaxEntries = 1001;
// Far above any skin (a rich one holds a few megabytes of bitmaps); a length
// beyond this is a damaged or foreign file, refused before anything is decoded.
inline constexpr qint64 kMaxArchiveBytes = 64 * 1024 * 1024;

// The message shown for an archive of another version.
inline constexpr char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

struct SkinEntry {
    QByteArray name; // GBK, as stored
    QByteArray content;
};

class SkinArchive
{
public:
    // Decompresses and splits a skin file. On failure `error` receives the
    // reason and the archive is left empty.
    bool load(QByteArrayView skinFile, QString *error = nullptr);
    // Splits an already decompressed archive.
    bool loadArchive(QByteArrayView archive, QString *error = nullptr);

    int count() const { return int(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }
    const QList<QByteArray> &storedNames() const { return m_storedNames; }
    const QList<QByteArray> &names() const { return m_names; } // lower-cased
    qint64 size(int i) const { return m_sizes.at(i); }
    QByteArray content(int i) const;
    quint32 headerValue(int i) const { return m_header[i]; } // the two unused values

    // The entry whose name equals `name` ignoring ASCII case; empty if none.
    QByteArray find(QByteArrayView name) const;
    // The first entry whose lower-cased name contains `text`.
    std::optional<SkinEntry> findContaining(QByteArrayView text) const;
    // The bitmap a description value names (see bitmapEntryName), or a null image.
    QImage bitmap(QByteArrayView value) const;

private:
    void clear();

    QList<QByteArray> m_storedNames;
    QList<QByteArray> m_names;
    QList<qint64> m_sizes;
    QList<qint64> m_offsets;
    QByteArray m_contents;
    quint32 m_header[2] = {0, 0};
};

// The entry name a description value refers to as a bitmap: the text after
// its last "\" or ":", provided it is not empty and its extension is exactly
// ".bmp" in lower case; empty otherwise.
QByteArray bitmapEntryName(QByteArrayView value);

// ASCII letters lower-cased, other bytes (GBK included) unchanged.
QByteArray asciiLower(QByteArrayView bytes);

// Splits at CR LF, lone CR or lone LF; a final line break ends the last line
// rather than starting an empty one.
QList<QByteArray> splitLines(QByteArrayView text);

// The uncompressed archive of `entries`; the two unused header values hold
// the entry count and the total content size.
QByteArray writeArchive(const QList<SkinEntry> &entries);
// A complete skin file (length, then the compressed archive).
QByteArray writeSkinFile(const QList<SkinEntry> &entries);

// The embedded form: a 32-bit length L followed by a skin file of L bytes.
QByteArray embedSkinFile(QByteArrayView skinFile);
// The skin file inside an embedded form; empty when none is embedded (L of
// 0 or less). A length that runs past the data is an error.
std::optional<QByteArray> embeddedSkinFile(QByteArrayView embedded, QString *error = nullptr);

} // namespace cx::skins
