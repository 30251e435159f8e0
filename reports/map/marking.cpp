#include "reports/map/marking.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

namespace kastlog::carte {

int provinceIndex(const QString &letters) {
    for (int i = 0; i < ProvinceCount; ++i)
        if (letters == QLatin1String(Provinces[i].code)) return i;
    return -1;
}

Marks provincesContactees(const QStringList &lines, const QString &group) {
    Marks marks{};
    for (const QString &line : lines) {
        const BandGroup g = lineBandGroup(line);
        if (g == BandGroup::None || bandGroupName(g) != group) continue;
        const int i = provinceIndex(column(line, rec::RefCol, 2));
        if (i >= 0) marks[i] = true;
    }
    return marks;
}

}  // namespace kastlog::carte
