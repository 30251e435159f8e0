#include "reports/scores.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

namespace kastlog {

Scores computeScores(const QStringList &logLines) {
    Scores s;
    for (const QString &line : logLines) {
        GroupScore *g = nullptr;
        switch (lineBandGroup(line)) {
        case BandGroup::HF: g = &s.hf; break;
        case BandGroup::VHF: g = &s.vhf; break;
        case BandGroup::UHF: g = &s.uhf; break;
        case BandGroup::None: break;
        }
        if (!g) continue;
        ++g->contactes;
        if (column(line, rec::QslCol, 1) == QLatin1String("*")) ++g->confirmes;
    }
    return s;
}

}  // namespace kastlog
