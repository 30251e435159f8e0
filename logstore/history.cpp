#include "logstore/history.h"

#include "logstore/clock.h"
#include "logstore/record.h"
#include "logstore/rulecore.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kastlog::history {

QString folderPath(const QString &dataDir) { return QDir(dataDir).filePath(Folder); }

QString dailyName(const QString &call, const QDate &day) {
    return call + QStringLiteral("_DNJ_") + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

QString precedentName(const QString &call) { return call + QStringLiteral("_DNJ_precedent.log"); }

QString precedentPath(const QString &dataDir, const QString &call) {
    return QDir(folderPath(dataDir)).filePath(precedentName(call));
}

namespace {
WriteResult failure(const QString &file, int err) {
    WriteResult r;
    r.ok = false;
    r.fileName = file;
    r.reason = systemReason(err);
    return r;
}

QDate localDay(const Clock *clock) {
    static const SystemClock system;
    const ClockReading t = (clock ? clock : &system)->local();
    return QDate(t.year, t.month, t.day);
}

// The folder, created when first needed.
WriteResult ensureFolder(const QString &dataDir) {
    const QString path = folderPath(dataDir);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST) return failure(path, errno);
    return {};
}

// The day's copy of `old`, never replacing one already there; the oldest copies beyond the
// kept number go only once the new one is in place.
WriteResult dailyBackup(const QString &dataDir, const QString &call, const QByteArray &old, const QDate &day,
                        const FaultInjector *faults) {
    const QString folder = folderPath(dataDir);
    const QString name = dailyName(call, day);
    if (QFileInfo::exists(QDir(folder).filePath(name))) return {};
    if (faults && faults->fails(WriteStep::Backup)) return failure(QDir(folder).filePath(name), EIO);
    WriteResult w = createFile(folder, name, call + QStringLiteral("_DNJ_sauvegarde.tmp"), old);
    if (!w) {
        w.fileName = QDir(folder).filePath(name);  // the operator knows the backup, not its temporary file
        return w;
    }
    const QList<Backup> all = dailyBackups(dataDir, call);
    for (qsizetype i = KeptDays; i < all.size(); ++i) QFile::remove(all.at(i).path);
    return {};
}
}  // namespace

WriteResult replaceKeepingHistory(const QString &dataDir, const QString &call, const QString &logName,
                                  const QString &temp, const QByteArray &old, const QByteArray &content,
                                  const Options &options, const FaultInjector *faults,
                                  WriteResult &historyFailure) {
    historyFailure = {};
    // A rewrite that changes nothing is no change: nothing is written, and the precedent
    // keeps the last real one.
    if (content == old) {
        WriteResult same;
        same.fileName = QDir(dataDir).filePath(logName);
        return same;
    }
    if (!options.on) return replaceFile(dataDir, logName, temp, content, faults);

    const WriteResult folder = ensureFolder(dataDir);
    if (!folder) {
        historyFailure = folder;
        return replaceFile(dataDir, logName, temp, content, faults);
    }
    historyFailure = dailyBackup(dataDir, call, old, localDay(options.clock), faults);

    const QString precedent = precedentPath(dataDir, call);
    WriteResult kept;
    const WriteResult w = replaceFile(dataDir, logName, temp, content, faults, precedent, &kept);
    if (!w) return w;
    if (kept.fileName.isEmpty() || !kept) {
        // The system could not swap the names, or the folder is on another disk: the old
        // content is written out instead.
        kept = replaceFile(folderPath(dataDir), precedentName(call), call + QStringLiteral("_DNJ_precedent.tmp"), old);
    }
    if (!kept) {
        // A stale precedent would undo the wrong change: it goes if it can.
        QFile::remove(precedent);
        if (historyFailure) historyFailure = kept;
    }
    return w;
}

QList<Backup> dailyBackups(const QString &dataDir, const QString &call) {
    const QRegularExpression re(QStringLiteral("^") + QRegularExpression::escape(call) +
                                QStringLiteral("_DNJ_(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    QList<Backup> out;
    const QDir folder(folderPath(dataDir));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name | QDir::Reversed)) {
        const QRegularExpressionMatch m = re.match(name);
        if (!m.hasMatch()) continue;
        const QDate day = QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd"));
        if (day.isValid()) out.append({day, folder.filePath(name)});
    }
    return out;
}

LineDiff diffLines(const QStringList &from, const QStringList &to) {
    QHash<QString, int> count;
    for (const QString &l : from) ++count[l];
    LineDiff d;
    for (const QString &l : to) {
        auto it = count.find(l);
        if (it != count.end() && *it > 0) --*it;
        else d.added.append(l);
    }
    for (const QString &l : from) {  // what is left of `from` was removed
        auto it = count.find(l);
        if (*it > 0) {
            --*it;
            d.removed.append(l);
        }
    }
    return d;
}

QString qsoSummary(const QString &record) {
    QStringList parts;
    for (const auto &[col, width] : {std::pair{rec::CallCol, rec::CallWidth}, {rec::RefCol, rec::RefWidth},
                                     {rec::DateCol, rec::DateWidth}, {rec::TimeCol, rec::TimeWidth},
                                     {rec::BandCol, rec::BandWidth}}) {
        const QString f = trimmedColumn(record, col, width);
        if (!f.isEmpty()) parts.append(f);
    }
    return parts.join(QLatin1Char(' '));
}

QString describeChange(const QStringList &from, const QStringList &to) {
    LineDiff d = diffLines(from, to);
    // A line that only took the QSL mark was confirmed (an import of confirmations).
    QHash<QString, int> added;
    for (const QString &l : d.added) ++added[l];
    QStringList confirmed, removed;
    for (const QString &l : std::as_const(d.removed)) {
        const QString marked = rules::core::withQslMark(QStringView(l));
        if (marked != l && added.value(marked) > 0) {
            --added[marked];
            confirmed.append(l);
        } else {
            removed.append(l);
        }
    }
    d.removed = removed;
    d.added.removeIf([&](const QString &l) {
        int &left = added[l];
        return left-- <= 0;  // the first ones that remain count as added
    });
    const qsizetype a = d.added.size(), r = d.removed.size(), c = confirmed.size();
    auto many = [](qsizetype n, const char *what) { return QStringLiteral("%1 QSO %2").arg(n).arg(QString::fromUtf8(what)); };
    if (a == 0 && r == 0 && c == 0) return QStringLiteral("aucun QSO changé");
    if (a == 1 && r == 1 && c == 0) return QStringLiteral("QSO modifié : ") + qsoSummary(d.removed.first());
    QStringList parts;
    if (a == 1) parts.append(QStringLiteral("QSO ajouté : ") + qsoSummary(d.added.first()));
    else if (a > 1) parts.append(many(a, "ajoutés"));
    if (r == 1) parts.append(QStringLiteral("QSO supprimé : ") + qsoSummary(d.removed.first()));
    else if (r > 1) parts.append(many(r, "supprimés"));
    if (c == 1) parts.append(QStringLiteral("QSO confirmé : ") + qsoSummary(confirmed.first()));
    else if (c > 1) parts.append(many(c, "confirmés"));
    return parts.join(QStringLiteral(", "));
}

QString countChange(const QStringList &from, const QStringList &to) {
    const LineDiff d = diffLines(from, to);
    return QStringLiteral("+%1 / -%2 QSO").arg(d.added.size()).arg(d.removed.size());
}

}  // namespace kastlog::history
