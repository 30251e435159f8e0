#include "bench/sample_log.h"

#include "logstore/logstore.h"
#include "logstore/record.h"
#include "logstore/textfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace bench {

QStringList realisticRecords(int n, unsigned seed) {
    static const char *prefixes[] = {"ON4", "ON5", "ON7", "F5", "F6", "DL1", "PA3", "9A1", "2E0", "4X4", "G4", "OZ1"};
    static const char *bands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                                  "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz"};
    static const char *provs[] = {"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
    static const char *names[] = {"JEAN", "MARC", "LUC", "ANNE", "PAUL", "", "PIERRE", "JOS", "DIRK", "MARIE"};
    static const char *modes[] = {"SSB", "CW", "FM"};
    QRandomGenerator rng(seed);
    QStringList out;
    out.reserve(n);
    qint64 minutes = 0;
    for (int i = 0; i < n; ++i) {
        minutes += 5 + rng.bounded(600);
        const QDateTime t = QDateTime(QDate(2008, 7, 14), QTime(0, 0), Qt::UTC).addSecs(minutes * 60);
        kastlog::QsoFields q;
        q.call = QString::fromLatin1(prefixes[rng.bounded(12)]) + QChar('A' + rng.bounded(26)) + QChar('A' + rng.bounded(26)) +
                 (rng.bounded(4) == 0 ? QStringLiteral("/P") : QString());
        const QString prov = QString::fromLatin1(provs[rng.bounded(11)]);
        q.reference = prov + QString::number(rng.bounded(1, 200)).rightJustified(3, QLatin1Char('0'));
        q.province = prov;
        q.firstName = QString::fromLatin1(names[rng.bounded(10)]);
        q.date = t.toString(QStringLiteral("dd/MM/yy"));
        q.time = t.toString(QStringLiteral("HH:mm"));
        q.mode = QString::fromLatin1(modes[rng.bounded(3)]);
        q.band = QString::fromLatin1(bands[rng.bounded(12)]);
        q.rstReceived = q.mode == QLatin1String("CW") ? QStringLiteral("599") : QStringLiteral("59");
        q.rstSent = q.rstReceived;
        q.castleName = QStringLiteral("C. DE ") + q.reference;
        q.qsl = rng.bounded(3) == 0;
        out << kastlog::formatRecord(q);
    }
    return out;
}

void writeRealisticLog(const QString &path, int n) {
    QByteArray bytes;
    kastlog::joinLines(realisticRecords(n), bytes);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QString writeRealisticLog(const QString &dir, const QString &call, int n) {
    const QString path = QDir(dir).filePath(kastlog::files::logName(call));
    writeRealisticLog(path, n);
    return path;
}

}  // namespace bench
