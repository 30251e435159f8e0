#pragma once
// Windows-1252 text: every byte decodes (the five bytes the code page leaves undefined map
// to the control characters U+0081, U+008D, U+008F, U+0090, U+009D), so any file reads and
// writes back byte for byte.
#include <QByteArray>
#include <QString>

namespace kastlog::cp1252 {

QString decode(const QByteArray &bytes);
// Text written by other programs: UTF-8 when `bytes` are valid UTF-8, else Windows-1252.
QString decodeUtf8Or1252(QByteArrayView bytes);

// The bytes that decode to a space character (QChar::isSpace): tab to carriage return, the
// space and the no-break space.
inline bool isBlank(char byte) {
    const uchar b = uchar(byte);
    return b == 0x20 || (b >= 0x09 && b <= 0x0D) || b == 0xA0;
}

// True when every character of `text` has a byte in the code page.
bool canEncode(const QString &text);
// The first character the code page cannot hold, or a null QChar when there is none.
QChar firstUnencodable(const QString &text);

// `text` as the code page can hold it: as it is when it can; else in plain letters, every
// letter without its accents ("Jiří" is "Jiri", not a half-accented "Jirí"), from a small table
// for letters with no accent to drop ("ł" is "l"). False when a character has no such letter
// (a Greek letter, a symbol).
bool nearestLetters(QStringView text, QString &out);

// Encodes `text`; returns false (and leaves `out` unspecified) when a character cannot be held.
bool encode(const QString &text, QByteArray &out);

// `text` in capitals, one character at a time: a character whose capital is not a single
// character of the code page stays as it is ("ß", "µ"), so the text keeps its length and
// stays writable ("é" becomes "É", "ÿ" becomes "Ÿ").
QString capitals(const QString &text);
// The same, in place, for text being built.
void toCapitals(QChar *text, qsizetype n);

}  // namespace kastlog::cp1252
