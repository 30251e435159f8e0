// Any text: the three readings of a numeric prefix agree, blanks anywhere change nothing,
// what follows a non-number character changes nothing, and a plain run of digits is read
// as its integer.
#include "fuzz/check.h"
#include "logstore/numericprefix.h"

#include <cmath>

using namespace kastlog;
using namespace kastlog::fuzz;

namespace {
bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray b = bytes(data, size);
    const QString text = latin1(b);
    const double v = numericPrefix(text);
    check(!std::isnan(v), "a numeric prefix is a number", text);
    check(same(numericPrefixOf(QStringView(text)), v), "QString and QStringView agree", text);
    check(same(numericPrefixOf(QLatin1String(b.constData(), b.size())), v), "text and bytes agree", text);

    // Blanks, tabs and line feeds are ignored anywhere.
    QString spaced;
    for (QChar c : text) spaced += QStringLiteral(" ") + c + QStringLiteral("\t");
    spaced += QLatin1Char('\n');
    check(same(numericPrefix(spaced), v), "blanks change nothing", text);

    // A letter that cannot continue a number ends it.
    check(same(numericPrefix(text + QStringLiteral("Z9")), numericPrefix(text + QStringLiteral("Z"))),
          "nothing after a non-number character counts", text);

    // Digits only (a few, so the value is exact): the integer they write.
    const QString digits = text.left(12);
    bool allDigits = !digits.isEmpty();
    for (QChar c : digits) allDigits = allDigits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (allDigits) check(numericPrefix(digits) == double(digits.toLongLong()), "digits read as their integer", digits);
    return 0;
}
