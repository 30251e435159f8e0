#pragma once
// Cuts the byte stream of a node into text lines. A line ends at LF (a CR before it is
// dropped). A line longer than MaxLineBytes keeps its first MaxLineBytes bytes and is counted
// as cut; the rest of it is thrown away as it arrives, so no line is ever kept whole.
// Bytes that are not valid UTF-8 are read as Windows-1252.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kastlog::spots {

constexpr int MaxLineBytes = 1024;

QString decodeNodeText(const QByteArray &bytes);

class LineReader {
public:
    // The complete lines the bytes finish.
    QStringList feed(const QByteArray &bytes);
    // The start of the line not yet ended (a login prompt has no line end).
    QString pending() const;
    void clearPending() { m_partial.clear(); }
    int cutLines() const { return m_cut; }
    void reset();

private:
    QByteArray m_partial;
    bool m_skipping = false;  // inside the thrown-away rest of a cut line
    int m_cut = 0;
};

}  // namespace kastlog::spots
