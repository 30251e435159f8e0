#include "spots/spotline.h"

#include "logstore/bands.h"
#include "reports/castlereference.h"

namespace kastlog::spots {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
int digit(QChar c) { return c.unicode() - u'0'; }

// Next blank-separated word from `pos`; empty at the end.
QStringView word(QStringView s, qsizetype &pos) {
    while (pos < s.size() && s[pos].isSpace()) ++pos;
    const qsizetype start = pos;
    while (pos < s.size() && !s[pos].isSpace()) ++pos;
    return s.mid(start, pos - start);
}

// The last word of `text`; `before` receives the text before it, trimmed.
QStringView lastWord(QStringView text, QStringView &before) {
    qsizetype start = text.size();
    while (start > 0 && !text[start - 1].isSpace()) --start;
    before = text.left(start).trimmed();
    return text.mid(start);
}

// A frequency as nodes write it: digits with at most one decimal point. Read by hand: the
// general number reader costs more than the rest of the line.
bool readKhz(QStringView w, double &khz) {
    double whole = 0, scale = 0;
    bool digits = false;
    for (QChar c : w) {
        if (isDigit(c)) {
            digits = true;
            if (scale == 0) whole = whole * 10 + digit(c);
            else whole += digit(c) * (scale /= 10);
        } else if (c == u'.' && scale == 0) {
            scale = 1;
        } else {
            return false;
        }
    }
    khz = whole;
    return digits && w.size() <= 12 && khz > 0;
}

// "HHMMZ", or "HHMM" from the nodes that leave the "Z" out.
bool isTime(QStringView w) {
    if (w.size() == 5 && (w[4] == u'Z' || w[4] == u'z')) w.chop(1);
    if (w.size() != 4) return false;
    for (QChar c : w)
        if (!isDigit(c)) return false;
    return digit(w[0]) * 10 + digit(w[1]) < 24 && digit(w[2]) < 6;
}

// What a node puts after the time: a locator ("JO20", "JO20AB"), a zone ("14"), a US state
// ("OH"), a country prefix.
bool isSpotterArea(QStringView w) {
    if (w.isEmpty() || w.size() > 6) return false;
    for (QChar c : w)
        if (!(isDigit(c) || (c.toUpper() >= u'A' && c.toUpper() <= u'Z'))) return false;
    return true;
}

// "9-Dec-2026" or "09-Dec-2026" (a two-digit year is of this century).
QDate readDate(QStringView w) {
    static const char16_t *const months[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                             u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
    const qsizetype a = w.indexOf(u'-'), b = w.lastIndexOf(u'-');
    if (a < 1 || a > 2 || b != a + 4) return {};
    int day = 0, year = 0, month = 0;
    for (QChar c : w.left(a)) {
        if (!isDigit(c)) return {};
        day = day * 10 + digit(c);
    }
    const QStringView y = w.mid(b + 1);
    if (y.size() != 2 && y.size() != 4) return {};
    for (QChar c : y) {
        if (!isDigit(c)) return {};
        year = year * 10 + digit(c);
    }
    if (y.size() == 2) year += 2000;
    for (int m = 0; m < 12 && !month; ++m)
        if (w.mid(a + 1, 3).compare(QStringView(months[m]), Qt::CaseInsensitive) == 0) month = m + 1;
    return QDate(year, month, day);  // invalid for a month or a day that is none
}

bool startsWithDxDe(QStringView s) {
    const QStringView head = u"dx de ";
    if (s.size() < head.size()) return false;
    for (qsizetype i = 0; i < head.size(); ++i) {
        const char16_t c = s[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + 32 : c) != head[i].unicode()) return false;
    }
    return true;
}

// The fields of a spot line, as views into it.
struct Fields {
    QStringView spotter, freq, call, comment, time, area;
    QDate date;
    double khz = 0;
};

// "DX de SPOTTER: FREQ CALL COMMENT TIME [AREA]"; the spotter ends at its colon or, cut to
// its field, at the first blank.
bool readLiveSpot(QStringView s, Fields &f) {
    qsizetype pos = 6;
    const qsizetype start = pos;
    while (pos < s.size() && s[pos] != u':' && !s[pos].isSpace()) ++pos;
    f.spotter = s.mid(start, pos - start);
    if (f.spotter.isEmpty()) return false;
    if (pos < s.size() && s[pos] == u':') ++pos;
    f.freq = word(s, pos);
    if (!readKhz(f.freq, f.khz)) return false;
    f.call = word(s, pos);
    if (f.call.isEmpty()) return false;
    // The rest, read from its end: the time, or the time then what the node adds after it.
    const QStringView rest = s.mid(pos).trimmed();
    QStringView before;
    const QStringView last = lastWord(rest, before);
    if (isTime(last)) {
        f.time = last;
        f.comment = before;
        return true;
    }
    QStringView comment;
    const QStringView time = lastWord(before, comment);
    if (!isTime(time) || !isSpotterArea(last)) return false;
    f.time = time;
    f.area = last;
    f.comment = comment;
    return true;
}

// "FREQ CALL DATE TIME COMMENT <SPOTTER>", blanks before and between.
bool readListedSpot(QStringView s, Fields &f) {
    qsizetype pos = 0;
    f.freq = word(s, pos);
    if (!readKhz(f.freq, f.khz)) return false;
    f.call = word(s, pos);
    f.date = readDate(word(s, pos));
    if (f.call.isEmpty() || !f.date.isValid()) return false;
    f.time = word(s, pos);
    if (!isTime(f.time)) return false;
    const QStringView spotter = lastWord(s.mid(pos).trimmed(), f.comment);
    if (spotter.size() < 3 || spotter.front() != u'<' || spotter.back() != u'>') return false;
    f.spotter = spotter.mid(1, spotter.size() - 2);
    return true;
}

bool readFields(QStringView line, Fields &f) {
    qsizetype pos = 0;
    while (pos < line.size() && line[pos].isSpace()) ++pos;
    const QStringView s = line.mid(pos);
    return startsWithDxDe(s) ? readLiveSpot(s, f) : readListedSpot(s, f);
}

Spot toSpot(const Fields &f, QString band, QString reference) {
    Spot s;
    s.band = std::move(band);
    s.reference = std::move(reference);
    s.khz = f.khz;
    s.spotter = f.spotter.toString();
    s.frequency = f.freq.toString();
    s.call = f.call.toString();
    s.comment = f.comment.toString();
    s.time = f.time.left(4).toString() + u'Z';
    s.date = f.date;
    s.spotterArea = f.area.toString();
    return s;
}

}  // namespace

QString bandForKhz(double khz) { return bandLabelOfFrequency(khz / 1000); }

LineKind readNodeLine(QStringView line, Spot &castle) {
    Fields f;
    if (!readFields(line, f)) return LineKind::Text;
    // Most lines of a node are no castle spot: they are told apart before any text is copied.
    QString band = bandForKhz(f.khz);
    if (band.isEmpty()) return LineKind::Spot;
    QString reference = findCastleReference(f.comment).reference;
    if (reference.isEmpty()) return LineKind::Spot;
    castle = toSpot(f, std::move(band), std::move(reference));
    return LineKind::CastleSpot;
}

std::optional<Spot> parseSpotLine(QStringView line) {
    Fields f;
    if (!readFields(line, f)) return std::nullopt;
    return toSpot(f, bandForKhz(f.khz), findCastleReference(f.comment).reference);
}

std::optional<Spot> parseCastleSpot(QStringView line) {
    Spot s;
    if (readNodeLine(line, s) != LineKind::CastleSpot) return std::nullopt;
    return s;
}

}  // namespace kastlog::spots
