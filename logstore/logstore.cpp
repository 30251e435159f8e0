#include "logstore/logstore.h"

#include "logstore/cp1252.h"
#include "logstore/record.h"
#include "logstore/rulecore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace kastlog {

LogStore::LogStore(QString dir, QString call, const FaultInjector *faults, history::Options history)
    : m_dir(std::move(dir)), m_call(std::move(call)), m_faults(faults), m_history(history) {}

QString LogStore::logPath() const { return QDir(m_dir).filePath(files::logName(m_call)); }

LoadedLog LogStore::load() const {
    LoadedLog out;
    out.read = readFileBytes(logPath(), out.bytes);
    if (!out.read.ok()) return out;
    out.lines = rules::core::ByteLines(out.bytes).views;
    out.truncated = out.lineCount() > MaxDisplayLines;
    return out;
}

QString LoadedLog::displayLine(qsizetype i) const {
    const QLatin1String l = lines[size_t(i)];
    return kastlog::displayLine(cp1252::decode(QByteArray::fromRawData(l.data(), l.size())), int(i + 1));
}

QStringList LoadedLog::displayLines() const {
    QStringList out;
    out.reserve(shown());
    for (qsizetype i = 0; i < shown(); ++i) out.append(displayLine(i));
    return out;
}

namespace {
WriteResult failed(const QString &file, const QString &reason) {
    WriteResult r;
    r.ok = false;
    r.fileName = file;
    r.reason = reason;
    return r;
}

// Names the character Windows-1252 cannot hold, for the message of a refused write.
QString unencodableReason(const QString &record) {
    const QChar c = cp1252::firstUnencodable(record);
    //: %1 the character, %2 its code in hexadecimal
    return QCoreApplication::translate("LogStore",
                                       "le caractère « %1 » (U+%2) ne peut pas être écrit dans ce fichier")
        .arg(c)
        .arg(c.unicode(), 4, 16, QLatin1Char('0'));
}

using rules::core::ByteLines;

}  // namespace

// The one rewrite: encode the records given (a character the code page cannot hold stops it
// before anything is written), read the file (it must exist), apply the rule on the bytes,
// then replace the file with its history. The lines are copied as read, each followed by
// CR LF.
ChangeResult LogStore::rewrite(const QString &temp, const QStringList &records, const Rule &rule) const {
    const QString path = logPath();
    QList<QByteArray> encoded;
    QList<QLatin1String> views;
    for (const QString &r : records) {
        QByteArray b;
        if (!cp1252::encode(r, b)) return failed(path, unencodableReason(r));
        encoded.append(b);
    }
    for (const QByteArray &b : encoded) views.append(QLatin1String(b.constData(), b.size()));

    QByteArray bytes;
    const ReadResult read = readFileBytes(path, bytes);
    if (!read.ok()) return failed(path, read.reason);
    const ByteLines lines(bytes);

    QByteArray out;
    out.reserve(bytes.size() + 2 * lines.size() + views.size() * (rec::Length + 2));
    const bool found = rule(lines, views, [&](QLatin1String l) {
        out.append(l.data(), l.size());
        out.append("\r\n", 2);
    });
    ChangeResult r = replaceLog(bytes, out, temp);
    r.found = found;
    return r;
}

ChangeResult LogStore::replaceLog(const QByteArray &old, const QByteArray &content, const QString &temp,
                                  history::Keep keep) const {
    ChangeResult r;
    static_cast<WriteResult &>(r) = history::replaceKeepingHistory(m_dir, m_call, files::logName(m_call), temp, old,
                                                                   content, m_history, m_faults, r.history, keep);
    return r;
}

// Byte for byte: a backup or the precedent is the log as it was, line ends included.
ChangeResult LogStore::swapIn(const QByteArray &content) const {
    QByteArray current;
    const ReadResult cur = readFileBytes(logPath(), current);
    // A log deleted meanwhile is made again: there is nothing of it to keep.
    if (cur.kind == ReadResult::Missing) return ChangeResult(createFile(m_dir, files::logName(m_call), files::Temporaire, content, m_faults));
    if (!cur.ok()) return failed(logPath(), cur.reason);
    return replaceLog(current, content, files::Temporaire, history::Keep::BeforeSwap);
}

bool LogStore::canUndo() const {
    return QFileInfo::exists(history::precedentPath(m_dir, m_call)) || QFileInfo::exists(history::notePath(m_dir, m_call));
}

history::UndoState LogStore::undoState() const { return history::undoState(m_dir, m_call, files::logName(m_call)); }

ChangeResult LogStore::undo(const history::UndoState &asked) const {
    const history::UndoState now = undoState();
    if (now.kind == history::UndoState::Nothing)
        return failed(history::precedentPath(m_dir, m_call),
                      QCoreApplication::translate("LogStore", "aucune modification du log n'a été gardée"));
    if (now.kind != history::UndoState::Ready) return failed(now.file, now.reason);
    if (now.precedent != asked.precedent || now.current != asked.current || now.logMissing != asked.logMissing)
        return failed(logPath(),
                      QCoreApplication::translate("LogStore", "le log ou son état précédent a changé depuis la question"));
    return swapIn(now.precedent);
}

ChangeResult LogStore::restore(const QString &backupPath) const {
    QByteArray content;
    const ReadResult src = readFileBytes(backupPath, content);
    if (!src.ok()) return failed(backupPath, src.reason);
    return swapIn(content);
}

ChangeResult LogStore::enregistreQso(const QString &record) const {
    return rewrite(files::Temporaire, {record}, [](const ByteLines &l, const QList<QLatin1String> &r, const auto &out) {
        rules::core::enregistre(l, r[0], out);
        return true;
    });
}

ChangeResult LogStore::insereQso(const QString &record) const {
    return rewrite(files::Temporaire6, {record}, [](const ByteLines &l, const QList<QLatin1String> &r, const auto &out) {
        rules::core::insere(l, r[0], out);
        return true;
    });
}

ChangeResult LogStore::modifieQso(const QString &newRecord, const QString &oldRecord) const {
    return rewrite(files::Temporaire, {newRecord, oldRecord},
                   [](const ByteLines &l, const QList<QLatin1String> &r, const auto &out) {
                       return rules::core::modifie(l, r[0], r[1], out);
                   });
}

ChangeResult LogStore::supprimeQso(const QString &record, qsizetype occurrence) const {
    return rewrite(files::Temporaire, {record},
                   [occurrence](const ByteLines &l, const QList<QLatin1String> &r, const auto &out) {
                       return rules::core::supprime(l, r[0], occurrence, out);
                   });
}

ChangeResult LogStore::importeQsos(const QStringList &records, const QStringList &marks) const {
    const qsizetype count = records.size();
    return rewrite(files::Temporaire6, records + marks, [count](const ByteLines &l, const QList<QLatin1String> &r, const auto &out) {
        rules::core::insereEtMarque(l, r.first(count), r.sliced(count), out);
        return true;
    });
}

bool creationFichierLog(const QString &dir, const QString &call) {
    // The template is copied byte for byte; an existing log is never replaced.
    QFile tpl(QDir(dir).filePath(files::Template));
    if (!tpl.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = tpl.readAll();
    if (tpl.error() != QFileDevice::NoError) return false;
    tpl.close();
    return bool(createFile(dir, files::logName(call), files::Temporaire, bytes));
}


}  // namespace kastlog
