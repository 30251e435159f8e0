#pragma once
// Whether a text names one of the eleven provinces, or a castle in one of them: the rule the
// spots and the ADIF import read a reference by.
#include "reports/map/provinces.h"

#include <QLatin1String>
#include <QStringView>

namespace kastlog::carte {

// `code` is exactly the code of a province ("NM"; capitals).
inline bool isProvinceCode(QStringView code) {
    if (code.size() != 2) return false;
    // Compared unit by unit: the spots call this at every place of every line.
    for (const Province &p : Provinces)
        if (code[0] == QLatin1Char(p.code[0]) && code[1] == QLatin1Char(p.code[1])) return true;
    return false;
}

// `word` is a castle reference: a province code and three digits ("NM047").
inline bool isCastleReference(QStringView word) {
    if (word.size() != 5 || !isProvinceCode(word.left(2))) return false;
    for (QChar c : word.mid(2))
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace kastlog::carte
