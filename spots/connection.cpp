#include "spots/connection.h"

#include "ui/modules.h"

#include <QCoreApplication>
#include <QTimer>

namespace kastlog::spots {

namespace {

const QString ModuleFile = QStringLiteral("libkastlog_network.so");

class MissingModule : public Connection {
public:
    explicit MissingModule(Events events) : m_events(std::move(events)) {}
    void connectToHost(const QString &, quint16) override {
        // Failures come from the event loop, as a socket's do.
        QTimer::singleShot(0, m_guard.get(), [this] {
            m_events.failed(QCoreApplication::translate("NodeConnection", "module réseau %1 introuvable").arg(ModuleFile));
        });
    }
    void abort() override { m_guard = std::make_unique<QObject>(); }  // drops a pending failure
    bool isConnected() const override { return false; }
    QByteArray readAll() override { return {}; }
    void write(const QByteArray &) override {}

private:
    Events m_events;
    std::unique_ptr<QObject> m_guard = std::make_unique<QObject>();
};

}  // namespace

bool splitHostPort(const QString &text, QString &host, quint16 &port) {
    const QString t = text.trimmed();
    const qsizetype colon = t.lastIndexOf(u':');
    if (colon <= 0) return false;
    bool ok = false;
    const uint p = t.mid(colon + 1).toUInt(&ok);
    if (!ok || p == 0 || p > 65535) return false;
    host = t.left(colon);
    port = quint16(p);
    return !host.contains(u' ');
}

int reconnectDelay(int n) {
    if (n >= 4) return 60;
    return 5 << qMax(0, n);
}

std::unique_ptr<Connection> makeConnection(Connection::Events events, const QStringList &places) {
    const modules::Resolved module = modules::resolve("network", ModuleFile, ConnectionSymbol, places);
    if (auto make = module.as<MakeConnection>()) return std::unique_ptr<Connection>(make(std::move(events)));
    return std::make_unique<MissingModule>(std::move(events));
}

}  // namespace kastlog::spots
