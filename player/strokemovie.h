#pragma once
// A stroke-order movie: the outline and the median of every stroke of one
// character, read from the stroke files under dat/hzbs/ (JSON with "strokes",
// SVG path data per stroke, and "medians", a list of [x, y] points per
// stroke). Coordinates are in a 1024-unit em box with y pointing up; the box
// runs from y = -124 (bottom) to y = 900 (top). Nothing here needs a screen.

#include <QByteArray>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector>
#include <optional>
#include <vector>

namespace cx::player {

struct Stroke {
    QPainterPath outline;  // closed, in em units
    QVector<QPointF> median; // at least one point, in em units
    double medianLength = 0; // sum of the median's segment lengths
};

struct StrokeMovie {
    std::vector<Stroke> strokes; // never empty
};

// Stroke files are small (a few kilobytes); anything far larger is not one.
inline constexpr qint64 kMaxMovieBytes = 1 << 20;

// Path data of the absolute and relative commands M L H V Q C Z. Returns
// nothing for an empty path, an unknown command, a missing number or a path
// that does not start with a move.
std::optional<QPainterPath> ParseSvgPath(QStringView data);

// The movie in a stroke file; nothing when the file is not valid JSON, has
// no strokes, the two lists differ in length, a path does not parse or a
// median holds no point or a point that is not two finite numbers, or a
// coordinate lies far outside the em box.
std::optional<StrokeMovie> ParseStrokeMovie(const QByteArray &json);

double PolylineLength(const QVector<QPointF> &points);
// The first `length` units of the polyline (the whole line for a length
// beyond it, the first point for 0 or less).
QVector<QPointF> PolylinePrefix(const QVector<QPointF> &points, double length);

// ---- timing ---------------------------------------------------------------

// How long one stroke takes to draw: (median length + 600) / 3 ms, the pace
// of the common stroke-order viewers.
double StrokeDrawMs(double medianLength);
// Pause between two strokes, and how long the finished character stays
// before the next pass starts over.
inline constexpr double kStrokeGapMs = 1000;
inline constexpr double kPassHoldMs = 2000;

// When each stroke of a movie starts and ends within one pass.
struct Timeline {
    std::vector<double> start, end; // ms from the start of the pass
    double drawn = 0; // the last stroke has ended: the pass is complete
    double period = 0; // drawn + kPassHoldMs: the next pass begins
};
Timeline MakeTimeline(const StrokeMovie &movie);

// What is on screen at `ms` since the movie started (looping).
struct Frame {
    int pass = 0;       // 0-based pass number
    int complete = 0;   // strokes drawn in full
    int active = -1;    // stroke being drawn, -1 when none
    double progress = 0; // 0..1 of the active stroke's median
};
Frame FrameAt(const Timeline &timeline, double ms);
// How many passes have been drawn to the end by `ms`.
int PassesDrawn(const Timeline &timeline, double ms);

// ---- geometry -------------------------------------------------------------

// The square the character and its grid occupy in a box: as large as fits
// with `margin` pixels to spare on the short side, centred.
QRectF CharacterSquare(QSizeF box, double margin = 8);
// Em units (y up, -124..900) to the square (y down).
QTransform EmToSquare(const QRectF &square);
// The width of the pen that reveals a stroke, in em units: wide enough to
// cover the broadest stroke from its median.
inline constexpr double kRevealPenEm = 200;

} // namespace cx::player
