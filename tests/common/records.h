#pragma once
// Records and log bytes as the log holds them, for the store's tests.
#include "logstore/record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kastlog::test {

// A 107-character record in SSB, reports 59, the province taken from the reference.
inline QString qsoRecord(const QString &call, const QString &ref, const QString &date, const QString &time,
                         const QString &band, const QString &firstName = QString(), const QString &castle = QStringLiteral("C.")) {
    QsoFields q;
    q.call = call;
    q.reference = ref;
    q.province = ref.left(2);
    q.firstName = firstName;
    q.date = date;
    q.time = time;
    q.mode = QStringLiteral("SSB");
    q.band = band;
    q.rstReceived = q.rstSent = QStringLiteral("59");
    q.castleName = castle;
    return formatRecord(q);
}

// The lines each followed by CR LF (Latin-1 for the tests' text).
inline QByteArray bytesOf(const QStringList &lines) {
    QByteArray b;
    for (const QString &l : lines) b += l.toLatin1() + "\r\n";
    return b;
}

// An ADIF field "<name:len>value", the length in UTF-8 bytes.
inline QByteArray adifField(const char *name, const QString &value) {
    const QByteArray v = value.toUtf8();
    return "<" + QByteArray(name) + ":" + QByteArray::number(v.size()) + ">" + v;
}

}  // namespace kastlog::test
