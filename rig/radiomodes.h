#pragma once
// Hamlib's modes in the log's terms.
#include <QString>
#include <QStringView>

namespace kastlog::rig {

// The log's mode for a mode Hamlib names: USB, LSB -> SSB; CW, CWR -> CW; FM, FMN, WFM -> FM;
// AM -> AM; RTTY, RTTYR -> the log's RTTY form. Empty for any other (data modes, AM variants):
// the entry keeps its mode.
QString logModeOf(QStringView hamlibMode);

}  // namespace kastlog::rig
