#include "logstore/bandgroup.h"

#include "logstore/record.h"

namespace kastlog {

namespace {
BandGroup groupOf(QStringView label) {
    static const char *const hf[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz",
                                     "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz"};
    for (const char *b : hf)
        if (label == QLatin1String(b)) return BandGroup::HF;
    if (label == QLatin1String("144 Mhz")) return BandGroup::VHF;
    if (label == QLatin1String("432 Mhz")) return BandGroup::UHF;
    return BandGroup::None;  // "10 Mhz" and any other text
}

BandGroup groupOfLine(const QString &line) {
    return groupOf(QStringView(line).mid(qMin<qsizetype>(rec::BandCol - 1, line.size()), rec::BandWidth).trimmed());
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
        const QStringView lineRef = QStringView(l).mid(qMin<qsizetype>(rec::RefCol - 1, l.size()), rec::RefWidth);
        if (lineRef != ref || groupOfLine(l) != group) continue;
        f.found = true;
        f.date = column(l, rec::DateCol, rec::DateWidth);
        f.band = trimmedColumn(l, rec::BandCol, rec::BandWidth);
        break;
    }
    return f;
}

}  // namespace kastlog
