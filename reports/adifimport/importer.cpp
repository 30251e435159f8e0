#include "reports/adifimport/importer.h"

#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"

#include <QCoreApplication>

namespace kastlog::adifimport {

PreparedImport prepareImport(const QString &dir, const QString &station, const QString &adifPath,
                             const std::function<bool()> &createLog) {
    PreparedImport p;
    QByteArray bytes;
    if (const ReadResult file = readFileBytes(adifPath, bytes); !file.ok()) {
        p.error = QCoreApplication::translate("AdifImport", "Le fichier %1 ne peut pas être lu : %2")
                      .arg(adifPath, file.reason);
        return p;
    }
    const LogStore store(dir, station);
    ReadResult log = readTextFile(store.logPath());
    if (log.kind == ReadResult::Missing && createLog && createLog()) log = readTextFile(store.logPath());
    if (!log.ok()) {
        p.error = QCoreApplication::translate("AdifImport", "Le log %1 ne peut pas être lu : %2")
                      .arg(store.logPath(), log.reason);
        return p;
    }
    ImportPlanner planner(log.lines, station);
    const AdifFile file = readAdif(bytes, [&](const AdifRecord &r, const AdifRecord &header) { planner.add(r, header); });
    bytes = QByteArray();  // the records are planned: the file's bytes are no longer needed
    if (!file.holdsQso) {
        //: %1 is the path of the file chosen.
        p.error = QCoreApplication::translate("AdifImport", "%1 : aucun QSO ADIF dans ce fichier")
                      .arg(adifPath);
        return p;
    }
    p.plan = planner.take();
    p.plan.fileProblem = file.problem;
    p.ok = true;
    return p;
}

QStringList firstNameKeys(const ImportPlan &plan) {
    QStringList keys;
    keys.reserve(plan.taken);
    const auto part = [](const QString &r, int col, int width) { return columnView(r, col, width).trimmed(); };
    for (const ImportLine &l : plan.lines) {
        if (l.outcome != Outcome::Taken) continue;
        const QString &r = l.qso.record;
        const QStringView name = part(r, rec::FirstNameCol, rec::FirstNameWidth);
        if (name.isEmpty()) continue;
        keys << prenoms::key(part(r, rec::CallCol, rec::CallWidth), part(r, rec::ProvCol, rec::ProvWidth), name);
    }
    return keys;
}

ImportWritten writeImport(const QString &dir, const QString &station, const ImportPlan &plan,
                          const FaultInjector *faults, const Clock *clock) {
    ImportWritten w;
    if (!plan.writesAnything()) return w;
    const ChangeResult log = LogStore(dir, station, faults, {true, clock}).importeQsos(plan.records(), plan.marks());
    w.history = log.history;
    if (!log) {
        //: %1 is the file that failed, %2 why.
        w.error = QCoreApplication::translate("AdifImport", "Le log n'a pas été modifié : %1 : %2")
                      .arg(log.fileName, log.reason);
        return w;
    }
    w.logWritten = true;
    const QStringList keys = firstNameKeys(plan);
    if (keys.isEmpty()) return w;
    const WriteResult names = ajoutePrenoms(dir, keys, faults);
    if (!names)
        //: %1 is the file that failed, %2 why.
        w.error = QCoreApplication::translate("AdifImport",
                                              "Les QSO sont importés, mais les prénoms n'ont pas pu être "
                                              "mémorisés : %1 : %2")
                      .arg(names.fileName, names.reason);
    return w;
}

}  // namespace kastlog::adifimport
