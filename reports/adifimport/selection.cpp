#include "reports/adifimport/selection.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace kastlog::adifimport {

QString castleContacted(const QString &date, const QString &band) {
    //: Why a QSO is not imported: %1 is the date (JJ/MM/AA) of the first QSO of the castle, %2 its band.
    return QCoreApplication::translate("ImportSelection", "château déjà contacté le %1 sur %2").arg(date, band);
}

QStringList ImportPlan::records() const {
    QStringList out;
    out.reserve(taken);
    for (const ImportLine &l : lines)
        if (l.outcome == Outcome::Taken) out << l.qso.record;
    return out;
}

QStringList ImportPlan::marks() const {
    QStringList out;
    out.reserve(confirmed);
    for (const ImportLine &l : lines)
        if (l.outcome == Outcome::Confirmed) out << l.logLine;
    return out;
}

QString ImportPlan::countsLine() const {
    const auto count = [](const char *text, qsizetype n) {
        return QCoreApplication::translate("ImportSelection", text, nullptr, int(n));
    };
    //: The counts of an import: %1 is "N QSO dans le fichier", %2 to %6 the counts that follow it.
    return QCoreApplication::translate("ImportSelection", "%1 : %2, %3, %4, %5, %6")
        .arg(count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n QSO dans le fichier"), lines.size()),
             count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n à importer"), taken),
             count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n déjà dans le log"), alreadyInLog),
             //: QSOs not imported: their castle was already contacted in the same band group.
             count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n château déjà contacté"), castleContacted),
             //: QSOs refused.
             count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n refusés"), refused),
             //: QSOs of the log the file confirms.
             count(QT_TRANSLATE_N_NOOP("ImportSelection", "%n confirmations"), confirmed));
}

QString confirmedBy(QslSource source) {
    //: %1 names the confirmation's source: QSL, LoTW or eQSL.
    return QCoreApplication::translate("ImportSelection", "confirmé (%1)").arg(sourceName(source));
}

QString ImportLine::value(MappedQso::Shown which) const {
    return logLine.isEmpty() ? qso.value(which) : recordValue(logLine, which);
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
// finds it. The refusal naming it is made once and shared by every QSO it refuses: a large
// file refuses thousands of QSOs for a few castles.
struct Contacted {
    struct First {
        QStringView line;
        QString refusal;
    };
    QHash<CastleInGroup, First> first;
    static CastleInGroup key(const QString &line) {
        return {columnView(line, rec::RefCol, rec::RefWidth), lineBandGroup(line)};
    }
    void add(const QString &line) {
        const CastleInGroup k = key(line);
        if (!first.contains(k)) first.insert(k, {line, {}});
    }
    // The refusal of a QSO of the castle of `line`, or null when it is not contacted yet.
    const QString *refusalOf(const QString &line) {
        const auto it = first.find(key(line));
        if (it == first.end()) return nullptr;
        if (it->refusal.isEmpty()) {
            const QString found = it->line.toString();
            it->refusal = castleContacted(column(found, rec::DateCol, rec::DateWidth),
                                          trimmedColumn(found, rec::BandCol, rec::BandWidth));
        }
        return &it->refusal;
    }
};
}  // namespace

struct ImportPlanner::Known {
    QSet<SameQso> qsos;
    Contacted contacted;
    // The states of the rows, translated once for the whole file.
    const QString alreadyInLog = tr(AlreadyInLog), alreadyConfirmed = tr(AlreadyConfirmed),
                  ambiguous = tr(Ambiguous), notInLog = tr(NotInLog),
                  noReference = reason::text(reason::NoReference);
    // One copy of each refusal, shared by the rows it refuses: the mapping makes a new text
    // for each, and a large file refuses thousands of QSOs for the same few reasons.
    QSet<QString> refusals;
    QString shared(const QString &refusal) { return *refusals.insert(refusal); }
    static QString tr(const char *text) { return QCoreApplication::translate("ImportSelection", text); }
};

ImportPlanner::ImportPlanner(const QStringList &logLines, const QString &station)
    : m_log(logLines), m_station(station), m_known(std::make_unique<Known>()) {
    m_known->qsos.reserve(logLines.size());
    m_known->contacted.first.reserve(logLines.size());
    for (const QString &l : logLines) {
        m_known->qsos.insert(SameQso(l));
        m_known->contacted.add(l);
    }
}

ImportPlanner::~ImportPlanner() = default;

void ImportPlanner::add(const AdifRecord &r, const AdifRecord &header) {
    ImportLine line;
    Confirmation confirmation;
    line.qso = mapQso(r, m_station, kindOf(header), &confirmation);
    if (confirmation.source != QslSource::None) {
        // A confirmation marks the QSO of the log it is about; the file need not name the castle.
        if (!m_logQsos) m_logQsos = std::make_unique<LogQsos>(m_log);
        const LogQsos::Match match = m_logQsos->find(confirmation);
        if (match.found == LogQsos::Found::One) {
            line.logLine = m_log[match.line];
            const bool marked = m_marked.contains(match.line) ||
                                columnView(line.logLine, rec::QslCol, 1) == QLatin1String("*");
            line.outcome = marked ? Outcome::AlreadyConfirmed : Outcome::Confirmed;
            line.reason = marked ? m_known->alreadyConfirmed : confirmedBy(confirmation.source);
            ++(marked ? m_plan.alreadyInLog : m_plan.confirmed);
            m_marked.insert(match.line);
            m_plan.lines.append(std::move(line));
            return;
        }
        if (match.found == LogQsos::Found::Ambiguous || line.qso.refusal == m_known->noReference) {
            line.outcome = match.found == LogQsos::Found::Ambiguous ? Outcome::Ambiguous : Outcome::NotInLog;
            line.reason = line.outcome == Outcome::Ambiguous ? m_known->ambiguous : m_known->notInLog;
            ++m_plan.refused;
            m_plan.lines.append(std::move(line));
            return;
        }
    }
    // The records taken are looked up by views of their text, which moving a line keeps.
    const QString &record = line.qso.record;
    if (!line.qso.taken()) {
        line.qso.refusal = m_known->shared(line.qso.refusal);
        line.reason = line.qso.refusal;
        ++m_plan.refused;
    } else if (m_known->qsos.contains(SameQso(record))) {
        line.outcome = Outcome::AlreadyInLog;
        line.reason = m_known->alreadyInLog;
        ++m_plan.alreadyInLog;
    } else if (const QString *refusal = m_known->contacted.refusalOf(record)) {
        line.outcome = Outcome::CastleContacted;
        line.reason = *refusal;
        ++m_plan.castleContacted;
    } else {
        line.outcome = Outcome::Taken;
        ++m_plan.taken;
        m_known->qsos.insert(SameQso(record));
        m_known->contacted.add(record);
    }
    m_plan.lines.append(std::move(line));
}

ImportPlan ImportPlanner::take() { return std::move(m_plan); }

ImportPlan planImport(const AdifFile &file, const QStringList &logLines, const QString &station) {
    ImportPlanner planner(logLines, station);
    for (const AdifRecord &r : file.records) planner.add(r, file.header);
    ImportPlan plan = planner.take();
    plan.fileProblem = file.problem;
    return plan;
}

QString refusalLine(const ImportLine &l) {
    return l.value(MappedQso::Call) + QLatin1Char(' ') + l.value(MappedQso::Date) + QLatin1Char(' ') +
           l.value(MappedQso::Time) + QStringLiteral(": ") + l.reason;
}

QStringList warningLines(const ImportLine &l) {
    QStringList out;
    const QString qso = l.value(MappedQso::Call) + QLatin1Char(' ') + l.value(MappedQso::Date) + QLatin1Char(' ') +
                        l.value(MappedQso::Time) + QStringLiteral(": ");
    for (const QString &w : l.qso.warnings) out << qso + w;
    return out;
}

}  // namespace kastlog::adifimport
