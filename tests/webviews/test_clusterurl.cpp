// The cluster window's choices, tokens and page URLs, without any window.
#include "webviews/clusterurl.h"

#include <QtTest>

using namespace kastlog;

class TestClusterUrl : public QObject {
    Q_OBJECT
private slots:
    void choicesInListOrder();
    void pageOfEachPosition_data();
    void pageOfEachPosition();
    void positionOfText_data();
    void positionOfText();
    void hostIsTakenAsGiven_data();
    void hostIsTakenAsGiven();
};

void TestClusterUrl::choicesInListOrder() {
    const QStringList expected = {"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                  "21 Mhz", "24 Mhz",  "28 Mhz",  "50 Mhz",  "144 Mhz", "432 Mhz", "All VHF"};
    QCOMPARE(cluster::bandChoices(), expected);
    QCOMPARE(cluster::ChoiceCount, int(expected.size()));
}

void TestClusterUrl::pageOfEachPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("path");
    QTest::newRow("All HF") << 0 << "HF" << "/dxc/top_250_HF.html";
    QTest::newRow("1.8") << 1 << "1.8" << "/dxc/top_50_1.8_MHz.html";
    QTest::newRow("3.5") << 2 << "3.5" << "/dxc/top_50_3.5_MHz.html";
    QTest::newRow("7.0 gives 7") << 3 << "7" << "/dxc/top_50_7_MHz.html";
    QTest::newRow("10") << 4 << "10" << "/dxc/top_50_10_MHz.html";
    QTest::newRow("14") << 5 << "14" << "/dxc/top_50_14_MHz.html";
    QTest::newRow("18") << 6 << "18" << "/dxc/top_50_18_MHz.html";
    QTest::newRow("21") << 7 << "21" << "/dxc/top_50_21_MHz.html";
    QTest::newRow("24") << 8 << "24" << "/dxc/top_50_24_MHz.html";
    QTest::newRow("28") << 9 << "28" << "/dxc/top_50_28_MHz.html";
    QTest::newRow("50") << 10 << "50" << "/dxc/top_50_50_MHz.html";
    QTest::newRow("144") << 11 << "144" << "/dxc/top_50_144_MHz.html";
    QTest::newRow("432 gives 430") << 12 << "430" << "/dxc/top_50_430_MHz.html";
    QTest::newRow("All VHF") << 13 << "VHF" << "/dxc/top_250_VHF.html";
    QTest::newRow("no choice: empty band page") << -1 << "" << "/dxc/top_50__MHz.html";
    QTest::newRow("past the list: empty band page") << 14 << "" << "/dxc/top_50__MHz.html";
    QTest::newRow("below -1: empty band page") << -2 << "" << "/dxc/top_50__MHz.html";
}

void TestClusterUrl::pageOfEachPosition() {
    QFETCH(int, position);
    QFETCH(QString, token);
    QFETCH(QString, path);
    QCOMPARE(cluster::bandToken(position), token);
    QCOMPARE(cluster::pageUrl(QStringLiteral("dx.example.org"), position), "http://dx.example.org" + path);
}

void TestClusterUrl::positionOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("first") << "All HF" << 0;
    QTest::newRow("band") << "7.0 Mhz" << 3;
    QTest::newRow("432") << "432 Mhz" << 12;
    QTest::newRow("last") << "All VHF" << 13;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("typed text") << "ABC" << -1;
    QTest::newRow("token is no entry") << "430" << -1;
    QTest::newRow("other case") << "all hf" << -1;
    QTest::newRow("trailing blank") << "14 Mhz " << -1;
    QTest::newRow("prefix only") << "14" << -1;
}

void TestClusterUrl::positionOfText() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QCOMPARE(cluster::positionOfText(text), position);
}

void TestClusterUrl::hostIsTakenAsGiven_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("url");
    QTest::newRow("host and port") << "127.0.0.1:8080" << 5 << "http://127.0.0.1:8080/dxc/top_50_14_MHz.html";
    QTest::newRow("group page with port") << "127.0.0.1:8080" << 13 << "http://127.0.0.1:8080/dxc/top_250_VHF.html";
    QTest::newRow("empty host") << "" << 0 << "http:///dxc/top_250_HF.html";
}

void TestClusterUrl::hostIsTakenAsGiven() {
    QFETCH(QString, host);
    QFETCH(int, position);
    QFETCH(QString, url);
    QCOMPARE(cluster::pageUrl(host, position), url);
}

QTEST_APPLESS_MAIN(TestClusterUrl)
#include "test_clusterurl.moc"
