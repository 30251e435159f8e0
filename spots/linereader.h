#pragma once
// Cuts the byte stream of a node into text lines. A line ends at CR LF, LF, CR alone or LF CR.
// What a terminal would act on and not print is dropped first and costs no line: BEL (a
// node's per-user beep), NUL (keep-alives), telnet commands (IAC ...) and ANSI escape
// sequences (colours). A line longer than MaxLineBytes keeps its first MaxLineBytes bytes and
// is counted as cut; the rest of it is thrown away as it arrives, so no line is ever kept
// whole. Bytes that are not valid UTF-8 are read as Windows-1252.
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
    // The pending text was a prompt and is answered: it is dropped, and so are the blanks
    // and the line end of the prompt that may still come, so that nothing of it joins the
    // next line.
    void clearPending();
    int cutLines() const { return m_cut; }
    void reset();

private:
    enum class Escape { None, Iac, IacOption, IacSub, IacSubIac, Esc, EscCharset, Csi };
    void endLine(QStringList &lines);
    void append(const char *data, qsizetype n);

    QByteArray m_partial;
    Escape m_escape = Escape::None;
    char m_partner = 0;          // the LF after a CR (or the CR after a LF) that ends no line
    bool m_skipping = false;     // inside the thrown-away rest of a cut line
    bool m_afterPrompt = false;  // blanks and a line end still to drop after a prompt
    int m_cut = 0;
};

}  // namespace kastlog::spots
