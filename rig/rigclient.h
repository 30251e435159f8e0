#pragma once
// A client of rigctld, Hamlib's radio daemon: reads the radio's frequency and mode every poll
// interval and sets them on demand. One request is in flight at a time; one unanswered after
// 2 s is a lost connection, tried again after 5, 10, 20, 40 then every 60 s. The socket is
// the program's network module, loaded at the first connection; nothing here ever blocks.
#include "rig/protocol.h"
#include "spots/connection.h"
#include "spots/linereader.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QTimer;

namespace kastlog::rig {

inline constexpr int AnswerTimeoutMs = 2000;
inline constexpr int DefaultIntervalMs = 500;

// What is known of the radio.
struct Reading {
    qint64 hz = 0;     // 0: not known
    QString mode;      // as Hamlib names it; empty when the radio does not say
    QString problem;   // why there is no reading, as shown; empty when all is well
    int retryInS = 0;  // the connection is tried again in that many seconds (0: not planned)
    QString refusal;   // why the radio refused the last setting, as shown; cleared by the next one
    bool usable() const { return problem.isEmpty() && hz > 0; }
};

// The label's text: "14 285,00 kHz USB", or "Radio : déconnectée (<raison>)".
QString describe(const Reading &r);

class RigClient : public QObject {
    Q_OBJECT
public:
    explicit RigClient(QObject *parent = nullptr);
    ~RigClient() override;

    // Milliseconds in one second of the reconnection delays (tests shorten it).
    void setSecondMs(int ms) { m_secondMs = ms; }

    // Connects to rigctld at "host:port" now and polls every `intervalMs`.
    void start(const QString &hostPort, int intervalMs = DefaultIntervalMs);
    // Ends the connection; nothing is tried any more until start().
    void stop();
    // Tunes the radio before the next reading. False when rigctld is not connected.
    bool tune(qint64 hz, const QString &hamlibMode);

    const Reading &reading() const { return m_reading; }
    bool isConnected() const;
    qsizetype queued() const { return m_queue.size(); }  // requests waiting for their turn

signals:
    // After every poll, and whenever the reading changes otherwise (loss, error, connection).
    void updated();

private:
    spots::Connection &socket();  // made at the first connection
    void connectNow();
    void onConnected();
    void onReadyRead();
    void poll();
    void sendNext();
    void handle(const Request &done, const Answer &answer);
    void lose(const QString &reason);
    void drop();

    std::unique_ptr<spots::Connection> m_socket;
    spots::LineReader m_reader;
    QTimer *m_poll, *m_answer, *m_retry;
    QList<Request> m_queue;
    std::optional<Request> m_inFlight;
    QStringList m_lines;  // of the answer in flight
    Reading m_reading;
    QString m_hostPort;
    int m_intervalMs = DefaultIntervalMs;
    int m_attempt = 0;
    int m_secondMs = 1000;
    bool m_wanted = false;  // a connection is made or being made
    int m_generation = 0;   // counts the drops: the answers of a dropped connection are ignored
};

}  // namespace kastlog::rig
