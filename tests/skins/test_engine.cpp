// The skin engine on standard widgets: each skin changes what a push button,
// a scroll bar and a menu look like, in the way its bitmaps say; a missing
// file keeps the current skin; a widget tagged 99 stays unskinned.
#include "skins/archive.h"
#include "skins/lzhuf.h"
#include "skins/skinengine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cx::skins;

namespace {

QString skinPath(int n)
{
    return QStringLiteral(CX_SKIN_DIR "/skin%1.skn").arg(n);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

QImage bitmapOf(int n, const char *value)
{
    SkinArchive a;
    EXPECT_TRUE(a.load(readAll(skinPath(n))));
    return a.bitmap(value).convertToFormat(QImage::Format_RGB32);
}

QImage render(QWidget &w)
{
    w.ensurePolished();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

struct Samples {
    QImage button, scrollBar, menu;
};

Samples renderSamples()
{
    QPushButton button(QStringLiteral("确定"));
    button.resize(90, 26);
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.resize(bar.sizeHint().width(), 160);
    QMenu menu;
    menu.addAction(QStringLiteral("春暖花开"));
    menu.addAction(QStringLiteral("骄阳似火"));
    menu.resize(menu.sizeHint());
    return {render(button), render(bar), render(menu)};
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

class SkinEngine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        messages.clear();
        setSkinMessageHandler([this](const QString &m) { messages << m; });
        ASSERT_TRUE(applyEmbeddedSkin(defaultSkinStream()));
    }
    void TearDown() override { setSkinMessageHandler({}); }

    QStringList messages;
};

} // namespace

TEST_F(SkinEngine, EachSkinDrawsFromItsOwnBitmaps)
{
    QList<Samples> all{renderSamples()}; // the default skin first
    for (int n = 1; n <= 5; ++n) {
        ASSERT_TRUE(selectSkin(skinPath(n))) << n;
        ASSERT_TRUE(currentSkin());
        const Samples s = renderSamples();

        // The button's face comes from the middle of the first state of buttons.bmp.
        const QImage buttons = bitmapOf(n, "buttons.bmp");
        const QColor face = buttons.pixelColor(buttons.width() / 10, buttons.height() / 2);
        EXPECT_TRUE(near(s.button.pixelColor(8, s.button.height() / 2), face, 12)) << "skin " << n;

        // The up arrow is the first frame of scrollbararrow.bmp, pixel for pixel.
        const QImage arrows = bitmapOf(n, "scrollbararrow.bmp");
        const int side = arrows.width() / 16;
        ASSERT_EQ(s.scrollBar.width(), side) << "skin " << n;
        EXPECT_EQ(s.scrollBar.copy(0, 0, side, side), arrows.copy(0, 0, side, side)) << "skin " << n;

        // The menu's corner is the corner of menubackground.bmp.
        const QImage menuBack = bitmapOf(n, "menubackground.bmp");
        EXPECT_EQ(s.menu.copy(0, 0, 2, 2), menuBack.copy(0, 0, 2, 2)) << "skin " << n;
        all << s;
    }
    for (int i = 0; i < all.size(); ++i)
        for (int j = i + 1; j < all.size(); ++j) {
            EXPECT_NE(all[i].button, all[j].button) << i << " " << j;
            EXPECT_NE(all[i].scrollBar, all[j].scrollBar) << i << " " << j;
            EXPECT_NE(all[i].menu, all[j].menu) << i << " " << j;
        }
}

TEST_F(SkinEngine, SelectionFollowsTheCurrentFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("skin")));
    ASSERT_TRUE(QFile::copy(skinPath(5), dir.filePath(QStringLiteral("skin/skin5.skn"))));
    const QString before = QDir::currentPath();
    const auto defaultSkin = currentSkin();

    // Started from another folder: the relative path finds nothing.
    EXPECT_FALSE(selectSkin(QStringLiteral("skin\\skin5.skn")));
    EXPECT_EQ(currentSkin(), defaultSkin);

    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_TRUE(selectSkin(QStringLiteral("skin\\skin5.skn")));
    const auto chosen = currentSkin();
    EXPECT_EQ(chosen->name, QStringLiteral("蓝色妖姬"));
    // Choosing it again loads it again.
    EXPECT_TRUE(selectSkin(QStringLiteral("skin\\skin5.skn")));
    EXPECT_NE(currentSkin(), chosen);
    EXPECT_EQ(currentSkin()->name, QStringLiteral("蓝色妖姬"));
    // A missing file changes nothing and says nothing.
    EXPECT_FALSE(selectSkin(QStringLiteral("skin\\skin4.skn")));
    EXPECT_EQ(currentSkin()->name, QStringLiteral("蓝色妖姬"));
    QDir::setCurrent(before);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SkinEngine, UnusableFilesAreReportedAndChangeNothing)
{
    QByteArray older = writeArchive({{"skin.ini", "[Colours]\r\n"}});
    older[0] = char(0x1F); // version 19999
    const QByteArray good = readAll(skinPath(2));
    const struct {
        const char *what;
        QByteArray bytes;
        QString message; // the start of the message shown
    } cases[] = {
        {"older version", embedSkinFile(lzhuf::encode(older)).replace(0, 4, QByteArray("\x18\0\0\0", 4)),
         QString::fromLatin1(kOlderSkinMessage)},
        {"truncated header", good.left(3), QStringLiteral("The skin file is too short")},
        {"no description", writeSkinFile({{"a.bmp", "x"}}), QStringLiteral("The skin file holds no skin description")},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        messages.clear();
        const auto before = currentSkin();
        const QString path = dir.filePath(QStringLiteral("bad.skn"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        EXPECT_FALSE(selectSkin(path)) << c.what;
        EXPECT_EQ(currentSkin(), before) << c.what;
        ASSERT_EQ(messages.size(), 1) << c.what;
        EXPECT_TRUE(messages[0].startsWith(c.message)) << c.what << ": " << messages[0].toStdString();
    }
}

TEST_F(SkinEngine, TaggedWidgetStaysUnskinned)
{
    auto renderTagged = [] {
        QPushButton button(QStringLiteral("确定"));
        button.setProperty("tag", 99);
        button.resize(90, 26);
        QScrollBar bar(Qt::Horizontal);
        bar.setProperty("tag", 99);
        bar.setRange(0, 10);
        bar.resize(120, bar.sizeHint().height());
        return std::pair{render(button), render(bar)};
    };
    const auto inDefault = renderTagged();
    ASSERT_TRUE(selectSkin(skinPath(1)));
    const auto inSpring = renderTagged();
    ASSERT_TRUE(selectSkin(skinPath(5)));
    const auto inBlue = renderTagged();
    EXPECT_EQ(inDefault.first, inSpring.first);
    EXPECT_EQ(inDefault.first, inBlue.first);
    EXPECT_EQ(inDefault.second, inBlue.second);

    // ...and looks as it does with no skin at all.
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPushButton plain(QStringLiteral("确定"));
    plain.setStyle(fusion);
    plain.setPalette(fusion->standardPalette());
    plain.resize(90, 26);
    EXPECT_EQ(render(plain), inBlue.first);
    delete fusion;

    // An untagged button beside it does change.
    QPushButton untagged(QStringLiteral("确定"));
    untagged.resize(90, 26);
    EXPECT_NE(render(untagged), inBlue.first);
}

TEST_F(SkinEngine, WindowsCreatedLaterAndTheComponent)
{
    ASSERT_TRUE(selectSkin(skinPath(3)));
    QWidget later;
    EXPECT_TRUE(qobject_cast<SkinStyle *>(later.style()));
    EXPECT_EQ(later.palette().color(QPalette::Window), currentSkin()->palette.color(QPalette::Window));

    // The main window's component starts with the default skin and hands
    // its SkinFile to the selection.
    TSkinEngine skndt1;
    EXPECT_EQ(currentSkin()->name, QStringLiteral("澄心"));
    skndt1.setProperty("SkinFile", skinPath(4));
    EXPECT_EQ(currentSkin()->name, QStringLiteral("银装素裏"));
    EXPECT_EQ(later.palette().color(QPalette::Window), currentSkin()->palette.color(QPalette::Window));
    skndt1.setSkinFile(QStringLiteral("skin\\missing.skn"));
    EXPECT_EQ(currentSkin()->name, QStringLiteral("银装素裏"));
    EXPECT_TRUE(messages.isEmpty());
}
