#pragma once
// The contacted-castles list of one band group: its rows, counters, list file and printout.
#include "logstore/clock.h"

#include <QString>
#include <QStringList>

namespace kastlog::castlelist {

// Column header shown above the list, in French: the window shows its translation
// (QCoreApplication::translate("CastleList", ListHeader)). The saved and printed lists keep theirs.
//: Column titles above a fixed-pitch list: keep each title above its column.
inline constexpr char ListHeader[] = QT_TRANSLATE_NOOP(
    "CastleList", "   Ref             Nom du Chateau                      Date      Indicatif         QSL");

// Row of one log line (65 characters for a whole record): a blank, reference, castle name,
// date, call sign and QSL mark as the line holds them, two blanks between fields.
QString row(const QString &logLine);

struct List {
    QStringList rows;   // sorted case-insensitively by the whole row
    int contactes = 0;  // rows listed
    int confirmes = 0;  // rows whose QSL mark is "*"
};

// The lines whose band group is exactly `group` ("HF", "VHF" or "UHF", same case).
List build(const QStringList &logLines, const QString &group);

// Row number right-aligned in 5 characters.
QString rowNumber(int n);

// call + "_Liste_Chateaux_Bande_" + group + "_DD_MM_YY.txt", from today's local date.
QString fileName(const QString &call, const QString &group, const ClockReading &today);
// False when `group` holds a character that cannot be part of a file name: a path separator,
// one of : * ? " < > |, or a control character.
bool fitsFileName(const QString &group);

// The saved file and the printout, in French whatever the language shown; `dateText` is
// today's date as the title shows it.
QStringList fileLines(const QString &call, const QString &group, const QString &dateText,
                      const QStringList &rows);
QStringList printLines(const QString &call, const QString &group, const QString &dateText,
                       const QStringList &rows);

}  // namespace kastlog::castlelist
