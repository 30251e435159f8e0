#include "reports/castlereference.h"

#include "reports/map/provincecode.h"

namespace kastlog {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isAlnum(QChar c) { return c.isLetterOrNumber(); }

bool isTag(QStringView text, qsizetype at) {
    return at >= 0 && text.mid(at, 3).compare(u"DNJ", Qt::CaseInsensitive) == 0;
}

bool threeDigits(QStringView text, qsizetype at) {
    return at + 3 <= text.size() && isDigit(text[at]) && isDigit(text[at + 1]) && isDigit(text[at + 2]);
}

}  // namespace

CastleReferenceMatch findCastleReference(QStringView text) {
    for (qsizetype i = 0; i + 5 <= text.size(); ++i) {
        if (!isAsciiLetter(text[i]) || !isAsciiLetter(text[i + 1])) continue;
        const QChar code[2] = {text[i].toUpper(), text[i + 1].toUpper()};
        if (!carte::isProvinceCode(QStringView(code, 2))) continue;

        // What stands before the letters: nothing of a word, or the award's tag, glued or
        // followed by one blank or hyphen. A tag itself stands as a word.
        qsizetype begin = i;
        if (isTag(text, i - 3)) begin = i - 3;
        else if (i >= 4 && (text[i - 1] == u' ' || text[i - 1] == u'-') && isTag(text, i - 4)) begin = i - 4;
        if (begin > 0 && isAlnum(text[begin - 1])) begin = i;  // "XDNJ" is no tag
        const bool afterTag = begin < i;
        if (!afterTag && i > 0 && isAlnum(text[i - 1])) continue;

        // Between the letters and the digits: nothing or a hyphen; a blank or a dot only after
        // the tag, so that an ordinary "LB 100" in a comment is no castle.
        qsizetype digits = i + 2;
        const QChar sep = text[digits];
        if (sep == u'-' || (afterTag && (sep == u' ' || sep == u'.'))) ++digits;
        if (!threeDigits(text, digits)) continue;
        const qsizetype end = digits + 3;
        if (end < text.size() && isAlnum(text[end])) continue;

        CastleReferenceMatch m;
        m.reference = QString(code, 2) + text.mid(digits, 3).toString();
        m.begin = begin;
        m.end = end;
        return m;
    }
    return {};
}

}  // namespace kastlog
