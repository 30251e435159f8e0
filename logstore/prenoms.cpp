#include "logstore/prenoms.h"

#include "logstore/cp1252.h"
#include "logstore/logstore.h"

#include <QDir>

namespace kastlog {

namespace prenoms {
namespace {
constexpr int CallWidth = 12;
constexpr int NameCol = 17;
}  // namespace

std::optional<QString> find(const QStringList &lines, const QString &call) {
    std::optional<QString> name;
    for (const QString &l : lines)  // the last matching line wins
        if (QStringView(l).left(CallWidth).trimmed() == call) name = cp1252::capitals(l.mid(NameCol - 1));
    if (name && name->isNull()) name = QString(QLatin1String(""));
    return name;
}

QStringList store(const QStringList &lines, const QString &key) {
    // The call sign field keeps its 12 columns even for a short key.
    const QString call = key.left(CallWidth).leftJustified(CallWidth, QLatin1Char(' '));
    const QString line = call + QStringLiteral("    ") + key.mid(NameCol - 1);
    QStringList out = lines;
    bool replaced = false;
    for (QString &l : out) {
        if (QStringView(l).left(CallWidth) == call) {
            l = line;
            replaced = true;
        }
    }
    if (!replaced) out.append(line);
    return out;
}
}  // namespace prenoms

std::optional<QString> lecturePrenom(const QString &dir, const QString &call) {
    // A memory that cannot be read (missing, or any other failure) finds nothing.
    const ReadResult r = readTextFile(QDir(dir).filePath(files::ListePrenom));
    if (!r.ok()) return std::nullopt;
    return prenoms::find(r.lines, call);
}

WriteResult enregistrePrenom(const QString &dir, const QString &key, const FaultInjector *faults) {
    const QString path = QDir(dir).filePath(files::ListePrenom);
    ReadResult r = readTextFile(path);
    // A missing memory starts empty; one that exists but cannot be read is not overwritten.
    if (r.kind == ReadResult::Failed) {
        WriteResult w;
        w.ok = false;
        w.fileName = path;
        w.reason = r.reason;
        return w;
    }
    const QStringList lines = prenoms::store(r.lines, key);
    QByteArray bytes;
    if (!joinLines(lines, bytes)) {
        WriteResult w;
        w.ok = false;
        w.fileName = path;
        w.reason = QStringLiteral("le prénom contient un caractère qui ne peut pas être écrit dans ce fichier");
        return w;
    }
    return replaceFile(dir, files::ListePrenom, files::Temporaire, bytes, faults);
}

}  // namespace kastlog
