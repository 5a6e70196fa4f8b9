// A stroke file of any bytes, as the player gets it from dat/hzbs/ or over
// the network: either refused, or a movie whose every stroke has an outline
// and a median within bounds, whose timeline runs forward and whose frames
// never point past the last stroke.

#include "harness.h"
#include "player/strokemovie.h"

#include <cmath>

using namespace cx::player;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // The path reader on its own, with the input read as path data.
    ParseSvgPath(QString::fromUtf8(json));

    const std::optional<StrokeMovie> movie = ParseStrokeMovie(json);
    if (!movie)
        return 0;
    CX_FUZZ_CHECK(!movie->strokes.empty());
    for (const Stroke &s : movie->strokes) {
        CX_FUZZ_CHECK(!s.median.isEmpty());
        CX_FUZZ_CHECK(std::isfinite(s.medianLength) && s.medianLength >= 0);
        const QRectF box = s.outline.controlPointRect();
        CX_FUZZ_CHECK(box.left() >= -8192 && box.right() <= 8192 && box.top() >= -8192 && box.bottom() <= 8192);
        // Half-way along the median is a point on it, and the whole prefix is the median.
        const QVector<QPointF> half = PolylinePrefix(s.median, s.medianLength / 2);
        CX_FUZZ_CHECK(!half.isEmpty() && half.front() == s.median.front());
        CX_FUZZ_CHECK(PolylineLength(half) <= s.medianLength / 2 + 1e-6 * (1 + s.medianLength));
        CX_FUZZ_CHECK(PolylinePrefix(s.median, s.medianLength + 1).size() == s.median.size());
    }

    const Timeline t = MakeTimeline(*movie);
    const int n = int(movie->strokes.size());
    CX_FUZZ_CHECK(int(t.start.size()) == n && int(t.end.size()) == n);
    for (int i = 0; i < n; ++i) {
        CX_FUZZ_CHECK(t.end[i] > t.start[i]);
        CX_FUZZ_CHECK(i == 0 || t.start[i] >= t.end[i - 1]);
    }
    CX_FUZZ_CHECK(t.period == t.drawn + kPassHoldMs);
    for (const double ms : {0.0, t.start.back(), t.drawn - 1, t.drawn, t.period - 1, t.period, 3.5 * t.period}) {
        const Frame f = FrameAt(t, ms);
        CX_FUZZ_CHECK(f.complete >= 0 && f.complete <= n);
        CX_FUZZ_CHECK(f.active == -1 || (f.active == f.complete && f.active < n));
        CX_FUZZ_CHECK(f.progress >= 0 && f.progress <= 1);
        CX_FUZZ_CHECK(PassesDrawn(t, ms) >= f.pass);
    }
    return 0;
}
