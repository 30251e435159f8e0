#include "logstore/bandgroup.h"

#include "logstore/record.h"

namespace kastlog {

namespace {
BandGroup groupOf(QStringView label) {
    // Labels measured once: the import asks for the group of every line of the log.
    static constexpr QLatin1String hf[] = {QLatin1String("1.8 Mhz"), QLatin1String("3.5 Mhz"), QLatin1String("7.0 Mhz"),
                                           QLatin1String("14 Mhz"),  QLatin1String("18 Mhz"),  QLatin1String("21 Mhz"),
                                           QLatin1String("24 Mhz"),  QLatin1String("28 Mhz"),  QLatin1String("50 Mhz")};
    for (QLatin1String b : hf)
        if (label == b) return BandGroup::HF;
    if (label == QLatin1String("144 Mhz")) return BandGroup::VHF;
    if (label == QLatin1String("432 Mhz")) return BandGroup::UHF;
    return BandGroup::None;  // "10 Mhz" and any other text
}

BandGroup groupOfLine(const QString &line) {
    return groupOf(columnView(line, rec::BandCol, rec::BandWidth).trimmed());
}
}  // namespace

BandGroup bandGroup(const QString &label) { return groupOf(label); }

BandGroup lineBandGroup(const QString &line) { return groupOfLine(line); }

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
        const QStringView lineRef = columnView(l, rec::RefCol, rec::RefWidth);
        if (lineRef != ref || groupOfLine(l) != group) continue;
        f.found = true;
        f.date = column(l, rec::DateCol, rec::DateWidth);
        f.band = trimmedColumn(l, rec::BandCol, rec::BandWidth);
        break;
    }
    return f;
}

}  // namespace kastlog
