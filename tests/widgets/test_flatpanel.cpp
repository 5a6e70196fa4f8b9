#include "widgettestsupport.h"
#include "widgets/flatpanel.h"
#include "widgets/muldiv.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using cx::TFlatPanel;
using namespace widgettest;

const QColor kFace(0x30, 0x60, 0x90);

TEST(FlatPanel, ConstructorDefaults)
{
    TFlatPanel panel;
    EXPECT_EQ(panel.size(), QSize(185, 41));
    EXPECT_FALSE(panel.transparent());
    EXPECT_FALSE(panel.transBorder());
    EXPECT_EQ(panel.alignment(), TFlatPanel::taCenter);
    EXPECT_FALSE(panel.locked());
    EXPECT_TRUE(panel.fullRepaint());
    EXPECT_EQ(panel.colorBorder(), QColor(0x88, 0xA5, 0x61));
    EXPECT_EQ(panel.backgropStartColor(), QColor(0xED, 0xF1, 0xFB));
    EXPECT_EQ(panel.backgropStopColor(), QColor(0xD6, 0xDF, 0xF7));
    EXPECT_EQ(panel.backgropOrien(), TFlatPanel::fdLeftToRight);
    EXPECT_EQ(panel.styleFace(), TFlatPanel::fsDefault);
    EXPECT_EQ(panel.color(), panel.palette().color(QPalette::Button));
    EXPECT_FALSE(panel.parentColor());
    EXPECT_EQ(panel.contentsMargins(), QMargins(2, 2, 2, 2));
}

TEST(FlatPanel, OnePixelBorderAroundColour)
{
    struct Case { bool transBorder; QColor corner; };
    for (const Case &c : {Case{false, QColor(0x88, 0xA5, 0x61)}, Case{true, kFace}}) {
        TFlatPanel panel;
        panel.setColor(kFace);
        panel.setTransBorder(c.transBorder);
        const QImage shot = Shot(panel);
        for (const QPoint p : {QPoint(0, 0), QPoint(184, 0), QPoint(0, 40), QPoint(184, 40),
                               QPoint(90, 0), QPoint(0, 20), QPoint(184, 20), QPoint(90, 40)})
            EXPECT_EQ(At(shot, p.x(), p.y()), c.corner) << p.x() << "," << p.y();
        EXPECT_EQ(At(shot, 1, 1), kFace);
        EXPECT_EQ(At(shot, 183, 39), kFace);
    }
}

TEST(FlatPanel, GradientBands)
{
    const QColor start(0, 100, 200), stop(240, 40, 20);
    struct Case { int extent, bands, bandLength, lastLength; };
    const Case cases[] = {
        {185, 60, 3, 8}, // 60 bands of 3, the 5 left over go to the far end
        {30, 30, 1, 1},
        {1, 2, 0, 1},    // at least 2 bands
    };
    for (const Case &c : cases) {
        const auto bands = cx::GradientBands(start, stop, c.extent);
        ASSERT_EQ(int(bands.size()), c.bands) << c.extent;
        EXPECT_EQ(bands.front().color, start);
        EXPECT_EQ(bands.back().color, stop);
        EXPECT_EQ(bands.front().length, c.bandLength);
        EXPECT_EQ(bands.back().length, c.lastLength);
        const int i = c.bands / 2;
        EXPECT_EQ(bands[i].color.red(), cx::MulDiv(i, 240, c.bands - 1));
        EXPECT_EQ(bands[i].color.blue(), 200 + cx::MulDiv(i, -180, c.bands - 1));
    }

    // Directions, as painted edge to edge on a borderless custom-face panel.
    struct Dir { TFlatPanel::TFillDirection d; std::vector<QPoint> startAt, stopAt; };
    const Dir dirs[] = {
        {TFlatPanel::fdLeftToRight, {{0, 20}}, {{184, 20}}},
        {TFlatPanel::fdRightToLeft, {{184, 20}}, {{0, 20}}},
        {TFlatPanel::fdTopToBottom, {{90, 0}}, {{90, 40}}},
        {TFlatPanel::fdBottomToTop, {{90, 40}}, {{90, 0}}},
        {TFlatPanel::fdCenterToHoriz, {{0, 20}, {184, 20}}, {{91, 20}, {92, 20}}},
        {TFlatPanel::fdCenterToVerti, {{90, 0}, {90, 40}}, {{90, 19}, {90, 20}}},
    };
    for (const Dir &d : dirs) {
        TFlatPanel panel;
        panel.setTransBorder(true);
        panel.setStyleFace(TFlatPanel::fsCustom);
        panel.setBackgropStartColor(start);
        panel.setBackgropStopColor(stop);
        panel.setBackgropOrien(d.d);
        const QImage shot = Shot(panel);
        for (const QPoint p : d.startAt)
            EXPECT_EQ(At(shot, p.x(), p.y()), start) << d.d << " at " << p.x() << "," << p.y();
        for (const QPoint p : d.stopAt)
            EXPECT_EQ(At(shot, p.x(), p.y()), stop) << d.d << " at " << p.x() << "," << p.y();
    }
}

// Paints four colours; children showing it must see exactly these pixels.
class Backdrop : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(200, 10, 10));
        p.fillRect(0, 0, width() / 2, height() / 2, QColor(10, 200, 10));
        p.fillRect(width() / 2, height() / 2, width(), height(), QColor(10, 10, 200));
    }
};

TEST(FlatPanel, TransparentBorderlessShowsExactlyTheParent)
{
    Backdrop parent;
    parent.resize(400, 200);
    TFlatPanel panel(&parent);
    panel.setGeometry(150, 70, 185, 41);
    panel.setTransparent(true);
    panel.setTransBorder(true);
    const QImage behind = Shot(parent).copy(panel.geometry());
    EXPECT_EQ(Shot(panel), behind);
}

TEST(FlatPanel, CaptionStaysInsideThreePixelsAndEmbossesWhenDisabled)
{
    TFlatPanel panel;
    panel.setColor(kFace);
    QPalette pal = panel.palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    pal.setColor(QPalette::Light, QColor(255, 255, 255));
    pal.setColor(QPalette::Dark, QColor(0, 0, 0));
    panel.setPalette(pal);
    panel.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    // Longer than the panel: clipped to the text rectangle.
    panel.setCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    const auto count = [](const QImage &shot, const QColor &c, int x0, int x1) {
        int n = 0;
        for (int y = 1; y < shot.height() - 1; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(shot, x, y) == c;
        return n;
    };
    QImage shot = Shot(panel);
    EXPECT_GT(count(shot, QColor(255, 255, 0), 3, 182), 50);
    for (int y = 1; y < 40; ++y)
        for (int x : {1, 2, 182, 183})
            ASSERT_EQ(At(shot, x, y), kFace) << x << "," << y;

    panel.setCaption(QStringLiteral("Wide"));
    panel.setEnabled(false);
    shot = Shot(panel);
    EXPECT_EQ(count(shot, QColor(255, 255, 0), 0, 185), 0);
    EXPECT_GT(count(shot, QColor(0, 0, 0), 0, 185), 20);
    EXPECT_GT(count(shot, QColor(255, 255, 255), 0, 185), 5);
    // Centred: the ink is balanced about the middle column.
    const QRect ink = BoundsOf(shot, QColor(0, 0, 0));
    EXPECT_LE(std::abs(ink.left() - (184 - ink.right())), 2);
}

} // namespace
