#pragma once
// The telnet dialogue with a DX cluster node: connect, wait for the login prompt, send the
// call sign (and the password when the node asks for one), then, once the node shows its
// command prompt (or after 5 s), the commands of the operator; every other line is handed on.
// A lost connection is tried again after 5, 10, 20, 40 then 60 s; the delays start again only
// after a connection that held for 60 s, so that a node refusing the login is not called every
// 5 s. The socket never blocks the window.
#include "spots/connection.h"
#include "spots/linereader.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

namespace kastlog::spots {

class NodeClient : public QObject {
    Q_OBJECT
public:
    static constexpr int PromptSeconds = 20;  // for the login prompt, before the status says so
    static constexpr int ReadySeconds = 5;    // for the command prompt, before the commands go
    static constexpr int SteadySeconds = 60;  // a connection that held this long was a success

    explicit NodeClient(QObject *parent = nullptr);
    ~NodeClient() override;

    // Milliseconds in one second of the delays above and of the reconnection (tests shorten it).
    void setSecondMs(int ms) { m_secondMs = ms; }

    // Connects (again) now, dropping any connection or pending attempt. `commands` are sent
    // once logged in.
    void connectTo(const QString &hostPort, const QString &login, const QString &password = {},
                   const QStringList &commands = {});
    // "Reconnecter": the same node again now; the delays go on from where they were.
    void reconnect();
    // Ends the connection and tries no more until connectTo or reconnect.
    void disconnectFromNode();
    // Writes one line to the node, CR LF after it; false when not connected.
    bool send(const QString &line);

    QString status() const { return m_status; }
    bool isConnected() const;
    int cutLines() const { return m_reader.cutLines(); }
    bool retryPending() const;
    int nextDelay() const { return reconnectDelay(m_attempt); }

signals:
    void statusChanged(const QString &status);
    void lineReceived(const QString &line);
    void connectedChanged(bool connected);
    // A command written to the node (not the login nor the password).
    void commandSent(const QString &line);

private:
    enum class Stage { Idle, Connecting, Prompt, Login, Ready };

    void setStatus(const QString &s);
    void stop();
    void onConnected();
    void onReadyRead();
    void onLost(const QString &reason);
    // Answers `text` when the login stage waits for it; true when it was a prompt answered.
    bool answer(const QString &text, bool wholeLine);
    void sendCommands();
    void write(const QString &line);
    Connection &socket();  // made at the first connection

    std::unique_ptr<Connection> m_socket;
    QTimer *m_retry, *m_promptWait, *m_readyWait;
    LineReader m_reader;
    QElapsedTimer m_connectedSince;
    QString m_hostPort, m_host, m_login, m_password, m_status, m_refusal;
    QStringList m_commands;
    quint16 m_port = 0;
    Stage m_stage = Stage::Idle;
    bool m_wanted = false;  // the operator wants the connection
    int m_attempt = 0;
    int m_secondMs = 1000;
};

}  // namespace kastlog::spots
