#pragma once
// Which provinces a log marks on the map for a band group. Pure text operations.
#include "reports/map/provinces.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kastlog::carte {

using Marks = std::array<bool, ProvinceCount>;  // one per row of Provinces

// Row of Provinces whose code is exactly `letters` (capitals, no blanks), or -1.
int provinceIndex(const QString &letters);

// A line marks the province named by the first two letters of its reference (columns 35-36,
// not trimmed) when its band label is in a group whose name is exactly `group`. A line whose
// band is in no group marks nothing, whatever `group` holds (an empty one included).
Marks provincesContactees(const QStringList &lines, const QString &group);

}  // namespace kastlog::carte
