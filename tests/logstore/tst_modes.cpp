// The three-letter forms of the log's modes: what other programs write (MODE and SUBMODE as
// ADIF 3.1.4 has them, and the import-only or misplaced forms real files hold) and what the
// ADIF export writes back, so that a round trip gives the same form.
#include "logstore/modes.h"

#include <QTest>

using namespace kastlog;

class TstModes : public QObject {
    Q_OBJECT
private slots:
    // `adif` is what the export writes for the form: "MODE" or "MODE/SUBMODE".
    void forms_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("submode");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("adif");
        QTest::newRow("short mode as it is") << "ssb" << "USB" << "SSB" << "SSB";
        QTest::newRow("RTTY") << "RTTY" << "" << "RTY" << "RTTY";
        QTest::newRow("PSK, any submode") << "PSK" << "BPSK63" << "PSK" << "PSK";
        QTest::newRow("PSK31 written as mode (import-only)") << "PSK31" << "" << "PSK" << "PSK";
        QTest::newRow("JT65 with submode") << "JT65" << "JT65B" << "J65" << "JT65";
        QTest::newRow("Olivia, submode with a slash") << "OLIVIA" << "OLIVIA 8/250" << "OLV" << "OLIVIA";
        QTest::newRow("FT4 under MFSK") << "MFSK" << "FT4" << "FT4" << "MFSK/FT4";
        QTest::newRow("FT4 written as mode") << "FT4" << "" << "FT4" << "MFSK/FT4";
        QTest::newRow("JS8 written as mode") << "JS8" << "" << "JS8" << "MFSK/JS8";
        QTest::newRow("other MFSK") << "MFSK" << "MFSK16" << "MFS" << "MFSK";
        QTest::newRow("C4FM under digital voice") << "DIGITALVOICE" << "C4FM" << "C4F" << "DIGITALVOICE/C4FM";
        QTest::newRow("C4FM written as mode (import-only)") << "C4FM" << "" << "C4F" << "DIGITALVOICE/C4FM";
        QTest::newRow("DSTAR written as mode (import-only)") << "DSTAR" << "" << "DST" << "DIGITALVOICE/DSTAR";
        QTest::newRow("FST4W") << "MFSK" << "FST4W" << "F4W" << "MFSK/FST4W";
        // Completed from the ADIF 3.1.4 mode table.
        QTest::newRow("ISCAT") << "ISCAT" << "ISCAT-B" << "ISC" << "ISCAT";
        QTest::newRow("OPERA") << "OPERA" << "OPERA-QSO" << "OPR" << "OPERA";
        QTest::newRow("QRA64") << "QRA64" << "QRA64C" << "Q64" << "QRA64";
        QTest::newRow("WINMOR") << "WINMOR" << "" << "WMR" << "WINMOR";
        QTest::newRow("JT4A written as mode (import-only)") << "JT4A" << "" << "JT4" << "JT4";
        QTest::newRow("GTOR written as mode (import-only)") << "GTOR" << "" << "TOR" << "TOR";
        QTest::newRow("PAX2 written as mode (import-only)") << "PAX2" << "" << "PAX" << "PAX";
        QTest::newRow("unknown long mode") << "FOOBAR" << "" << "" << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void forms() {
        QFETCH(QString, mode);
        QFETCH(QString, submode);
        QFETCH(QString, form);
        QFETCH(QString, adif);
        QCOMPARE(modes::logForm(mode, submode), form);
        if (form.isEmpty()) return;
        const modes::AdifMode back = modes::adifOf(form);
        QCOMPARE(back.submode.isEmpty() ? back.mode : back.mode + u'/' + back.submode, adif);
        QCOMPARE(modes::logForm(back.mode, back.submode), form);
    }

    // Every form is three letters at most and stands for one ADIF mode: reading back what the
    // export writes gives the form again.
    void everyFormRoundTrips() {
        for (const char *typed : {"RTTY", "PSK63", "JT65", "OLIVIA", "SSTV", "HELL", "THOR", "DSTAR", "MT63",
                                  "WSPR", "ARDOP", "DOMINO", "VARA", "MSK144", "FSK441", "CHIP64", "THRBX", "RTTYM"}) {
            const QString form = modes::logForm(QString::fromLatin1(typed));
            QVERIFY2(!form.isEmpty() && form.size() <= 3, typed);
            const modes::AdifMode back = modes::adifOf(form);
            QCOMPARE(modes::logForm(back.mode, back.submode), form);
        }
    }
};

QTEST_GUILESS_MAIN(TstModes)
#include "tst_modes.moc"
