#pragma once
// Finding a castle reference in free text (a spot's comment, an ADIF comment, notes or QTH) as
// hunters write it: "NM047", "nm-047", "DNJ NM047", "DNJNM047", "DNJ-NM-047", and after the
// award's tag only, "DNJ NM 047" or "DNJ NM.047". The one rule the spots and the import share.
#include <QString>
#include <QStringView>

namespace kastlog {

struct CastleReferenceMatch {
    QString reference;    // "NM047", capitals; empty when none was found
    qsizetype begin = -1; // where the written form starts in the text, the "DNJ" tag included
    qsizetype end = -1;   // just after its last digit
    bool found() const { return !reference.isEmpty(); }
};

// The first castle reference of `text`, in any case, standing as a word of its own: neither
// letters nor digits glued before or after it, but for a glued "DNJ" tag.
CastleReferenceMatch findCastleReference(QStringView text);

}  // namespace kastlog
