#pragma once
// The spots among the lines of a DX cluster node, in the two layouts nodes use:
// - a spot as it happens: "DX de SPOTTER: FREQ CALL COMMENT HHMMZ [AREA]", where the spotter
//   may be cut to its field's width and lose its colon, the time may lack its "Z", and AREA
//   is what the node adds after the time (the spotter's locator, CQ or ITU zone, US state);
// - a line of the answer to "sh/dx": "FREQ CALL D-Mon-YYYY HHMMZ COMMENT <SPOTTER>".
// The frequency is in kHz. A castle spot is one whose comment names a castle reference.
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace kastlog::spots {

struct Spot {
    QString spotter;    // without the colon or the brackets
    QString frequency;  // as the node wrote it, in kHz
    double khz = 0;
    QString call;
    QString comment;    // trimmed; may be empty
    QString time;       // "HHMMZ", the "Z" added when the node left it out
    QDate date;         // UTC; only in an answer to "sh/dx" (a spot as it happens is of now)
    QString spotterArea;  // what the node wrote after the time; empty when nothing
    QString band;       // band label of the entry, empty outside the twelve bands
    QString reference;  // castle reference in capitals ("NM047"), empty when none
};

// The entry's band label for a frequency in kHz; empty outside the twelve bands.
QString bandForKhz(double khz);

enum class LineKind { Text, Spot, CastleSpot };

// What a node line is; `castle` receives the spot when it is a castle spot on one of the
// twelve bands. The fields of any other spot are never copied out of the line.
LineKind readNodeLine(QStringView line, Spot &castle);

// The spot of a node line; nothing when the line is no spot line.
std::optional<Spot> parseSpotLine(QStringView line);
// The same, for a castle spot on one of the twelve bands only.
std::optional<Spot> parseCastleSpot(QStringView line);

}  // namespace kastlog::spots
