#include "reports/adifimport/mapping.h"

#include "logstore/bands.h"
#include "logstore/cp1252.h"
#include "reports/adif.h"
#include "reports/map/provincecode.h"
#include "settings/stationcall.h"

#include <QDate>

namespace kastlog::adifimport {

QString reason::unwritable(const QString &field) {
    return QStringLiteral("caractère impossible à écrire dans le log (champ %1)").arg(field);
}

namespace {
bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

bool isLetter(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// Two capital letters and three digits, as the reference field takes it.
bool isReferenceShape(const QString &s) {
    return s.size() == 5 && isLetter(s[0]) && isLetter(s[1]) && allDigits(QStringView(s).mid(2));
}

QString firstWord(const QString &text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    while (i < t.size() && !t[i].isSpace()) ++i;
    return t.left(i);
}

// "JJ/MM/AA" from AAAAMMJJ, years 1950 to 2049 only; empty when it cannot be read.
QString logDate(const QString &d) {
    if (d.size() != 8 || !allDigits(d)) return {};
    const int y = d.left(4).toInt(), m = d.mid(4, 2).toInt(), day = d.mid(6, 2).toInt();
    if (y < 1950 || y > 2049 || !QDate(y, m, day).isValid()) return {};
    return d.mid(6, 2) + QLatin1Char('/') + d.mid(4, 2) + QLatin1Char('/') + d.mid(2, 2);
}

// "HH:MM" from HHMM or HHMMSS; empty when it cannot be read.
QString logTime(const QString &t) {
    if ((t.size() != 4 && t.size() != 6) || !allDigits(t)) return {};
    if (t.left(2).toInt() > 23 || t.mid(2, 2).toInt() > 59 || (t.size() == 6 && t.mid(4, 2).toInt() > 59)) return {};
    return t.left(2) + QLatin1Char(':') + t.mid(2, 2);
}

QString bandOf(const AdifRecord &r) {
    if (r.has(QLatin1String("BAND"))) return adif::bandLabel(r.value(QLatin1String("BAND")).trimmed());
    bool ok = false;
    const double mhz = r.value(QLatin1String("FREQ")).trimmed().toDouble(&ok);
    return ok ? bandLabelOfFrequency(mhz) : QString();
}

QString modeOf(const AdifRecord &r, bool &ok) {
    const QString mode = station::capitals(r.value(QLatin1String("MODE")).trimmed());
    const QString sub = station::capitals(r.value(QLatin1String("SUBMODE")).trimmed());
    ok = true;
    if (mode.size() <= 3 && !(mode.isEmpty() && !sub.isEmpty())) return mode;
    if (!sub.isEmpty() && sub.size() <= 3) return sub;
    ok = false;
    return mode;
}
}  // namespace

MappedQso mapQso(const AdifRecord &r, const QString &station) {
    MappedQso m;
    QsoFields &q = m.fields;
    const auto refuse = [&](const QString &why) {
        if (m.refusal.isEmpty()) m.refusal = why;
    };
    m.call = q.call = station::capitals(r.value(QLatin1String("CALL")).trimmed());
    m.date = r.value(QLatin1String("QSO_DATE")).trimmed();
    m.time = r.value(QLatin1String("TIME_ON")).trimmed();
    m.band = r.value(QLatin1String("BAND")).trimmed();
    m.mode = r.value(QLatin1String("MODE")).trimmed();
    if (!r.readable()) {
        m.refusal = r.problem;
        return m;
    }
    if (q.call.size() > rec::CallWidth) refuse(reason::CallTooLong);

    // The reference: the award fields first, then the first word of the comment or notes.
    const QString comment = r.value(QLatin1String("COMMENT"));
    if (r.value(QLatin1String("SIG")).trimmed().compare(QLatin1String("DNJ"), Qt::CaseInsensitive) == 0) {
        const QString info = station::capitals(r.value(QLatin1String("SIG_INFO")).trimmed());
        if (isReferenceShape(info)) q.reference = info;
    }
    for (const char *field : {"COMMENT", "NOTES"}) {
        if (!q.reference.isEmpty()) break;
        const QString w = station::capitals(firstWord(r.value(QLatin1String(field))));
        if (carte::isCastleReference(w)) q.reference = w;
    }
    m.reference = q.reference;
    if (q.reference.isEmpty()) refuse(reason::NoReference);
    q.province = q.reference.left(2);
    // The castle name follows the reference in the comment the export writes.
    const QString lead = q.reference + QLatin1Char(' ');
    if (!q.reference.isEmpty() && comment.startsWith(lead)) q.castleName = comment.mid(lead.size());
    else q.castleName = QStringLiteral("C.");

    q.firstName = r.value(QLatin1String("NAME")).trimmed();
    if (q.firstName.size() > rec::FirstNameWidth) {
        m.warnings << QStringLiteral("prénom coupé à %1 caractères").arg(rec::FirstNameWidth);
        q.firstName = q.firstName.left(rec::FirstNameWidth);
    }

    q.date = logDate(m.date);
    q.time = logTime(m.time);
    if (q.date.isEmpty() || q.time.isEmpty()) refuse(reason::BadDate);
    else {
        m.date = q.date;
        m.time = q.time;
    }
    q.band = bandOf(r);
    if (q.band.isEmpty()) refuse(reason::NoBand);
    else m.band = q.band;
    bool modeOk = false;
    q.mode = modeOf(r, modeOk);
    if (!modeOk) refuse(reason::ModeTooLong);
    else m.mode = q.mode;
    q.rstReceived = r.value(QLatin1String("RST_RCVD")).trimmed();
    q.rstSent = r.value(QLatin1String("RST_SENT")).trimmed();
    if (q.rstReceived.size() > rec::RstRWidth) refuse(reason::RstRTooLong);
    if (q.rstSent.size() > rec::RstEWidth) refuse(reason::RstETooLong);
    q.qsl = r.value(QLatin1String("QSL_RCVD")).trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;

    // Checked on the record as the save writes it (its capitals included).
    const QString record = formatRecord(q);
    const struct { const char *name; int col, width; } written[] = {
        {"CALL", rec::CallCol, rec::CallWidth},       {"NAME", rec::FirstNameCol, rec::FirstNameWidth},
        {"MODE", rec::ModeCol, rec::ModeWidth},       {"RST_RCVD", rec::RstRCol, rec::RstRWidth},
        {"RST_SENT", rec::RstECol, rec::RstEWidth},   {"COMMENT", rec::NameCol, rec::NameWidth}};
    for (const auto &w : written)
        if (!cp1252::canEncode(column(record, w.col, w.width))) refuse(reason::unwritable(QLatin1String(w.name)));

    const QString from = r.value(QLatin1String("STATION_CALLSIGN")).trimmed();
    if (!from.isEmpty() && station::capitals(from).replace(QLatin1Char('/'), QLatin1Char('_')) != station)
        m.warnings << QStringLiteral("fait par la station %1").arg(from);

    if (m.taken()) m.record = record;
    return m;
}

}  // namespace kastlog::adifimport
