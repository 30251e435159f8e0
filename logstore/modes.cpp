#include "logstore/modes.h"

#include <array>

namespace kastlog::modes {

namespace {

struct Row {
    const char *form, *mode, *submode;
    // Other names of the row: submodes and import-only modes that programs write as MODE,
    // and what an operator types. Blank-separated.
    const char *aliases;
};

// From the ADIF 3.1.4 mode and submode tables. A row with an empty submode stands for every
// submode of its mode that has no row of its own.
constexpr std::array<Row, 43> Table{{
    {"RTY", "RTTY", "", "ASCI"},
    {"RTM", "RTTYM", "", ""},
    {"PSK", "PSK", "",
     "PSK31 PSK63 PSK63F PSK125 PSK250 PSK500 PSK1000 BPSK31 BPSK63 BPSK125 BPSK250 BPSK500 "
     "BPSK1000 QPSK31 QPSK63 QPSK125 QPSK250 QPSK500 8PSK125 8PSK250 8PSK500 8PSK1000 PSKAM10 "
     "PSKAM31 PSKAM50 PSKFEC31 PSK10 SIM31"},
    {"P2K", "PSK2K", "", ""},
    {"J65", "JT65", "", "JT65A JT65B JT65B2 JT65C JT65C2"},
    {"J44", "JT44", "", ""},
    {"J6M", "JT6M", "", ""},
    {"OLV", "OLIVIA", "", ""},
    {"STV", "SSTV", "", ""},
    {"HEL", "HELL", "", "FMHELL FSKHELL HELL80 HELLX5 HELLX9 HFSK PSKHELL SLOWHELL"},
    {"THR", "THOR", "", "THOR-M THOR4 THOR5 THOR8 THOR11 THOR16 THOR22 THOR25X4 THOR50X1 THOR50X2 THOR100"},
    {"THB", "THRB", "", "THRBX THRBX1 THRBX2 THRBX4 THROB1 THROB2 THROB4"},
    {"FT4", "MFSK", "FT4", ""},
    {"JS8", "MFSK", "JS8", ""},
    {"Q65", "MFSK", "Q65", ""},
    {"FST", "MFSK", "FST4", ""},
    {"F4W", "MFSK", "FST4W", ""},
    {"FSQ", "MFSK", "FSQCALL", "FSQ"},
    {"JTM", "MFSK", "JTMS", ""},
    {"MFS", "MFSK", "", "MFSK4 MFSK8 MFSK11 MFSK16 MFSK22 MFSK31 MFSK32 MFSK64 MFSK64L MFSK128 MFSK128L"},
    {"C4F", "DIGITALVOICE", "C4FM", ""},
    {"DST", "DIGITALVOICE", "DSTAR", "D-STAR"},
    {"DMR", "DIGITALVOICE", "DMR", ""},
    {"FDV", "DIGITALVOICE", "FREEDV", ""},
    {"M17", "DIGITALVOICE", "M17", ""},
    {"DGV", "DIGITALVOICE", "", ""},
    {"ARD", "ARDOP", "", ""},
    {"CHP", "CHIP", "", "CHIP64 CHIP128"},
    {"CTI", "CONTESTI", "", ""},
    {"DOM", "DOMINO", "", "DOMINOEX DOMINOF DOM-M DOM4 DOM5 DOM8 DOM11 DOM16 DOM22 DOM44 DOM88"},
    {"DYN", "DYNAMIC", "", "VARA"},
    {"F44", "FSK441", "", ""},
    {"M44", "MSK144", "", ""},
    {"M63", "MT63", "", ""},
    {"WSP", "WSPR", "", ""},
    {"ISC", "ISCAT", "", "ISCAT-A ISCAT-B"},
    {"OPR", "OPERA", "", "OPERA-BEACON OPERA-QSO"},
    {"Q64", "QRA64", "", "QRA64A QRA64B QRA64C QRA64D QRA64E"},
    {"WMR", "WINMOR", "", ""},
    // Modes that fit the three columns, for the import-only names of their submodes.
    {"JT4", "JT4", "", "JT4A JT4B JT4C JT4D JT4E JT4F JT4G"},
    {"TOR", "TOR", "", "AMTORFEC GTOR NAVTEX SITORB"},
    {"PAC", "PAC", "", "PAC2 PAC3 PAC4 PACTOR"},
    {"PAX", "PAX", "", "PAX2"},
}};
// The other modes of the ADIF table fit the three columns and need no row:
// AM ATV CLO CW FAX FM FT8 JT9 PKT Q15 ROS SSB T10 V4 VOI.

bool same(QStringView a, const char *b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

bool isAlias(const Row &row, QStringView name) {
    const QLatin1String all(row.aliases);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(QLatin1Char(' '), start);
        if (end < 0) end = all.size();
        if (name.compare(all.sliced(start, end - start), Qt::CaseInsensitive) == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

QString logForm(QStringView mode, QStringView submode) {
    mode = mode.trimmed();
    submode = submode.trimmed();
    if (mode.isEmpty()) return {};
    if (!submode.isEmpty())
        for (const Row &row : Table)
            if (same(mode, row.mode) && same(submode, row.submode)) return QLatin1String(row.form);
    for (const Row &row : Table)
        if (same(mode, row.mode) && !*row.submode) return QLatin1String(row.form);
    if (mode.size() <= 3) return mode.toString().toUpper();
    for (const Row &row : Table)
        if ((*row.submode && same(mode, row.submode)) || isAlias(row, mode)) return QLatin1String(row.form);
    return {};
}

const AdifNames *adifNames(QStringView form) {
    // Every form is three letters: each row's form packed in capitals, compared as a number.
    static const struct Packed {
        quint64 key[Table.size()];
        AdifNames names[Table.size()];
        Packed() {
            for (size_t i = 0; i < Table.size(); ++i) {
                key[i] = pack(QLatin1String(Table[i].form));
                names[i] = {QLatin1StringView(Table[i].mode), QLatin1StringView(Table[i].submode)};
            }
        }
        static quint64 pack(QLatin1String f) {
            return quint64(uchar(f[0].toLatin1())) << 32 | quint64(uchar(f[1].toLatin1())) << 16 | uchar(f[2].toLatin1());
        }
    } table;
    if (form.size() != 3) return nullptr;
    quint64 key = 0;
    for (QChar c : form) key = key << 16 | (c >= u'a' && c <= u'z' ? c.unicode() - 32 : c.unicode());
    for (size_t i = 0; i < Table.size(); ++i)
        if (table.key[i] == key) return &table.names[i];
    return nullptr;
}

AdifMode adifOf(QStringView form) {
    if (const AdifNames *n = adifNames(form)) return {QString(n->mode), QString(n->submode)};
    return {form.toString().toUpper(), {}};
}

}  // namespace kastlog::modes
