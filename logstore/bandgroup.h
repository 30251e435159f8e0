#pragma once
// The band groups HF, VHF and UHF: the one rule used by the duplicate refusal, the scores,
// the map and the castle list.
#include <QString>
#include <QStringList>

namespace kastlog {

enum class BandGroup { None, HF, VHF, UHF };

// Group of a band label, compared whole, exactly and case-sensitively. "50 Mhz" is HF,
// "10 Mhz" and any other text is in no group.
BandGroup bandGroup(const QString &label);
// Group of a log line: its band label (columns 60-66) stripped of blanks.
BandGroup lineBandGroup(const QString &line);
// "HF", "VHF", "UHF", or "" for no group.
QString bandGroupName(BandGroup g);

struct ContactFound {
    bool found = false;
    QString date;  // columns 41-48 of the line found
    QString band;  // its band label, trimmed
};

// First line (in file order) whose reference (columns 35-39) equals `ref` exactly and whose
// group equals `group` (no group equals no group).
ContactFound rechercheChateauContacte(const QStringList &lines, const QString &ref, BandGroup group);

}  // namespace kastlog
