#include "reports/castlelist.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"
#include "reports/notice.h"

#include <algorithm>

namespace kastlog::castlelist {

QString row(const QString &line) {
    using namespace rec;
    const QString gap = QStringLiteral("  ");
    return QLatin1Char(' ') + column(line, RefCol, RefWidth) + gap + column(line, NameCol, NameWidth) +
           gap + column(line, DateCol, DateWidth) + gap + column(line, CallCol, CallWidth) + gap +
           column(line, QslCol, 1);
}

List build(const QStringList &logLines, const QString &group) {
    List l;
    for (const QString &line : logLines) {
        const BandGroup g = lineBandGroup(line);
        if (g == BandGroup::None || bandGroupName(g) != group) continue;
        l.rows << row(line);
        ++l.contactes;
        if (column(line, rec::QslCol, 1) == QLatin1String("*")) ++l.confirmes;
    }
    // The list keeps its rows sorted; equal rows (ignoring case) stay in file order.
    std::stable_sort(l.rows.begin(), l.rows.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return l;
}

QString rowNumber(int n) { return QString::number(n).rightJustified(5, QLatin1Char(' ')); }

QString fileName(const QString &call, const QString &group, const ClockReading &today) {
    auto two = [](int v) { return QString::number(v % 100).rightJustified(2, QLatin1Char('0')); };
    return call + QStringLiteral("_Liste_Chateaux_Bande_") + group + QLatin1Char('_') + two(today.day) +
           QLatin1Char('_') + two(today.month) + QLatin1Char('_') + two(today.year) +
           QStringLiteral(".txt");
}

bool fitsFileName(const QString &group) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : group)
        if (forbidden.contains(c) || c.category() == QChar::Other_Control) return false;
    return true;
}

namespace {
QString title(const QString &call, const QString &group, const QString &dateText) {
    return call + QStringLiteral(" Liste alphanumerique des Chateaux contactés bande ") + group +
           QStringLiteral(" au ") + dateText;
}
}  // namespace

QStringList fileLines(const QString &call, const QString &group, const QString &dateText,
                      const QStringList &rows) {
    QStringList out{QLatin1Char(' ') + title(call, group, dateText), QString(),
                    QStringLiteral("   N°   Ref        Nom du Chateau               Date    Indicatif    QSL"),
                    QString()};
    for (int i = 0; i < rows.size(); ++i) out << rowNumber(i + 1) + QLatin1Char(' ') + rows[i];
    out << QString() << QString(24, QLatin1Char(' ')) + reports::Notice;
    return out;
}

QStringList printLines(const QString &call, const QString &group, const QString &dateText,
                       const QStringList &rows) {
    QStringList out{QString(5, QLatin1Char(' ')) + title(call, group, dateText), QString(),
                    QStringLiteral("        N°  Ref         Nom du Chateau              Date   Indicatif     QSL"),
                    QString()};
    for (int i = 0; i < rows.size(); ++i)
        out << QString(4, QLatin1Char(' ')) + rowNumber(i + 1) + QLatin1Char(' ') + rows[i];
    out << QString() << QString() << QString(21, QLatin1Char(' ')) + reports::Notice;
    return out;
}

}  // namespace kastlog::castlelist
