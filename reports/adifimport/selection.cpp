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
// FNV-1a over the characters of a few short columns: far cheaper than the general string
// hash for the tens of thousands of keys of an import, and as good on such keys.
struct Fnv {
    size_t h = 14695981039346656037ull;
    Fnv &operator<<(QStringView v) {
        for (QChar c : v) h = (h ^ c.unicode()) * 1099511628211ull;
        h = (h ^ 0xFFFF) * 1099511628211ull;  // a column's end, so that "AB"+"C" differs from "A"+"BC"
        return *this;
    }
};

// A QSO by its call sign, date, time, band and mode as the record's columns hold them: views
// of a line of the log or of a record taken, both of which outlive the plan's checks.
struct SameQso {
    QStringView call, date, time, band, mode;
    explicit SameQso(const QString &line)
        : call(columnView(line, rec::CallCol, rec::CallWidth)), date(columnView(line, rec::DateCol, rec::DateWidth)),
          time(columnView(line, rec::TimeCol, rec::TimeWidth)), band(columnView(line, rec::BandCol, rec::BandWidth)),
          mode(columnView(line, rec::ModeCol, rec::ModeWidth)) {}
    bool operator==(const SameQso &o) const {
        return call == o.call && date == o.date && time == o.time && band == o.band && mode == o.mode;
    }
};
size_t qHash(const SameQso &k, size_t seed = 0) { return (Fnv{seed} << k.call << k.date << k.time << k.band << k.mode).h; }

// A castle in a band group.
struct CastleInGroup {
    QStringView ref;
    BandGroup group;
    bool operator==(const CastleInGroup &o) const { return ref == o.ref && group == o.group; }
};
size_t qHash(const CastleInGroup &k, size_t seed = 0) { return (Fnv{seed} << k.ref).h ^ size_t(k.group); }

// The first line (in file order) of each castle in each band group, as the entry's search
// finds it.
struct Contacted {
    QHash<CastleInGroup, QStringView> first;
    static CastleInGroup key(const QString &line) {
        return {columnView(line, rec::RefCol, rec::RefWidth), lineBandGroup(line)};
    }
    void add(const QString &line) {
        const CastleInGroup k = key(line);
        if (!first.contains(k)) first.insert(k, line);
    }
};
}  // namespace

ImportPlan planImport(const AdifFile &file, const QStringList &logLines, const QString &station) {
    ImportPlan plan;
    QSet<SameQso> known;
    Contacted contacted;
    known.reserve(logLines.size() + file.records.size());
    contacted.first.reserve(logLines.size() + file.records.size());
    for (const QString &l : logLines) {
        known.insert(SameQso(l));
        contacted.add(l);
    }
    // The records taken are looked up by views of their text, which moving a line keeps.
    plan.lines.reserve(file.records.size());
    for (const AdifRecord &r : file.records) {
        ImportLine line;
        line.qso = mapQso(r, station);
        const QString &record = line.qso.record;
        if (!line.qso.taken()) {
            line.reason = line.qso.refusal;
            ++plan.refused;
        } else if (known.contains(SameQso(record))) {
            line.outcome = Outcome::AlreadyInLog;
            line.reason = AlreadyInLog;
            ++plan.alreadyInLog;
        } else if (const auto it = contacted.first.constFind(Contacted::key(record)); it != contacted.first.constEnd()) {
            line.outcome = Outcome::CastleContacted;
            const QString found = it->toString();
            line.reason = castleContacted(column(found, rec::DateCol, rec::DateWidth),
                                          trimmedColumn(found, rec::BandCol, rec::BandWidth));
            ++plan.castleContacted;
        } else {
            line.outcome = Outcome::Taken;
            ++plan.taken;
            known.insert(SameQso(record));
            contacted.add(record);
        }
        plan.lines.append(std::move(line));
    }
    return plan;
}

QString refusalLine(const ImportLine &l) {
    return l.qso.call() + QLatin1Char(' ') + l.qso.date() + QLatin1Char(' ') + l.qso.time() + QStringLiteral(": ") + l.reason;
}

}  // namespace kastlog::adifimport
