#include "logstore/bandgroup.h"

#include "logstore/record.h"

#include <string>

namespace kastlog {

namespace {
BandGroup groupOf(QStringView label) {
    struct Label {
        const char *text;
        BandGroup group;
    };
    static constexpr Label labels[] = {
        {"1.8 Mhz", BandGroup::HF}, {"3.5 Mhz", BandGroup::HF}, {"7.0 Mhz", BandGroup::HF},
        {"14 Mhz", BandGroup::HF},  {"18 Mhz", BandGroup::HF},  {"21 Mhz", BandGroup::HF},
        {"24 Mhz", BandGroup::HF},  {"28 Mhz", BandGroup::HF},  {"50 Mhz", BandGroup::HF},
        {"144 Mhz", BandGroup::VHF}, {"432 Mhz", BandGroup::UHF}};
    // Every label is six or seven characters ending in " Mhz": most lines are told apart
    // by their first character, compared here without a call per label.
    if (label.size() < 6 || label.size() > 7) return BandGroup::None;
    for (const Label &l : labels) {
        const qsizetype n = qsizetype(std::char_traits<char>::length(l.text));
        if (n != label.size() || label[0] != QLatin1Char(l.text[0])) continue;
        qsizetype i = 1;
        while (i < n && label[i] == QLatin1Char(l.text[i])) ++i;
        if (i == n) return l.group;
    }
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
