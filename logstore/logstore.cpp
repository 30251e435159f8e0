#include "logstore/logstore.h"

#include "logstore/cp1252.h"
#include "logstore/record.h"
#include "logstore/rewriterules.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace kastlog {

LogStore::LogStore(QString dir, QString call, const FaultInjector *faults)
    : m_dir(std::move(dir)), m_call(std::move(call)), m_faults(faults) {}

QString LogStore::logPath() const { return QDir(m_dir).filePath(files::logName(m_call)); }

LoadedLog LogStore::load() const {
    LoadedLog out;
    out.read = readTextFile(logPath());
    if (!out.read.ok()) return out;
    const QStringList &lines = out.read.lines;
    const qsizetype n = qMin<qsizetype>(lines.size(), MaxDisplayLines);
    out.displayLines.reserve(n);
    for (qsizetype i = 0; i < n; ++i) out.displayLines.append(displayLine(lines.at(i), int(i + 1)));
    out.truncated = lines.size() > MaxDisplayLines;
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
QString unencodableReason(const QStringList &lines) {
    for (const QString &l : lines) {
        const QChar c = cp1252::firstUnencodable(l);
        if (!c.isNull())
            return QStringLiteral("le caractère « %1 » (U+%2) ne peut pas être écrit dans ce fichier")
                .arg(c)
                .arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return QStringLiteral("texte impossible à écrire dans ce fichier");
}

// The one rewrite: read the file (it must exist), apply the rule, encode, replace.
WriteResult rewrite(const QString &dir, const QString &name, const QString &temp,
                    const std::function<QStringList(const QStringList &)> &rule,
                    const FaultInjector *faults) {
    const QString path = QDir(dir).filePath(name);
    const ReadResult read = readTextFile(path);
    if (!read.ok()) return failed(path, read.reason);
    const QStringList lines = rule(read.lines);
    QByteArray bytes;
    if (!joinLines(lines, bytes)) return failed(path, unencodableReason(lines));
    return replaceFile(dir, name, temp, bytes, faults);
}
}  // namespace

WriteResult LogStore::enregistreQso(const QString &record) const {
    return rewrite(m_dir, files::logName(m_call), files::Temporaire,
                   [&](const QStringList &l) { return rules::enregistre(l, record); }, m_faults);
}

WriteResult LogStore::insereQso(const QString &record) const {
    return rewrite(m_dir, files::logName(m_call), files::Temporaire6,
                   [&](const QStringList &l) { return rules::insere(l, record); }, m_faults);
}

WriteResult LogStore::modifieQso(const QString &newRecord, const QString &oldRecord) const {
    return rewrite(m_dir, files::logName(m_call), files::Temporaire,
                   [&](const QStringList &l) { return rules::modifie(l, newRecord, oldRecord); }, m_faults);
}

WriteResult LogStore::supprimeQso(const QString &record) const {
    return rewrite(m_dir, files::logName(m_call), files::Temporaire,
                   [&](const QStringList &l) { return rules::supprime(l, record); }, m_faults);
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
