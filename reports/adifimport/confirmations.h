#pragma once
// QSL confirmations brought in from a file (a LoTW report, an eQSL inbox, any log with its QSL
// fields): which QSO of the log each one confirms.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kastlog::adifimport {

// Where a confirmation comes from, as the preview names it.
enum class QslSource { None, Card, Lotw, Eqsl };
QString sourceName(QslSource s);  // "QSL", "LoTW", "eQSL"

// A QSO of the file that carries a confirmation, as it is looked for in the log.
struct Confirmation {
    QslSource source = QslSource::None;
    QString call;         // capitals
    QString band;         // the band label of the log
    QString mode;         // the log's form of the mode
    qint64 minute = -1;   // date and time in minutes since a fixed day; -1 when unreadable
};

// Minutes of a date "JJ/MM/AA" and a time "HH:MM" as the log writes them; -1 when unreadable.
qint64 minuteOf(QStringView date, QStringView time);

// The QSOs of the log by call sign and band. A confirmation matches the QSO of the same call
// sign (any case) and band within 30 minutes; of several, the one of the same mode, else the
// nearest in time. The mode is left out otherwise: the services map modes their own way.
class LogQsos {
public:
    explicit LogQsos(const QStringList &logLines);
    enum class Found { None, One, Ambiguous };
    struct Match {
        Found found = Found::None;
        qsizetype line = -1;  // the line of the log, for One
    };
    Match find(const Confirmation &c) const;

private:
    struct Qso {
        qint64 minute;
        qsizetype line;
    };
    const QStringList &m_lines;
    QHash<QString, std::vector<Qso>> m_byCallAndBand;
};

}  // namespace kastlog::adifimport
