#include "widgettestsupport.h"
#include "widgets/flatbutton.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using cx::TFlatButton;
using namespace widgettest;

const QColor kRed(255, 0, 0);
const QColor kClear(255, 0, 255);
const QColor kBehind(40, 120, 60);

// A solid red glyph whose bottom-left pixel is the transparent colour.
QImage RedGlyph(int w, int h)
{
    QImage g(w, h, QImage::Format_RGB32);
    g.fill(kRed);
    g.setPixelColor(0, h - 1, kClear);
    return g;
}

TEST(FlatButton, ConstructorDefaults)
{
    TFlatButton b;
    EXPECT_EQ(b.size(), QSize(100, 25));
    EXPECT_EQ(b.transparent(), TFlatButton::tmNone);
    EXPECT_FALSE(b.transBorder());
    EXPECT_TRUE(b.hasFocusFrame());
    EXPECT_FALSE(b.isDefault());
    EXPECT_FALSE(b.allowAllUp());
    EXPECT_EQ(b.colorFocused(), QColor(0x99, 0xBE, 0xFB));
    EXPECT_EQ(b.colorDown(), QColor(0xD9, 0xD6, 0xC5));
    EXPECT_EQ(b.colorBorder(), QColor(0x88, 0xA5, 0x61));
    EXPECT_EQ(b.colorShadow(), QColor(0x00, 0xC6, 0xC6));
    EXPECT_EQ(b.colorFlat(), QColor(0xEB, 0xEA, 0xE1));
    EXPECT_EQ(b.groupIndex(), 0);
    EXPECT_FALSE(b.isDown());
    EXPECT_TRUE(b.foisChange());
    EXPECT_EQ(b.foisColor(), QColor(0x00, 0x00, 0xE1));
    EXPECT_EQ(b.foisStyle(), TFlatButton::TFontStyles(TFlatButton::fsBold));
    EXPECT_EQ(b.numGlyphs(), 1);
    EXPECT_EQ(b.layout(), TFlatButton::blGlyphTop);
    EXPECT_EQ(b.margin(), -1);
    EXPECT_EQ(b.spacing(), 4);
    EXPECT_EQ(b.modalResult(), 0);
    EXPECT_EQ(b.focusPolicy(), Qt::StrongFocus);
}

TEST(FlatButton, Layout)
{
    struct Case {
        const char *name;
        QSize client; QPoint offset; QSize glyph, caption;
        TFlatButton::TButtonLayout layout; int margin, spacing;
        QPoint glyphAt; QRect captionAt;
    };
    const Case cases[] = {
        {"character window", {81, 33}, {0, 0}, {20, 20}, {32, 16}, TFlatButton::blGlyphLeft, -1, 5,
         {12, 7}, QRect(QPoint(37, 9), QPoint(68, 24))},
        {"character window pressed", {81, 33}, {1, 1}, {20, 20}, {32, 16}, TFlatButton::blGlyphLeft,
         -1, 5, {13, 8}, QRect(QPoint(38, 10), QPoint(69, 25))},
        {"close button", {33, 33}, {0, 0}, {24, 24}, {0, 0}, TFlatButton::blGlyphTop, -1, 4,
         {5, 5}, QRect(17, 29, 0, 0)},
        {"caption-less ignores spacing", {81, 33}, {0, 0}, {20, 20}, {0, 0},
         TFlatButton::blGlyphLeft, -1, 10, {31, 7}, QRect(51, 17, 0, 0)},
        {"glyph right", {81, 33}, {0, 0}, {20, 20}, {32, 16}, TFlatButton::blGlyphRight, -1, 5,
         {49, 7}, QRect(12, 9, 32, 16)},
        {"glyph bottom", {100, 60}, {0, 0}, {16, 16}, {40, 12}, TFlatButton::blGlyphBottom, -1, 4,
         {42, 30}, QRect(30, 14, 40, 12)},
        {"margin and spacing spread", {100, 60}, {0, 0}, {16, 16}, {40, 12},
         TFlatButton::blGlyphTop, -1, -1, {42, 10}, QRect(30, 36, 40, 12)},
        {"spacing spread from a margin", {100, 30}, {0, 0}, {20, 20}, {40, 12},
         TFlatButton::blGlyphLeft, 3, -1, {3, 5}, QRect(41, 9, 40, 12)},
    };
    for (const Case &c : cases) {
        const auto place = cx::FlatButtonLayout(c.client, c.offset, c.glyph, c.caption, c.layout,
                                                c.margin, c.spacing);
        EXPECT_EQ(place.glyph, c.glyphAt) << c.name;
        EXPECT_EQ(place.caption, c.captionAt) << c.name;
    }
}

TEST(FlatButton, GlyphCellsAndNumGlyphs)
{
    using S = TFlatButton;
    const int cells[4][4] = {{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 2, 3, 3}, {1, 2, 3, 4}};
    const S::TButtonState states[] = {S::bsUp, S::bsDisabled, S::bsDown, S::bsExclusive};
    for (int n = 1; n <= 4; ++n)
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(cx::GlyphCellFor(n, states[s]), cells[n - 1][s]) << n << " cells, state " << s;
    EXPECT_EQ(cx::GlyphCellRect({64, 16}, 4, 4), QRect(48, 0, 16, 16));
    EXPECT_EQ(cx::GlyphCellRect({50, 16}, 3, 3), QRect(32, 0, 18, 16)); // to the right edge
    EXPECT_EQ(cx::GlyphCellRect({50, 16}, 3, 2), QRect(16, 0, 16, 16));

    struct Case { QSize size; int expected; };
    const Case cases[] = {{{64, 16}, 4}, {{20, 20}, 1}, {{30, 20}, 2}, {{96, 16}, 1}, {{32, 16}, 2},
                          {{48, 16}, 3}};
    for (const Case &c : cases) {
        TFlatButton b;
        b.setNumGlyphs(2);
        b.setGlyph(RedGlyph(c.size.width(), c.size.height()));
        EXPECT_EQ(b.numGlyphs(), c.expected) << c.size.width() << "x" << c.size.height();
    }
}

// The close buttons: transparent, borderless, a 24 x 24 glyph. Only the glyph
// moves; everything else is the parent behind the button in every state.
TEST(FlatButton, TransparentBorderlessCloseButtonShowsOnlyGlyphOverParent)
{
    QWidget parent;
    parent.resize(100, 100);
    QPalette pal;
    pal.setColor(QPalette::Window, kBehind);
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    TFlatButton b(&parent);
    b.setGeometry(40, 30, 33, 33);
    b.setTransparent(TFlatButton::tmAlways);
    b.setTransBorder(true);
    b.setGlyph(RedGlyph(24, 24));

    const auto expectGlyphAt = [&](QPoint at, const char *what) {
        const QImage shot = Shot(b);
        const QRect glyph(at, QSize(24, 24));
        for (int y = 0; y < 33; ++y)
            for (int x = 0; x < 33; ++x) {
                const bool ink = glyph.contains(x, y) && QPoint(x, y) != glyph.bottomLeft();
                ASSERT_EQ(At(shot, x, y), ink ? kRed : kBehind) << what << " " << x << "," << y;
            }
    };
    expectGlyphAt({5, 5}, "normal");
    Enter(b);
    expectGlyphAt({4, 4}, "hot");
    Mouse(b, QEvent::MouseButtonPress, {10, 10});
    expectGlyphAt({5, 5}, "pressed and hot");
    b.setFoisChange(false);
    expectGlyphAt({6, 6}, "pressed without the lift");
    Mouse(b, QEvent::MouseButtonRelease, {10, 10});
    expectGlyphAt({5, 5}, "released");
}

// The character-window buttons: glyph left of a caption, spacing 5.
TEST(FlatButton, CaptionMovesByOnePixelWhenPressed)
{
    TFlatButton b;
    b.resize(81, 33);
    b.setLayout(TFlatButton::blGlyphLeft);
    b.setSpacing(5);
    b.setFoisChange(false);
    b.setHasFocusFrame(false);
    QPalette pal = b.palette();
    pal.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0xFF));
    b.setPalette(pal);
    b.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    b.setCaption(QStringLiteral("Word"));
    b.setGlyph(RedGlyph(20, 20));
    QImage shot = Shot(b);
    const QRect glyph = BoundsOf(shot, kRed);
    const QRect ink = BoundsOf(shot, QColor(0x80, 0x00, 0xFF));
    const int tx = QFontMetrics(b.font()).horizontalAdvance(QStringLiteral("Word"));
    EXPECT_EQ(glyph.topLeft(), QPoint((81 - (20 + 5 + tx) + 1) / 2, 7));
    EXPECT_GE(ink.left(), glyph.left() + 20 + 5);
    Enter(b);
    Mouse(b, QEvent::MouseButtonPress, {10, 10});
    shot = Shot(b);
    EXPECT_EQ(BoundsOf(shot, kRed), glyph.translated(1, 1));
    EXPECT_EQ(BoundsOf(shot, QColor(0x80, 0x00, 0xFF)), ink.translated(1, 1));
}

// Background and border of a plain button in its looks.
TEST(FlatButton, StateLooks)
{
    struct Case { const char *name; void (*setup)(TFlatButton &); QColor border, inner, face; };
    const QColor flat(0xEB, 0xEA, 0xE1), focused(0x99, 0xBE, 0xFB), down(0xD9, 0xD6, 0xC5);
    const QColor borderC(0x88, 0xA5, 0x61), shadow(0x00, 0xC6, 0xC6);
    const Case cases[] = {
        {"normal", [](TFlatButton &) {}, borderC, flat, flat},
        {"hot", [](TFlatButton &b) { Enter(b); }, shadow, focused, focused},
        {"pressed", [](TFlatButton &b) { Enter(b); Mouse(b, QEvent::MouseButtonPress, {5, 5}); },
         shadow, down, down},
        {"default", [](TFlatButton &b) { b.setDefault(true); }, borderC, borderC, flat},
        {"disabled", [](TFlatButton &b) { b.setEnabled(false); }, borderC, flat, flat},
        {"latched", [](TFlatButton &b) { b.setGroupIndex(1); b.setDown(true); }, shadow, down, down},
        {"latched and hot", [](TFlatButton &b) { b.setGroupIndex(1); b.setDown(true); Enter(b); },
         shadow, focused, focused},
    };
    for (const Case &c : cases) {
        TFlatButton b;
        c.setup(b);
        const QImage shot = Shot(b);
        EXPECT_EQ(At(shot, 0, 0), c.border) << c.name;
        EXPECT_EQ(At(shot, 99, 24), c.border) << c.name;
        EXPECT_EQ(At(shot, 1, 1), c.inner) << c.name;
        EXPECT_EQ(At(shot, 10, 12), c.face) << c.name;
    }
    // The dotted focus rectangle 2 pixels in while hot: every other pixel
    // of the face inverted.
    TFlatButton b;
    Enter(b);
    const QImage shot = Shot(b);
    EXPECT_EQ(At(shot, 2, 2), QColor(255 - 0x99, 255 - 0xBE, 255 - 0xFB));
    EXPECT_EQ(At(shot, 3, 2), focused);
    EXPECT_EQ(At(shot, 4, 2), QColor(255 - 0x99, 255 - 0xBE, 255 - 0xFB));
}

TEST(FlatButton, DisabledSingleGlyphIsEmbossed)
{
    TFlatButton b;
    b.resize(40, 40);
    QPalette pal = b.palette();
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Dark, Qt::black);
    b.setPalette(pal);
    QImage glyph(20, 20, QImage::Format_RGB32);
    glyph.fill(kClear);
    for (int y = 5; y < 10; ++y)
        for (int x = 5; x < 10; ++x)
            glyph.setPixelColor(x, y, QColor(0, 0, 128));
    b.setGlyph(glyph);
    b.setEnabled(false);
    const QImage shot = Shot(b);
    // Glyph at (10, 10): the ink (15..19) in shadow, its highlight copy one
    // pixel down and right showing beside it; the rest of the cell clear.
    EXPECT_EQ(At(shot, 15, 15), QColor(Qt::black));
    EXPECT_EQ(At(shot, 19, 19), QColor(Qt::black));
    EXPECT_EQ(At(shot, 20, 16), QColor(Qt::white));
    EXPECT_EQ(At(shot, 16, 20), QColor(Qt::white));
    EXPECT_EQ(At(shot, 12, 12), QColor(0xEB, 0xEA, 0xE1));
    EXPECT_TRUE(BoundsOf(shot, QColor(0, 0, 128)).isEmpty());
}

struct Recorder {
    QStringList events;
    void attach(TFlatButton &b)
    {
        QObject::connect(&b, &TFlatButton::clicked, [this] { events << "click"; });
        QObject::connect(&b, &TFlatButton::mouseUp, [this](QMouseEvent *) { events << "up"; });
    }
};

TEST(FlatButton, ClickOnlyOnReleaseInside)
{
    struct Case { const char *name; std::vector<std::pair<QEvent::Type, QPoint>> steps; QStringList expected; };
    const Case cases[] = {
        {"press and release inside",
         {{QEvent::MouseButtonPress, {5, 5}}, {QEvent::MouseButtonRelease, {6, 6}}},
         {"up", "click"}},
        {"press, move out, release outside",
         {{QEvent::MouseButtonPress, {5, 5}}, {QEvent::MouseMove, {150, 5}},
          {QEvent::MouseButtonRelease, {150, 5}}},
         {"up"}},
        {"move out and back in",
         {{QEvent::MouseButtonPress, {5, 5}}, {QEvent::MouseMove, {150, 5}},
          {QEvent::MouseMove, {5, 5}}, {QEvent::MouseButtonRelease, {5, 5}}},
         {"up", "click"}},
    };
    for (const Case &c : cases) {
        QWidget parent;
        TFlatButton b(&parent);
        Recorder r;
        r.attach(b);
        Enter(b);
        for (const auto &[type, pos] : c.steps) {
            if (type == QEvent::MouseMove && !b.rect().contains(pos))
                Leave(b);
            Mouse(b, type, pos);
        }
        EXPECT_EQ(r.events, c.expected) << c.name;
        EXPECT_EQ(b.state(), TFlatButton::bsUp) << c.name;
    }
    // After leaving with the button held, the Normal look returns.
    QWidget parent;
    TFlatButton b(&parent);
    Enter(b);
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    Leave(b);
    Mouse(b, QEvent::MouseMove, {150, 5});
    // Still held outside: up, and hot until the release.
    EXPECT_EQ(At(Shot(b), 10, 12), QColor(0x99, 0xBE, 0xFB));
    Mouse(b, QEvent::MouseButtonRelease, {150, 5});
    EXPECT_FALSE(b.isHot());
    const QImage shot = Shot(b);
    EXPECT_EQ(At(shot, 0, 0), QColor(0x88, 0xA5, 0x61));
    EXPECT_EQ(At(shot, 10, 12), QColor(0xEB, 0xEA, 0xE1));
}

TEST(FlatButton, MouseEnterHandlerKeepsTheButtonFromTurningHot)
{
    TFlatButton b;
    int entered = 0;
    QObject::connect(&b, &TFlatButton::mouseEnter, [&] { ++entered; });
    Enter(b);
    EXPECT_EQ(entered, 1);
    EXPECT_FALSE(b.isHot());
    EXPECT_EQ(At(Shot(b), 10, 12), QColor(0xEB, 0xEA, 0xE1));
}

TEST(FlatButton, GroupLatchesExclusively)
{
    QWidget parent;
    TFlatButton a(&parent), b(&parent), c(&parent), other(&parent);
    for (TFlatButton *x : {&a, &b, &c})
        x->setGroupIndex(1);
    other.setGroupIndex(2);
    other.setDown(true);
    const auto click = [](TFlatButton &x) {
        Mouse(x, QEvent::MouseButtonPress, {5, 5});
        Mouse(x, QEvent::MouseButtonRelease, {5, 5});
    };
    const auto downs = [&] {
        return std::vector<bool>{a.isDown(), b.isDown(), c.isDown(), other.isDown()};
    };
    click(a);
    EXPECT_EQ(downs(), (std::vector<bool>{true, false, false, true}));
    click(b);
    EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, true}));
    click(b); // a latched button stays down unless all may be up
    EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, true}));
    c.setAllowAllUp(true); // told to the whole group
    EXPECT_TRUE(b.allowAllUp());
    click(b);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, false, true}));
    click(c);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, true, true}));

    TFlatButton ungrouped(&parent);
    ungrouped.setDown(true);
    EXPECT_FALSE(ungrouped.isDown());
}

TEST(FlatButton, SpaceClicksAndModalResultReachesTheDialog)
{
    QDialog dialog;
    TFlatButton b(&dialog);
    b.setModalResult(6);
    int clicks = 0;
    QObject::connect(&b, &TFlatButton::clicked, [&] { ++clicks; });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&b, &press);
    EXPECT_EQ(b.state(), TFlatButton::bsDown);
    EXPECT_EQ(clicks, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&b, &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dialog.result(), 6);
}

} // namespace
