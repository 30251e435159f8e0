#pragma once
// The telnet dialogue with a DX cluster node: connect, wait for the login prompt (a line or
// a partial line ending in "login:" or "call:", any case), send the login and CR LF, then
// hand on every line. A lost connection is tried again after 5, 10, 20, 40 then 60 s; the
// socket never blocks the window.
#include "spots/connection.h"
#include "spots/linereader.h"

#include <QObject>
#include <QString>

class QTimer;

namespace kastlog::spots {

class NodeClient : public QObject {
    Q_OBJECT
public:
    explicit NodeClient(QObject *parent = nullptr);
    ~NodeClient() override;

    // Milliseconds in one second of the reconnection delays (tests shorten it).
    void setSecondMs(int ms) { m_secondMs = ms; }
    // Delay in seconds before the n-th attempt after a loss (n from 0): 5, 10, 20, 40, 60...
    static int reconnectDelay(int n);

    // Connects (again) now, dropping any connection or pending attempt.
    void connectTo(const QString &hostPort, const QString &login);
    // "Reconnecter": the same node again now; the delays go on from where they were.
    void reconnect();
    // Ends the connection and tries no more until connectTo or reconnect.
    void disconnectFromNode();

    QString status() const { return m_status; }
    bool isConnected() const;
    int cutLines() const { return m_reader.cutLines(); }
    bool retryPending() const;
    int nextDelay() const { return reconnectDelay(m_attempt); }

signals:
    void statusChanged(const QString &status);
    void lineReceived(const QString &line);

private:
    void setStatus(const QString &s);
    void stop();
    void onConnected();
    void onReadyRead();
    void onLost(const QString &reason);
    bool isPrompt(const QString &text) const;
    Connection &socket();  // made at the first connection

    std::unique_ptr<Connection> m_socket;
    QTimer *m_retry;
    LineReader m_reader;
    QString m_hostPort, m_host, m_login, m_status;
    quint16 m_port = 0;
    bool m_loggedIn = false;
    bool m_wanted = false;  // the operator wants the connection
    int m_attempt = 0;
    int m_secondMs = 1000;
};

}  // namespace kastlog::spots
