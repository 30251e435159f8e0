#pragma once
// The instant of a record: date (columns 41-48, "JJ/MM/AA") and time (50-54, "HH:MM").
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <optional>

namespace kastlog {

// Widened year, month, day, hour, minute compared as numbers, no calendar check, so that
// 31/02/08 and 00/00/00 still order.
struct Instant {
    long long key = 0;  // yyyy mm dd hh mm packed in decimal
    bool operator<(const Instant &o) const { return key < o.key; }
    bool operator<=(const Instant &o) const { return key <= o.key; }
    bool operator==(const Instant &o) const { return key == o.key; }
};

// Two-digit years 50 to 99 are 19xx, 0 to 49 are 20xx.
int widenYear(int twoDigitYear);

// Instant of a record, or none when its date or time cannot be read.
std::optional<Instant> recordInstant(const QString &record);
// Same, over a view of a record, or of its bytes (one byte per character).
std::optional<Instant> instantOf(QStringView record);
std::optional<Instant> instantOf(QLatin1String record);

}  // namespace kastlog
