#include "logstore/numericprefix.h"

#include <QByteArray>

namespace kastlog {

namespace {
bool ignored(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

template <class View>
double prefixValue(View text) {
    // Gather the characters that count, skipping blanks, tabs and line feeds.
    char buf[64];
    int n = 0;
    QByteArray big;  // only for texts longer than the buffer
    auto chars = [&](auto &&visit) {
        for (qsizetype i = 0, len = text.size(); i < len; ++i) {
            const QChar c(text.at(i));
            if (!ignored(c) && !visit(c)) return;
        }
    };

    // Longest run of: sign, digits, one decimal point, then an exponent E or D with an
    // optional sign and at least one digit. The exponent is kept only when it has digits.
    enum { Sign, Mantissa, Fraction, ExpSign, ExpDigits } state = Sign;
    int kept = 0;       // characters that form a complete number so far
    bool digits = false;
    auto put = [&](char ch) {
        if (n < int(sizeof buf) - 1) buf[n] = ch;
        else {
            if (big.isEmpty()) big = QByteArray(buf, n);
            big.append(ch);
        }
        ++n;
    };
    chars([&](QChar c) {
        switch (state) {
        case Sign:
            state = Mantissa;
            if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
                put(char(c.unicode()));
                return true;
            }
            [[fallthrough]];
        case Mantissa:
        case Fraction:
            if (isDigit(c)) {
                put(char(c.unicode()));
                digits = true;
                kept = n;
                return true;
            }
            if (c == QLatin1Char('.') && state == Mantissa) {
                put('.');
                state = Fraction;
                if (digits) kept = n;
                return true;
            }
            if (digits && (c == QLatin1Char('E') || c == QLatin1Char('e') || c == QLatin1Char('D') ||
                           c == QLatin1Char('d'))) {
                put('e');
                state = ExpSign;
                return true;
            }
            return false;
        case ExpSign:
            if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
                put(char(c.unicode()));
                state = ExpDigits;
                return true;
            }
            [[fallthrough]];
        case ExpDigits:
            state = ExpDigits;
            if (isDigit(c)) {
                put(char(c.unicode()));
                kept = n;
                return true;
            }
            return false;
        }
        return false;
    });
    if (!digits) return 0.0;
    const QByteArray number = big.isEmpty() ? QByteArray(buf, kept) : big.left(kept);
    bool ok = false;
    const double v = number.toDouble(&ok);  // locale-independent
    if (ok) return v;
    // Out of range: a huge exponent gives an infinite value, a very negative one zero.
    const qsizetype e = number.indexOf('e');
    if (e >= 0 && e + 1 < number.size() && number.at(e + 1) == '-') return 0.0;
    return number.startsWith('-') ? -qInf() : qInf();
}

}  // namespace

double numericPrefixOf(QStringView text) { return prefixValue(text); }
double numericPrefixOf(QLatin1String text) { return prefixValue(text); }
double numericPrefix(const QString &text) { return prefixValue(QStringView(text)); }

}  // namespace kastlog
