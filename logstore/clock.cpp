#include "logstore/clock.h"

namespace kastlog {

namespace {
ClockReading reading(const QDateTime &t) {
    const QDate d = t.date();
    const QTime h = t.time();
    return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}
QString two(int n) { return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0')); }
QString dateText(const ClockReading &r) { return two(r.day) + '/' + two(r.month) + '/' + two(r.year % 100); }
QString timeText(const ClockReading &r) { return two(r.hour) + ':' + two(r.minute) + ':' + two(r.second); }

bool digit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
int value(const QString &t, int pos) { return (t.at(pos).unicode() - '0') * 10 + (t.at(pos + 1).unicode() - '0'); }
}  // namespace

SystemClock::SystemClock(std::function<QDateTime()> now, QTimeZone zone)
    : m_now(now ? std::move(now) : [] { return QDateTime::currentDateTimeUtc(); }), m_zone(std::move(zone)) {}

ClockReading SystemClock::utc() const { return reading(m_now().toUTC()); }
ClockReading SystemClock::local() const { return reading(m_now().toTimeZone(m_zone)); }

QString dateUtc(const Clock &clock) { return dateText(clock.utc()); }
QString heureUtc(const Clock &clock) { return timeText(clock.utc()); }
QString heureLocale(const Clock &clock) { return timeText(clock.local()); }
QString dateLocale(const Clock &clock) { return dateText(clock.local()); }

int controleDate(const QString &text) {
    if (text.size() != 8) return 1;
    int result = 0;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!digit(text.at(i))) result = 1;
    if (text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/')) result = 1;
    if (result == 0 && (value(text, 0) > 31 || value(text, 3) > 12)) result = 1;
    return result;
}

int controleHeure(const QString &text) {
    if (text.size() != 5) return 1;
    int result = 0;
    for (int i : {0, 1, 3, 4})
        if (!digit(text.at(i))) result = 1;
    if (text.at(2) != QLatin1Char(':')) result = 1;
    if (result == 0 && (value(text, 0) > 23 || value(text, 3) > 59)) result = 1;
    return result;
}

}  // namespace kastlog
