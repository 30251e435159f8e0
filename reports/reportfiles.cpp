#include "reports/reportfiles.h"

#include "logstore/cp1252.h"
#include "logstore/logstore.h"

#include <QCoreApplication>
#include <QDir>

namespace kastlog::reports {

namespace {
QString logPath(const QString &dir, const QString &call) { return QDir(dir).filePath(files::logName(call)); }
}  // namespace

ReadResult readLog(const QString &dir, const QString &call) { return readTextFile(logPath(dir, call)); }

QString readFailureMessage(const QString &dir, const QString &call, const ReadResult &r) {
    return QCoreApplication::translate("ReportFiles", "Le log %1 n'a pas pu être lu : %2")
        .arg(logPath(dir, call), r.reason);
}

QString unwritableReason(const QStringList &lines) {
    QChar bad;
    for (const QString &l : lines)
        if (!(bad = cp1252::firstUnencodable(l)).isNull()) break;
    //: A reason, shown after "... n'a pas été enregistré : "; %1 is one character.
    return QCoreApplication::translate("ReportFiles", "le caractère « %1 » ne peut pas être écrit en Windows-1252")
        .arg(bad);
}

WriteResult writeLines(const QString &dir, const QString &name, const QStringList &lines,
                       const FaultInjector *faults) {
    QByteArray content;
    if (!joinLines(lines, content)) {
        WriteResult w;
        w.ok = false;
        w.fileName = QDir(dir).filePath(name);
        w.reason = unwritableReason(lines);
        return w;
    }
    return replaceFile(dir, name, files::Temporaire, content, faults);
}

QString writeFailureMessage(const QString &dir, const QString &name, const WriteResult &w) {
    const QString target = QDir(dir).filePath(name);
    QString reason = w.reason;
    if (!w.fileName.isEmpty() && w.fileName != target) reason += QStringLiteral(" (") + w.fileName + QLatin1Char(')');
    return QCoreApplication::translate("ReportFiles", "Le fichier %1 n'a pas été enregistré : %2")
        .arg(target, reason);
}

}  // namespace kastlog::reports
