// The settings store on disk: sections and keys keep their blanks, values are read and
// written at once, index keys never give a list an invalid selection.
#include "settings/settings.h"
#include "tests/common/testdirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

using kastlog::Settings;
using kastlog::test::TestDirs;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kastlog::test::isolateUserDirectories(); }

    void sectionNames();
    void defaultsOfAFreshStore();
    void reopenedFromDiskKeepsBlanks();
    void setupWithoutBlankIsAnotherSection();
    void nothingIsCached();
    void unchangedValueIsNotWrittenAgain();
    void indexKeys_data();
    void indexKeys();
    void dateAutoIsReturnedAsStored();
    void stationsKeepTheirOwnSections();
    void serversHaveDefaultsAndCanBeChanged();
    void clusterLoginAndCommands();
    void radioIntervalle_data();
    void radioIntervalle();
    void perUserStoreAndProgramDirectory();
};

void TestSettings::sectionNames() {
    QCOMPARE(Settings::commonSection(), QStringLiteral("Setup "));
    QCOMPARE(Settings::stationSection(QStringLiteral("Q1ABC_P")), QStringLiteral("Setup Q1ABC_P"));
    QCOMPARE(Settings::stationSection(QStringLiteral("FXXXX")), QStringLiteral("Setup FXXXX"));
}

void TestSettings::defaultsOfAFreshStore() {
    TestDirs dirs;
    Settings s(dirs.configPath());
    QCOMPARE(s.indicatifStation(), QStringLiteral("FXXXX"));
    QCOMPARE(s.bandeUtilisee(QStringLiteral("FXXXX")), 0);
    QCOMPARE(s.modeUtilise(QStringLiteral("FXXXX")), 0);
    QCOMPARE(s.dateAuto(QStringLiteral("FXXXX")), QStringLiteral("Oui"));
    QCOMPARE(s.bandeCluster(QStringLiteral("FXXXX")), 0);
    QCOMPARE(s.radioRigctld(), QString());  // no radio
    QCOMPARE(s.value(QStringLiteral("Setup "), QStringLiteral("Revision"), QStringLiteral("absent")),
             QStringLiteral("absent"));
    // Reading writes nothing.
    QVERIFY(!QFile::exists(dirs.configPath()));
}

void TestSettings::reopenedFromDiskKeepsBlanks() {
    TestDirs dirs;
    {
        Settings s(dirs.configPath());
        s.setIndicatifStation(QStringLiteral("Q1ABC_P"));
        s.setCheminRepertoire(dirs.dataDir());
        s.setBandeUtilisee(QStringLiteral("Q1ABC_P"), 7);
        s.setModeUtilise(QStringLiteral("Q1ABC_P"), 2);
        s.setDateAuto(QStringLiteral("Q1ABC_P"), QStringLiteral("Non"));
        s.setRevision(QStringLiteral("Q1ABC_P"), QStringLiteral(" 1.0.1"));
        s.setBandeCluster(QStringLiteral("Q1ABC_P"), 13);
    }
    // A store opened afresh on the file, without the typed layer.
    QSettings raw(dirs.configPath(), QSettings::IniFormat);
    QCOMPARE(raw.childGroups().size(), 2);
    QVERIFY(raw.childGroups().contains(QStringLiteral("Setup ")));
    QVERIFY(raw.childGroups().contains(QStringLiteral("Setup Q1ABC_P")));
    raw.beginGroup(QStringLiteral("Setup "));
    QCOMPARE(raw.value(QStringLiteral("Indicatif Station")).toString(), QStringLiteral("Q1ABC_P"));
    QCOMPARE(raw.value(QStringLiteral("Chemin Repertoire")).toString(), dirs.dataDir());
    raw.endGroup();
    raw.beginGroup(QStringLiteral("Setup Q1ABC_P"));
    QCOMPARE(raw.value(QStringLiteral("bande Utilisee")).toString(), QStringLiteral("7"));
    QCOMPARE(raw.value(QStringLiteral("Mode Utilise")).toString(), QStringLiteral("2"));
    QCOMPARE(raw.value(QStringLiteral("Date Auto")).toString(), QStringLiteral("Non"));
    QCOMPARE(raw.value(QStringLiteral("Revision")).toString(), QStringLiteral(" 1.0.1"));
    QCOMPARE(raw.value(QStringLiteral("bande Cluster")).toString(), QStringLiteral("13"));
    raw.endGroup();

    // The text on disk: blanks in section and key names are escaped, not dropped.
    QFile f(dirs.configPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY2(text.contains(QStringLiteral("[Setup%20]")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("[Setup%20Q1ABC_P]")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("bande%20Utilisee=7")));
    QVERIFY(text.contains(QStringLiteral("Indicatif%20Station=Q1ABC_P")));
    QVERIFY(text.contains(QStringLiteral("Revision=\" 1.0.1\"")));

    // And the typed layer on a new object reads the same values back.
    Settings again(dirs.configPath());
    QCOMPARE(again.indicatifStation(), QStringLiteral("Q1ABC_P"));
    QCOMPARE(again.bandeUtilisee(QStringLiteral("Q1ABC_P")), 7);
    QCOMPARE(again.dateAuto(QStringLiteral("Q1ABC_P")), QStringLiteral("Non"));
}

void TestSettings::setupWithoutBlankIsAnotherSection() {
    TestDirs dirs;
    QDir().mkpath(QFileInfo(dirs.configPath()).path());
    {
        QSettings raw(dirs.configPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Setup/Indicatif Station"), QStringLiteral("WRONG"));
        raw.setValue(QStringLiteral("SetupQ1ABC/bande Utilisee"), QStringLiteral("5"));
        raw.setValue(QStringLiteral("Setup  Q1ABC/bande Utilisee"), QStringLiteral("6"));
    }
    Settings s(dirs.configPath());
    QCOMPARE(s.indicatifStation(), QStringLiteral("FXXXX"));
    QCOMPARE(s.bandeUtilisee(QStringLiteral("Q1ABC")), 0);
    s.setIndicatifStation(QStringLiteral("F5RIGHT"));
    QSettings raw(dirs.configPath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Setup/Indicatif Station")).toString(), QStringLiteral("WRONG"));
    QCOMPARE(s.indicatifStation(), QStringLiteral("F5RIGHT"));
}

void TestSettings::nothingIsCached() {
    TestDirs dirs;
    Settings a(dirs.configPath());
    Settings b(dirs.configPath());
    a.setBandeUtilisee(QStringLiteral("ON4XX"), 3);
    QCOMPARE(b.bandeUtilisee(QStringLiteral("ON4XX")), 3);
    // A change made to the file behind the layer's back is seen at the next read.
    {
        QSettings raw(dirs.configPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Setup ON4XX/bande Utilisee"), QStringLiteral("9"));
    }
    QCOMPARE(a.bandeUtilisee(QStringLiteral("ON4XX")), 9);
    // Written at once: on disk before the writer goes away.
    a.setModeUtilise(QStringLiteral("ON4XX"), 1);
    QFile f(dirs.configPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("Mode%20Utilise=1"));
}

// Every start sets the folder and the revision: the same value leaves the file untouched (a
// write would sync it to the disk), another value is written.
void TestSettings::unchangedValueIsNotWrittenAgain() {
    TestDirs dirs;
    const QByteArray handWritten = "[Setup%20]\nChemin%20Repertoire = /data\n";  // blanks the store would not write
    QFile f(dirs.configPath());
    QVERIFY(QDir().mkpath(QFileInfo(dirs.configPath()).path()) && f.open(QIODevice::WriteOnly));
    f.write(handWritten);
    f.close();
    Settings s(dirs.configPath());
    s.setCheminRepertoire(QStringLiteral("/data"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), handWritten);
    f.close();
    s.setCheminRepertoire(QStringLiteral("/other"));
    QCOMPARE(s.value(Settings::commonSection(), QStringLiteral("Chemin Repertoire"), {}), QStringLiteral("/other"));
}

void TestSettings::indexKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    const QString band = QStringLiteral("bande Utilisee");
    const QString mode = QStringLiteral("Mode Utilise");
    const QString cluster = QStringLiteral("bande Cluster");
    QTest::newRow("band 0") << band << "0" << 0;
    QTest::newRow("band 11 (432 Mhz)") << band << "11" << 11;
    QTest::newRow("band -1 (typed text)") << band << "-1" << -1;
    QTest::newRow("band 12 beyond the list") << band << "12" << 0;
    QTest::newRow("band -2") << band << "-2" << 0;
    QTest::newRow("band not a number") << band << "abc" << 0;
    QTest::newRow("band empty") << band << "" << 0;
    QTest::newRow("band decimal") << band << "1.5" << 0;
    QTest::newRow("band number then text") << band << "3x" << 0;
    QTest::newRow("band blanks round") << band << " 4 " << 4;
    QTest::newRow("mode 2 (FM)") << mode << "2" << 2;
    QTest::newRow("mode -1") << mode << "-1" << -1;
    QTest::newRow("mode 3 beyond") << mode << "3" << 0;
    QTest::newRow("mode huge") << mode << "99999999999999999999" << 0;
    QTest::newRow("cluster 13 (All VHF)") << cluster << "13" << 13;
    QTest::newRow("cluster 14 beyond") << cluster << "14" << 0;
    QTest::newRow("cluster -1") << cluster << "-1" << -1;
    QTest::newRow("cluster text") << cluster << "HF" << 0;
}

void TestSettings::indexKeys() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    TestDirs dirs;
    Settings s(dirs.configPath());
    const QString call = QStringLiteral("ON4ABC");
    s.setValue(Settings::stationSection(call), key, stored);
    int got = 0;
    if (key == QLatin1String("bande Utilisee")) got = s.bandeUtilisee(call);
    else if (key == QLatin1String("Mode Utilise")) got = s.modeUtilise(call);
    else got = s.bandeCluster(call);
    QCOMPARE(got, expected);
}

// Milliseconds between two readings of the radio: 500 unless a whole number says otherwise,
// never so short that rigctld is flooded nor so long that the band lags behind.
void TestSettings::radioIntervalle_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("ms");
    QTest::newRow("absent") << QString() << 500;
    QTest::newRow("250") << "250" << 250;
    QTest::newRow("blanks round") << " 1000 " << 1000;
    QTest::newRow("too short") << "20" << 100;
    QTest::newRow("too long") << "60000" << 10000;
    QTest::newRow("not a number") << "0,5 s" << 500;
}

void TestSettings::radioIntervalle() {
    QFETCH(QString, stored);
    TestDirs dirs;
    Settings s(dirs.configPath());
    if (!stored.isNull()) s.setValue(Settings::commonSection(), QStringLiteral("Radio Intervalle"), stored);
    QTEST(s.radioIntervalle(), "ms");
}

void TestSettings::dateAutoIsReturnedAsStored() {
    TestDirs dirs;
    Settings s(dirs.configPath());
    s.setDateAuto(QStringLiteral("ON4ABC"), QStringLiteral("oui"));
    QCOMPARE(s.dateAuto(QStringLiteral("ON4ABC")), QStringLiteral("oui"));
    QCOMPARE(s.dateAuto(QStringLiteral("ON4OTHER")), QStringLiteral("Oui"));
}

void TestSettings::stationsKeepTheirOwnSections() {
    TestDirs dirs;
    Settings s(dirs.configPath());
    s.setBandeUtilisee(QStringLiteral("ON4A"), 4);
    s.setModeUtilise(QStringLiteral("ON4A"), 1);
    s.setBandeUtilisee(QStringLiteral("ON4B"), 10);
    QCOMPARE(s.bandeUtilisee(QStringLiteral("ON4A")), 4);
    QCOMPARE(s.modeUtilise(QStringLiteral("ON4A")), 1);
    QCOMPARE(s.bandeUtilisee(QStringLiteral("ON4B")), 10);
    QCOMPARE(s.modeUtilise(QStringLiteral("ON4B")), 0);
    // Key names are case-sensitive.
    s.setValue(Settings::stationSection(QStringLiteral("ON4C")), QStringLiteral("Bande Utilisee"),
               QStringLiteral("6"));
    QCOMPARE(s.bandeUtilisee(QStringLiteral("ON4C")), 0);
}

void TestSettings::serversHaveDefaultsAndCanBeChanged() {
    TestDirs dirs;
    Settings s(dirs.configPath());
    QCOMPARE(s.serveurCluster(), kastlog::DefaultServeurCluster);
    QCOMPARE(s.serveurDnj(), kastlog::DefaultServeurDnj);
    QVERIFY(!s.serveurCluster().isEmpty() && !s.serveurCluster().contains(QLatin1Char('/')));
    QVERIFY(!s.serveurDnj().isEmpty() && !s.serveurDnj().contains(QLatin1Char('/')));
    s.setValue(QStringLiteral("Setup "), QStringLiteral("Serveur Cluster"), QStringLiteral("dx.example"));
    s.setValue(QStringLiteral("Setup "), QStringLiteral("Serveur DNJ"), QStringLiteral("dnj.example"));
    QCOMPARE(s.serveurCluster(), QStringLiteral("dx.example"));
    QCOMPARE(s.serveurDnj(), QStringLiteral("dnj.example"));
}

// The node's login follows the station while none of its own is given; "sh/dx 50" is sent
// unless the commands are set, even to nothing; the beep is per station and off at first.
void TestSettings::clusterLoginAndCommands() {
    TestDirs dirs;
    Settings s(dirs.configPath());
    QCOMPARE(s.clusterCommandes(), QStringLiteral("sh/dx 50"));
    QCOMPARE(s.clusterIndicatif(QStringLiteral("ON4AB/P")), QStringLiteral("ON4AB/P"));
    s.setClusterIndicatif(QString());
    QCOMPARE(s.clusterIndicatif(QStringLiteral("ON4AB/P")), QStringLiteral("ON4AB/P"));
    s.setClusterIndicatif(QStringLiteral("ON4ZZ"));
    QCOMPARE(s.clusterIndicatif(QStringLiteral("ON4AB/P")), QStringLiteral("ON4ZZ"));
    s.setValue(QStringLiteral("Setup "), QStringLiteral("Cluster Commandes"), QString());
    QCOMPARE(s.clusterCommandes(), QString());
    QCOMPARE(s.signalSonore(QStringLiteral("ON4AB_P")), false);
    s.setSignalSonore(QStringLiteral("ON4AB_P"), true);
    QCOMPARE(s.signalSonore(QStringLiteral("ON4AB_P")), true);
    QCOMPARE(s.signalSonore(QStringLiteral("ON4CD")), false);
}

void TestSettings::perUserStoreAndProgramDirectory() {
    QCoreApplication::setOrganizationName(QStringLiteral("DNJ"));
    QCoreApplication::setApplicationName(QStringLiteral("KASTLOG"));
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY(!config.isEmpty() && !data.isEmpty());

    Settings s;
    QCOMPARE(s.fileName(), config + QStringLiteral("/DNJ/KASTLOG.conf"));
    s.setIndicatifStation(QStringLiteral("ON4USER"));
    QVERIFY(QFile::exists(config + QStringLiteral("/DNJ/KASTLOG.conf")));
    QCOMPARE(Settings().indicatifStation(), QStringLiteral("ON4USER"));

    const QString dir = kastlog::programDirectory();
    QVERIFY2(dir.startsWith(data), qPrintable(dir));
    QVERIFY(QFileInfo(dir).isDir());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
