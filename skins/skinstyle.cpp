#include "skins/skinstyle.h"

#include "skins/archive.h"
#include "skins/description.h"
#include "text/gbk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <qdrawutil.h>

namespace cx::skins {
namespace {

// The description section each element is read from.
constexpr const char *kSections[SkinTheme::KindCount] = {
    "Buttons",        "CheckBox",   "RadioButton",     "Edit",            "GroupBox",   "Progress",
    "Progress.Chunk", "Tabs",       "Tab.Pane",        "ComboButton",     "StatusBarEdges", "Headerbar",
    "Scrollbar",      "HorzScrollThumb", "VertScrollThumb", "HorzScroll", "VertScroll", "MenuBackground",
    "MenuItem",       "MenuBar",    "ExtraImages",
};

// Frames of the state strips.
enum State { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3, Default = 4 };
constexpr int kArrowUp = 0, kArrowDown = 1, kArrowLeft = 2, kArrowRight = 3; // scroll arrow rows of 4 states
constexpr int kCheckedOffset = 4;  // check and radio boxes: 4 unchecked states, then 4 checked
constexpr int kGlyphDownArrow = 3; // in ExtraImages

SkinPiece readPiece(const SkinArchive &archive, const SkinDescription &d, const char *section)
{
    SkinPiece piece;
    QByteArray image = d.value(section, "Image");
    if (image.isEmpty())
        image = d.value(section, "Bitmap");
    QImage bitmap = archive.bitmap(image);
    if (bitmap.isNull())
        return piece;
    if (d.number(section, "Trans", 0) != 0) {
        bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < bitmap.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
            for (int x = 0; x < bitmap.width(); ++x)
                if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                    line[x] = 0;
        }
    }
    piece.frames = qBound(1, d.number(section, "Frame", 1), qMax(1, bitmap.width()));
    piece.margins = QMargins(qMax(0, d.number(section, "LeftWidth", 0)), qMax(0, d.number(section, "TopHeight", 0)),
                             qMax(0, d.number(section, "Rightwidth", 0)),
                             qMax(0, d.number(section, "BottomHeight", 0)));
    piece.tile = d.number(section, "Tile", 0) != 0;
    piece.pixmap = QPixmap::fromImage(bitmap);
    return piece;
}

QColor mixed(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

QPalette readPalette(const SkinDescription &d, const QPalette &base)
{
    auto c = [&](const char *key, QPalette::ColorRole fallback) {
        return d.colour("Colours", key, base.color(QPalette::Active, fallback));
    };
    const QColor form = c("Form", QPalette::Window), face = c("ButtonFace", QPalette::Button),
                 light = c("ButtonHighlight", QPalette::Light), shadow = c("ButtonShadow", QPalette::Dark),
                 dark = c("ButtonDark", QPalette::Shadow), windowText = c("WindowText", QPalette::WindowText),
                 buttonText = c("ButtonText", QPalette::ButtonText), text = c("Text", QPalette::Text),
                 window = c("Window", QPalette::Base), highlight = c("Highlight", QPalette::Highlight),
                 highlightText = c("HighlightText", QPalette::HighlightedText);
    QPalette p(buttonText, face, light, shadow, mixed(face, shadow), text, highlightText, window, form);
    p.setColor(QPalette::WindowText, windowText);
    p.setColor(QPalette::Midlight, mixed(face, light));
    p.setColor(QPalette::Shadow, dark);
    p.setColor(QPalette::AlternateBase, mixed(window, form));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, highlightText);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, shadow);
    p.setColor(QPalette::Link, highlight);
    // Disabled text halfway to its background stays legible on dark skins too.
    p.setColor(QPalette::Disabled, QPalette::WindowText, mixed(windowText, form));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, mixed(buttonText, face));
    p.setColor(QPalette::Disabled, QPalette::Text, mixed(text, window));
    p.setColor(QPalette::Disabled, QPalette::Base, form);
    return p;
}

int buttonState(const QStyleOption *opt, bool pressed)
{
    if (!(opt->state & QStyle::State_Enabled))
        return Disabled;
    if (pressed)
        return Pressed;
    if (opt->state & QStyle::State_MouseOver)
        return Hot;
    return Normal;
}

// Margins scaled down to fit when the target is smaller than they are.
QMargins fitted(QMargins m, QSize size)
{
    if (m.left() + m.right() > size.width()) {
        const int sum = m.left() + m.right();
        m.setLeft(size.width() * m.left() / sum);
        m.setRight(size.width() - m.left());
    }
    if (m.top() + m.bottom() > size.height()) {
        const int sum = m.top() + m.bottom();
        m.setTop(size.height() * m.top() / sum);
        m.setBottom(size.height() - m.top());
    }
    return m;
}

} // namespace

bool isUnskinned(const QWidget *widget)
{
    return widget && widget->property("tag").toInt() == kUnskinnedTag;
}

QRect SkinPiece::frameRect(int frame) const
{
    const int w = pixmap.width() / frames;
    return QRect(qBound(0, frame, frames - 1) * w, 0, w, pixmap.height());
}

void drawPiece(QPainter *painter, const QRect &target, const SkinPiece &piece, int frame)
{
    if (piece.isNull() || target.isEmpty())
        return;
    const QRect source = piece.frameRect(frame);
    const QMargins sourceMargins = fitted(piece.margins, source.size());
    const QMargins targetMargins = fitted(sourceMargins, target.size());
    const QTileRules rules(piece.tile ? Qt::RepeatTile : Qt::StretchTile);
    qDrawBorderPixmap(painter, target, targetMargins, piece.pixmap, source, sourceMargins, rules);
}

std::shared_ptr<const SkinTheme> SkinTheme::fromSkinFile(QByteArrayView skinFile, QString *error)
{
    SkinArchive archive;
    if (!archive.load(skinFile, error))
        return nullptr;
    if (!archive.findContaining(".ini")) {
        if (error)
            *error = QStringLiteral("The skin file holds no skin description (no entry named *.ini)");
        return nullptr;
    }
    return fromArchive(archive, skinFile.toByteArray());
}

std::shared_ptr<const SkinTheme> SkinTheme::fromArchive(const SkinArchive &archive, QByteArray rawFile)
{
    auto theme = std::make_shared<SkinTheme>();
    const auto ini = archive.findContaining(".ini");
    const SkinDescription d(ini ? ini->content : QByteArray());
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    theme->palette = readPalette(d, fusion->standardPalette());
    theme->name = cx::text::fromGbk(d.value("TitlebarSkin", "SkinName").toStdString());
    for (int k = 0; k < KindCount; ++k)
        theme->pieces[k] = readPiece(archive, d, kSections[k]);
    theme->rawFile = std::move(rawFile);
    return theme;
}

SkinStyle::SkinStyle(std::shared_ptr<const SkinTheme> theme)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_theme(std::move(theme))
{
}

QPalette SkinStyle::standardPalette() const
{
    return m_theme->palette;
}

void SkinStyle::polish(QPalette &palette)
{
    palette = m_theme->palette;
}

void SkinStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (isUnskinned(widget))
        widget->setPalette(baseStyle()->standardPalette());
    else if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QScrollBar *>(widget) ||
             qobject_cast<QComboBox *>(widget) || qobject_cast<QTabBar *>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

void SkinStyle::drawPrimitive(PrimitiveElement pe, const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    if (isUnskinned(w))
        return baseStyle()->drawPrimitive(pe, opt, p, w);
    const SkinTheme &t = *m_theme;
    switch (pe) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_PanelButtonTool:
        if (t.has(SkinTheme::Buttons)) {
            int frame = buttonState(opt, opt->state & (State_Sunken | State_On));
            const auto *b = qstyleoption_cast<const QStyleOptionButton *>(opt);
            if (frame == Normal && pe == PE_PanelButtonCommand &&
                ((b && (b->features & QStyleOptionButton::DefaultButton)) || (opt->state & State_HasFocus)))
                frame = Default;
            drawPiece(p, opt->rect, t.piece(SkinTheme::Buttons), frame);
            return;
        }
        break;
    case PE_FrameDefaultButton:
        if (t.has(SkinTheme::Buttons))
            return;
        break;
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton: {
        const SkinTheme::Kind kind = pe == PE_IndicatorCheckBox ? SkinTheme::CheckBox : SkinTheme::RadioButton;
        if (t.has(kind)) {
            const int checked = opt->state & (State_On | State_NoChange) ? kCheckedOffset : 0;
            drawPiece(p, opt->rect, t.piece(kind), checked + buttonState(opt, opt->state & State_Sunken));
            return;
        }
        break;
    }
    case PE_PanelLineEdit: {
        const auto *f = qstyleoption_cast<const QStyleOptionFrame *>(opt);
        if (t.has(SkinTheme::Edit) && f && f->lineWidth > 0) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::Edit), opt->state & State_HasFocus ? 1 : 0);
            return;
        }
        break;
    }
    case PE_FrameLineEdit:
        if (t.has(SkinTheme::Edit)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::Edit), opt->state & State_HasFocus ? 1 : 0);
            return;
        }
        break;
    case PE_FrameGroupBox:
        if (t.has(SkinTheme::GroupBox)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::GroupBox), 0);
            return;
        }
        break;
    case PE_FrameTabWidget:
        if (t.has(SkinTheme::TabPane)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::TabPane), 0);
            return;
        }
        break;
    case PE_PanelMenu:
        if (t.has(SkinTheme::MenuBackground)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::MenuBackground), 0);
            return;
        }
        break;
    case PE_FrameMenu:
        if (t.has(SkinTheme::MenuBackground))
            return; // the background bitmap carries the border
        break;
    case PE_PanelMenuBar:
    case PE_PanelToolBar:
        if (t.has(SkinTheme::MenuBar)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::MenuBar), 0);
            return;
        }
        break;
    case PE_PanelStatusBar:
        if (t.has(SkinTheme::StatusBar)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::StatusBar), 0);
            return;
        }
        break;
    case PE_FrameStatusBarItem:
        if (t.has(SkinTheme::StatusBar))
            return;
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(pe, opt, p, w);
}

void SkinStyle::drawControl(ControlElement ce, const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    if (isUnskinned(w))
        return baseStyle()->drawControl(ce, opt, p, w);
    const SkinTheme &t = *m_theme;
    switch (ce) {
    case CE_PushButtonBevel:
        if (t.has(SkinTheme::Buttons)) {
            proxy()->drawPrimitive(PE_PanelButtonCommand, opt, p, w);
            return;
        }
        break;
    case CE_ProgressBarGroove:
        if (t.has(SkinTheme::Progress)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::Progress), 0);
            return;
        }
        break;
    case CE_ProgressBarContents: {
        const auto *pb = qstyleoption_cast<const QStyleOptionProgressBar *>(opt);
        if (!pb || !t.has(SkinTheme::ProgressChunk) || pb->maximum <= pb->minimum)
            break; // a busy bar (no range) keeps the base style's animation
        const double fraction = qBound(0.0, double(pb->progress - pb->minimum) / (pb->maximum - pb->minimum), 1.0);
        const QRect inner = opt->rect.adjusted(2, 2, -2, -2);
        const bool horizontal = pb->state & State_Horizontal;
        QRect filled = inner;
        if (horizontal) {
            const int width = int(inner.width() * fraction + 0.5);
            const bool fromRight = pb->invertedAppearance != (pb->direction == Qt::RightToLeft);
            filled.setWidth(width);
            if (fromRight)
                filled.moveRight(inner.right());
        } else {
            const int height = int(inner.height() * fraction + 0.5);
            filled.setHeight(height);
            if (!pb->invertedAppearance)
                filled.moveBottom(inner.bottom());
        }
        drawPiece(p, filled, t.piece(SkinTheme::ProgressChunk), 0);
        return;
    }
    case CE_TabBarTabShape: {
        const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(opt);
        if (tab && t.has(SkinTheme::Tabs) &&
            (tab->shape == QTabBar::RoundedNorth || tab->shape == QTabBar::TriangularNorth)) {
            const int frame = tab->state & State_Selected ? 2 : tab->state & State_MouseOver ? 1 : 0;
            drawPiece(p, opt->rect, t.piece(SkinTheme::Tabs), frame);
            return;
        }
        break;
    }
    case CE_HeaderSection:
        if (t.has(SkinTheme::Header)) {
            const int frame = opt->state & State_Sunken ? 2 : opt->state & State_MouseOver ? 1 : 0;
            drawPiece(p, opt->rect, t.piece(SkinTheme::Header), frame);
            return;
        }
        break;
    case CE_HeaderEmptyArea:
        if (t.has(SkinTheme::Header)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::Header), 0);
            return;
        }
        break;
    case CE_MenuItem:
        if (drawMenuItem(opt, p, w))
            return;
        break;
    case CE_MenuBarItem:
        if (drawMenuBarItem(opt, p, w))
            return;
        break;
    case CE_MenuBarEmptyArea:
    case CE_ToolBar:
        if (t.has(SkinTheme::MenuBar)) {
            drawPiece(p, opt->rect, t.piece(SkinTheme::MenuBar), 0);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(ce, opt, p, w);
}

bool SkinStyle::drawMenuItem(const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    const auto *mi = qstyleoption_cast<const QStyleOptionMenuItem *>(opt);
    const bool selected = (opt->state & State_Selected) && (opt->state & State_Enabled);
    if (!mi || !selected || mi->menuItemType == QStyleOptionMenuItem::Separator || !m_theme->has(SkinTheme::MenuItem))
        return false;
    drawPiece(p, mi->rect, m_theme->piece(SkinTheme::MenuItem), 0);
    // The base style draws the check, icon, text and arrow over a highlight
    // made invisible, so only the skin's bitmap shows behind them.
    QStyleOptionMenuItem item = *mi;
    item.palette.setBrush(QPalette::Highlight, Qt::transparent);
    QProxyStyle::drawControl(CE_MenuItem, &item, p, w);
    return true;
}

bool SkinStyle::drawMenuBarItem(const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    const auto *mi = qstyleoption_cast<const QStyleOptionMenuItem *>(opt);
    if (!mi || !m_theme->has(SkinTheme::MenuBar))
        return false;
    p->save();
    p->setClipRect(mi->rect, Qt::IntersectClip);
    // The bar's bitmap is laid over the whole bar, so items join seamlessly.
    drawPiece(p, mi->menuRect.isValid() ? mi->menuRect : mi->rect, m_theme->piece(SkinTheme::MenuBar), 0);
    p->restore();
    const bool enabled = mi->state & State_Enabled;
    const bool selected = enabled && (mi->state & State_Selected) && m_theme->has(SkinTheme::MenuItem);
    if (selected)
        drawPiece(p, mi->rect, m_theme->piece(SkinTheme::MenuItem), 0);
    int align = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, mi, w))
        align |= Qt::TextHideMnemonic;
    proxy()->drawItemText(p, mi->rect, align, mi->palette, enabled, mi->text,
                          selected ? QPalette::HighlightedText : QPalette::ButtonText);
    return true;
}

void SkinStyle::drawComplexControl(ComplexControl cc, const QStyleOptionComplex *opt, QPainter *p,
                                   const QWidget *w) const
{
    if (isUnskinned(w))
        return baseStyle()->drawComplexControl(cc, opt, p, w);
    if (cc == CC_ScrollBar && drawScrollBar(opt, p, w))
        return;
    if (cc == CC_ComboBox && drawComboBox(opt, p, w))
        return;
    QProxyStyle::drawComplexControl(cc, opt, p, w);
}

bool SkinStyle::drawScrollBar(const QStyleOptionComplex *opt, QPainter *p, const QWidget *w) const
{
    const auto *sb = qstyleoption_cast<const QStyleOptionSlider *>(opt);
    const SkinTheme &t = *m_theme;
    if (!sb || !t.has(SkinTheme::ScrollArrows))
        return false;
    const bool horizontal = sb->orientation == Qt::Horizontal;
    const bool enabled = (sb->state & State_Enabled) && sb->maximum > sb->minimum;
    const SkinPiece &track = t.piece(horizontal ? SkinTheme::HorzTrack : SkinTheme::VertTrack);
    if (!track.isNull())
        drawPiece(p, sb->rect, track, 0);
    else
        p->fillRect(sb->rect, sb->palette.button());

    auto partState = [&](SubControl sc) {
        if (!enabled)
            return int(Disabled);
        if (!(sb->activeSubControls & sc))
            return int(Normal);
        if (sb->state & State_Sunken)
            return int(Pressed);
        return sb->state & State_MouseOver ? int(Hot) : int(Normal);
    };
    const bool rtl = horizontal && sb->direction == Qt::RightToLeft;
    const int subArrow = horizontal ? (rtl ? kArrowRight : kArrowLeft) : kArrowUp;
    const int addArrow = horizontal ? (rtl ? kArrowLeft : kArrowRight) : kArrowDown;
    const QRect sub = proxy()->subControlRect(CC_ScrollBar, sb, SC_ScrollBarSubLine, w);
    const QRect add = proxy()->subControlRect(CC_ScrollBar, sb, SC_ScrollBarAddLine, w);
    drawPiece(p, sub, t.piece(SkinTheme::ScrollArrows), subArrow * 4 + partState(SC_ScrollBarSubLine));
    drawPiece(p, add, t.piece(SkinTheme::ScrollArrows), addArrow * 4 + partState(SC_ScrollBarAddLine));

    const SkinPiece &thumb = t.piece(horizontal ? SkinTheme::HorzThumb : SkinTheme::VertThumb);
    if (enabled && !thumb.isNull()) {
        const QRect slider = proxy()->subControlRect(CC_ScrollBar, sb, SC_ScrollBarSlider, w);
        drawPiece(p, slider, thumb, qMin(partState(SC_ScrollBarSlider), int(Pressed)));
    }
    return true;
}

bool SkinStyle::drawComboBox(const QStyleOptionComplex *opt, QPainter *p, const QWidget *w) const
{
    const auto *cb = qstyleoption_cast<const QStyleOptionComboBox *>(opt);
    const SkinTheme &t = *m_theme;
    if (!cb || !t.has(SkinTheme::ComboButton) || !t.has(SkinTheme::Edit) || !t.has(SkinTheme::Buttons))
        return false;
    const int state = buttonState(cb, cb->state & State_Sunken);
    // An editable box looks like an edit; a drop-down list like a button, so
    // its text (drawn in the button text colour) stays readable.
    if (cb->frame) {
        if (cb->editable)
            drawPiece(p, cb->rect, t.piece(SkinTheme::Edit), cb->state & State_HasFocus ? 1 : 0);
        else
            drawPiece(p, cb->rect, t.piece(SkinTheme::Buttons), state);
    }
    const QRect arrow = proxy()->subControlRect(CC_ComboBox, cb, SC_ComboBoxArrow, w);
    drawPiece(p, arrow, t.piece(SkinTheme::ComboButton), state);
    if (t.has(SkinTheme::ExtraImages)) {
        const SkinPiece &glyphs = t.piece(SkinTheme::ExtraImages);
        const QRect source = glyphs.frameRect(kGlyphDownArrow);
        QRect glyph(QPoint(), source.size());
        glyph.moveCenter(arrow.center());
        p->drawPixmap(glyph, glyphs.pixmap, source);
    } else {
        QStyleOption o = *cb;
        o.rect = arrow;
        proxy()->drawPrimitive(PE_IndicatorArrowDown, &o, p, w);
    }
    if (!cb->editable && (cb->state & State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*cb);
        focus.rect = proxy()->subControlRect(CC_ComboBox, cb, SC_ComboBoxEditField, w).adjusted(-1, 0, 1, 0);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, p, w);
    }
    return true;
}

int SkinStyle::pixelMetric(PixelMetric m, const QStyleOption *opt, const QWidget *w) const
{
    if (isUnskinned(w))
        return baseStyle()->pixelMetric(m, opt, w);
    const SkinTheme &t = *m_theme;
    auto frameSize = [&](SkinTheme::Kind k) { return t.piece(k).frameRect(0).size(); };
    switch (m) {
    case PM_ScrollBarExtent:
        if (t.has(SkinTheme::ScrollArrows))
            return frameSize(SkinTheme::ScrollArrows).width();
        break;
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        if (t.has(SkinTheme::CheckBox))
            return m == PM_IndicatorWidth ? frameSize(SkinTheme::CheckBox).width() : frameSize(SkinTheme::CheckBox).height();
        break;
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        if (t.has(SkinTheme::RadioButton))
            return m == PM_ExclusiveIndicatorWidth ? frameSize(SkinTheme::RadioButton).width()
                                                   : frameSize(SkinTheme::RadioButton).height();
        break;
    case PM_MenuPanelWidth:
        if (t.has(SkinTheme::MenuBackground))
            return qMax(1, t.piece(SkinTheme::MenuBackground).margins.left());
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(m, opt, w);
}

} // namespace cx::skins
