#include "reports/adifimport/adifreader.h"

#include "logstore/cp1252.h"

#include <QXmlStreamReader>

namespace kastlog::adifimport {

namespace {
const QString NoCall = QStringLiteral("QSO sans indicatif (CALL)");
const QString PastEnd = QStringLiteral("longueur au-delà de la fin du fichier");

char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
char16_t upperUnit(char c) { return char16_t(uchar(upper(c))); }
char16_t upperUnit(QChar c) { return c >= u'a' && c <= u'z' ? char16_t(c.unicode() - 32) : c.unicode(); }

// The names of the known fields, in the order of field::Id; literals, so that every field
// shares its name without counting references.
const QString KnownNames[field::Count] = {
    QStringLiteral("CALL"), QStringLiteral("NAME"), QStringLiteral("BAND"), QStringLiteral("MODE"),
    QStringLiteral("SUBMODE"), QStringLiteral("QSO_DATE"), QStringLiteral("TIME_ON"), QStringLiteral("TIME_OFF"),
    QStringLiteral("RST_RCVD"), QStringLiteral("RST_SENT"), QStringLiteral("COMMENT"), QStringLiteral("NOTES"),
    QStringLiteral("SIG"), QStringLiteral("SIG_INFO"), QStringLiteral("QSL_RCVD"), QStringLiteral("QSL_SENT"),
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

// The record in progress is finished: kept when it holds any field.
void finish(AdifFile &file, AdifRecord &rec) {
    if (rec.fields.isEmpty() && rec.problem.isEmpty()) return;
    if (rec.problem.isEmpty() && rec.view(field::Call).trimmed().isEmpty()) rec.problem = NoCall;
    file.records.append(std::move(rec));
    rec = AdifRecord();
}
}  // namespace

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

AdifFile readAdi(const QByteArray &bytes) {
    AdifFile file;
    AdifRecord rec;
    const char *const data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype p = 0;
    while (p < n) {
        const char *lt = static_cast<const char *>(std::memchr(data + p, '<', size_t(n - p)));
        if (!lt) break;
        qsizetype q = (lt - data) + 1;
        const qsizetype nameStart = q;
        while (q < n && data[q] != ':' && data[q] != '>' && data[q] != '<') ++q;
        if (q >= n || data[q] == '<' || q == nameStart) {  // not a tag: skip this '<'
            p = nameStart;
            continue;
        }
        const qsizetype nameSize = q - nameStart;
        if (data[q] == '>') {
            p = q + 1;
            auto is = [&](const char *tag) {
                return nameSize == 3 && upper(data[nameStart]) == tag[0] && upper(data[nameStart + 1]) == tag[1] &&
                       upper(data[nameStart + 2]) == tag[2];
            };
            if (is("EOR")) {
                finish(file, rec);
            } else if (is("EOH")) {
                file.header = std::move(rec);
                file.header.problem.clear();
                rec = AdifRecord();
            }
            continue;
        }
        // <NAME:LEN[:TYPE]>
        qsizetype d = q + 1;
        qsizetype len = 0;
        bool digits = false, overflow = false;
        while (d < n && data[d] >= '0' && data[d] <= '9') {
            if (len > (qsizetype(1) << 40)) overflow = true;
            else len = len * 10 + (data[d] - '0');
            digits = true;
            ++d;
        }
        if (d < n && data[d] == ':') {  // type indicator
            ++d;
            while (d < n && data[d] != '>' && data[d] != '<') ++d;
        }
        if (!digits || d >= n || data[d] != '>') {  // not a field tag
            p = nameStart;
            continue;
        }
        const qsizetype valueStart = d + 1;
        if (overflow || len > n - valueStart) {
            // The value would run past the end: this record is lost, the next ones are read
            // from just after the tag.
            rec.problem = PastEnd;
            p = valueStart;
            continue;
        }
        if (rec.fields.isEmpty()) {  // records of one file are alike: room for the last one's
            const AdifRecord *last = file.records.isEmpty() ? nullptr : &file.records.constLast();
            rec.fields.reserve(last ? last->fields.size() : 16);
            rec.text.reserve(last ? last->text.size() + 16 : 256);
        }
        const char *v = data + valueStart;
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
        nameField(f, data + nameStart, nameSize);
        f.at = at;
        f.size = rec.text.size() - at;
        f.byteLength = len;
        f.offset = valueStart;
        p = valueStart + len;
    }
    finish(file, rec);
    return file;
}

AdifFile readAdx(const QByteArray &bytes) {
    AdifFile file;
    QXmlStreamReader xml(bytes);
    enum { Outside, Header, Records, Record } where = Outside;
    AdifRecord rec;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString().toUpper();
            if (where == Outside && name == QLatin1String("HEADER")) {
                where = Header;
            } else if (where == Outside && name == QLatin1String("RECORDS")) {
                where = Records;
            } else if (where == Records && name == QLatin1String("RECORD")) {
                where = Record;
                rec = AdifRecord();
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
                finish(file, rec);
                rec = AdifRecord();
                where = Records;
            } else if ((where == Header && name == QLatin1String("HEADER")) ||
                       (where == Records && name == QLatin1String("RECORDS"))) {
                where = Outside;
            }
        }
    }
    if (xml.hasError()) {
        file.problem = QStringLiteral("XML illisible ligne %1 : %2").arg(xml.lineNumber()).arg(xml.errorString());
        if (where == Record) {  // the record cut by the error is listed, not taken
            rec.problem = file.problem;
            file.records.append(std::move(rec));
        }
    }
    return file;
}

bool looksLikeAdx(const QByteArray &bytes) {
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) i = 3;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    const QByteArray start = bytes.mid(i, 5).toUpper();
    return start.startsWith("<?XML") || start.startsWith("<ADX");
}

AdifFile readAdif(const QByteArray &bytes) { return looksLikeAdx(bytes) ? readAdx(bytes) : readAdi(bytes); }

}  // namespace kastlog::adifimport
