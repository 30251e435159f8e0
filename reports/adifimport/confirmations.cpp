#include "reports/adifimport/confirmations.h"

#include "logstore/instant.h"
#include "logstore/record.h"
#include "settings/stationcall.h"

#include <QDate>

namespace kastlog::adifimport {

QString sourceName(QslSource s) {
    switch (s) {
    case QslSource::Card:
        return QStringLiteral("QSL");
    case QslSource::Lotw:
        return QStringLiteral("LoTW");
    case QslSource::Eqsl:
        return QStringLiteral("eQSL");
    case QslSource::None:
        break;
    }
    return {};
}

namespace {
int twoDigits(QStringView s, qsizetype at) {
    const QChar a = s[at], b = s[at + 1];
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
    return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

QString key(QStringView call, QStringView band) {
    QString k = station::capitals(call.trimmed());
    k += QChar(0x1F);
    k += band.trimmed();
    return k;
}

constexpr qint64 Window = 30;  // minutes either side
}  // namespace

qint64 minuteOf(QStringView date, QStringView time) {
    if (date.size() != 8 || time.size() != 5 || date[2] != u'/' || date[5] != u'/' || time[2] != u':') return -1;
    const int day = twoDigits(date, 0), month = twoDigits(date, 3), year = twoDigits(date, 6);
    const int hour = twoDigits(time, 0), minute = twoDigits(time, 3);
    if (year < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59) return -1;
    const QDate d(widenYear(year), month, day);
    if (!d.isValid()) return -1;
    return d.toJulianDay() * 1440 + hour * 60 + minute;
}

LogQsos::LogQsos(const QStringList &logLines) : m_lines(logLines) {
    m_byCallAndBand.reserve(logLines.size());
    for (qsizetype i = 0; i < logLines.size(); ++i) {
        const QString &l = logLines[i];
        const qint64 m = minuteOf(columnView(l, rec::DateCol, rec::DateWidth), columnView(l, rec::TimeCol, rec::TimeWidth));
        if (m < 0) continue;
        m_byCallAndBand[key(columnView(l, rec::CallCol, rec::CallWidth), columnView(l, rec::BandCol, rec::BandWidth))]
            .push_back({m, i});
    }
}

LogQsos::Match LogQsos::find(const Confirmation &c) const {
    if (c.minute < 0) return {};
    const auto it = m_byCallAndBand.constFind(key(c.call, c.band));
    if (it == m_byCallAndBand.constEnd()) return {};
    std::vector<Qso> near, sameMode;
    for (const Qso &q : *it)
        if (qAbs(q.minute - c.minute) <= Window) near.push_back(q);
    if (near.empty()) return {};
    if (near.size() == 1) return {Found::One, near.front().line};
    for (const Qso &q : near)
        if (columnView(m_lines[q.line], rec::ModeCol, rec::ModeWidth).trimmed() == c.mode) sameMode.push_back(q);
    if (sameMode.size() == 1) return {Found::One, sameMode.front().line};
    // Several of the same mode, or none: the nearest in time; a tie is left to the operator.
    const std::vector<Qso> &pool = sameMode.empty() ? near : sameMode;
    qint64 best = Window + 1;
    Match m;
    for (const Qso &q : pool) {
        const qint64 d = qAbs(q.minute - c.minute);
        if (d < best) {
            best = d;
            m = {Found::One, q.line};
        } else if (d == best) {
            m.found = Found::Ambiguous;
        }
    }
    if (m.found == Found::Ambiguous) m.line = -1;
    return m;
}

}  // namespace kastlog::adifimport
