// The three web windows and their openers, over the recording browser fake: the exact URL
// each one asks for, the remembered cluster band, single instances and the modal list.
#include "ui/openers.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "ui/services.h"
#include "webviews/cluster.h"
#include "webviews/listednj1.h"
#include "webviews/reglement.h"
#include "webviews/webwindows.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace kastlog;

namespace {

class FakeStation : public StationInfo {
public:
    QString call = QStringLiteral("F1ABC");
    QString stationCall() const override { return call; }
    QString stationLabelText() const override { return call; }
};

const QString ClusterHost = QStringLiteral("127.0.0.1:7301");
const QString DnjHost = QStringLiteral("127.0.0.1:7302");
const QString BandeCluster = QStringLiteral("bande Cluster");

// Centred on its screen, give or take the frame the platform draws around it.
bool centred(const QWidget *w) {
    const QPoint off = w->frameGeometry().center() - w->screen()->geometry().center();
    return qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4;
}

}  // namespace

class TestWebWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }
    void init();
    void cleanup();

    void clusterLayout();
    void clusterFirstOpeningShowsAllHf();
    void clusterRestoresRememberedBand_data();
    void clusterRestoresRememberedBand();
    void clusterChoiceWaitsForAfficher_data();
    void clusterChoiceWaitsForAfficher();
    void clusterTypedText_data();
    void clusterTypedText();
    void clusterBandIsKeptPerStation();
    void clusterWritesIntoTheCurrentStation();
    void pageWindows_data();
    void pageWindows();
    void hostsComeFromTheCommonSection();
    void defaultHosts();
    void openersKeepOneInstance_data();
    void openersKeepOneInstance();
    void listeDnjBlocksUntilClosed();
    void reglementAndClusterDoNotBlock();

private:
    Cluster *openCluster();
    QString stored(const QString &call) const {
        return m_settings->value(Settings::stationSection(call), BandeCluster, QStringLiteral("<absent>"));
    }
    static QComboBox *combo(QWidget *w) { return w->findChild<QComboBox *>(QStringLiteral("Bande_CL")); }
    static QPushButton *afficher(QWidget *w) { return w->findChild<QPushButton *>(QStringLiteral("Afficher")); }

    std::unique_ptr<test::TestDirs> m_dirs;
    std::unique_ptr<Settings> m_settings;
    test::FakeMessageBox m_messages;
    test::FakeBrowserFactory m_browser;
    FakeStation m_station;
    Services m_services;
    std::unique_ptr<Cluster> m_cluster;
};

void TestWebWindows::init() {
    m_dirs = std::make_unique<test::TestDirs>();
    m_settings = std::make_unique<Settings>(m_dirs->configPath());
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur Cluster"), ClusterHost);
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur DNJ"), DnjHost);
    m_messages.clear();
    m_browser.urls.clear();
    m_browser.created = 0;
    m_station.call = QStringLiteral("F1ABC");
    m_services = Services{};
    m_services.dataDir = m_dirs->dataDir();
    m_services.settings = m_settings.get();
    m_services.messages = &m_messages;
    m_services.browser = &m_browser;
}

void TestWebWindows::cleanup() {
    m_cluster.reset();
    // These windows never speak to the operator through a message box.
    QCOMPARE(m_messages.shown, QStringList());
    m_settings.reset();
    m_dirs.reset();
}

Cluster *TestWebWindows::openCluster() {
    m_cluster = std::make_unique<Cluster>(m_services, m_station);
    m_cluster->show();
    return m_cluster.get();
}

void TestWebWindows::clusterLayout() {
    Cluster *w = openCluster();
    QCOMPARE(w->objectName(), QStringLiteral("Cluster"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Cluster"));
    QCOMPARE(w->size(), QSize(768, 616));  // 11520 x 9240 twips

    auto *label2 = w->findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(label2);
    QCOMPARE(label2->text(), QStringLiteral("Cluster (DxCluster)"));
    QCOMPARE(label2->font().pointSizeF(), 13.5);
    QVERIFY(label2->font().bold());
    auto *label3 = w->findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(label3);
    QCOMPARE(label3->text(), QStringLiteral("Bande"));
    auto *label1 = w->findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label1);
    QCOMPARE(label1->text(), QStringLiteral("Cluster remis a jour toutes les minutes"));
    QVERIFY(afficher(w));
    QCOMPARE(afficher(w)->text(), QStringLiteral("Afficher"));

    QComboBox *band = combo(w);
    QVERIFY(band);
    QVERIFY(band->isEditable());
    QCOMPARE(band->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(band->count(), 14);
    QCOMPARE(band->itemText(12), QStringLiteral("432 Mhz"));

    QWidget *view = w->findChild<QWidget *>(QStringLiteral("WebBrowser1"));
    QVERIFY(view);
    QCOMPARE(view->size(), QSize(753, 553));  // 11295 x 8295 twips
    QVERIFY(view->geometry().bottom() < label1->geometry().top());
    QVERIFY(view->geometry().top() > label2->geometry().top());
    QVERIFY(QRect(QPoint(0, 0), w->size()).contains(view->geometry()));

    QVERIFY(centred(w));
}

void TestWebWindows::clusterFirstOpeningShowsAllHf() {
    QCOMPARE(stored(m_station.call), QStringLiteral("<absent>"));
    Cluster *w = openCluster();
    QCOMPARE(combo(w)->currentIndex(), 0);
    QCOMPARE(combo(w)->currentText(), QStringLiteral("All HF"));
    QCOMPARE(m_browser.created, 1);
    QCOMPARE(m_browser.urls, QStringList{"http://" + ClusterHost + "/dxc/top_250_HF.html"});
    QCOMPARE(stored(m_station.call), QStringLiteral("0"));  // stored as soon as it is shown
}

void TestWebWindows::clusterRestoresRememberedBand_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("14 Mhz") << "5" << 5 << "14 Mhz" << "/dxc/top_50_14_MHz.html" << "5";
    QTest::newRow("7.0 Mhz") << "3" << 3 << "7.0 Mhz" << "/dxc/top_50_7_MHz.html" << "3";
    QTest::newRow("432 Mhz") << "12" << 12 << "432 Mhz" << "/dxc/top_50_430_MHz.html" << "12";
    QTest::newRow("All VHF") << "13" << 13 << "All VHF" << "/dxc/top_250_VHF.html" << "13";
    QTest::newRow("All HF") << "0" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
    QTest::newRow("none selected") << "-1" << -1 << "" << "/dxc/top_50__MHz.html" << "-1";
    QTest::newRow("past the list") << "14" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
    QTest::newRow("far past the list") << "27" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
    QTest::newRow("below -1") << "-2" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
    QTest::newRow("not a number") << "abc" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
    QTest::newRow("empty text") << "" << 0 << "All HF" << "/dxc/top_250_HF.html" << "0";
}

void TestWebWindows::clusterRestoresRememberedBand() {
    QFETCH(QString, remembered);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, storedAfter);
    m_settings->setValue(Settings::stationSection(m_station.call), BandeCluster, remembered);
    Cluster *w = openCluster();
    QCOMPARE(combo(w)->currentIndex(), index);
    QCOMPARE(combo(w)->currentText(), text);
    QCOMPARE(m_browser.urls, QStringList{"http://" + ClusterHost + path});
    QCOMPARE(stored(m_station.call), storedAfter);
}

void TestWebWindows::clusterChoiceWaitsForAfficher_data() {
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("1.8 Mhz") << 1 << "/dxc/top_50_1.8_MHz.html" << "1";
    QTest::newRow("7.0 Mhz") << 3 << "/dxc/top_50_7_MHz.html" << "3";
    QTest::newRow("432 Mhz") << 12 << "/dxc/top_50_430_MHz.html" << "12";
    QTest::newRow("All VHF") << 13 << "/dxc/top_250_VHF.html" << "13";
}

void TestWebWindows::clusterChoiceWaitsForAfficher() {
    QFETCH(int, downs);
    QFETCH(QString, path);
    QFETCH(QString, storedAfter);
    Cluster *w = openCluster();
    QComboBox *band = combo(w);
    band->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(band, Qt::Key_Down);
    QCOMPARE(band->currentIndex(), downs);
    // Choosing alone asks for nothing and stores nothing.
    QCOMPARE(m_browser.urls.size(), 1);
    QCOMPARE(stored(m_station.call), QStringLiteral("0"));

    QTest::mouseClick(afficher(w), Qt::LeftButton);
    QCOMPARE(m_browser.urls.size(), 2);
    QCOMPARE(m_browser.urls.last(), "http://" + ClusterHost + path);
    QCOMPARE(stored(m_station.call), storedAfter);
    QCOMPARE(m_browser.created, 1);  // the same control navigates again

    // Shown again without a change: the same page is asked for once more.
    QTest::mouseClick(afficher(w), Qt::LeftButton);
    QCOMPARE(m_browser.urls, (QStringList{m_browser.urls.first(), m_browser.urls.last(), m_browser.urls.last()}));
}

void TestWebWindows::clusterTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("path");
    QTest::newRow("no entry") << "ABC" << -1 << "/dxc/top_50__MHz.html";
    QTest::newRow("a token is no entry") << "430" << -1 << "/dxc/top_50__MHz.html";
    QTest::newRow("an entry typed out") << "432 Mhz" << 12 << "/dxc/top_50_430_MHz.html";
    QTest::newRow("an entry inside other text") << "xyz 14 Mhz" << -1 << "/dxc/top_50__MHz.html";
    QTest::newRow("the start of an entry") << "14" << -1 << "/dxc/top_50__MHz.html";
}

void TestWebWindows::clusterTypedText() {
    QFETCH(QString, typed);
    QFETCH(int, position);
    QFETCH(QString, path);
    m_settings->setValue(Settings::stationSection(m_station.call), BandeCluster, QStringLiteral("5"));
    Cluster *w = openCluster();
    w->activateWindow();  // the focus moves between its controls as for the operator
    (void)QTest::qWaitForWindowActive(w, 1000);
    QLineEdit *edit = combo(w)->lineEdit();
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, typed);
    QCOMPARE(combo(w)->currentText(), typed);
    afficher(w)->setFocus();  // as a real click does: the typed text loses the focus
    QTest::mouseClick(afficher(w), Qt::LeftButton);
    QCOMPARE(m_browser.urls.last(), "http://" + ClusterHost + path);
    QCOMPARE(stored(m_station.call), QString::number(position));

    // Next opening: the same choice is restored and the same page asked for.
    m_cluster.reset();
    m_browser.urls.clear();
    w = openCluster();
    QCOMPARE(combo(w)->currentIndex(), position);
    QCOMPARE(combo(w)->currentText(), position < 0 ? QString() : typed);
    QCOMPARE(m_browser.urls, QStringList{"http://" + ClusterHost + path});
}

void TestWebWindows::clusterBandIsKeptPerStation() {
    m_settings->setValue(Settings::stationSection(QStringLiteral("F1ABC")), BandeCluster, QStringLiteral("5"));
    m_settings->setValue(Settings::stationSection(QStringLiteral("ON4XY_P")), BandeCluster, QStringLiteral("12"));
    openCluster();
    QCOMPARE(m_browser.urls.last(), "http://" + ClusterHost + "/dxc/top_50_14_MHz.html");
    m_cluster.reset();

    m_station.call = QStringLiteral("ON4XY_P");
    openCluster();
    QCOMPARE(m_browser.urls.last(), "http://" + ClusterHost + "/dxc/top_50_430_MHz.html");
    m_cluster.reset();

    m_station.call = QStringLiteral("F5NEW");  // never opened the window
    openCluster();
    QCOMPARE(m_browser.urls.last(), "http://" + ClusterHost + "/dxc/top_250_HF.html");
    QCOMPARE(stored(QStringLiteral("F1ABC")), QStringLiteral("5"));
    QCOMPARE(stored(QStringLiteral("ON4XY_P")), QStringLiteral("12"));
    QCOMPARE(stored(QStringLiteral("F5NEW")), QStringLiteral("0"));
}

void TestWebWindows::clusterWritesIntoTheCurrentStation() {
    Cluster *w = openCluster();
    // The station dialog changes the call sign while the window stays open.
    m_station.call = QStringLiteral("F2NEW");
    combo(w)->setFocus();
    QTest::keyClick(combo(w), Qt::Key_Down);
    QTest::mouseClick(afficher(w), Qt::LeftButton);
    QCOMPARE(stored(QStringLiteral("F2NEW")), QStringLiteral("1"));
    QCOMPARE(stored(QStringLiteral("F1ABC")), QStringLiteral("0"));
}

void TestWebWindows::pageWindows_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("browser");
    QTest::addColumn<QString>("url");
    // 15 twips a pixel: 13800 x 9045, browser 0,120,13695,9015; 11475 x 9045, browser 0,0,11535,9015.
    QTest::newRow("rules") << "Reglement" << "Reglement" << QStringLiteral("Règlement") << QSize(920, 603)
                           << QRect(0, 8, 913, 601) << "http://" + DnjHost + "/reglement_chateau.html";
    QTest::newRow("active castles") << "Liste_DNJ1" << "Liste_DNJ1" << QStringLiteral("Liste des châteaux Belges")
                                    << QSize(765, 603) << QRect(0, 0, 769, 601)
                                    << "http://" + DnjHost + "/chateau_active.html";
}

void TestWebWindows::pageWindows() {
    QFETCH(QString, which);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QRect, browser);
    QFETCH(QString, url);
    std::unique_ptr<PageWindow> w;
    if (which == QLatin1String("Reglement")) w = std::make_unique<Reglement>(m_services);
    else w = std::make_unique<Liste_DNJ1>(m_services);
    QCOMPARE(w->objectName(), objectName);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    QWidget *view = w->findChild<QWidget *>(QStringLiteral("WebBrowser1"));
    QVERIFY(view);
    QCOMPARE(view->geometry(), browser);
    QCOMPARE(m_browser.created, 1);
    QCOMPARE(m_browser.urls, QStringList{url});  // once, at load
    QCOMPARE(w->url(), url);
    w->show();
    QVERIFY(!w->isModal());
    QVERIFY(centred(w.get()));
}

void TestWebWindows::hostsComeFromTheCommonSection() {
    // A host written into a station's own section is not the one used.
    m_settings->setValue(Settings::stationSection(m_station.call), QStringLiteral("Serveur Cluster"),
                         QStringLiteral("wrong.example"));
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur Cluster"), QStringLiteral("dx.example:8000"));
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur DNJ"), QStringLiteral("award.example"));
    openCluster();
    Reglement rules(m_services);
    Liste_DNJ1 list(m_services);
    QCOMPARE(m_browser.urls, (QStringList{"http://dx.example:8000/dxc/top_250_HF.html",
                                          "http://award.example/reglement_chateau.html",
                                          "http://award.example/chateau_active.html"}));
}

void TestWebWindows::defaultHosts() {
    // Nothing stored: both windows go to the program's own default servers.
    Settings fresh(m_dirs->path(QStringLiteral("fresh.conf")));
    Services s = m_services;
    s.settings = &fresh;
    Cluster cluster(s, m_station);
    Reglement rules(s);
    QCOMPARE(m_browser.urls, (QStringList{"http://" + DefaultServeurCluster + "/dxc/top_250_HF.html",
                                          "http://" + DefaultServeurDnj + "/reglement_chateau.html"}));
    QVERIFY(!DefaultServeurCluster.isEmpty() && !DefaultServeurDnj.isEmpty());
}

void TestWebWindows::openersKeepOneInstance_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("objectName");
    QTest::newRow("cluster") << "cluster" << "Cluster";
    QTest::newRow("rules") << "reglement" << "Reglement";
}

void TestWebWindows::openersKeepOneInstance() {
    QFETCH(QString, which);
    QFETCH(QString, objectName);
    QWidget main;
    main.show();
    Openers o;
    addWebOpeners(o, m_services, m_station, &main);
    QVERIFY(o.cluster && o.reglement && o.listeDnj);
    QCOMPARE(bool(o.adif), false);  // the other openers are not ours
    std::function<void()> open = which == QLatin1String("cluster") ? o.cluster : o.reglement;

    open();
    QList<QWidget *> windows = main.findChildren<QWidget *>(objectName, Qt::FindDirectChildrenOnly);
    QCOMPARE(windows.size(), 1);
    QPointer<QWidget> first = windows.first();
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));

    // Opened again while open: the same window comes forward, the page is not asked again.
    open();
    QCOMPARE(main.findChildren<QWidget *>(objectName, Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(m_browser.created, 1);
    QCOMPARE(m_browser.urls.size(), 1);

    // Closed, it is gone; opened again it loads anew.
    first->close();
    QTRY_VERIFY(first.isNull());
    open();
    windows = main.findChildren<QWidget *>(objectName, Qt::FindDirectChildrenOnly);
    QCOMPARE(windows.size(), 1);
    QCOMPARE(m_browser.created, 2);
    QCOMPARE(m_browser.urls.size(), 2);
    QCOMPARE(m_browser.urls.at(1), m_browser.urls.at(0));
}

void TestWebWindows::listeDnjBlocksUntilClosed() {
    QWidget main;
    main.show();
    Openers o;
    addWebOpeners(o, m_services, m_station, &main);

    QPointer<QWidget> seen;
    bool wasModal = false;
    bool returned = false;
    bool returnedWhileOpen = true;
    QString urlWhileOpen;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        if (seen) wasModal = seen->objectName() == QLatin1String("Liste_DNJ1") && seen->isVisible();
        returnedWhileOpen = returned;
        urlWhileOpen = m_browser.urls.value(0);
        if (seen) seen->close();
    });
    o.listeDnj();  // returns only once the list has been closed
    returned = true;
    QVERIFY(!returnedWhileOpen);
    QVERIFY(wasModal);
    QCOMPARE(urlWhileOpen, "http://" + DnjHost + "/chateau_active.html");
    QTRY_VERIFY(seen.isNull());  // deleted on close
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // And again: a new window, the page asked for anew.
    QTimer::singleShot(0, [&] { if (QWidget *m = QApplication::activeModalWidget()) m->close(); });
    o.listeDnj();
    QCOMPARE(m_browser.urls.size(), 2);
    QCOMPARE(m_browser.created, 2);
}

void TestWebWindows::reglementAndClusterDoNotBlock() {
    QWidget main;
    main.show();
    Openers o;
    addWebOpeners(o, m_services, m_station, &main);
    o.reglement();  // returns at once, the window still open
    o.cluster();
    auto *rules = main.findChild<QWidget *>(QStringLiteral("Reglement"));
    auto *cluster = main.findChild<QWidget *>(QStringLiteral("Cluster"));
    QVERIFY(rules && rules->isVisible());
    QVERIFY(cluster && cluster->isVisible());
    QCOMPARE(rules->windowModality(), Qt::NonModal);
    QCOMPARE(cluster->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m_browser.urls.size(), 2);
}

QTEST_MAIN(TestWebWindows)
#include "test_webwindows.moc"
