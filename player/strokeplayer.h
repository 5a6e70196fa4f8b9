#pragma once
// The stroke-order player: takes a movie address, loads the movie (from the
// local movie folder, else the web) and plays it in its box, reporting the
// loading progress, the ready state and a command at the end of every pass.

#include "player/movieloader.h"
#include "player/strokemovie.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace cx::player {

// Draws one frame of `movie` into `box`: white ground, the 米字格 grid, the
// whole character in pale grey, the finished strokes in ink and the active
// stroke revealed along its median inside its outline. Without a movie the
// box stays white.
void PaintStrokeFrame(QPainter &painter, const QRectF &box, const StrokeMovie *movie, const Frame &frame);

// The player control. The animation runs on a timer of about 60 frames a
// second while the control is visible; its clock stands still while hidden,
// so a window shown again goes on where it was.
class TStrokePlayer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Movie READ movie WRITE setMovie)
    Q_PROPERTY(int ReadyState READ readyState)
public:
    enum ReadyStates { Loading = 0, Complete = 4 };

    // baseAddress is the address the movie names follow ("…/other/hzbs/swf/");
    // movieFolder is where movies are looked for first.
    explicit TStrokePlayer(const QString &baseAddress, QWidget *parent = nullptr,
                           const QString &movieFolder = QStringLiteral("dat/hzbs"));

    QString movie() const { return address_; }
    // Loads the movie at address, also when it is the one already shown, and
    // plays it from the start. A movie that cannot be read shows nothing.
    void setMovie(const QString &address);
    int readyState() const { return state_; }
    // The loaded movie, or nullptr while loading or after a failure.
    const StrokeMovie *strokeMovie() const { return movie_ ? &*movie_ : nullptr; }
    const Timeline &timeline() const { return timeline_; }
    MovieLoader &loader() { return loader_; }

    // Playing time of the current movie in ms (paused while hidden).
    double elapsedMs() const;
    // The frame at `ms` of the current movie, as the control would paint it.
    QImage renderFrame(double ms) const;

signals:
    void progress(int percentDone);
    void readyStateChange(int newState);
    // "passEnd" with the number of passes drawn so far, when the last stroke
    // of a pass is drawn.
    void fsCommand(const QString &command, const QString &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void loaded(const StrokeMovie &movie);
    void failed();
    void tick();
    void startClock();
    void stopClock();

    MovieLoader loader_;
    QString address_;
    std::optional<StrokeMovie> movie_;
    Timeline timeline_;
    int state_ = Loading;
    QTimer timer_;
    QElapsedTimer running_;
    double banked_ = 0;
    int passesReported_ = 0;
    Frame shown_;
};

} // namespace cx::player
