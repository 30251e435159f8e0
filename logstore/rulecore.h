#pragma once
// The four rules of the log changes, written once over any kind of line. `lines` offers
// size() and operator[] giving a line view (QStringView, or QLatin1String over the bytes of
// a file: the rules look only at ASCII characters and at whole-line equality, which one byte
// per character keeps); `out` receives the lines to write, in order.
#include "logstore/instant.h"
#include "logstore/numericprefix.h"
#include "logstore/record.h"
#include "logstore/textfile.h"

#include <QByteArray>
#include <QLatin1String>
#include <QSet>
#include <QStringView>
#include <algorithm>
#include <type_traits>
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

// Many new records at once, each placed as `insere` places one: before the first line of the
// log whose instant is not earlier than its own. New records of the same instant keep their
// order; a new record whose instant cannot be read goes last. Once the log's lines are read,
// the places follow from the running latest instant of the lines, so the whole is one merge.
template <class Lines, class Views, class Sink>
void insereTous(const Lines &lines, const Views &rs, Sink &&out) {
    struct New {
        Instant at;
        qsizetype index;
    };
    std::vector<New> dated;
    std::vector<qsizetype> undated;
    dated.reserve(size_t(rs.size()));
    for (qsizetype i = 0; i < qsizetype(rs.size()); ++i) {
        if (const std::optional<Instant> at = instantOf(rs[i])) dated.push_back({*at, i});
        else undated.push_back(i);
    }
    std::stable_sort(dated.begin(), dated.end(), [](const New &a, const New &b) { return a.at < b.at; });
    size_t next = 0;
    std::optional<Instant> latest;  // latest readable instant of the lines so far
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        if (next < dated.size()) {
            if (const std::optional<Instant> il = instantOf(lines[i]); il && (!latest || *latest < *il)) latest = il;
            while (latest && next < dated.size() && dated[next].at <= *latest) out(rs[dated[next++].index]);
        }
        out(lines[i]);
    }
    while (next < dated.size()) out(rs[dated[next++].index]);
    for (qsizetype i : undated) out(rs[i]);
}

// A line with the QSL mark "*" in its column (107), blanks added to a shorter line.
inline QByteArray withQslMark(QLatin1String line) {
    QByteArray out(line.data(), line.size());
    if (out.size() < rec::QslCol) out.append(QByteArray(rec::QslCol - out.size(), ' '));
    out[rec::QslCol - 1] = '*';
    return out;
}
inline QString withQslMark(QStringView line) {
    QString out = line.toString();
    if (out.size() < rec::QslCol) out.append(QString(rec::QslCol - out.size(), QLatin1Char(' ')));
    out[rec::QslCol - 1] = QLatin1Char('*');
    return out;
}
inline QLatin1String viewOf(const QByteArray &b) { return QLatin1String(b.constData(), b.size()); }
inline QStringView viewOf(const QString &s) { return s; }

// An import: the lines of the log equal to one of `marks` take the QSL mark in their place,
// then the new records `rs` are placed as `insereTous` places them (the mark changes no
// instant).
template <class Lines, class Views, class Sink>
void insereEtMarque(const Lines &lines, const Views &rs, const Views &marks, Sink &&out) {
    using View = std::decay_t<decltype(lines[0])>;
    using Owned = decltype(withQslMark(lines[0]));
    struct Marked {
        std::vector<View> views;
        qsizetype size() const { return qsizetype(views.size()); }
        View operator[](qsizetype i) const { return views[size_t(i)]; }
    } marked;
    std::vector<Owned> storage;  // moving an element keeps its characters where they are
    const QSet<View> toMark(marks.begin(), marks.end());
    marked.views.reserve(size_t(lines.size()));
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        const View l = lines[i];
        if (toMark.isEmpty() || !toMark.contains(l)) {
            marked.views.push_back(l);
            continue;
        }
        storage.push_back(withQslMark(l));
        marked.views.push_back(viewOf(storage.back()));
    }
    insereTous(marked, rs, out);
}

// Every line equal to o becomes nr in its place; no match: nr is added last. Returns whether a
// line matched.
template <class Lines, class View, class Sink>
bool modifie(const Lines &lines, View nr, View o, Sink &&out) {
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
    return matched;
}

// Every line equal to d is dropped. Returns whether a line matched.
template <class Lines, class View, class Sink>
bool supprime(const Lines &lines, View d, Sink &&out) {
    bool matched = false;
    for (qsizetype i = 0, n = lines.size(); i < n; ++i) {
        if (lines[i] == d) matched = true;
        else out(lines[i]);
    }
    return matched;
}

}  // namespace kastlog::rules::core
