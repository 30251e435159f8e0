#include "logstore/rewriterules.h"

#include "logstore/rulecore.h"

namespace kastlog::rules {

namespace {
// The lines of a list as views, for the rules.
struct Views {
    const QStringList &list;
    qsizetype size() const { return list.size(); }
    QStringView operator[](qsizetype i) const { return list.at(i); }
};

template <class Rule>
QStringList apply(const QStringList &lines, Rule rule) {
    QStringList out;
    out.reserve(lines.size() + 1);
    rule(Views{lines}, [&](QStringView v) { out.append(v.toString()); });
    return out;
}
}  // namespace

QStringList enregistre(const QStringList &lines, const QString &r) {
    return apply(lines, [&](const Views &v, auto &&out) { core::enregistre(v, QStringView(r), out); });
}

QStringList insere(const QStringList &lines, const QString &r) {
    return apply(lines, [&](const Views &v, auto &&out) { core::insere(v, QStringView(r), out); });
}

QStringList insereTous(const QStringList &lines, const QStringList &rs) {
    QList<QStringView> views(rs.begin(), rs.end());
    return apply(lines, [&](const Views &v, auto &&out) { core::insereTous(v, views, out); });
}

QStringList insereEtMarque(const QStringList &lines, const QStringList &rs, const QStringList &marks) {
    QList<QStringView> news(rs.begin(), rs.end()), marked(marks.begin(), marks.end());
    return apply(lines, [&](const Views &v, auto &&out) { core::insereEtMarque(v, news, marked, out); });
}

QStringList modifie(const QStringList &lines, const QString &n, const QString &o) {
    return apply(lines, [&](const Views &v, auto &&out) { core::modifie(v, QStringView(n), QStringView(o), out); });
}

QStringList supprime(const QStringList &lines, const QString &d) {
    return apply(lines, [&](const Views &v, auto &&out) { core::supprime(v, QStringView(d), out); });
}

}  // namespace kastlog::rules
