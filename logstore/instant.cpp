#include "logstore/instant.h"

#include "logstore/record.h"

namespace kastlog {

int widenYear(int yy) {
    if (yy >= 50 && yy <= 99) return 1900 + yy;
    if (yy >= 0 && yy < 50) return 2000 + yy;
    return yy;
}

namespace {
// Value of the two digits at `i`, or -1 when they are not both digits.
template <class View>
int twoDigits(View s, int i) {
    const char16_t a = QChar(s.at(i)).unicode(), b = QChar(s.at(i + 1)).unicode();
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
    return (a - u'0') * 10 + (b - u'0');
}

template <class View>
std::optional<Instant> instantOfView(View record) {
    // Date "JJ/MM/AA" in columns 41-48 and time "HH:MM" in 50-54; anything else cannot be read.
    if (record.size() < rec::TimeCol - 1 + rec::TimeWidth) return std::nullopt;
    const View d = record.mid(rec::DateCol - 1, rec::DateWidth);
    const View t = record.mid(rec::TimeCol - 1, rec::TimeWidth);
    if (QChar(d.at(2)) != QLatin1Char('/') || QChar(d.at(5)) != QLatin1Char('/') || QChar(t.at(2)) != QLatin1Char(':'))
        return std::nullopt;
    const int day = twoDigits(d, 0), month = twoDigits(d, 3), yy = twoDigits(d, 6);
    const int hour = twoDigits(t, 0), minute = twoDigits(t, 3);
    if (day < 0 || month < 0 || yy < 0 || hour < 0 || minute < 0) return std::nullopt;
    long long key = widenYear(yy);
    key = key * 100 + month;
    key = key * 100 + day;
    key = key * 100 + hour;
    key = key * 100 + minute;
    return Instant{key};
}
}  // namespace

std::optional<Instant> instantOf(QStringView record) { return instantOfView(record); }
std::optional<Instant> instantOf(QLatin1String record) { return instantOfView(record); }
std::optional<Instant> recordInstant(const QString &record) { return instantOfView(QStringView(record)); }

}  // namespace kastlog
