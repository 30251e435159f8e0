// Any field texts: the record keeps its 107 columns with every field in its place, and the
// main list's display line of it, at any line number, gives the same record back.
#include "fuzz/check.h"
#include "logstore/cp1252.h"
#include "logstore/record.h"

using namespace kastlog;
using namespace kastlog::fuzz;

namespace {
QString fitted(const QString &s, int width) { return s.left(width).leftJustified(width, QLatin1Char(' ')); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the decoding (so that any character can come, not only those of
    // the code page) and the line number.
    const uint8_t head = data[0];
    const QList<QByteArray> p = parts(bytes(data + 1, size - 1), 11);
    auto text = [&](int i) { return (head & 1) ? QString::fromUtf8(p[i]) : cp1252::decode(p[i]); };

    QsoFields q;
    q.call = text(0);
    q.firstName = text(1);
    q.reference = text(2);
    q.province = q.reference.left(2);  // as the entry window takes it
    q.date = text(3);
    q.time = text(4);
    q.mode = text(5);
    q.band = text(6);
    q.rstReceived = text(7);
    q.rstSent = text(8);
    q.castleName = text(9);
    q.qsl = head & 2;

    const QString r = formatRecord(q);
    check(r.size() == rec::Length, "a record is 107 characters", r);
    const struct { int col, width; QString value; } fields[] = {
        {rec::CallCol, rec::CallWidth, q.call},         {rec::ProvCol, rec::ProvWidth, q.province},
        {rec::RefCol, rec::RefWidth, q.reference},      {rec::DateCol, rec::DateWidth, q.date},
        {rec::TimeCol, rec::TimeWidth, q.time},         {rec::ModeCol, rec::ModeWidth, q.mode},
        {rec::BandCol, rec::BandWidth, q.band},         {rec::RstRCol, rec::RstRWidth, q.rstReceived},
        {rec::RstECol, rec::RstEWidth, q.rstSent},
    };
    for (const auto &f : fields)
        check(column(r, f.col, f.width) == fitted(f.value, f.width), "a field stays in its columns", r);
    check(column(r, rec::FirstNameCol, rec::FirstNameWidth) == fitted(cp1252::capitals(q.firstName), rec::FirstNameWidth),
          "the first name in capitals in its columns", r);
    for (int sep : {13, 18, 34, 40, 49, 55, 59, 67, 71, 75, 106})
        check(r.at(sep - 1) == QLatin1Char(' '), "a blank between fields", r);
    check(r.at(rec::QslCol - 1) == (q.qsl ? QLatin1Char('*') : QLatin1Char(' ')), "the QSL mark", r);

    const int numbers[] = {1, 9999, 10000, MaxDisplayLines, 1 + int(head) * 391 % MaxDisplayLines};
    for (int n : numbers) {
        const QString d = displayLine(r, n);
        check(d.size() == disp::Length, "a display line is 122 characters", d);
        check(QStringView(d).left(disp::NumberWidth).trimmed() == QString::number(n), "the line number", d);
        check(recordFromDisplayLine(d) == r, "the display line gives the record back", d);
    }
    return 0;
}
