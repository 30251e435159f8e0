#include "logstore/prenoms.h"

#include "logstore/cp1252.h"
#include "logstore/logstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

namespace kastlog {

namespace prenoms {
namespace {
constexpr int CallWidth = 12;
constexpr int NameCol = 17;

// `text` cut or padded with blanks to `width` characters, appended.
void appendFitted(QString &out, QStringView text, int width) {
    out.append(text.left(width));
    for (qsizetype i = text.size(); i < width; ++i) out.append(QLatin1Char(' '));
}
}  // namespace

QString key(QStringView call, QStringView province, QStringView firstName) {
    QString k;
    k.reserve(16 + firstName.size());
    appendFitted(k, call, 13);
    appendFitted(k, province, 3);
    k.append(firstName);
    return k;
}

std::optional<QString> find(const QStringList &lines, const QString &call) {
    std::optional<QString> name;
    for (const QString &l : lines)  // the last matching line wins
        if (QStringView(l).left(CallWidth).trimmed() == call) name = cp1252::capitals(l.mid(NameCol - 1));
    if (name && name->isNull()) name = QString(QLatin1String(""));
    return name;
}

namespace {
// The call sign field keeps its 12 columns even for a short key.
QString callField(const QString &key) {
    QString field;
    appendFitted(field, QStringView(key).left(CallWidth), CallWidth);
    return field;
}
QString lineOf(const QString &key) {
    const QStringView name = QStringView(key).mid(qMin<qsizetype>(NameCol - 1, key.size()));
    QString line;
    line.reserve(CallWidth + 4 + name.size());
    appendFitted(line, QStringView(key).left(CallWidth), CallWidth);
    line.append(QLatin1String("    ")).append(name);
    return line;
}
QStringView callOf(const QString &line) { return QStringView(line).left(CallWidth).trimmed(); }
}  // namespace

QStringList store(const QStringList &lines, const QString &key) {
    const QString call = callField(key);
    const QString line = lineOf(key);
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

QStringList addMissing(const QStringList &lines, const QStringList &keys) {
    QSet<QStringView> known;  // views of `lines` and `keys`, which outlive it
    known.reserve(lines.size() + keys.size());
    for (const QString &l : lines) known.insert(callOf(l));
    QStringList out = lines;
    out.reserve(lines.size() + keys.size());
    for (const QString &key : keys) {
        const QStringView call = callOf(key);
        if (known.contains(call)) continue;
        known.insert(call);
        out.append(lineOf(key));
    }
    return out;
}
}  // namespace prenoms

std::optional<QString> lecturePrenom(const QString &dir, const QString &call) {
    // A memory that cannot be read (missing, or any other failure) finds nothing.
    const ReadResult r = readTextFile(QDir(dir).filePath(files::ListePrenom));
    if (!r.ok()) return std::nullopt;
    return prenoms::find(r.lines, call);
}

namespace {
// Reads the memory, applies `change` to its lines and writes it back once.
template <class Change>
WriteResult rewritePrenoms(const QString &dir, Change change, const FaultInjector *faults) {
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
    const QStringList lines = change(r.lines);
    QByteArray bytes;
    if (!joinLines(lines, bytes)) {
        WriteResult w;
        w.ok = false;
        w.fileName = path;
        w.reason = QCoreApplication::translate(
            "FirstNames", "le prénom contient un caractère qui ne peut pas être écrit dans ce fichier");
        return w;
    }
    return replaceFile(dir, files::ListePrenom, files::Temporaire, bytes, faults);
}

}  // namespace

WriteResult enregistrePrenom(const QString &dir, const QString &key, const FaultInjector *faults) {
    return rewritePrenoms(dir, [&](const QStringList &l) { return prenoms::store(l, key); }, faults);
}

WriteResult ajoutePrenoms(const QString &dir, const QStringList &keys, const FaultInjector *faults) {
    return rewritePrenoms(dir, [&](const QStringList &l) { return prenoms::addMissing(l, keys); }, faults);
}

}  // namespace kastlog
