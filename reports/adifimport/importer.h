#pragma once
// The import as the window and the command line run it: read the ADIF file and the log, plan,
// then write the log in one rewrite and the new first names in one more.
#include "logstore/history.h"
#include "logstore/textfile.h"
#include "logstore/clock.h"
#include "reports/adifimport/selection.h"

#include <QString>

namespace kastlog::adifimport {

struct PreparedImport {
    bool ok = false;
    QString error;  // why the file or the log cannot be read
    AdifFile file;
    ImportPlan plan;
};

// Reads `adifPath` and the log of `station` in `dir` and decides what becomes of every QSO.
PreparedImport prepareImport(const QString &dir, const QString &station, const QString &adifPath);

struct ImportWritten {
    bool logWritten = false;  // false: the log is as it was
    QString error;            // names the file and the reason; empty when all was written
    history::Kept history;    // what became of the log's history (the import itself stands)
};

// The first-name keys (as the save builds them) of the QSOs taken that carry a first name.
QStringList firstNameKeys(const ImportPlan &plan);

// Writes the QSOs taken (nothing when none) and the first names not yet remembered. The log's
// history takes the day from `clock` (the system clock when none).
ImportWritten writeImport(const QString &dir, const QString &station, const ImportPlan &plan,
                          const FaultInjector *faults = nullptr, const Clock *clock = nullptr);

}  // namespace kastlog::adifimport
