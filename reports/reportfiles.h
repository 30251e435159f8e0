#pragma once
// The files of the reports: the log they read from disk, and the files they write in the
// program's directory (Windows-1252, CR LF, through a temporary file renamed into place).
#include "logstore/textfile.h"

#include <QStringList>

namespace kastlog::reports {

// The log of station `call` in `dir`, read whole.
ReadResult readLog(const QString &dir, const QString &call);
// "Le log <path> n'a pas pu être lu : <reason>"
QString readFailureMessage(const QString &dir, const QString &call, const ReadResult &r);

// "le caractère « X » ne peut pas être écrit en Windows-1252", X the first of `lines` that cannot.
QString unwritableReason(const QStringList &lines);

// `name` is a file name without directory. A character the code page lacks fails the write
// before anything is touched.
WriteResult writeLines(const QString &dir, const QString &name, const QStringList &lines,
                       const FaultInjector *faults = nullptr);

// "Le fichier <path> n'a pas été enregistré : <reason>", naming the file `name` of `dir` (and
// the temporary file when that is where the write stopped).
QString writeFailureMessage(const QString &dir, const QString &name, const WriteResult &w);

}  // namespace kastlog::reports
