#pragma once
// The log keeps three columns for the mode. Modes of one to three letters are written as they
// are (SSB, CW, FM, FT8, ...); longer ADIF modes and submodes have a three-letter form here
// (RTTY <-> RTY, MFSK/FT4 <-> FT4, ...). The one table the entry, the import, the export and
// the radio read.
#include <QString>
#include <QStringView>

namespace kastlog::modes {

struct AdifMode {
    QString mode;     // ADIF MODE, capitals
    QString submode;  // ADIF SUBMODE; empty when the form stands for the whole mode
};

// The log's form of an ADIF mode and submode (any case): the row of the submode, else the
// row standing for any submode of the mode, else a mode of at most three letters as it is,
// else a mode that other programs write in place of its submode (MODE=JS8, MODE=PSK31).
// Empty when the log cannot hold it.
QString logForm(QStringView mode, QStringView submode = {});

// The ADIF mode and submode a form of the log stands for; a form the table does not know
// is its own ADIF mode.
AdifMode adifOf(QStringView form);

// The same without a copy, for the export of a whole log: the names of the row of `form`
// (any case), or null for a form the table does not know.
struct AdifNames {
    QLatin1StringView mode, submode;  // submode empty when the form stands for the whole mode
};
const AdifNames *adifNames(QStringView form);

}  // namespace kastlog::modes
