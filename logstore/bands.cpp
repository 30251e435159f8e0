#include "logstore/bands.h"

namespace kastlog {

QString bandLabelOfFrequency(double mhz) {
    // The labels are made once: the spots ask for one per line a node sends.
    static const std::array<QString, Bands.size()> labels = [] {
        std::array<QString, Bands.size()> l;
        for (size_t i = 0; i < Bands.size(); ++i) l[i] = QString::fromLatin1(Bands[i].label);
        return l;
    }();
    for (size_t i = 0; i < Bands.size(); ++i)
        if (mhz >= Bands[i].lowMhz && mhz <= Bands[i].highMhz) return labels[i];
    return {};
}

}  // namespace kastlog
