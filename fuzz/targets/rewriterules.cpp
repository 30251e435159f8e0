// Any log file and records: the four log changes give the same lines whether they work on the
// file's bytes (as the rewrites do) or on decoded text, and none loses or invents a line:
// a save or an insertion adds exactly its record, an edit replaces only matching lines, a
// deletion drops only matching lines.
#include "fuzz/check.h"
#include "logstore/cp1252.h"
#include "logstore/numericprefix.h"
#include "logstore/rewriterules.h"
#include "logstore/rulecore.h"
#include "logstore/textfile.h"

using namespace kastlog;
using namespace kastlog::fuzz;

namespace {
// The decoded lines the byte-level rule writes.
template <class Rule>
QStringList onBytes(const QByteArray &file, Rule rule) {
    const rules::core::ByteLines lines(file);
    QStringList out;
    rule(lines, [&](QLatin1String l) { out.append(cp1252::decode(QByteArray(l.data(), l.size()))); });
    return out;
}

// Where `out` is `in` with one line `r` added; -1 when it is not.
qsizetype insertedAt(const QStringList &in, const QStringList &out, const QString &r) {
    if (out.size() != in.size() + 1) return -1;
    qsizetype i = 0;
    while (i < in.size() && in[i] == out[i]) ++i;
    if (out[i] != r) return -1;
    for (qsizetype j = i; j < in.size(); ++j)
        if (in[j] != out[j + 1]) return -1;
    return i;
}

QByteArray oneLine(QByteArray b) {
    b.replace('\r', ' ');
    b.replace('\n', ' ');
    return b;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QList<QByteArray> p = parts(bytes(data, size), 3);
    const QByteArray rb = oneLine(p[0]), ob = oneLine(p[1]), file = p[2];
    const QString r = cp1252::decode(rb), o = cp1252::decode(ob);
    const QLatin1String rv(rb.constData(), rb.size()), ov(ob.constData(), ob.size());
    const QStringList in = splitLines(file);

    const QStringList saved = rules::enregistre(in, r);
    check(onBytes(file, [&](auto &l, auto &&out) { rules::core::enregistre(l, rv, out); }) == saved,
          "save: bytes and text agree", r);
    const qsizetype at = insertedAt(in, saved, r);
    check(at >= 0, "save adds its record and keeps every line", r);
    const double v = numericPrefix(r.left(5));
    for (qsizetype i = 0; i < at; ++i)
        check(!(v < numericPrefix(in[i].left(5))), "save goes before the first greater prefix", in[i]);
    if (at < in.size()) check(v < numericPrefix(in[at].left(5)), "save goes no later than needed", in[at]);

    const QStringList inserted = rules::insere(in, r);
    check(onBytes(file, [&](auto &l, auto &&out) { rules::core::insere(l, rv, out); }) == inserted,
          "insertion: bytes and text agree", r);
    check(insertedAt(in, inserted, r) >= 0, "insertion adds its record and keeps every line", r);

    const QStringList edited = rules::modifie(in, r, o);
    check(onBytes(file, [&](auto &l, auto &&out) { rules::core::modifie(l, rv, ov, out); }) == edited,
          "edit: bytes and text agree", r);
    if (in.contains(o)) {
        check(edited.size() == in.size(), "edit keeps the number of lines", o);
        for (qsizetype i = 0; i < in.size(); ++i)
            check(edited[i] == (in[i] == o ? r : in[i]), "edit replaces only the matching lines", in[i]);
    } else {
        check(edited == in + QStringList{r}, "edit without a match adds the new record last", o);
    }

    const QStringList deleted = rules::supprime(in, o);
    check(onBytes(file, [&](auto &l, auto &&out) { rules::core::supprime(l, ov, 0, out); }) == deleted,
          "deletion: bytes and text agree", o);
    QStringList kept = in;
    kept.removeOne(o);
    check(deleted == kept, "deletion drops the first matching line only", o);
    return 0;
}
