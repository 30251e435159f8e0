// The module kastlog_network: the node connection over a QTcpSocket.
#include "spots/connection.h"

#include <QTcpSocket>

#include <type_traits>

namespace {

using kastlog::spots::Connection;

class TcpConnection : public Connection {
public:
    explicit TcpConnection(Events events) : m_events(std::move(events)) {
        QObject::connect(&m_socket, &QTcpSocket::connected, [this] { m_events.connected(); });
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { m_events.readyRead(); });
        QObject::connect(&m_socket, &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError e) {
            // A close by the peer comes as `closed`, which the caller words itself.
            if (e != QAbstractSocket::RemoteHostClosedError) m_events.failed(m_socket.errorString());
        });
        QObject::connect(&m_socket, &QTcpSocket::disconnected, [this] { m_events.closed(); });
    }
    // The socket, still open, would tell the client being destroyed that it closed.
    ~TcpConnection() override { QObject::disconnect(&m_socket, nullptr, nullptr, nullptr); }
    void connectToHost(const QString &host, quint16 port) override { m_socket.connectToHost(host, port); }
    void abort() override {
        const QSignalBlocker quiet(&m_socket);
        m_socket.abort();
    }
    bool isConnected() const override { return m_socket.state() == QAbstractSocket::ConnectedState; }
    QByteArray readAll() override { return m_socket.readAll(); }
    void write(const QByteArray &data) override { m_socket.write(data); }

private:
    Events m_events;
    QTcpSocket m_socket;
};

}  // namespace

extern "C" Q_DECL_EXPORT Connection *kastlog_network_connection(Connection::Events events) {
    return new TcpConnection(std::move(events));
}
// What makeConnection calls it as.
static_assert(std::is_same_v<decltype(&kastlog_network_connection), kastlog::spots::MakeConnection>);
