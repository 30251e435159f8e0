#include "logstore/record.h"

#include "logstore/cp1252.h"

namespace kastlog {

namespace {
// `text` cut or padded with blanks to exactly `width` characters, appended to `out`.
void appendFitted(QString &out, QStringView text, int width) {
    const qsizetype n = qMin<qsizetype>(text.size(), width);
    out.append(text.left(n));
    for (qsizetype i = n; i < width; ++i) out.append(QLatin1Char(' '));
}

// Characters [col, col+width) of `line`, 1-based, as a view (shorter or empty past the end).
QStringView view(const QString &line, int col, int width) {
    const qsizetype start = col - 1;
    if (start >= line.size()) return {};
    return QStringView(line).mid(start, qMin<qsizetype>(width, line.size() - start));
}

void appendBlanks(QString &out, int n) {
    for (int i = 0; i < n; ++i) out.append(QLatin1Char(' '));
}
}  // namespace

QString column(const QString &line, int col, int width) { return view(line, col, width).toString(); }

QString trimmedColumn(const QString &line, int col, int width) {
    return view(line, col, width).trimmed().toString();
}

QString formatRecord(const QsoFields &q) {
    QString r;
    r.reserve(rec::Length);
    appendFitted(r, q.call, rec::CallWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.province, rec::ProvWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, cp1252::capitals(q.firstName), rec::FirstNameWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.reference, rec::RefWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.date, rec::DateWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.time, rec::TimeWidth);
    r.append(QLatin1Char(' '));
    // A mode of more than three characters is cut: the record keeps its columns.
    appendFitted(r, q.mode, rec::ModeWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.band, rec::BandWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.rstReceived, rec::RstRWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, q.rstSent, rec::RstEWidth);
    r.append(QLatin1Char(' '));
    appendFitted(r, cp1252::capitals(q.castleName.trimmed().left(rec::NameWidth)), rec::NameWidth);
    r.append(QLatin1Char(' '));
    r.append(q.qsl ? QLatin1Char('*') : QLatin1Char(' '));
    return r;
}

QString lineNumberText(int n) {
    // Up to four digits: a blank then the digits, right-justified in 5. Five digits fill the
    // column alone, so every later column stays where it is.
    return QString::number(n).rightJustified(disp::NumberWidth, QLatin1Char(' '));
}

QString displayLine(const QString &record, int n) {
    QString d;
    d.reserve(disp::Length);
    d.append(lineNumberText(n));
    appendBlanks(d, 2);
    d.append(view(record, rec::CallCol, rec::CallWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::RefCol, 2));  // the province as the reference gives it
    appendBlanks(d, 3);
    d.append(view(record, rec::FirstNameCol, rec::FirstNameWidth));
    appendBlanks(d, 1);
    d.append(view(record, rec::RefCol, rec::RefWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::DateCol, rec::DateWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::TimeCol, rec::TimeWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::ModeCol, rec::ModeWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::BandCol, rec::BandWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::RstRCol, rec::RstRWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::RstECol, rec::RstEWidth));
    appendBlanks(d, 1);
    d.append(view(record, rec::NameCol, rec::NameWidth));
    appendBlanks(d, 2);
    d.append(view(record, rec::QslCol, 1));
    return d;
}

QString recordFromDisplayLine(const QString &display) {
    QString r;
    r.reserve(rec::Length);
    r.append(view(display, disp::CallCol, disp::CallWidth));
    r.append(QLatin1Char(' '));
    // The province code and the two blanks after it make the 4-character province field.
    r.append(view(display, disp::ProvCol, rec::ProvWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::FirstNameCol, disp::FirstNameWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::RefCol, disp::RefWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::DateCol, disp::DateWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::TimeCol, disp::TimeWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::ModeCol, disp::ModeWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::BandCol, disp::BandWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::RstRCol, disp::RstRWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::RstECol, disp::RstEWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::NameCol, disp::NameWidth));
    r.append(QLatin1Char(' '));
    r.append(view(display, disp::QslCol, 1));
    return r;
}

}  // namespace kastlog
