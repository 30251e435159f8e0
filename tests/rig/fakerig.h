#pragma once
// A rigctld played by the test on 127.0.0.1: it records every command line and answers what
// the test tells it to, as late as it is told; by default what the dummy radio answers on
// 14.285 MHz USB.
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

namespace kastlog::test {

class FakeRig : public QObject {
public:
    FakeRig() {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                client = s;
                ++connections;
                connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
            }
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }

    // The bytes answered to one command line (without its LF); nothing: no answer.
    std::function<QByteArray(const QByteArray &line)> answer = [](const QByteArray &line) -> QByteArray {
        if (line == "f") return "14285000\n";
        if (line == "m") return "USB\n15000\n";
        return "RPRT 0\n";
    };
    int delayMs = 0;            // every answer comes this late
    bool closeOnFirst = false;  // the first command closes the connection instead

    QTcpServer server;
    QPointer<QTcpSocket> client;  // the last connection
    QList<QByteArray> received;   // every command line, in order
    int connections = 0;
    int inFlightMax = 0;          // most commands waiting for their answer at once

private:
    void read(QTcpSocket *s) {
        while (s->canReadLine()) {
            const QByteArray line = s->readLine().trimmed();
            received << line;
            if (closeOnFirst) return s->disconnectFromHost();
            const QByteArray reply = answer(line);
            if (reply.isEmpty()) continue;
            inFlightMax = qMax(inFlightMax, ++m_waiting);
            QTimer::singleShot(delayMs, s, [this, s, reply] {
                --m_waiting;
                s->write(reply);
            });
        }
    }
    int m_waiting = 0;
};

}  // namespace kastlog::test
