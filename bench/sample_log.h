#pragma once
// Realistic log content for the benchmarks: varied call signs (some beginning with digits),
// every province, every band, several years of dates in file order, a share confirmed.
#include <QString>
#include <QStringList>

namespace bench {

// `n` records made by kastlog::formatRecord, the same for the same seed.
QStringList realisticRecords(int n, unsigned seed = 1);

// Writes a log of `n` such records as `dir`/call_DNJ.log and returns its path.
QString writeRealisticLog(const QString &dir, const QString &call, int n);

}  // namespace bench
