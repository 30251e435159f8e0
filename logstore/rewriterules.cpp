#include "logstore/rewriterules.h"

#include "logstore/instant.h"
#include "logstore/numericprefix.h"

namespace kastlog::rules {

QStringList enregistre(const QStringList &lines, const QString &r) {
    const double key = numericPrefix(r.left(5));
    QStringList out;
    out.reserve(lines.size() + 1);
    bool written = false;
    for (const QString &l : lines) {
        if (!written && key < numericPrefix(l.left(5))) {
            out << r;
            written = true;
        }
        out << l;
    }
    if (!written) out << r;
    return out;
}

QStringList insere(const QStringList &lines, const QString &r) {
    const std::optional<Instant> at = recordInstant(r);
    QStringList out;
    out.reserve(lines.size() + 1);
    bool written = false;
    for (const QString &l : lines) {
        if (!written && at) {
            const std::optional<Instant> li = recordInstant(l);
            // A line whose instant cannot be read never counts as later.
            if (li && *at <= *li) {
                out << r;
                written = true;
            }
        }
        out << l;
    }
    if (!written) out << r;
    return out;
}

QStringList modifie(const QStringList &lines, const QString &n, const QString &o) {
    QStringList out;
    out.reserve(lines.size() + 1);
    bool matched = false;
    for (const QString &l : lines) {
        if (l == o) {
            out << n;
            matched = true;
        } else {
            out << l;
        }
    }
    if (!matched) out << n;
    return out;
}

QStringList supprime(const QStringList &lines, const QString &d) {
    QStringList out;
    out.reserve(lines.size());
    for (const QString &l : lines)
        if (l != d) out << l;
    return out;
}

}  // namespace kastlog::rules
