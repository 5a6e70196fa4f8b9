#include "player/strokeplayer.h"

#include <QPainter>

namespace cx::player {
namespace {

const QColor kGround(0xFF, 0xFF, 0xFF);
const QColor kGrid(0xE0, 0x9A, 0x9A);
const QColor kShadow(0xDD, 0xDD, 0xDD);
const QColor kInk(0x22, 0x22, 0x22);
const QColor kActive(0xC8, 0x28, 0x28);

void paintGrid(QPainter &p, const QRectF &sq)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGrid, 2));
    p.drawRect(sq.adjusted(1, 1, -1, -1));
    QPen dashed(kGrid, 1, Qt::DashLine);
    p.setPen(dashed);
    const QPointF c = sq.center();
    p.drawLine(QPointF(sq.left(), c.y()), QPointF(sq.right(), c.y()));
    p.drawLine(QPointF(c.x(), sq.top()), QPointF(c.x(), sq.bottom()));
    p.drawLine(sq.topLeft(), sq.bottomRight());
    p.drawLine(sq.topRight(), sq.bottomLeft());
}

} // namespace

void PaintStrokeFrame(QPainter &p, const QRectF &box, const StrokeMovie *movie, const Frame &frame)
{
    p.save();
    p.fillRect(box, kGround);
    if (!movie) {
        p.restore();
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF square = CharacterSquare(box.size()).translated(box.topLeft());
    paintGrid(p, square);
    const QTransform em = EmToSquare(square);
    p.setPen(Qt::NoPen);
    const int n = int(movie->strokes.size());
    for (int i = 0; i < n; ++i) {
        p.setBrush(i < frame.complete ? kInk : kShadow);
        p.drawPath(em.map(movie->strokes[i].outline));
    }
    if (frame.active >= 0 && frame.active < n) {
        const Stroke &s = movie->strokes[frame.active];
        const QVector<QPointF> shown = PolylinePrefix(s.median, s.medianLength * frame.progress);
        p.setClipPath(em.map(s.outline));
        QPen pen(kActive, kRevealPenEm * em.m11(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QPolygonF line = em.map(QPolygonF(shown));
        if (line.size() == 1)
            p.drawPoint(line.front());
        else
            p.drawPolyline(line);
    }
    p.restore();
}

TStrokePlayer::TStrokePlayer(const QString &baseAddress, QWidget *parent, const QString &movieFolder)
    : QWidget(parent), loader_(baseAddress, movieFolder)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, &TStrokePlayer::tick);
    connect(&loader_, &MovieLoader::progress, this, &TStrokePlayer::progress);
    connect(&loader_, &MovieLoader::loaded, this, &TStrokePlayer::loaded);
    connect(&loader_, &MovieLoader::failed, this, &TStrokePlayer::failed);
}

void TStrokePlayer::setMovie(const QString &address)
{
    address_ = address;
    movie_.reset();
    timeline_ = {};
    state_ = Loading;
    stopClock();
    banked_ = 0;
    update();
    loader_.load(address);
}

void TStrokePlayer::loaded(const StrokeMovie &movie)
{
    movie_ = movie;
    timeline_ = MakeTimeline(*movie_);
    banked_ = 0;
    passesReported_ = 0;
    shown_ = {};
    state_ = Complete;
    if (isVisible())
        startClock();
    update();
    emit readyStateChange(state_);
}

void TStrokePlayer::failed()
{
    // Nothing to show and nothing to say: the box stays white.
    movie_.reset();
    update();
}

double TStrokePlayer::elapsedMs() const
{
    return banked_ + (running_.isValid() ? running_.nsecsElapsed() / 1e6 : 0.0);
}

void TStrokePlayer::startClock()
{
    if (!movie_ || running_.isValid())
        return;
    running_.start();
    timer_.start();
}

void TStrokePlayer::stopClock()
{
    if (running_.isValid())
        banked_ += running_.nsecsElapsed() / 1e6;
    running_.invalidate();
    timer_.stop();
}

void TStrokePlayer::tick()
{
    if (!movie_)
        return;
    const double ms = elapsedMs();
    const Frame f = FrameAt(timeline_, ms);
    // Between strokes and while the finished character rests nothing moves.
    if (f.active >= 0 || f.complete != shown_.complete || f.pass != shown_.pass || shown_.active >= 0)
        update();
    const int passes = PassesDrawn(timeline_, ms);
    if (passes > passesReported_) {
        passesReported_ = passes;
        emit fsCommand(QStringLiteral("passEnd"), QString::number(passes));
    }
}

void TStrokePlayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    shown_ = movie_ ? FrameAt(timeline_, elapsedMs()) : Frame{};
    PaintStrokeFrame(p, rect(), strokeMovie(), shown_);
}

QImage TStrokePlayer::renderFrame(double ms) const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    PaintStrokeFrame(p, image.rect(), strokeMovie(), movie_ ? FrameAt(timeline_, ms) : Frame{});
    return image;
}

void TStrokePlayer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    startClock();
}

void TStrokePlayer::hideEvent(QHideEvent *event)
{
    stopClock();
    QWidget::hideEvent(event);
}

} // namespace cx::player
