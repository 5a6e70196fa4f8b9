#include "widgets/flatbutton.h"

#include "widgets/flatpanel.h"
#include "widgets/parentimage.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>

namespace cx {

FlatButtonPlacement FlatButtonLayout(QSize client, QPoint offset, QSize glyph, QSize caption,
                                     TFlatButton::TButtonLayout layout, int margin, int spacing)
{
    const int cx = client.width(), cy = client.height();
    const int gx = glyph.width(), gy = glyph.height();
    const int tx = caption.width(), ty = caption.height();
    const bool across = layout == TFlatButton::blGlyphLeft || layout == TFlatButton::blGlyphRight;
    QPoint g, t;
    if (across) {
        g.setY((cy - gy + 1) / 2);
        t.setY((cy - ty + 1) / 2);
    } else {
        g.setX((cx - gx + 1) / 2);
        t.setX((cx - tx + 1) / 2);
    }
    int s = (tx == 0 || gx == 0) ? 0 : spacing;
    int m = margin;
    const int a = across ? cx : cy, ga = across ? gx : gy, ta = across ? tx : ty;
    if (m == -1 && s == -1) {
        m = (a - (ga + ta)) / 3;
        s = m;
    } else if (m == -1) {
        m = (a - (ga + s + ta) + 1) / 2;
    } else if (s == -1) {
        s = (a - m - ga - ta) / 2;
    }
    switch (layout) {
    case TFlatButton::blGlyphLeft:
        g.setX(m);
        t.setX(m + gx + s);
        break;
    case TFlatButton::blGlyphRight:
        g.setX(cx - m - gx);
        t.setX(g.x() - s - tx);
        break;
    case TFlatButton::blGlyphTop:
        g.setY(m);
        t.setY(m + gy + s);
        break;
    case TFlatButton::blGlyphBottom:
        g.setY(cy - m - gy);
        t.setY(g.y() - s - ty);
        break;
    }
    return {g + offset, QRect(t + offset, QSize(tx, ty))};
}

int GlyphCellFor(int numGlyphs, TFlatButton::TButtonState state)
{
    switch (state) {
    case TFlatButton::bsUp:
        return 1;
    case TFlatButton::bsDisabled:
        return numGlyphs >= 2 ? 2 : 1;
    case TFlatButton::bsDown:
        return numGlyphs >= 3 ? 3 : 1;
    case TFlatButton::bsExclusive:
        return numGlyphs >= 4 ? 4 : numGlyphs == 3 ? 3 : 1;
    }
    return 1;
}

QRect GlyphCellRect(QSize size, int numGlyphs, int cell)
{
    const int cw = size.width() / numGlyphs;
    const int left = (cell - 1) * cw;
    const int right = cell == numGlyphs ? size.width() : cell * cw;
    return QRect(left, 0, right - left, size.height());
}

int NumGlyphsFor(QSize size, int current)
{
    if (size.isEmpty() || size.width() % size.height() != 0)
        return current;
    const int n = size.width() / size.height();
    return n > 4 ? 1 : n;
}

QImage MaskOutColor(const QImage &image, QRgb transparent)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF))
                line[x] = 0;
    }
    return out;
}

QImage EmbossedGlyph(const QImage &cell, QRgb transparent, const QColor &face,
                     const QColor &highlight, const QColor &shadow)
{
    const QImage source = cell.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    out.fill(face);
    const auto ink = [&](int x, int y) {
        const QRgb p = source.pixel(x, y);
        return (p & 0xFFFFFF) != (transparent & 0xFFFFFF) && qGray(p) < 224;
    };
    const QRgb hi = highlight.rgb(), sh = shadow.rgb();
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (ink(x, y) && x + 1 < out.width() && y + 1 < out.height())
                out.setPixel(x + 1, y + 1, hi);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (ink(x, y))
                out.setPixel(x, y, sh);
    return out;
}

void DrawFocusRect(QPainter &painter, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const auto dot = [&](int x, int y) {
        if (((x - r.left()) + (y - r.top())) % 2 == 0)
            painter.fillRect(x, y, 1, 1, Qt::white);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    painter.restore();
}

TFlatButton::TFlatButton(QWidget *parent) : QWidget(parent)
{
    resize(100, 25);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // mouseMove reports hovering too
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFlatButton::setTransparent(TTransparentMode value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    update();
}

void TFlatButton::setTransBorder(bool value)
{
    if (value == m_transBorder)
        return;
    m_transBorder = value;
    update();
}

void TFlatButton::setHasFocusFrame(bool value)
{
    if (value == m_hasFocusFrame)
        return;
    m_hasFocusFrame = value;
    update();
}

void TFlatButton::setDefault(bool value)
{
    if (value == m_default)
        return;
    m_default = value;
    update();
}

void TFlatButton::setAllowAllUp(bool value)
{
    if (value == m_allowAllUp)
        return;
    m_allowAllUp = value;
    tellGroup();
}

#define CX_COLOR_SETTER(name, member)                                                              \
    void TFlatButton::name(const QColor &value)                                                    \
    {                                                                                              \
        if (value == member)                                                                       \
            return;                                                                                \
        member = value;                                                                            \
        update();                                                                                  \
    }
CX_COLOR_SETTER(setColorFocused, m_colorFocused)
CX_COLOR_SETTER(setColorDown, m_colorDown)
CX_COLOR_SETTER(setColorBorder, m_colorBorder)
CX_COLOR_SETTER(setColorShadow, m_colorShadow)
CX_COLOR_SETTER(setColorFlat, m_colorFlat)
CX_COLOR_SETTER(setFoisColor, m_foisColor)
#undef CX_COLOR_SETTER

void TFlatButton::setGroupIndex(int value)
{
    if (value == m_groupIndex)
        return;
    m_groupIndex = value;
    tellGroup();
}

void TFlatButton::setDown(bool value)
{
    if (m_groupIndex == 0)
        value = false;
    if (value == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = value;
    if (value) {
        if (m_state == bsUp)
            update();
        m_state = bsExclusive;
        tellGroup();
    } else {
        m_state = bsUp;
        repaint();
    }
}

void TFlatButton::tellGroup()
{
    if (m_groupIndex == 0 || !parentWidget())
        return;
    const auto siblings =
        parentWidget()->findChildren<TFlatButton *>(Qt::FindDirectChildrenOnly);
    for (TFlatButton *other : siblings) {
        if (other == this || other->m_groupIndex != m_groupIndex)
            continue;
        if (m_down && other->m_down) {
            other->m_down = false;
            other->m_state = bsUp;
            other->update();
        }
        other->m_allowAllUp = m_allowAllUp;
    }
}

void TFlatButton::setFoisChange(bool value)
{
    if (value == m_foisChange)
        return;
    m_foisChange = value;
    update();
}

void TFlatButton::setFoisStyle(TFontStyles value)
{
    if (value == m_foisStyle)
        return;
    m_foisStyle = value;
    update();
}

void TFlatButton::setGlyph(const QImage &value)
{
    m_glyph = value;
    m_numGlyphs = NumGlyphsFor(value.size(), m_numGlyphs);
    update();
}

void TFlatButton::setNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    update();
}

void TFlatButton::setLayout(TButtonLayout value)
{
    if (value == m_layout)
        return;
    m_layout = value;
    update();
}

void TFlatButton::setMargin(int value)
{
    if (value < -1 || value == m_margin)
        return;
    m_margin = value;
    update();
}

void TFlatButton::setSpacing(int value)
{
    if (value == m_spacing)
        return;
    m_spacing = value;
    update();
}

void TFlatButton::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    // The "&" character of the caption is the button's accelerator.
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(value);
    m_shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    update();
}

QString TFlatButton::version() const
{
    return QStringLiteral("1.0");
}

void TFlatButton::click()
{
    const QPointer<TFlatButton> self(this);
    if (auto *dialog = qobject_cast<QDialog *>(window())) {
        dialog->setResult(m_modalResult);
        // A non-zero result ends a modal window, as it does for dialog buttons.
        if (m_modalResult != 0 && dialog->isModal())
            dialog->done(m_modalResult);
    }
    if (m_popupMenu)
        m_popupMenu->exec(mapToGlobal(QPoint(0, height())));
    if (self)
        emit clicked();
}

QColor TFlatButton::stateColor() const
{
    switch (m_state) {
    case bsUp:
        return m_hot ? m_colorFocused : m_colorFlat;
    case bsDisabled:
        return m_colorFlat;
    case bsDown:
        return m_colorDown;
    case bsExclusive:
        return m_hot ? m_colorFocused : m_colorDown;
    }
    return m_colorFlat;
}

void TFlatButton::paintEvent(QPaintEvent *)
{
    QImage bitmap(size(), QImage::Format_RGB32);
    bitmap.fill(palette().color(QPalette::Button));
    QPainter p(&bitmap);

    const QRgb transparentColor =
        m_glyph.isNull() ? 0 : m_glyph.pixel(0, m_glyph.height() - 1);
    QFont f = font();
    QColor textColor = palette().color(QPalette::WindowText);
    const bool hotLook = m_hot && m_foisChange;
    if (hotLook) {
        textColor = m_foisColor;
        f.setBold(m_foisStyle.testFlag(fsBold));
        f.setItalic(m_foisStyle.testFlag(fsItalic));
        f.setUnderline(m_foisStyle.testFlag(fsUnderline));
        f.setStrikeOut(m_foisStyle.testFlag(fsStrikeOut));
    }
    p.setFont(f);
    const QPoint offset = (m_state == bsDown || m_state == bsExclusive) ? QPoint(1, 1) : QPoint();
    const QSize cell = m_glyph.isNull() ? QSize(0, 0)
                                        : QSize(m_glyph.width() / m_numGlyphs, m_glyph.height());
    const int textFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize text = m_caption.isEmpty() ? QSize(0, 0)
                                           : QFontMetrics(f).size(textFlags, m_caption);
    const FlatButtonPlacement place =
        FlatButtonLayout(size(), offset, cell, text, m_layout, m_margin, m_spacing);

    if (isEnabled() && m_state == bsDisabled)
        m_state = (m_down && m_groupIndex != 0) ? bsExclusive : bsUp;
    else if (!isEnabled()) {
        m_state = bsDisabled;
        m_dragging = false;
    }

    const bool parentImage =
        m_transparent == tmAlways || (m_transparent == tmNotFocused && !m_hot);
    if (parentImage)
        DrawParentImage(*this, p);
    else
        p.fillRect(rect(), stateColor());

    if (!m_transBorder) {
        if (m_state == bsUp && m_hot)
            DrawBorderRings(p, rect(), 1, m_colorShadow);
        else if (m_state == bsUp && m_default)
            DrawBorderRings(p, rect(), 2, m_colorBorder);
        else if (m_state == bsUp || m_state == bsDisabled)
            DrawBorderRings(p, rect(), 1, m_colorBorder);
        else
            DrawBorderRings(p, rect(), 1, m_colorShadow);
        if (m_hot && m_hasFocusFrame && isEnabled())
            DrawFocusRect(p, rect().adjusted(2, 2, -2, -2));
    }

    if (!m_glyph.isNull() && !cell.isEmpty()) {
        const QRect source =
            GlyphCellRect(m_glyph.size(), m_numGlyphs, GlyphCellFor(m_numGlyphs, m_state));
        QImage work = m_glyph.copy(source).copy(0, 0, cell.width(), cell.height());
        QRgb clear = transparentColor;
        if (m_numGlyphs == 1 && m_state == bsDisabled) {
            work = EmbossedGlyph(work, clear, palette().color(QPalette::Button),
                                 palette().color(QPalette::Light), palette().color(QPalette::Dark));
            clear = work.pixel(0, work.height() - 1);
        }
        p.drawImage(place.glyph - (hotLook ? QPoint(1, 1) : QPoint()), MaskOutColor(work, clear));
    }

    if (!m_caption.isEmpty()) {
        const int flags = Qt::AlignCenter | textFlags;
        if (m_state == bsDisabled) {
            p.setPen(palette().color(QPalette::Light));
            p.drawText(place.caption.translated(1, 1), flags, m_caption);
            p.setPen(palette().color(QPalette::Dark));
            p.drawText(place.caption, flags, m_caption);
        } else {
            p.setPen(textColor);
            p.drawText(place.caption, flags, m_caption);
        }
    }
    p.end();
    QPainter(this).drawImage(0, 0, bitmap);
}

bool TFlatButton::event(QEvent *e)
{
    if (e->type() == QEvent::Shortcut) {
        if (static_cast<QShortcutEvent *>(e)->shortcutId() == m_shortcutId && isEnabled()) {
            if (m_groupIndex != 0)
                setDown(true);
            click();
        }
        return true;
    }
    return QWidget::event(e);
}

void TFlatButton::enterEvent(QEnterEvent *)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TFlatButton::mouseEnter))) {
        emit mouseEnter();
        return;
    }
    if (isEnabled() && !m_hot) {
        m_hot = true;
        update();
    }
}

void TFlatButton::leaveReaction(bool notify)
{
    if (notify && isSignalConnected(QMetaMethod::fromSignal(&TFlatButton::mouseLeave))) {
        emit mouseLeave();
        return;
    }
    if (isEnabled() && m_hot && !m_dragging) {
        m_hot = false;
        update();
    }
}

void TFlatButton::leaveEvent(QEvent *)
{
    leaveReaction(true);
}

void TFlatButton::focusInEvent(QFocusEvent *event)
{
    if (isEnabled()) {
        m_hot = true;
        update();
    }
    QWidget::focusInEvent(event);
}

void TFlatButton::focusOutEvent(QFocusEvent *event)
{
    leaveReaction(false);
    QWidget::focusOutEvent(event);
}

bool TFlatButton::inside(const QPoint &p) const
{
    // The bottom edge row below the button still counts, as it always has.
    return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
}

void TFlatButton::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event);
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!m_down) {
        m_state = bsDown;
        update();
    }
    m_dragging = true;
    setFocus(Qt::MouseFocusReason);
}

void TFlatButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event);
    if (!m_dragging)
        return;
    const TButtonState next =
        m_down ? bsExclusive : inside(event->position().toPoint()) ? bsDown : bsUp;
    if (next != m_state) {
        m_state = next;
        update();
    }
}

void TFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event);
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const QPoint pos = event->position().toPoint();
    const bool in = inside(pos);
    if (m_groupIndex == 0) {
        // Up also when released outside without a move out before it.
        m_state = bsUp;
        m_hot = false;
        if (in)
            update();
    } else if (in) {
        setDown(!m_down);
        if (m_down)
            repaint();
    } else if (m_down) {
        m_state = bsExclusive;
        repaint();
    }
    const QPointer<TFlatButton> self(this);
    if (in)
        click();
    else
        leaveReaction(true);
    if (!self)
        return;
    m_hot = isEnabled() && rect().contains(pos);
    update();
}

void TFlatButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    if (m_down)
        emit doubleClicked();
}

void TFlatButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        if (m_groupIndex != 0)
            setDown(true);
        else
            m_state = bsDown;
        update();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_hot
        && isEnabled() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFlatButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        const QPointer<TFlatButton> self(this);
        if (m_groupIndex != 0)
            setDown(false);
        else
            m_state = bsUp;
        click();
        if (self)
            update();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TFlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_hot = false;
            m_state = bsDisabled;
        }
        update();
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void TFlatButton::moveEvent(QMoveEvent *event)
{
    // What lies behind a transparent button changes with its place.
    if (m_transparent != tmNone)
        update();
    QWidget::moveEvent(event);
}

void TFlatButton::resizeEvent(QResizeEvent *event)
{
    if (m_transparent != tmNone)
        update();
    QWidget::resizeEvent(event);
}

} // namespace cx
