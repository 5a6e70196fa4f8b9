#pragma once

#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

namespace cx {

// `rings` one-pixel rings of `color` inside `r` (right and bottom exclusive),
// outermost first: left column and top row, then right column and bottom row;
// each next ring one pixel further in.
void DrawBorderRings(QPainter &painter, QRect r, int rings, const QColor &color);

// One band of a panel gradient along its axis.
struct GradientBand {
    int offset;
    int length;
    QColor color;
};

// The bands from `start` to `stop` over `extent` pixels: min(60, extent) bands
// but at least 2, each extent div n long, colour stepping by
// MulDiv(i, difference, n - 1); the pixels left at the far end take the stop
// colour.
std::vector<GradientBand> GradientBands(const QColor &start, const QColor &stop, int extent);

// The flat container of the windows: a single-colour, gradient or transparent
// area with a one-pixel border and an optional centred one-line caption,
// composed offscreen and copied in one operation. The caption is drawn in the
// palette's WindowText; the disabled caption in Light (button highlight) and
// Dark (button shadow); the default Color is the palette's Button.
class TFlatPanel : public QWidget {
    Q_OBJECT
public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TFillDirection {
        fdBottomToTop, fdCenterToVerti, fdCenterToHoriz, fdLeftToRight,
        fdRightToLeft, fdTopToBottom, fdXPFace
    };
    Q_ENUM(TFillDirection)
    enum TStyleFace { fsDefault, fsCustom };
    Q_ENUM(TStyleFace)

    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool TransBorder READ transBorder WRITE setTransBorder)
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(bool FullRepaint READ fullRepaint WRITE setFullRepaint)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor BackgropStartColor READ backgropStartColor WRITE setBackgropStartColor)
    Q_PROPERTY(QColor BackgropStopColor READ backgropStopColor WRITE setBackgropStopColor)
    Q_PROPERTY(TFillDirection BackgropOrien READ backgropOrien WRITE setBackgropOrien)
    Q_PROPERTY(TStyleFace StyleFace READ styleFace WRITE setStyleFace)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString Version READ version WRITE setVersion)

    explicit TFlatPanel(QWidget *parent = nullptr);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);
    bool transBorder() const { return m_transBorder; }
    void setTransBorder(bool value);
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    // Kept for the window descriptions; Qt has no tool-control query to answer.
    bool locked() const { return m_locked; }
    void setLocked(bool value) { m_locked = value; }
    bool fullRepaint() const { return m_fullRepaint; }
    void setFullRepaint(bool value) { m_fullRepaint = value; }

    QColor colorBorder() const { return m_colors[0]; }
    void setColorBorder(const QColor &value) { SetIndexedColor(0, value); }
    QColor backgropStartColor() const { return m_colors[1]; }
    void setBackgropStartColor(const QColor &value) { SetIndexedColor(1, value); }
    QColor backgropStopColor() const { return m_colors[2]; }
    void setBackgropStopColor(const QColor &value) { SetIndexedColor(2, value); }
    // Border (0), gradient start (1) and stop (2): stored and invalidated
    // without comparing.
    virtual void SetIndexedColor(int index, const QColor &value);

    TFillDirection backgropOrien() const { return m_orien; }
    void setBackgropOrien(TFillDirection value);
    TStyleFace styleFace() const { return m_styleFace; }
    void setStyleFace(TStyleFace value);
    QColor color() const;
    // Also clears ParentColor.
    void setColor(const QColor &value);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    QString version() const;
    void setVersion(const QString &) {}

    // The rectangle the caption is laid out in: 3 pixels in from each side.
    QRect textRect() const { return rect().adjusted(3, 0, -3, 0); }

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_transparent = false;
    bool m_transBorder = false;
    TAlignment m_alignment = taCenter;
    bool m_locked = false;
    bool m_fullRepaint = true;
    QColor m_colors[3] = {QColor(0x88, 0xA5, 0x61), QColor(0xED, 0xF1, 0xFB),
                          QColor(0xD6, 0xDF, 0xF7)};
    TFillDirection m_orien = fdLeftToRight;
    TStyleFace m_styleFace = fsDefault;
    std::optional<QColor> m_color; // unset: the palette's button face
    bool m_parentColor = false;
    QString m_caption;
    bool m_pressed = false;
};

// Fills `r` with the panel gradient in `direction`.
void DrawPanelGradient(QPainter &painter, const QRect &r, const QColor &start,
                       const QColor &stop, TFlatPanel::TFillDirection direction);

} // namespace cx
