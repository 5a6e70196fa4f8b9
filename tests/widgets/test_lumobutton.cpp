#include "widgets/lumobutton.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using cx::TLumoButton;
using State = TLumoButton::DrawState;

// Rectangles written as left, top, right, bottom with right and bottom exclusive.
QRect Ltrb(int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); }

const QColor kBrush(0xE0, 0xE0, 0xE0); // grey: blends of black stay grey
const QColor kFace(0xC8, 0xC8, 0xC8);
const QColor kLight(0xFF, 0xFF, 0xF0);
const QColor kDark(0x60, 0x60, 0x60);
const QColor kText(0x00, 0x00, 0x00);
const QColor kInk(0xC0, 0x00, 0x00);    // normal glyph
const QColor kHotInk(0x00, 0xA0, 0x00); // hot glyph
const QColor kMagenta(0xFF, 0x00, 0xFF);

// A glyph of `cells` cells of w x h: each cell ink with a left column and a
// bottom row of the transparent colour (taken from the bottom-left pixel).
QImage Glyph(int w, int h, const std::vector<QColor> &cells)
{
    QImage image(w * int(cells.size()), h, QImage::Format_RGB32);
    for (int c = 0; c < int(cells.size()); ++c)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(c * w + x, y,
                               (x == 0 || y == h - 1 ? kMagenta : cells[size_t(c)]).rgb());
    return image;
}

void SetPalette(QWidget &w)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Button, kFace);
    p.setColor(QPalette::Light, kLight);
    p.setColor(QPalette::Dark, kDark);
    p.setColor(QPalette::WindowText, kText);
    w.setPalette(p);
}

void Mouse(QWidget &w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Enter(QWidget &w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&w, &e);
}

void Leave(QWidget &w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

QColor At(const QImage &image, QPoint p) { return QColor(image.pixel(p)); }

// Bounding box of the caption's pixels: whatever differs from the brush in
// `band`, a region holding only caption and background.
QRect InkBounds(const QImage &image, const QRect &band)
{
    QRect box;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (QColor(image.pixel(x, y)) != kBrush)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether every caption pixel in `band` leans to blue (hot) or is grey (font).
bool InkIsBlue(const QImage &image, const QRect &band)
{
    bool any = false;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c == kBrush)
                continue;
            any = true;
            if (c.blue() <= c.red())
                return false;
        }
    return any;
}

// The toolbar button of the main window: 64 x 60, flat, glyph above the
// caption, spacing 5, a 31 x 32 glyph and its hot form. The font and caption
// are chosen so that the caption measures 52 (or 53) x 13 as in the worked
// example; the same halvings give the same rectangles for both widths.
struct Toolbar {
    QWidget window;
    TLumoButton *button = new TLumoButton(&window);

    Toolbar()
    {
        SetPalette(*button);
        button->resize(64, 60);
        button->setColor(kBrush);
        button->setLayout(TLumoButton::blGlyphTop);
        button->setSpacing(5);
        button->setSpacingLayout(3);
        button->setGlyph(Glyph(31, 32, {kInk}));
        button->setGlyphHot(Glyph(31, 32, {kHotInk}));
        QFont font = button->font();
        for (int px = 8; px <= 24; ++px) {
            font.setPixelSize(px);
            if (QFontMetrics(font).height() == 13)
                break;
        }
        button->setFont(font);
        const QFontMetrics metrics(font);
        for (int i = 0; i < 16 && caption.isEmpty(); ++i)
            for (int j = 0; j < 30; ++j) {
                const QString text = QString(i, u'W') + QString(j, u'i');
                const int w = metrics.horizontalAdvance(text);
                if (w == 52 || w == 53) {
                    caption = text;
                    break;
                }
            }
        button->setCaption(caption);
    }
    QString caption;
};

TEST(LumoButton, ConstructorDefaults)
{
    TLumoButton b;
    EXPECT_EQ(b.size(), QSize(75, 25));
    const std::pair<const char *, QVariant> expected[] = {
        {"RepeatAction", false},       {"RepeatInterval", 50},     {"RepeatStartInterval", 50},
        {"ShowFocused", true},         {"CursorHandCustom", true}, {"PopupMenuMark", false},
        {"PopupMenuMarkGap", 5},       {"PlayMusic", false},       {"HotTrack", true},
        {"Spacing", 4},                {"SpacingLayout", 3},       {"NumGlyphs", 2},
        {"NumGlyphsHot", 2},           {"Cancel", false},          {"Default", false},
        {"HintSecondLine", QString()}, {"ParentColor", true},      {"Caption", QString()},
        {"HotTrackColor", QColor(0, 0, 255)},
        {"ColorMarginLeftTop", b.palette().color(QPalette::Light)},
        {"ColorMarginRightBottom", b.palette().color(QPalette::Dark)},
    };
    for (const auto &[name, value] : expected)
        EXPECT_EQ(b.property(name), value) << name;
    EXPECT_EQ(b.buttonKind(), TLumoButton::skCustom);
    EXPECT_EQ(b.colorMarginStyle(), TLumoButton::cmDefault);
    EXPECT_EQ(b.positionPopup(), TLumoButton::puDown);
    EXPECT_EQ(b.layout(), TLumoButton::blGlyphLeft);
    EXPECT_EQ(b.buttonStyle(), TLumoButton::stFlat);
    EXPECT_TRUE(b.glyph().isNull());
    EXPECT_EQ(b.popupMenu(), nullptr);
    const QString version = b.version();
    EXPECT_FALSE(version.isEmpty());
    b.setProperty("Version", "changed");
    EXPECT_EQ(b.version(), version);
    // Out-of-range values of the small ranges are refused.
    b.setSpacing(6);
    b.setSpacingLayout(-6);
    b.setNumGlyphs(5);
    b.setPopupMenuMarkGap(0);
    EXPECT_EQ(b.spacing(), 4);
    EXPECT_EQ(b.spacingLayout(), 3);
    EXPECT_EQ(b.numGlyphs(), 2);
    EXPECT_EQ(b.popupMenuMarkGap(), 5);
}

TEST(LumoButton, GlyphAndCaptionPlacement)
{
    using L = TLumoButton::TLayout;
    struct Case {
        const char *what;
        L layout;
        QRect r;
        QSize cell, text;
        bool captionEmpty, glyphEmpty, popupMark;
        int spacingLayout, spacing, d;
        QRect g, t;
    };
    const QSize noText(0, 0);
    const Case cases[] = {
        {"toolbar normal", L::blGlyphTop, Ltrb(0, 0, 64, 60), {31, 32}, {52, 13}, false, false, false,
         3, 5, 0, Ltrb(16, 5, 47, 37), Ltrb(5, 42, 57, 55)},
        {"toolbar hot", L::blGlyphTop, Ltrb(1, 1, 63, 59), {31, 32}, {52, 13}, false, false, false,
         3, 5, 0, Ltrb(16, 5, 47, 37), Ltrb(5, 42, 57, 55)},
        {"toolbar pressed", L::blGlyphTop, Ltrb(1, 1, 63, 59), {31, 32}, {52, 13}, false, false,
         false, 3, 5, 1, Ltrb(17, 6, 48, 38), Ltrb(6, 43, 58, 56)},
        {"glyph left", L::blGlyphLeft, Ltrb(0, 0, 81, 33), {20, 20}, {32, 16}, false, false, false,
         3, 4, 0, Ltrb(11, 6, 31, 26), Ltrb(35, 8, 67, 24)},
        {"glyph right", L::blGlyphRight, Ltrb(0, 0, 81, 33), {20, 20}, {32, 16}, false, false,
         false, 3, 4, 0, Ltrb(49, 6, 69, 26), Ltrb(13, 8, 45, 24)},
        {"glyph bottom", L::blGlyphBottom, Ltrb(0, 0, 64, 60), {31, 32}, {52, 13}, false, false,
         false, 3, 5, 0, Ltrb(16, 23, 47, 55), Ltrb(5, 4, 57, 17)},
        // Halvings truncate toward zero: (20 - 47) div 2 is -13, not -14.
        {"caption wider than the button", L::blGlyphLeft, Ltrb(0, 0, 20, 20), {16, 16}, {31, 13},
         false, false, false, 0, 1, 0, Ltrb(-13, 2, 3, 18), Ltrb(4, 3, 35, 16)},
        {"caption-less glyph centred", L::blGlyphLeft, Ltrb(0, 0, 33, 33), {24, 24}, noText, true,
         false, false, 3, 4, 1, Ltrb(5, 5, 29, 29), QRect()},
        {"caption-less glyph with arrow mark", L::blGlyphTop, Ltrb(0, 0, 33, 33), {24, 24}, noText,
         true, false, true, 3, 4, 0, Ltrb(-1, 4, 23, 28), QRect()},
        {"glyph-less caption centred", L::blGlyphLeft, Ltrb(0, 0, 75, 25), {0, 0}, {52, 13}, false,
         true, false, 3, 4, 0, QRect(), Ltrb(11, 6, 63, 19)},
        {"glyph-less caption pressed", L::blGlyphLeft, Ltrb(0, 0, 75, 25), {0, 0}, {52, 13}, false,
         true, false, 3, 4, 1, QRect(), Ltrb(12, 7, 64, 20)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QRect g;
        if (!c.glyphEmpty) {
            g = cx::LumoGlyphRect(c.layout, c.r, c.cell, c.text, c.captionEmpty, c.spacingLayout,
                                  c.popupMark, c.d);
            EXPECT_EQ(g, c.g);
        }
        if (!c.captionEmpty) {
            EXPECT_EQ(cx::LumoCaptionRect(c.layout, c.r, c.glyphEmpty, g, c.text, c.spacing, c.d),
                      c.t);
        }
    }
}

// The worked example on a real button: enter, press, release inside, leave.
TEST(LumoButton, ToolbarButtonNormalHotPressed)
{
    Toolbar tb;
    ASSERT_FALSE(tb.caption.isEmpty()) << "no caption of width 52 at height 13 in this font";
    TLumoButton &b = *tb.button;
    QSignalSpy clicks(&b, &TLumoButton::clicked);
    QRect glyphDuringClick;
    QObject::connect(&b, &TLumoButton::clicked, [&] { glyphDuringClick = b.glyphRect(); });

    struct Step {
        const char *what;
        std::function<void()> act;
        QRect r, g, t;
        QColor topLeft, bottomRight, glyph;
        bool blueCaption;
        int clicks;
    };
    const Step steps[] = {
        {"normal (repaint)", [&] { b.grab(); }, Ltrb(0, 0, 64, 60), Ltrb(16, 5, 47, 37),
         Ltrb(5, 42, 57, 55), kBrush, kBrush, kInk, false, 0},
        {"hot (enter)", [&] { Enter(b); }, Ltrb(1, 1, 63, 59), Ltrb(16, 5, 47, 37),
         Ltrb(5, 42, 57, 55), kLight, kDark, kHotInk, true, 0},
        {"pressed", [&] { Mouse(b, QEvent::MouseButtonPress, {30, 30}); }, Ltrb(1, 1, 63, 59),
         Ltrb(17, 6, 48, 38), Ltrb(6, 43, 58, 56), kDark, kLight, kHotInk, true, 0},
        {"released inside: click, then hot", [&] { Mouse(b, QEvent::MouseButtonRelease, {30, 30}); },
         Ltrb(1, 1, 63, 59), Ltrb(16, 5, 47, 37), Ltrb(5, 42, 57, 55), kLight, kDark, kHotInk, true,
         1},
        {"normal (leave)", [&] { Leave(b); }, Ltrb(0, 0, 64, 60), Ltrb(16, 5, 47, 37),
         Ltrb(5, 42, 57, 55), kBrush, kBrush, kInk, false, 1},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        const QImage &img = b.surface();
        EXPECT_EQ(b.workRect(), s.r);
        EXPECT_EQ(b.glyphRect(), s.g);
        EXPECT_EQ(b.captionRect(), s.t);
        // Frame: top row and left column, then right column and bottom row.
        EXPECT_EQ(At(img, {0, 0}), s.topLeft);
        EXPECT_EQ(At(img, {0, 58}), s.topLeft);
        EXPECT_EQ(At(img, {62, 0}), s.topLeft);
        EXPECT_EQ(At(img, {63, 0}), s.bottomRight);
        EXPECT_EQ(At(img, {0, 59}), s.bottomRight);
        EXPECT_EQ(At(img, {63, 59}), s.bottomRight);
        // The glyph's transparent left column and bottom row show the brush.
        const QRect g = s.g;
        EXPECT_EQ(At(img, {g.left() + 1, g.top()}), s.glyph);
        EXPECT_EQ(At(img, {g.right(), g.bottom() - 1}), s.glyph);
        EXPECT_EQ(At(img, {g.left(), g.top()}), kBrush);
        EXPECT_EQ(At(img, {g.left() + 1, g.bottom()}), kBrush);
        EXPECT_EQ(At(img, {g.left() - 1, g.top()}), kBrush);
        EXPECT_EQ(At(img, {g.right() + 1, g.top()}), kBrush);
        // Caption: inked only inside T, blue while hot or pressed.
        const QRect band = Ltrb(2, g.bottom() + 1, 62, 58);
        const QRect ink = InkBounds(img, band);
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_TRUE(s.t.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                       << ink.height();
        EXPECT_EQ(InkIsBlue(img, band), s.blueCaption);
        EXPECT_EQ(clicks.count(), s.clicks);
    }
    // OnClick ran while the button still showed the pressed look.
    EXPECT_EQ(glyphDuringClick, Ltrb(17, 6, 48, 38));
}

// Event sequences after the pointer entered: p press, m move, r release,
// d the second press of a double click, l Qt's leave; each at a point.
TEST(LumoButton, ClickSequences)
{
    enum class Look { Normal, Hot };
    struct Case {
        const char *what;
        std::vector<std::pair<char, QPoint>> events;
        int clicks;
        Look look;
    };
    const QPoint in(30, 30), out(80, 30), below(30, 90);
    const Case cases[] = {
        {"press, move out, release outside", {{'p', in}, {'m', out}, {'r', out}, {'l', in}}, 0,
         Look::Normal},
        {"press, release outside without a move", {{'p', in}, {'r', below}, {'l', in}}, 0,
         Look::Normal},
        {"press, move out and back, release inside", {{'p', in}, {'m', out}, {'m', in}, {'r', in}},
         1, Look::Hot},
        {"moving out and back while held shows hot", {{'p', in}, {'m', out}, {'m', in}}, 0,
         Look::Hot},
        {"double click: one click on each release of the first press and the second press",
         {{'p', in}, {'r', in}, {'d', in}, {'r', in}}, 2, Look::Hot},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Toolbar tb;
        TLumoButton &b = *tb.button;
        QSignalSpy clicks(&b, &TLumoButton::clicked);
        Enter(b);
        for (const auto &[kind, at] : c.events) {
            switch (kind) {
            case 'p': Mouse(b, QEvent::MouseButtonPress, at); break;
            case 'm': Mouse(b, QEvent::MouseMove, at); break;
            case 'r': Mouse(b, QEvent::MouseButtonRelease, at); break;
            case 'd': Mouse(b, QEvent::MouseButtonDblClick, at); break;
            case 'l': Leave(b); break;
            }
        }
        EXPECT_EQ(clicks.count(), c.clicks);
        const QImage &img = b.surface();
        switch (c.look) {
        case Look::Normal:
            EXPECT_EQ(b.workRect(), Ltrb(0, 0, 64, 60));
            EXPECT_EQ(b.glyphRect(), Ltrb(16, 5, 47, 37));
            EXPECT_EQ(At(img, {0, 0}), kBrush);
            EXPECT_EQ(At(img, {17, 6}), kInk); // the normal glyph
            break;
        case Look::Hot:
            EXPECT_EQ(b.glyphRect(), Ltrb(16, 5, 47, 37));
            EXPECT_EQ(At(img, {0, 0}), kLight);
            EXPECT_EQ(At(img, {17, 6}), kHotInk);
            break;
        }
    }
}

// The popup menu opens below the button on a press, which then shows the
// Normal look; the menu takes the release, so nothing clicks.
TEST(LumoButton, PopupMenuOnPress)
{
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    auto *b = new TLumoButton(&window);
    SetPalette(*b);
    b->setColor(kBrush);
    b->move(40, 30);
    QMenu menu;
    menu.addAction(QStringLiteral("one"));
    menu.addAction(QStringLiteral("two"));
    b->setPopupMenu(&menu);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPoint openedAt;
    QColor cornerWhileOpen;
    QTimer::singleShot(0, &menu, [&] {
        openedAt = menu.pos();
        cornerWhileOpen = At(b->surface(), {0, 0});
        menu.close();
    });
    QSignalSpy clicks(b, &TLumoButton::clicked);
    Enter(*b);
    Mouse(*b, QEvent::MouseButtonPress, {5, 5});
    const QPoint corner = b->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(openedAt, QPoint(corner.x() - 1, corner.y() + b->height()));
    EXPECT_EQ(cornerWhileOpen, kDark); // pressed while the menu is open
    EXPECT_EQ(At(b->surface(), {0, 0}), kBrush);
    Mouse(*b, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks.count(), 0);
    {
        QMenu *const dying = new QMenu;
        b->setPopupMenu(dying);
        delete dying;
        EXPECT_EQ(b->popupMenu(), nullptr);
    }
}

// stNone shows no frame in any state; the glyph follows the hot glyph rule.
TEST(LumoButton, HotGlyphRuleAndFramelessStyle)
{
    struct Case {
        const char *what;
        bool glyph, hot;
        QColor normal, hotLook; // glyph ink in Normal and in Hot; invalid: none drawn
    };
    const Case cases[] = {
        {"both glyphs", true, true, kInk, kHotInk},
        {"no hot glyph keeps the normal one", true, false, kInk, kInk},
        {"only a hot glyph draws none", false, true, QColor(), QColor()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TLumoButton b;
        SetPalette(b);
        b.setButtonStyle(TLumoButton::stNone);
        b.setColor(kBrush);
        b.resize(40, 40);
        if (c.glyph)
            b.setGlyph(Glyph(20, 20, {kInk}));
        if (c.hot)
            b.setGlyphHot(Glyph(20, 20, {kHotInk}));
        struct Look { std::function<void()> act; QColor ink; int shift; };
        const Look looks[] = {
            {[&] { b.grab(); }, c.normal, 0},
            {[&] { Enter(b); }, c.hotLook, 0},
            {[&] { Mouse(b, QEvent::MouseButtonPress, {5, 5}); }, c.hotLook, 1},
        };
        QImage blank(38, 38, QImage::Format_RGB32);
        blank.fill(kBrush);
        for (const Look &look : looks) {
            look.act();
            const QImage &img = b.surface();
            for (QPoint p : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39)})
                EXPECT_EQ(At(img, p), kBrush);
            if (!look.ink.isValid()) {
                EXPECT_TRUE(b.glyphRect().isNull());
                EXPECT_EQ(img.copy(1, 1, 38, 38), blank);
            } else {
                EXPECT_EQ(b.glyphRect(), QRect(10 + look.shift, 10 + look.shift, 20, 20));
                EXPECT_EQ(At(img, {11 + look.shift, 10 + look.shift}), look.ink);
            }
        }
    }
}

// Frame rings and edges of every style: pixels at the corners and just inside.
TEST(LumoButton, FrameOfEachStyle)
{
    using S = TLumoButton::TStyle;
    const QColor black(0, 0, 0);
    struct Expect { QColor outerTopLeft, outerBottomRight, inner; };
    struct Case {
        S style;
        QPoint inner; // a pixel just inside the outer ring
        Expect normal, hot, pressed;
    };
    const Case cases[] = {
        {S::stFlat, {1, 1}, {kBrush, kBrush, kBrush}, {kLight, kDark, kBrush}, {kDark, kLight, kBrush}},
        {S::stNone, {1, 1}, {kBrush, kBrush, kBrush}, {kBrush, kBrush, kBrush}, {kBrush, kBrush, kBrush}},
        {S::stRaised, {1, 1}, {kLight, kDark, kLight}, {kLight, kDark, kLight}, {kDark, kLight, kDark}},
        {S::stFlatDot, {1, 0}, {kBrush, kBrush, kBrush}, {kLight, kDark, kBrush}, {kDark, kLight, kBrush}},
        {S::stRaisedDot, {1, 1}, {kLight, kDark, kLight}, {kLight, kDark, kLight}, {kDark, kLight, kDark}},
        // Framed styles: the ring, then the raised (pressed: sunken) edge.
        {S::stDefault, {1, 1}, {kLight, black, kLight}, {kLight, black, kLight}, {black, kLight, kDark}},
        {S::stFrameLowered, {1, 1}, {kDark, kLight, kLight}, {kDark, kLight, kLight}, {kLight, kDark, kDark}},
        {S::stFrameRaised, {2, 2}, {kLight, kDark, kLight}, {kLight, kDark, kLight}, {kDark, kLight, kDark}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QMetaEnum::fromType<S>().valueToKey(c.style));
        TLumoButton b;
        SetPalette(b);
        b.setColor(kBrush);
        b.setButtonStyle(c.style);
        const bool framed = c.style == S::stDefault || c.style == S::stFrameLowered
                            || c.style == S::stFrameRaised;
        EXPECT_EQ(b.color(), framed ? kFace : kBrush);
        EXPECT_EQ(b.parentColor(), false);
        const std::pair<std::function<void()>, Expect> states[] = {
            {[&] { b.grab(); }, c.normal},
            {[&] { Enter(b); }, c.hot},
            {[&] { Mouse(b, QEvent::MouseButtonPress, {5, 5}); }, c.pressed},
        };
        for (const auto &[act, e] : states) {
            act();
            const QImage &img = b.surface();
            EXPECT_EQ(At(img, {0, 0}), e.outerTopLeft);
            EXPECT_EQ(At(img, {74, 24}), e.outerBottomRight);
            EXPECT_EQ(At(img, c.inner), e.inner);
            EXPECT_EQ(At(img, {37, 12}), framed ? kFace : kBrush);
        }
    }
}

TEST(LumoButton, GlyphAssignmentSetsNumGlyphs)
{
    struct Case { QSize size; int before, after; };
    const Case cases[] = {
        {{64, 16}, 2, 4}, {{96, 16}, 2, 1}, {{31, 32}, 2, 1}, {{30, 20}, 2, 1},
        {{48, 16}, 2, 3}, {{50, 20}, 3, 3}, {{16, 16}, 2, 1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(cx::LumoGlyphCount(c.size, c.before), c.after) << c.size.width() << "x" << c.size.height();
        TLumoButton b;
        b.setButtonKind(TLumoButton::skOK);
        b.setNumGlyphs(c.before);
        QImage bitmap(c.size, QImage::Format_RGB32);
        bitmap.fill(Qt::red);
        b.setGlyph(bitmap);
        EXPECT_EQ(b.numGlyphs(), c.after);
        EXPECT_EQ(b.buttonKind(), TLumoButton::skCustom);
        EXPECT_EQ(b.glyph().size(), c.size); // kept: the kind changed without clearing it
        EXPECT_EQ(b.caption(), QStringLiteral("OK"));
    }
    // The same bitmap again: no recount, yet the kind becomes custom.
    TLumoButton b;
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    b.setGlyph(strip);
    b.setNumGlyphs(3);
    b.setButtonKind(TLumoButton::skNo);
    b.loadGlyphs(strip, QImage());
    b.setGlyph(b.glyph());
    EXPECT_EQ(b.numGlyphs(), 1); // skNo made it 1; the unchanged bitmap kept it
    EXPECT_EQ(b.buttonKind(), TLumoButton::skCustom);
}

TEST(LumoButton, DisabledForms)
{
    const QColor second(0x00, 0x00, 0xC0);
    struct Case { const char *what; std::vector<QColor> cells; bool embossed; };
    const Case cases[] = {
        {"two cells: the second cell", {kInk, second}, false},
        {"one cell: embossed", {kInk}, true},
        {"three cells: embossed first cell", {kInk, second, second}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TLumoButton b;
        SetPalette(b);
        b.setColor(kBrush);
        b.resize(80, 40);
        b.setGlyph(Glyph(20, 20, c.cells));
        b.setNumGlyphs(int(c.cells.size()));
        b.setCaption(QStringLiteral("Ab"));
        b.setEnabled(false);
        const QImage &img = b.surface();
        const QRect g = b.glyphRect();
        ASSERT_FALSE(g.isNull());
        if (!c.embossed) {
            EXPECT_EQ(At(img, {g.left() + 1, g.top()}), second);
            EXPECT_EQ(At(img, {g.left(), g.top()}), kBrush);
        } else {
            // Ink (x >= 1, y <= 18 of the cell) in shadow; highlight shows only
            // where the one-pixel shift reaches past the ink.
            EXPECT_EQ(At(img, {g.left() + 1, g.top()}), kDark);
            EXPECT_EQ(At(img, {g.left() + 5, g.top() + 18}), kDark);
            EXPECT_EQ(At(img, {g.left() + 5, g.top() + 19}), kLight);
            EXPECT_EQ(At(img, {g.left() + 20, g.top() + 5}), kLight);
            EXPECT_EQ(At(img, {g.left(), g.top()}), kBrush);
            EXPECT_EQ(At(img, {g.left() + 1, g.top() + 19}), kBrush);
        }
        // The caption is embossed: shadow over a highlight shifted by one pixel.
        bool shadow = false, highlight = false;
        const QRect t = b.captionRect().adjusted(0, 0, 1, 1);
        for (int y = t.top(); y <= t.bottom(); ++y)
            for (int x = t.left(); x <= t.right(); ++x) {
                shadow |= At(img, {x, y}) == kDark;
                highlight |= At(img, {x, y}) == kLight;
            }
        EXPECT_TRUE(shadow);
        EXPECT_TRUE(highlight);
    }
}

// What reaches the window: the state drawings, and a repaint's Normal look.
TEST(LumoButton, StateDrawingsReachTheScreen)
{
    Toolbar tb;
    tb.window.resize(100, 80);
    tb.button->move(10, 10);
    tb.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tb.window));
    const auto screen = [&] {
        QCoreApplication::processEvents();
        return tb.window.screen()->grabWindow(tb.window.winId()).toImage();
    };
    const auto corner = [&](const QImage &shot) {
        return QColor(shot.pixel(10 * shot.devicePixelRatio(), 10 * shot.devicePixelRatio()));
    };
    EXPECT_EQ(corner(screen()), kBrush);
    Enter(*tb.button);
    EXPECT_EQ(corner(screen()), kLight);
    Mouse(*tb.button, QEvent::MouseButtonPress, {30, 30});
    EXPECT_EQ(corner(screen()), kDark);
    tb.button->update();
    EXPECT_EQ(corner(screen()), kBrush);
}

// A repaint while the pointer rests on the button shows the Normal frame and
// glyph with the caption still in the hot colour.
TEST(LumoButton, RepaintWhileHotKeepsHotCaption)
{
    Toolbar tb;
    TLumoButton &b = *tb.button;
    Enter(b);
    const QImage shot = b.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot, b.surface());
    EXPECT_EQ(At(shot, {0, 0}), kBrush);
    EXPECT_EQ(At(shot, {17, 5}), kInk);
    const QRect band = Ltrb(2, 38, 62, 58);
    EXPECT_TRUE(InkIsBlue(shot, band));
    Leave(b);
    b.grab();
    EXPECT_FALSE(InkIsBlue(b.surface(), band));
}

TEST(LumoButton, RepeatWhileHeld)
{
    TLumoButton b;
    b.setRepeatAction(true);
    auto *start = b.findChild<QTimer *>(QStringLiteral("RepeatStartTimer"));
    auto *repeat = b.findChild<QTimer *>(QStringLiteral("RepeatTimer"));
    ASSERT_TRUE(start && repeat);
    EXPECT_EQ(start->interval(), 50);
    EXPECT_EQ(repeat->interval(), 50);
    EXPECT_FALSE(start->isActive() || repeat->isActive());

    QSignalSpy clicks(&b, &TLumoButton::clicked);
    QSignalSpy startTicks(start, &QTimer::timeout);
    QSignalSpy repeatTicks(repeat, &QTimer::timeout);
    Enter(b);
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(start->isActive());
    EXPECT_FALSE(repeat->isActive());

    // The start delay passes once, then the repeat timer takes over: the first
    // repeated click comes one start interval plus one repeat interval after
    // the press.
    ASSERT_TRUE(startTicks.wait(2000));
    EXPECT_FALSE(start->isActive());
    EXPECT_TRUE(repeat->isActive());
    EXPECT_EQ(clicks.count(), 0);
    ASSERT_TRUE(repeatTicks.wait(2000));
    ASSERT_TRUE(clicks.count() >= 1 || clicks.wait(2000));
    while (repeatTicks.count() < 3)
        ASSERT_TRUE(repeatTicks.wait(2000));
    EXPECT_EQ(startTicks.count(), 1);
    EXPECT_EQ(clicks.count(), repeatTicks.count()); // one click per repeat tick

    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks.count(), repeatTicks.count() + 1); // and one on release
    EXPECT_FALSE(start->isActive() || repeat->isActive());

    // Leaving while held stops both timers too.
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    Mouse(b, QEvent::MouseMove, {200, 5});
    EXPECT_FALSE(start->isActive() || repeat->isActive());
}

TEST(LumoButton, DialogKeysAndAccelerator)
{
    struct Case {
        const char *what;
        std::function<void(TLumoButton &)> setup;
        int key;
        Qt::KeyboardModifiers mods;
        bool clicks;
    };
    const Case cases[] = {
        {"Enter on a Default button", [](TLumoButton &b) { b.setDefault(true); }, Qt::Key_Return, {}, true},
        {"keypad Enter", [](TLumoButton &b) { b.setDefault(true); }, Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Shift+Enter", [](TLumoButton &b) { b.setDefault(true); }, Qt::Key_Return, Qt::ShiftModifier, false},
        {"Enter, not Default", [](TLumoButton &) {}, Qt::Key_Return, {}, false},
        {"Escape on a Cancel button", [](TLumoButton &b) { b.setCancel(true); }, Qt::Key_Escape, {}, true},
        {"Ctrl+Escape", [](TLumoButton &b) { b.setCancel(true); }, Qt::Key_Escape, Qt::ControlModifier, false},
        {"accelerator", [](TLumoButton &b) { b.setCaption("&Yes"); }, Qt::Key_Y, {}, true},
        {"Alt+accelerator", [](TLumoButton &b) { b.setCaption("&Yes"); }, Qt::Key_Y, Qt::AltModifier, true},
        {"Ctrl+accelerator", [](TLumoButton &b) { b.setCaption("&Yes"); }, Qt::Key_Y, Qt::ControlModifier, false},
        {"another letter", [](TLumoButton &b) { b.setCaption("&Yes"); }, Qt::Key_E, {}, false},
        {"disabled", [](TLumoButton &b) { b.setCancel(true); b.setEnabled(false); }, Qt::Key_Escape, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QWidget window;
        auto *button = new TLumoButton(&window);
        auto *other = new QWidget(&window); // takes focus, handles no keys
        other->setFocusPolicy(Qt::StrongFocus);
        other->move(0, 40);
        c.setup(*button);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QSignalSpy clicks(button, &TLumoButton::clicked);
        QTest::keyClick(other, Qt::Key(c.key), c.mods);
        EXPECT_EQ(clicks.count(), c.clicks ? 1 : 0);
    }
    // A focused picture button takes Enter from a Default one.
    QWidget window;
    auto *def = new TLumoButton(&window);
    auto *focused = new TLumoButton(&window);
    def->setDefault(true);
    focused->setFocusPolicy(Qt::StrongFocus);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focused->setFocus();
    QSignalSpy defClicks(def, &TLumoButton::clicked), focusedClicks(focused, &TLumoButton::clicked);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(defClicks.count(), 0);
    EXPECT_EQ(focusedClicks.count(), 1);
}

TEST(LumoButton, StockKinds)
{
    using K = TLumoButton::TKind;
    struct Case { K kind; const char *caption; int result; bool cancel, isDefault; };
    const Case cases[] = {
        {K::skOK, "OK", 1, false, true},          {K::skCancel, "Cancel", 2, true, false},
        {K::skYes, "&Yes", 6, false, true},       {K::skNo, "&No", 7, true, false},
        {K::skAbort, "Abort", 3, false, false},   {K::skRetry, "&Retry", 4, false, false},
        {K::skIgnore, "&Ignore", 5, false, false}, {K::skAll, "&All", 8, false, false},
        {K::skSilly, "&Silly", 0, false, false},  {K::skHelp, "&Help", 0, false, false},
        {K::skClose, "&Close", 0, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        QDialog dialog;
        dialog.setProperty("HelpContext", 77);
        auto *b = new TLumoButton(&dialog);
        b->setNumGlyphs(3);
        b->setButtonKind(c.kind);
        EXPECT_EQ(b->caption(), QString::fromLatin1(c.caption));
        EXPECT_EQ(b->cancel(), c.cancel);
        EXPECT_EQ(b->isDefault(), c.isDefault);
        EXPECT_EQ(b->numGlyphs(), 1);
        EXPECT_EQ(b->numGlyphsHot(), 1);
        EXPECT_EQ(b->glyph().size(), QSize(16, 16));
        EXPECT_EQ(b->glyphHot().size(), QSize(16, 16));
        EXPECT_NE(b->glyph(), b->glyphHot());
        dialog.show();
        dialog.setResult(-1);
        QSignalSpy help(b, &TLumoButton::helpRequested);
        b->click();
        if (c.kind != K::skClose) { // closing a dialog rejects it
            EXPECT_EQ(dialog.result(), c.result ? c.result : -1);
        }
        EXPECT_EQ(dialog.isVisible(), c.result == 0 && c.kind != K::skClose);
        EXPECT_EQ(help.count(), c.kind == K::skHelp ? 1 : 0);
        if (c.kind == K::skHelp) {
            EXPECT_EQ(help.at(0).at(0).toInt(), 77);
        }
        b->setButtonKind(K::skCustom);
        EXPECT_TRUE(b->glyph().isNull());
        EXPECT_FALSE(b->cancel() || b->isDefault());
    }
}

TEST(LumoButton, HandCursorAndHintSecondLine)
{
    for (bool hand : {true, false}) {
        TLumoButton b;
        b.setCursorHandCustom(hand);
        Enter(b);
        EXPECT_EQ(b.cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        if (hand) {
            EXPECT_EQ(b.cursor().pixmap().size(), QSize(32, 32));
        }
        Leave(b);
        EXPECT_EQ(b.cursor().shape(), Qt::ArrowCursor);
    }
    TLumoButton b;
    b.setHintSecondLine(QStringLiteral("ignored without a hint"));
    EXPECT_TRUE(b.toolTip().isEmpty());
    b.setToolTip(QStringLiteral("Search"));
    b.setHintSecondLine(QStringLiteral("by pinyin"));
    EXPECT_EQ(b.toolTip(), QStringLiteral("Search\nby pinyin"));
}

TEST(LumoButton, CustomFrameColours)
{
    TLumoButton b;
    SetPalette(b);
    b.setColor(kBrush);
    const QColor red(0xFF, 0, 0), green(0, 0x80, 0);
    b.setColorMarginLeftTop(kLight); // the default: stays cmDefault
    EXPECT_EQ(b.colorMarginStyle(), TLumoButton::cmDefault);
    b.setColorMarginLeftTop(red);
    b.setColorMarginRightBottom(green);
    EXPECT_EQ(b.colorMarginStyle(), TLumoButton::cmCustom);
    Enter(b);
    EXPECT_EQ(At(b.surface(), {0, 0}), red);
    EXPECT_EQ(At(b.surface(), {74, 24}), green);
    b.setColorMarginStyle(TLumoButton::cmDefault);
    EXPECT_EQ(b.colorMarginLeftTop(), kLight);
    EXPECT_EQ(b.colorMarginRightBottom(), kDark);
    Leave(b);
    Enter(b);
    EXPECT_EQ(At(b.surface(), {0, 0}), kLight);
}

TEST(LumoButton, PopupPositionsAcceleratorsAndSound)
{
    using P = TLumoButton::TPositionPopup;
    const QPoint at(100, 200);
    const QSize button(64, 60), menu(120, 80);
    EXPECT_EQ(cx::LumoPopupPosition(P::puDown, at, button, menu), QPoint(99, 260));
    EXPECT_EQ(cx::LumoPopupPosition(P::puLeft, at, button, menu), QPoint(99 - 120, 200));
    EXPECT_EQ(cx::LumoPopupPosition(P::puRight, at, button, menu), QPoint(165, 200));

    const std::pair<const char *, QChar> accelerators[] = {
        {"&Yes", u'y'}, {"Abort", QChar()}, {"Salt && &Pepper", u'p'}, {"&&", QChar()},
        {"end&", QChar()},
    };
    for (const auto &[caption, expected] : accelerators)
        EXPECT_EQ(cx::LumoAccelerator(QString::fromLatin1(caption)), expected) << caption;

    TLumoButton b; // registers the resources
    QFile file(QStringLiteral(":/widgets/preko.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const cx::WaveSound sound = cx::ParseWave(file.readAll());
    EXPECT_EQ(sound.sampleRate, 22050);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.bitsPerSample, 16);
    EXPECT_GT(sound.samples.size(), 0);
    EXPECT_LT(sound.samples.size(), 22050 * 2 / 5); // shorter than 0.2 s
    EXPECT_TRUE(cx::ParseWave(QByteArray("RIFF\x10\0\0\0WAVEdata", 16)).samples.isEmpty());
    EXPECT_TRUE(cx::ParseWave(QByteArray("not a wave file")).samples.isEmpty());
}

} // namespace
