#pragma once
// A DX cluster node played by the test on 127.0.0.1: it takes connections, records what the
// client sends and writes what the test gives it.
#include <QTcpServer>
#include <QTcpSocket>

namespace kastlog::test {

class Node : public QObject {
public:
    Node() {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                client = s;
                ++connections;
                received.clear();
                connect(s, &QTcpSocket::readyRead, this, [this, s] { received += s->readAll(); });
            }
        });
    }
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    // One packet, flushed at once so that the client sees it apart from the next one.
    void send(const QByteArray &bytes) {
        client->write(bytes);
        client->flush();
        client->waitForBytesWritten(1000);
    }

    QTcpServer server;
    QTcpSocket *client = nullptr;  // the last connection
    QByteArray received;
    int connections = 0;
};

}  // namespace kastlog::test
