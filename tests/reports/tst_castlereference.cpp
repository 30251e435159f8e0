// The castle reference in free text: the forms hunters write (spot comments, ADIF comments,
// notes and QTH fields), and ordinary text that must give no castle.
#include "reports/castlereference.h"

#include <QTest>

using namespace kastlog;

class TstCastleReference : public QObject {
    Q_OBJECT
private slots:
    // `found` is "NM047@begin-end", or empty when the text names no castle.
    void find_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::newRow("plain") << "NM047" << "NM047@0-5";
        QTest::newRow("small letters, hyphen") << "nm-047" << "NM047@0-6";
        QTest::newRow("tag and blank") << "DNJ NM047 Walzin" << "NM047@0-9";
        QTest::newRow("tag and hyphen form") << "DNJ NM-047" << "NM047@0-10";
        QTest::newRow("all hyphens") << "DNJ-NM-047" << "NM047@0-10";
        QTest::newRow("glued tag") << "DNJLG003 up" << "LG003@0-8";
        QTest::newRow("blank after the tag") << "cq DNJ NM 047" << "NM047@3-13";
        QTest::newRow("dot after the tag") << "dnj nm.047" << "NM047@0-10";
        QTest::newRow("not the first word") << "Walzin NM047" << "NM047@7-12";
        QTest::newRow("comma after") << "NM047, Walzin" << "NM047@0-5";
        QTest::newRow("hash before") << "#NM047" << "NM047@1-6";
        QTest::newRow("slash after") << "NM047/Walzin" << "NM047@0-5";
        QTest::newRow("brackets") << "(WV002)" << "WV002@1-6";
        QTest::newRow("first of two") << "BR001/BW002" << "BR001@0-5";
        QTest::newRow("tag glued to a word is no tag") << "XDNJ NM047" << "NM047@5-10";
        // Ordinary comments: no castle.
        QTest::newRow("blank without the tag") << "LB 100 watts" << "";
        QTest::newRow("dot without the tag") << "up NM.047" << "";
        QTest::newRow("inside a word") << "XNM047 NM0471 NM04" << "";
        QTest::newRow("not a province") << "ZZ047 AB-123" << "";
        QTest::newRow("letters before a glued tag") << "XDNJNM047" << "";
        QTest::newRow("two separators") << "DNJ NM- 047" << "";
        QTest::newRow("empty") << "" << "";
    }
    void find() {
        QFETCH(QString, text);
        QFETCH(QString, found);
        const CastleReferenceMatch m = findCastleReference(text);
        QCOMPARE(m.found(), !found.isEmpty());
        if (m.found()) QCOMPARE(QStringLiteral("%1@%2-%3").arg(m.reference).arg(m.begin).arg(m.end), found);
    }
};

QTEST_GUILESS_MAIN(TstCastleReference)
#include "tst_castlereference.moc"
