#pragma once
// The first-name memory "Liste_Prenom.txt": call sign in columns 1-12, four blanks, then the
// first name. Shared by all stations.
#include "logstore/textfile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kastlog {

namespace prenoms {
// The key the save stores: the call sign in 13 columns, the province in 3, then the first
// name (each cut to its columns).
QString key(QStringView call, QStringView province, QStringView firstName);
// The remembered name of `call` (the last matching line wins), in capitals, or none.
std::optional<QString> find(const QStringList &lines, const QString &call);
// The file's lines after storing `key` (call sign in 1-12, first name from 17 on).
QStringList store(const QStringList &lines, const QString &key);
// The file's lines with a line added for each key whose call sign has none yet (the first
// key of a call sign wins); remembered names are kept.
QStringList addMissing(const QStringList &lines, const QStringList &keys);
}  // namespace prenoms

// Lookup in the file of directory `dir`; a missing file finds nothing.
std::optional<QString> lecturePrenom(const QString &dir, const QString &call);
// Creates or replaces the call sign's line; a missing file is created.
WriteResult enregistrePrenom(const QString &dir, const QString &key,
                             const FaultInjector *faults = nullptr);
// Adds the names of the keys whose call sign has none remembered, in one rewrite.
WriteResult ajoutePrenoms(const QString &dir, const QStringList &keys, const FaultInjector *faults = nullptr);

}  // namespace kastlog
