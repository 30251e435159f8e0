#pragma once
// The entries of a Qt Linguist .ts file, as the tests compare them.
#include <QList>
#include <QString>
#include <QStringList>

namespace kastlog::test {

struct TsEntry {
    QString context, source, comment;
    QString type;              // "", "unfinished", "obsolete", "vanished"
    QStringList translations;  // one, or one per plural form
    bool numerus = false;
    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
};

// Empty with `error` set when the file cannot be read or is not a .ts file.
QList<TsEntry> readTs(const QString &path, QString *error);

}  // namespace kastlog::test
