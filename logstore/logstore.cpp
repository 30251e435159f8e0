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
    const int shown = int(qMin<qsizetype>(lines.size(), MaxDisplayLines));
    out.truncated = lines.size() > MaxDisplayLines;
    out.displayLines.reserve(shown);
    for (int i = 0; i < shown; ++i) out.displayLines << displayLine(lines.at(i), i + 1);
    return out;
}

namespace {
// The one rewrite: read the log, apply the rule, put the result in the log's place.
WriteResult rewrite(const LogStore &store, const QString &temp, const FaultInjector *faults,
                    const std::function<QStringList(const QStringList &)> &rule) {
    const ReadResult read = readTextFile(store.logPath());
    if (!read.ok()) {
        WriteResult r;
        r.ok = false;
        r.fileName = store.logPath();
        r.reason = read.reason;
        return r;
    }
    QByteArray content;
    if (!joinLines(rule(read.lines), content)) {
        WriteResult r;
        r.ok = false;
        r.fileName = store.logPath();
        r.reason = QStringLiteral("caractere impossible a ecrire dans le jeu de caracteres Windows-1252");
        return r;
    }
    return replaceFile(store.dir(), files::logName(store.call()), temp, content, faults);
}
}  // namespace

WriteResult LogStore::enregistreQso(const QString &record) const {
    return rewrite(*this, files::Temporaire, m_faults,
                   [&](const QStringList &l) { return rules::enregistre(l, record); });
}

WriteResult LogStore::insereQso(const QString &record) const {
    return rewrite(*this, files::Temporaire6, m_faults,
                   [&](const QStringList &l) { return rules::insere(l, record); });
}

WriteResult LogStore::modifieQso(const QString &newRecord, const QString &oldRecord) const {
    return rewrite(*this, files::Temporaire, m_faults,
                   [&](const QStringList &l) { return rules::modifie(l, newRecord, oldRecord); });
}

WriteResult LogStore::supprimeQso(const QString &record) const {
    return rewrite(*this, files::Temporaire, m_faults,
                   [&](const QStringList &l) { return rules::supprime(l, record); });
}

bool creationFichierLog(const QString &dir, const QString &call) {
    QFile tpl(QDir(dir).filePath(files::Template));
    if (!tpl.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = tpl.readAll();
    if (tpl.error() != QFileDevice::NoError) return false;
    return bool(replaceFile(dir, files::logName(call), files::Temporaire, bytes));
}

}  // namespace kastlog
