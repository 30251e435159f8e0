#include "logstore/history.h"

#include "logstore/clock.h"
#include "logstore/record.h"
#include "logstore/rulecore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <iterator>

#include <cerrno>
#include <dirent.h>
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

QString noteName(const QString &call) { return call + QStringLiteral("_DNJ_precedent_suivi.txt"); }

QString notePath(const QString &dataDir, const QString &call) { return QDir(folderPath(dataDir)).filePath(noteName(call)); }

QDate localDay(const Clock *clock) {
    static const SystemClock system;
    const ClockReading t = (clock ? clock : &system)->local();
    return QDate(t.year, t.month, t.day);
}

QString folderProblem(const QString &dataDir) {
    const QByteArray path = QFile::encodeName(folderPath(dataDir));
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) return errno == ENOENT ? QString() : systemReason(errno);
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("LogHistory", "un fichier porte le nom du dossier des sauvegardes");
    DIR *d = ::opendir(path.constData());
    if (!d) return systemReason(errno);
    ::closedir(d);
    return {};
}

namespace {
WriteResult failure(const QString &file, int err) {
    WriteResult r;
    r.ok = false;
    r.fileName = file;
    r.reason = systemReason(err);
    r.error = err;
    return r;
}

bool noRoom(int err) { return err == ENOSPC || err == EDQUOT; }

// The folder, created when first needed.
WriteResult ensureFolder(const QString &dataDir) {
    const QString path = folderPath(dataDir);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST) return failure(path, errno);
    if (const QString problem = folderProblem(dataDir); !problem.isEmpty()) {
        WriteResult r = failure(path, ENOTDIR);
        r.reason = problem;
        return r;
    }
    return {};
}

// The station's daily backups, newest date first.
QList<Backup> allBackups(const QString &dataDir, const QString &call) {
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

// The day's copy of `old`, never replacing one already there; `written` tells whether this
// call made it.
WriteResult dailyBackup(const QString &dataDir, const QString &call, const QByteArray &old, const QDate &day,
                        const FaultInjector *faults, bool &written) {
    written = false;
    const QString folder = folderPath(dataDir);
    const QString path = QDir(folder).filePath(dailyName(call, day));
    if (QFileInfo::exists(path)) return {};
    if (faults && faults->fails(WriteStep::Backup)) return failure(path, EIO);
    WriteResult w = createFile(folder, dailyName(call, day), call + QStringLiteral("_DNJ_sauvegarde.tmp"), old);
    if (!w) {
        w.fileName = path;  // the operator knows the backup, not its temporary file
        return w;
    }
    written = true;
    return {};
}

// The oldest copies beyond the kept number go, never the one just written (with a clock set
// back, it is the oldest of all).
void pruneBackups(const QString &dataDir, const QString &call, const QString &justWritten) {
    int kept = 1;
    for (const Backup &b : allBackups(dataDir, call)) {
        if (b.path == justWritten) continue;
        if (++kept > KeptDays) QFile::remove(b.path);
    }
}

// Size and checksum of a content, as the note holds them: "1234 <SHA-1 in hex>".
QByteArray fingerprint(const QByteArray &content) {
    return QByteArray::number(content.size()) + ' ' + QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
}

QByteArray noteContent(const QString &call, const QByteArray &precedent, const QByteArray &log) {
    return "Le fichier " + QFile::encodeName(precedentName(call)) + " est le log " +
           QFile::encodeName(call + QStringLiteral("_DNJ.log")) +
           " tel qu'il etait juste avant celui decrit ici (taille en octets, SHA-1).\r\n"
           "precedent " + fingerprint(precedent) + "\r\n"
           "log " + fingerprint(log) + "\r\n";
}

bool readNote(const QByteArray &bytes, QByteArray &precedent, QByteArray &log) {
    forEachLine(bytes, [&](const char *b, qsizetype n) {
        const QByteArray line(b, n);
        if (line.startsWith("precedent ")) precedent = line.mid(10);
        else if (line.startsWith("log ")) log = line.mid(4);
    });
    return !precedent.isEmpty() && !log.isEmpty();
}
}  // namespace

WriteResult replaceKeepingHistory(const QString &dataDir, const QString &call, const QString &logName,
                                  const QString &temp, const QByteArray &old, const QByteArray &content,
                                  const Options &options, const FaultInjector *faults, Kept &kept, Keep keep) {
    kept = {};
    // A rewrite that changes nothing is no change: nothing is written, and the precedent
    // keeps the last real one.
    if (content == old) {
        WriteResult same;
        same.fileName = QDir(dataDir).filePath(logName);
        return same;
    }
    if (!options.on) return replaceFile(dataDir, logName, temp, content, faults);

    if (const WriteResult folder = ensureFolder(dataDir); !folder) {
        kept.backup = kept.precedent = folder;
        if (keep == Keep::BeforeSwap) return folder;
        return replaceFile(dataDir, logName, temp, content, faults);
    }
    const QString folder = folderPath(dataDir);
    const QDate day = localDay(options.clock);
    const QString backup = QDir(folder).filePath(dailyName(call, day));
    bool backupWritten = false;
    kept.backup = dailyBackup(dataDir, call, old, day, faults, backupWritten);

    // A step that fails for want of room right after the day's backup took it is tried once
    // more without that backup: the change comes first.
    auto withRoom = [&](const std::function<WriteResult()> &step) {
        WriteResult w = step();
        if (w || !backupWritten || !noRoom(w.error)) return w;
        QFile::remove(backup);
        backupWritten = false;
        kept.backup = failure(backup, w.error);
        kept.backupDropped = true;
        return step();
    };

    const QString precedent = precedentPath(dataDir, call);
    const QString precedentTemp = call + QStringLiteral("_DNJ_precedent.tmp");
    // Before a swap back, the log as it is goes into the folder, under a name of its own so
    // that the precedent stays valid until the log has changed.
    const QString waiting = QDir(folder).filePath(call + QStringLiteral("_DNJ_precedent_nouveau.tmp"));
    if (keep == Keep::BeforeSwap) {
        WriteResult copy = withRoom([&] { return keepCopy(QDir(dataDir).filePath(logName), waiting, old, faults); });
        if (!copy) {
            copy.fileName = precedent;
            kept.precedent = copy;
            return copy;
        }
    }
    WriteResult moved;
    const WriteResult w = withRoom([&] {
        return keep == Keep::AfterSwap ? replaceFile(dataDir, logName, temp, content, faults, precedent, &moved)
                                       : replaceFile(dataDir, logName, temp, content, faults);
    });
    if (!w) {
        if (keep == Keep::BeforeSwap) QFile::remove(waiting);
        return w;
    }
    if (keep == Keep::BeforeSwap) {
        moved = moveFile(waiting, precedent);
    } else if (moved.fileName.isEmpty() || !moved) {
        // The system could not swap the names, or the folder is on another disk: the old
        // content is written out instead.
        moved = replaceFile(folder, precedentName(call), precedentTemp, old);
    }
    // The note comes last: until it is written, the precedent and the note disagree, and the
    // undo is refused rather than swapping the wrong content. It is not waited for: the files
    // it describes are on the disk already, and a note lost or cut by a power cut only
    // refuses an undo.
    if (!moved) kept.precedent = moved;
    else if (const WriteResult note = replaceFileLazily(folder, noteName(call), call + QStringLiteral("_DNJ_precedent_suivi.tmp"),
                                                        noteContent(call, old, content));
             !note)
        kept.precedent = note;
    if (backupWritten) pruneBackups(dataDir, call, backup);
    return w;
}

QList<KeptProblem> problems(const Kept &kept) {
    QList<KeptProblem> out;
    // The folder that cannot be made fails both: told once, in the backup's sentence.
    const bool toldOnce = !kept.precedent.ok && !kept.backup.ok && kept.precedent.fileName == kept.backup.fileName;
    if (!kept.backup.ok) {
        QString what;
        if (kept.backupDropped && toldOnce)
            //: ends the sentence "La modification est enregistrée dans le log, mais ..."
            what = QCoreApplication::translate("LogHistory", "la sauvegarde du jour n'a pas pu être gardée : elle a été "
                                                             "retirée pour laisser la place au log, et la modification ne "
                                                             "pourra pas être annulée (Ctrl+Z)");
        else if (kept.backupDropped)
            //: ends the sentence "La modification est enregistrée dans le log, mais ..."
            what = QCoreApplication::translate("LogHistory", "la sauvegarde du jour n'a pas pu être gardée : elle a été "
                                                             "retirée pour laisser la place au log");
        else if (toldOnce)
            //: ends the sentence "La modification est enregistrée dans le log, mais ..."
            what = QCoreApplication::translate("LogHistory", "la sauvegarde du jour n'a pas pu être faite, et la "
                                                             "modification ne pourra pas être annulée (Ctrl+Z)");
        else
            //: ends the sentence "La modification est enregistrée dans le log, mais ..."
            what = QCoreApplication::translate("LogHistory", "la sauvegarde du jour n'a pas pu être faite");
        out.append({what, kept.backup.fileName, kept.backup.reason});
    }
    if (!kept.precedent.ok && !toldOnce)
        //: ends the sentence "La modification est enregistrée dans le log, mais ..."
        out.append({QCoreApplication::translate("LogHistory", "le log d'avant la modification n'a pas pu être gardé : "
                                                              "elle ne pourra pas être annulée (Ctrl+Z)"),
                    kept.precedent.fileName, kept.precedent.reason});
    return out;
}

UndoState undoState(const QString &dataDir, const QString &call, const QString &logName) {
    UndoState s;
    auto refuse = [&s](const QString &file, const QString &reason) {
        s.kind = UndoState::Refused;
        s.file = file;
        s.reason = reason;
        s.precedent.clear();
        s.current.clear();
        return s;
    };
    if (const QString problem = folderProblem(dataDir); !problem.isEmpty()) return refuse(folderPath(dataDir), problem);
    const QString precedent = precedentPath(dataDir, call), note = notePath(dataDir, call);
    QByteArray noteBytes;
    const ReadResult readNoteFile = readFileBytes(note, noteBytes);
    const ReadResult readPrecedent = readFileBytes(precedent, s.precedent);
    if (readNoteFile.kind == ReadResult::Missing && readPrecedent.kind == ReadResult::Missing) return s;
    if (!readPrecedent.ok())
        return refuse(precedent, readPrecedent.kind == ReadResult::Missing
                                     ? QCoreApplication::translate(
                                           "LogHistory", "le log d'avant la dernière modification n'a pas été gardé")
                                     : readPrecedent.reason);
    if (!readNoteFile.ok())
        return refuse(note, readNoteFile.kind == ReadResult::Missing
                                ? QCoreApplication::translate("LogHistory",
                                                              "rien ne dit de quel log le fichier %1 est le précédent")
                                      .arg(precedentName(call))
                                : readNoteFile.reason);
    QByteArray wantPrecedent, wantLog;
    if (!readNote(noteBytes, wantPrecedent, wantLog))
        return refuse(note, QCoreApplication::translate("LogHistory", "ce fichier ne peut pas être lu"));
    if (fingerprint(s.precedent) != wantPrecedent)
        return refuse(precedent, QCoreApplication::translate("LogHistory", "ce n'est pas le log d'avant la dernière "
                                                                           "modification : son enregistrement a été "
                                                                           "interrompu ou n'a pas pu se faire"));
    const QString log = QDir(dataDir).filePath(logName);
    const ReadResult current = readFileBytes(log, s.current);
    if (current.kind == ReadResult::Missing) {
        s.logMissing = true;
    } else if (!current.ok()) {
        return refuse(log, current.reason);
    } else if (fingerprint(s.current) != wantLog) {
        return refuse(log, QCoreApplication::translate("LogHistory", "le log a changé depuis la dernière modification "
                                                                     "gardée (il a été modifié hors de KASTLOG, ou le log "
                                                                     "d'avant n'a pas pu être gardé)"));
    }
    s.kind = UndoState::Ready;
    return s;
}

QList<Backup> dailyBackups(const QString &dataDir, const QString &call, const QDate &today) {
    QList<Backup> past, future;
    for (Backup b : allBackups(dataDir, call)) {
        b.future = b.day > today;
        (b.future ? future : past).append(b);
    }
    return past + future;
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
    QHash<QString, int> addedCount;
    for (const QString &l : d.added) ++addedCount[l];
    QStringList confirmed, gone;
    for (const QString &l : std::as_const(d.removed)) {
        const QString marked = rules::core::withQslMark(QStringView(l));
        if (marked != l && addedCount.value(marked) > 0) {
            --addedCount[marked];
            confirmed.append(l);
        } else {
            gone.append(l);
        }
    }
    d.removed = gone;
    d.added.removeIf([&](const QString &l) {
        int &left = addedCount[l];
        return left-- <= 0;  // the first ones that remain count as added
    });
    QStringList added, removed;  // the QSO among the lines
    std::copy_if(d.added.begin(), d.added.end(), std::back_inserter(added), isRecord);
    std::copy_if(d.removed.begin(), d.removed.end(), std::back_inserter(removed), isRecord);
    const qsizetype a = added.size(), r = removed.size(), c = confirmed.size();
    const qsizetype otherA = d.added.size() - a, otherR = d.removed.size() - r;
    if (d.added.isEmpty() && d.removed.isEmpty() && c == 0)
        return QCoreApplication::translate("LogHistory", "aucun QSO changé");
    // A QSO replaced where it stood is an edit; one gone here and another come there are two
    // changes, told as such.
    if (a == 1 && r == 1 && c == 0 && otherA == 0 && otherR == 0 && from.indexOf(removed.first()) == to.indexOf(added.first()))
        //: %1 the QSO: call, reference, date, time, band
        return QCoreApplication::translate("LogHistory", "QSO modifié : %1").arg(qsoSummary(removed.first()));
    // A count of 1 has its own text: the French source is right for every count without a
    // translation loaded, where %n does not choose the singular. One QSO is named.
    const auto tell = [](qsizetype n, const char *one, const char *many) {
        return n == 1 ? QCoreApplication::translate("LogHistory", one)
                      : QCoreApplication::translate("LogHistory", many, nullptr, int(n));
    };
    const auto qsos = [&](const QStringList &l, const char *one, const char *many) {
        const QString t = tell(l.size(), one, many);
        return l.size() == 1 ? t.arg(qsoSummary(l.first())) : t;
    };
    QStringList parts;
    if (a > 0)
        parts.append(qsos(added, QT_TRANSLATE_NOOP("LogHistory", "QSO ajouté : %1"),
                          QT_TRANSLATE_N_NOOP("LogHistory", "%n QSO ajoutés")));
    if (otherA > 0)
        parts.append(tell(otherA, QT_TRANSLATE_NOOP("LogHistory", "1 autre ligne ajoutée"),
                          QT_TRANSLATE_N_NOOP("LogHistory", "%n autres lignes ajoutées")));
    if (r > 0)
        parts.append(qsos(removed, QT_TRANSLATE_NOOP("LogHistory", "QSO supprimé : %1"),
                          QT_TRANSLATE_N_NOOP("LogHistory", "%n QSO supprimés")));
    if (otherR > 0)
        parts.append(tell(otherR, QT_TRANSLATE_NOOP("LogHistory", "1 autre ligne supprimée"),
                          QT_TRANSLATE_N_NOOP("LogHistory", "%n autres lignes supprimées")));
    if (c > 0)
        parts.append(qsos(confirmed, QT_TRANSLATE_NOOP("LogHistory", "QSO confirmé : %1"),
                          QT_TRANSLATE_N_NOOP("LogHistory", "%n QSO confirmés")));
    return parts.join(QStringLiteral(", "));
}

QString describeOtherLines(const QStringList &lines) {
    constexpr int Shown = 10;
    constexpr int Width = 60;
    QStringList told;
    qsizetype others = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isRecord(lines.at(i))) continue;
        if (++others > Shown) continue;
        const QString &l = lines.at(i);
        //: stands for a blank line of the backup
        const QString shown = l.trimmed().isEmpty() ? QCoreApplication::translate("LogHistory", "(vide)")
                              : l.size() > Width  ? l.left(Width) + QStringLiteral("...")
                                                  : l;
        //: %1 the line's number in the backup, %2 the line
        told << QCoreApplication::translate("LogHistory", "ligne %1 : %2").arg(QString::number(i + 1), shown);
    }
    if (others == 0) return {};
    if (others > Shown)
        told << QCoreApplication::translate("LogHistory", "et %n autres lignes", nullptr, int(others - Shown));
    // One line has its own text: %n does not choose the singular without a translation.
    const QString head =
        others == 1 ? QCoreApplication::translate("LogHistory", "1 ligne de la sauvegarde n'est pas un QSO ; elle sera "
                                                                "copiée telle quelle dans le log :")
                    : QCoreApplication::translate("LogHistory", "%n lignes de la sauvegarde ne sont pas des QSO ; elles "
                                                                "seront copiées telles quelles dans le log :",
                                                  nullptr, int(others));
    return head + QStringLiteral("\r\n") + told.join(QStringLiteral("\r\n"));
}

QString countChange(const QStringList &from, const QStringList &to) {
    const LineDiff d = diffLines(from, to);
    const auto records = [](const QStringList &lines) { return std::count_if(lines.begin(), lines.end(), isRecord); };
    //: QSO added / QSO removed, in a column of the restore dialog
    return QCoreApplication::translate("LogHistory", "+%1 / -%2 QSO").arg(records(d.added)).arg(records(d.removed));
}

}  // namespace kastlog::history
