// Any text as a typed date and time: the checks accept exactly "JJ/MM/AA" with day <= 31
// and month <= 12 and "HH:MM" with hour <= 23 and minute <= 59; a record holding an accepted
// date and time has an instant, the same from its text and from its bytes, and instants
// order as the dates and times do.
#include "fuzz/check.h"
#include "logstore/clock.h"
#include "logstore/instant.h"
#include "logstore/record.h"

#include <QRegularExpression>

using namespace kastlog;
using namespace kastlog::fuzz;

namespace {
bool dateExpected(const QString &t) {
    static const QRegularExpression re(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{2})/([0-9]{2})/[0-9]{2}")));
    const auto m = re.match(t);
    return m.hasMatch() && m.captured(1).toInt() <= 31 && m.captured(2).toInt() <= 12;
}
bool timeExpected(const QString &t) {
    static const QRegularExpression re(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{2}):([0-9]{2})")));
    const auto m = re.match(t);
    return m.hasMatch() && m.captured(1).toInt() <= 23 && m.captured(2).toInt() <= 59;
}
QString recordWith(const QString &date, const QString &time) {
    QsoFields q;
    q.call = QStringLiteral("F6ABC");
    q.reference = QStringLiteral("NM047");
    q.date = date;
    q.time = time;
    return formatRecord(q);
}
std::optional<Instant> bothWays(const QString &record) {
    const std::optional<Instant> a = recordInstant(record);
    const QByteArray l = record.toLatin1();
    const std::optional<Instant> b = instantOf(QLatin1String(l.constData(), l.size()));
    check(a.has_value() == b.has_value() && (!a || *a == *b), "instant from text and from bytes agree", record);
    return a;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QList<QByteArray> p = parts(bytes(data, size), 4);
    const QString d1 = latin1(p[0]), t1 = latin1(p[1]), d2 = latin1(p[2]), t2 = latin1(p[3]);

    check((controleDate(d1) == 0) == dateExpected(d1), "date check", d1);
    check((controleHeure(t1) == 0) == timeExpected(t1), "time check", t1);
    check(controleDate(d1) == 0 || controleDate(d1) == 1, "date check answers 0 or 1", d1);

    const std::optional<Instant> i1 = bothWays(recordWith(d1, t1));
    const std::optional<Instant> i2 = bothWays(recordWith(d2, t2));
    // A record with an accepted date and time always has its place by date.
    if (dateExpected(d1) && timeExpected(t1)) check(i1.has_value(), "an accepted date and time have an instant", d1 + t1);
    if (dateExpected(d1) && timeExpected(t1) && dateExpected(d2) && timeExpected(t2)) {
        auto key = [](const QString &d, const QString &t) {
            return QString::number(widenYear(d.mid(6, 2).toInt())) + d.mid(3, 2) + d.left(2) + t.left(2) + t.mid(3, 2);
        };
        const QString k1 = key(d1, t1), k2 = key(d2, t2);
        check((*i1 < *i2) == (k1 < k2) && (*i1 == *i2) == (k1 == k2), "instants order as dates and times", k1 + " " + k2);
    }
    return 0;
}
