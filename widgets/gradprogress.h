#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

namespace cx {

// Colour of pixel line i of a gradient bar whose filled length is L: the
// gradient always runs through the whole range from `start` toward `end` over
// L + 1 lines. Components wrap modulo 256 as the bar computes them.
QRgb GradientLineColor(QRgb start, QRgb end, int i, int length);

// Filled length of the bar: Position scaled to the full extent (width or
// height, frame included); -1 when MaxValue is 0.
int GradientFilledLength(int position, int extent, int maxValue);

// The printed percentage, taken from the painted length: "50%".
QString GradientPercentText(int length, int extent);

// Whether a bevel of `width` rings fits a bar of `size`.
bool BevelWidthFits(int width, QSize size);

// One-pixel edge on the four sides of `r` (right and bottom exclusive): top and
// left in `topLeft`, then bottom and right in `bottomRight`, which therefore
// owns the top-right and bottom-left corners.
void DrawEdgeRing(QPainter &painter, const QRect &r, const QColor &topLeft,
                  const QColor &bottomRight);

// A progress bar that fills its painted length with a gradient from
// StartColor to EndColor inside a bevel over BackColor, optionally printing the
// percentage. Also used, two pixels high, as an etched separator line.
// The percentage text is drawn in the palette's WindowText colour (white by
// default); bevels use the palette's Dark (shadow) and Light (highlight).
class TGradProgress : public QWidget {
    Q_OBJECT
public:
    enum TStyle { gsVertical, gsHorizontal };
    Q_ENUM(TStyle)
    enum TBevelStyleExt { bsLowered, bsRaised, bsNone };
    Q_ENUM(TBevelStyleExt)

    Q_PROPERTY(TStyle Style READ style WRITE setStyle)
    Q_PROPERTY(TBevelStyleExt BevelStyle READ bevelStyle WRITE setBevelStyle)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QColor StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Step READ step WRITE setStep)
    Q_PROPERTY(bool ShowPercent READ showPercent WRITE setShowPercent)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)

    explicit TGradProgress(QWidget *parent = nullptr);

    TStyle style() const { return m_style; }
    void setStyle(TStyle value);
    TBevelStyleExt bevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TBevelStyleExt value);
    int bevelWidth() const { return m_bevelWidth; }
    // Refused (the old width stays) unless 1..10 and two bevels fit inside
    // the bar with 4 pixels to spare; the bar repaints either way.
    void setBevelWidth(int value);
    QColor startColor() const { return m_startColor; }
    void setStartColor(const QColor &value);
    QColor endColor() const { return m_endColor; }
    void setEndColor(const QColor &value);
    int position() const { return m_position; }
    // Negative values are ignored; larger ones are clamped to MaxValue. The
    // bar paints at once.
    void setPosition(int value);
    int maxValue() const { return m_maxValue; }
    void setMaxValue(int value);
    int step() const { return m_step; }
    void setStep(int value) { m_step = value; }
    bool showPercent() const { return m_showPercent; }
    void setShowPercent(bool value);
    QColor backColor() const;
    void setBackColor(const QColor &value);

    // The inner rectangle the bar fills (inside the bevel).
    QRect innerRect() const;

public slots:
    void Stepit() { setPosition(m_position + m_step); }

signals:
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override { emit mouseDown(event); }
    void mouseMoveEvent(QMouseEvent *event) override { emit mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent *event) override { emit mouseUp(event); }

private:
    void repaintNow();
    void drawVerticalText(QPainter &painter, const QString &text);

    TStyle m_style = gsHorizontal;
    TBevelStyleExt m_bevelStyle = bsLowered;
    int m_bevelWidth = 1;
    QColor m_startColor{0, 0, 255};
    QColor m_endColor{255, 0, 0};
    int m_position = 0;
    int m_maxValue = 100;
    int m_step = 1;
    bool m_showPercent = true;
    QColor m_backColor; // invalid: the palette's button face
    QImage m_bitmap;
    QStringList m_scalableFaces; // sorted; only the turned text needs it
};

} // namespace cx
