#include "player/strokemovie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <algorithm>
#include <cmath>

namespace cx::player {
namespace {

class PathReader {
public:
    explicit PathReader(QStringView text) : s_(text) {}

    void skipSeparators()
    {
        while (i_ < s_.size() && (s_[i_].isSpace() || s_[i_] == u','))
            ++i_;
    }
    bool atEnd()
    {
        skipSeparators();
        return i_ >= s_.size();
    }
    // A command letter comes next.
    bool atCommand()
    {
        skipSeparators();
        return i_ < s_.size() && s_[i_].isLetter() && s_[i_] != u'e' && s_[i_] != u'E';
    }
    QChar command() { return s_[i_++]; }

    std::optional<double> number()
    {
        skipSeparators();
        const qsizetype begin = i_;
        auto digits = [&] {
            const qsizetype from = i_;
            while (i_ < s_.size() && s_[i_].isDigit())
                ++i_;
            return i_ > from;
        };
        if (i_ < s_.size() && (s_[i_] == u'+' || s_[i_] == u'-'))
            ++i_;
        bool any = digits();
        if (i_ < s_.size() && s_[i_] == u'.') {
            ++i_;
            any = digits() || any;
        }
        if (!any) {
            i_ = begin;
            return std::nullopt;
        }
        if (i_ < s_.size() && (s_[i_] == u'e' || s_[i_] == u'E')) {
            const qsizetype mark = i_++;
            if (i_ < s_.size() && (s_[i_] == u'+' || s_[i_] == u'-'))
                ++i_;
            if (!digits())
                i_ = mark;
        }
        bool ok = false;
        const double v = s_.mid(begin, i_ - begin).toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return std::nullopt;
        return v;
    }
    std::optional<QPointF> point()
    {
        const auto x = number();
        if (!x)
            return std::nullopt;
        const auto y = number();
        if (!y)
            return std::nullopt;
        return QPointF(*x, *y);
    }

private:
    QStringView s_;
    qsizetype i_ = 0;
};

// Far outside the em box a file is not a stroke file; such numbers would
// only make the drawing slow.
constexpr double kMaxCoordinate = 8192;
bool sane(const QRectF &r)
{
    return r.left() >= -kMaxCoordinate && r.top() >= -kMaxCoordinate && r.right() <= kMaxCoordinate
        && r.bottom() <= kMaxCoordinate;
}

std::optional<QPointF> toPoint(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble())
        return std::nullopt;
    const double x = a[0].toDouble(), y = a[1].toDouble();
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > kMaxCoordinate || std::abs(y) > kMaxCoordinate)
        return std::nullopt;
    return QPointF(x, y);
}

} // namespace

std::optional<QPainterPath> ParseSvgPath(QStringView data)
{
    PathReader r(data);
    QPainterPath path;
    QPointF current, subpathStart;
    QChar cmd;
    bool started = false;
    while (!r.atEnd()) {
        if (r.atCommand())
            cmd = r.command();
        else if (cmd.isNull() || cmd == u'Z' || cmd == u'z')
            return std::nullopt; // numbers with no command to repeat
        const bool relative = cmd.isLower();
        const QPointF origin = relative ? current : QPointF();
        auto at = [&](std::optional<QPointF> p) { return p ? std::optional<QPointF>(*p + origin) : p; };
        switch (cmd.toUpper().unicode()) {
        case u'M': {
            const auto p = at(r.point());
            if (!p)
                return std::nullopt;
            path.moveTo(*p);
            current = subpathStart = *p;
            started = true;
            // Further pairs after a move are lines.
            cmd = relative ? QChar(u'l') : QChar(u'L');
            break;
        }
        case u'L': {
            const auto p = at(r.point());
            if (!p || !started)
                return std::nullopt;
            path.lineTo(*p);
            current = *p;
            break;
        }
        case u'H': {
            const auto x = r.number();
            if (!x || !started)
                return std::nullopt;
            current.setX(*x + origin.x());
            path.lineTo(current);
            break;
        }
        case u'V': {
            const auto y = r.number();
            if (!y || !started)
                return std::nullopt;
            current.setY(*y + origin.y());
            path.lineTo(current);
            break;
        }
        case u'Q': {
            const auto c = at(r.point());
            const auto p = at(r.point());
            if (!c || !p || !started)
                return std::nullopt;
            path.quadTo(*c, *p);
            current = *p;
            break;
        }
        case u'C': {
            const auto c1 = at(r.point());
            const auto c2 = at(r.point());
            const auto p = at(r.point());
            if (!c1 || !c2 || !p || !started)
                return std::nullopt;
            path.cubicTo(*c1, *c2, *p);
            current = *p;
            break;
        }
        case u'Z':
            if (!started)
                return std::nullopt;
            path.closeSubpath();
            current = subpathStart;
            break;
        default:
            return std::nullopt;
        }
    }
    if (!started)
        return std::nullopt;
    return path;
}

std::optional<StrokeMovie> ParseStrokeMovie(const QByteArray &json)
{
    if (json.size() > kMaxMovieBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonArray strokes = doc.object().value(QLatin1String("strokes")).toArray();
    const QJsonArray medians = doc.object().value(QLatin1String("medians")).toArray();
    if (strokes.isEmpty() || strokes.size() != medians.size())
        return std::nullopt;
    StrokeMovie movie;
    movie.strokes.reserve(strokes.size());
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        if (!strokes[i].isString() || !medians[i].isArray())
            return std::nullopt;
        auto outline = ParseSvgPath(strokes[i].toString());
        if (!outline || !sane(outline->controlPointRect()))
            return std::nullopt;
        Stroke s;
        s.outline = std::move(*outline);
        s.outline.setFillRule(Qt::WindingFill);
        for (const QJsonValue &v : medians[i].toArray()) {
            const auto p = toPoint(v);
            if (!p)
                return std::nullopt;
            s.median << *p;
        }
        if (s.median.isEmpty())
            return std::nullopt;
        s.medianLength = PolylineLength(s.median);
        movie.strokes.push_back(std::move(s));
    }
    return movie;
}

double PolylineLength(const QVector<QPointF> &points)
{
    double total = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        total += QLineF(points[i - 1], points[i]).length();
    return total;
}

QVector<QPointF> PolylinePrefix(const QVector<QPointF> &points, double length)
{
    QVector<QPointF> out;
    if (points.isEmpty())
        return out;
    out << points.front();
    double left = length;
    for (qsizetype i = 1; i < points.size() && left > 0; ++i) {
        const QLineF segment(points[i - 1], points[i]);
        const double l = segment.length();
        if (l <= left) {
            out << points[i];
            left -= l;
        } else {
            out << segment.pointAt(left / l);
            break;
        }
    }
    return out;
}

double StrokeDrawMs(double medianLength) { return (std::max(0.0, medianLength) + 600) / 3; }

Timeline MakeTimeline(const StrokeMovie &movie)
{
    Timeline t;
    double at = 0;
    for (std::size_t i = 0; i < movie.strokes.size(); ++i) {
        if (i > 0)
            at += kStrokeGapMs;
        t.start.push_back(at);
        at += StrokeDrawMs(movie.strokes[i].medianLength);
        t.end.push_back(at);
    }
    t.drawn = at;
    t.period = at + kPassHoldMs;
    return t;
}

Frame FrameAt(const Timeline &timeline, double ms)
{
    Frame f;
    if (timeline.start.empty() || timeline.period <= 0)
        return f;
    ms = std::max(0.0, ms);
    f.pass = int(std::floor(ms / timeline.period));
    const double in = ms - f.pass * timeline.period;
    const int n = int(timeline.start.size());
    // Strokes that have ended by now.
    f.complete = int(std::upper_bound(timeline.end.begin(), timeline.end.end(), in) - timeline.end.begin());
    if (f.complete < n && in >= timeline.start[f.complete]) {
        f.active = f.complete;
        const double span = timeline.end[f.active] - timeline.start[f.active];
        f.progress = span > 0 ? (in - timeline.start[f.active]) / span : 1;
    }
    return f;
}

int PassesDrawn(const Timeline &timeline, double ms)
{
    if (timeline.period <= 0 || ms < timeline.drawn)
        return 0;
    return 1 + int(std::floor((ms - timeline.drawn) / timeline.period));
}

QRectF CharacterSquare(QSizeF box, double margin)
{
    const double side = std::max(0.0, std::min(box.width(), box.height()) - 2 * margin);
    return QRectF((box.width() - side) / 2, (box.height() - side) / 2, side, side);
}

QTransform EmToSquare(const QRectF &square)
{
    const double s = square.width() / 1024;
    // x' = left + x·s, y' = top + (900 − y)·s
    return QTransform(s, 0, 0, -s, square.left(), square.top() + 900 * s);
}

} // namespace cx::player
