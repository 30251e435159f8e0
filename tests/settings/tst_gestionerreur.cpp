// The form `Gestion_erreur`: its texts, "Initialiser", and Quitter told apart from a close.
#include "settings/gestionerreurdialog.h"
#include "settings/settings.h"
#include "tests/common/testdirs.h"
#include "ui/services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace kastlog;
using kastlog::test::TestDirs;

class TestGestionErreur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kastlog::test::isolateUserDirectories(); }
    void init();

    void fixedTexts_data();
    void fixedTexts();
    void callSignRowsAndLayout();
    void placeholderWhenNothingStored();
    void initialiserWritesThePlaceholderOnly();
    void quitterEndsTheRun();
    void closeByTheFrameIsNotQuitter();
    void escapeIsNotQuitter();

private:
    std::unique_ptr<TestDirs> m_dirs;
    std::unique_ptr<Settings> m_settings;
    Services m_s;
};

void TestGestionErreur::init() {
    m_dirs = std::make_unique<TestDirs>();
    m_settings = std::make_unique<Settings>(m_dirs->configPath());
    m_s = Services();
    m_s.dataDir = m_dirs->dataDir();
    m_s.settings = m_settings.get();
    m_settings->setIndicatifStation(QStringLiteral("Q1ABC"));
    m_settings->setBandeUtilisee(QStringLiteral("Q1ABC"), 4);
}

void TestGestionErreur::fixedTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label2") << "Label2" << "ERREUR 53";
    QTest::newRow("Label3") << "Label3"
                            << QString::fromUtf8("KASTLOG a trouvé dans la base de registre l'indicatif  : ");
    QTest::newRow("Label6") << "Label6"
                            << QString::fromUtf8("Il n'a par contre pas trouvé dans son répértoire le fichier :");
    QTest::newRow("Label7") << "Label7"
                            << QString::fromUtf8("Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\"");
    QTest::newRow("Label1") << "Label1" << "Relancez KASTLOG ";
    QTest::newRow("Label9") << "Label9"
                            << QString::fromUtf8("une boite de dialogue vous demandera alors de spécifier votre indicatif");
    QTest::newRow("Initialisation") << "Initialisation" << "Initialiser";
    QTest::newRow("Quitter") << "Quitter" << "Quitter";
}

void TestGestionErreur::fixedTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    GestionErreurDialog d(m_s);
    QCOMPARE(d.windowTitle(), QStringLiteral("Gestion erreur 53"));
    QWidget *w = d.findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto *l = qobject_cast<QLabel *>(w)) QCOMPARE(l->text(), text);
    else QCOMPARE(qobject_cast<QPushButton *>(w)->text(), text);
}

void TestGestionErreur::callSignRowsAndLayout() {
    GestionErreurDialog d(m_s);
    d.setErrDepartement(QStringLiteral("_DNJ.log"));
    d.show();
    QCOMPARE(d.Ind_Station->text(), QStringLiteral("Q1ABC"));
    QCOMPARE(d.Ind_Station1->text(), QStringLiteral("Q1ABC"));
    QCOMPARE(d.Err_Departement->text(), QStringLiteral("_DNJ.log"));
    QCOMPARE(d.Label2->font().pointSizeF(), 13.5);
    QVERIFY(d.Label2->font().bold());
    QVERIFY(d.Label3->alignment() & Qt::AlignRight);
    QVERIFY(d.Ind_Station1->alignment() & Qt::AlignRight);
    QVERIFY(d.Err_Departement->alignment() & Qt::AlignLeft);
    // One row each: the call sign beside its caption, the file name read as one piece.
    QCOMPARE(d.Ind_Station->y(), d.Label3->y());
    QVERIFY(d.Ind_Station->x() >= d.Label3->x() + d.Label3->width());
    QCOMPARE(d.Err_Departement->y(), d.Ind_Station1->y());
    QCOMPARE(d.Err_Departement->x(), d.Ind_Station1->x() + d.Ind_Station1->width());
    // Top to bottom in the listed order, "Initialiser" left of "Quitter".
    const QList<QWidget *> order{d.Label2, d.Label3, d.Label6, d.Ind_Station1, d.Label7,
                                 d.Label1, d.Label9, d.Initialisation};
    for (int i = 1; i < order.size(); ++i)
        QVERIFY2(order[i]->y() > order[i - 1]->y(), qPrintable(order[i]->objectName()));
    QCOMPARE(d.Quitter->y(), d.Initialisation->y());
    QVERIFY(d.Quitter->x() > d.Initialisation->x());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = d.frameGeometry();
    QCOMPARE(frame.x(), area.x() + (area.width() - frame.width()) / 2);
    QCOMPARE(frame.y(), area.y() + (area.height() - frame.height()) / 2);
}

void TestGestionErreur::placeholderWhenNothingStored() {
    TestDirs other;
    Settings empty(other.configPath());
    m_s.settings = &empty;
    GestionErreurDialog d(m_s);
    QCOMPARE(d.Ind_Station->text(), QStringLiteral("FXXXX"));
    QCOMPARE(d.Ind_Station1->text(), QStringLiteral("FXXXX"));
}

void TestGestionErreur::initialiserWritesThePlaceholderOnly() {
    GestionErreurDialog d(m_s);
    d.show();
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(d.Initialisation, Qt::LeftButton);
        QCOMPARE(m_settings->indicatifStation(), QStringLiteral("FXXXX"));
        QVERIFY(d.isVisible());
        QVERIFY(!d.quitRequested());
        m_settings->setIndicatifStation(QStringLiteral("Q1ABC"));  // written again each time
    }
    QCOMPARE(m_settings->bandeUtilisee(QStringLiteral("Q1ABC")), 4);
    // The row keeps showing the station it found.
    QCOMPARE(d.Ind_Station->text(), QStringLiteral("Q1ABC"));
}

void TestGestionErreur::quitterEndsTheRun() {
    GestionErreurDialog d(m_s);
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<GestionErreurDialog *>(QApplication::activeModalWidget());
        if (!dlg) return;
        QTest::mouseClick(dlg->Initialisation, Qt::LeftButton);
        QTest::mouseClick(dlg->Quitter, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &d, &QDialog::reject);
    d.exec();
    QVERIFY(d.quitRequested());
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("FXXXX"));

    // "Quitter" alone leaves the settings as they were.
    m_settings->setIndicatifStation(QStringLiteral("Q1ABC"));
    GestionErreurDialog again(m_s);
    QTimer::singleShot(0, this, [] {
        if (auto *dlg = qobject_cast<GestionErreurDialog *>(QApplication::activeModalWidget()))
            QTest::mouseClick(dlg->Quitter, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &again, &QDialog::reject);
    again.exec();
    QVERIFY(again.quitRequested());
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("Q1ABC"));
}

void TestGestionErreur::closeByTheFrameIsNotQuitter() {
    GestionErreurDialog d(m_s);
    QTimer::singleShot(0, this, [] {
        if (auto *dlg = QApplication::activeModalWidget()) dlg->close();
    });
    QTimer::singleShot(5000, &d, &QDialog::accept);  // would read as "not closed"
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(!d.quitRequested());
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("Q1ABC"));
}

void TestGestionErreur::escapeIsNotQuitter() {
    GestionErreurDialog d(m_s);
    QTimer::singleShot(0, this, [] {
        if (auto *dlg = QApplication::activeModalWidget()) QTest::keyClick(dlg, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, &d, &QDialog::accept);
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QVERIFY(!d.quitRequested());
}

QTEST_MAIN(TestGestionErreur)
#include "tst_gestionerreur.moc"
