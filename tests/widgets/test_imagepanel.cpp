#include "widgettestsupport.h"
#include "widgets/imagepanel.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using cx::TImagePanel;
using namespace widgettest;

const QColor kFill(0x30, 0x60, 0x90);

// A picture whose every pixel is distinct, so a pixel tells where it came from.
QImage Numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 3, y * 5, 77));
    return image;
}

TEST(ImagePanel, TilePositions)
{
    const auto tiles = cx::TilePositions({885, 450}, {76, 38});
    ASSERT_EQ(tiles.size(), 13u * 13u);
    EXPECT_EQ(tiles.front(), QPoint(0, 0));
    EXPECT_EQ(tiles[12], QPoint(912, 0));  // wholly outside, still in the run
    EXPECT_EQ(tiles[11], QPoint(836, 0));  // clipped by the edge
    EXPECT_EQ(tiles.back(), QPoint(912, 456));
    EXPECT_EQ(tiles[13 * 11], QPoint(0, 418));

    const auto big = cx::TilePositions({885, 450}, {1000, 500});
    EXPECT_EQ(big, (std::vector<QPoint>{{0, 0}, {1000, 0}, {0, 500}, {1000, 500}}));
    EXPECT_TRUE(cx::TilePositions({885, 450}, {0, 38}).empty());
}

TEST(ImagePanel, DrawStyles)
{
    const QImage tile = Numbered(76, 38);
    struct Probe { QPoint at; QRgb expected; };
    struct Case { const char *name; TImagePanel::TImageDrawStyle style; QImage picture; std::vector<Probe> probes; };
    QImage quads(2, 2, QImage::Format_RGB32);
    quads.setPixel(0, 0, qRgb(255, 0, 0));
    quads.setPixel(1, 0, qRgb(0, 255, 0));
    quads.setPixel(0, 1, qRgb(0, 0, 255));
    quads.setPixel(1, 1, qRgb(255, 255, 0));
    const Case cases[] = {
        {"tile", TImagePanel::dsTile, tile,
         {{{0, 0}, tile.pixel(0, 0)}, {{836, 418}, tile.pixel(0, 0)},
          {{884, 449}, tile.pixel(48, 31)}, {{100, 50}, tile.pixel(24, 12)}}},
        {"normal", TImagePanel::dsNormal, tile,
         {{{75, 37}, tile.pixel(75, 37)}, {{76, 0}, kFill.rgb()}, {{500, 300}, kFill.rgb()}}},
        {"stretch", TImagePanel::dsStretch, quads,
         {{{100, 100}, qRgb(255, 0, 0)}, {{800, 100}, qRgb(0, 255, 0)},
          {{100, 400}, qRgb(0, 0, 255)}, {{800, 400}, qRgb(255, 255, 0)}}},
        {"no picture", TImagePanel::dsTile, QImage(), {{{0, 0}, kFill.rgb()}, {{884, 449}, kFill.rgb()}}},
        {"empty picture", TImagePanel::dsTile, QImage(0, 38, QImage::Format_RGB32),
         {{{10, 10}, kFill.rgb()}}},
    };
    for (const Case &c : cases) {
        TImagePanel panel;
        panel.resize(885, 450);
        panel.setColor(kFill);
        panel.setDrawStyle(c.style);
        panel.setPicture(c.picture);
        const QImage shot = Shot(panel);
        for (const Probe &p : c.probes)
            EXPECT_EQ(At(shot, p.at.x(), p.at.y()), QColor(p.expected))
                << c.name << " at " << p.at.x() << "," << p.at.y();
    }
}

TEST(ImagePanel, AutoSizeKeepsTheExtentsItsAlignmentGives)
{
    struct Case { TImagePanel::TAlign align; QSize expected; };
    const Case cases[] = {
        {TImagePanel::alNone, {76, 38}},   {TImagePanel::alBottom, {500, 38}},
        {TImagePanel::alTop, {500, 38}},   {TImagePanel::alLeft, {76, 200}},
        {TImagePanel::alClient, {500, 200}},
    };
    for (const Case &c : cases) {
        TImagePanel panel;
        panel.resize(500, 200);
        panel.setAlign(c.align);
        panel.setAutoSize(true);
        panel.setPicture(Numbered(76, 38));
        EXPECT_EQ(panel.size(), c.expected) << c.align;
    }
    TImagePanel late; // AutoSize set after the picture
    late.resize(500, 200);
    late.setPicture(Numbered(76, 38));
    EXPECT_EQ(late.size(), QSize(500, 200));
    late.setAutoSize(true);
    EXPECT_EQ(late.size(), QSize(76, 38));
}

TEST(ImagePanel, CaptionDrawsOnlyWhenNotBlank)
{
    struct Case { QString caption; bool shows; };
    const Case cases[] = {
        {QStringLiteral("   "), false},
        {QStringLiteral("\t\r\n "), false},
        {QString(), false},
        {QStringLiteral(" 文言 "), true},
        {QStringLiteral("A"), true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(cx::CaptionShows(c.caption), c.shows) << c.caption.toStdString();
        TImagePanel panel;
        panel.resize(200, 40);
        panel.setDrawStyle(TImagePanel::dsTile);
        panel.setPicture(Numbered(76, 38));
        const QImage plain = Shot(panel);
        panel.setCaption(c.caption);
        EXPECT_EQ(Shot(panel) != plain, c.shows) << c.caption.toStdString();
    }
}

TEST(ImagePanel, CaptionChangeRepaintsAtOnceCentredOverThePicture)
{
    TImagePanel panel;
    panel.resize(300, 40);
    panel.setPicture(Numbered(76, 38));
    panel.setDrawStyle(TImagePanel::dsTile);
    QPalette pal = panel.palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 255));
    panel.setPalette(pal);
    panel.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    int paints = 0;
    struct Counter : QObject {
        int *n;
        explicit Counter(int *c) : n(c) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            *n += e->type() == QEvent::Paint;
            return false;
        }
    } counter(&paints);
    panel.installEventFilter(&counter);
    panel.setCaption(QStringLiteral("Title"));
    EXPECT_EQ(paints, 1); // without waiting for the event loop
    const QRect ink = BoundsOf(Shot(panel), QColor(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.left() - (299 - ink.right())), 2);
    EXPECT_LE(std::abs(ink.top() - (39 - ink.bottom())), 4);
}

TEST(ImagePanel, TransparentShowsTheParentUnderThePicture)
{
    QWidget parent;
    parent.resize(200, 100);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(10, 200, 10));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    TImagePanel panel(&parent);
    panel.setGeometry(20, 20, 100, 50);
    panel.setColor(kFill);
    panel.setTransparent(true);
    QImage half(30, 50, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    half.setPixelColor(0, 0, QColor(255, 0, 0));
    panel.setPicture(half);
    const QImage shot = Shot(panel);
    EXPECT_EQ(At(shot, 0, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(shot, 10, 10), QColor(10, 200, 10));
    EXPECT_EQ(At(shot, 90, 40), QColor(10, 200, 10));
}

} // namespace
