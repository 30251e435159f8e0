#include "tests/i18n/tsfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace kastlog::test {

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
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = TsEntry{context, {}, {}, {}, {},
                            xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus) {
                entry.translations = {xml.readElementText()};
                out << entry;
            }
        } else if (name == QLatin1String("numerusform")) {
            entry.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) {
        *error = path + QStringLiteral(": ") + xml.errorString();
        return {};
    }
    return out;
}

}  // namespace kastlog::test
