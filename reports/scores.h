#pragma once
// The award score: per band group, the castle QSOs logged and those confirmed by QSL.
#include <QStringList>

namespace kastlog {

struct GroupScore {
    int contactes = 0;
    int confirmes = 0;
    bool operator==(const GroupScore &o) const { return contactes == o.contactes && confirmes == o.confirmes; }
};

struct Scores {
    GroupScore hf, vhf, uhf;
};

// Every line counts once in the group of its band label; "*" in column 107 confirms it.
// A band in no group counts nowhere.
Scores computeScores(const QStringList &logLines);

}  // namespace kastlog
