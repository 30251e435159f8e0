#pragma once
// Where each log change puts its record: pure functions of (existing lines, records).
#include <QString>
#include <QStringList>

namespace kastlog::rules {

// New record R goes before the first line whose numeric prefix (first five characters) is
// greater than R's, or at the end.
QStringList enregistre(const QStringList &lines, const QString &r);
// New record R goes before the first line whose instant is not earlier than R's, or at the
// end. A line whose instant cannot be read never counts as later.
QStringList insere(const QStringList &lines, const QString &r);
// Every record of RS placed as `insere` places one; records of the same instant keep their
// order, records without a readable instant go last.
QStringList insereTous(const QStringList &lines, const QStringList &rs);
// The same, and every line equal to one of MARKS takes the QSL mark "*" (column 107) in its
// place, blanks added to a shorter line.
QStringList insereEtMarque(const QStringList &lines, const QStringList &rs, const QStringList &marks);
// Every line equal to O is replaced by N in place; no match: N is added at the end.
QStringList modifie(const QStringList &lines, const QString &n, const QString &o);
// Every line equal to D is dropped.
QStringList supprime(const QStringList &lines, const QString &d);

}  // namespace kastlog::rules
