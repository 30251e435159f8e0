#include "rig/bandplan.h"

#include <QRegularExpression>

namespace kastlog::rig {

bool inSegment(double khz, Use use) {
    for (const Segment &s : Region1)
        if (s.use == use && khz >= s.lowKhz && khz < s.highKhz) return true;
    return false;
}

QString modeForSpot(double khz, QStringView comment) {
    static const QRegularExpression cw(QStringLiteral("\\bCW\\b"), QRegularExpression::CaseInsensitiveOption);
    if (cw.match(comment).hasMatch() || inSegment(khz, Use::Cw)) return QStringLiteral("CW");
    if (inSegment(khz, Use::Fm)) return QStringLiteral("FM");
    return khz < 10000 ? QStringLiteral("LSB") : QStringLiteral("USB");
}

}  // namespace kastlog::rig
