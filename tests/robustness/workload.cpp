#include "tests/robustness/workload.h"

#include "logstore/prenoms.h"
#include "logstore/record.h"
#include "logstore/rewriterules.h"

#include <QRandomGenerator>

namespace kastlog::robust {

namespace {
const QStringList Modes{QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM")};
const QStringList Bands{QStringLiteral("40m"), QStringLiteral("80m"), QStringLiteral("20m"),
                        QStringLiteral("2m")};
// A few accented names so that the Windows-1252 path is exercised on every rewrite.
const QStringList Names{QStringLiteral("Rene"), QStringLiteral("Jérôme"), QStringLiteral("Anaïs"),
                        QStringLiteral("Loïc"), QStringLiteral("Marie"), QStringLiteral("Noël")};

QString callSign(int n) { return QStringLiteral("F%1ABC").arg(n % 90 + 1) + QChar(u'A' + n % 26); }

QString randomRecord(QRandomGenerator &g, int serial) {
    QsoFields q;
    q.call = callSign(int(g.bounded(5000)));
    q.reference = QStringLiteral("%1%2").arg(QChar(u'A' + int(g.bounded(26)))).arg(int(g.bounded(1000, 9999)));
    q.province = q.reference.left(2);
    q.firstName = Names.at(int(g.bounded(Names.size())));
    q.date = QStringLiteral("%1/%2/%3")
                 .arg(int(g.bounded(1, 29)), 2, 10, QLatin1Char('0'))
                 .arg(int(g.bounded(1, 13)), 2, 10, QLatin1Char('0'))
                 .arg(int(g.bounded(0, 30)), 2, 10, QLatin1Char('0'));
    q.time = QStringLiteral("%1:%2")
                 .arg(int(g.bounded(24)), 2, 10, QLatin1Char('0'))
                 .arg(int(g.bounded(60)), 2, 10, QLatin1Char('0'));
    q.mode = Modes.at(int(g.bounded(Modes.size())));
    q.band = Bands.at(int(g.bounded(Bands.size())));
    q.rstReceived = QStringLiteral("59");
    q.rstSent = QStringLiteral("57");
    q.castleName = QStringLiteral("Chateau numero %1").arg(serial);
    q.qsl = g.bounded(2) == 1;
    return formatRecord(q);
}
}  // namespace

QStringList initialLog(int count) {
    QRandomGenerator g(12345);
    QStringList out;
    for (int i = 0; i < count; ++i) out << randomRecord(g, i);
    return out;
}

QStringList initialPrenoms() {
    QStringList out;
    for (int i = 0; i < 8; ++i)
        out << callSign(i).leftJustified(12) + QStringLiteral("    ") + Names.at(i % Names.size()).toUpper();
    return out;
}

Change changeAt(quint32 seed, int step, const QStringList &log) {
    QRandomGenerator g(seed * 1000003u + quint32(step));
    Change c;
    const int roll = int(g.bounded(100));
    // Keep the log near its size: more deletions when it has grown.
    const int deleteShare = log.size() > 2000 ? 35 : 15;
    const int serial = int(seed % 100000) * 100000 + step;
    if (roll < 15) {
        c.kind = Change::Prenom;
        c.key = callSign(int(g.bounded(40))).leftJustified(12) + QStringLiteral("    ")
                + Names.at(int(g.bounded(Names.size()))).toUpper() + QString::number(step % 7);
    } else if (roll < 15 + deleteShare && !log.isEmpty()) {
        c.kind = Change::Supprime;
        c.record = log.at(int(g.bounded(log.size())));
    } else if (roll < 65 && !log.isEmpty()) {
        c.kind = Change::Modifie;
        c.oldRecord = log.at(int(g.bounded(log.size())));
        c.record = randomRecord(g, serial);
    } else {
        c.kind = roll % 2 ? Change::Enregistre : Change::Insere;
        c.record = randomRecord(g, serial);
    }
    return c;
}

QStringList applyToLog(const QStringList &log, const Change &c) {
    switch (c.kind) {
    case Change::Enregistre: return rules::enregistre(log, c.record);
    case Change::Insere: return rules::insere(log, c.record);
    case Change::Modifie: return rules::modifie(log, c.record, c.oldRecord);
    case Change::Supprime: return rules::supprime(log, c.record);
    case Change::Prenom: return log;
    }
    return log;
}

QStringList applyToPrenoms(const QStringList &prenoms, const Change &c) {
    return c.kind == Change::Prenom ? prenoms::store(prenoms, c.key) : prenoms;
}

}  // namespace kastlog::robust
