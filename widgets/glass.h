#pragma once

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace cx {

// A see-through pane: it shows what lies beneath it combined pixel by pixel
// with Color by a raster operation, and takes the mouse input on its area.
// White with gsSrcAnd leaves the content beneath unchanged: an invisible pane
// that catches clicks, for example above a web view.
//
// The backdrop is what the widgets beneath have already painted into the
// window's backing store where the pane lies; the pane paints no background of
// its own, so moving or resizing it repaints it from the new backdrop. Where
// the backdrop is drawn outside the backing store (a native child window, an
// OpenGL or Qt Quick surface such as a web view's page), nothing that depends
// on it is drawn: the content stays as it is. The raised frame uses the
// palette's Light (button highlight) and Dark (button shadow).
class TGlass : public QWidget {
    Q_OBJECT
public:
    enum TGlassStyle {
        gsBlackness, gsDstInvert, gsMergeCopy, gsMergePaint, gsNotSrcCopy, gsNotSrcErase,
        gsPatCopy, gsPatInvert, gsPatPaint, gsSrcAnd, gsSrcCopy, gsSrcErase, gsSrcInvert,
        gsSrcPaint, gsWhiteness
    };
    Q_ENUM(TGlassStyle)

    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(TGlassStyle Style READ style WRITE setStyle)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)

    explicit TGlass(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &value);
    TGlassStyle style() const { return m_style; }
    void setStyle(TGlassStyle value);
    bool ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool value);

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void painted();
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_color{255, 255, 255};
    TGlassStyle m_style = gsSrcAnd;
    bool m_ctl3D = false;
    bool m_pressed = false;
};

// The raster operation of `style` on 24-bit RGB values (0xRRGGBB): S is the
// backdrop pixel, D and P are both `color`.
QRgb GlassCombine(TGlass::TGlassStyle style, QRgb backdrop, QRgb color);

// Whether the result depends on the backdrop at all.
bool GlassReadsBackdrop(TGlass::TGlassStyle style);

// How a painter over the backdrop gets GlassCombine's result: fill the area
// with `source` under `mode`; `paints` is false when the backdrop stays as it is.
struct GlassFill {
    bool paints;
    QPainter::CompositionMode mode;
    QRgb source;
};
GlassFill GlassFillFor(TGlass::TGlassStyle style, QRgb color);

// Whether every widget that paints beneath `glass` paints into the backing
// store the pane combines with.
bool GlassBackdropReadable(const QWidget &glass);

} // namespace cx
