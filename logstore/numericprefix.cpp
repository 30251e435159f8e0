#include "logstore/numericprefix.h"

#include <cstdlib>
#include <string>

namespace kastlog {

double numericPrefix(const QString &text) {
    // Blanks, tabs and line feeds do not count anywhere in the text.
    std::string s;
    s.reserve(size_t(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ' ' || u == '\t' || u == '\n') continue;
        s.push_back(u < 128 ? char(u) : '\x7f');
    }
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
    bool digits = false, point = false;
    while (i < s.size()) {
        const char c = s[i];
        if (c >= '0' && c <= '9') { num.push_back(c); digits = true; ++i; }
        else if (c == '.' && !point) { num.push_back(c); point = true; ++i; }
        else break;
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow its letter (and optional sign).
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
        const size_t first = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') exp.push_back(s[j++]);
        if (j > first) num += exp;
    }
    return std::strtod(num.c_str(), nullptr);
}

}  // namespace kastlog
