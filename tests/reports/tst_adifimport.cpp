// The ADIF import without a window: the reader in the forms loggers write, the mapping of a
// QSO to a record with every refusal, the choice of the QSOs taken, and the import on disk.
#include "logstore/logstore.h"
#include "reports/adif.h"
#include "reports/adifimport/importer.h"
#include "logstore/history.h"
#include "tests/common/fakes.h"
#include "tests/common/records.h"
#include "tests/common/testdirs.h"
#include "tests/logstore/faultsteps.h"
#include "tests/reports/reportfixtures.h"
#include "logstore/record.h"

#include <QtTest>

using namespace kastlog;
using namespace kastlog::adifimport;
using kastlog::test::logLine;

namespace {
QByteArray f(const char *name, const QString &value) { return test::adifField(name, value); }

// A QSO the log takes: CALL F1XYZ, NM047 on 20m in SSB on 19/07/08 at 14:05.
QByteArray goodQso(const QByteArray &extra = {}, const QByteArray &call = "F1XYZ") {
    return f("CALL", QString::fromUtf8(call)) + f("QSO_DATE", "20080719") + f("TIME_ON", "1405") +
           f("BAND", "20m") + f("MODE", "SSB") + f("SIG", "DNJ") + f("SIG_INFO", "NM047") + extra;
}

QStringList calls(const AdifFile &file) {
    QStringList out;
    for (const AdifRecord &r : file.records) out << (r.readable() ? r.value(QLatin1String("CALL")) : QStringLiteral("!"));
    return out;
}

AdifRecord one(const QByteArray &adi) { return readAdi(adi + "<eor>").records.value(0); }
}  // namespace

class TestAdifImport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void readsTheFormsLoggersWrite_data() {
        QTest::addColumn<QByteArray>("adi");
        QTest::addColumn<QStringList>("calls");  // "!" for a record that cannot be read
        QTest::addColumn<QString>("name");       // NAME of the first record
        const QByteArray a = f("call", "F1A"), b = f("CALL", "F1B");
        const QStringList ab{"F1A", "F1B"};
        QTest::newRow("header, CR LF") << "Log\r\n<adif_ver:5>3.1.4\r\n<eoh>\r\n" + a + "<eor>\r\n" + b + "<eor>\r\n" << ab << "";
        QTest::newRow("no header, LF") << a + "<EOR>\n" + b + "<EoR>\n" << ab << "";
        QTest::newRow("nothing between records") << a + "<eor>" + b + "<eor>" << ab << "";
        QTest::newRow("last record without eor: cut") << a + "<eor>" + b << QStringList{"F1A", "!"} << "";
        QTest::newRow("type indicator, app field") << QByteArray("<CALL:3:S>F1A<APP_X_Y:2:N>12 <eor>")
                                                   << QStringList{"F1A"} << "";
        QTest::newRow("length past the end") << "<call:3>F1C<name:900>x<eor>" + b + "<eor>" << QStringList{"!", "F1B"} << "";
        QTest::newRow("record without CALL") << f("NAME", "JO") + "<eor>" + b + "<eor>" << QStringList{"!", "F1B"} << "JO";
        QTest::newRow("stray brackets") << "a < b <x> <:3>" + a + "<eor> <" << QStringList{"F1A"} << "";
        // A value holding <eor> took the next record's: the record is damaged, not merged.
        QTest::newRow("tag in a value") << QByteArray("<call:3>F1A<comment:5><eor><eor>") << QStringList{"!"} << "";
        QTest::newRow("UTF-8") << a + f("NAME", QStringLiteral("JOSÉ")) + "<eor>" << QStringList{"F1A"} << QStringLiteral("JOSÉ");
        // E9 alone is no UTF-8: read as Windows-1252 é; the length counts bytes.
        QTest::newRow("else Windows-1252") << a + "<NAME:5>\x80T\xE9 X<eor>" << QStringList{"F1A"} << QStringLiteral("€Té X");
        QTest::newRow("ADX") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX><HEADER><ADIF_VER>3.1.4</ADIF_VER>"
                                           "</HEADER><RECORDS><RECORD><CALL>F1A</CALL><APP PROGRAMID=\"X\" FIELDNAME=\"Y\">1</APP>"
                                           "<NAME>JOSÉ</NAME></RECORD><RECORD>"
                                           "<NAME>NO</NAME></RECORD><RECORD><CALL>F1B</CALL></RECORD></RECORDS></ADX>")
                             << QStringList{"F1A", "!", "F1B"} << QStringLiteral("JOSÉ");
    }
    void readsTheFormsLoggersWrite() {
        QFETCH(QByteArray, adi);
        QFETCH(QStringList, calls);
        QFETCH(QString, name);
        const AdifFile file = readAdif(adi);
        QCOMPARE(::calls(file), calls);
        QCOMPARE(file.records.value(0).value(QLatin1String("NAME")), name);
    }

    void refusesBrokenAdx() {
        QVERIFY(readAdif("<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>F1A</CALL><RECORD>").problem.size() > 0);
    }

    void mapsEachFieldAsTheEntryStoresIt_data() {
        QTest::addColumn<QByteArray>("adi");
        QTest::addColumn<QString>("record");
        const QString base = logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "", "14:05", "SSB", "", "");
        QTest::newRow("award fields, defaults") << goodQso() << base;
        QTest::newRow("comment of the export, qsl, reports")
            << goodQso(f("comment", "NM047 Château de x ") + f("qsl_rcvd", "y") + f("rst_rcvd", "-12") + f("RST_SENT", "599") +
                       f("name", "jean"))
            << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "CHÂTEAU DE X", true, "JEAN", "14:05", "SSB", "-12", "599");
        // No award fields: the reference is the first word of the comment, else of the notes.
        const QByteArray noSig = f("SIG", "") + f("SIG_INFO", "");
        QTest::newRow("reference in the comment, lower-case values")
            << goodQso(noSig + f("time_on", "140559") + f("band", "20M") + f("mode", "ssb") + f("comment", "nm047 hello"), "f1xyz")
            << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "HELLO", false, "", "14:05", "SSB", "", "");
        QTest::newRow("reference in the notes") << goodQso(noSig + f("COMMENT", "XX047 y") + f("NOTES", "NM047")) << base;
        QTest::newRow("FREQ without BAND, SUBMODE")
            << f("CALL", "F1XYZ") + f("QSO_DATE", "20080719") + f("TIME_ON", "1405") + f("FREQ", "14.074") +
                   f("MODE", "MFSK") + f("SUBMODE", "FT4") + f("SIG", "dnj") + f("SIG_INFO", "nm047")
            << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "", "14:05", "FT4", "", "");
        // Longer modes take the three-letter form of the mode table.
        const QString rty = logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "", "14:05", "RTY", "", "");
        QTest::newRow("RTTY") << goodQso(f("MODE", "RTTY")) << rty;
        QTest::newRow("PSK31 written as MODE (import-only)")
            << goodQso(f("MODE", "PSK31")) << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "", "14:05", "PSK", "", "");
        QTest::newRow("OLIVIA with its submode")
            << goodQso(f("MODE", "OLIVIA") + f("SUBMODE", "OLIVIA 8/250"))
            << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "", "14:05", "OLV", "", "");
        QTest::newRow("C4FM under DIGITALVOICE")
            << goodQso(f("MODE", "DIGITALVOICE") + f("SUBMODE", "C4FM") + f("BAND", "2m"))
            << logLine("F1XYZ", "NM047", "144 Mhz", "19/07/08", "C.", false, "", "14:05", "C4F", "", "");
        // <band:0>, as some loggers write it, with a good frequency.
        QTest::newRow("empty BAND, FREQ") << goodQso(f("BAND", "") + f("FREQ", "14.074")) << base;
        QTest::newRow("first name cut to 15")
            << goodQso(f("NAME", "JEAN-CHRISTOPHE-MARIE"))
            << logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "C.", false, "JEAN-CHRISTOPHE", "14:05", "SSB", "", "");
    }
    void mapsEachFieldAsTheEntryStoresIt() {
        QFETCH(QByteArray, adi);
        QFETCH(QString, record);
        const MappedQso m = mapQso(one(adi), QStringLiteral("F1ABC"));
        QVERIFY2(m.taken(), qPrintable(m.refusal));
        QCOMPARE(m.record, record);
    }

    // The castle as users of other programs mark it, and the castle's name taken with it: the
    // rest of the field after the reference, when it holds a letter and no machine text.
    void findsTheCastleWhereUsersWriteIt_data() {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("castle");
        const QByteArray noSig = f("SIG", "") + f("SIG_INFO", "");
        const auto comment = [&](const char *c) { return noSig + f("COMMENT", QString::fromUtf8(c)); };
        QTest::newRow("hyphen") << comment("NM-047") << "NM047" << "C.";
        QTest::newRow("award's tag") << comment("DNJ NM047 Walzin") << "NM047" << "WALZIN";
        QTest::newRow("tag and hyphen") << comment("DNJ NM-047") << "NM047" << "C.";
        QTest::newRow("comma after") << comment("NM047, Château de Walzin") << "NM047" << "CHÂTEAU DE WALZIN";
        QTest::newRow("hash before") << comment("#NM047") << "NM047" << "C.";
        QTest::newRow("slash after") << comment("NM047/Walzin") << "NM047" << "WALZIN";
        QTest::newRow("not the first word: the text after it") << comment("Walzin NM047") << "NM047" << "C.";
        QTest::newRow("in a sentence") << comment("worked lb012 kasteel van Horst") << "LB012" << "KASTEEL VAN HORST";
        // JTDX and WSJT-X put the reports in the comment; the operator adds the castle before.
        QTest::newRow("machine text after") << comment("NM047 FT4  SENT: +00  RCVD: -14") << "NM047" << "C.";
        QTest::newRow("no letter after") << comment("NM047 - 73") << "NM047" << "C.";
        QTest::newRow("in the notes") << noSig + f("COMMENT", "tnx") + f("NOTES", "DNJ-LG-003 Bouillon") << "LG003" << "BOUILLON";
        QTest::newRow("in the QTH") << noSig + f("QTH", "Château de Walzin, NM047") << "NM047" << "C.";
        QTest::newRow("comment before notes") << noSig + f("NOTES", "LG003") + f("COMMENT", "NM047 Walzin") << "NM047" << "WALZIN";
        // The award's fields: the name, when given, comes from where the same castle is written.
        QTest::newRow("SIG_INFO hyphen") << f("SIG_INFO", "NM-047") << "NM047" << "C.";
        QTest::newRow("SIG_INFO, name in the comment") << f("COMMENT", "NM047 C. WALZIN") << "NM047" << "C. WALZIN";
        QTest::newRow("SIG_INFO over another castle in the comment") << f("COMMENT", "LG003 Bouillon") << "NM047" << "C.";
        QTest::newRow("Polish castle name") << comment("NM047 Zamek Głowacki") << "NM047" << "ZAMEK GLOWACKI";
    }
    void findsTheCastleWhereUsersWriteIt() {
        QFETCH(QByteArray, fields);
        QFETCH(QString, reference);
        QFETCH(QString, castle);
        const MappedQso m = mapQso(one(goodQso(fields)), QStringLiteral("F1ABC"));
        QVERIFY2(m.taken(), qPrintable(m.refusal));
        QCOMPARE(m.reference(), reference);
        QCOMPARE(trimmedColumn(m.record, rec::NameCol, rec::NameWidth), castle);
    }

    // Letters the log's code page lacks, in the two free-text fields: the nearest letter, said.
    void writesTheNearestLetter_data() {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QStringList>("warnings");
        // Names as a QRZ logbook export gives them.
        QTest::newRow("first name") << f("NAME", QStringLiteral("Jiří")) << QStringList{QStringLiteral("prénom écrit JIRI")};
        QTest::newRow("castle name") << f("COMMENT", QStringLiteral("NM047 Zamek Głowacki"))
                                     << QStringList{QStringLiteral("nom du château écrit ZAMEK GLOWACKI")};
        QTest::newRow("held by the code page") << f("NAME", QStringLiteral("Zoë")) << QStringList();
    }
    void writesTheNearestLetter() {
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, warnings);
        const MappedQso m = mapQso(one(goodQso(fields)), QStringLiteral("F1ABC"));
        QVERIFY2(m.taken(), qPrintable(m.refusal));
        QCOMPARE(m.warnings, warnings);
    }

    void refusesWithItsReason_data() {
        QTest::addColumn<QByteArray>("adi");
        QTest::addColumn<QString>("reason");
        QTest::newRow("call 13") << goodQso({}, "ON4/F1XYZ/MMX") << reason::CallTooLong;
        // SIG_INFO counts only when SIG names this award.
        QTest::newRow("no reference") << goodQso(f("SIG", "WWFF") + f("COMMENT", "ZZ047")) << reason::NoReference;
        QTest::newRow("the refusal says which forms are read")
            << goodQso(f("SIG", "")) << QStringLiteral("pas de référence de château : écrivez SIG=DNJ et SIG_INFO=NM047, "
                                                        "ou la référence dans le commentaire");
        QTest::newRow("date before 1950") << goodQso(f("QSO_DATE", "19491231")) << reason::BadDate;
        QTest::newRow("time") << goodQso(f("TIME_ON", "2460")) << reason::BadDate;
        QTest::newRow("band") << goodQso(f("BAND", "60m")) << reason::NoBand;
        QTest::newRow("unknown long mode") << goodQso(f("MODE", "FOOBAR")) << reason::ModeTooLong;
        // The award's fields name a province the award does not have.
        QTest::newRow("SIG_INFO ZZ092") << goodQso(f("SIG_INFO", "ZZ092"))
                                        << QStringLiteral("SIG_INFO n'est pas une référence de château : ZZ092");
        QTest::newRow("SIG_INFO not a reference") << goodQso(f("SIG_INFO", "Walzin NM047"))
                                                  << QStringLiteral("SIG_INFO n'est pas une référence de château : Walzin NM047");
        QTest::newRow("no TIME_ON") << f("CALL", "F1XYZ") + f("QSO_DATE", "20080719") + f("BAND", "20m") + f("MODE", "SSB") +
                                           f("COMMENT", "NM047")
                                    << QStringLiteral("heure absente (TIME_ON)");
        QTest::newRow("empty TIME_ON") << goodQso(f("TIME_ON", "")) << QStringLiteral("heure absente (TIME_ON)");
        // A call sign keeps its characters: one the log cannot hold refuses the QSO.
        QTest::newRow("call sign character") << goodQso({}, QStringLiteral("SP9Ł").toUtf8()) << reason::unwritable("CALL");
        QTest::newRow("report received") << goodQso(f("RST_RCVD", "5999")) << reason::RstRTooLong;
        QTest::newRow("report sent") << goodQso(f("RST_SENT", "5999")) << reason::RstETooLong;
        QTest::newRow("character") << goodQso(f("NAME", QStringLiteral("ΑΛΦΑ"))) << reason::unwritable("NAME");
        QTest::newRow("unreadable") << QByteArray("<NAME:2>JO") << QStringLiteral("QSO sans indicatif (CALL)");
    }
    void refusesWithItsReason() {
        QFETCH(QByteArray, adi);
        QFETCH(QString, reason);
        QCOMPARE(mapQso(one(adi), QStringLiteral("F1ABC")).refusal, reason);
    }

    void warnsOfAnotherStation() {
        QVERIFY(mapQso(one(goodQso(f("STATION_CALLSIGN", "ON4/F1ABC"))), "ON4_F1ABC").warnings.isEmpty());
        QCOMPARE(mapQso(one(goodQso(f("STATION_CALLSIGN", "F6ZZZ"))), "F1ABC").warnings.size(), 1);
    }

    void checksAgainstTheLogAndTheQsosBefore() {
        const QStringList log{logLine("F1XYZ", "NM047", "14 Mhz", "19/07/08", "", false, "", "14:05", "SSB", "", ""),
                              logLine("F2AA", "LG001", "18 Mhz", "12/07/08")};
        QByteArray adi = goodQso() + "<eor>";                                        // same QSO
        adi += goodQso(f("SIG_INFO", "LG001") + f("BAND", "10m"), "F3A") + "<eor>";  // HF against HF
        adi += goodQso(f("SIG_INFO", "LG001") + f("BAND", "2m"), "F3B") + "<eor>";   // VHF: taken
        adi += goodQso(f("SIG_INFO", "LG001") + f("BAND", "2m") + f("TIME_ON", "1500"), "F3C") + "<eor>";  // then contacted
        adi += goodQso(f("BAND", "60m")) + "<eor>";
        const ImportPlan plan = planImport(readAdi(adi), log, "F1ABC");
        QCOMPARE(plan.lines[0].reason, AlreadyInLog);
        QCOMPARE(plan.lines[1].reason, QStringLiteral("château déjà contacté le 12/07/08 sur 18 Mhz"));
        QCOMPARE(plan.lines[2].outcome, Outcome::Taken);
        QCOMPARE(plan.lines[3].reason, QStringLiteral("château déjà contacté le 19/07/08 sur 144 Mhz"));
        QCOMPARE(plan.countsLine(),
                 QStringLiteral("5 QSO dans le fichier : 1 à importer, 1 déjà dans le log, 2 château déjà contacté, 1 refusés, "
                                "0 confirmations"));
        QCOMPARE(refusalLine(plan.lines[4]), QStringLiteral("F1XYZ 19/07/08 14:05: bande absente du log"));
    }

    // A log as the window's rules make it (no castle twice in a band group, in date order),
    // exported and imported into the empty log of another station, gives back the same bytes.
    void roundTripGivesTheSameBytes() {
        const QStringList bands{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz"};
        const QStringList provinces{"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
        // Every form of the mode table's kinds: its own mode, a mode, a submode, a whole mode.
        const QStringList modes{"SSB", "CW", "FM", "FT8", "", "RTY", "FT4", "C4F", "PSK", "DGV", "MFS", "JT4"};
        auto n = [](int v, int w = 2) { return QStringLiteral("%1").arg(v, w, 10, QLatin1Char('0')); };
        QStringList lines;
        for (int i = 0; i < 400; ++i) {
            const int day = i / 24;  // in date order, several QSOs in one minute
            lines << logLine((i % 7 ? QStringLiteral("F%1AB") : QStringLiteral("ON4/F%1/P")).arg(i),
                             provinces[i % 11] + n(i / 11, 3), bands[i * 5 % 12],
                             n(day % 28 + 1) + "/" + n(day / 28 % 12 + 1) + (i < 200 ? "/98" : "/08"),
                             i % 6 ? QStringLiteral("CHÂTEAU N°%1").arg(i) : QString(), i % 2, i % 3 ? "FRANÇOIS" : "",
                             n(i % 24) + ":" + n(i % 3 ? 0 : 30), modes[i / 3 % modes.size()], i % 5 ? "59" : "-12",
                             i % 4 ? "599" : "");
        }
        test::TestDirs dirs;
        QByteArray bytes;
        QVERIFY(joinLines(lines, bytes));
        dirs.writeFile("F1ABC_DNJ.log", bytes);
        dirs.writeFile("ON4ZZ_DNJ.log", {});
        QVERIFY(exporteAdif(dirs.dataDir(), "F1ABC", "F1ABC").ok);
        const PreparedImport p = prepareImport(dirs.dataDir(), "ON4ZZ", dirs.path("F1ABC_DNJ.adi"));
        QVERIFY2(p.ok, qPrintable(p.error));
        QCOMPARE(p.plan.taken, lines.size());
        QCOMPARE(writeImport(dirs.dataDir(), "ON4ZZ", p.plan).error, QString());
        QCOMPARE(dirs.readFile("ON4ZZ_DNJ.log"), bytes);
        QVERIFY(!dirs.exists("Temporaire6.txt"));
    }

    void firstNamesAddOnlyUnknownCalls() {
        test::TestDirs dirs;
        dirs.writeLines("Liste_Prenom.txt", {"F1A             PAUL", "F1B                 "});
        dirs.writeFile("F1ABC_DNJ.log", {});
        dirs.writeFile("in.adi", goodQso(f("NAME", "jean"), "F1A") + "<eor>" +
                                     goodQso(f("NAME", "luc") + f("SIG_INFO", "LG001"), "F1B") + "<eor>" +
                                     goodQso(f("NAME", "marc") + f("SIG_INFO", "LG002"), "F1C") + "<eor>" +
                                     goodQso(f("NAME", "eric") + f("SIG_INFO", "LG003") + f("TIME_ON", "1500"), "F1C") + "<eor>");
        const PreparedImport p = prepareImport(dirs.dataDir(), "F1ABC", dirs.path("in.adi"));
        QCOMPARE(p.plan.taken, 4);
        QCOMPARE(writeImport(dirs.dataDir(), "F1ABC", p.plan).error, QString());
        QCOMPARE(dirs.readLines("Liste_Prenom.txt"),
                 (QStringList{"F1A             PAUL", "F1B                 ", "F1C             MARC"}));
    }

    // The import is a change of the log like the others: backed up on the given day, and a
    // backup that fails leaves the QSOs imported and says so.
    void importKeepsTheHistory_data() {
        QTest::addColumn<bool>("backupFails");
        QTest::newRow("backed up") << false;
        QTest::newRow("backup fails") << true;
    }
    void importKeepsTheHistory() {
        QFETCH(bool, backupFails);
        test::TestDirs dirs;
        const QByteArray before = logLine("ON4AA", "LG001", "14 Mhz", "01/01/08").toLatin1() + "\r\n";
        dirs.writeFile("F1ABC_DNJ.log", before);
        dirs.writeFile("in.adi", goodQso() + "<eor>");
        test::FakeClock clock;
        clock.localNow = {2025, 3, 1, 8, 0, 0};
        test::StepFault faults(backupFails ? std::optional(WriteStep::Backup) : std::nullopt);
        const PreparedImport p = prepareImport(dirs.dataDir(), "F1ABC", dirs.path("in.adi"));
        const ImportWritten w = writeImport(dirs.dataDir(), "F1ABC", p.plan, &faults, &clock);
        QVERIFY(w.logWritten);
        QCOMPARE(dirs.readLines("F1ABC_DNJ.log").size(), 2);
        QCOMPARE(w.history.ok(), !backupFails);
        const QString backup = history::Folder + QStringLiteral("/F1ABC_DNJ_2025-03-01.log");
        QCOMPARE(dirs.exists(backup), !backupFails);
        if (!backupFails) QCOMPARE(dirs.readFile(backup), before);
    }
};

QTEST_GUILESS_MAIN(TestAdifImport)
#include "tst_adifimport.moc"
