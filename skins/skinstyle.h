#pragma once
// The skin engine's style: a QProxyStyle over Fusion that draws the standard
// controls from a skin's bitmaps and colours. Widgets whose "tag" property is
// 99 are drawn by the base style with its own palette, as if no skin were on.

#include <QByteArray>
#include <QMargins>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <array>
#include <memory>

namespace cx::skins {

class SkinArchive;
class SkinDescription;

inline constexpr int kUnskinnedTag = 99;
bool isUnskinned(const QWidget *widget);

// One skinned element: its bitmap holds `frames` states side by side; the
// margins are kept at their size when the centre is stretched (or tiled).
struct SkinPiece {
    QPixmap pixmap;
    int frames = 1;
    QMargins margins;
    bool tile = false;

    bool isNull() const { return pixmap.isNull(); }
    QRect frameRect(int frame) const;
};

// Draws state `frame` of `piece` over `target`.
void drawPiece(QPainter *painter, const QRect &target, const SkinPiece &piece, int frame);

// Everything the style needs from one skin file, built once per switch.
class SkinTheme
{
public:
    enum Kind {
        Buttons, CheckBox, RadioButton, Edit, GroupBox, Progress, ProgressChunk, Tabs, TabPane, ComboButton,
        StatusBar, Header, ScrollArrows, HorzThumb, VertThumb, HorzTrack, VertTrack, MenuBackground, MenuItem,
        MenuBar, ExtraImages, KindCount
    };

    // Null with `error` set when the file cannot be read as a skin.
    static std::shared_ptr<const SkinTheme> fromSkinFile(QByteArrayView skinFile, QString *error = nullptr);
    static std::shared_ptr<const SkinTheme> fromArchive(const SkinArchive &archive, QByteArray rawFile);

    QString name;          // SkinName of [TitlebarSkin]
    QPalette palette;      // from [Colours]
    QByteArray rawFile;    // the skin file this theme was built from
    std::array<SkinPiece, KindCount> pieces;

    const SkinPiece &piece(Kind k) const { return pieces[k]; }
    bool has(Kind k) const { return !pieces[k].isNull(); }
};

class SkinStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit SkinStyle(std::shared_ptr<const SkinTheme> theme);

    const SkinTheme &theme() const { return *m_theme; }
    std::shared_ptr<const SkinTheme> sharedTheme() const { return m_theme; }

    QPalette standardPalette() const override;
    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    void polish(QApplication *app) override { QProxyStyle::polish(app); }

    void drawPrimitive(PrimitiveElement pe, const QStyleOption *opt, QPainter *p, const QWidget *w) const override;
    void drawControl(ControlElement ce, const QStyleOption *opt, QPainter *p, const QWidget *w) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex *opt, QPainter *p,
                            const QWidget *w) const override;
    int pixelMetric(PixelMetric m, const QStyleOption *opt, const QWidget *w) const override;

private:
    bool drawScrollBar(const QStyleOptionComplex *opt, QPainter *p, const QWidget *w) const;
    bool drawComboBox(const QStyleOptionComplex *opt, QPainter *p, const QWidget *w) const;
    bool drawMenuItem(const QStyleOption *opt, QPainter *p, const QWidget *w) const;
    bool drawMenuBarItem(const QStyleOption *opt, QPainter *p, const QWidget *w) const;

    std::shared_ptr<const SkinTheme> m_theme;
};

} // namespace cx::skins
