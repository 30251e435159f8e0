#pragma once
// The four rules of the log changes, written once over any kind of line. `lines` offers
// size() and operator[] giving a line view (QStringView, or QLatin1String over the bytes of
// a file: the rules look only at ASCII characters and at whole-line equality, which one byte
// per character keeps); `out` receives the lines to write, in order.
#include "logstore/instant.h"
#include "logstore/numericprefix.h"
#include "logstore/textfile.h"

#include <QByteArray>
#include <QLatin1String>
#include <QStringView>
#include <vector>

namespace kastlog::rules::core {

// The lines of a file as views of its bytes (one byte per character), as the rewrites
// give them to the rules. The bytes must outlive it.
struct ByteLines {
    std::vector<QLatin1String> views;
    explicit ByteLines(const QByteArray &bytes) {
        views.reserve(size_t(bytes.size() / 100 + 1));
        forEachLine(bytes, [&](const char *b, qsizetype n) { views.emplace_back(b, n); });
    }
    qsizetype size() const { return qsizetype(views.size()); }
    QLatin1String operator[](qsizetype i) const { return views[size_t(i)]; }
};

template <class View>
double prefixOfFirstFive(View line) { return numericPrefixOf(line.left(5)); }

// New record r before the first line whose numeric prefix is greater than its own, or last.
template <class Lines, class View, class Sink>
void enregistre(const Lines &lines, View r, Sink &&out) {
    const double v = prefixOfFirstFive(r);
    bool written = false;
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        if (!written && v < prefixOfFirstFive(lines[i])) {
            out(r);
            written = true;
        }
        out(lines[i]);
    }
    if (!written) out(r);
}

// New record r before the first line whose instant is not earlier than its own, or last.
// A line whose instant cannot be read never counts as later; a record whose own instant
// cannot be read has no place by date and goes last.
template <class Lines, class View, class Sink>
void insere(const Lines &lines, View r, Sink &&out) {
    const std::optional<Instant> ir = instantOf(r);
    bool written = false;
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        if (!written && ir) {
            const std::optional<Instant> il = instantOf(lines[i]);
            if (il && *ir <= *il) {
                out(r);
                written = true;
            }
        }
        out(lines[i]);
    }
    if (!written) out(r);
}

// Every line equal to o becomes nr in its place; no match: nr is added last.
template <class Lines, class View, class Sink>
void modifie(const Lines &lines, View nr, View o, Sink &&out) {
    bool matched = false;
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        if (lines[i] == o) {
            out(nr);
            matched = true;
        } else {
            out(lines[i]);
        }
    }
    if (!matched) out(nr);
}

// Every line equal to d is dropped.
template <class Lines, class View, class Sink>
void supprime(const Lines &lines, View d, Sink &&out) {
    for (qsizetype i = 0, n = lines.size(); i < n; ++i)
        if (!(lines[i] == d)) out(lines[i]);
}

}  // namespace kastlog::rules::core
