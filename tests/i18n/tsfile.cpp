#include "tests/i18n/tsfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace kastlog::test {

namespace {
// The text of the current element, with the characters XML cannot hold (a carriage return)
// that lupdate writes as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml) {
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte")) {
                const QString value = xml.attributes().value(QLatin1String("value")).toString();
                text += QChar(value.mid(1).toUInt(nullptr, 16));  // "xd"
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}
}  // namespace

QList<TsEntry> readTs(const QString &path, QString *error) {
    QList<TsEntry> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + f.errorString();
        return {};
    }
    QXmlStreamReader xml(&f);
    QString context;
    TsEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        // A plural message is whole when its translation closes, after its forms.
        if (xml.isEndElement() && xml.name() == QLatin1String("translation") && entry.numerus) out << entry;
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = elementText(xml);
        } else if (name == QLatin1String("message")) {
            entry = TsEntry{context, {}, {}, {}, {},
                            xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
        } else if (name == QLatin1String("source")) {
            entry.source = elementText(xml);
        } else if (name == QLatin1String("comment")) {
            entry.comment = elementText(xml);
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus) {
                entry.translations = {elementText(xml)};
                out << entry;
            }
        } else if (name == QLatin1String("numerusform")) {
            entry.translations << elementText(xml);
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
        return {};
    }
    return out;
}

}  // namespace kastlog::test
