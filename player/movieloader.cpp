#include "player/movieloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace cx::player {

QString LocalMovieName(const QString &baseAddress, const QString &address)
{
    if (!address.startsWith(baseAddress))
        return {};
    const QString name = address.mid(baseAddress.size());
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return {};
    return name;
}

MovieLoader::MovieLoader(const QString &baseAddress, const QString &movieFolder, QObject *parent)
    : QObject(parent), base_(baseAddress), folder_(movieFolder)
{
}

MovieLoader::~MovieLoader() { cancel(); }

void MovieLoader::cancel()
{
    ++serial_;
    if (reply_) {
        QNetworkReply *r = reply_;
        reply_ = nullptr;
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
}

void MovieLoader::load(const QString &address)
{
    cancel();
    const quint64 serial = serial_;
    const QString name = LocalMovieName(base_, address);
    if (!name.isEmpty()) {
        const QString path = QDir(folder_).filePath(name);
        if (QFileInfo(path).isFile()) {
            loadLocal(path, serial);
            return;
        }
    } else if (address == base_) {
        // An empty movie name: nothing to look for anywhere.
        emit failed();
        return;
    }
    fetch(address, serial);
}

void MovieLoader::loadLocal(const QString &path, quint64 serial)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxMovieBytes) {
        emit failed();
        return;
    }
    const qint64 size = file.size();
    QByteArray data;
    data.reserve(size);
    constexpr qint64 kChunk = 4096;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            break;
        data += chunk;
        emit progress(size > 0 ? int(std::min<qint64>(100, data.size() * 100 / size)) : 100);
        if (serial != serial_)
            return; // a handler started another load
        if (data.size() > kMaxMovieBytes)
            break;
    }
    finish(data, serial);
}

void MovieLoader::fetch(const QString &address, quint64 serial)
{
    // The address is used as it stands; only what HTTP cannot carry
    // (blanks, characters outside ASCII) is percent-encoded on the wire.
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        emit failed();
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply *reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply, serial](qint64 received, qint64 total) {
        if (serial != serial_)
            return;
        if (received > kMaxMovieBytes || total > kMaxMovieBytes) {
            reply->abort(); // finished follows and reports the failure
            return;
        }
        emit progress(total > 0 ? int(std::min<qint64>(100, received * 100 / total)) : 0);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, serial] { finishReply(reply, serial); });
}

void MovieLoader::finishReply(QNetworkReply *reply, quint64 serial)
{
    reply->deleteLater();
    if (serial != serial_)
        return;
    reply_ = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        emit failed();
        return;
    }
    finish(reply->readAll(), serial);
}

void MovieLoader::finish(const QByteArray &data, quint64 serial)
{
    if (serial != serial_)
        return;
    auto movie = ParseStrokeMovie(data);
    if (movie)
        emit loaded(*movie);
    else
        emit failed();
}

} // namespace cx::player
