#include "bench/sample_log.h"

#include "logstore/logstore.h"
#include "logstore/record.h"
#include "logstore/textfile.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <random>

namespace bench {

namespace {
const char *const Prefixes[] = {"F5", "F6", "F8", "F4", "ON4", "ON5", "ON7", "OT4", "PA3", "PA0", "PD1",
                                "DL1", "DK5", "DJ9", "G4", "G3", "M0", "2E0", "9A2", "9A5", "4X1",
                                "4Z5", "EA3", "I2", "IK4", "OZ1", "HB9", "SP9", "OK1", "LX1", "3D2",
                                "S51", "YO3", "EI7", "GM4", "5B4"};
const char *const Provinces[] = {"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
const char *const Bands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                             "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
const char *const Modes[] = {"SSB", "CW", "FM"};
const char *const FirstNames[] = {"JEAN", "Marc", "PIERRE", "ANDRE", "JOSE", "DIRK", "Luc", "PHILIPPE",
                                  "FRANCOIS", "ROGER", "WILLY", "ERIK", "GÉRARD", "JOËL", "", "MARIE-CHRISTINE"};
const char *const Castles[] = {"de Beloeil", "DE BOUILLON", "  d'Attre ", "de Walzin", "de Modave",
                               "de Jehay", "de Gaasbeek", "de Vêves", "des Comtes de Gand",
                               "de la Hulpe et de son tres grand parc boise", "de Reinhardstein",
                               "de Lavaux-Sainte-Anne", "de Freyr"};
const char *const Rst[] = {"59", "57", "55", "599", "579", "5"};

template <size_t N>
const char *pick(const char *const (&list)[N], std::mt19937 &rng) {
    return list[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}
}  // namespace

QStringList realisticRecords(int n, unsigned seed) {
    std::mt19937 rng(seed);
    QStringList out;
    out.reserve(n);
    // About eight years of contacts, in file order: each one a little after the one before.
    QDateTime t(QDate(2005, 3, 12), QTime(8, 0), Qt::UTC);
    const qint64 spanMinutes = 8LL * 365 * 24 * 60;
    const int step = int(qMax<qint64>(1, 2 * spanMinutes / qMax(1, n)));
    for (int i = 0; i < n; ++i) {
        t = t.addSecs(60LL * std::uniform_int_distribution<int>(1, step)(rng));
        kastlog::QsoFields q;
        QString suffix;
        const int len = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int k = 0; k < len; ++k) suffix += QChar('A' + std::uniform_int_distribution<int>(0, 25)(rng));
        q.call = QLatin1String(pick(Prefixes, rng)) + suffix;
        if (std::uniform_int_distribution<int>(0, 19)(rng) == 0) q.call += QStringLiteral("/P");
        q.reference = QLatin1String(pick(Provinces, rng)) +
                      QStringLiteral("%1").arg(std::uniform_int_distribution<int>(1, 250)(rng), 3, 10, QLatin1Char('0'));
        q.province = q.reference.left(2);
        q.firstName = QString::fromUtf8(pick(FirstNames, rng));
        q.date = t.toString(QStringLiteral("dd/MM/yy"));
        q.time = t.toString(QStringLiteral("HH:mm"));
        q.mode = QLatin1String(pick(Modes, rng));
        q.band = QLatin1String(pick(Bands, rng));
        q.rstReceived = QLatin1String(pick(Rst, rng));
        q.rstSent = QLatin1String(pick(Rst, rng));
        q.castleName = QStringLiteral("Chateau ") + QString::fromUtf8(pick(Castles, rng)).trimmed();
        q.qsl = std::uniform_int_distribution<int>(0, 99)(rng) < 35;
        out.append(kastlog::formatRecord(q));
    }
    return out;
}

QString writeRealisticLog(const QString &dir, const QString &call, int n) {
    const QString path = QDir(dir).filePath(kastlog::files::logName(call));
    QByteArray bytes;
    kastlog::joinLines(realisticRecords(n, 7), bytes);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return path;
}

}  // namespace bench
