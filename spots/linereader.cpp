#include "spots/linereader.h"

#include "logstore/cp1252.h"

namespace kastlog::spots {

namespace {

constexpr char Nul = 0, Bel = 7, Lf = '\n', Cr = '\r', Esc = 27;
constexpr unsigned char Iac = 255, Sb = 250, Se = 240, Will = 251, Dont = 254;

// Bytes that need a look of their own; every other byte is text.
bool special(char c) { return c == Nul || c == Bel || c == Lf || c == Cr || c == Esc || uchar(c) == Iac; }

}  // namespace

QString decodeNodeText(const QByteArray &bytes) { return cp1252::decodeUtf8Or1252(bytes); }

void LineReader::reset() {
    m_partial.clear();
    m_escape = Escape::None;
    m_partner = 0;
    m_skipping = false;
    m_afterPrompt = false;
}

QString LineReader::pending() const { return decodeNodeText(m_partial); }

void LineReader::clearPending() {
    m_partial.clear();
    m_skipping = false;
    m_afterPrompt = true;
}

void LineReader::append(const char *data, qsizetype n) {
    if (m_afterPrompt) {
        while (n > 0 && (*data == ' ' || *data == '\t')) ++data, --n;
        if (n == 0) return;
        m_afterPrompt = false;
    }
    if (m_skipping) return;
    const qsizetype room = MaxLineBytes - m_partial.size();
    if (n > room) {
        ++m_cut;
        m_skipping = true;
        n = room;
    }
    m_partial.append(data, n);
}

void LineReader::endLine(QStringList &lines) {
    // A prompt's own line end ends no line of the node.
    if (!m_afterPrompt) lines.append(decodeNodeText(m_partial));
    m_afterPrompt = false;
    m_partial.clear();
    m_skipping = false;
}

QStringList LineReader::feed(const QByteArray &bytes) {
    QStringList lines;
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char c = *p;
        const uchar u = uchar(c);
        switch (m_escape) {
        case Escape::Iac:
            // IAC IAC is the byte 255; IAC before a byte that is no command is text too.
            if (u == Iac) {
                m_escape = Escape::None;
                append(p++, 1);
                continue;
            }
            if (u < Se) {
                m_escape = Escape::None;
                const char iac = char(Iac);
                append(&iac, 1);
                continue;  // the byte itself is read again as text
            }
            m_escape = u == Sb ? Escape::IacSub : (u >= Will && u <= Dont ? Escape::IacOption : Escape::None);
            ++p;
            continue;
        case Escape::IacOption:
            m_escape = Escape::None;
            ++p;
            continue;
        case Escape::IacSub:
            if (u == Iac) m_escape = Escape::IacSubIac;
            ++p;
            continue;
        case Escape::IacSubIac:
            m_escape = u == Se ? Escape::None : Escape::IacSub;
            ++p;
            continue;
        case Escape::Esc:
            if (c == Cr || c == Lf) break;
            // ESC [ opens a control sequence; ESC ( and its kin take one byte more.
            m_escape = c == '[' ? Escape::Csi : (c >= '(' && c <= '+' ? Escape::EscCharset : Escape::None);
            ++p;
            continue;
        case Escape::EscCharset:
            if (c == Cr || c == Lf) break;
            m_escape = Escape::None;
            ++p;
            continue;
        case Escape::Csi:
            // Parameters and intermediates until the final byte; a line end ends it as well.
            if (c == Cr || c == Lf) break;
            if (u >= 0x40 && u <= 0x7e) m_escape = Escape::None;
            ++p;
            continue;
        case Escape::None:
            break;
        }
        m_escape = Escape::None;
        if (!special(c)) {
            const char *run = p;
            while (p < end && !special(*p)) ++p;
            m_partner = 0;
            append(run, p - run);
            continue;
        }
        ++p;
        if (c == Cr || c == Lf) {
            if (c == m_partner) {
                m_partner = 0;  // the second half of CR LF or LF CR
                continue;
            }
            m_partner = c == Cr ? Lf : Cr;
            endLine(lines);
        } else if (c == Esc) {
            m_escape = Escape::Esc;
        } else if (u == Iac) {
            m_escape = Escape::Iac;
        }
        // NUL and BEL: nothing.
    }
    return lines;
}

}  // namespace kastlog::spots
