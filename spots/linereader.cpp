#include "spots/linereader.h"

#include "logstore/cp1252.h"

namespace kastlog::spots {

QString decodeNodeText(const QByteArray &bytes) { return cp1252::decodeUtf8Or1252(bytes); }

void LineReader::reset() {
    m_partial.clear();
    m_skipping = false;
}

QString LineReader::pending() const { return decodeNodeText(m_partial.left(MaxLineBytes)); }

QStringList LineReader::feed(const QByteArray &bytes) {
    QStringList lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', pos);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        if (!m_skipping) {
            // One byte past the limit is kept for a while: it may be the CR of the line end.
            const qsizetype room = MaxLineBytes + 1 - m_partial.size();
            const qsizetype n = end - pos;
            m_partial.append(bytes.constData() + pos, qMin(n, room));
            if (n > room) {
                ++m_cut;
                m_skipping = true;
                m_partial.truncate(MaxLineBytes);
            }
        }
        if (lf < 0) break;
        if (!m_skipping && m_partial.endsWith('\r')) m_partial.chop(1);
        if (m_partial.size() > MaxLineBytes) {
            ++m_cut;
            m_partial.truncate(MaxLineBytes);
        }
        lines.append(decodeNodeText(m_partial));
        m_partial.clear();
        m_skipping = false;
        pos = lf + 1;
    }
    return lines;
}

}  // namespace kastlog::spots
