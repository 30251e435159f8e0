#pragma once
// The import as the window and the command line run it: read the ADIF file and the log, plan,
// then write the log in one rewrite (new QSOs and confirmation marks together) and the new
// first names in one more.
#include "logstore/history.h"
#include "logstore/textfile.h"
#include "logstore/clock.h"
#include "reports/adifimport/selection.h"

#include <QString>

#include <functional>

namespace kastlog::adifimport {

struct PreparedImport {
    bool ok = false;
    QString error;  // why the file or the log cannot be read, or the file holds no QSO
    ImportPlan plan;
};

// Reads `adifPath` and the log of `station` in `dir` and decides what becomes of every QSO;
// the file is read record by record, none of them kept. When the log does not exist and
// `createLog` is given, it is called (after the file has been read) to create it; the import
// goes on when it returns true.
PreparedImport prepareImport(const QString &dir, const QString &station, const QString &adifPath,
                             const std::function<bool()> &createLog = {});

struct ImportWritten {
    bool logWritten = false;  // false: the log is as it was
    QString error;            // names the file and the reason; empty when all was written
    history::Kept history;    // what became of the log's history (the import itself stands)
};

// The first-name keys (as the save builds them) of the QSOs taken that carry a first name.
QStringList firstNameKeys(const ImportPlan &plan);

// Writes the QSOs taken and the confirmation marks in one rewrite (nothing when there are
// none), then the first names not yet remembered. The log's history takes the day from
// `clock` (the system clock when none).
ImportWritten writeImport(const QString &dir, const QString &station, const ImportPlan &plan,
                          const FaultInjector *faults = nullptr, const Clock *clock = nullptr);

}  // namespace kastlog::adifimport
