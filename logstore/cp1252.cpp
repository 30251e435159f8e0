#include "logstore/cp1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace kastlog::cp1252 {

namespace {
// The code page as two tables built once: byte -> character, and for the block 0x80-0x9F
// (the only bytes that do not map to the character of the same number) the way back.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    Tables() {
        QStringDecoder dec("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = dec.isValid() ? dec.decode(QByteArrayView(&byte, 1)) : QString();
            // The five bytes the code page leaves undefined become the control character of
            // the same number, so that every byte reads and writes back unchanged.
            if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                toUnicode[b] = s.at(0).unicode();
            else
                toUnicode[b] = char16_t(b);
        }
    }
    // Byte of `c`, or -1 when the code page has none.
    int toByte(char16_t c) const {
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return toUnicode[c] == c ? int(c) : -1;
        for (int b = 0x80; b < 0xA0; ++b)
            if (toUnicode[b] == c) return b;
        return -1;
    }
};

const Tables &tables() {
    static const Tables t;
    return t;
}
}  // namespace

QString decode(const QByteArray &bytes) {
    const auto &t = tables().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    const uchar *s = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i) d[i] = QChar(t[s[i]]);
    return out;
}

QString decodeUtf8Or1252(QByteArrayView bytes) {
    // The check refuses overlong forms, surrogates and anything above U+10FFFF.
    if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
    return decode(bytes.toByteArray());
}

QChar firstUnencodable(const QString &text) {
    const Tables &t = tables();
    for (QChar c : text)
        if (c.unicode() >= 0x80 && t.toByte(c.unicode()) < 0) return c;  // ASCII needs no table
    return QChar();
}

namespace {
// The capital of `c` when it is a single character of the code page, else `c`.
char16_t capitalOf(char16_t c, const Tables &t) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;  // the common case, no table
    const char16_t u = QChar(c).toUpper().unicode();
    return t.toByte(u) >= 0 ? u : c;
}
}  // namespace

QString capitals(const QString &text) {
    const Tables &t = tables();
    QString out = text;  // shared with `text` until a character changes
    QChar *d = nullptr;
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t u = capitalOf(text[i].unicode(), t);
        if (u == text[i].unicode()) continue;
        if (!d) d = out.data();
        d[i] = QChar(u);
    }
    return out;
}

void toCapitals(QChar *text, qsizetype n) {
    const Tables &t = tables();
    for (qsizetype i = 0; i < n; ++i) text[i] = QChar(capitalOf(text[i].unicode(), t));
}

bool canEncode(const QString &text) { return firstUnencodable(text).isNull(); }

namespace {
// Letters that decompose to nothing the code page holds.
constexpr struct {
    char16_t letter;
    const char *nearest;
} Undecomposed[] = {
    {u'ł', "l"}, {u'Ł', "L"}, {u'đ', "d"}, {u'Đ', "D"}, {u'ı', "i"}, {u'ħ', "h"}, {u'Ħ', "H"},
    {u'ŀ', "l"}, {u'Ŀ', "L"}, {u'ŧ', "t"}, {u'Ŧ', "T"}, {u'ĸ', "k"}, {u'ŋ', "n"}, {u'Ŋ', "N"},
    {u'ſ', "s"}, {u'ŉ', "n"}, {u'ĳ', "ij"}, {u'Ĳ', "IJ"}, {u'ƀ', "b"}, {u'ɨ', "i"}, {u'ʉ', "u"},
};

// Appends the plain letters of `c`; false when it has none the code page holds.
bool appendPlain(char16_t c, const Tables &t, QString &out) {
    for (const auto &u : Undecomposed)
        if (u.letter == c) {
            out += QLatin1String(u.nearest);
            return true;
        }
    const bool held = c < 0x80 || t.toByte(c) >= 0;
    if (c < 0x80 || !QChar(c).isLetter()) {
        if (held) out += QChar(c);
        return held;
    }
    // The letter without its accents: its canonical decomposition, marks left out; a letter
    // with none to drop (æ, ø, ß) stays what it is.
    const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
    QString plain;
    for (QChar p : parts)
        if (!p.isMark()) plain += p;
    const bool plainHeld = !plain.isEmpty() && std::all_of(plain.begin(), plain.end(), [&](QChar p) {
        return p.unicode() < 0x80 || t.toByte(p.unicode()) >= 0;
    });
    if (plainHeld) out += plain;
    else if (held) out += QChar(c);
    return plainHeld || held;
}
}  // namespace

bool nearestLetters(QStringView text, QString &out) {
    const Tables &t = tables();
    out = text.toString();
    const bool whole =
        std::all_of(text.begin(), text.end(), [&](QChar c) { return c.unicode() < 0x80 || t.toByte(c.unicode()) >= 0; });
    if (whole) return true;
    out.clear();
    for (QChar c : text)
        if (!appendPlain(c.unicode(), t, out)) return false;
    return true;
}

bool encode(const QString &text, QByteArray &out) {
    const Tables &t = tables();
    out.resize(text.size());
    char *d = out.data();
    const QChar *s = text.constData();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x80) {  // the common case, no lookup
            d[i] = char(c);
            continue;
        }
        const int b = t.toByte(c);
        if (b < 0) return false;
        d[i] = char(b);
    }
    return true;
}

}  // namespace kastlog::cp1252
