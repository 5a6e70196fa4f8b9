// The skin archive and the skin description: layout, lookups, refusal of
// damaged files, and the description's reading rules.
#include "skins/archive.h"
#include "skins/description.h"
#include "skins/lzhuf.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace cx::skins;

namespace {

QByteArray le(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray bmp(QColor colour)
{
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return out;
}

// An archive written by hand: header, name list, sizes, contents.
QByteArray archive(const QByteArray &names, const QList<quint32> &sizes, const QByteArray &contents,
                   quint32 version = 20000, qint64 nameBytes = -1)
{
    QByteArray a = le(version) + le(quint32(nameBytes < 0 ? names.size() : nameBytes)) + le(7) + le(9) + names;
    for (quint32 s : sizes)
        a += le(s);
    return a + contents;
}

QByteArray skinFile(const QByteArray &archive)
{
    return le(quint32(archive.size())) + lzhuf::encode(archive);
}

} // namespace

TEST(SkinArchive, WriterAndReaderAgree)
{
    const QList<SkinEntry> entries = {
        {"Buttons.bmp", bmp(Qt::red)},
        {"Metallic CloseButton.bmp", bmp(Qt::green)},
        {"\xB4\xBA\xC5\xAF.ini", "[TitlebarSkin]\r\nSkinName=x\r\n"}, // GBK name
        {"empty.bmp", {}},
    };
    SkinArchive a;
    QString error;
    ASSERT_TRUE(a.load(writeSkinFile(entries), &error)) << error.toStdString();
    ASSERT_EQ(a.count(), 4);
    EXPECT_EQ(a.storedNames()[0], "Buttons.bmp");
    EXPECT_EQ(a.names()[0], "buttons.bmp");
    EXPECT_EQ(a.names()[2], "\xB4\xBA\xC5\xAF.ini"); // GBK bytes are not case-mapped
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.size(i), entries[i].content.size());
        EXPECT_EQ(a.content(i), entries[i].content);
    }
    EXPECT_EQ(a.headerValue(0), 4u);

    EXPECT_EQ(a.find("BUTTONS.BMP"), entries[0].content);
    EXPECT_TRUE(a.find("buttons").isEmpty());
    const auto ini = a.findContaining(".ini");
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->content, entries[2].content);
    EXPECT_FALSE(a.findContaining(".png").has_value());

    // As a description value the extension must be ".bmp" exactly.
    EXPECT_TRUE(a.bitmap("Buttons.BMP").isNull());
    EXPECT_EQ(a.bitmap("Buttons.bmp").pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(a.bitmap("c:\\skins\\Metallic CloseButton.bmp").pixelColor(1, 1), QColor(Qt::green));
    EXPECT_TRUE(a.bitmap("missing.bmp").isNull());
    EXPECT_TRUE(a.bitmap("empty.bmp").isNull());
}

TEST(SkinArchive, NameListSplitsAtEveryKindOfLineBreak)
{
    SkinArchive a;
    ASSERT_TRUE(a.loadArchive(archive("A.bmp\r\nb.bmp\rc d.bmp\nE.ini\r\n", {1, 2, 3, 4}, "abbcccdddd")));
    EXPECT_EQ(a.names(), (QList<QByteArray>{"a.bmp", "b.bmp", "c d.bmp", "e.ini"}));
    EXPECT_EQ(a.find("c D.bmp"), "ccc");
    EXPECT_EQ(a.find("e.ini"), "dddd");
    // An empty name list is an empty archive, not an error.
    EXPECT_TRUE(a.loadArchive(archive("", {}, "")));
    EXPECT_TRUE(a.isEmpty());
}

TEST(SkinArchive, DamagedFilesAreRefusedWithAReason)
{
    QByteArray manyNames;
    QList<quint32> manySizes;
    for (int i = 0; i < 1002; ++i) {
        manyNames += "n" + QByteArray::number(i) + ".bmp\r\n";
        manySizes << 0;
    }
    const struct {
        const char *what;
        QByteArray file;     // a whole skin file
        const char *message; // part of the reason given
    } cases[] = {
        {"no length", "\x01\x02", "too short"},
        {"archive too short for its header", skinFile("\x20\x4e\0\0"), "too small"},
        {"length far beyond any skin", le(0x7FFFFFF0) + "xx", "more than a skin can hold"},
        {"negative length", le(0xFFFFFFFF), "too small"},
        {"older version", skinFile(archive("a.bmp\r\n", {1}, "x", 19999)), kOlderSkinMessage},
        {"name list past the end", skinFile(archive("a.bmp\r\n", {1}, "x", 20000, 5000)), "name list"},
        {"negative name list", skinFile(archive("a.bmp\r\n", {1}, "x", 20000, 0x80000000u)), "name list"},
        {"size table past the end", skinFile(archive("a.bmp\r\nb.bmp\r\nc.bmp\r\n", {}, "")), "size table"},
        {"sizes beyond the contents", skinFile(archive("a.bmp\r\nb.bmp\r\n", {3, 4}, "abcdef")), "need 7 bytes"},
        {"negative size", skinFile(archive("a.bmp\r\n", {0xFFFFFFFE}, "")), "negative size"},
        {"more than 1001 entries", skinFile(archive(manyNames, manySizes, "")), "at most 1001"},
    };
    for (const auto &c : cases) {
        SkinArchive a;
        QString error;
        EXPECT_FALSE(a.load(c.file, &error)) << c.what;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.message))) << c.what << ": " << error.toStdString();
        EXPECT_TRUE(a.isEmpty()) << c.what;
    }
    // 1001 entries is still accepted.
    manyNames.chop(manyNames.size() - manyNames.lastIndexOf("n1001"));
    manySizes.removeLast();
    SkinArchive a;
    EXPECT_TRUE(a.loadArchive(archive(manyNames, manySizes, "")));
    EXPECT_EQ(a.count(), 1001);
}

TEST(SkinArchive, ArbitraryBytesAreRefusedOrReadWithoutHarm)
{
    // Random files, and a good file with random bytes changed: each either
    // loads into consistent entries or is refused with a reason.
    const QByteArray good = writeSkinFile({{"a.bmp", bmp(Qt::blue)}, {"skin.ini", "[Buttons]\r\nFrame=5\r\n"}});
    QRandomGenerator gen(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray file;
        if (round % 2) {
            file = good;
            for (int k = 0; k < 1 + round % 5; ++k)
                file[gen.bounded(int(file.size()))] = char(gen.bounded(256));
        } else {
            file.resize(gen.bounded(64));
            for (char &c : file)
                c = char(gen.bounded(256));
            if (file.size() >= 4 && round % 4 == 0) // a plausible length
                file.replace(0, 4, le(quint32(16 + gen.bounded(4000))));
        }
        SkinArchive a;
        QString error;
        if (a.load(file, &error)) {
            qint64 total = 0;
            for (int i = 0; i < a.count(); ++i)
                total += a.content(i).size();
            EXPECT_LE(a.count(), kMaxEntries);
            EXPECT_GE(total, 0);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

TEST(SkinArchive, EmbeddedForm)
{
    const QByteArray file = writeSkinFile({{"a.ini", "[x]"}});
    const QByteArray embedded = embedSkinFile(file);
    EXPECT_EQ(embedded.size(), file.size() + 4);
    EXPECT_EQ(embeddedSkinFile(embedded), file);
    EXPECT_EQ(embeddedSkinFile(le(0)), QByteArray());
    EXPECT_EQ(embeddedSkinFile(le(0xFFFFFFFF) + "abc"), QByteArray());
    QString error;
    EXPECT_FALSE(embeddedSkinFile(le(100) + "abc", &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(embeddedSkinFile("ab").has_value());
}

TEST(SkinDescription, ReadingRules)
{
    const SkinDescription d(QByteArray("[TitlebarSkin]\r\n"
                                       "SkinName=Spring\r\n"
                                       "  ; TopHeight=9\n"
                                       "[Buttons]\r"
                                       "\tTopHeight = 2 \r\n"
                                       "Image=buttons.bmp\r\n"
                                       "Tile=\r\n"
                                       "Tile=1\r\n"
                                       "Style\r\n"
                                       "Hex=0x1F\r\n"
                                       "HexNeg=0xFFFFFFFF\r\n"
                                       "Bad=12abc\r\n"
                                       "Neg=-12\r\n"
                                       "Plus=+7\r\n"
                                       "X2=0x\r\n"
                                       "Big=99999999999\r\n"
                                       "Eq=a=b\r\n"
                                       "[Colours]\r\n"
                                       "ButtonFace=237 235 233\r\n"
                                       "Broken=1 2\r\n"
                                       "[buttons]\r\n"
                                       "LeftWidth=5\r\n") +
                            QByteArray("\0[After]\r\nKey=1\r\n", 17));
    const struct {
        const char *section, *key, *expected;
    } values[] = {
        {"TitlebarSkin", "SkinName", "Spring"},
        {"titlebarskin", "SKINNAME", "Spring"},
        {"TitlebarSkin", "TopHeight", "dflt"}, // commented out
        {"Buttons", "topheight", "2"},
        {"BUTTONS", "TopHeight", "2"},
        {"Buttons", "Tile", "dflt"},      // first occurrence is empty
        {"Buttons", "Style", "dflt"},     // no "="
        {"Buttons", "LeftWidth", "dflt"}, // only in the repeated section
        {"Buttons", "Eq", "a=b"},
        {"Buttons", "ButtonFace", "dflt"}, // stops at the next header
        {"Missing", "Image", "dflt"},
        {"After", "Key", "dflt"}, // after the zero byte
    };
    for (const auto &v : values)
        EXPECT_EQ(d.value(v.section, v.key, "dflt"), QByteArray(v.expected)) << v.section << "/" << v.key;

    const struct {
        const char *key;
        int expected;
    } numbers[] = {
        {"TopHeight", 2}, {"Hex", 31},   {"HexNeg", -1}, {"Bad", -5},  {"Neg", -12},
        {"Plus", 7},      {"X2", -5},    {"Big", -5},    {"Image", -5}, {"Tile", -5},
    };
    for (const auto &n : numbers)
        EXPECT_EQ(d.number("Buttons", n.key, -5), n.expected) << n.key;

    EXPECT_EQ(d.colour("Colours", "ButtonFace", Qt::black), QColor(237, 235, 233));
    EXPECT_EQ(d.colour("Colours", "Broken", Qt::black), QColor(Qt::black));
}

TEST(SkinDescription, BitmapEntryNames)
{
    const struct {
        const char *value, *name;
    } cases[] = {
        {"buttons.bmp", "buttons.bmp"},
        {"Buttons.BMP", ""},
        {"Metallic CloseButton.bmp", "Metallic CloseButton.bmp"},
        {"c:\\skin\\tab.bmp", "tab.bmp"},
        {"d:tab.bmp", "tab.bmp"},
        {"dir\\", ""},
        {"noext", ""},
        {"a.bmp.png", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bitmapEntryName(c.value), QByteArray(c.name)) << c.value;
}
