#include "spots/spotline.h"

#include "reports/map/provinces.h"

#include <QList>

namespace kastlog::spots {

namespace {

struct BandRange {
    double low, high;  // kHz, both included
    const char *label;
};

// The amateur allocations of the twelve bands the entry offers, wide enough for every region.
constexpr BandRange Bands[] = {
    {1800, 2000, "1.8 Mhz"},     {3500, 4000, "3.5 Mhz"},     {7000, 7300, "7.0 Mhz"},
    {10100, 10150, "10 Mhz"},    {14000, 14350, "14 Mhz"},    {18068, 18168, "18 Mhz"},
    {21000, 21450, "21 Mhz"},    {24890, 24990, "24 Mhz"},    {28000, 29700, "28 Mhz"},
    {50000, 54000, "50 Mhz"},    {144000, 148000, "144 Mhz"}, {430000, 440000, "432 Mhz"},
};

bool isAlnum(QChar c) { return c.isLetterOrNumber(); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isProvince(QChar a, QChar b) {
    for (const auto &p : carte::Provinces)
        if (a == QLatin1Char(p.code[0]) && b == QLatin1Char(p.code[1])) return true;
    return false;
}

// Next blank-separated word from `pos`; empty at the end.
QStringView word(QStringView s, qsizetype &pos) {
    while (pos < s.size() && s[pos].isSpace()) ++pos;
    const qsizetype start = pos;
    while (pos < s.size() && !s[pos].isSpace()) ++pos;
    return s.mid(start, pos - start);
}

bool isTime(QStringView w) {
    return w.size() == 5 && isDigit(w[0]) && isDigit(w[1]) && isDigit(w[2]) && isDigit(w[3]) &&
           (w[4] == u'Z' || w[4] == u'z');
}

bool isLocator(QStringView w) {
    if (w.size() != 4 && w.size() != 6) return false;
    for (qsizetype i = 0; i < w.size(); ++i) {
        const bool digit = isDigit(w[i]);
        if ((i == 2 || i == 3) != digit) return false;
        const QChar c = w[i].toUpper();
        if (!digit && !(c >= u'A' && c <= u'X')) return false;
    }
    return true;
}

}  // namespace

QString bandForKhz(double khz) {
    for (const BandRange &b : Bands)
        if (khz >= b.low && khz <= b.high) return QString::fromLatin1(b.label);
    return {};
}

QString castleReference(QStringView comment) {
    const QString up = comment.toString().toUpper();
    for (qsizetype i = 0; i + 5 <= up.size(); ++i) {
        if (!isProvince(up[i], up[i + 1]) || !isDigit(up[i + 2]) || !isDigit(up[i + 3]) || !isDigit(up[i + 4]))
            continue;
        if (i + 5 < up.size() && isAlnum(up[i + 5])) continue;
        qsizetype before = i;
        // "DNJNM047" is the same word as "NM047".
        if (before >= 3 && QStringView(up).mid(before - 3, 3) == u"DNJ") before -= 3;
        if (before > 0 && isAlnum(up[before - 1])) continue;
        return up.mid(i, 5);
    }
    return {};
}

std::optional<Spot> parseSpotLine(QStringView line) {
    const QStringView head = u"DX de ";
    if (!line.startsWith(head, Qt::CaseInsensitive)) return std::nullopt;
    const qsizetype colon = line.indexOf(u':', head.size());
    if (colon < 0) return std::nullopt;
    Spot s;
    s.spotter = line.mid(head.size(), colon - head.size()).trimmed().toString();
    if (s.spotter.isEmpty() || s.spotter.contains(u' ')) return std::nullopt;

    qsizetype pos = colon + 1;
    const QStringView freq = word(line, pos);
    bool ok = false;
    s.khz = freq.toDouble(&ok);
    if (!ok || !(s.khz > 0) || freq.contains(u'e', Qt::CaseInsensitive)) return std::nullopt;
    s.frequency = freq.toString();
    const QStringView call = word(line, pos);
    if (call.isEmpty()) return std::nullopt;
    s.call = call.toString();

    // The rest: the comment, then the time, then perhaps the locator, read from the end.
    const QStringView rest = line.mid(pos);
    QList<QStringView> words;
    QList<qsizetype> starts;
    for (qsizetype p = 0;;) {
        const QStringView w = word(rest, p);
        if (w.isEmpty()) break;
        words.append(w);
        starts.append(p - w.size());
    }
    qsizetype t = words.size() - 1;
    if (t >= 0 && !isTime(words[t]) && isLocator(words[t])) --t;
    if (t < 0 || !isTime(words[t])) return std::nullopt;
    s.time = words[t].toString();
    if (t + 1 < words.size()) s.locator = words[t + 1].toString();
    s.comment = rest.left(starts[t]).trimmed().toString();
    s.band = bandForKhz(s.khz);
    s.reference = castleReference(s.comment);
    return s;
}

}  // namespace kastlog::spots
