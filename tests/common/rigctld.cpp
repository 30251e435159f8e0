#include "tests/common/rigctld.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

namespace kastlog::test {

namespace {
quint16 freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}
}  // namespace

Rigctld::Rigctld() {
    // A port found free may be taken before rigctld binds it: a few tries.
    for (int attempt = 0; attempt < 3 && !m_port; ++attempt) {
        const quint16 port = freePort();
        m_process.start(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                                                    QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                                                    QString::number(port)});
        if (!m_process.waitForStarted(3000)) {
            m_why = QStringLiteral("rigctld does not start (%1): install libhamlib-utils").arg(m_process.errorString());
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000 && m_process.state() == QProcess::Running) {
            m_socket.connectToHost(QHostAddress::LocalHost, port);
            if (m_socket.waitForConnected(200)) {
                m_port = port;
                break;
            }
            m_socket.abort();
            QThread::msleep(20);
        }
        if (!m_port) {
            m_why = QStringLiteral("rigctld did not listen on port %1: %2").arg(port).arg(QString::fromLocal8Bit(m_process.readAllStandardError()));
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
}

Rigctld::~Rigctld() {
    m_socket.abort();
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(1000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QStringList Rigctld::ask(const QByteArray &command, int lines) {
    QStringList answer;
    m_socket.write(command + '\n');
    m_socket.waitForBytesWritten(1000);
    QElapsedTimer waited;
    waited.start();
    while (answer.size() < lines && waited.elapsed() < 2000) {
        if (!m_socket.canReadLine() && !m_socket.waitForReadyRead(200)) continue;
        while (answer.size() < lines && m_socket.canReadLine())
            answer << QString::fromLatin1(m_socket.readLine()).trimmed();
    }
    return answer;
}

bool Rigctld::set(qint64 hz, const QByteArray &mode) {
    if (ask("F " + QByteArray::number(hz)) != QStringList{QStringLiteral("RPRT 0")}) return false;
    return mode.isEmpty() || ask("M " + mode + " -1") == QStringList{QStringLiteral("RPRT 0")};
}

}  // namespace kastlog::test
