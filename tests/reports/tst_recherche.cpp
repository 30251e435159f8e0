// The search window driven as an operator would: typing, Enter, the options, the double click.
#include "reports/recherchewindow.h"
#include "reports/search.h"
#include "tests/common/fakes.h"
#include "tests/reports/reportfixtures.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kastlog;

namespace {
QString disp(int n, const QString &call, const QString &ref) {
    auto pad = [](const QString &s, int w) { return s.leftJustified(w, QLatin1Char(' '), true); };
    return (QLatin1Char(' ') + QString::number(n)).rightJustified(5) + QStringLiteral("  ") + pad(call, 12) +
           QStringLiteral("  ") + ref.left(2) + QStringLiteral("   ") + pad(QStringLiteral("JEAN"), 15) +
           QStringLiteral(" ") + ref + QStringLiteral("  19/07/08  14:05  SSB  14 Mhz   59   57  ") +
           pad(QStringLiteral("CHATEAU"), 30) + QStringLiteral("   ");
}

struct Rig {
    test::FakeMessageBox box;
    test::FakeMainList main;
    Services s;
    QPointer<RechercheIndicatif> w;
    Rig() {
        main.lines = {disp(1, "ON4ABC", "NM047"), disp(2, "F1XYZ/P", "LG003"), disp(3, "DL1ABC", "NM047"),
                      disp(4, "PA0ZZ", "AN001")};
        s.messages = &box;
        w = new RechercheIndicatif(s, main);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    ~Rig() { delete w; }
    template <class T> T *child(const char *name) const { return w->findChild<T *>(QLatin1String(name)); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QStringList results() const {
        QStringList out;
        auto *l = child<QListWidget>("QSO_Effectues");
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text().left(5);
        return out;
    }
    void type(const char *box, const QString &text) {
        QLineEdit *e = edit(box);
        e->setFocus();
        QTest::keyClicks(e, text);
    }
    void enter(const char *box) { QTest::keyClick(edit(box), Qt::Key_Return); }
};
}  // namespace

class TestRecherche : public QObject {
    Q_OBJECT
private slots:
    void opens() {
        Rig r;
        QCOMPARE(r.w->objectName(), QStringLiteral("Recherche_Indicatif"));
        QCOMPARE(r.w->windowTitle(), QStringLiteral("Rechercher un QSO"));
        QCOMPARE(r.child<QLabel>("Label3")->text(), QStringLiteral("Rechercher un QSO par ..."));
        QCOMPARE(r.child<QLabel>("Label13")->text(), search::Header);
        QVERIFY(r.child<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(r.child<QRadioButton>("Option1_2")->text(), QStringLiteral("N° DNJ"));
        QCOMPARE(r.child<QRadioButton>("Option1_3")->text(), QStringLiteral("Prov"));
        QCOMPARE(QApplication::focusWidget(), r.edit("Indica"));
        QCOMPARE(r.child<QListWidget>("QSO_Effectues")->toolTip(),
                 QStringLiteral("Double clique sur le QSO pour retour au log"));
        for (const char *b : {"Indica", "Data", "Depa"}) QCOMPARE(ui::background(r.edit(b)), QColor(255, 255, 192));
    }

    void lowerCaseTypedBecomesCapitalsAndIsFound() {
        Rig r;
        r.type("Indica", QStringLiteral("abc"));
        QCOMPARE(r.edit("Indica")->text(), QStringLiteral("ABC"));
        r.enter("Indica");
        QCOMPARE(r.results(), (QStringList{"    1", "    3"}));
        QVERIFY(r.box.shown.isEmpty());
        QVERIFY(r.edit("Indica")->text().isEmpty());
    }

    void slashIsKept() {
        Rig r;
        r.type("Indica", QStringLiteral("z/p"));
        QCOMPARE(r.edit("Indica")->text(), QStringLiteral("Z/P"));
        r.enter("Indica");
        QCOMPARE(r.results(), QStringList{"    2"});
    }

    void messages_data() {
        QTest::addColumn<QString>("option");  // button clicked first
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("empty call sign") << "Option1_1" << "Indica" << "" << QStringList{"Entrez un indicatif"} << "";
        QTest::newRow("13 characters, then nothing found")
            << "Option1_1" << "Indica" << "abcdefghijklm"
            << QStringList{"12 caracteres maxi pour l'indicatif", "Pas de QSO trouvé"} << "";
        QTest::newRow("reference too short") << "Option1_2" << "Data" << "nm04"
                                             << QStringList{"5 caracteres maxi pour la référence ex: MN047"} << "NM04";
        QTest::newRow("empty reference") << "Option1_2" << "Data" << ""
                                         << QStringList{"5 caracteres maxi pour la référence ex: MN047"} << "";
        QTest::newRow("province too long") << "Option1_3" << "Depa" << "nmx"
                                           << QStringList{"2 caracteres maxi pour la province"} << "NMX";
        QTest::newRow("empty province") << "Option1_3" << "Depa" << "" << QStringList{"Entrez une province"} << "";
        QTest::newRow("province not found") << "Option1_3" << "Depa" << "n" << QStringList{"Pas de QSO trouvé"} << "";
        QTest::newRow("reference option, Enter in the call-sign box")
            << "Option1_2" << "Indica" << "on4" << QStringList{"Entrez une référence"} << "ON4";
    }
    void messages() {
        QFETCH(QString, option);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(QString, boxAfter);
        Rig r;
        r.child<QRadioButton>(option.toLatin1().constData())->setChecked(true);
        const QByteArray b = box.toLatin1();
        r.type(b.constData(), text);
        r.enter(b.constData());
        QCOMPARE(r.box.shown, messages);
        QCOMPARE(r.edit(b.constData())->text(), boxAfter);
    }

    void referenceAndProvince() {
        Rig r;
        QTest::mouseClick(r.edit("Data"), Qt::LeftButton);
        QVERIFY(r.child<QRadioButton>("Option1_2")->isChecked());
        r.type("Data", QStringLiteral("nm047"));
        r.enter("Data");
        QCOMPARE(r.results(), (QStringList{"    1", "    3"}));
        QTest::mouseClick(r.edit("Depa"), Qt::LeftButton);
        QVERIFY(r.child<QRadioButton>("Option1_3")->isChecked());
        r.type("Depa", QStringLiteral("an"));
        r.enter("Depa");
        QCOMPARE(r.results(), QStringList{"    4"});
    }

    void optionMovesTheFocus_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("box");
        QTest::newRow("N° DNJ") << "Option1_2" << "Data";
        QTest::newRow("Prov") << "Option1_3" << "Depa";
    }
    void optionMovesTheFocus() {
        QFETCH(QString, option);
        QFETCH(QString, box);
        Rig r;
        auto *button = r.child<QRadioButton>(option.toLatin1().constData());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));  // on its indicator
        QVERIFY(r.child<QRadioButton>(option.toLatin1().constData())->isChecked());
        QCOMPARE(QApplication::focusWidget(), r.edit(box.toLatin1().constData()));
    }

    void doubleClickSelectsInMainListAndCloses() {
        Rig r;
        r.type("Indica", QStringLiteral("DL1"));
        r.enter("Indica");
        auto *list = r.child<QListWidget>("QSO_Effectues");
        QCOMPARE(list->count(), 1);
        const QRect rect = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(r.main.selected, QList<int>{2});
        QTRY_VERIFY(r.w.isNull());
    }

    // The link is the QSO number: after a reload the number may name no line any more.
    void doubleClickAfterReloadSelectsByNumber() {
        Rig r;
        r.type("Indica", QStringLiteral("PA0"));
        r.enter("Indica");
        r.main.lines.removeLast();
        auto *list = r.child<QListWidget>("QSO_Effectues");
        r.w->QSO_Effectues_DblClick(list->item(0));
        QVERIFY(r.main.selected.isEmpty());
        QTRY_VERIFY(r.w.isNull());
    }

    void quitterCloses() {
        Rig r;
        QTest::mouseClick(r.child<QPushButton>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(r.w.isNull());
    }
};

QTEST_MAIN(TestRecherche)
#include "tst_recherche.moc"
