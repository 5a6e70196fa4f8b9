#include "widgets/glass.h"
#include "widgets/gradprogress.h"

#include <QMouseEvent>

namespace cx {

namespace {

constexpr QRgb kRgb = 0x00FFFFFF;

// Widgets whose pixels are composed outside the backing store.
bool DrawsElsewhere(const QWidget &w)
{
    return (w.testAttribute(Qt::WA_NativeWindow) && !w.isWindow()) || w.inherits("QOpenGLWidget")
           || w.inherits("QQuickWidget");
}

// `w` or one of its visible descendants draws elsewhere within `area`
// (in `w`'s parent coordinates).
bool DrawsElsewhereIn(const QWidget &w, const QRect &area)
{
    if (!w.isVisible() || !w.geometry().intersects(area))
        return false;
    if (DrawsElsewhere(w))
        return true;
    const QRect inner = area.translated(-w.pos());
    for (const QObject *child : w.children())
        if (child->isWidgetType() && !static_cast<const QWidget *>(child)->isWindow()
            && DrawsElsewhereIn(*static_cast<const QWidget *>(child), inner))
            return true;
    return false;
}

} // namespace

QRgb GlassCombine(TGlass::TGlassStyle style, QRgb backdrop, QRgb color)
{
    const QRgb s = backdrop & kRgb, d = color & kRgb, p = color & kRgb;
    switch (style) {
    case TGlass::gsBlackness: return 0;
    case TGlass::gsDstInvert: return ~d & kRgb;
    case TGlass::gsMergeCopy: return s & p;
    case TGlass::gsMergePaint: return (~s | d) & kRgb;
    case TGlass::gsNotSrcCopy: return ~s & kRgb;
    case TGlass::gsNotSrcErase: return ~(s | d) & kRgb;
    case TGlass::gsPatCopy: return p;
    case TGlass::gsPatInvert: return p ^ d;
    case TGlass::gsPatPaint: return (p | ~s | d) & kRgb;
    case TGlass::gsSrcAnd: return s & d;
    case TGlass::gsSrcCopy: return s;
    case TGlass::gsSrcErase: return s & ~d & kRgb;
    case TGlass::gsSrcInvert: return s ^ d;
    case TGlass::gsSrcPaint: return s | d;
    case TGlass::gsWhiteness: return kRgb;
    }
    return s;
}

bool GlassReadsBackdrop(TGlass::TGlassStyle style)
{
    switch (style) {
    case TGlass::gsBlackness:
    case TGlass::gsDstInvert:
    case TGlass::gsPatCopy:
    case TGlass::gsPatInvert:
    case TGlass::gsWhiteness:
        return false;
    default:
        return true;
    }
}

// The painter's source is Color and its destination the backdrop, so each
// operation maps to the raster mode with the operands' roles swapped.
GlassFill GlassFillFor(TGlass::TGlassStyle style, QRgb color)
{
    using M = QPainter::CompositionMode;
    const QRgb c = color & kRgb;
    if (!GlassReadsBackdrop(style))
        return {true, M::CompositionMode_Source, GlassCombine(style, 0, c)};
    switch (style) {
    case TGlass::gsMergeCopy:
    case TGlass::gsSrcAnd:
        return {c != kRgb, M::RasterOp_SourceAndDestination, c};
    case TGlass::gsMergePaint:
    case TGlass::gsPatPaint:
        return {true, M::RasterOp_SourceOrNotDestination, c};
    case TGlass::gsNotSrcCopy:
        return {true, M::RasterOp_NotDestination, c};
    case TGlass::gsNotSrcErase:
        return {true, M::RasterOp_NotSourceAndNotDestination, c};
    case TGlass::gsSrcErase:
        return {c != 0, M::RasterOp_NotSourceAndDestination, c};
    case TGlass::gsSrcInvert:
        return {c != 0, M::RasterOp_SourceXorDestination, c};
    case TGlass::gsSrcPaint:
        return {c != 0, M::RasterOp_SourceOrDestination, c};
    default: // gsSrcCopy
        return {false, M::CompositionMode_SourceOver, c};
    }
}

bool GlassBackdropReadable(const QWidget &glass)
{
    const QWidget *w = &glass;
    QRect area = glass.geometry();
    while (!w->isWindow()) {
        const QWidget *parent = w->parentWidget();
        if (!parent)
            break;
        if (DrawsElsewhere(*parent))
            return false;
        // Earlier children are stacked below later ones.
        for (const QObject *child : parent->children()) {
            if (child == w)
                break;
            if (child->isWidgetType() && !static_cast<const QWidget *>(child)->isWindow()
                && DrawsElsewhereIn(*static_cast<const QWidget *>(child), area))
                return false;
        }
        area.translate(parent->pos());
        w = parent;
    }
    return true;
}

TGlass::TGlass(QWidget *parent) : QWidget(parent)
{
    resize(100, 100);
    // No background of its own: the widgets beneath paint the backdrop first.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground, true);
}

void TGlass::setColor(const QColor &value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void TGlass::setStyle(TGlassStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    update();
}

void TGlass::setCtl3D(bool value)
{
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    update();
}

void TGlass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const GlassFill fill = GlassFillFor(m_style, m_color.rgb());
    if (fill.paints && (!GlassReadsBackdrop(m_style) || GlassBackdropReadable(*this))) {
        painter.setCompositionMode(fill.mode);
        painter.fillRect(rect(), QColor(fill.source));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (m_ctl3D)
        DrawEdgeRing(painter, rect(), palette().color(QPalette::Active, QPalette::Light),
                     palette().color(QPalette::Active, QPalette::Dark));
    painter.end();
    emit painted();
}

void TGlass::resizeEvent(QResizeEvent *)
{
    update();
    emit resized();
}

void TGlass::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit mouseDown(event);
}

void TGlass::mouseMoveEvent(QMouseEvent *event) { emit mouseMove(event); }

void TGlass::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicks =
        event->button() == Qt::LeftButton && m_pressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    // As for every control here, the click comes before the release event.
    if (clicks)
        emit clicked();
    emit mouseUp(event);
}

void TGlass::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit doubleClicked();
    emit mouseDown(event);
}

} // namespace cx
