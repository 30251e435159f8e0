#include "logstore/bands.h"

namespace kastlog {

QString labelOf(const BandRow &row) {
    // Made once: the spots ask for one per line a node sends, the import one per QSO.
    static const std::array<QString, Bands.size()> labels = [] {
        std::array<QString, Bands.size()> l;
        for (size_t i = 0; i < Bands.size(); ++i) l[i] = QString::fromLatin1(Bands[i].label);
        return l;
    }();
    return labels[size_t(&row - Bands.data())];
}

QString bandLabelOfFrequency(double mhz) {
    for (const BandRow &row : Bands)
        if (mhz >= row.lowMhz && mhz <= row.highMhz) return labelOf(row);
    return {};
}

}  // namespace kastlog
