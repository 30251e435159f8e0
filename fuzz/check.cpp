#include "fuzz/check.h"

namespace kastlog::fuzz {

QList<QByteArray> parts(const QByteArray &input, int n) {
    QList<QByteArray> out;
    qsizetype from = 0;
    for (int i = 0; i < n - 1; ++i) {
        const qsizetype at = input.indexOf('\x1f', from);
        if (at < 0) break;
        out.append(input.mid(from, at - from));
        from = at + 1;
    }
    out.append(input.mid(from));
    while (out.size() < n) out.append(QByteArray());
    return out;
}

}  // namespace kastlog::fuzz
