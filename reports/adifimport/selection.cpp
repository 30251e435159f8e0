#include "reports/adifimport/selection.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

#include <QHash>
#include <QSet>

namespace kastlog::adifimport {

QString castleContacted(const QString &date, const QString &band) {
    return QStringLiteral("château déjà contacté le %1 sur %2").arg(date, band);
}

QStringList ImportPlan::records() const {
    QStringList out;
    out.reserve(taken);
    for (const ImportLine &l : lines)
        if (l.outcome == Outcome::Taken) out << l.qso.record;
    return out;
}

QString ImportPlan::countsLine() const {
    return QStringLiteral("%1 QSO dans le fichier : %2 à importer, %3 déjà dans le log, %4 château déjà contacté, %5 refusés")
        .arg(lines.size()).arg(taken).arg(alreadyInLog).arg(castleContacted).arg(refused);
}

namespace {
// Call sign, date, time, band and mode as the record's columns hold them.
QString sameQsoKey(const QString &line) {
    // One allocation per line: the key is built from views of the columns.
    const auto part = [&](int col, int width) { return QStringView(line).mid(qMin<qsizetype>(col - 1, line.size()), width); };
    QString key;
    key.reserve(rec::CallWidth + rec::DateWidth + rec::TimeWidth + rec::BandWidth + rec::ModeWidth + 4);
    key.append(part(rec::CallCol, rec::CallWidth)).append(QLatin1Char('|'));
    key.append(part(rec::DateCol, rec::DateWidth)).append(QLatin1Char('|'));
    key.append(part(rec::TimeCol, rec::TimeWidth)).append(QLatin1Char('|'));
    key.append(part(rec::BandCol, rec::BandWidth)).append(QLatin1Char('|'));
    key.append(part(rec::ModeCol, rec::ModeWidth));
    return key;
}

// The first line (in file order) of each castle in each band group, as the entry's search
// finds it.
struct Contacted {
    QHash<QString, ContactFound> first;
    static QString key(const QString &ref, BandGroup g) { return ref + QChar(u'0' + int(g)); }
    void add(const QString &line) {
        const QString k = key(column(line, rec::RefCol, rec::RefWidth), lineBandGroup(line));
        if (first.contains(k)) return;
        first.insert(k, {true, column(line, rec::DateCol, rec::DateWidth), trimmedColumn(line, rec::BandCol, rec::BandWidth)});
    }
};
}  // namespace

ImportPlan planImport(const AdifFile &file, const QStringList &logLines, const QString &station) {
    ImportPlan plan;
    QSet<QString> known;
    Contacted contacted;
    known.reserve(logLines.size() + file.records.size());
    for (const QString &l : logLines) {
        known.insert(sameQsoKey(l));
        contacted.add(l);
    }
    plan.lines.reserve(file.records.size());
    for (const AdifRecord &r : file.records) {
        ImportLine line;
        line.qso = mapQso(r, station);
        if (!line.qso.taken()) {
            line.reason = line.qso.refusal;
            ++plan.refused;
        } else if (known.contains(sameQsoKey(line.qso.record))) {
            line.outcome = Outcome::AlreadyInLog;
            line.reason = AlreadyInLog;
            ++plan.alreadyInLog;
        } else {
            const auto it = contacted.first.constFind(Contacted::key(line.qso.fields.reference, bandGroup(line.qso.fields.band)));
            if (it != contacted.first.constEnd()) {
                line.outcome = Outcome::CastleContacted;
                line.reason = castleContacted(it->date, it->band);
                ++plan.castleContacted;
            } else {
                line.outcome = Outcome::Taken;
                ++plan.taken;
                known.insert(sameQsoKey(line.qso.record));
                contacted.add(line.qso.record);
            }
        }
        plan.lines.append(std::move(line));
    }
    return plan;
}

QString refusalLine(const ImportLine &l) {
    return l.qso.call + QLatin1Char(' ') + l.qso.date + QLatin1Char(' ') + l.qso.time + QStringLiteral(": ") + l.reason;
}

}  // namespace kastlog::adifimport
