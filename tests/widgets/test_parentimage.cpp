#include "widgets/muldiv.h"
#include "widgets/parentimage.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFlagsBadResults)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {255, 74, 75, 252},     // 251.6 up
        {1, 1, 2, 1},           // 0.5 away from zero
        {-1, 1, 2, -1},         // -0.5 away from zero
        {3, 1, -2, -2},         // -1.5 away from zero
        {5, 2, 4, 3},           // 2.5
        {7, 1, 3, 2},           // 2.33 down
        {0, 100, 0, -1},        // zero divisor
        {0x40000000, 4, 1, -1}, // overflow
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MIN, -1, 1, -1},   // 2^31 does not fit
        {65536, 65536, 65536, 65536}, // needs the 64-bit intermediate
    };
    for (const Case &c : cases)
        EXPECT_EQ(cx::MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

// A parent that paints a colour per quadrant and a child that shows the
// parent's image: the child must see exactly the parent's pixels behind it.
class Quadrants : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int hw = width() / 2, hh = height() / 2;
        p.fillRect(0, 0, hw, hh, Qt::red);
        p.fillRect(hw, 0, width() - hw, hh, Qt::green);
        p.fillRect(0, hh, hw, height() - hh, Qt::blue);
        p.fillRect(hw, hh, width() - hw, height() - hh, Qt::yellow);
    }
};

class ShowsParent : public QWidget {
public:
    using QWidget::QWidget;
protected:
    void paintEvent(QPaintEvent *) override
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter ip(&image);
            cx::DrawParentImage(*this, ip);
        }
        QPainter(this).drawImage(0, 0, image);
    }
};

TEST(ParentImage, ChildShowsTheParentBehindIt)
{
    Quadrants parent;
    parent.resize(100, 80);
    parent.setPalette(QPalette(Qt::white));
    ShowsParent child(&parent);
    child.setGeometry(40, 30, 20, 20);
    ShowsParent sticksOut(&parent);
    sticksOut.setGeometry(-5, 70, 20, 20); // partly outside the parent
    const QImage shot = parent.grab().toImage();
    const QImage inner = child.grab().toImage();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(inner.pixel(x, y), shot.pixel(40 + x, 30 + y)) << x << "," << y;
    const QImage edge = sticksOut.grab().toImage();
    EXPECT_EQ(QColor(edge.pixel(5, 0)), QColor(Qt::blue));  // parent (0, 70)
    EXPECT_EQ(QColor(edge.pixel(0, 0)), QColor(Qt::black)); // left of the parent
    EXPECT_EQ(QColor(edge.pixel(5, 10)), QColor(Qt::black)); // below the parent
}

} // namespace
