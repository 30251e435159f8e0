#include "logstore/prenoms.h"

#include "logstore/logstore.h"

#include <QDir>

namespace kastlog {

namespace prenoms {

std::optional<QString> find(const QStringList &lines, const QString &call) {
    std::optional<QString> name;
    for (const QString &l : lines)
        if (QStringView(l).left(12).trimmed() == call) name = l.mid(16).toUpper();  // the last match wins
    return name;
}

QStringList store(const QStringList &lines, const QString &key) {
    const QString callPart = key.left(12);
    const QString line = callPart + QStringLiteral("    ") + key.mid(16);
    QStringList out;
    out.reserve(lines.size() + 1);
    bool replaced = false;
    for (const QString &l : lines) {
        if (QStringView(l).left(12) == callPart) {
            out << line;
            replaced = true;
        } else {
            out << l;
        }
    }
    if (!replaced) out << line;
    return out;
}

}  // namespace prenoms

std::optional<QString> lecturePrenom(const QString &dir, const QString &call) {
    const ReadResult r = readTextFile(QDir(dir).filePath(files::ListePrenom));
    if (!r.ok()) return std::nullopt;  // no memory yet: nothing remembered
    return prenoms::find(r.lines, call);
}

WriteResult enregistrePrenom(const QString &dir, const QString &key, const FaultInjector *faults) {
    const QString path = QDir(dir).filePath(files::ListePrenom);
    ReadResult r = readTextFile(path);
    if (!r.ok() && r.kind != ReadResult::Missing) {
        WriteResult w;
        w.ok = false;
        w.fileName = path;
        w.reason = r.reason;
        return w;
    }
    QByteArray content;
    if (!joinLines(prenoms::store(r.lines, key), content)) {
        WriteResult w;
        w.ok = false;
        w.fileName = path;
        w.reason = QStringLiteral("caractere impossible a ecrire dans le jeu de caracteres Windows-1252");
        return w;
    }
    return replaceFile(dir, files::ListePrenom, files::Temporaire, content, faults);
}

}  // namespace kastlog
