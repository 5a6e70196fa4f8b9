#pragma once
// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers GET requests from a
// table of paths and records every request target it sees, exactly as sent.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace cx::test {

class LoopbackServer {
public:
    struct Reply {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
    };

    LoopbackServer()
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection())
                serve(s);
        });
    }

    quint16 port() const { return server_.serverPort(); }
    QString origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    void add(const QByteArray &target, Reply reply) { replies_.insert(target, std::move(reply)); }
    // The request targets in the order they came.
    const QList<QByteArray> &requests() const { return requests_; }

private:
    void serve(QTcpSocket *socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            if (!buffer->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> line = buffer->left(buffer->indexOf("\r\n")).split(' ');
            const QByteArray target = line.size() > 1 ? line[1] : QByteArray();
            buffer->clear();
            requests_ << target;
            const auto it = replies_.constFind(target);
            const Reply r = it != replies_.constEnd() ? *it : Reply{404, "text/plain", "not found"};
            QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + (r.status == 200 ? " OK" : " Error")
                + "\r\nContent-Type: " + r.contentType + "\r\nContent-Length: " + QByteArray::number(r.body.size())
                + "\r\nConnection: close\r\n\r\n";
            socket->write(head + r.body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QByteArray, Reply> replies_;
    QList<QByteArray> requests_;
};

} // namespace cx::test
