#include "widgets/glass.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using cx::TGlass;
using G = TGlass::TGlassStyle;

// Known content beneath the pane: four vertical stripes of mixed colours.
class Backdrop : public QWidget {
public:
    static constexpr QRgb stripes[4] = {0x123456, 0xFFFFFF, 0x80C0F0, 0x000000};
    explicit Backdrop(QWidget *parent = nullptr) : QWidget(parent) { resize(80, 40); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (int i = 0; i < 4; ++i)
            p.fillRect(i * 20, 0, 20, 40, QColor(stripes[i]));
    }
};

QRgb Rgb(const QImage &image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(Glass, ConstructorDefaults)
{
    TGlass glass;
    EXPECT_EQ(glass.size(), QSize(100, 100));
    EXPECT_EQ(glass.color(), QColor(255, 255, 255));
    EXPECT_EQ(glass.style(), TGlass::gsSrcAnd);
    EXPECT_FALSE(glass.ctl3D());
    EXPECT_FALSE(glass.autoFillBackground());
    EXPECT_FALSE(glass.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Glass, RasterOperations)
{
    // S = backdrop 0x12F0A5, D = P = colour 0xC0FF30.
    const QRgb s = 0x12F0A5, c = 0xC0FF30;
    const std::pair<G, QRgb> cases[] = {
        {G::gsBlackness, 0x000000},  {G::gsDstInvert, 0x3F00CF},  {G::gsMergeCopy, 0x00F020},
        {G::gsMergePaint, 0xEDFF7A}, {G::gsNotSrcCopy, 0xED0F5A}, {G::gsNotSrcErase, 0x2D004A},
        {G::gsPatCopy, 0xC0FF30},    {G::gsPatInvert, 0x000000},  {G::gsPatPaint, 0xEDFF7A},
        {G::gsSrcAnd, 0x00F020},     {G::gsSrcCopy, 0x12F0A5},    {G::gsSrcErase, 0x120085},
        {G::gsSrcInvert, 0xD20F95},  {G::gsSrcPaint, 0xD2FFB5},   {G::gsWhiteness, 0xFFFFFF},
    };
    for (const auto &[style, expected] : cases)
        EXPECT_EQ(cx::GlassCombine(style, s, c), expected)
            << QMetaEnum::fromType<G>().valueToKey(style);
    // The edge cases the windows rely on.
    EXPECT_EQ(cx::GlassCombine(G::gsSrcAnd, s, 0xFFFFFF), s);        // white: unchanged
    EXPECT_EQ(cx::GlassCombine(G::gsSrcAnd, s, 0xFF0000), 0x120000u); // red: the red channel
    EXPECT_EQ(cx::GlassCombine(G::gsPatInvert, s, 0xFF0000), 0u);     // always black
}

// Every style over known content, painted the way the pane paints: the pixels
// under the pane are the raster operation of backdrop and colour, the rest is
// untouched.
TEST(Glass, PaintsTheOperationOverTheBackdrop)
{
    const QRgb colours[] = {0xFFFFFF, 0xFF0000, 0x5AA53C};
    for (int st = G::gsBlackness; st <= G::gsWhiteness; ++st)
        for (QRgb colour : colours) {
            const auto style = G(st);
            SCOPED_TRACE(testing::Message() << QMetaEnum::fromType<G>().valueToKey(style) << " "
                                            << std::hex << colour);
            QWidget window;
            window.resize(80, 40);
            new Backdrop(&window);
            auto *glass = new TGlass(&window);
            glass->setGeometry(10, 5, 60, 30);
            glass->setColor(QColor(colour));
            glass->setStyle(style);
            QSignalSpy painted(glass, &TGlass::painted);
            const QImage shot = window.grab().toImage();
            EXPECT_GE(painted.count(), 1);
            for (int x = 0; x < 80; x += 3)
                for (int y : {2, 20}) {
                    const QRgb beneath = Backdrop::stripes[x / 20];
                    const bool inside = glass->geometry().contains(x, y);
                    ASSERT_EQ(Rgb(shot, x, y),
                              inside ? cx::GlassCombine(style, beneath, colour) : beneath)
                        << x << "," << y;
                }
        }
}

TEST(Glass, RaisedFrameAndMove)
{
    QWidget window;
    window.resize(80, 40);
    new Backdrop(&window);
    auto *glass = new TGlass(&window);
    glass->setGeometry(10, 5, 60, 30);
    glass->setColor(QColor(0xFF0000));
    glass->setCtl3D(true);
    const QRgb light = glass->palette().color(QPalette::Light).rgb() & 0xFFFFFF;
    const QRgb dark = glass->palette().color(QPalette::Dark).rgb() & 0xFFFFFF;
    QImage shot = window.grab().toImage();
    EXPECT_EQ(Rgb(shot, 10, 5), light);
    EXPECT_EQ(Rgb(shot, 10, 33), light);
    EXPECT_EQ(Rgb(shot, 69, 5), dark);
    EXPECT_EQ(Rgb(shot, 10, 34), dark);
    EXPECT_EQ(Rgb(shot, 11, 6), 0x120000u); // red filter over the first stripe
    // Moved, it filters what lies beneath its new place.
    glass->setCtl3D(false);
    glass->move(0, 5);
    shot = window.grab().toImage();
    EXPECT_EQ(Rgb(shot, 1, 10), 0x120000u);
    EXPECT_EQ(Rgb(shot, 30, 10), 0xFF0000u);
    EXPECT_EQ(Rgb(shot, 45, 10), 0x800000u);
    EXPECT_EQ(Rgb(shot, 65, 8), 0x000000u);
    EXPECT_EQ(Rgb(shot, 69, 10), 0x000000u); // where the frame was: the black stripe again
}

// Over a surface the backing store does not hold (a native child here; a web
// view's page in the windows) the pane leaves the content as it is.
TEST(Glass, UnreadableBackdropIsLeftAlone)
{
    QWidget window;
    window.resize(80, 40);
    auto *surface = new Backdrop(&window);
    auto *glass = new TGlass(&window);
    glass->setGeometry(10, 5, 60, 30);
    glass->setColor(QColor(0xFF0000));
    EXPECT_TRUE(cx::GlassBackdropReadable(*glass));
    surface->setAttribute(Qt::WA_NativeWindow);
    window.show();
    EXPECT_FALSE(cx::GlassBackdropReadable(*glass));
    glass->move(0, 50); // clear of the surface again
    EXPECT_TRUE(cx::GlassBackdropReadable(*glass));
    // Styles that ignore the backdrop still paint.
    EXPECT_FALSE(cx::GlassReadsBackdrop(G::gsPatInvert));
    EXPECT_TRUE(cx::GlassReadsBackdrop(G::gsSrcAnd));
}

TEST(Glass, TakesTheClick)
{
    QWidget window;
    window.resize(200, 100);
    auto *beneath = new QPushButton(QStringLiteral("beneath"), &window);
    beneath->setGeometry(0, 0, 200, 100);
    auto *glass = new TGlass(&window);
    glass->setGeometry(20, 10, 120, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Events go to the window and Qt routes them to the widget under the pointer.
    QWindow *handle = window.windowHandle();
    QSignalSpy glassClicks(glass, &TGlass::clicked);
    QSignalSpy beneathClicks(beneath, &QPushButton::clicked);

    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(glassClicks.count(), 1);
    EXPECT_EQ(beneathClicks.count(), 0);

    // Press on the pane, release outside it: no click.
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(50, 30));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(180, 90));
    EXPECT_EQ(glassClicks.count(), 1);

    // Outside the pane the widget beneath gets its click.
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(180, 90));
    EXPECT_EQ(glassClicks.count(), 1);
    EXPECT_EQ(beneathClicks.count(), 1);
}

} // namespace
