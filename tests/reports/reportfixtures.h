#pragma once
// Helpers of the report tests: log lines built column by column, and small fakes of what the
// report windows see of the main window.
#include "logstore/textfile.h"
#include "ui/mainlist.h"
#include "ui/openers.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kastlog::test {

// A log line laid out by hand: call 1-12, province 14-17, first name 19-33, reference 35-39,
// date 41-48, time 50-54, mode 56-58, band 60-66, reports 68-70 and 72-74, castle 76-105,
// QSL mark 107.
inline QString logLine(const QString &call, const QString &ref, const QString &band,
                       const QString &date = QStringLiteral("19/07/08"), const QString &castle = QString(),
                       bool qsl = false, const QString &firstName = QStringLiteral("JEAN"),
                       const QString &time = QStringLiteral("14:05"), const QString &mode = QStringLiteral("SSB"),
                       const QString &rstR = QStringLiteral("59"), const QString &rstE = QStringLiteral("57")) {
    auto pad = [](const QString &s, int w) { return s.leftJustified(w, QLatin1Char(' '), true); };
    const QString sp = QStringLiteral(" ");
    return pad(call, 12) + sp + pad(ref.left(2), 4) + sp + pad(firstName, 15) + sp + pad(ref, 5) + sp +
           pad(date, 8) + sp + pad(time, 5) + sp + pad(mode, 3) + sp + pad(band, 7) + sp + pad(rstR, 3) +
           sp + pad(rstE, 3) + sp + pad(castle, 30) + sp + (qsl ? QStringLiteral("*") : sp);
}

class FakeStation : public StationInfo {
public:
    QString call = QStringLiteral("F1ABC");
    QString label = QStringLiteral("F1ABC");
    QString stationCall() const override { return call; }
    QString stationLabelText() const override { return label; }
};

class FakeMainList : public MainListAccess {
public:
    QStringList lines;
    QList<int> selected;  // every index selected, in order
    QStringList mainListLines() const override { return lines; }
    void selectMainListItem(int index) override { selected << index; }
};

// Fails the chosen steps of a file replacement.
class FailingSteps : public FaultInjector {
public:
    explicit FailingSteps(QList<WriteStep> steps) : m_steps(std::move(steps)) {}
    bool fails(WriteStep step) const override { return m_steps.contains(step); }

private:
    QList<WriteStep> m_steps;
};

}  // namespace kastlog::test
