#pragma once
// The QSO record (one log line of 107 characters), the display line of the main list
// (122 characters) and the conversions between them. Pure text operations.
#include <QString>

namespace kastlog {

// 1-based column positions and widths of the record. This is the one record layout.
namespace rec {
constexpr int Length = 107;
constexpr int CallCol = 1, CallWidth = 12;
constexpr int ProvCol = 14, ProvWidth = 4;
constexpr int FirstNameCol = 19, FirstNameWidth = 15;
constexpr int RefCol = 35, RefWidth = 5;
constexpr int DateCol = 41, DateWidth = 8;
constexpr int TimeCol = 50, TimeWidth = 5;
constexpr int ModeCol = 56, ModeWidth = 3;
constexpr int BandCol = 60, BandWidth = 7;
constexpr int RstRCol = 68, RstRWidth = 3;
constexpr int RstECol = 72, RstEWidth = 3;
constexpr int NameCol = 76, NameWidth = 30;
constexpr int QslCol = 107;
}  // namespace rec

// 1-based columns of the display line.
namespace disp {
constexpr int Length = 122;
constexpr int NumberCol = 1, NumberWidth = 5;
constexpr int CallCol = 8, CallWidth = 12;
constexpr int ProvCol = 22, ProvWidth = 2;
constexpr int FirstNameCol = 27, FirstNameWidth = 15;
constexpr int RefCol = 43, RefWidth = 5;
constexpr int DateCol = 50, DateWidth = 8;
constexpr int TimeCol = 60, TimeWidth = 5;
constexpr int ModeCol = 67, ModeWidth = 3;
constexpr int BandCol = 72, BandWidth = 7;
constexpr int RstRCol = 81, RstRWidth = 3;
constexpr int RstECol = 86, RstEWidth = 3;
constexpr int NameCol = 90, NameWidth = 30;
constexpr int QslCol = 122;
}  // namespace disp

// The fields of one QSO as the entry window holds them.
struct QsoFields {
    QString call;        // other station, as typed
    QString province;    // two letters taken from the reference
    QString firstName;   // turned to capitals by formatRecord
    QString reference;
    QString date;        // "JJ/MM/AA"
    QString time;        // "HH:MM"
    QString mode;
    QString band;
    QString rstReceived;
    QString rstSent;
    QString castleName;  // trimmed, cut to 30 and turned to capitals by formatRecord
    bool qsl = false;
};

// The same fields as views of text held elsewhere, for records built in bulk.
struct QsoFieldViews {
    QStringView call, province, firstName, reference, date, time, mode, band, rstReceived, rstSent, castleName;
    bool qsl = false;
};

// Characters [col, col+width) of a line, 1-based; shorter or empty past the end.
QStringView columnView(const QString &line, int col, int width);
QString column(const QString &line, int col, int width);
// Same, with leading and trailing blanks removed.
QString trimmedColumn(const QString &line, int col, int width);

// The 107-character record of a QSO. Fields longer than their width are cut.
QString formatRecord(const QsoFields &q);
QString formatRecord(const QsoFieldViews &q);

// True when a log line holds a QSO: 107 characters, a call sign, a readable date and time.
// Other lines (a note typed in by hand, a cut line) are kept by every rewrite but are no QSO.
bool isRecord(const QString &line);

// Line-number column: numbers 1 to 9999 right-justified in 5 columns (a blank, then the
// digits); 10000 to 99999 as five digits with no leading blank.
QString lineNumberText(int n);

// Display line of record `record`, numbered n (1 = first line of the file).
QString displayLine(const QString &record, int n);

// The record a display line was built from (exact for every record formatRecord writes).
QString recordFromDisplayLine(const QString &display);

// Highest line number the display line can carry.
constexpr int MaxDisplayLines = 99999;

}  // namespace kastlog
