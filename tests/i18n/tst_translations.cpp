// The program's languages: which one it speaks, and the Dutch and English files, complete and
// faithful to the texts of the code.
#include "i18n/language.h"
#include "tests/i18n/tsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using namespace kastlog;

namespace {
const QStringList Languages = {QStringLiteral("nl"), QStringLiteral("en")};

QString tsPath(const QString &language) {
    return QStringLiteral(KASTLOG_SOURCE_DIR "/i18n/kastlog_%1.ts").arg(language);
}

// %1, %2, %n... of a text, sorted: a translation shows what its source shows.
QStringList placeholders(const QString &text) {
    QStringList found;
    static const QRegularExpression re(QStringLiteral("%(\\d+|L?n)"));
    for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured(0);
    found.sort();
    return found;
}
}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void languageOfTheSystem_data() {
        QTest::addColumn<QString>("language");     // LANGUAGE
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Belgian French") << "" << "" << "" << "fr_BE.UTF-8" << "fr";
        QTest::newRow("Flemish") << "" << "" << "" << "nl_BE.UTF-8" << "nl";
        QTest::newRow("German: English") << "" << "" << "" << "de_DE.UTF-8" << "en";
        QTest::newRow("C: English") << "" << "" << "" << "C.UTF-8" << "en";
        QTest::newRow("nothing set: English") << "" << "" << "" << "" << "en";
        QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "nl_BE.UTF-8" << "fr_BE.UTF-8" << "nl";
        QTest::newRow("LC_ALL over LC_MESSAGES") << "" << "fr_FR.UTF-8" << "nl_BE.UTF-8" << "en_GB" << "fr";
        QTest::newRow("LANGUAGE first, its first entry") << "nl:fr" << "fr_FR.UTF-8" << "" << "" << "nl";
    }
    void languageOfTheSystem() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        const QHash<QString, QString> env = {{QStringLiteral("LANGUAGE"), language},
                                             {QStringLiteral("LC_ALL"), lcAll},
                                             {QStringLiteral("LC_MESSAGES"), lcMessages},
                                             {QStringLiteral("LANG"), lang}};
        QCOMPARE(i18n::systemLanguage([&](const char *name) { return env.value(QLatin1String(name)); }), expected);
    }

    // Every entry translated, none left behind by a text the code no longer has, and each
    // translation shows the numbers and names its source shows and keeps an Alt letter.
    void filesAreFinishedAndFaithful() {
        for (const QString &language : Languages) {
            QString error;
            const QList<test::TsEntry> entries = test::readTs(tsPath(language), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY(entries.size() > 300);
            for (const test::TsEntry &e : entries) {
                const QString where = language + QStringLiteral(" ") + e.context + QStringLiteral(": ") + e.source;
                QVERIFY2(e.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + e.type));
                for (const QString &t : e.translations) {
                    QVERIFY2(!t.isEmpty(), qPrintable(where + QStringLiteral(": empty translation")));
                    // A plural form may say "one" instead of the number.
                    QStringList kept = placeholders(t), wanted = placeholders(e.source);
                    if (e.numerus) {
                        kept.removeAll(QStringLiteral("%n"));
                        wanted.removeAll(QStringLiteral("%n"));
                    }
                    QVERIFY2(kept == wanted, qPrintable(where + QStringLiteral(" -> ") + t));
                    QVERIFY2(e.source.contains(QLatin1Char('&')) == t.contains(QLatin1Char('&')),
                             qPrintable(where + QStringLiteral(": Alt letter -> ") + t));
                }
            }
        }
    }

    // A French text added to the code without its translations fails here: lupdate run over
    // the sources must find exactly the entries of each file.
    void filesHoldEverySourceText() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString fresh = tmp.filePath(QStringLiteral("kastlog_nl.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(KASTLOG_SOURCE_DIR));
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        const QStringList options = QStringLiteral(KASTLOG_LUPDATE_OPTIONS).split(QLatin1Char(';'));
        const QStringList dirs = QStringLiteral(KASTLOG_TEXT_DIRS).split(QLatin1Char(';'));
        lupdate.start(QStringLiteral(KASTLOG_LUPDATE), options + dirs + QStringList{QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        QString error;
        QSet<QString> inCode;
        for (const test::TsEntry &e : test::readTs(fresh, &error)) inCode << e.key();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(inCode.size() > 300);
        for (const QString &language : Languages) {
            QSet<QString> inFile;
            for (const test::TsEntry &e : test::readTs(tsPath(language), &error)) inFile << e.key();
            QStringList missing, extra;
            for (const QString &k : inCode - inFile) missing << k.section(QLatin1Char('\x1f'), 0, 1);
            for (const QString &k : inFile - inCode) extra << k.section(QLatin1Char('\x1f'), 0, 1);
            QVERIFY2(missing.isEmpty(), qPrintable(language + QStringLiteral(" lacks: ") + missing.join(QStringLiteral(" | "))));
            QVERIFY2(extra.isEmpty(), qPrintable(language + QStringLiteral(" has texts no longer in the code: ") +
                                                 extra.join(QStringLiteral(" | "))));
        }
    }

    // The program carries its translations: no file beside it is needed, and what it
    // translates is what the files say.
    void translationIsEmbedded() {
        for (const QString &language : Languages) {
            QTranslator t;
            QVERIFY(t.load(i18n::translationFile(language)));
            QString error;
            int compared = 0;
            for (const test::TsEntry &e : test::readTs(tsPath(language), &error)) {
                if (e.numerus) continue;
                QCOMPARE(t.translate(e.context.toUtf8().constData(), e.source.toUtf8().constData(),
                                     e.comment.isEmpty() ? nullptr : e.comment.toUtf8().constData()),
                         e.translations.value(0));
                ++compared;
            }
            QVERIFY(compared > 300);
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
