#pragma once
// A TCP connection as the node client and the radio client use it. The program's one, over Qt
// Network, lives in the module kastlog_network, loaded at the first connection, so start-up
// loads no Qt Network.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace kastlog::spots {

class Connection {
public:
    // What the socket says; a loss may come as `failed` then `closed`.
    struct Events {
        std::function<void()> connected;
        std::function<void()> readyRead;
        std::function<void(const QString &reason)> failed;  // refused, unreachable, lost...
        std::function<void()> closed;                      // by the node
    };
    virtual ~Connection() = default;
    virtual void connectToHost(const QString &host, quint16 port) = 0;
    virtual void abort() = 0;  // no event follows
    virtual bool isConnected() const = 0;
    virtual QByteArray readAll() = 0;
    virtual void write(const QByteArray &data) = 0;
};

// The module's factory.
inline constexpr const char *ConnectionSymbol = "kastlog_network_connection";
using MakeConnection = Connection *(*)(Connection::Events events);

// "host:port" split; false when it is not of that form with a port 1-65535.
bool splitHostPort(const QString &text, QString &host, quint16 &port);

// Delay in seconds before the n-th new attempt after a loss (n from 0): 5, 10, 20, 40, then 60.
int reconnectDelay(int n);

// A connection from the module (looked for at `places`, empty: the usual places). Without
// the module, every connection fails at once with a reason naming it.
std::unique_ptr<Connection> makeConnection(Connection::Events events, const QStringList &places = {});

}  // namespace kastlog::spots
