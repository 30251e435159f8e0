// The QSO search over display lines: result rows, the three criteria, the Enter checks and the
// link back to the main list.
#include "reports/search.h"

#include <QtTest>

using namespace kastlog;
using search::Boxes;
using search::Critere;

Q_DECLARE_METATYPE(kastlog::search::Boxes)

namespace {
// A display line laid out by hand: number 1-5, call 8-19, province 22-23, first name 27-41,
// reference 43-47, date 50-57, time 60-64, mode 67-69, band 72-78, reports 81-83 and 86-88,
// castle 90-119, QSL mark 122.
QString disp(int n, const QString &call, const QString &ref, const QString &band = QStringLiteral("14 Mhz"),
             const QString &castle = QStringLiteral("CHATEAU"), bool qsl = false) {
    auto pad = [](const QString &s, int w) { return s.leftJustified(w, QLatin1Char(' '), true); };
    return (QLatin1Char(' ') + QString::number(n)).rightJustified(5) + QStringLiteral("  ") + pad(call, 12) +
           QStringLiteral("  ") + ref.left(2) + QStringLiteral("   ") + pad(QStringLiteral("JEAN"), 15) +
           QStringLiteral(" ") + ref + QStringLiteral("  ") + QStringLiteral("19/07/08") + QStringLiteral("  ") +
           QStringLiteral("14:05") + QStringLiteral("  ") + QStringLiteral("SSB") + QStringLiteral("  ") +
           pad(band, 7) + QStringLiteral("  ") + QStringLiteral("59 ") + QStringLiteral("  ") +
           QStringLiteral("57 ") + QStringLiteral(" ") + pad(castle, 30) + QStringLiteral("  ") +
           (qsl ? QStringLiteral("*") : QStringLiteral(" "));
}

const QStringList Main{disp(1, "ON4ABC", "NM047"),      disp(2, "F1ABC/P", "LG003", "144 Mhz"),
                       disp(3, "DL1XAB", "NM047"),      disp(4, "F5ZZ", "AN001", "432 Mhz", "KASTEEL", true),
                       disp(5, "PA0AB", "nm047"),       disp(6, "ON4/F1ABC", "BR010")};

QList<int> numbers(const QStringList &rows) {
    QList<int> out;
    for (const QString &r : rows) out << r.left(5).toInt();
    return out;
}
}  // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void resultRow() {
        const QString d = disp(1234, "ON4ABC", "NM047", "144 Mhz", "CHATEAU DE X", true);
        QCOMPARE(d.size(), 122);
        const QString r = search::resultRow(d);
        QCOMPARE(r, QStringLiteral(" 1234  ON4ABC        NM   19/07/08  144 Mhz   NM047  CHATEAU DE X                    *"));
        QCOMPARE(r.size(), 86);
    }

    void rechercheQso_data() {
        QTest::addColumn<int>("critere");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Boxes>("after");
        const Boxes cleared;
        QTest::newRow("two letters anywhere in the call sign")
            << 1 << Boxes{"AB", "", ""} << Main << QList<int>{1, 2, 3, 5, 6} << "" << cleared;
        QTest::newRow("call sign probe turned to capitals")
            << 1 << Boxes{"xab", "", ""} << Main << QList<int>{3} << "" << cleared;
        QTest::newRow("slash kept") << 1 << Boxes{"/", "", ""} << Main << QList<int>{2, 6} << "" << cleared;
        QTest::newRow("13 characters cannot be in a call sign")
            << 1 << Boxes{"ON4ABCDEFGHIJ", "", ""} << Main << QList<int>() << "Pas de QSO trouvé" << cleared;
        QTest::newRow("reference equal, probe in capitals")
            << 2 << Boxes{"", "nm047", ""} << Main << QList<int>{1, 3} << "" << cleared;
        QTest::newRow("reference is not a part") << 2 << Boxes{"", "NM04", ""} << Main << QList<int>() << "Pas de QSO trouvé"
                                                 << cleared;
        QTest::newRow("province exact and case-sensitive")
            << 3 << Boxes{"", "", "nm"} << Main << QList<int>{5} << "" << cleared;
        QTest::newRow("province in capitals") << 3 << Boxes{"", "", "NM"} << Main << QList<int>{1, 3} << "" << cleared;
        QTest::newRow("single province letter finds nothing")
            << 3 << Boxes{"", "", "N"} << Main << QList<int>() << "Pas de QSO trouvé" << cleared;
        QTest::newRow("criterion is the option, not the box typed in: empty reference stops")
            << 2 << Boxes{"ON4", "", ""} << Main << QList<int>() << "Entrez une référence" << Boxes{"ON4", "", ""};
        QTest::newRow("empty province box stops") << 3 << Boxes{"ON4", "NM047", ""} << Main << QList<int>()
                                                  << "Entrez un departement" << Boxes{"ON4", "NM047", ""};
        QTest::newRow("empty call-sign box stops")
            << 1 << Boxes{"", "NM047", "NM"} << Main << QList<int>() << "Entrez un indicatif" << Boxes{"", "NM047", "NM"};
        QTest::newRow("empty main list: nothing found, boxes emptied")
            << 2 << Boxes{"", "", ""} << QStringList() << QList<int>() << "Pas de QSO trouvé" << cleared;
        QTest::newRow("a leading line end is dropped after the first line")
            << 2 << Boxes{"", "\r\nNM047", ""} << Main << QList<int>{3} << "" << cleared;
        QTest::newRow("a lone line end leaves an empty box")
            << 1 << Boxes{"\r\n", "", ""} << Main << QList<int>() << "Entrez un indicatif" << Boxes{"", "", ""};
    }
    void rechercheQso() {
        QFETCH(int, critere);
        QFETCH(Boxes, boxes);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, found);
        QFETCH(QString, message);
        QFETCH(Boxes, after);
        const search::Outcome o = search::rechercheQso(Critere(critere), boxes, lines);
        QCOMPARE(numbers(o.rows), found);
        QCOMPARE(o.message, message);
        QCOMPARE(o.boxes.indica, after.indica);
        QCOMPARE(o.boxes.data, after.data);
        QCOMPARE(o.boxes.depa, after.depa);
        for (const QString &r : o.rows) QCOMPARE(r, search::resultRow(lines[r.left(5).toInt() - 1]));
    }

    void enterChecks_data() {
        QTest::addColumn<int>("box");  // 1 Indica, 2 Data, 3 Depa
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("search");
        QTest::newRow("call sign") << 1 << "ON4" << QStringList() << false << true;
        QTest::newRow("call sign of 12") << 1 << "ABCDEFGHIJKL" << QStringList() << false << true;
        QTest::newRow("call sign of 13 warns, then searches")
            << 1 << "ABCDEFGHIJKLM" << QStringList{"12 caracteres maxi pour l'indicatif"} << false << true;
        QTest::newRow("empty call sign") << 1 << "" << QStringList{"Entrez un indicatif"} << true << false;
        QTest::newRow("reference of 5") << 2 << "NM047" << QStringList() << false << true;
        QTest::newRow("reference of 4")
            << 2 << "NM04" << QStringList{"5 caracteres maxi pour la référence ex: MN047"} << false << false;
        QTest::newRow("reference of 6")
            << 2 << "NM0471" << QStringList{"5 caracteres maxi pour la référence ex: MN047"} << false << false;
        QTest::newRow("empty reference")
            << 2 << "" << QStringList{"5 caracteres maxi pour la référence ex: MN047"} << false << false;
        QTest::newRow("province") << 3 << "NM" << QStringList() << false << true;
        QTest::newRow("one letter province searches") << 3 << "N" << QStringList() << false << true;
        QTest::newRow("province of 3") << 3 << "NMX" << QStringList{"2 caracteres maxi pour la province"} << false << false;
        QTest::newRow("empty province") << 3 << "" << QStringList{"Entrez une province"} << true << false;
    }
    void enterChecks() {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(bool, clear);
        QFETCH(bool, search);
        const search::EnterCheck c = box == 1   ? search::enterIndica(text)
                                     : box == 2 ? search::enterData(text)
                                                : search::enterDepa(text);
        QCOMPARE(c.messages, messages);
        QCOMPARE(c.clearBox, clear);
        QCOMPARE(c.search, search);
    }

    void linesOfRow() {
        const QString row = search::resultRow(Main[3]);
        QCOMPARE(search::linesOfRow(Main, row), QList<int>{3});
        // After a reload the number may name another QSO, or none.
        QCOMPARE(search::linesOfRow(Main.mid(0, 3), row), QList<int>());
        QStringList longer;
        for (int i = 1; i <= 40; ++i) longer << disp(i, "F1A", "NM001");
        QCOMPARE(search::linesOfRow(longer, search::resultRow(disp(4, "X", "AN001"))), QList<int>{3});
        QCOMPARE(search::linesOfRow(longer, search::resultRow(disp(40, "X", "AN001"))), QList<int>{39});
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
