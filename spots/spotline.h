#pragma once
// One line of a DX cluster node: "DX de SPOTTER: FREQ CALL COMMENT HHMMZ [LOCATOR]", the
// frequency in kHz. A castle spot is one whose comment names a castle reference.
#include <QString>
#include <QStringView>
#include <optional>

namespace kastlog::spots {

struct Spot {
    QString spotter;    // without the colon
    QString frequency;  // as the node wrote it, in kHz
    double khz = 0;
    QString call;
    QString comment;    // trimmed; may be empty
    QString time;       // "HHMMZ"
    QString locator;    // empty when the node gave none
    QString band;       // band label of the entry, empty outside the twelve bands
    QString reference;  // castle reference in capitals ("NM047"), empty when none
};

// The entry's band label for a frequency in kHz; empty outside the twelve bands.
QString bandForKhz(double khz);

// The spot of a node line; nothing when the line is no spot line.
std::optional<Spot> parseSpotLine(QStringView line);
// The same, for a castle spot on one of the twelve bands only.
std::optional<Spot> parseCastleSpot(QStringView line);

}  // namespace kastlog::spots
