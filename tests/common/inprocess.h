#pragma once
// Whether a library whose path contains `part` is mapped into this test process: what is
// loaded at start-up and what waits for its first use.
#include <QByteArray>
#include <QFile>

namespace kastlog::test {

inline bool mappedInProcess(const QByteArray &part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

}  // namespace kastlog::test
