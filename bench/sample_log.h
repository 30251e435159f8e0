#pragma once
// Realistic logs for the benchmarks: varied call signs (some beginning with digits), all
// eleven provinces, the offered bands, dates over several years in file order, a share
// confirmed by QSL.
#include <QString>
#include <QStringList>

namespace bench {
QStringList realisticRecords(int n, unsigned seed = 1);
// Writes n records to `path` (CR LF, Windows-1252).
void writeRealisticLog(const QString &path, int n);
// Writes n records as the log of `call` in `dir`; returns the log's path.
QString writeRealisticLog(const QString &dir, const QString &call, int n);
}  // namespace bench
