#include "reports/adifimport/mapping.h"

#include "logstore/bands.h"
#include "logstore/cp1252.h"
#include "logstore/modes.h"
#include "reports/adif.h"
#include "reports/castlereference.h"
#include "settings/stationcall.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <array>

namespace kastlog::adifimport {

QString reason::text(const char *refusal) { return QCoreApplication::translate("AdifMapping", refusal); }

QString reason::unwritable(const QString &field) {
    //: %1 is an ADIF field name (CALL, NAME...).
    return QCoreApplication::translate("AdifMapping", "caractère impossible à écrire dans le log (champ %1)")
        .arg(field);
}

QString reason::badSigInfo(QStringView value) {
    //: SIG_INFO is an ADIF field name; %1 its value.
    return QCoreApplication::translate("AdifMapping", "SIG_INFO n'est pas une référence de château : %1").arg(value);
}

FileKind kindOf(const AdifRecord &header) {
    const QStringView program = header.view(field::ProgramId).trimmed();
    return {program.compare(QLatin1String("LoTW"), Qt::CaseInsensitive) == 0,
            program.compare(QLatin1String("eQSL.cc DownloadInBox"), Qt::CaseInsensitive) == 0};
}

namespace {
bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// The value of a run of digits already checked.
int number(QStringView digits) {
    int n = 0;
    for (QChar c : digits) n = n * 10 + (c.unicode() - u'0');
    return n;
}

// The texts made here and read through views are held as QChar, the type a view reads its
// characters as: a char16_t array read through a view's QChar pointer breaks the aliasing
// rules, and with -O3 the reads then move before the writes (the reference read as empty).

// "JJ/MM/AA" from AAAAMMJJ into `out`, years 1950 to 2049 only; false when it cannot be read.
bool logDate(QStringView d, QChar (&out)[8]) {
    if (d.size() != 8 || !allDigits(d)) return false;
    const int y = number(d.left(4)), m = number(d.mid(4, 2)), day = number(d.mid(6, 2));
    if (y < 1950 || y > 2049 || !QDate(y, m, day).isValid()) return false;
    const QChar text[8] = {d[6], d[7], u'/', d[4], d[5], u'/', d[2], d[3]};
    std::copy(std::begin(text), std::end(text), out);
    return true;
}

// "HH:MM" from HHMM or HHMMSS into `out`; false when it cannot be read.
bool logTime(QStringView t, QChar (&out)[5]) {
    if ((t.size() != 4 && t.size() != 6) || !allDigits(t)) return false;
    if (number(t.left(2)) > 23 || number(t.mid(2, 2)) > 59 || (t.size() == 6 && number(t.mid(4, 2)) > 59)) return false;
    const QChar text[5] = {t[0], t[1], u':', t[2], t[3]};
    std::copy(std::begin(text), std::end(text), out);
    return true;
}

// The trimmed values of the known fields (the last one when a field is given twice).
struct Values {
    std::array<QStringView, field::Count> v{};
    std::array<bool, field::Count> present{};
    explicit Values(const AdifRecord &r) {
        for (const AdifField &f : r.fields) {
            if (f.id == field::Other) continue;
            v[f.id] = r.valueOf(f).trimmed();
            present[f.id] = true;
        }
    }
    QStringView operator[](field::Id id) const { return v[id]; }
};

QString bandOf(const Values &v) {
    // <band:0> is no band: the frequency tells it then.
    if (!v[field::Band].isEmpty()) return adif::bandLabel(v[field::Band]);
    bool ok = false;
    const double mhz = v[field::Freq].toDouble(&ok);
    return ok ? bandLabelOfFrequency(mhz) : QString();
}

// The log's form of the mode and submode (RTTY is RTY, MFSK/FT4 is FT4); a submode alone
// counts as the mode. Empty for a mode the log cannot hold, or for no mode at all.
QString modeOf(const Values &v) {
    const QStringView mode = v[field::Mode], sub = v[field::Submode];
    return mode.isEmpty() ? modes::logForm(sub) : modes::logForm(mode, sub);
}

bool yesOrVerified(QStringView v) {
    return v.size() == 1 && (v[0] == u'Y' || v[0] == u'y' || v[0] == u'V' || v[0] == u'v');
}

QslSource sourceOf(const Values &v, FileKind kind) {
    if (kind.eqslInbox) return QslSource::Eqsl;
    if (yesOrVerified(v[field::LotwQslRcvd])) return QslSource::Lotw;
    if (yesOrVerified(v[field::EqslQslRcvd])) return QslSource::Eqsl;
    if (yesOrVerified(v[field::QslRcvd])) return kind.lotw ? QslSource::Lotw : QslSource::Card;
    return QslSource::None;
}

// Text that programs write by themselves after the reference: a word, a colon and a signed
// number, as "SENT: +00  RCVD: -14".
bool holdsMachineText(QStringView t) {
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (t[i] != u':' || !t[i - 1].isLetter()) continue;
        qsizetype j = i + 1;
        while (j < t.size() && t[j].isSpace()) ++j;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) ++j;
        if (j < t.size() && t[j].isDigit()) return true;
    }
    return false;
}

// The castle's name in the rest of the field after its reference: without the separators
// before it ("NM047, Walzin", "NM047/Walzin"), taken when it holds a letter and no machine
// text; else the entry's default "C.".
QStringView castleNameAfter(QStringView rest) {
    qsizetype i = 0;
    while (i < rest.size() && (rest[i].isSpace() || QStringView(u",;:/-#|").contains(rest[i]))) ++i;
    rest = rest.mid(i).trimmed();
    const bool letter = std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); });
    return letter && !holdsMachineText(rest) ? rest : QStringView(u"C.");
}

// The free-text fields a reference is looked for in, in this order.
constexpr field::Id TextFields[] = {field::Comment, field::Notes, field::Qth};

// `text` holds characters the log cannot: replaced by their nearest letters when they all
// have one (`changed` is then set), else left for the record's check to refuse.
QStringView nearestLetters(QStringView text, QString &storage, bool &changed) {
    changed = false;
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) return text;
    if (!cp1252::nearestLetters(text, storage) || storage == text) return text;
    changed = true;
    return storage;
}

// `from` names the station `station` (stored form): capitals, "/" for "_".
bool sameStation(QStringView from, const QString &station) {
    if (from.size() != station.size()) return false;
    for (qsizetype i = 0; i < from.size(); ++i) {
        const QChar c = station::capital(from[i]);
        if ((c == u'/' ? QChar(u'_') : c) != station[i]) return false;
    }
    return true;
}

// The fields a character of the file may have brought into the record.
struct Written {
    const char *name;
    int col, width;
};
constexpr Written FromTheFile[] = {
    {"CALL", rec::CallCol, rec::CallWidth},     {"NAME", rec::FirstNameCol, rec::FirstNameWidth},
    {"MODE", rec::ModeCol, rec::ModeWidth},     {"RST_RCVD", rec::RstRCol, rec::RstRWidth},
    {"RST_SENT", rec::RstECol, rec::RstEWidth}, {"COMMENT", rec::NameCol, rec::NameWidth}};

constexpr QChar Separator = QChar(0x1F);

void appendShown(QString &shown, QStringView value) {
    for (QChar c : value) shown += c == Separator ? QChar(u' ') : c;  // never one inside a value
    shown += Separator;
}
}  // namespace

QString recordValue(const QString &record, MappedQso::Shown which) {
    static constexpr struct {
        int col, width;
    } Columns[] = {{rec::CallCol, rec::CallWidth}, {rec::RefCol, rec::RefWidth},   {rec::DateCol, rec::DateWidth},
                   {rec::TimeCol, rec::TimeWidth}, {rec::BandCol, rec::BandWidth}, {rec::ModeCol, rec::ModeWidth}};
    return trimmedColumn(record, Columns[which].col, Columns[which].width);
}

QString MappedQso::value(Shown which) const {
    if (taken()) return recordValue(record, which);
    qsizetype from = 0;
    for (int k = 0; k < which; ++k) {
        from = shown.indexOf(Separator, from);
        if (from < 0) return {};
        ++from;
    }
    const qsizetype to = shown.indexOf(Separator, from);
    return to < 0 ? QString() : shown.mid(from, to - from);
}

MappedQso mapQso(const AdifRecord &r, const QString &station, FileKind kind, Confirmation *confirmation) {
    MappedQso m;
    const Values v(r);
    const auto refuse = [&](const QString &why) {
        if (m.refusal.isEmpty()) m.refusal = why;
    };
    const QStringView call = v[field::Call];  // capitals keep its size
    if (!r.readable()) {
        m.refusal = r.problem;
        m.warnings = r.warnings;
        const QString capitals = station::capitals(call);
        for (QStringView s : {QStringView(capitals), QStringView(), v[field::QsoDate], v[field::TimeOn], v[field::Band], v[field::Mode]})
            appendShown(m.shown, s);
        return m;
    }
    m.warnings = r.warnings;
    if (call.size() > rec::CallWidth) refuse(reason::text(reason::CallTooLong));

    // The reference: the award's fields first, else anywhere in the comment, the notes or the QTH.
    QString reference;
    const QStringView sigInfo = v[field::SigInfo];
    const bool sigReference = v[field::Sig].compare(QLatin1String("DNJ"), Qt::CaseInsensitive) == 0 && !sigInfo.isEmpty();
    if (sigReference) {
        const CastleReferenceMatch found = findCastleReference(sigInfo);
        if (found.found() && found.begin == 0 && found.end == sigInfo.size()) reference = found.reference;
        else refuse(reason::badSigInfo(sigInfo));
    } else {
        for (const field::Id id : TextFields)
            if (reference.isEmpty()) reference = findCastleReference(r.view(id)).reference;
        if (reference.isEmpty()) refuse(reason::text(reason::NoReference));
    }
    QsoFieldViews q;
    q.reference = reference;
    q.province = q.reference.left(2);
    // The castle's name follows the reference in the field that holds it. With the award's
    // fields, a comment that begins with the reference and a blank is this program's own
    // export: its rest is the name as the log held it, empty or not.
    q.castleName = u"C.";
    const QStringView comment = r.view(field::Comment);
    const bool ownExport = sigReference && !reference.isEmpty() && comment.size() > reference.size() &&
                           comment.startsWith(reference) && comment[reference.size()] == u' ';
    if (ownExport) {
        q.castleName = comment.mid(reference.size() + 1);
    } else {
        for (const field::Id id : TextFields) {
            const QStringView text = r.view(id);
            const CastleReferenceMatch found = findCastleReference(text);
            if (!found.found() || found.reference != reference) continue;
            q.castleName = castleNameAfter(text.mid(found.end));
            break;
        }
    }

    q.firstName = v[field::Name];
    if (q.firstName.size() > rec::FirstNameWidth) {
        m.warnings << QCoreApplication::translate("AdifMapping", "prénom coupé à %n caractères", nullptr,
                                                  rec::FirstNameWidth);
        q.firstName = q.firstName.left(rec::FirstNameWidth);
    }
    QString nearestFirstName, nearestCastle;
    bool firstNameChanged = false, castleChanged = false;
    q.firstName = nearestLetters(q.firstName, nearestFirstName, firstNameChanged);
    q.castleName = nearestLetters(q.castleName, nearestCastle, castleChanged);

    QChar date[8], time[5];
    const bool dated = logDate(v[field::QsoDate], date), timed = logTime(v[field::TimeOn], time);
    if (!dated) refuse(reason::text(reason::BadDate));
    else if (v[field::TimeOn].isEmpty()) refuse(reason::text(reason::NoTime));
    else if (!timed) refuse(reason::text(reason::BadDate));
    if (dated && timed) {
        q.date = QStringView(date, 8);
        q.time = QStringView(time, 5);
    }
    const QString band = bandOf(v);
    if (band.isEmpty()) refuse(reason::text(reason::NoBand));
    q.band = band;
    const QString mode = modeOf(v);
    const bool modeOk = !mode.isEmpty() || (v[field::Mode].isEmpty() && v[field::Submode].isEmpty());
    if (!modeOk) refuse(reason::text(reason::ModeTooLong));
    q.mode = mode;
    q.rstReceived = v[field::RstRcvd];
    q.rstSent = v[field::RstSent];
    if (q.rstReceived.size() > rec::RstRWidth) refuse(reason::text(reason::RstRTooLong));
    if (q.rstSent.size() > rec::RstEWidth) refuse(reason::text(reason::RstETooLong));
    const QslSource source = sourceOf(v, kind);
    q.qsl = source != QslSource::None;
    if (confirmation) {
        confirmation->source = source;
        if (source != QslSource::None) {
            confirmation->call = station::capitals(call);
            confirmation->band = band;
            confirmation->mode = mode;
            confirmation->minute = dated && timed ? minuteOf(q.date, q.time) : -1;
        }
    }

    // The record as the save writes it, the call sign in capitals as typed.
    q.call = call.left(rec::CallWidth);
    QString record = formatRecord(q);
    QChar *d = record.data();
    for (int i = rec::CallCol - 1; i < rec::CallCol - 1 + rec::CallWidth; ++i) d[i] = station::capital(d[i]);
    // Checked on the record itself; every other column holds only what this function wrote.
    if (!cp1252::canEncode(record))
        for (const Written &w : FromTheFile)
            if (!cp1252::canEncode(column(record, w.col, w.width))) refuse(reason::unwritable(QLatin1String(w.name)));
    //: %1 is the first name as the log holds it, its letters without accents the log cannot hold.
    if (firstNameChanged)
        m.warnings << QCoreApplication::translate("AdifMapping", "prénom écrit %1")
                          .arg(trimmedColumn(record, rec::FirstNameCol, rec::FirstNameWidth));
    //: %1 is the castle's name as the log holds it, its letters without accents the log cannot hold.
    if (castleChanged)
        m.warnings << QCoreApplication::translate("AdifMapping", "nom du château écrit %1")
                          .arg(trimmedColumn(record, rec::NameCol, rec::NameWidth));

    const QStringView from = v[field::StationCallsign];
    if (!from.isEmpty() && !sameStation(from, station))
        //: %1 is the call sign of the station that made the QSO, another than the log's.
        m.warnings << QCoreApplication::translate("AdifMapping", "fait par la station %1").arg(from);

    if (m.taken()) {
        m.record = std::move(record);
        return m;
    }
    const QString capitals = station::capitals(call);
    for (QStringView s : {QStringView(capitals), q.reference, dated && timed ? q.date : v[field::QsoDate],
                          dated && timed ? q.time : v[field::TimeOn], band.isEmpty() ? v[field::Band] : QStringView(band),
                          modeOk ? QStringView(mode) : v[field::Mode]})
        appendShown(m.shown, s);
    return m;
}

}  // namespace kastlog::adifimport
