#include "logstore/rewriterules.h"

#include "logstore/instant.h"
#include "logstore/numericprefix.h"

namespace kastlog::rules {

namespace {
double prefixOfFirstFive(const QString &line) { return numericPrefixOf(QStringView(line).left(5)); }

QStringList withAt(const QStringList &lines, qsizetype at, const QString &r) {
    QStringList out;
    out.reserve(lines.size() + 1);
    out.append(lines.mid(0, at));
    out.append(r);
    out.append(lines.mid(at));
    return out;
}
}  // namespace

QStringList enregistre(const QStringList &lines, const QString &r) {
    const double v = prefixOfFirstFive(r);
    qsizetype at = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (v < prefixOfFirstFive(lines.at(i))) {
            at = i;
            break;
        }
    }
    return withAt(lines, at, r);
}

QStringList insere(const QStringList &lines, const QString &r) {
    const std::optional<Instant> ir = recordInstant(r);
    qsizetype at = lines.size();
    // A record without a readable instant has no place by date: it goes at the end.
    if (ir) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const std::optional<Instant> il = recordInstant(lines.at(i));
            if (il && *ir <= *il) {
                at = i;
                break;
            }
        }
    }
    return withAt(lines, at, r);
}

QStringList modifie(const QStringList &lines, const QString &n, const QString &o) {
    QStringList out = lines;
    bool matched = false;
    for (QString &l : out) {
        if (l == o) {
            l = n;
            matched = true;
        }
    }
    if (!matched) out.append(n);
    return out;
}

QStringList supprime(const QStringList &lines, const QString &d) {
    QStringList out;
    out.reserve(lines.size());
    for (const QString &l : lines)
        if (l != d) out.append(l);
    return out;
}

}  // namespace kastlog::rules
