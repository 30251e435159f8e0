#include "logstore/clock.h"

namespace kastlog {

namespace {
ClockReading reading(const QDateTime &t) {
    const QDate d = t.date();
    const QTime h = t.time();
    return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

QString dateText(const ClockReading &r) {
    return two(r.day) + QLatin1Char('/') + two(r.month) + QLatin1Char('/') + two(((r.year % 100) + 100) % 100);
}

QString timeText(const ClockReading &r) {
    return two(r.hour) + QLatin1Char(':') + two(r.minute) + QLatin1Char(':') + two(r.second);
}

bool digit(QChar c) { return c.unicode() >= 48 && c.unicode() <= 57; }
int value(const QString &t, int i) { return (t.at(i).unicode() - 48) * 10 + (t.at(i + 1).unicode() - 48); }
}  // namespace

SystemClock::SystemClock(std::function<QDateTime()> now, QTimeZone zone)
    : m_now(now ? std::move(now) : std::function<QDateTime()>([] { return QDateTime::currentDateTimeUtc(); })),
      m_zone(std::move(zone)) {}

ClockReading SystemClock::utc() const { return reading(m_now().toUTC()); }
ClockReading SystemClock::local() const {
    const QDateTime now = m_now();
    return reading(m_zone.isValid() ? now.toTimeZone(m_zone) : now.toLocalTime());
}

QString dateUtc(const Clock &clock) { return dateText(clock.utc()); }
QString heureUtc(const Clock &clock) { return timeText(clock.utc()); }
QString heureLocale(const Clock &clock) { return timeText(clock.local()); }
QString dateLocale(const Clock &clock) { return dateText(clock.local()); }

int controleDate(const QString &text) {
    if (text.size() != 8) return 1;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!digit(text.at(i))) return 1;
    if (text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/')) return 1;
    if (value(text, 0) > 31 || value(text, 3) > 12) return 1;
    return 0;
}

int controleHeure(const QString &text) {
    if (text.size() != 5) return 1;
    for (int i : {0, 1, 3, 4})
        if (!digit(text.at(i))) return 1;
    if (text.at(2) != QLatin1Char(':')) return 1;
    if (value(text, 0) > 23 || value(text, 3) > 59) return 1;
    return 0;
}

}  // namespace kastlog
