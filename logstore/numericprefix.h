#pragma once
#include <QLatin1String>
#include <QString>
#include <QStringView>

namespace kastlog {
// Value of the number a text begins with. Blanks, tabs and line feeds are ignored anywhere;
// then the longest run forming a decimal number (sign, digits, one decimal point, exponent
// E or D with optional sign and digits) gives the value. No number first: 0.
// "9A..." gives 9, "2E0.." gives 2, "3D2.." gives 300.
double numericPrefix(const QString &text);
// Same, over a part of a text (for loops over many lines).
double numericPrefixOf(QStringView text);
// Same, over text held one byte per character (only ASCII characters count).
double numericPrefixOf(QLatin1String text);
}  // namespace kastlog
