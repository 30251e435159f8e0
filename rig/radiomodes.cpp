#include "rig/radiomodes.h"

#include "logstore/modes.h"

namespace kastlog::rig {

QString logModeOf(QStringView m) {
    auto any = [m](std::initializer_list<const char *> names) {
        for (const char *n : names)
            if (m == QLatin1String(n)) return true;
        return false;
    };
    if (any({"USB", "LSB"})) return QStringLiteral("SSB");
    if (any({"CW", "CWR"})) return QStringLiteral("CW");
    if (any({"FM", "FMN", "WFM"})) return QStringLiteral("FM");
    if (any({"AM"})) return QStringLiteral("AM");
    if (any({"RTTY", "RTTYR"})) return modes::logForm(u"RTTY");
    return {};
}

}  // namespace kastlog::rig
