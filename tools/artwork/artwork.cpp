// Draws the pictures of the windows at the sizes the windows fix: toolbar
// glyphs with their hot forms, separators, banners, the splash, tiles and
// the button glyphs of the dictionary windows. Usage: cxartwork RESOURCES_DIR

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

QString g_out;

using Sign = std::function<void(QPainter &, const QRectF &, const QColor &)>;

QFont font(const char *family, qreal px, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(int(px));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void save(const QImage &image, const QString &name)
{
    const QString path = g_out + QStringLiteral("/pictures/") + name;
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    if (!image.save(path, nullptr, jpeg ? 92 : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// --- glyph bodies --------------------------------------------------------

enum class Body { RoundedSquare, Disc, Bare };

void drawBody(QPainter &p, const QRectF &r, Body body, const QColor &c, bool hot)
{
    if (body == Body::Bare)
        return;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, (hot ? c.lighter(150) : c.lighter(125)));
    g.setColorAt(1, (hot ? c.lighter(110) : c.darker(115)));
    p.setPen(QPen(c.darker(150), qMax(1.0, r.width() / 24)));
    p.setBrush(g);
    const QRectF b = r.adjusted(0.5, 0.5, -0.5, -0.5);
    if (body == Body::RoundedSquare)
        p.drawRoundedRect(b, r.width() * 0.2, r.height() * 0.2);
    else
        p.drawEllipse(b);
    // A gloss over the upper half.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, hot ? 150 : 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    const QRectF top = b.adjusted(b.width() * 0.1, b.height() * 0.05, -b.width() * 0.1, -b.height() * 0.5);
    if (body == Body::RoundedSquare)
        p.drawRoundedRect(top, r.width() * 0.15, r.height() * 0.15);
    else
        p.drawEllipse(top);
}

QImage glyph(int w, int h, Body body, const QColor &c, const Sign &sign, bool hot = false)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal side = qMin(w, h);
    const QRectF r((w - side) / 2.0, (h - side) / 2.0, side, side);
    if (hot && body != Body::Bare) {
        // The hot glyph carries a soft halo.
        QRadialGradient halo(r.center(), side * 0.6);
        halo.setColorAt(0.7, QColor(255, 255, 160, 120));
        halo.setColorAt(1, QColor(255, 255, 160, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(r.center(), side * 0.6, side * 0.6);
    }
    const QRectF bodyRect = body == Body::Bare ? r : r.adjusted(side * 0.04, side * 0.04, -side * 0.04, -side * 0.04);
    drawBody(p, bodyRect, body, c, hot);
    const QColor ink = body == Body::Bare ? (hot ? c.lighter(130) : c) : QColor(Qt::white);
    sign(p, bodyRect.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2), ink);
    return img;
}

// --- signs ------------------------------------------------------------------

QPen inkPen(const QRectF &r, const QColor &c, qreal k = 0.12)
{
    QPen pen(c, qMax(1.0, r.width() * k));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void tileGrid(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal cell = r.width() / 3;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            p.drawRect(QRectF(r.left() + x * cell + cell * 0.12, r.top() + y * cell + cell * 0.12, cell * 0.76, cell * 0.76));
}

void star(QPainter &p, const QRectF &r, const QColor &c)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rad = (i % 2 ? 0.42 : 1.0) * r.width() * 0.55;
        poly << r.center() + QPointF(qCos(a) * rad, qSin(a) * rad);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
}

void aperture(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.1));
    p.setBrush(Qt::NoBrush);
    const qreal rad = r.width() * 0.55;
    p.drawEllipse(r.center(), rad, rad);
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3;
        const QPointF from = r.center() + QPointF(qCos(a) * rad, qSin(a) * rad);
        const QPointF to = r.center() + QPointF(qCos(a + 2.0) * rad * 0.35, qSin(a + 2.0) * rad * 0.35);
        p.drawLine(from, to);
    }
}

Sign letter(const char *text)
{
    return [text](QPainter &p, const QRectF &r, const QColor &c) {
        p.setPen(c);
        p.setFont(font("DejaVu Sans", r.height() * 1.25, true));
        p.drawText(r.adjusted(-r.width(), -r.height(), r.width(), r.height()), Qt::AlignCenter, QString::fromUtf8(text));
    };
}

void gear(QPainter &p, const QRectF &r, const QColor &c)
{
    QPainterPath path;
    const QPointF o = r.center();
    const qreal outer = r.width() * 0.85, inner = r.width() * 0.62;
    for (int i = 0; i < 32; ++i) {
        const qreal a = i * 2 * M_PI / 32;
        const qreal rad = (i / 2) % 2 ? inner : outer;
        const QPointF pt = o + QPointF(qCos(a) * rad, qSin(a) * rad);
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(o, r.width() * 0.25, r.width() * 0.25);
    path.setFillRule(Qt::OddEvenFill);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(120));
    p.setPen(QPen(c.darker(160), 1));
    p.setBrush(g);
    p.drawPath(path);
}

void feed(QPainter &p, const QRectF &r, const QColor &c)
{
    const QPointF o(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(o, r.width() * 0.13, r.width() * 0.13);
    p.setPen(inkPen(r, c, 0.13));
    p.setBrush(Qt::NoBrush);
    for (qreal k : {0.55, 0.95}) {
        const qreal rad = r.width() * k;
        p.drawArc(QRectF(o.x() - rad, o.y() - rad, 2 * rad, 2 * rad), 0, 90 * 16);
    }
}

void clock(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.1));
    p.setBrush(Qt::NoBrush);
    const qreal rad = r.width() * 0.6;
    p.drawEllipse(r.center(), rad, rad);
    p.drawLine(r.center(), r.center() + QPointF(0, -rad * 0.7));
    p.drawLine(r.center(), r.center() + QPointF(rad * 0.5, rad * 0.2));
}

void clockArrow(QPainter &p, const QRectF &r, const QColor &c)
{
    clock(p, r.adjusted(-r.width() * 0.05, -r.height() * 0.05, -r.width() * 0.2, -r.height() * 0.2), c);
    QPolygonF head;
    const QPointF tip(r.right() + r.width() * 0.1, r.bottom() + r.height() * 0.1);
    head << tip << tip + QPointF(-r.width() * 0.45, 0) << tip + QPointF(0, -r.height() * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

void envelope(QPainter &p, const QRectF &r, const QColor &c)
{
    const QRectF e = r.adjusted(-r.width() * 0.35, -r.height() * 0.05, r.width() * 0.35, r.height() * 0.05);
    QLinearGradient g(e.topLeft(), e.bottomLeft());
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setPen(QPen(c.darker(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(e, 2, 2);
    p.setPen(QPen(Qt::white, qMax(1.0, e.width() / 14)));
    p.drawLine(e.topLeft() + QPointF(1, 1), QPointF(e.center().x(), e.center().y() + e.height() * 0.1));
    p.drawLine(e.topRight() + QPointF(-1, 1), QPointF(e.center().x(), e.center().y() + e.height() * 0.1));
}

void face(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal eye = r.width() * 0.1;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.3), eye, eye * 1.4);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.28, r.top() + r.height() * 0.3), eye, eye * 1.4);
    p.setPen(inkPen(r, c, 0.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r.adjusted(r.width() * 0.1, r.height() * 0.05, -r.width() * 0.1, -r.height() * 0.05), 200 * 16, 140 * 16);
}

void downArrowCircle(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.1));
    p.setBrush(Qt::NoBrush);
    const qreal rad = r.width() * 0.6;
    p.drawEllipse(r.center(), rad, rad);
    p.drawLine(r.center() + QPointF(0, -rad * 0.55), r.center() + QPointF(0, rad * 0.5));
    p.drawLine(r.center() + QPointF(-rad * 0.4, rad * 0.1), r.center() + QPointF(0, rad * 0.5));
    p.drawLine(r.center() + QPointF(rad * 0.4, rad * 0.1), r.center() + QPointF(0, rad * 0.5));
}

void bubble(QPainter &p, const QRectF &r, const QColor &c)
{
    QPainterPath path;
    const QRectF b = r.adjusted(-r.width() * 0.1, -r.height() * 0.1, r.width() * 0.1, -r.height() * 0.25);
    path.addRoundedRect(b, b.width() * 0.3, b.height() * 0.4);
    QPolygonF tail;
    tail << QPointF(b.left() + b.width() * 0.25, b.bottom() - 1) << QPointF(b.left() + b.width() * 0.15, r.bottom() + r.height() * 0.1)
         << QPointF(b.left() + b.width() * 0.5, b.bottom() - 1);
    path.addPolygon(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path.simplified());
}

void crossingArrows(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.11));
    p.drawLine(r.bottomLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomRight());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal k = r.width() * 0.4;
    p.drawPolygon(QPolygonF() << r.topRight() << r.topRight() + QPointF(-k, 0) << r.topRight() + QPointF(0, k));
    p.drawPolygon(QPolygonF() << r.bottomRight() << r.bottomRight() + QPointF(-k, 0) << r.bottomRight() + QPointF(0, -k));
}

void cross(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.2));
    const QRectF x = r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

void speaker(QPainter &p, const QRectF &r, const QColor &c)
{
    QPolygonF cone;
    const qreal x0 = r.left() - r.width() * 0.1, y = r.center().y();
    cone << QPointF(x0, y - r.height() * 0.2) << QPointF(x0 + r.width() * 0.25, y - r.height() * 0.2)
         << QPointF(x0 + r.width() * 0.6, y - r.height() * 0.55) << QPointF(x0 + r.width() * 0.6, y + r.height() * 0.55)
         << QPointF(x0 + r.width() * 0.25, y + r.height() * 0.2) << QPointF(x0, y + r.height() * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(cone);
    p.setPen(inkPen(r, c, 0.09));
    p.setBrush(Qt::NoBrush);
    for (qreal k : {0.3, 0.6}) {
        const QPointF o(x0 + r.width() * 0.6, y);
        const qreal rad = r.width() * k;
        p.drawArc(QRectF(o.x() - rad, o.y() - rad, 2 * rad, 2 * rad), -45 * 16, 90 * 16);
    }
}

void copyPages(QPainter &p, const QRectF &r, const QColor &c)
{
    const qreal w = r.width() * 0.7, h = r.height() * 0.85;
    p.setPen(QPen(c, qMax(1.0, r.width() * 0.08)));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(QRectF(r.left() - r.width() * 0.1, r.top() - r.height() * 0.1, w, h));
    p.drawRect(QRectF(r.right() - w + r.width() * 0.1, r.bottom() - h + r.height() * 0.1, w, h));
}

void magnifier(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(inkPen(r, c, 0.14));
    p.setBrush(Qt::NoBrush);
    const qreal rad = r.width() * 0.38;
    const QPointF o = r.center() + QPointF(-r.width() * 0.12, -r.height() * 0.12);
    p.drawEllipse(o, rad, rad);
    p.drawLine(o + QPointF(rad * 0.7, rad * 0.7), r.bottomRight() + QPointF(r.width() * 0.1, r.height() * 0.1));
}

void diamond(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const QRectF d = r.adjusted(-r.width() * 0.3, -r.height() * 0.3, r.width() * 0.3, r.height() * 0.3);
    p.drawPolygon(QPolygonF() << QPointF(d.center().x(), d.top()) << QPointF(d.right(), d.center().y())
                              << QPointF(d.center().x(), d.bottom()) << QPointF(d.left(), d.center().y()));
}

// --- pictures -------------------------------------------------------------

const QColor kRed(0xD0, 0x20, 0x20), kGreen(0x2E, 0x9A, 0x3A), kBlue(0x20, 0x5C, 0xC8), kDarkGreen(0x1E, 0x6B, 0x3A),
    kOrange(0xF0, 0x8A, 0x10), kPurple(0x80, 0x38, 0xB0), kYellow(0xE8, 0xB8, 0x10);

// The main window's toolbar: a normal and a hot picture of each button.
void toolbar()
{
    struct B {
        const char *name;
        int w;
        Body body;
        QColor colour;
        Sign sign;
    };
    const B buttons[] = {
        {"tb_idiom", 31, Body::RoundedSquare, kRed, tileGrid},
        {"tb_riddle", 31, Body::RoundedSquare, kRed, star},
        {"tb_saying", 31, Body::Disc, kGreen, aperture},
        {"tb_character", 31, Body::RoundedSquare, kBlue, letter("W")},
        {"tb_stroke", 31, Body::Bare, kGreen, gear},
        {"tb_classical", 31, Body::Disc, kBlue, letter("A")},
        {"tb_antonym", 31, Body::RoundedSquare, kOrange, feed},
        {"tb_words", 31, Body::RoundedSquare, kOrange, letter("S")},
        {"tb_online", 31, Body::Disc, kDarkGreen, clock},
        {"tb_contact", 32, Body::Bare, kPurple, envelope},
        {"tb_skin", 31, Body::Disc, kBlue, face},
    };
    for (const B &b : buttons) {
        save(glyph(b.w, 32, b.body, b.colour, b.sign), QString::fromUtf8(b.name) + QStringLiteral(".png"));
        save(glyph(b.w, 32, b.body, b.colour, b.sign, true), QString::fromUtf8(b.name) + QStringLiteral("_hot.png"));
    }
}

// The glyphs of the dictionary windows' buttons, named by sign and size.
void buttonGlyphs()
{
    struct G {
        const char *name;
        int w, h;
        Body body;
        QColor colour;
        Sign sign;
    };
    const G glyphs[] = {
        {"glyph_search_19x20", 19, 20, Body::RoundedSquare, kDarkGreen, clockArrow},
        {"glyph_search_24x24", 24, 24, Body::RoundedSquare, kDarkGreen, clockArrow},
        {"glyph_search_30x30", 30, 30, Body::RoundedSquare, kDarkGreen, clockArrow},
        {"glyph_search_39x40", 39, 40, Body::RoundedSquare, kDarkGreen, clockArrow},
        {"glyph_return_19x20", 19, 20, Body::RoundedSquare, kPurple, downArrowCircle},
        {"glyph_return_24x24", 24, 24, Body::RoundedSquare, kPurple, downArrowCircle},
        {"glyph_return_30x30", 30, 30, Body::RoundedSquare, kPurple, downArrowCircle},
        {"glyph_return_39x40", 39, 40, Body::RoundedSquare, kPurple, downArrowCircle},
        {"glyph_bubble_purple_24x24", 24, 24, Body::Bare, kPurple, bubble},
        {"glyph_bubble_green_24x24", 24, 24, Body::Bare, kGreen, bubble},
        {"glyph_next_24x24", 24, 24, Body::RoundedSquare, kYellow, crossingArrows},
        {"glyph_clock_24x24", 24, 24, Body::Disc, kDarkGreen, clock},
        {"glyph_close_24x24", 24, 24, Body::Disc, kOrange, cross},
        {"glyph_speak_20x20", 20, 20, Body::Disc, kBlue, speaker},
        {"glyph_speak_19x20", 19, 20, Body::Disc, kBlue, speaker},
        {"glyph_copy_16x16", 16, 16, Body::Bare, kBlue, copyPages},
        {"glyph_copy_19x20", 19, 20, Body::Bare, kBlue, copyPages},
        {"glyph_find_19x20", 19, 20, Body::Disc, kDarkGreen, magnifier},
        {"glyph_mark_16x16", 16, 16, Body::Bare, kRed, diamond},
    };
    for (const G &g : glyphs)
        save(glyph(g.w, g.h, g.body, g.colour, g.sign), QString::fromUtf8(g.name) + QStringLiteral(".png"));
}

void separator()
{
    QImage img = canvas(5, 55);
    QPainter p(&img);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(2, 2, 2, 52);
    p.setPen(Qt::white);
    p.drawLine(3, 2, 3, 52);
    save(img, QStringLiteral("separator.png"));
}

// A pale ornamental tile: faint lattice with a small flower in each cell.
void tile()
{
    QImage img(76, 38, QImage::Format_RGB32);
    img.fill(QColor(0xF4, 0xF4, 0xFF));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xE2, 0xE2, 0xF6), 1));
    for (int x = 0; x <= 76; x += 19)
        p.drawLine(QPointF(x, 0), QPointF(x + 19, 38));
    for (int x = 0; x <= 95; x += 19)
        p.drawLine(QPointF(x, 0), QPointF(x - 19, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE6, 0xE6, 0xF8));
    for (QPointF o : {QPointF(19, 19), QPointF(57, 19)})
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(o + QPointF(qCos(i * M_PI / 2) * 3, qSin(i * M_PI / 2) * 3), 2.2, 2.2);
    save(img, QStringLiteral("tile.png"));
}

void centredText(QPainter &p, const QRectF &r, const QString &text, const QFont &f, const QColor &c, int flags = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, text);
}

const QString kCollections = QStringLiteral("汉字 · 词语 · 成语 · 歇后语 · 灯谜 · 古汉语词 · 反义词");

// The main window's banner: the title, a row of dictionary spines and the collections.
void banner()
{
    QImage img(568, 275, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 275);
    bg.setColorAt(0, QColor(0xFB, 0xFB, 0xFF));
    bg.setColorAt(1, QColor(0xE4, 0xE8, 0xF8));
    p.fillRect(img.rect(), bg);
    p.setPen(QPen(QColor(0xB8, 0xC0, 0xE0), 2));
    p.drawRoundedRect(QRectF(3, 3, 562, 269), 10, 10);

    centredText(p, QRectF(0, 10, 568, 80), QStringLiteral("澄心辞苑"), font("Noto Serif CJK SC", 62, true), QColor(0x8A, 0x14, 0x14));
    centredText(p, QRectF(0, 84, 568, 20), QStringLiteral("汉语工具书文库"), font("Noto Sans CJK SC", 14), QColor(0x50, 0x50, 0x70));

    const char *spines[] = {"新华字典", "汉语辞海", "成语词典", "中华灯谜", "歇后语", "古汉语词", "反义词"};
    const QColor colours[] = {QColor(0x20, 0x5C, 0xC8), QColor(0xC8, 0x6A, 0x10), QColor(0xB0, 0x20, 0x20), QColor(0xA0, 0x20, 0x60),
                              QColor(0x2E, 0x8A, 0x3A), QColor(0x40, 0x40, 0x90), QColor(0x70, 0x50, 0x20)};
    const int spineW = 46, gap = 10, total = 7 * spineW + 6 * gap;
    int x = (568 - total) / 2;
    for (int i = 0; i < 7; ++i, x += spineW + gap) {
        const QRectF s(x, 112, spineW, 118);
        QLinearGradient g(s.topLeft(), s.topRight());
        g.setColorAt(0, colours[i].darker(130));
        g.setColorAt(0.4, colours[i].lighter(125));
        g.setColorAt(1, colours[i].darker(140));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(s, 3, 3);
        p.setBrush(QColor(0xE8, 0xC8, 0x60));
        p.drawRect(QRectF(s.left(), s.top() + 10, s.width(), 3));
        p.drawRect(QRectF(s.left(), s.bottom() - 13, s.width(), 3));
        // The title down the spine, one character under the other.
        const QString title = QString::fromUtf8(spines[i]);
        const qreal step = 84.0 / title.size();
        for (int k = 0; k < title.size(); ++k)
            centredText(p, QRectF(s.left(), s.top() + 17 + k * step, s.width(), step), title.mid(k, 1),
                        font("Noto Serif CJK SC", qMin(step - 2, 19.0), true), Qt::white);
    }
    centredText(p, QRectF(0, 238, 568, 26), QStringLiteral("收录 ") + kCollections, font("Noto Sans CJK SC", 15),
                QColor(0x30, 0x30, 0x60));
    save(img, QStringLiteral("banner.jpg"));
}

// The bottom strip of the main window, naming the collections.
void strip()
{
    QImage img(800, 30, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 30);
    bg.setColorAt(0, QColor(0xEE, 0xF0, 0xFC));
    bg.setColorAt(1, QColor(0xD8, 0xDC, 0xF2));
    p.fillRect(img.rect(), bg);
    centredText(p, QRectF(0, 0, 800, 30), QStringLiteral("澄心辞苑收录：") + kCollections + QStringLiteral("　　（点击此处查看收录数量）"),
                font("Noto Sans CJK SC", 13), QColor(0x30, 0x30, 0x70));
    save(img, QStringLiteral("strip.png"));
}

void logo(QPainter &p, const QPointF &centre, qreal radius)
{
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    g.setColorAt(0, QColor(0xE0, 0x40, 0x30));
    g.setColorAt(1, QColor(0x90, 0x10, 0x10));
    p.setPen(QPen(QColor(0x70, 0x08, 0x08), 2));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    centredText(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), QStringLiteral("澄"),
                font("AR PL UKai CN", radius * 1.3, true), Qt::white);
}

void splash()
{
    QImage img(182, 237, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 237);
    bg.setColorAt(0, QColor(0xFF, 0xFD, 0xF4));
    bg.setColorAt(1, QColor(0xE8, 0xE0, 0xC8));
    p.fillRect(img.rect(), bg);
    p.fillRect(QRect(0, 0, 182, 30), QColor(0x20, 0x3C, 0x80));
    centredText(p, QRectF(0, 0, 182, 30), QStringLiteral("数据读取中，请稍候"), font("Noto Sans CJK SC", 14, true), Qt::white);
    logo(p, QPointF(91, 92), 40);
    centredText(p, QRectF(0, 140, 182, 60), QStringLiteral("澄心辞苑"), font("Noto Serif CJK SC", 36, true),
                QColor(0x8A, 0x14, 0x14));
    centredText(p, QRectF(0, 200, 182, 26), QStringLiteral("汉语工具书文库"), font("Noto Sans CJK SC", 13), QColor(0x50, 0x48, 0x30));
    p.setPen(QPen(QColor(0x80, 0x70, 0x50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 181, 236));
    save(img, QStringLiteral("splash.jpg"));
}

// A banner of a dictionary window: a title in the clerical-style face over
// a pale wash with a red seal.
void titleBanner(const QString &name, int w, int h, const QString &title, const QString &subtitle)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, w, 0);
    bg.setColorAt(0, QColor(0x2A, 0x48, 0x90));
    bg.setColorAt(0.6, QColor(0x7A, 0x96, 0xD0));
    bg.setColorAt(1, QColor(0xE8, 0xEE, 0xFA));
    p.fillRect(img.rect(), bg);
    const qreal seal = h * 0.62;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x20, 0x20));
    p.drawRoundedRect(QRectF(h * 0.25, (h - seal) / 2, seal, seal), 3, 3);
    centredText(p, QRectF(h * 0.25, (h - seal) / 2, seal, seal), title.left(1), font("AR PL UKai CN", seal * 0.8, true), Qt::white);
    const qreal textLeft = h * 0.25 + seal + h * 0.3;
    p.setFont(font("AR PL UKai CN", h * 0.55, true));
    const int titleWidth = p.fontMetrics().horizontalAdvance(title);
    centredText(p, QRectF(textLeft, 0, titleWidth + 4, h), title, font("AR PL UKai CN", h * 0.55, true), Qt::white,
                Qt::AlignLeft | Qt::AlignVCenter);
    centredText(p, QRectF(textLeft + titleWidth + h * 0.4, 0, w, h), subtitle, font("Noto Sans CJK SC", h * 0.28),
                QColor(0xF0, 0xF4, 0xFF), Qt::AlignLeft | Qt::AlignVCenter);
    save(img, name);
}

void statsBanners()
{
    {
        QImage img(672, 90, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QLinearGradient bg(0, 0, 0, 90);
        bg.setColorAt(0, QColor(0x24, 0x40, 0x88));
        bg.setColorAt(1, QColor(0x5A, 0x78, 0xC0));
        p.fillRect(img.rect(), bg);
        logo(p, QPointF(56, 45), 30);
        centredText(p, QRectF(104, 8, 560, 50), QStringLiteral("澄心辞苑"), font("Noto Serif CJK SC", 38, true), Qt::white,
                    Qt::AlignLeft | Qt::AlignVCenter);
        centredText(p, QRectF(106, 56, 560, 26), QStringLiteral("各辞库收录数量"), font("Noto Sans CJK SC", 16), QColor(0xE0, 0xE8, 0xFF),
                    Qt::AlignLeft | Qt::AlignVCenter);
        save(img, QStringLiteral("stats_top.jpg"));
    }
    {
        QImage img(672, 90, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QLinearGradient bg(0, 0, 0, 90);
        bg.setColorAt(0, QColor(0xE4, 0xE8, 0xF8));
        bg.setColorAt(1, QColor(0x9C, 0xAC, 0xD8));
        p.fillRect(img.rect(), bg);
        // Rolling hills in three shades.
        for (int layer = 0; layer < 3; ++layer) {
            QPainterPath hills;
            hills.moveTo(0, 90);
            for (int x = 0; x <= 672; x += 8)
                hills.lineTo(x, 60 - layer * 10 + 10 * qSin((x + layer * 90) / (70.0 + layer * 20)));
            hills.lineTo(672, 90);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x60 + layer * 30, 0x78 + layer * 30, 0xB8 + layer * 16, 150));
            p.drawPath(hills);
        }
        centredText(p, QRectF(0, 4, 660, 24), QStringLiteral("按住图片可以移动窗口"), font("Noto Sans CJK SC", 12),
                    QColor(0x40, 0x48, 0x70), Qt::AlignRight | Qt::AlignVCenter);
        save(img, QStringLiteral("stats_bottom.jpg"));
    }
}

void icon()
{
    QImage img = canvas(256, 256);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 256);
    bg.setColorAt(0, QColor(0x3A, 0x5C, 0xB0));
    bg.setColorAt(1, QColor(0x1A, 0x30, 0x70));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    logo(p, QPointF(128, 128), 92);
    const QString path = g_out + QStringLiteral("/icons/chengxin.png");
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cxartwork RESOURCES_DIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out + QStringLiteral("/pictures"));
    QDir().mkpath(g_out + QStringLiteral("/icons"));
    toolbar();
    buttonGlyphs();
    separator();
    tile();
    banner();
    strip();
    splash();
    statsBanners();
    titleBanner(QStringLiteral("char_banner.jpg"), 640, 43, QStringLiteral("新华字典"), QStringLiteral("部首 · 五笔 · 拼音 · 繁体 · 释义"));
    titleBanner(QStringLiteral("word_banner.jpg"), 424, 53, QStringLiteral("汉语辞海"), QStringLiteral("词语 · 拼音 · 繁体 · 解释"));
    icon();
    return 0;
}
