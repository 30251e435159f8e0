#include "reports/adifrecord.h"

#include "logstore/bands.h"
#include "logstore/cp1252.h"
#include "logstore/instant.h"
#include "logstore/modes.h"
#include "logstore/record.h"

#include <QChar>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#if defined(__SSE2__) && defined(__SIZEOF_INT128__)
#include <emmintrin.h>
#define KASTLOG_BLANK_BITS 1
#endif

namespace kastlog::adif {

namespace {
bool isBlank(char16_t c) { return QChar(c).isSpace(); }
bool isBlank(char c) { return cp1252::isBlank(c); }

template <class Unit>
struct Span {
    const Unit *p = nullptr;
    qsizetype n = 0;
    Span mid(qsizetype from, qsizetype count) const {
        from = qMin(from, n);
        return {p + from, qMin(count, n - from)};
    }
    Span left(qsizetype count) const { return mid(0, count); }
    bool is(QLatin1StringView latin1) const {
        if (latin1.size() != n) return false;
        for (qsizetype i = 0; i < n; ++i)
            if (p[i] != Unit(uchar(latin1.data()[i]))) return false;
        return true;
    }
};

// A log line and its trimmed columns.
template <class Unit>
struct Line {
    Span<Unit> text;
#ifdef KASTLOG_BLANK_BITS
    // Bit i set when byte i is not a blank: a record's columns are then trimmed by a few bit
    // operations, not byte by byte. Known only for lines of bytes of at most 128 bytes whose
    // only blank is the space (any other is trimmed byte by byte).
    unsigned __int128 filled = 0;
    bool known = false;
#endif
    explicit Line(Span<Unit> t) : text(t) {
#ifdef KASTLOG_BLANK_BITS
        if constexpr (sizeof(Unit) == 1) known = findFilled();
#endif
    }

    Span<Unit> trimmed(int col, int width) const {
        Span<Unit> s = text.mid(col - 1, width);
#ifdef KASTLOG_BLANK_BITS
        if (known) {
            const unsigned __int128 bits = (filled >> (col - 1)) & (((unsigned __int128)(1) << width) - 1);
            if (bits == 0) return {s.p, 0};
            const auto low = quint64(bits), high = quint64(bits >> 64);
            const int first = low ? __builtin_ctzll(low) : 64 + __builtin_ctzll(high);
            const int last = high ? 127 - __builtin_clzll(high) : 63 - __builtin_clzll(low);
            return {text.p + col - 1 + first, last - first + 1};  // bits past the line's end are blanks
        }
#endif
        while (s.n > 0 && isBlank(s.p[0])) ++s.p, --s.n;
        while (s.n > 0 && isBlank(s.p[s.n - 1])) --s.n;
        return s;
    }

#ifdef KASTLOG_BLANK_BITS
    bool findFilled() {
        if (text.n > 128) return false;
        alignas(16) char padded[128];
        std::memset(padded, ' ', sizeof padded);
        std::memcpy(padded, text.p, size_t(text.n));
        const __m128i space = _mm_set1_epi8(' '), nbsp = _mm_set1_epi8(char(0xA0));
        const __m128i tab = _mm_set1_epi8(0x09), four = _mm_set1_epi8(4);
        for (int i = 0; i < 8; ++i) {
            const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i *>(padded + 16 * i));
            const __m128i fromTab = _mm_sub_epi8(v, tab);  // tab to carriage return: 0 to 4
            const __m128i other = _mm_or_si128(_mm_cmpeq_epi8(v, nbsp),
                                               _mm_cmpeq_epi8(_mm_min_epu8(fromTab, four), fromTab));
            if (_mm_movemask_epi8(other) != 0) return false;
            const unsigned spaces = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, space)));
            filled |= (unsigned __int128)(~spaces & 0xFFFFu) << (16 * i);
        }
        return true;
    }
#endif
};

template <class Unit>
bool isDigit(Unit c) { return c >= Unit('0') && c <= Unit('9'); }

template <class Unit>
Unit *put(Unit *d, Span<Unit> s) {
    if constexpr (sizeof(Unit) == 1) {
        // Values are short: two overlapping moves of a known size copy them without a call.
        const char *p = s.p;
        const qsizetype n = s.n;
        if (n > 16) std::memcpy(d, p, size_t(n));
        else if (n >= 8) std::memcpy(d, p, 8), std::memcpy(d + n - 8, p + n - 8, 8);
        else if (n >= 4) std::memcpy(d, p, 4), std::memcpy(d + n - 4, p + n - 4, 4);
        else if (n > 0) d[0] = p[0], d[n / 2] = p[n / 2], d[n - 1] = p[n - 1];
        return d + n;
    } else {
        return std::copy_n(s.p, s.n, d);
    }
}

template <class Unit, size_t N>
Unit *put(Unit *d, const char (&latin1)[N]) {
    if constexpr (sizeof(Unit) == 1) {
        std::memcpy(d, latin1, N - 1);  // a few moves: the size is known here
        return d + N - 1;
    } else {
        for (size_t i = 0; i + 1 < N; ++i) *d++ = Unit(uchar(latin1[i]));
        return d;
    }
}

// `opening` ("<name:"), the length, ">", then the value's parts, the length counting all of
// them (one byte each once written: a character the code page lacks stops the whole write
// instead).
template <class Unit, size_t N>
Unit *field(Unit *d, const char (&opening)[N], std::initializer_list<Span<Unit>> value) {
    d = put(d, opening);
    qsizetype v = 0;
    for (const Span<Unit> &part : value) v += part.n;
    if (v < 10) {  // nearly every value is shorter than a hundred characters
        *d++ = Unit('0' + v);
    } else if (v < 100) {
        *d++ = Unit('0' + v / 10);
        *d++ = Unit('0' + v % 10);
    } else {
        Unit digits[20];
        int n = 0;
        for (; v > 0; v /= 10) digits[n++] = Unit('0' + v % 10);
        while (n > 0) *d++ = digits[--n];
    }
    *d++ = Unit('>');
    for (const Span<Unit> &part : value) d = put(d, part);
    return d;
}

template <class Unit, size_t N>
Span<Unit> literal(const Unit (&text)[N]) { return {text, qsizetype(N - 1)}; }

// A name of the mode table as units of the line: the bytes themselves, or widened into `buffer`.
template <class Unit>
Span<Unit> latin1(QLatin1StringView name, Unit *buffer) {
    if constexpr (sizeof(Unit) == 1) {
        return {name.data(), name.size()};
    } else {
        for (qsizetype i = 0; i < name.size(); ++i) buffer[i] = Unit(uchar(name[i].toLatin1()));
        return {buffer, name.size()};
    }
}

char16_t unit16(char c) { return uchar(c); }
char16_t unit16(char16_t c) { return c; }

// The ADIF mode (and submode) of the log's three-letter form: RTY is <mode:4>RTTY, FT4 is
// <mode:4>MFSK<submode:3>FT4; a form the mode table does not know is written as it stands.
template <class Unit>
Unit *modeFields(Span<Unit> form, Unit *d) {
    const modes::AdifNames *names = nullptr;
    if (form.n == 3) {
        const char16_t text[3] = {unit16(form.p[0]), unit16(form.p[1]), unit16(form.p[2])};
        names = modes::adifNames(QStringView(text, 3));
    }
    if (!names) return field(d, "<mode:", {form});
    Unit buffer[16];
    d = field(d, "<mode:", {latin1(names->mode, buffer)});
    if (!names->submode.isEmpty()) d = field(d, "<submode:", {latin1(names->submode, buffer)});
    return d;
}

template <class Unit>
Unit *qsoDate(Span<Unit> date, Unit *d) {
    const Span<Unit> year = date.mid(6, 2), month = date.mid(3, 2), day = date.left(2);
    if (year.n == 2 && isDigit(year.p[0]) && isDigit(year.p[1])) {
        const int y = widenYear(int(year.p[0] - Unit('0')) * 10 + int(year.p[1] - Unit('0')));
        *d++ = Unit('0' + y / 1000);
        *d++ = Unit('0' + y / 100 % 10);
    }
    return put(put(put(d, year), month), day);
}

// The tags and every value at its column's widest, without the station.
constexpr qsizetype MostWithoutStation = 400;

template <class Unit>
Unit *record(const Line<Unit> &line, Span<Unit> station, Unit *d) {
    using namespace rec;
    const Span<Unit> ref = line.trimmed(RefCol, RefWidth);
    const Span<Unit> time = line.trimmed(TimeCol, TimeWidth);
    const Span<Unit> bandLabel = line.trimmed(BandCol, BandWidth);
    // The table's names with their lengths, measured once.
    static const struct Names {
        QLatin1StringView label[Bands.size()], adif[Bands.size()];
        Names() {
            for (size_t i = 0; i < Bands.size(); ++i) label[i] = QLatin1StringView(Bands[i].label), adif[i] = QLatin1StringView(Bands[i].adif);
        }
    } names;
    Unit band[8], date[8];
    Span<Unit> adifBand;
    for (size_t i = 0; i < Bands.size(); ++i)
        if (bandLabel.is(names.label[i])) {
            std::copy(names.adif[i].begin(), names.adif[i].end(), band);
            adifBand = {band, names.adif[i].size()};
            break;
        }
    const Span<Unit> dated{date, qsoDate(line.trimmed(DateCol, DateWidth), date) - date};
    static constexpr Unit blank[] = {Unit(' '), 0}, y[] = {Unit('Y'), 0}, dnj[] = {Unit('D'), Unit('N'), Unit('J'), 0};

    d = field(d, "<call:", {line.trimmed(CallCol, CallWidth)});
    d = field(d, "<name:", {line.trimmed(FirstNameCol, FirstNameWidth)});
    d = field(d, "<band:", {adifBand});
    d = modeFields(line.trimmed(ModeCol, ModeWidth), d);
    d = field(d, "<qso_date:", {dated});
    d = field(d, "<time_on:", {time.left(2), time.mid(qMax<qsizetype>(0, time.n - 2), 2)});
    d = field(d, "<rst_rcvd:", {line.trimmed(RstRCol, RstRWidth)});
    d = field(d, "<rst_sent:", {line.trimmed(RstECol, RstEWidth)});
    d = field(d, "<comment:", {ref, literal(blank), line.trimmed(NameCol, NameWidth)});
    const Span<Unit> qsl = line.text.mid(QslCol - 1, 1);
    if (qsl.n == 1 && qsl.p[0] == Unit('*')) d = field(d, "<qsl_rcvd:", {literal(y)});
    // The award fields other loggers read to track the castles.
    d = field(d, "<sig:", {literal(dnj)});
    d = field(d, "<sig_info:", {ref});
    // So that a general logger does not ask which station made each QSO.
    if (station.n > 0) d = field(d, "<station_callsign:", {station});
    return put(d, "<eor>");
}
}  // namespace

qsizetype recordBound(qsizetype stationSize) { return MostWithoutStation + stationSize; }

char *writeRecord(QByteArrayView line, QByteArrayView station, char *d) {
    return record(Line<char>({line.data(), line.size()}), {station.data(), station.size()}, d);
}

char16_t *writeRecord(QStringView line, QStringView station, char16_t *d) {
    return record(Line<char16_t>({line.utf16(), line.size()}), {station.utf16(), station.size()}, d);
}

char16_t *writeQsoDate(QStringView date, char16_t *d) { return qsoDate(Span<char16_t>{date.utf16(), date.size()}, d); }

}  // namespace kastlog::adif
