#include "spots/spotline.h"

#include "logstore/bands.h"
#include "reports/castlereference.h"

#include <QList>

namespace kastlog::spots {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Next blank-separated word from `pos`; empty at the end.
QStringView word(QStringView s, qsizetype &pos) {
    while (pos < s.size() && s[pos].isSpace()) ++pos;
    const qsizetype start = pos;
    while (pos < s.size() && !s[pos].isSpace()) ++pos;
    return s.mid(start, pos - start);
}

// A frequency as nodes write it: digits with at most one decimal point. Read by hand: the
// general number reader costs more than the rest of the line.
bool readKhz(QStringView w, double &khz) {
    double whole = 0, scale = 0;
    bool digits = false;
    for (QChar c : w) {
        if (isDigit(c)) {
            digits = true;
            if (scale == 0) whole = whole * 10 + (c.unicode() - u'0');
            else whole += (c.unicode() - u'0') * (scale /= 10);
        } else if (c == u'.' && scale == 0) {
            scale = 1;
        } else {
            return false;
        }
    }
    khz = whole;
    return digits && w.size() <= 12;
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

QString bandForKhz(double khz) { return bandLabelOfFrequency(khz / 1000); }

namespace {

// The fields of a spot line, as views into it.
std::optional<Spot> parse(QStringView line, bool castlesOnly) {
    const QStringView head = u"dx de ";
    if (line.size() < head.size()) return std::nullopt;
    for (qsizetype i = 0; i < head.size(); ++i) {
        const char16_t c = line[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + 32 : c) != head[i].unicode()) return std::nullopt;
    }
    const qsizetype colon = line.indexOf(u':', head.size());
    if (colon < 0) return std::nullopt;
    const QStringView spotter = line.mid(head.size(), colon - head.size()).trimmed();
    if (spotter.isEmpty() || spotter.contains(u' ')) return std::nullopt;

    qsizetype pos = colon + 1;
    const QStringView freq = word(line, pos);
    double khz = 0;
    if (!readKhz(freq, khz) || !(khz > 0)) return std::nullopt;
    const QStringView call = word(line, pos);
    if (call.isEmpty()) return std::nullopt;

    // The rest, read from its end: perhaps a locator, then the time; the comment before.
    const QStringView rest = line.mid(pos).trimmed();
    auto lastWord = [](QStringView text, QStringView &before) {
        qsizetype start = text.size();
        while (start > 0 && !text[start - 1].isSpace()) --start;
        before = text.left(start).trimmed();
        return text.mid(start);
    };
    QStringView comment, locator;
    QStringView last = lastWord(rest, comment);
    if (!isTime(last) && isLocator(last)) {
        locator = last;
        last = lastWord(comment, comment);
    }
    if (!isTime(last)) return std::nullopt;

    Spot s;
    s.band = bandForKhz(khz);
    s.reference = findCastleReference(comment).reference;
    // Most lines of a node are no castle spot: they are dropped before any text is copied.
    if (castlesOnly && (s.band.isEmpty() || s.reference.isEmpty())) return std::nullopt;
    s.khz = khz;
    s.spotter = spotter.toString();
    s.frequency = freq.toString();
    s.call = call.toString();
    s.comment = comment.toString();
    s.time = last.toString();
    s.locator = locator.toString();
    return s;
}

}  // namespace

std::optional<Spot> parseSpotLine(QStringView line) { return parse(line, false); }

std::optional<Spot> parseCastleSpot(QStringView line) { return parse(line, true); }

}  // namespace kastlog::spots
