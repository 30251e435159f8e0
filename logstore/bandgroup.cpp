#include "logstore/bandgroup.h"

#include "logstore/record.h"

namespace kastlog {

BandGroup bandGroup(const QString &label) {
    static const QStringList hf = {QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz"), QStringLiteral("7.0 Mhz"),
                                   QStringLiteral("14 Mhz"),  QStringLiteral("18 Mhz"),  QStringLiteral("21 Mhz"),
                                   QStringLiteral("24 Mhz"),  QStringLiteral("28 Mhz"),  QStringLiteral("50 Mhz")};
    if (hf.contains(label)) return BandGroup::HF;
    if (label == QLatin1String("144 Mhz")) return BandGroup::VHF;
    if (label == QLatin1String("432 Mhz")) return BandGroup::UHF;
    return BandGroup::None;  // "10 Mhz" and any other text
}

BandGroup lineBandGroup(const QString &line) {
    return bandGroup(trimmedColumn(line, rec::BandCol, rec::BandWidth));
}

QString bandGroupName(BandGroup g) {
    switch (g) {
    case BandGroup::HF: return QStringLiteral("HF");
    case BandGroup::VHF: return QStringLiteral("VHF");
    case BandGroup::UHF: return QStringLiteral("UHF");
    case BandGroup::None: break;
    }
    return QString();
}

ContactFound rechercheChateauContacte(const QStringList &lines, const QString &ref, BandGroup group) {
    ContactFound f;
    for (const QString &l : lines) {
        if (QStringView(l).mid(rec::RefCol - 1, rec::RefWidth) != ref) continue;
        if (lineBandGroup(l) != group) continue;
        f.found = true;
        f.date = column(l, rec::DateCol, rec::DateWidth);
        f.band = trimmedColumn(l, rec::BandCol, rec::BandWidth);
        break;
    }
    return f;
}

}  // namespace kastlog
