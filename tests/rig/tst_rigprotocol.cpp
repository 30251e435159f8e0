// rigctld's answers read, Hamlib's modes in the log's terms, the mode a spot is tuned in, and
// what the label says.
#include "rig/bandplan.h"
#include "rig/protocol.h"
#include "rig/radiomodes.h"
#include "rig/rigclient.h"

#include <QTest>

using namespace kastlog::rig;

Q_DECLARE_METATYPE(kastlog::rig::Command)

class TstRigProtocol : public QObject {
    Q_OBJECT
private slots:
    void commands() {
        QCOMPARE(getFrequency().line, QByteArray("f\n"));
        QCOMPARE(getMode().line, QByteArray("m\n"));
        QCOMPARE(setFrequency(14285000).line, QByteArray("F 14285000\n"));
        QCOMPARE(setMode(QStringLiteral("CW")).line, QByteArray("M CW -1\n"));  // -1: the filter stays
    }

    void answers_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("kind");  // -1: a line is still due
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("code");
        const auto ok = int(Answer::Ok), refused = int(Answer::Refused), garbled = int(Answer::Garbled);
        // rigctld -m 1 (Hamlib 4.5.4, Debian 12), measured on this machine.
        QTest::newRow("f at start") << Command::GetFrequency << QStringList{"145000000"} << ok << 145000000LL << "" << 0;
        QTest::newRow("f after F 7012345.6") << Command::GetFrequency << QStringList{"7012345"} << ok << 7012345LL << "" << 0;
        QTest::newRow("m at start") << Command::GetMode << QStringList{"FM", "15000"} << ok << 0LL << "FM" << 0;
        QTest::newRow("m, first line only") << Command::GetMode << QStringList{"FM"} << -1 << 0LL << "" << 0;
        QTest::newRow("m after M WFM 0") << Command::GetMode << QStringList{"WFM", "230000"} << ok << 0LL << "WFM" << 0;
        QTest::newRow("m after M PKTUSB -1") << Command::GetMode << QStringList{"PKTUSB", "15000"} << ok << 0LL << "PKTUSB" << 0;
        QTest::newRow("F 14285000") << Command::SetFrequency << QStringList{"RPRT 0"} << ok << 0LL << "" << 0;
        QTest::newRow("M USB -1") << Command::SetMode << QStringList{"RPRT 0"} << ok << 0LL << "" << 0;
        QTest::newRow("F abc") << Command::SetFrequency << QStringList{"RPRT -1"} << refused << 0LL << "" << -1;
        QTest::newRow("t, not available") << Command::GetFrequency << QStringList{"RPRT -11"} << refused << 0LL << "" << -11;
        QTest::newRow("m refused") << Command::GetMode << QStringList{"RPRT -11"} << refused << 0LL << "" << -11;
        // What rigctld's long form (+f) and other servers say: no answer to the command sent.
        QTest::newRow("+f long form") << Command::GetFrequency << QStringList{"get_freq:"} << garbled << 0LL << "" << 0;
        QTest::newRow("a web server") << Command::GetFrequency << QStringList{"HTTP/1.1 400 Bad Request"} << garbled << 0LL << "" << 0;
        QTest::newRow("RPRT 0 to f") << Command::GetFrequency << QStringList{"RPRT 0"} << garbled << 0LL << "" << 0;
        QTest::newRow("number to F") << Command::SetFrequency << QStringList{"14285000"} << garbled << 0LL << "" << 0;
        QTest::newRow("no passband") << Command::GetMode << QStringList{"USB", "wide"} << garbled << 0LL << "" << 0;
        QTest::newRow("zero hertz") << Command::GetFrequency << QStringList{"0"} << garbled << 0LL << "" << 0;
    }
    void answers() {
        QFETCH(Command, command);
        QFETCH(QStringList, lines);
        QFETCH(int, kind);
        const std::optional<Answer> a = readAnswer(command, lines);
        QCOMPARE(a.has_value(), kind >= 0);
        if (!a) return;
        QCOMPARE(int(a->kind), kind);
        QTEST(a->hz, "hz");
        QTEST(a->mode, "mode");
        QTEST(a->code, "code");
    }

    void hamlibModes_data() {
        QTest::addColumn<QString>("hamlib");
        QTest::addColumn<QString>("log");
        // Every mode `M ?` lists for the dummy radio, and a few other radios give.
        for (const char *m : {"USB", "LSB"}) QTest::newRow(m) << m << "SSB";
        for (const char *m : {"CW", "CWR"}) QTest::newRow(m) << m << "CW";
        for (const char *m : {"FM", "FMN", "WFM"}) QTest::newRow(m) << m << "FM";
        QTest::newRow("AM") << "AM" << "AM";
        for (const char *m : {"RTTY", "RTTYR"}) QTest::newRow(m) << m << "RTY";
        for (const char *m : {"PKTUSB", "PKTLSB", "AMS", "DSB", ""}) QTest::newRow(*m ? m : "none") << m << "";
    }
    void hamlibModes() {
        QFETCH(QString, hamlib);
        QTEST(logModeOf(hamlib), "log");
    }

    void spotModes_data() {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("mode");
        QTest::newRow("20 m telegraphy") << 14025.0 << "DNJ NM047" << "CW";
        QTest::newRow("20 m phone") << 14250.0 << "DNJ NM047" << "USB";
        QTest::newRow("comment says cw") << 14250.0 << "DNJ NM047 cw" << "CW";
        QTest::newRow("CW inside a word") << 14250.0 << "CWOPS NM047" << "USB";
        QTest::newRow("40 m phone") << 7150.0 << "NM047" << "LSB";
        QTest::newRow("40 m, edge of telegraphy") << 7040.0 << "" << "LSB";
        QTest::newRow("30 m telegraphy") << 10120.0 << "" << "CW";
        QTest::newRow("30 m above it") << 10140.0 << "" << "USB";
        QTest::newRow("160 m") << 1836.0 << "" << "CW";
        QTest::newRow("80 m phone") << 3700.0 << "" << "LSB";
        QTest::newRow("6 m") << 50150.0 << "" << "USB";
        QTest::newRow("2 m telegraphy") << 144050.0 << "" << "CW";
        QTest::newRow("2 m SSB") << 144300.0 << "" << "USB";
        QTest::newRow("2 m simplex") << 145500.0 << "" << "FM";
        QTest::newRow("2 m repeater output") << 145775.0 << "" << "FM";
        QTest::newRow("70 cm SSB") << 432200.0 << "" << "USB";
        QTest::newRow("70 cm FM calling") << 433500.0 << "" << "FM";
        QTest::newRow("70 cm Belgian repeater") << 430250.0 << "" << "FM";
    }
    void spotModes() {
        QFETCH(double, khz);
        QFETCH(QString, comment);
        QTEST(modeForSpot(khz, comment), "mode");
    }

    void label_data() {
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("retry");
        QTest::addColumn<QString>("text");
        QTest::newRow("reading") << 14285000LL << "USB" << "" << 0 << "14 285,00 kHz USB";
        QTest::newRow("dummy at start") << 145000000LL << "FM" << "" << 0 << "145 000,00 kHz FM";
        QTest::newRow("10 Hz rounded") << 7012345LL << "CW" << "" << 0 << "7 012,35 kHz CW";
        QTest::newRow("no mode") << 1840000LL << "" << "" << 0 << "1 840,00 kHz";
        QTest::newRow("60 m") << 5357000LL << "USB" << "" << 0 << "5 357,00 kHz USB - hors des bandes du log";
        QTest::newRow("refused") << 0LL << "" << "RPRT -5 : la radio ne répond pas" << 0
                                 << "Radio : déconnectée (RPRT -5 : la radio ne répond pas)";
        QTest::newRow("lost") << 0LL << "" << "connexion refusée" << 5
                              << "Radio : déconnectée (connexion refusée, nouvel essai dans 5 s)";
    }
    void label() {
        Reading r;
        QFETCH(qint64, hz);
        r.hz = hz;
        QFETCH(QString, mode);
        r.mode = mode;
        QFETCH(QString, problem);
        r.problem = problem;
        QFETCH(int, retry);
        r.retryInS = retry;
        QTEST(describe(r), "text");
    }

    void errorTexts() {
        QCOMPARE(errorText(-1), QStringLiteral("RPRT -1 : paramètre invalide"));
        QCOMPARE(errorText(-11), QStringLiteral("RPRT -11 : fonction absente de cette radio"));
        QCOMPARE(errorText(-17), QStringLiteral("RPRT -17 : valeur hors limites"));
        QCOMPARE(errorText(-42), QStringLiteral("RPRT -42 : erreur de Hamlib"));
    }
};

QTEST_GUILESS_MAIN(TstRigProtocol)
#include "tst_rigprotocol.moc"
