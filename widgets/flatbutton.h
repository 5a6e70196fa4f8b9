#pragma once

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace cx {

// The flat push button of the windows: a glyph of 1 to 4 cells and a caption
// laid out like a tool button, a hot state (pointer over it or keyboard
// focus) with its own caption font and the glyph lifted by a pixel, and a
// pressed state that shifts glyph and caption by a pixel. Grouped buttons
// latch exclusively. Composed offscreen and copied in one operation.
// Caption colour: the palette's WindowText; embossed forms use the palette's
// Button (face), Light (highlight) and Dark (shadow).
class TFlatButton : public QWidget {
    Q_OBJECT
public:
    enum TTransparentMode { tmAlways, tmNotFocused, tmNone };
    Q_ENUM(TTransparentMode)
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TButtonLayout)
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)
    enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
    Q_ENUM(TButtonState)

    Q_PROPERTY(TTransparentMode Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool TransBorder READ transBorder WRITE setTransBorder)
    Q_PROPERTY(bool HasFocusFrame READ hasFocusFrame WRITE setHasFocusFrame)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool AllowAllUp READ allowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(QColor ColorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor ColorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor ColorShadow READ colorShadow WRITE setColorShadow)
    Q_PROPERTY(QColor ColorFlat READ colorFlat WRITE setColorFlat)
    Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool Down READ isDown WRITE setDown)
    Q_PROPERTY(bool FoisChange READ foisChange WRITE setFoisChange)
    Q_PROPERTY(QColor FoisColor READ foisColor WRITE setFoisColor)
    Q_PROPERTY(TFontStyles FoisStyle READ foisStyle WRITE setFoisStyle)
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(TButtonLayout Layout READ layout WRITE setLayout)
    Q_PROPERTY(int Margin READ margin WRITE setMargin)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QMenu *PopupMenu READ popupMenu WRITE setPopupMenu)
    Q_PROPERTY(QString Version READ version WRITE setVersion)

    explicit TFlatButton(QWidget *parent = nullptr);

    TTransparentMode transparent() const { return m_transparent; }
    void setTransparent(TTransparentMode value);
    bool transBorder() const { return m_transBorder; }
    void setTransBorder(bool value);
    bool hasFocusFrame() const { return m_hasFocusFrame; }
    void setHasFocusFrame(bool value);
    bool isDefault() const { return m_default; }
    void setDefault(bool value);
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value);
    QColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor &value);
    QColor colorDown() const { return m_colorDown; }
    void setColorDown(const QColor &value);
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor &value);
    QColor colorShadow() const { return m_colorShadow; }
    void setColorShadow(const QColor &value);
    QColor colorFlat() const { return m_colorFlat; }
    void setColorFlat(const QColor &value);
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value);
    bool isDown() const { return m_down; }
    // Always false without a group; a latched button of a group that does
    // not allow all up stays down. Latching releases the group's others.
    void setDown(bool value);
    bool foisChange() const { return m_foisChange; }
    void setFoisChange(bool value);
    QColor foisColor() const { return m_foisColor; }
    void setFoisColor(const QColor &value);
    TFontStyles foisStyle() const { return m_foisStyle; }
    void setFoisStyle(TFontStyles value);
    QImage glyph() const { return m_glyph; }
    // A glyph whose width is a multiple of its height sets NumGlyphs to the
    // quotient (1 beyond 4); any other leaves NumGlyphs as it is.
    void setGlyph(const QImage &value);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int value);
    TButtonLayout layout() const { return m_layout; }
    void setLayout(TButtonLayout value);
    int margin() const { return m_margin; }
    // Values below -1 are refused.
    void setMargin(int value);
    int spacing() const { return m_spacing; }
    void setSpacing(int value);
    int modalResult() const { return m_modalResult; }
    void setModalResult(int value) { m_modalResult = value; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    QMenu *popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *value) { m_popupMenu = value; }
    QString version() const;
    void setVersion(const QString &) {}

    TButtonState state() const { return m_state; }
    bool isHot() const { return m_hot; }

    // The click: the window's modal result, the popup menu at the bottom-left
    // corner, then `clicked`.
    void click();

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    // While connected, entering or leaving the button does nothing else.
    void mouseEnter();
    void mouseLeave();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void leaveReaction(bool notify);
    bool inside(const QPoint &p) const;
    void tellGroup();
    QColor stateColor() const;

    TTransparentMode m_transparent = tmNone;
    bool m_transBorder = false;
    bool m_hasFocusFrame = true;
    bool m_default = false;
    bool m_allowAllUp = false;
    QColor m_colorFocused{0x99, 0xBE, 0xFB};
    QColor m_colorDown{0xD9, 0xD6, 0xC5};
    QColor m_colorBorder{0x88, 0xA5, 0x61};
    QColor m_colorShadow{0x00, 0xC6, 0xC6};
    QColor m_colorFlat{0xEB, 0xEA, 0xE1};
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_foisChange = true;
    QColor m_foisColor{0x00, 0x00, 0xE1};
    TFontStyles m_foisStyle = fsBold;
    QImage m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphTop;
    int m_margin = -1;
    int m_spacing = 4;
    int m_modalResult = 0;
    QString m_caption;
    QPointer<QMenu> m_popupMenu;
    int m_shortcutId = 0;

    TButtonState m_state = bsUp;
    bool m_hot = false;
    bool m_dragging = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFlatButton::TFontStyles)

// Where the glyph and the caption go.
struct FlatButtonPlacement {
    QPoint glyph;
    QRect caption;
};

// Lays out a glyph of `glyph` size and a caption of `caption` size in a client
// area of `client` size, shifted by `offset` (the pressed offset). Empty sizes
// stand for no glyph or no caption. Margin -1 centres the group; Spacing -1
// spreads evenly.
FlatButtonPlacement FlatButtonLayout(QSize client, QPoint offset, QSize glyph, QSize caption,
                                     TFlatButton::TButtonLayout layout, int margin, int spacing);

// Which cell (1-based) of a glyph of `numGlyphs` cells shows in `state`.
int GlyphCellFor(int numGlyphs, TFlatButton::TButtonState state);

// The source rectangle of cell `cell` in a glyph bitmap of `size`; the last
// cell extends to the right edge.
QRect GlyphCellRect(QSize size, int numGlyphs, int cell);

// NumGlyphs after assigning a glyph of `size` to a button that has `current`.
int NumGlyphsFor(QSize size, int current);

// `image` with every pixel of colour `transparent` made fully transparent.
QImage MaskOutColor(const QImage &image, QRgb transparent);

// The embossed (disabled) form of a glyph cell on `face`: its ink drawn at
// (1, 1) in `highlight` and at (0, 0) in `shadow`. Ink is every pixel that is
// not `transparent` and is darker than near-white.
QImage EmbossedGlyph(const QImage &cell, QRgb transparent, const QColor &face,
                     const QColor &highlight, const QColor &shadow);

// A dotted focus rectangle on the outline of `r`, every other pixel inverted.
void DrawFocusRect(QPainter &painter, const QRect &r);

} // namespace cx
