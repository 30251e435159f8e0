#include "logstore/instant.h"

#include "logstore/numericprefix.h"
#include "logstore/record.h"

namespace kastlog {

int widenYear(int twoDigitYear) {
    return twoDigitYear >= 50 && twoDigitYear <= 99 ? 1900 + twoDigitYear : 2000 + twoDigitYear;
}

namespace {
// Two digits at `pos` of `s`, or -1.
int twoDigits(const QString &s, int pos) {
    if (pos + 1 >= s.size()) return -1;
    const QChar a = s.at(pos), b = s.at(pos + 1);
    if (!a.isDigit() || !b.isDigit() || a.unicode() > '9' || b.unicode() > '9') return -1;
    return (a.unicode() - '0') * 10 + (b.unicode() - '0');
}
}  // namespace

std::optional<Instant> recordInstant(const QString &record) {
    const QString date = column(record, rec::DateCol, rec::DateWidth);
    const QString time = column(record, rec::TimeCol, rec::TimeWidth);
    if (date.size() != 8 || time.size() != 5) return std::nullopt;
    if (date.at(2) != QLatin1Char('/') || date.at(5) != QLatin1Char('/') || time.at(2) != QLatin1Char(':'))
        return std::nullopt;
    const int day = twoDigits(date, 0), month = twoDigits(date, 3), yy = twoDigits(date, 6);
    const int hour = twoDigits(time, 0), minute = twoDigits(time, 3);
    if (day < 0 || month < 0 || yy < 0 || hour < 0 || minute < 0) return std::nullopt;
    const long long year = widenYear(yy);
    Instant in;
    in.key = (((year * 100 + month) * 100 + day) * 100 + hour) * 100 + minute;
    return in;
}

}  // namespace kastlog
