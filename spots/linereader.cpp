#include "spots/linereader.h"

#include "logstore/cp1252.h"

#include <QStringDecoder>

namespace kastlog::spots {

QString decodeNodeText(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return cp1252::decode(bytes);
}

void LineReader::reset() {
    m_partial.clear();
    m_skipping = false;
}

QStringList LineReader::feed(const QByteArray &bytes) {
    QStringList lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', pos);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        if (!m_skipping) {
            const qsizetype room = MaxLineBytes - m_partial.size();
            const qsizetype n = end - pos;
            m_partial.append(bytes.constData() + pos, qMin(n, room));
            // One byte past the limit (a CR may still be dropped) tells a cut line.
            if (n > room && !(lf >= 0 && n == room + 1 && bytes[end - 1] == '\r')) {
                ++m_cut;
                m_skipping = true;
            }
        }
        if (lf < 0) break;
        if (m_partial.endsWith('\r')) m_partial.chop(1);
        lines.append(decodeNodeText(m_partial));
        m_partial.clear();
        m_skipping = false;
        pos = lf + 1;
    }
    return lines;
}

}  // namespace kastlog::spots
