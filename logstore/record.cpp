#include "logstore/record.h"

#include "logstore/clock.h"
#include "logstore/cp1252.h"

#include <algorithm>

namespace kastlog {

namespace {
void appendBlanks(QString &out, int n) { out.append(QLatin1String("   ", n)); }  // at most 3

}  // namespace

QStringView columnView(const QString &line, int col, int width) {
    const qsizetype start = col - 1;
    if (start >= line.size()) return {};
    return QStringView(line).mid(start, qMin<qsizetype>(width, line.size() - start));
}

QString column(const QString &line, int col, int width) { return columnView(line, col, width).toString(); }

bool isRecord(const QString &line) {
    return line.size() == rec::Length && !columnView(line, rec::CallCol, rec::CallWidth).trimmed().isEmpty() &&
           controleDate(column(line, rec::DateCol, rec::DateWidth)) == 0 &&
           controleHeure(column(line, rec::TimeCol, rec::TimeWidth)) == 0;
}

QString trimmedColumn(const QString &line, int col, int width) {
    return columnView(line, col, width).trimmed().toString();
}

QString formatRecord(const QsoFields &q) {
    return formatRecord(QsoFieldViews{q.call, q.province, q.firstName, q.reference, q.date, q.time, q.mode, q.band,
                                      q.rstReceived, q.rstSent, q.castleName, q.qsl});
}

QString formatRecord(const QsoFieldViews &q) {
    // Blanks first, then each field written into its columns, cut to its width.
    QString r(rec::Length, QLatin1Char(' '));
    QChar *d = r.data();
    const auto field = [d](QStringView text, int col, int width) {
        const qsizetype n = qMin<qsizetype>(text.size(), width);
        std::copy_n(text.data(), n, d + col - 1);
    };
    field(q.call, rec::CallCol, rec::CallWidth);
    field(q.province, rec::ProvCol, rec::ProvWidth);
    field(q.firstName, rec::FirstNameCol, rec::FirstNameWidth);
    field(q.reference, rec::RefCol, rec::RefWidth);
    field(q.date, rec::DateCol, rec::DateWidth);
    field(q.time, rec::TimeCol, rec::TimeWidth);
    field(q.mode, rec::ModeCol, rec::ModeWidth);  // a mode of more than three characters is cut: the record keeps its columns
    field(q.band, rec::BandCol, rec::BandWidth);
    field(q.rstReceived, rec::RstRCol, rec::RstRWidth);
    field(q.rstSent, rec::RstECol, rec::RstEWidth);
    field(q.castleName.trimmed(), rec::NameCol, rec::NameWidth);
    if (q.qsl) d[rec::QslCol - 1] = QLatin1Char('*');
    // The first name and the castle name are kept in capitals.
    cp1252::toCapitals(d + rec::FirstNameCol - 1, rec::FirstNameWidth);
    cp1252::toCapitals(d + rec::NameCol - 1, rec::NameWidth);
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
    d.append(columnView(record, rec::CallCol, rec::CallWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::RefCol, 2));  // the province as the reference gives it
    appendBlanks(d, 3);
    d.append(columnView(record, rec::FirstNameCol, rec::FirstNameWidth));
    appendBlanks(d, 1);
    d.append(columnView(record, rec::RefCol, rec::RefWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::DateCol, rec::DateWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::TimeCol, rec::TimeWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::ModeCol, rec::ModeWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::BandCol, rec::BandWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::RstRCol, rec::RstRWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::RstECol, rec::RstEWidth));
    appendBlanks(d, 1);
    d.append(columnView(record, rec::NameCol, rec::NameWidth));
    appendBlanks(d, 2);
    d.append(columnView(record, rec::QslCol, 1));
    return d;
}

QString recordFromDisplayLine(const QString &display) {
    QString r;
    r.reserve(rec::Length);
    r.append(columnView(display, disp::CallCol, disp::CallWidth));
    r.append(QLatin1Char(' '));
    // The province code and the two blanks after it make the 4-character province field.
    r.append(columnView(display, disp::ProvCol, rec::ProvWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::FirstNameCol, disp::FirstNameWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::RefCol, disp::RefWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::DateCol, disp::DateWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::TimeCol, disp::TimeWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::ModeCol, disp::ModeWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::BandCol, disp::BandWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::RstRCol, disp::RstRWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::RstECol, disp::RstEWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::NameCol, disp::NameWidth));
    r.append(QLatin1Char(' '));
    r.append(columnView(display, disp::QslCol, 1));
    return r;
}

}  // namespace kastlog
