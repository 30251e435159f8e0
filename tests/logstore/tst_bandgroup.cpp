// The band groups and the search for a castle already contacted in a group.
#include "logstore/bandgroup.h"
#include "logstore/record.h"

#include <QtTest>

using namespace kastlog;

Q_DECLARE_METATYPE(kastlog::BandGroup)

namespace {
QString line(const QString &ref, const QString &band, const QString &date) {
    QsoFields q;
    q.call = QStringLiteral("ON4XYZ");
    q.reference = ref;
    q.province = ref.left(2);
    q.date = date;
    q.time = QStringLiteral("12:00");
    q.mode = QStringLiteral("SSB");
    q.band = band;
    q.rstReceived = q.rstSent = QStringLiteral("59");
    return formatRecord(q);
}
}  // namespace

class TestBandGroup : public QObject {
    Q_OBJECT
private slots:
    void groups_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<BandGroup>("group");
        for (const char *hf : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz"})
            QTest::newRow(hf) << QString::fromLatin1(hf) << BandGroup::HF;
        QTest::newRow("144 Mhz") << "144 Mhz" << BandGroup::VHF;
        QTest::newRow("432 Mhz") << "432 Mhz" << BandGroup::UHF;
        QTest::newRow("10 Mhz") << "10 Mhz" << BandGroup::None;
        QTest::newRow("other case") << "14 MHz" << BandGroup::None;
        QTest::newRow("typed label") << "14" << BandGroup::None;
        QTest::newRow("blank around a label itself") << " 14 Mhz" << BandGroup::None;
        QTest::newRow("empty") << "" << BandGroup::None;
        QTest::newRow("1296 Mhz") << "1296 Mh" << BandGroup::None;
    }
    void groups() {
        QFETCH(QString, label);
        QFETCH(BandGroup, group);
        QCOMPARE(bandGroup(label), group);
    }

    void lineGroupTrimsTheBand() {
        QCOMPARE(lineBandGroup(line(QStringLiteral("NM047"), QStringLiteral("14 Mhz"), QStringLiteral("12/07/08"))), BandGroup::HF);
        QCOMPARE(lineBandGroup(line(QStringLiteral("NM047"), QStringLiteral("144 Mhz"), QStringLiteral("12/07/08"))), BandGroup::VHF);
        QCOMPARE(lineBandGroup(QStringLiteral("short line")), BandGroup::None);
        QCOMPARE(bandGroupName(BandGroup::HF), QStringLiteral("HF"));
        QCOMPARE(bandGroupName(BandGroup::VHF), QStringLiteral("VHF"));
        QCOMPARE(bandGroupName(BandGroup::UHF), QStringLiteral("UHF"));
        QCOMPARE(bandGroupName(BandGroup::None), QString());
    }

    void search_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("ref");
        QTest::addColumn<QString>("band");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("foundBand");
        const QStringList on14{line("NM047", "14 Mhz", "12/07/08")};
        QTest::newRow("7.0 against 14: both HF") << on14 << "NM047" << "7.0 Mhz" << true << "12/07/08" << "14 Mhz";
        QTest::newRow("144 against 14: VHF is not HF") << on14 << "NM047" << "144 Mhz" << false << "" << "";
        QTest::newRow("21 against 18") << QStringList{line("NM047", "18 Mhz", "01/01/09")} << "NM047" << "21 Mhz" << true
                                       << "01/01/09" << "18 Mhz";
        QTest::newRow("28 against 50: 50 is HF") << QStringList{line("NM047", "50 Mhz", "02/02/09")} << "NM047" << "28 Mhz"
                                                 << true << "02/02/09" << "50 Mhz";
        const QStringList on10{line("NM047", "10 Mhz", "03/03/09")};
        QTest::newRow("14 against 10") << on10 << "NM047" << "14 Mhz" << false << "" << "";
        QTest::newRow("10 against 10: neither has a group") << on10 << "NM047" << "10 Mhz" << true << "03/03/09" << "10 Mhz";
        QTest::newRow("typed label against 10") << on10 << "NM047" << "10 MHZ" << true << "03/03/09" << "10 Mhz";
        QTest::newRow("10 right after another castle on 14")
            << QStringList{line("LG001", "14 Mhz", "01/05/08"), line("NM047", "10 Mhz", "02/05/08")} << "NM047" << "14 Mhz"
            << false << "" << "";
        QTest::newRow("the first of two in HF")
            << QStringList{line("NM047", "3.5 Mhz", "01/05/08"), line("NM047", "14 Mhz", "02/05/08")} << "NM047"
            << "28 Mhz" << true << "01/05/08" << "3.5 Mhz";
        QTest::newRow("the HF one after a VHF one")
            << QStringList{line("NM047", "144 Mhz", "01/05/08"), line("NM047", "14 Mhz", "02/05/08")} << "NM047"
            << "28 Mhz" << true << "02/05/08" << "14 Mhz";
        QTest::newRow("UHF") << QStringList{line("BR010", "432 Mhz", "04/04/10")} << "BR010" << "432 Mhz" << true
                             << "04/04/10" << "432 Mhz";
        QTest::newRow("small letters in the log do not match")
            << QStringList{line("nm047", "14 Mhz", "12/07/08")} << "NM047" << "14 Mhz" << false << "" << "";
        QTest::newRow("other castle") << on14 << "NM048" << "14 Mhz" << false << "" << "";
        QTest::newRow("empty log") << QStringList{} << "NM047" << "14 Mhz" << false << "" << "";
        QTest::newRow("short and empty lines") << QStringList{"", "ON4XYZ", line("NM047", "14 Mhz", "12/07/08")}
                                               << "NM047" << "14 Mhz" << true << "12/07/08" << "14 Mhz";
    }
    void search() {
        QFETCH(QStringList, log);
        QFETCH(QString, ref);
        QFETCH(QString, band);
        QFETCH(bool, found);
        QFETCH(QString, date);
        QFETCH(QString, foundBand);
        const ContactFound f = rechercheChateauContacte(log, ref, bandGroup(band));
        QCOMPARE(f.found, found);
        if (found) {
            QCOMPARE(f.date, date);
            QCOMPARE(f.band, foundBand);
        }
    }
};

QTEST_GUILESS_MAIN(TestBandGroup)
#include "tst_bandgroup.moc"
