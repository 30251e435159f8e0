#pragma once
// Clock texts and date/time checks.
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <functional>

namespace kastlog {

struct ClockReading {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading utc() const = 0;
    virtual ClockReading local() const = 0;
};

// The system clock; `now` and `zone` can be replaced for tests. Without a zone Qt knows (the
// default), local time is the system's own, following a change of zone while the program runs.
class SystemClock : public Clock {
public:
    SystemClock(std::function<QDateTime()> now = {}, QTimeZone zone = QTimeZone());
    ClockReading utc() const override;
    ClockReading local() const override;

private:
    std::function<QDateTime()> m_now;
    QTimeZone m_zone;
};

QString dateUtc(const Clock &clock);      // "JJ/MM/AA"
QString heureUtc(const Clock &clock);     // "hh:mm:ss"
QString heureLocale(const Clock &clock);  // "hh:mm:ss"
QString dateLocale(const Clock &clock);   // "JJ/MM/AA", for list titles and file names

// 0 when `text` (8 characters) is a date "JJ/MM/AA" with day <= 31 and month <= 12, else 1.
int controleDate(const QString &text);
// 0 when `text` (5 characters) is a time "HH:MM" with hour <= 23 and minute <= 59, else 1.
int controleHeure(const QString &text);

}  // namespace kastlog
