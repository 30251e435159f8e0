// The table's rows follow the spot book through insertions, moves, updates and expiry, with or
// without the castles already contacted, as a view sees them: Qt's model checker watches every
// change, the rows shown are the book's, and a chosen row stays on its activation.
#include "logstore/record.h"
#include "spots/spotsmodel.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

using namespace kastlog;
using namespace kastlog::spots;

class TstSpotsModel : public QObject {
    Q_OBJECT
private slots:
    void followsTheBook_data() {
        QTest::addColumn<bool>("onlyNew");
        QTest::newRow("all") << false;
        QTest::newRow("only the new ones") << true;
    }
    void followsTheBook() {
        QFETCH(bool, onlyNew);
        SpotBook book;
        QStringList log;
        for (int i = 0; i < 10; ++i)
            log << formatRecord({"ON4X", "NM", {}, QStringLiteral("NM%1").arg(i, 3, 10, QLatin1Char('0')), "01/06/08", "10:00",
                                 "SSB", "14 Mhz", {}, {}, {}});
        book.setLog(log);
        SpotsModel model(book);
        model.setOnlyNew(onlyNew);
        QAbstractItemModelTester checker(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator rng(11);
        const QDateTime t0(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
        static const char *const freqs[] = {"14025", "7012", "144300"};
        QPersistentModelIndex chosen;
        quint64 chosenId = 0;
        for (int i = 0; i < 900; ++i) {
            const QDateTime now = t0.addSecs(i * 5);
            if (i % 40 == 0 && book.expire(now) > 0) model.expired();
            // One spot in five is an older one, as an answer to "sh/dx" brings.
            const QDateTime when = i % 5 ? now : now.addSecs(-qint64(rng.bounded(3000)));
            const QString line = QStringLiteral("DX de S%1: %2 ON4%3 DNJ NM%4 1200Z")
                                     .arg(rng.bounded(4))
                                     .arg(QLatin1String(freqs[rng.bounded(3)]))
                                     .arg(rng.bounded(30))
                                     .arg(rng.bounded(20), 3, 10, QLatin1Char('0'));
            model.apply(book.add(*parseSpotLine(line), when));

            QList<quint64> shown, expected;
            for (int r = 0; r < model.rowCount(); ++r) shown << model.rowAt(r).id;
            for (const SpotRow &r : book.rows())
                if (!onlyNew || !r.contacted) expected << r.id;
            QCOMPARE(shown, expected);
            if (chosen.isValid()) QCOMPARE(model.rowAt(chosen.row()).id, chosenId);
            else if (model.rowCount() > 2) {
                chosen = model.index(2, 0);
                chosenId = model.rowAt(2).id;
            }
        }
        QCOMPARE(model.rowCount() > 100, true);
    }
};

QTEST_GUILESS_MAIN(TstSpotsModel)
#include "tst_spotsmodel.moc"
