#include "widgets/flatpanel.h"

#include "widgets/muldiv.h"
#include "widgets/parentimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace cx {

void DrawBorderRings(QPainter &painter, QRect r, int rings, const QColor &color)
{
    for (int i = 0; i < rings && !r.isEmpty(); ++i) {
        const int x0 = r.left(), y0 = r.top(), x1 = x0 + r.width(), y1 = y0 + r.height();
        painter.fillRect(x0, y0, 1, y1 - y0, color);
        painter.fillRect(x0, y0, x1 - x0, 1, color);
        painter.fillRect(x1 - 1, y0, 1, y1 - y0, color);
        painter.fillRect(x0, y1 - 1, x1 - x0, 1, color);
        r.adjust(1, 1, -1, -1);
    }
}

std::vector<GradientBand> GradientBands(const QColor &start, const QColor &stop, int extent)
{
    std::vector<GradientBand> bands;
    if (extent <= 0)
        return bands;
    const int n = std::max(2, std::min(60, extent));
    const int size = extent / n;
    const auto step = [n](int from, int to, int i) { return from + MulDiv(i, to - from, n - 1); };
    for (int i = 0; i < n; ++i) {
        const QColor c(step(start.red(), stop.red(), i), step(start.green(), stop.green(), i),
                       step(start.blue(), stop.blue(), i));
        bands.push_back({i * size, size, c});
    }
    // The pixels that the equal bands leave over take the far end's colour.
    bands.back().length += extent - n * size;
    return bands;
}

namespace {

// Bands laid out from `origin` along the axis, forwards or mirrored.
void FillBands(QPainter &painter, const QRect &r, const QColor &from, const QColor &to,
               bool horizontal, bool reversed)
{
    const int extent = horizontal ? r.width() : r.height();
    for (const GradientBand &b : GradientBands(from, to, extent)) {
        if (b.length <= 0)
            continue;
        const int offset = reversed ? extent - b.offset - b.length : b.offset;
        if (horizontal)
            painter.fillRect(r.left() + offset, r.top(), b.length, r.height(), b.color);
        else
            painter.fillRect(r.left(), r.top() + offset, r.width(), b.length, b.color);
    }
}

} // namespace

void DrawPanelGradient(QPainter &painter, const QRect &r, const QColor &start,
                       const QColor &stop, TFlatPanel::TFillDirection direction)
{
    switch (direction) {
    case TFlatPanel::fdLeftToRight:
        FillBands(painter, r, start, stop, true, false);
        break;
    case TFlatPanel::fdRightToLeft:
        FillBands(painter, r, start, stop, true, true);
        break;
    case TFlatPanel::fdTopToBottom:
        FillBands(painter, r, start, stop, false, false);
        break;
    case TFlatPanel::fdBottomToTop:
        FillBands(painter, r, start, stop, false, true);
        break;
    case TFlatPanel::fdCenterToHoriz: {
        const int half = r.width() / 2;
        FillBands(painter, QRect(r.left(), r.top(), half, r.height()), start, stop, true, false);
        FillBands(painter, QRect(r.left() + half, r.top(), r.width() - half, r.height()), start,
                  stop, true, true);
        break;
    }
    case TFlatPanel::fdCenterToVerti: {
        const int half = r.height() / 2;
        FillBands(painter, QRect(r.left(), r.top(), r.width(), half), start, stop, false, false);
        FillBands(painter, QRect(r.left(), r.top() + half, r.width(), r.height() - half), start,
                  stop, false, true);
        break;
    }
    case TFlatPanel::fdXPFace:
        // A face lit from above: the gradient top to bottom, a light top
        // edge and a shaded bottom edge.
        FillBands(painter, r, start, stop, false, false);
        if (r.height() >= 3) {
            painter.fillRect(r.left(), r.top(), r.width(), 1, start.lighter(110));
            painter.fillRect(r.left(), r.bottom(), r.width(), 1, stop.darker(115));
        }
        break;
    }
}

TFlatPanel::TFlatPanel(QWidget *parent) : QWidget(parent)
{
    resize(185, 41);
    // The paint covers the whole area; no separate erase. Only newly exposed
    // parts repaint on resize unless FullRepaint asks for more.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    // Child controls align inside a 2-pixel margin.
    setContentsMargins(2, 2, 2, 2);
}

void TFlatPanel::setTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    update();
}

void TFlatPanel::setTransBorder(bool value)
{
    if (value == m_transBorder)
        return;
    m_transBorder = value;
    update();
}

void TFlatPanel::setAlignment(TAlignment value)
{
    if (value == m_alignment)
        return;
    m_alignment = value;
    update();
}

void TFlatPanel::SetIndexedColor(int index, const QColor &value)
{
    if (index < 0 || index > 2)
        return;
    m_colors[index] = value;
    update();
}

void TFlatPanel::setBackgropOrien(TFillDirection value)
{
    if (value == m_orien)
        return;
    m_orien = value;
    update();
}

void TFlatPanel::setStyleFace(TStyleFace value)
{
    if (value == m_styleFace)
        return;
    m_styleFace = value;
    update();
}

QColor TFlatPanel::color() const
{
    if (m_parentColor && parentWidget()) {
        if (const auto *panel = qobject_cast<const TFlatPanel *>(parentWidget()))
            return panel->color();
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    }
    return m_color.value_or(palette().color(QPalette::Button));
}

void TFlatPanel::setColor(const QColor &value)
{
    m_parentColor = false;
    if (m_color == value)
        return;
    m_color = value;
    update();
}

void TFlatPanel::setParentColor(bool value)
{
    if (value == m_parentColor)
        return;
    m_parentColor = value;
    update();
}

void TFlatPanel::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

QString TFlatPanel::version() const
{
    return QStringLiteral("1.0");
}

static Qt::Alignment HorizontalAlignment(TFlatPanel::TAlignment a)
{
    switch (a) {
    case TFlatPanel::taLeftJustify:
        return Qt::AlignLeft;
    case TFlatPanel::taRightJustify:
        return Qt::AlignRight;
    case TFlatPanel::taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

void TFlatPanel::paintEvent(QPaintEvent *)
{
    QImage bitmap(size(), QImage::Format_RGB32);
    // Starts in Color so that nothing undefined shows where a parent image
    // does not reach.
    bitmap.fill(color());
    QPainter p(&bitmap);
    const QRect text = textRect();
    if (m_transparent)
        DrawParentImage(*this, p);
    else if (m_styleFace == fsCustom)
        DrawPanelGradient(p, rect(), m_colors[1], m_colors[2], m_orien);
    else
        p.fillRect(rect(), color());
    if (!m_transBorder)
        DrawBorderRings(p, rect(), 1, m_colors[0]);
    if (!m_caption.isEmpty()) {
        p.setFont(font());
        const int flags = int(HorizontalAlignment(m_alignment)) | Qt::AlignVCenter
            | Qt::TextSingleLine;
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(text, flags, m_caption);
        } else {
            p.setPen(palette().color(QPalette::Light));
            p.drawText(text.translated(1, 1), flags, m_caption);
            p.setPen(palette().color(QPalette::Dark));
            p.drawText(text, flags, m_caption);
        }
    }
    p.end();
    QPainter(this).drawImage(0, 0, bitmap);
}

void TFlatPanel::resizeEvent(QResizeEvent *event)
{
    if (m_fullRepaint || !m_caption.isEmpty()) {
        update();
    } else {
        // Only the border moves: repaint the strips it now runs along.
        if (event->size().width() != event->oldSize().width())
            update(width() - 2, 0, 2, height());
        if (event->size().height() != event->oldSize().height())
            update(0, height() - 2, width(), 2);
    }
    emit resized();
}

void TFlatPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void TFlatPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit mouseDown(event);
}

void TFlatPanel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event);
}

void TFlatPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    emit mouseUp(event);
    if (click)
        emit clicked();
}

void TFlatPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    mousePressEvent(event);
}

} // namespace cx
