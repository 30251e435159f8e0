// The station call-sign rules the station dialog applies.
#include "settings/stationcall.h"

#include <QtTest>

namespace st = kastlog::station;
Q_DECLARE_METATYPE(st::Check)

class TestStationCall : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void messages();
    void capitals_data();
    void capitals();
    void displayed_data();
    void displayed();
};

void TestStationCall::check_data() {
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<st::Check>("expected");
    QTest::newRow("empty") << "" << st::Check::Empty;
    QTest::newRow("one letter") << "F" << st::Check::Ok;
    QTest::newRow("one digit") << "9" << st::Check::Ok;
    QTest::newRow("underscore alone") << "_" << st::Check::Ok;
    QTest::newRow("portable") << "Q1ABC_P" << st::Check::Ok;
    QTest::newRow("12 characters") << "ABCDEFGHIJ12" << st::Check::Ok;
    QTest::newRow("13 characters") << "ABCDEFGHIJ123" << st::Check::TooLong;
    QTest::newRow("13 bad characters: length first") << "-------------" << st::Check::TooLong;
    QTest::newRow("hyphen") << "F-ABC" << st::Check::BadCharacter;
    QTest::newRow("slash pasted") << "Q1ABC/P" << st::Check::BadCharacter;
    QTest::newRow("accented capital") << QString::fromUtf8("FÉ1") << st::Check::BadCharacter;
    QTest::newRow("small letter") << "F5abc" << st::Check::BadCharacter;
    QTest::newRow("blank inside") << "ON4 X" << st::Check::BadCharacter;
    QTest::newRow("blank at the end") << "ON4X " << st::Check::BadCharacter;
    QTest::newRow("just past Z") << "[" << st::Check::BadCharacter;
    QTest::newRow("just before A") << "@" << st::Check::BadCharacter;
    QTest::newRow("just past 9") << ":" << st::Check::BadCharacter;
    QTest::newRow("just before 0") << "/" << st::Check::BadCharacter;
    QTest::newRow("fullwidth digit") << QString::fromUtf8("F１") << st::Check::BadCharacter;
}

void TestStationCall::check() {
    QFETCH(QString, candidate);
    QFETCH(st::Check, expected);
    QCOMPARE(st::check(candidate), expected);
}

void TestStationCall::messages() {
    QCOMPARE(st::message(st::Check::Ok), QString());
    QCOMPARE(st::message(st::Check::Empty), QStringLiteral("Vous devez entrer un indicatif"));
    QCOMPARE(st::message(st::Check::TooLong), QStringLiteral("12 caracteres maximum pour l'indicatif"));
    QCOMPARE(st::message(st::Check::BadCharacter),
             QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "));
}

void TestStationCall::capitals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("small letters") << "q1abc_p" << "Q1ABC_P";
    QTest::newRow("a and z") << "az" << "AZ";
    QTest::newRow("mixed") << "On4Xy" << "ON4XY";
    QTest::newRow("others unchanged") << "-/_9 " << "-/_9 ";
    QTest::newRow("accented stays") << QString::fromUtf8("fé") << QString::fromUtf8("Fé");
    QTest::newRow("sharp s keeps its length") << QString::fromUtf8("fß") << QString::fromUtf8("Fß");
}

void TestStationCall::capitals() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(st::capitals(text), expected);
}

void TestStationCall::displayed_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("portable") << "Q1ABC_P" << "Q1ABC/P";
    QTest::newRow("two") << "EA_ON4X_P" << "EA/ON4X/P";
    QTest::newRow("none") << "ON4ABC" << "ON4ABC";
    QTest::newRow("placeholder") << "FXXXX" << "FXXXX";
    QTest::newRow("empty") << "" << "";
}

void TestStationCall::displayed() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(st::displayed(stored), expected);
}

QTEST_GUILESS_MAIN(TestStationCall)
#include "tst_stationcall.moc"
