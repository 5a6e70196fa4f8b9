#include "widgets/gradprogress.h"

#include "widgets/muldiv.h"

#include <QFontDatabase>
#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace cx {

QRgb GradientLineColor(QRgb start, QRgb end, int i, int length)
{
    const int t = MulDiv(255, i, length);
    const auto channel = [t](int from, int to) {
        return (MulDiv(t, to - from, 255) + from) & 0xFF;
    };
    return qRgb(channel(qRed(start), qRed(end)), channel(qGreen(start), qGreen(end)),
                channel(qBlue(start), qBlue(end)));
}

int GradientFilledLength(int position, int extent, int maxValue)
{
    return MulDiv(position, extent, maxValue);
}

QString GradientPercentText(int length, int extent)
{
    return QString::number(MulDiv(length, 100, extent)) + QLatin1Char('%');
}

bool BevelWidthFits(int width, QSize size)
{
    return width >= 1 && width <= 10 && 2 * width <= size.height() - 4
        && 2 * width <= size.width() - 4;
}

void DrawEdgeRing(QPainter &painter, const QRect &r, const QColor &topLeft,
                  const QColor &bottomRight)
{
    if (r.isEmpty())
        return;
    const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width(), y1 = r.top() + r.height();
    painter.fillRect(x0, y0, x1 - x0, 1, topLeft);
    painter.fillRect(x0, y0, 1, y1 - y0, topLeft);
    painter.fillRect(x0, y1 - 1, x1 - x0, 1, bottomRight);
    painter.fillRect(x1 - 1, y0, 1, y1 - y0, bottomRight);
}

TGradProgress::TGradProgress(QWidget *parent) : QWidget(parent)
{
    resize(150, 16);
    setFont(QFont(QStringLiteral("Default"), 8));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    // The paint covers the whole area; no erase is wanted before it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QStringList faces;
    for (const QString &family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family))
            faces << family;
    faces.sort();
    m_scalableFaces = faces;
}

void TGradProgress::repaintNow()
{
    repaint();
}

void TGradProgress::setStyle(TStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    repaintNow();
}

void TGradProgress::setBevelStyle(TBevelStyleExt value)
{
    if (value == m_bevelStyle)
        return;
    m_bevelStyle = value;
    repaintNow();
}

void TGradProgress::setBevelWidth(int value)
{
    if (value == m_bevelWidth)
        return;
    if (BevelWidthFits(value, size()))
        m_bevelWidth = value;
    repaintNow();
}

void TGradProgress::setStartColor(const QColor &value)
{
    if (value == m_startColor)
        return;
    m_startColor = value;
    repaintNow();
}

void TGradProgress::setEndColor(const QColor &value)
{
    if (value == m_endColor)
        return;
    m_endColor = value;
    repaintNow();
}

void TGradProgress::setPosition(int value)
{
    if (value < 0)
        return;
    value = std::min(value, m_maxValue);
    if (value == m_position)
        return;
    m_position = value;
    repaintNow();
}

void TGradProgress::setMaxValue(int value)
{
    if (value == m_maxValue)
        return;
    m_maxValue = value;
    if (m_position > m_maxValue)
        m_position = m_maxValue;
    repaintNow();
}

void TGradProgress::setShowPercent(bool value)
{
    if (value == m_showPercent)
        return;
    m_showPercent = value;
    repaintNow();
}

QColor TGradProgress::backColor() const
{
    return m_backColor.isValid() ? m_backColor : palette().color(QPalette::Button);
}

void TGradProgress::setBackColor(const QColor &value)
{
    if (value == backColor())
        return;
    m_backColor = value;
    repaintNow();
}

QRect TGradProgress::innerRect() const
{
    const int b = m_bevelStyle == bsNone ? 1 : m_bevelWidth;
    return QRect(QPoint(b, b), QPoint(width() - b - 1, height() - b - 1));
}

void TGradProgress::paintEvent(QPaintEvent *)
{
    QPainter surface(this);
    const int w = width(), h = height();
    if (m_bevelStyle != bsNone) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        const bool sunken = m_bevelStyle == bsLowered;
        for (int i = 0; i < m_bevelWidth; ++i)
            DrawEdgeRing(surface, QRect(QPoint(i, i), QPoint(w - i - 1, h - i - 1)),
                         sunken ? shadow : highlight, sunken ? highlight : shadow);
    }
    const QRect inner = innerRect();
    if (inner.width() <= 0 || inner.height() <= 0)
        return;

    const bool horizontal = m_style == gsHorizontal;
    const int length = GradientFilledLength(m_position, horizontal ? w : h, m_maxValue);
    // Sized to the inner rectangle's far corner so that bitmap and surface
    // share coordinates.
    if (m_bitmap.size() != QSize(inner.right() + 1, inner.bottom() + 1))
        m_bitmap = QImage(inner.right() + 1, inner.bottom() + 1, QImage::Format_RGB32);
    QPainter p(&m_bitmap);
    const QRgb start = m_startColor.rgb(), end = m_endColor.rgb();
    for (int i = 0; i <= length; ++i) {
        const QColor c = QColor::fromRgb(GradientLineColor(start, end, i, length));
        if (horizontal) {
            if (i >= m_bitmap.width())
                break; // the rest would fall outside the bitmap
            p.fillRect(i, inner.top(), 1, inner.height(), c);
        } else {
            const int y = std::abs(i - h);
            if (y < m_bitmap.height())
                p.fillRect(inner.left(), y, inner.width(), 1, c);
        }
    }
    const QRect background = horizontal
        ? QRect(QPoint(length, inner.top()), QPoint(w - 1, h - 1))
        : QRect(QPoint(inner.left(), inner.top()), QPoint(inner.right(), std::abs(length - h) - 1));
    if (background.isValid())
        p.fillRect(background, backColor());
    if (m_showPercent) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QString text = GradientPercentText(length, horizontal ? w : h);
        if (horizontal)
            p.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, text);
        else
            drawVerticalText(p, text);
    }
    p.end();
    surface.drawImage(inner, m_bitmap, inner);
}

// Nearest integer with halves to the even neighbour, as the turned text's
// reference point is rounded.
static int RoundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

void TGradProgress::drawVerticalText(QPainter &p, const QString &text)
{
    QFont f = font();
    const QFontMetrics metrics(f);
    const QSize extent = metrics.size(Qt::TextSingleLine, text);
    if (width() - 2 * m_bevelWidth - 6 < extent.width()) {
        // Only outline faces turn cleanly; fall back to the first one.
        if (!m_scalableFaces.isEmpty() && !m_scalableFaces.contains(f.family()))
            f.setFamily(m_scalableFaces.first());
        p.save();
        p.setFont(f);
        p.translate(RoundHalfEven((width() + extent.height() - 3) / 2.0),
                    RoundHalfEven((height() - extent.width() + 3) / 2.0));
        p.rotate(90); // reads from top to bottom
        p.drawText(QRect(QPoint(0, 0), extent), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   text);
        p.restore();
    } else {
        p.drawText(innerRect(), Qt::AlignCenter | Qt::TextSingleLine, text);
    }
}

} // namespace cx
