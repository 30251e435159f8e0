#include "reports/adifimport/mapping.h"

#include "logstore/bands.h"
#include "logstore/cp1252.h"
#include "reports/adif.h"
#include "reports/map/provincecode.h"
#include "settings/stationcall.h"

#include <QDate>

#include <array>

namespace kastlog::adifimport {

QString reason::unwritable(const QString &field) {
    return QStringLiteral("caractère impossible à écrire dans le log (champ %1)").arg(field);
}

namespace {
bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

bool isLetter(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// Two capital letters and three digits, as the reference field takes it.
bool isReferenceShape(QStringView s) {
    return s.size() == 5 && isLetter(s[0]) && isLetter(s[1]) && allDigits(s.mid(2));
}

QStringView firstWord(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    while (i < t.size() && !t[i].isSpace()) ++i;
    return t.left(i);
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
    if (v.present[field::Band]) return adif::bandLabel(v[field::Band]);
    bool ok = false;
    const double mhz = v[field::Freq].toDouble(&ok);
    return ok ? bandLabelOfFrequency(mhz) : QString();
}

// MODE when it has at most three characters, else SUBMODE when it has; capitals keep sizes.
QStringView modeOf(const Values &v, bool &ok) {
    const QStringView mode = v[field::Mode], sub = v[field::Submode];
    ok = true;
    if (mode.size() <= 3 && !(mode.isEmpty() && !sub.isEmpty())) return mode;
    if (!sub.isEmpty() && sub.size() <= 3) return sub;
    ok = false;
    return mode;
}

// A reference in capitals held in place; empty until one is found.
struct Reference {
    QChar text[5];
    qsizetype size = 0;
    QStringView view() const { return QStringView(text, size); }
    // Takes `word` in capitals when `isReference` accepts it so.
    void take(QStringView word, bool (*isReference)(QStringView)) {
        if (word.size() != 5) return;
        for (int i = 0; i < 5; ++i) text[i] = station::capital(word[i]);
        size = isReference(QStringView(text, 5)) ? 5 : 0;
    }
};

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
}  // namespace

QString MappedQso::call() const { return taken() ? trimmedColumn(record, rec::CallCol, rec::CallWidth) : shown.value(Call); }
QString MappedQso::reference() const { return taken() ? column(record, rec::RefCol, rec::RefWidth) : shown.value(Reference); }
QString MappedQso::date() const { return taken() ? column(record, rec::DateCol, rec::DateWidth) : shown.value(Date); }
QString MappedQso::time() const { return taken() ? column(record, rec::TimeCol, rec::TimeWidth) : shown.value(Time); }
QString MappedQso::band() const { return taken() ? trimmedColumn(record, rec::BandCol, rec::BandWidth) : shown.value(Band); }
QString MappedQso::mode() const { return taken() ? trimmedColumn(record, rec::ModeCol, rec::ModeWidth) : shown.value(Mode); }

MappedQso mapQso(const AdifRecord &r, const QString &station) {
    MappedQso m;
    const Values v(r);
    const auto refuse = [&](const QString &why) {
        if (m.refusal.isEmpty()) m.refusal = why;
    };
    const QStringView call = v[field::Call];  // capitals keep its size
    if (!r.readable()) {
        m.refusal = r.problem;
        m.shown = {station::capitals(call), QString(), v[field::QsoDate].toString(), v[field::TimeOn].toString(),
                   v[field::Band].toString(), v[field::Mode].toString()};
        return m;
    }
    if (call.size() > rec::CallWidth) refuse(reason::CallTooLong);

    // The reference: the award fields first, then the first word of the comment or notes.
    Reference ref;
    if (v[field::Sig].compare(QLatin1String("DNJ"), Qt::CaseInsensitive) == 0)
        ref.take(v[field::SigInfo], isReferenceShape);
    for (const field::Id id : {field::Comment, field::Notes})
        if (ref.size == 0) ref.take(firstWord(r.view(id)), carte::isCastleReference);
    if (ref.size == 0) refuse(reason::NoReference);
    QsoFieldViews q;
    q.reference = ref.view();
    q.province = q.reference.left(2);
    // The castle name follows the reference in the comment the export writes.
    const QStringView comment = r.view(field::Comment);
    if (ref.size > 0 && comment.size() > ref.size && comment.startsWith(q.reference) && comment[ref.size] == u' ')
        q.castleName = comment.mid(ref.size + 1);
    else
        q.castleName = u"C.";

    q.firstName = v[field::Name];
    if (q.firstName.size() > rec::FirstNameWidth) {
        m.warnings << QStringLiteral("prénom coupé à %1 caractères").arg(rec::FirstNameWidth);
        q.firstName = q.firstName.left(rec::FirstNameWidth);
    }

    QChar date[8], time[5];
    const bool dated = logDate(v[field::QsoDate], date) && logTime(v[field::TimeOn], time);
    if (!dated) refuse(reason::BadDate);
    else {
        q.date = QStringView(date, 8);
        q.time = QStringView(time, 5);
    }
    const QString band = bandOf(v);
    if (band.isEmpty()) refuse(reason::NoBand);
    q.band = band;
    bool modeOk = false;
    q.mode = modeOf(v, modeOk);
    if (!modeOk) refuse(reason::ModeTooLong);
    q.rstReceived = v[field::RstRcvd];
    q.rstSent = v[field::RstSent];
    if (q.rstReceived.size() > rec::RstRWidth) refuse(reason::RstRTooLong);
    if (q.rstSent.size() > rec::RstEWidth) refuse(reason::RstETooLong);
    q.qsl = v[field::QslRcvd].compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;

    // The record as the save writes it, the call sign and the mode in capitals as typed.
    q.call = call.left(rec::CallWidth);
    QString record = formatRecord(q);
    QChar *d = record.data();
    for (int i = rec::CallCol - 1; i < rec::CallCol - 1 + rec::CallWidth; ++i) d[i] = station::capital(d[i]);
    for (int i = rec::ModeCol - 1; i < rec::ModeCol - 1 + rec::ModeWidth; ++i) d[i] = station::capital(d[i]);
    // Checked on the record itself; every other column holds only what this function wrote.
    if (!cp1252::canEncode(record))
        for (const Written &w : FromTheFile)
            if (!cp1252::canEncode(column(record, w.col, w.width))) refuse(reason::unwritable(QLatin1String(w.name)));

    const QStringView from = v[field::StationCallsign];
    if (!from.isEmpty() && !sameStation(from, station))
        m.warnings << QStringLiteral("fait par la station ").append(from);

    if (m.taken()) {
        m.record = std::move(record);
        return m;
    }
    m.shown = {station::capitals(call), q.reference.toString(),
               (dated ? q.date : v[field::QsoDate]).toString(), (dated ? q.time : v[field::TimeOn]).toString(),
               band.isEmpty() ? v[field::Band].toString() : band,
               (modeOk ? station::capitals(q.mode) : v[field::Mode].toString())};
    return m;
}

}  // namespace kastlog::adifimport
