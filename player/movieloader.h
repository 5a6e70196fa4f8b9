#pragma once
// Fetching a stroke-order movie: the local movie folder first, the web only
// when the movie is not there.

#include "player/strokemovie.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace cx::player {

// The movie name of an address: what follows the base address, when the
// address starts with it and that rest is a plain file name (no folder
// separator, not "." or ".."), so a name from the store can never reach a
// file outside the movie folder. Empty otherwise.
QString LocalMovieName(const QString &baseAddress, const QString &address);

// Loads movies by address. The local folder is tried first, by the movie
// name of the address; when no such file exists the address is fetched over
// HTTP. Each load raises progress while reading, then either loaded or
// failed; a new load drops the one in progress (its signals never come).
class MovieLoader : public QObject {
    Q_OBJECT
public:
    MovieLoader(const QString &baseAddress, const QString &movieFolder, QObject *parent = nullptr);
    ~MovieLoader() override;

    const QString &baseAddress() const { return base_; }
    const QString &movieFolder() const { return folder_; }
    // Longest wait for a web movie before it counts as failed.
    void setTransferTimeout(int ms) { timeoutMs_ = ms; }

    // A local file is read at once (its signals come before this returns);
    // a web movie arrives later through the event loop.
    void load(const QString &address);
    // Drops the load in progress.
    void cancel();

signals:
    void progress(int percentDone);
    void loaded(const cx::player::StrokeMovie &movie);
    void failed();

private:
    void loadLocal(const QString &path, quint64 serial);
    void fetch(const QString &address, quint64 serial);
    void finishReply(QNetworkReply *reply, quint64 serial);
    void finish(const QByteArray &data, quint64 serial);

    QString base_;
    QString folder_;
    QNetworkAccessManager *network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    quint64 serial_ = 0;
    int timeoutMs_ = 20000;
};

} // namespace cx::player
