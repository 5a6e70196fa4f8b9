#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

class QCursor;
class QTimer;

namespace cx {

// The self-drawn picture button of the toolbars and dictionary windows: a
// glyph and a caption, a hot glyph and hot caption colour while the pointer is
// over it, a pressed look while the left button is held, the hand cursor,
// optional click repeat, entry sound, popup menu and stock dialog kinds.
//
// Each state is composed in an offscreen bitmap and copied to the screen in one
// operation; an ordinary repaint (expose, update()) always shows the Normal
// state. System colours come from the palette: Button (button face), Light
// (button highlight), Dark (button shadow); the caption is drawn in the
// palette's WindowText unless hot.
class TLumoButton : public QWidget {
    Q_OBJECT
public:
    enum TStyle {
        stFlat, stDefault, stNone, stRaised, stFlatDot, stRaisedDot, stFrameLowered, stFrameRaised
    };
    Q_ENUM(TStyle)
    enum TLayout { blGlyphLeft, blGlyphBottom, blGlyphRight, blGlyphTop };
    Q_ENUM(TLayout)
    enum TKind {
        skCustom, skOK, skCancel, skHelp, skYes, skNo, skClose, skAbort, skRetry, skIgnore, skAll,
        skSilly
    };
    Q_ENUM(TKind)
    enum TColorMarginDefault { cmDefault, cmCustom };
    Q_ENUM(TColorMarginDefault)
    enum TPositionPopup { puDown, puLeft, puRight };
    Q_ENUM(TPositionPopup)

    // What a drawing shows; Disabled is the Normal drawing of a disabled button.
    enum class DrawState { Normal, Hot, Pressed };

    Q_PROPERTY(bool RepeatAction READ repeatAction WRITE setRepeatAction)
    Q_PROPERTY(int RepeatInterval READ repeatInterval WRITE setRepeatInterval)
    Q_PROPERTY(int RepeatStartInterval READ repeatStartInterval WRITE setRepeatStartInterval)
    Q_PROPERTY(bool ShowFocused READ showFocused WRITE setShowFocused)
    Q_PROPERTY(bool CursorHandCustom READ cursorHandCustom WRITE setCursorHandCustom)
    Q_PROPERTY(TKind ButtonKind READ buttonKind WRITE setButtonKind)
    Q_PROPERTY(QColor ColorMarginLeftTop READ colorMarginLeftTop WRITE setColorMarginLeftTop)
    Q_PROPERTY(QColor ColorMarginRightBottom READ colorMarginRightBottom WRITE setColorMarginRightBottom)
    Q_PROPERTY(TColorMarginDefault ColorMarginStyle READ colorMarginStyle WRITE setColorMarginStyle)
    Q_PROPERTY(QString Version READ version WRITE setVersion)
    Q_PROPERTY(bool PopupMenuMark READ popupMenuMark WRITE setPopupMenuMark)
    Q_PROPERTY(int PopupMenuMarkGap READ popupMenuMarkGap WRITE setPopupMenuMarkGap)
    Q_PROPERTY(TPositionPopup PositionPopup READ positionPopup WRITE setPositionPopup)
    Q_PROPERTY(bool PlayMusic READ playMusic WRITE setPlayMusic)
    Q_PROPERTY(QMenu *PopupMenu READ popupMenu WRITE setPopupMenu)
    Q_PROPERTY(QColor HotTrackColor READ hotTrackColor WRITE setHotTrackColor)
    Q_PROPERTY(bool HotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(int SpacingLayout READ spacingLayout WRITE setSpacingLayout)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int NumGlyphsHot READ numGlyphsHot WRITE setNumGlyphsHot)
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(QImage GlyphHot READ glyphHot WRITE setGlyphHot)
    Q_PROPERTY(TLayout Layout READ layout WRITE setLayout)
    Q_PROPERTY(TStyle ButtonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(QString HintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(int HelpContext READ helpContext WRITE setHelpContext)

    explicit TLumoButton(QWidget *parent = nullptr);
    ~TLumoButton() override;

    bool repeatAction() const { return m_repeatAction; }
    void setRepeatAction(bool value) { m_repeatAction = value; }
    int repeatInterval() const;
    void setRepeatInterval(int ms);
    int repeatStartInterval() const;
    void setRepeatStartInterval(int ms);
    bool showFocused() const { return m_showFocused; }
    void setShowFocused(bool value) { m_showFocused = value; }
    bool cursorHandCustom() const { return m_cursorHandCustom; }
    void setCursorHandCustom(bool value) { m_cursorHandCustom = value; }
    TKind buttonKind() const { return m_kind; }
    void setButtonKind(TKind value);
    QColor colorMarginLeftTop() const { return m_marginLeftTop; }
    void setColorMarginLeftTop(const QColor &value);
    QColor colorMarginRightBottom() const { return m_marginRightBottom; }
    void setColorMarginRightBottom(const QColor &value);
    TColorMarginDefault colorMarginStyle() const { return m_marginStyle; }
    void setColorMarginStyle(TColorMarginDefault value);
    QString version() const;
    void setVersion(const QString &) {}
    bool popupMenuMark() const { return m_popupMenuMark; }
    void setPopupMenuMark(bool value);
    int popupMenuMarkGap() const { return m_popupMenuMarkGap; }
    void setPopupMenuMarkGap(int value); // 1..5; other values are refused
    TPositionPopup positionPopup() const { return m_positionPopup; }
    void setPositionPopup(TPositionPopup value) { m_positionPopup = value; }
    bool playMusic() const { return m_playMusic; }
    void setPlayMusic(bool value) { m_playMusic = value; }
    QMenu *popupMenu() const;
    void setPopupMenu(QMenu *menu); // forgotten when the menu is destroyed
    QColor hotTrackColor() const { return m_hotTrackColor; }
    void setHotTrackColor(const QColor &value) { m_hotTrackColor = value; }
    bool hotTrack() const { return m_hotTrack; }
    void setHotTrack(bool value) { m_hotTrack = value; }
    int spacing() const { return m_spacing; }
    void setSpacing(int value); // 1..5
    int spacingLayout() const { return m_spacingLayout; }
    void setSpacingLayout(int value); // -5..5
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int value); // 1..4
    int numGlyphsHot() const { return m_numGlyphsHot; }
    void setNumGlyphsHot(int value); // 1..4
    QImage glyph() const { return m_glyph; }
    // Copies the bitmap and derives the cell count from its shape; makes the
    // button a custom one.
    void setGlyph(const QImage &bitmap);
    QImage glyphHot() const { return m_glyphHot; }
    void setGlyphHot(const QImage &bitmap);
    // Glyphs of a window description keep their stored cell counts.
    void loadGlyphs(const QImage &normal, const QImage &hot);
    TLayout layout() const { return m_layout; }
    void setLayout(TLayout value);
    TStyle buttonStyle() const { return m_style; }
    void setButtonStyle(TStyle value);
    bool cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }
    bool isDefault() const { return m_default; }
    void setDefault(bool value) { m_default = value; }
    QString hintSecondLine() const { return m_hintSecondLine; }
    void setHintSecondLine(const QString &text);
    QString caption() const { return m_caption; }
    void setCaption(const QString &text);
    // With ParentColor the parent's own Color (or its window colour).
    QColor color() const;
    void setColor(const QColor &value); // also clears ParentColor
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool value);
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int value) { m_helpContext = value; }

    // The offscreen bitmap last copied to the screen, and the rectangles of
    // that drawing (right and bottom exclusive as QRect keeps them).
    const QImage &surface() const { return m_bitmap; }
    QRect workRect() const { return m_workRect; }
    QRect glyphRect() const { return m_glyphRect; }
    QRect captionRect() const { return m_captionRect; }

    // The click operation: OnClick, the stock kind's effect, the popup menu.
    void click();

signals:
    void clicked();
    void doubleClicked();
    void mouseOver();
    void mouseOut();
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    // An skHelp button was clicked; `context` is the nearest non-zero
    // HelpContext from the button up through its parents.
    void helpRequested(int context);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool framed() const;
    void pointerEntered();
    void pointerLeft();
    void pressReaction();
    void stopTimers();
    void repeatTick();
    void popupSequence();
    void focusMoved(QWidget *now);
    void watchWindow();
    bool canTakeFocus() const;
    void drawNow(DrawState state);
    void compose(DrawState state);
    void drawGlyph(DrawState state, QSize text);
    void drawCaption(DrawState state, QSize text);
    void frameColors(QColor &topLeft, QColor &bottomRight) const;
    QColor sysColor(QPalette::ColorRole role) const;

    bool m_repeatAction = false;
    bool m_showFocused = true;
    bool m_cursorHandCustom = true;
    TKind m_kind = skCustom;
    QColor m_marginLeftTop;
    QColor m_marginRightBottom;
    TColorMarginDefault m_marginStyle = cmDefault;
    bool m_popupMenuMark = false;
    int m_popupMenuMarkGap = 5;
    TPositionPopup m_positionPopup = puDown;
    bool m_playMusic = false;
    QPointer<QMenu> m_popupMenu;
    QColor m_hotTrackColor{0, 0, 255};
    bool m_hotTrack = true;
    int m_spacing = 4;
    int m_spacingLayout = 3;
    int m_numGlyphs = 2;
    int m_numGlyphsHot = 2;
    QImage m_glyph;
    QImage m_glyphHot;
    TLayout m_layout = blGlyphLeft;
    TStyle m_style = stFlat;
    bool m_cancel = false;
    bool m_default = false;
    QString m_hintSecondLine;
    QString m_caption;
    QColor m_color;
    bool m_parentColor = true;
    int m_helpContext = 0;

    QTimer *m_repeatTimer = nullptr;
    QTimer *m_repeatStartTimer = nullptr;
    QImage m_bitmap;
    QRect m_workRect;
    QRect m_glyphRect;
    QRect m_captionRect;
    int m_captionHot = 2; // 0: caption in the hot colour
    bool m_left = false;  // the pointer left since it last entered
    bool m_over = false;  // the enter reaction ran and the leave one not yet
    bool m_pressed = false; // a left press on the button that may still click
    bool m_focused = false;
    bool m_activeDefault = false;
    bool m_blitPending = false; // the next paint shows the last state drawing
    QPointer<QWidget> m_watchedWindow;
};

// Cell count after assigning a glyph of `size`: 1 for a bitmap narrower than
// high or less than two cells wide, width div height for whole square cells
// (1 when that exceeds 4), otherwise `current`.
int LumoGlyphCount(QSize size, int current);

// Glyph rectangle G for the working rectangle `r`, a glyph cell of `cell`, a
// caption measured as `text` (empty caption: 0 x 0 and captionEmpty) and the
// pressed offset `d`.
QRect LumoGlyphRect(TLumoButton::TLayout layout, const QRect &r, QSize cell, QSize text,
                    bool captionEmpty, int spacingLayout, bool popupMark, int d);

// Caption rectangle T: centred in `r` and moved by `d` without a glyph,
// otherwise placed from the glyph rectangle `g`.
QRect LumoCaptionRect(TLumoButton::TLayout layout, const QRect &r, bool glyphEmpty,
                      const QRect &g, QSize text, int spacing, int d);

// Frame width of a style's Normal (repaint) and Hot/Pressed drawings.
int LumoFrameWidth(TLumoButton::TStyle style, TLumoButton::DrawState state);

// One frame ring on `r`: top row and left column in `first`, then right
// column and bottom row in `second`; a dotted ring sets every other pixel.
void LumoFrameRing(QImage &image, const QRect &r, QRgb first, QRgb second, bool dotted);

// The dotted focus rectangle on `r`: every other pixel of its outline inverted.
void LumoFocusRect(QImage &image, const QRect &r);

// Cell `index` (0-based) of `numGlyphs` equal cells; the second cell of a
// two-cell glyph runs to the bitmap's right edge, cropped to the cell width.
QImage LumoGlyphCell(const QImage &glyph, int numGlyphs, int index);

// Draws `cell` at `at` with the colour of its bottom-left pixel replaced by
// `brush`.
void LumoDrawTransparent(QImage &image, QPoint at, const QImage &cell, QRgb brush);

// The disabled form: the cell's ink (pixels that are neither its transparent
// colour nor light) drawn at `at` + (1, 1) in `highlight`, then at `at` in
// `shadow`; other pixels are left as they are.
void LumoDrawDisabled(QImage &image, QPoint at, const QImage &cell, QRgb highlight, QRgb shadow);

// Whether a pixel of a glyph cell is ink in the disabled form.
bool LumoIsInk(QRgb pixel, QRgb transparent);

// Where the popup menu's top-left corner goes for a button whose top-left is
// at `screenTopLeft`.
QPoint LumoPopupPosition(TLumoButton::TPositionPopup position, QPoint screenTopLeft,
                         QSize button, QSize menu);

// Caption, modal result (0: none) and glyph resource names of a stock kind.
QString LumoKindCaption(TLumoButton::TKind kind);
int LumoKindModalResult(TLumoButton::TKind kind);
QString LumoKindGlyphPath(TLumoButton::TKind kind, bool hot);

// The accelerator character of a caption ("&Yes" -> 'y', lower case), or a null
// character; "&&" is a literal ampersand.
QChar LumoAccelerator(const QString &caption);

// 16-bit PCM data of a RIFF wave file and its format; empty on a malformed file.
struct WaveSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    QByteArray samples;
};
WaveSound ParseWave(const QByteArray &file);

// Plays the entry sound to the end; returns at once without an output device.
void PlayEntrySound();

// The hand cursor shown over picture buttons.
QCursor LumoHandCursor();

} // namespace cx
