// Draws the bitmaps of one of our skins from its theme file (colours and a
// motif), fills the shared description template and writes the skin file:
//   cx_skingen TEMPLATE THEME OUT [--embedded]
// With --embedded the output is the form built into the program: a 32-bit
// length followed by the skin file.
#include "skins/archive.h"
#include "text/gbk.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

const QColor kTransparent(255, 0, 255); // the description's Trans colour

struct Theme {
    QHash<QString, QString> values;
    QColor c(const char *key) const
    {
        const QStringList p = values.value(QString::fromLatin1(key)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return p.size() == 3 ? QColor(p[0].toInt(), p[1].toInt(), p[2].toInt()) : QColor(Qt::magenta);
    }
    QString motif() const { return values.value(QStringLiteral("Motif")); }
};

[[noreturn]] void die(const QString &message)
{
    std::fprintf(stderr, "cx_skingen: %s\n", message.toUtf8().constData());
    std::exit(1);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        die(QStringLiteral("cannot read %1").arg(path));
    return f.readAll();
}

Theme readTheme(const QString &path)
{
    Theme t;
    for (const QString &line : QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'))) {
        const QString s = line.trimmed();
        const qsizetype eq = s.indexOf(QLatin1Char('='));
        if (s.isEmpty() || s.startsWith(QLatin1Char('#')) || eq < 0)
            continue;
        t.values.insert(s.left(eq).trimmed(), s.mid(eq + 1).trimmed());
    }
    return t;
}

using FrameFn = std::function<void(QPainter &, const QRect &, int frame)>;

// `frames` states of `size` side by side; transparent pieces start magenta
// and are drawn without antialiasing so no pink fringe is left.
QImage strip(int frames, QSize size, bool trans, const FrameFn &draw)
{
    QImage img(size.width() * frames, size.height(), QImage::Format_RGB32);
    img.fill(trans ? kTransparent : QColor(Qt::black));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, !trans);
    for (int f = 0; f < frames; ++f) {
        p.save();
        draw(p, QRect(QPoint(f * size.width(), 0), size), f);
        p.restore();
    }
    return img;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A raised (or sunken) face with a vertical gradient and a one-pixel outline.
void bevel(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom, const QColor &outline,
           qreal radius, bool horizontal = false)
{
    QLinearGradient g(r.topLeft(), horizontal ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(outline, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void arrow(QPainter &p, const QRectF &r, int direction, const QColor &colour) // 0 up, 1 down, 2 left, 3 right
{
    const QPointF c = r.center();
    const qreal s = qMin(r.width(), r.height()) / 4.5;
    QPolygonF tri;
    switch (direction) {
    case 0: tri << QPointF(c.x() - s, c.y() + s / 2) << QPointF(c.x() + s, c.y() + s / 2) << QPointF(c.x(), c.y() - s / 2 - 1); break;
    case 1: tri << QPointF(c.x() - s, c.y() - s / 2) << QPointF(c.x() + s, c.y() - s / 2) << QPointF(c.x(), c.y() + s / 2 + 1); break;
    case 2: tri << QPointF(c.x() + s / 2, c.y() - s) << QPointF(c.x() + s / 2, c.y() + s) << QPointF(c.x() - s / 2 - 1, c.y()); break;
    default: tri << QPointF(c.x() - s / 2, c.y() - s) << QPointF(c.x() - s / 2, c.y() + s) << QPointF(c.x() + s / 2 + 1, c.y()); break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tri);
}

// One small emblem of the skin's motif, centred on `c`.
void motif(QPainter &p, const QString &kind, QPointF c, qreal r, const QColor &a, const QColor &b)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == QLatin1String("blossom")) {
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        for (int i = 0; i < 5; ++i) {
            const qreal t = i * 2 * M_PI / 5 - M_PI / 2;
            p.drawEllipse(c + QPointF(std::cos(t), std::sin(t)) * r * 0.55, r * 0.45, r * 0.45);
        }
        p.setBrush(b);
        p.drawEllipse(c, r * 0.25, r * 0.25);
    } else if (kind == QLatin1String("sun")) {
        p.setPen(QPen(b, qMax(1.0, r / 6)));
        for (int i = 0; i < 8; ++i) {
            const qreal t = i * M_PI / 4;
            p.drawLine(c + QPointF(std::cos(t), std::sin(t)) * r * 0.6, c + QPointF(std::cos(t), std::sin(t)) * r);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawEllipse(c, r * 0.45, r * 0.45);
    } else if (kind == QLatin1String("leaf")) {
        QPainterPath leaf;
        leaf.moveTo(c + QPointF(0, -r));
        leaf.quadTo(c + QPointF(r, -r * 0.2), c + QPointF(0, r));
        leaf.quadTo(c + QPointF(-r, -r * 0.2), c + QPointF(0, -r));
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawPath(leaf);
        p.setPen(QPen(b, 1));
        p.drawLine(c + QPointF(0, -r * 0.7), c + QPointF(0, r * 1.2));
    } else if (kind == QLatin1String("snow")) {
        p.setPen(QPen(a, qMax(1.0, r / 7)));
        for (int i = 0; i < 3; ++i) {
            const qreal t = i * M_PI / 3;
            const QPointF d(std::cos(t) * r, std::sin(t) * r);
            p.drawLine(c - d, c + d);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(b);
        p.drawEllipse(c, r * 0.18, r * 0.18);
    } else if (kind == QLatin1String("star")) {
        QPolygonF star;
        for (int i = 0; i < 8; ++i) {
            const qreal t = i * M_PI / 4 - M_PI / 2;
            const qreal rr = i % 2 ? r * 0.3 : r;
            star << c + QPointF(std::cos(t), std::sin(t)) * rr;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawPolygon(star);
    }
    p.restore();
}

QByteArray bmpBytes(const QImage &img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    if (!img.convertToFormat(QImage::Format_RGB888).save(&buf, "BMP"))
        die(QStringLiteral("cannot encode a bitmap"));
    return out;
}

QList<QPair<QByteArray, QImage>> drawBitmaps(const Theme &t)
{
    const QColor face = t.c("ButtonFace"), light = t.c("ButtonHighlight"), shadow = t.c("ButtonShadow"),
                 dark = t.c("ButtonDark"), accent = t.c("Accent"), hi = t.c("Highlight"), form = t.c("Form"),
                 base = t.c("Window"), text = t.c("ButtonText"), track = t.c("Track"), hiText = t.c("HighlightText");
    const QColor disabledFace = mix(face, form, 0.6), disabledInk = mix(shadow, form, 0.3);
    const QString m = t.motif();
    QList<QPair<QByteArray, QImage>> out;
    auto add = [&](const char *name, const QImage &img) { out.append({QByteArray(name), img}); };

    // State faces shared by buttons, arrows, thumbs and headers: normal, hot,
    // pressed, disabled.
    auto stateFace = [&](QPainter &p, const QRectF &r, int state, qreal radius, bool horizontal = false) {
        switch (state) {
        case 0: bevel(p, r, mix(face, light, 0.7), face, shadow, radius, horizontal); break;
        case 1: bevel(p, r, light, mix(face, accent, 0.25), accent, radius, horizontal); break;
        case 2: bevel(p, r, mix(face, dark, 0.25), mix(face, light, 0.3), dark, radius, horizontal); break;
        default: bevel(p, r, disabledFace, disabledFace, disabledInk, radius, horizontal); break;
        }
    };

    add("buttons.bmp", strip(5, {24, 24}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, form);
            if (f == 4) {
                stateFace(p, r, 0, 3);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(accent, 2));
                p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 3, 3);
            } else {
                stateFace(p, r, f, 3);
            }
        }));
    auto indicator = [&](bool round) {
        return strip(8, {13, 13}, round, [&, round](QPainter &p, const QRect &r, int f) {
            const int state = f % 4;
            const bool checked = f >= 4;
            const QColor fill = state == 3 ? disabledFace : state == 2 ? mix(base, shadow, 0.3) : base;
            const QColor edge = state == 1 ? accent : state == 3 ? disabledInk : dark;
            const QColor ink = state == 3 ? disabledInk : hi;
            p.setPen(edge);
            p.setBrush(fill);
            if (round) {
                p.drawEllipse(QRect(r.x(), r.y(), 12, 12));
                if (checked) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(ink);
                    p.drawEllipse(QRect(r.x() + 3, r.y() + 3, 7, 7));
                }
            } else {
                p.drawRect(r.adjusted(0, 0, -1, -1));
                if (checked) {
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.drawPolyline(QPolygonF{QPointF(r.x() + 3, r.y() + 6.5), QPointF(r.x() + 5.5, r.y() + 9),
                                             QPointF(r.x() + 10, r.y() + 3.5)});
                }
            }
        });
    };
    add("checkbox.bmp", indicator(false));
    add("radiobutton.bmp", indicator(true));
    add("edit.bmp", strip(2, {16, 16}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, base);
            p.setPen(f ? accent : shadow);
            p.setBrush(Qt::NoBrush);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (f)
                p.drawRect(r.adjusted(1, 1, -2, -2));
        }));
    add("groupbox.bmp", strip(1, {24, 24}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, form);
            p.setPen(QPen(shadow, 1));
            p.setBrush(mix(form, light, 0.35));
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        }));
    add("progress.bmp", strip(1, {16, 16}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, form);
            bevel(p, r, mix(track, shadow, 0.25), track, shadow, 3);
        }));
    add("progresschunk.bmp", strip(1, {8, 16}, false, [&](QPainter &p, const QRect &r, int) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, mix(accent, light, 0.5));
            g.setColorAt(0.5, accent);
            g.setColorAt(1, mix(accent, dark, 0.3));
            p.fillRect(r, g);
            p.fillRect(QRect(r.right(), r.top(), 1, r.height()), mix(accent, light, 0.3));
        }));
    add("tab.bmp", strip(3, {24, 22}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, form);
            const QRectF body = QRectF(r).adjusted(0, f == 2 ? 0 : 2, 0, 4);
            const QColor top = f == 2 ? light : f == 1 ? mix(face, light, 0.8) : mix(face, form, 0.3);
            bevel(p, body, top, f == 2 ? form : face, f == 1 ? accent : shadow, 4);
            if (f == 2)
                p.fillRect(QRectF(r.x() + 2, r.y() + 1, r.width() - 4, 2), accent);
        }));
    add("tabpane.bmp", strip(1, {16, 16}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, form);
            p.setPen(shadow);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(light);
            p.drawLine(r.x() + 1, r.y() + 1, r.right() - 1, r.y() + 1);
        }));
    add("comboboxbtn.bmp", strip(4, {17, 20}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, base);
            stateFace(p, r, f, 2);
        }));
    add("statusbar.bmp", strip(1, {32, 22}, false, [&](QPainter &p, const QRect &r, int) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, mix(face, light, 0.4));
            g.setColorAt(1, face);
            p.fillRect(r, g);
            p.fillRect(QRect(r.x(), r.y(), r.width(), 1), shadow);
            p.fillRect(QRect(r.x(), r.y() + 1, r.width(), 1), light);
        }));
    add("header.bmp", strip(3, {24, 20}, false, [&](QPainter &p, const QRect &r, int f) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, f == 2 ? face : light);
            g.setColorAt(1, f == 1 ? mix(face, accent, 0.3) : face);
            p.fillRect(r, g);
            p.fillRect(QRect(r.x(), r.bottom() - 1, r.width(), 2), f == 1 ? accent : shadow);
            p.fillRect(QRect(r.right(), r.y() + 3, 1, r.height() - 6), shadow);
        }));
    add("scrollbararrow.bmp", strip(16, {17, 17}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, track);
            const int state = f % 4;
            stateFace(p, r, state, 3, f / 4 >= 2);
            arrow(p, r, f / 4, state == 3 ? disabledInk : text);
        }));
    auto thumb = [&](bool horizontal) {
        return strip(3, horizontal ? QSize(24, 17) : QSize(17, 24), false,
                     [&, horizontal](QPainter &p, const QRect &r, int f) {
                         p.fillRect(r, track);
                         const QRectF body = QRectF(r).adjusted(horizontal ? 0 : 1, horizontal ? 1 : 0,
                                                                 horizontal ? 0 : -1, horizontal ? -1 : 0);
                         if (f == 0)
                             bevel(p, body, mix(face, light, 0.4), mix(face, accent, 0.35), shadow, 4, !horizontal);
                         else if (f == 1)
                             bevel(p, body, light, mix(face, accent, 0.6), accent, 4, !horizontal);
                         else
                             bevel(p, body, mix(accent, dark, 0.2), accent, dark, 4, !horizontal);
                         // grip lines in the middle
                         const QPointF c = body.center();
                         p.setPen(QPen(mix(shadow, dark, 0.3), 1));
                         for (int k = -2; k <= 2; k += 2) {
                             if (horizontal)
                                 p.drawLine(QPointF(c.x() + k + 0.5, c.y() - 3), QPointF(c.x() + k + 0.5, c.y() + 3));
                             else
                                 p.drawLine(QPointF(c.x() - 3, c.y() + k + 0.5), QPointF(c.x() + 3, c.y() + k + 0.5));
                         }
                     });
    };
    add("hscrollthumb.bmp", thumb(true));
    add("vscrollthumb.bmp", thumb(false));
    add("hscrolltrack.bmp", strip(1, {24, 17}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, track);
            p.fillRect(QRect(r.x(), r.y(), r.width(), 1), mix(track, shadow, 0.5));
            p.fillRect(QRect(r.x(), r.bottom(), r.width(), 1), mix(track, light, 0.5));
        }));
    add("vscrolltrack.bmp", strip(1, {17, 24}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, track);
            p.fillRect(QRect(r.x(), r.y(), 1, r.height()), mix(track, shadow, 0.5));
            p.fillRect(QRect(r.right(), r.y(), 1, r.height()), mix(track, light, 0.5));
        }));
    add("menubackground.bmp", strip(1, {64, 64}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, mix(base, form, 0.12));
            const QColor soft = mix(mix(base, form, 0.12), hi, 0.2), soft2 = mix(mix(base, form, 0.12), accent, 0.25);
            motif(p, m, QPointF(18, 18), 6, soft, soft2);
            motif(p, m, QPointF(46, 46), 6, soft2, soft);
            p.setPen(shadow);
            p.setBrush(Qt::NoBrush);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(light);
            p.drawRect(r.adjusted(1, 1, -2, -2));
        }));
    add("menuitem.bmp", strip(1, {24, 20}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, mix(base, form, 0.12));
            bevel(p, r, mix(hi, light, 0.35), hi, mix(hi, dark, 0.3), 3);
        }));
    add("menubar.bmp", strip(1, {32, 22}, false, [&](QPainter &p, const QRect &r, int) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, mix(face, light, 0.6));
            g.setColorAt(1, face);
            p.fillRect(r, g);
            p.fillRect(QRect(r.x(), r.bottom() - 1, r.width(), 1), shadow);
            p.fillRect(QRect(r.x(), r.bottom(), r.width(), 1), mix(accent, face, 0.3));
        }));
    add("extraimages.bmp", strip(4, {12, 12}, true, [&](QPainter &p, const QRect &r, int f) {
            if (f == 0) {
                p.setPen(QPen(text, 2));
                p.drawPolyline(QPolygon{QPoint(r.x() + 2, r.y() + 6), QPoint(r.x() + 5, r.y() + 9), QPoint(r.x() + 10, r.y() + 3)});
            } else if (f == 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(text);
                p.drawEllipse(QRect(r.x() + 3, r.y() + 3, 6, 6));
            } else {
                arrow(p, r, f == 2 ? 3 : 1, text);
            }
        }));
    add("trackbarhorz.bmp", strip(3, {11, 21}, true, [&](QPainter &p, const QRect &r, int f) {
            p.setPen(f == 1 ? accent : dark);
            p.setBrush(f == 2 ? accent : face);
            p.drawPolygon(QPolygon{r.topLeft(), r.topRight(), QPoint(r.right(), r.bottom() - 5),
                                   QPoint(r.center().x(), r.bottom()), QPoint(r.left(), r.bottom() - 5)});
        }));
    add("trackbardown.bmp", strip(3, {21, 11}, true, [&](QPainter &p, const QRect &r, int f) {
            p.setPen(f == 1 ? accent : dark);
            p.setBrush(f == 2 ? accent : face);
            p.drawPolygon(QPolygon{r.topLeft(), QPoint(r.right() - 5, r.top()), QPoint(r.right(), r.center().y()),
                                   QPoint(r.right() - 5, r.bottom()), r.bottomLeft()});
        }));
    auto captionGlyph = [&](int glyph, QSize size) {
        return strip(3, size, true, [&, glyph](QPainter &p, const QRect &r, int f) {
            const QColor fill = f == 0 ? face : f == 1 ? mix(face, accent, 0.5) : accent;
            p.setPen(dark);
            p.setBrush(fill);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(QPen(f == 2 ? hiText : text, 2));
            const QRect g = r.adjusted(5, 4, -6, -5);
            switch (glyph) {
            case 0: p.drawLine(g.topLeft(), g.bottomRight()); p.drawLine(g.topRight(), g.bottomLeft()); break;
            case 1: p.setBrush(Qt::NoBrush); p.drawRect(g); break;
            case 2: p.drawLine(g.bottomLeft(), g.bottomRight()); break;
            case 3: p.drawPoint(g.center()); break;
            default: motif(p, m, g.center(), g.height() / 2.0, hi, accent); break;
            }
        });
    };
    add("mdibutton.bmp", strip(3, {16, 14}, true, [&](QPainter &p, const QRect &r, int f) {
            p.setPen(dark);
            p.setBrush(f ? accent : face);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }));
    add("spin.bmp", strip(8, {15, 10}, false, [&](QPainter &p, const QRect &r, int f) {
            p.fillRect(r, base);
            stateFace(p, r, f % 4, 2);
            arrow(p, r, f >= 4 ? 1 : 0, f % 4 == 3 ? disabledInk : text);
        }));
    add("closebutton.bmp", captionGlyph(0, {18, 18}));
    add("maxbutton.bmp", captionGlyph(1, {18, 18}));
    add("minbutton.bmp", captionGlyph(2, {18, 18}));
    add("helpbutton.bmp", captionGlyph(3, {18, 18}));
    add("sysbutton.bmp", captionGlyph(4, {18, 18}));
    add("framebottom.bmp", strip(1, {32, 4}, false, [&](QPainter &p, const QRect &r, int) {
            p.fillRect(r, face);
            p.fillRect(QRect(r.x(), r.bottom(), r.width(), 1), dark);
        }));
    add("mincaption.bmp", strip(1, {64, 20}, false, [&](QPainter &p, const QRect &r, int) {
            bevel(p, r, mix(hi, light, 0.4), hi, dark, 3);
            motif(p, m, QPointF(r.right() - 10, r.center().y()), 6, light, accent);
        }));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || args.size() > 4 || (args.size() == 4 && args[3] != QLatin1String("--embedded")))
        die(QStringLiteral("usage: cx_skingen TEMPLATE THEME OUT [--embedded]"));
    const Theme theme = readTheme(args[1]);

    QString description = QString::fromUtf8(readFile(args[0]));
    for (auto it = theme.values.cbegin(); it != theme.values.cend(); ++it)
        description.replace(QLatin1Char('@') + it.key() + QLatin1Char('@'), it.value());
    if (const qsizetype left = description.indexOf(QLatin1Char('@')); left >= 0)
        die(QStringLiteral("%1 leaves %2 unset").arg(args[1], description.mid(left, 20).section(QLatin1Char('\n'), 0, 0)));
    description.replace(QLatin1Char('\n'), QLatin1String("\r\n"));

    QList<cx::skins::SkinEntry> entries;
    for (const auto &[name, image] : drawBitmaps(theme))
        entries.append({name, bmpBytes(image)});
    cx::text::ConversionReport report;
    entries.append({"skin.ini", QByteArray::fromStdString(cx::text::toGbk(description, &report))});
    if (report.replaced > 0)
        die(QStringLiteral("%1 holds text that GBK cannot hold").arg(args[1]));

    QByteArray file = cx::skins::writeSkinFile(entries);
    if (args.size() == 4)
        file = cx::skins::embedSkinFile(file);
    QSaveFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit())
        die(QStringLiteral("cannot write %1").arg(args[2]));
    return 0;
}
