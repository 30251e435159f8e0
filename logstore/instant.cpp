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
int twoDigits(const QChar *s, int i) {
    const char16_t a = s[i].unicode(), b = s[i + 1].unicode();
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
    return (a - u'0') * 10 + (b - u'0');
}
}  // namespace

std::optional<Instant> recordInstant(const QString &record) {
    // Date "JJ/MM/AA" in columns 41-48 and time "HH:MM" in 50-54; anything else cannot be read.
    if (record.size() < rec::TimeCol - 1 + rec::TimeWidth) return std::nullopt;
    const QChar *d = record.constData() + (rec::DateCol - 1);
    const QChar *t = record.constData() + (rec::TimeCol - 1);
    if (d[2] != QLatin1Char('/') || d[5] != QLatin1Char('/') || t[2] != QLatin1Char(':'))
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

}  // namespace kastlog
