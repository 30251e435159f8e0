#include "reports/adifimport/adifreader.h"

#include "logstore/cp1252.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cstring>

namespace kastlog::adifimport {

namespace {
QString t(const char *text) { return QCoreApplication::translate("AdifReader", text); }
const char NoCall[] = QT_TRANSLATE_NOOP("AdifReader", "QSO sans indicatif (CALL)");

char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
char16_t upperUnit(char c) { return char16_t(uchar(upper(c))); }
char16_t upperUnit(QChar c) { return c >= u'a' && c <= u'z' ? char16_t(c.unicode() - 32) : c.unicode(); }

// The names of the known fields, in the order of field::Id; literals, so that every field
// shares its name without counting references.
const QString KnownNames[field::Count] = {
    QStringLiteral("CALL"), QStringLiteral("NAME"), QStringLiteral("BAND"), QStringLiteral("MODE"),
    QStringLiteral("SUBMODE"), QStringLiteral("QSO_DATE"), QStringLiteral("TIME_ON"), QStringLiteral("TIME_OFF"),
    QStringLiteral("RST_RCVD"), QStringLiteral("RST_SENT"), QStringLiteral("COMMENT"), QStringLiteral("NOTES"),
    QStringLiteral("QTH"), QStringLiteral("SIG"), QStringLiteral("SIG_INFO"), QStringLiteral("QSL_RCVD"),
    QStringLiteral("LOTW_QSL_RCVD"), QStringLiteral("EQSL_QSL_RCVD"), QStringLiteral("QSL_SENT"),
    QStringLiteral("STATION_CALLSIGN"), QStringLiteral("OPERATOR"), QStringLiteral("FREQ"),
    QStringLiteral("GRIDSQUARE"), QStringLiteral("QSO_DATE_OFF"), QStringLiteral("TX_PWR"), QStringLiteral("DXCC"),
    QStringLiteral("COUNTRY"), QStringLiteral("ADIF_VER"), QStringLiteral("PROGRAMID"),
    QStringLiteral("PROGRAMVERSION")};

// The known field whose name is `n` characters of `name` (any case); Other when none.
template <class Char>
field::Id knownField(const Char *name, qsizetype n) {
    for (int k = 0; k < field::Count; ++k) {
        const QString &known = KnownNames[k];
        if (known.size() != n) continue;
        qsizetype i = 0;
        while (i < n && upperUnit(name[i]) == known[i].unicode()) ++i;
        if (i == n) return field::Id(k);
    }
    return field::Other;
}

// The field's name in capitals and its id.
void nameField(AdifField &f, const char *b, qsizetype n) {
    f.id = knownField(b, n);
    if (f.id != field::Other) {
        f.name = KnownNames[f.id];
        return;
    }
    f.name = QString::fromLatin1(b, n);
    for (QChar &c : f.name)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
}

// Where the records of a file go as they are read: to the sink, or kept in the file.
class Records {
public:
    Records(AdifFile &file, const RecordSink &each) : m_file(file), m_each(each) {}
    AdifRecord rec;  // the record being read
    // The record in progress is finished: counted when it holds any field.
    void finish() {
        if (rec.fields.isEmpty() && rec.problem.isEmpty()) return;
        const bool named = !rec.view(field::Call).trimmed().isEmpty();
        m_file.holdsQso = m_file.holdsQso || named;
        if (rec.problem.isEmpty() && !named) rec.problem = t(NoCall);
        ++m_file.recordCount;
        if (m_each) {
            m_each(rec, m_file.header);
            rec.clear();
        } else {
            m_file.records.append(std::move(rec));
            rec = AdifRecord();
        }
    }
    // The file ends inside the record in progress: it is listed as cut, after the whole ones.
    void cut() {
        if (rec.fields.isEmpty() && rec.problem.isEmpty()) return;
        m_file.problem = truncatedAfter(m_file.recordCount);
        rec.problem = t(CutRecord);
        finish();
    }

private:
    AdifFile &m_file;
    const RecordSink &m_each;
};

bool isBlankByte(char c) { return uchar(c) <= 0x20; }

// `v` holds "<eor>" in any case.
bool holdsEor(const char *v, qsizetype n) {
    for (const char *p = v, *end = v + n; (p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p))));) {
        if (end - p >= 5 && upper(p[1]) == 'E' && upper(p[2]) == 'O' && upper(p[3]) == 'R' && p[4] == '>') return true;
        ++p;
    }
    return false;
}

// The bytes of the first `chars` UTF-8 characters from `v` (at most `n` bytes); -1 when they
// are not UTF-8 or run past `n`.
qsizetype utf8Bytes(const char *v, qsizetype n, qsizetype chars) {
    qsizetype i = 0;
    for (qsizetype c = 0; c < chars; ++c) {
        if (i >= n) return -1;
        const uchar b = uchar(v[i]);
        const int size = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (size == 0 || i + size > n) return -1;
        for (int k = 1; k < size; ++k)
            if ((uchar(v[i + k]) & 0xC0) != 0x80) return -1;
        i += size;
    }
    return i;
}
}  // namespace

QString truncatedAfter(qsizetype wholeRecords) {
    //: %1 is the number of the last whole QSO of the file.
    return QCoreApplication::translate("AdifReader", "fichier tronqué après le QSO %1").arg(wholeRecords);
}

void AdifRecord::clear() {
    fields.clear();  // keeps its room
    text.truncate(0);
    problem.clear();
    warnings.clear();
}

QString AdifRecord::value(QLatin1String name) const {
    for (qsizetype i = fields.size() - 1; i >= 0; --i)  // a field given twice: the last one
        if (fields[i].name == name) return valueOf(fields[i]).toString();
    return {};
}

void AdifRecord::add(QString name, QStringView value, qsizetype byteLength, qsizetype offset) {
    AdifField &f = fields.emplaceBack();
    f.id = knownField(name.constData(), name.size());
    f.name = std::move(name);
    f.at = text.size();
    text.append(value);
    f.size = value.size();
    f.byteLength = byteLength;
    f.offset = offset;
}

bool AdifRecord::has(QLatin1String name) const {
    for (const AdifField &f : fields)
        if (f.name == name) return true;
    return false;
}

QStringView AdifRecord::view(field::Id id) const {
    for (qsizetype i = fields.size() - 1; i >= 0; --i)
        if (fields[i].id == id) return valueOf(fields[i]);
    return {};
}

bool AdifRecord::has(field::Id id) const {
    for (const AdifField &f : fields)
        if (f.id == id) return true;
    return false;
}

namespace {
// The ADI reader: one pass over the bytes, fields into the record in progress.
class AdiReader {
public:
    AdiReader(const QByteArray &bytes, AdifFile &file, const RecordSink &each)
        : m_data(bytes.constData()), m_n(bytes.size()), m_file(file), m_records(file, each) {}

    void read() {
        AdifRecord &rec = m_records.rec;
        qsizetype p = 0;
        while (p < m_n) {
            const char *lt = static_cast<const char *>(std::memchr(m_data + p, '<', size_t(m_n - p)));
            if (!lt) break;
            qsizetype q = (lt - m_data) + 1;
            const qsizetype nameStart = q;
            while (q < m_n && m_data[q] != ':' && m_data[q] != '>' && m_data[q] != '<') ++q;
            if (q >= m_n || m_data[q] == '<' || q == nameStart) {  // not a tag: skip this '<'
                p = nameStart;
                continue;
            }
            const qsizetype nameSize = q - nameStart;
            if (m_data[q] == '>') {
                p = q + 1;
                if (is(nameStart, nameSize, "EOR")) {
                    m_records.finish();
                } else if (is(nameStart, nameSize, "EOH")) {
                    m_file.header = std::move(rec);
                    m_file.header.problem.clear();
                    rec = AdifRecord();
                }
                continue;
            }
            // <NAME:LEN[:TYPE]>
            qsizetype d = q + 1;
            qsizetype len = 0;
            bool digits = false, overflow = false;
            while (d < m_n && m_data[d] >= '0' && m_data[d] <= '9') {
                if (len > (qsizetype(1) << 40)) overflow = true;
                else len = len * 10 + (m_data[d] - '0');
                digits = true;
                ++d;
            }
            if (d < m_n && m_data[d] == ':') {  // type indicator
                ++d;
                while (d < m_n && m_data[d] != '>' && m_data[d] != '<') ++d;
            }
            if (!digits || d >= m_n || m_data[d] != '>') {  // not a field tag
                p = nameStart;
                continue;
            }
            const qsizetype valueStart = d + 1;
            qsizetype taken = overflow ? -1 : len;
            if (taken >= 0 && !fits(valueStart, taken)) {
                // Some programs count the length in characters: taken with a warning when
                // that fits. Else the record is damaged; its tags are read on from here, so
                // that its <eor> ends it and the next records still count.
                const qsizetype chars = utf8Bytes(m_data + valueStart, m_n - valueStart, len);
                taken = chars > len && fits(valueStart, chars) ? chars : -1;
                if (taken >= 0)
                    //: %1 is an ADIF field name: its length counts characters, not bytes.
                    rec.warnings << QCoreApplication::translate("AdifReader", "longueur de %1 comptée en caractères")
                                        .arg(nameOf(nameStart, nameSize));
            }
            if (taken < 0) {
                if (rec.problem.isEmpty())
                    //: %1 is an ADIF field name, %2 a line of the file.
                    rec.problem = QCoreApplication::translate("AdifReader", "longueur de %1 fausse (ligne %2)")
                                      .arg(nameOf(nameStart, nameSize)).arg(lineOf(nameStart));
                p = valueStart;
                continue;
            }
            addField(nameStart, nameSize, valueStart, taken);
            p = valueStart + taken;
        }
        m_records.cut();
    }

private:
    bool is(qsizetype at, qsizetype size, const char *tag) const {
        return size == 3 && upper(m_data[at]) == tag[0] && upper(m_data[at + 1]) == tag[1] && upper(m_data[at + 2]) == tag[2];
    }
    QString nameOf(qsizetype at, qsizetype size) const {
        AdifField f;
        nameField(f, m_data + at, size);
        return f.name;
    }
    // A value of `len` bytes from `at` ends where a value ends: at the end of the file, before
    // a tag or a blank; and it holds no <eor>.
    bool fits(qsizetype at, qsizetype len) const {
        if (len > m_n - at) return false;
        const qsizetype end = at + len;
        if (end < m_n && m_data[end] != '<' && !isBlankByte(m_data[end])) return false;
        return !holdsEor(m_data + at, len);
    }
    // The line of the file `offset` stands on; offsets are asked in increasing order.
    qsizetype lineOf(qsizetype offset) {
        for (; m_lineAt < offset; ++m_lineAt)
            if (m_data[m_lineAt] == '\n') ++m_line;
        return m_line;
    }
    void addField(qsizetype nameStart, qsizetype nameSize, qsizetype valueStart, qsizetype len) {
        AdifRecord &rec = m_records.rec;
        if (rec.fields.capacity() == 0) {  // records of one file are alike: room for the last one's
            const AdifRecord *last = m_file.records.isEmpty() ? nullptr : &m_file.records.constLast();
            rec.fields.reserve(last ? last->fields.size() : 16);
            rec.text.reserve(last ? last->text.size() + 16 : 256);
        }
        const char *v = m_data + valueStart;
        const qsizetype at = rec.text.size();
        // ASCII, the common case, is widened straight into the record's text.
        rec.text.resize(at + len);
        QChar *t = rec.text.data() + at;
        qsizetype i = 0;
        for (; i < len && uchar(v[i]) < 0x80; ++i) t[i] = QChar(uchar(v[i]));
        if (i < len) {
            rec.text.truncate(at);
            rec.text.append(cp1252::decodeUtf8Or1252(QByteArrayView(v, len)));
        }
        AdifField &f = rec.fields.emplaceBack();
        nameField(f, m_data + nameStart, nameSize);
        f.at = at;
        f.size = rec.text.size() - at;
        f.byteLength = len;
        f.offset = valueStart;
    }

    const char *m_data;
    qsizetype m_n;
    AdifFile &m_file;
    Records m_records;
    qsizetype m_lineAt = 0, m_line = 1;
};

// Where the XML of an ADX file starts: after blanks and comments that some programs write
// before the declaration (which the XML reader takes only as the very first thing).
qsizetype xmlStart(QByteArrayView bytes) {
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (;;) {
        while (i < bytes.size() && isBlankByte(bytes[i])) ++i;
        if (!bytes.sliced(i).startsWith("<!--")) return i;
        const qsizetype end = bytes.indexOf("-->", i + 4);
        if (end < 0) return i;
        i = end + 3;
    }
}

// The ADX reader over the XML reader, which may be given bytes or text.
void readXml(QXmlStreamReader &xml, AdifFile &file, const RecordSink &each) {
    enum { Outside, Header, Records_, Record } where = Outside;
    Records records(file, each);
    AdifRecord &rec = records.rec;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString().toUpper();
            if (where == Outside && name == QLatin1String("HEADER")) {
                where = Header;
            } else if (where == Outside && name == QLatin1String("RECORDS")) {
                where = Records_;
            } else if (where == Records_ && name == QLatin1String("RECORD")) {
                where = Record;
                rec.clear();
            } else if (where == Header || where == Record) {
                // Application and user fields carry their name in an attribute.
                QString fieldName = name;
                const auto attrs = xml.attributes();
                if (name == QLatin1String("APP"))
                    fieldName = QStringLiteral("APP_") + attrs.value(QLatin1String("PROGRAMID")).toString().toUpper() +
                                QLatin1Char('_') + attrs.value(QLatin1String("FIELDNAME")).toString().toUpper();
                else if (name == QLatin1String("USERDEF") && where == Record)
                    fieldName = attrs.value(QLatin1String("FIELDNAME")).toString().toUpper();
                const QString value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                (where == Header ? file.header : rec).add(fieldName, value, value.toUtf8().size(), -1);
            }
        } else if (t == QXmlStreamReader::EndElement) {
            const QString name = xml.name().toString().toUpper();
            if (where == Record && name == QLatin1String("RECORD")) {
                records.finish();
                where = Records_;
            } else if ((where == Header && name == QLatin1String("HEADER")) ||
                       (where == Records_ && name == QLatin1String("RECORDS"))) {
                where = Outside;
            }
        }
    }
    if (!xml.hasError()) return;
    const bool cut = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    if (cut) {
        if (where == Record) records.cut();
        else file.problem = truncatedAfter(file.recordCount);
        return;
    }
    file.problem = QCoreApplication::translate("AdifReader", "XML illisible ligne %1 : %2")
                       .arg(xml.lineNumber()).arg(xml.errorString());
    if (where == Record) {  // the record the error stopped is listed, not taken
        rec.problem = file.problem;
        records.finish();
    }
}

bool startsAsAdx(QByteArrayView bytes) {
    const QByteArray start = bytes.sliced(xmlStart(bytes)).first(qMin<qsizetype>(5, bytes.size() - xmlStart(bytes))).toByteArray().toUpper();
    return start.startsWith("<?XML") || start.startsWith("<ADX");
}
}  // namespace

AdifFile readAdi(const QByteArray &bytes, const RecordSink &each) {
    AdifFile file;
    AdiReader(bytes, file, each).read();
    return file;
}

AdifFile readAdx(const QByteArray &bytes, const RecordSink &each) {
    AdifFile file;
    const qsizetype start = xmlStart(bytes);
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.constData() + start, bytes.size() - start));
    readXml(xml, file, each);
    return file;
}

bool looksLikeAdx(const QByteArray &bytes) { return startsAsAdx(bytes); }

AdifFile readAdif(const QByteArray &bytes, const RecordSink &each) {
    const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
    if (!le && !be) return looksLikeAdx(bytes) ? readAdx(bytes, each) : readAdi(bytes, each);
    // UTF-16, as some Windows programs write it: read as the UTF-8 it stands for. An ADX is
    // given to the XML reader as text, so that its declaration's encoding is not applied again.
    QStringDecoder decode(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
    const QString text = decode(QByteArrayView(bytes).sliced(2));
    const QByteArray utf8 = text.toUtf8();
    if (!looksLikeAdx(utf8)) return readAdi(utf8, each);
    AdifFile file;
    QXmlStreamReader xml(QString::fromUtf8(QByteArrayView(utf8).sliced(xmlStart(utf8))));
    readXml(xml, file, each);
    return file;
}

}  // namespace kastlog::adifimport
