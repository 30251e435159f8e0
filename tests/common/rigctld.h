#pragma once
// Hamlib's daemon rigctld over its dummy radio (model 1), started by the test on a free port
// of 127.0.0.1 and stopped with the object; and the test's own connection to it, to change the
// radio behind the program's back and to read it back.
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>

namespace kastlog::test {

class Rigctld {
public:
    Rigctld();   // started() says whether it came up
    ~Rigctld();  // SIGTERM, then SIGKILL after a second

    bool started() const { return m_port != 0; }
    QString why() const { return m_why; }  // why it did not start
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // One command on the test's own connection, and the `lines` lines of its answer (without
    // their line ends); fewer when rigctld does not answer within 2 s.
    QStringList ask(const QByteArray &command, int lines = 1);
    // "F <hz>" and "M <mode> -1" through the test's connection: true when both say RPRT 0.
    bool set(qint64 hz, const QByteArray &mode = {});

private:
    QProcess m_process;
    QTcpSocket m_socket;
    quint16 m_port = 0;
    QString m_why;
};

}  // namespace kastlog::test
