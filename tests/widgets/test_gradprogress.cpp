#include "widgets/gradprogress.h"
#include "widgets/muldiv.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using cx::TGradProgress;

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Colours compared at 8 bits a channel, as the pixels hold them.
QColor At(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QColor Role(const QWidget &w, QPalette::ColorRole role)
{
    return QColor(w.palette().color(role).rgb());
}

TEST(GradProgress, ConstructorDefaults)
{
    TGradProgress bar;
    EXPECT_EQ(bar.size(), QSize(150, 16));
    EXPECT_EQ(bar.style(), TGradProgress::gsHorizontal);
    EXPECT_EQ(bar.bevelStyle(), TGradProgress::bsLowered);
    EXPECT_EQ(bar.bevelWidth(), 1);
    EXPECT_EQ(bar.startColor(), QColor(0, 0, 255));
    EXPECT_EQ(bar.endColor(), QColor(255, 0, 0));
    EXPECT_EQ(bar.position(), 0);
    EXPECT_EQ(bar.maxValue(), 100);
    EXPECT_EQ(bar.step(), 1);
    EXPECT_TRUE(bar.showPercent());
    EXPECT_EQ(bar.backColor(), bar.palette().color(QPalette::Button));
    EXPECT_EQ(bar.font().pointSize(), 8);
    EXPECT_EQ(bar.palette().color(QPalette::WindowText), QColor(Qt::white));
}

// Blue to red: column x of the filled part is red t, green 0, blue 255 - t
// with t = MulDiv(255, x, L); columns from L on show the back colour.
TEST(GradProgress, ColumnsAndBackgroundForPositions)
{
    struct Case { int width, height, position, length; };
    const Case cases[] = {
        {150, 16, 0, 0},   {150, 16, 50, 75},  {150, 16, 100, 150},
        {688, 5, 0, 0},    {688, 5, 50, 344},  {688, 5, 100, 688},
    };
    for (const Case &c : cases) {
        TGradProgress bar;
        bar.resize(c.width, c.height);
        bar.setShowPercent(false);
        bar.setBackColor(QColor(0x12, 0x34, 0x56));
        bar.setPosition(c.position);
        EXPECT_EQ(cx::GradientFilledLength(c.position, c.width, 100), c.length);
        const QImage shot = bar.grab().toImage();
        const QColor shadow = Role(bar, QPalette::Dark);
        const QColor highlight = Role(bar, QPalette::Light);
        for (int x = 1; x < c.width - 1; ++x) {
            QColor expected(0x12, 0x34, 0x56);
            if (x < c.length) {
                const int t = cx::MulDiv(255, x, c.length);
                expected = QColor(t, 0, 255 - t);
            }
            for (int y = 1; y < c.height - 1; ++y)
                ASSERT_EQ(At(shot, x, y), expected)
                    << c.width << " wide, position " << c.position << ", column " << x;
            ASSERT_EQ(At(shot, x, 0), shadow);
            ASSERT_EQ(At(shot, x, c.height - 1), highlight);
        }
        EXPECT_EQ(At(shot, 0, c.height / 2), shadow);
        EXPECT_EQ(At(shot, c.width - 1, c.height / 2), highlight);
    }
    // Anchors: column 74 of a half-full 150-pixel bar has t = 252; a full bar
    // never shows the pure end colours.
    EXPECT_EQ(QColor(cx::GradientLineColor(qRgb(0, 0, 255), qRgb(255, 0, 0), 74, 75)),
              QColor(252, 0, 3));
    EXPECT_EQ(QColor(cx::GradientLineColor(qRgb(0, 0, 255), qRgb(255, 0, 0), 1, 150)),
              QColor(2, 0, 253));
    EXPECT_EQ(cx::GradientPercentText(75, 150), QStringLiteral("50%"));
}

TEST(GradProgress, PercentTextIsDrawnInTheFontColour)
{
    TGradProgress bar;
    bar.resize(150, 16);
    bar.setPosition(50);
    const QImage shot = bar.grab().toImage();
    // The gradient from blue to red has no green: green marks the white text.
    int text = 0;
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 75; ++x)
            text += At(shot, x, y).green() > 128;
    EXPECT_GT(text, 5);
}

TEST(GradProgress, VerticalFillsFromTheBottom)
{
    TGradProgress bar;
    bar.resize(20, 100);
    bar.setShowPercent(false);
    bar.setStyle(TGradProgress::gsVertical);
    bar.setBackColor(QColor(0x12, 0x34, 0x56));
    bar.setPosition(30); // L = 30: line i at y = 100 - i, background above y = 70
    const QImage shot = bar.grab().toImage();
    EXPECT_EQ(At(shot, 10, 69), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QColor(shot.pixel(10, 70)).rgb(),
              cx::GradientLineColor(qRgb(0, 0, 255), qRgb(255, 0, 0), 30, 30));
    EXPECT_EQ(QColor(shot.pixel(10, 98)).rgb(),
              cx::GradientLineColor(qRgb(0, 0, 255), qRgb(255, 0, 0), 2, 30));
}

TEST(GradProgress, BevelWidthIsRefusedWhenItDoesNotFit)
{
    struct Case { int width, height, value, expected; };
    const Case cases[] = {
        {150, 8, 3, 1},  // 2*3 > 8-4
        {150, 8, 2, 2},
        {10, 100, 3, 3},
        {10, 100, 4, 1}, // too wide
        {150, 40, 11, 1},
        {150, 40, 0, 1},
    };
    for (const Case &c : cases) {
        TGradProgress bar;
        bar.resize(c.width, c.height);
        bar.setBevelWidth(c.value);
        EXPECT_EQ(bar.bevelWidth(), c.expected) << c.width << "x" << c.height << " " << c.value;
    }
}

TEST(GradProgress, PositionIsClampedAndNegativeIgnoredWithoutPaint)
{
    TGradProgress bar;
    PaintCounter counter;
    bar.installEventFilter(&counter);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    counter.paints = 0;
    bar.setPosition(150);
    EXPECT_EQ(bar.position(), 100);
    EXPECT_EQ(counter.paints, 1); // painted at once, not deferred
    bar.setPosition(-5);
    bar.setPosition(100);
    EXPECT_EQ(bar.position(), 100);
    EXPECT_EQ(counter.paints, 1);
    bar.Stepit();
    EXPECT_EQ(bar.position(), 100);
    bar.setMaxValue(40);
    EXPECT_EQ(bar.position(), 40);
    bar.setStep(5);
    bar.setMaxValue(100);
    bar.Stepit();
    EXPECT_EQ(bar.position(), 45);
}

TEST(GradProgress, ZeroMaxValueShowsOnlyTheBackColour)
{
    TGradProgress bar;
    bar.setShowPercent(false);
    bar.setBackColor(QColor(0x12, 0x34, 0x56));
    bar.setPosition(60);
    bar.setMaxValue(0);
    EXPECT_EQ(bar.position(), 0);
    const QImage shot = bar.grab().toImage();
    for (int x = 1; x < 149; ++x)
        ASSERT_EQ(At(shot, x, 8), QColor(0x12, 0x34, 0x56)) << x;
}

TEST(GradProgress, TwoPixelBarIsAnEtchedLine)
{
    TGradProgress bar;
    bar.resize(300, 2);
    bar.setBackColor(QColor(0x12, 0x34, 0x56));
    bar.setPosition(100);
    const QImage shot = bar.grab().toImage();
    const QColor shadow = Role(bar, QPalette::Dark);
    const QColor highlight = Role(bar, QPalette::Light);
    for (int x = 0; x < 299; ++x) {
        ASSERT_EQ(At(shot, x, 0), shadow) << x;
        ASSERT_EQ(At(shot, x, 1), highlight) << x;
    }
}

} // namespace
