// The form `Station`, typed as an operator would, with a recording main window.
#include "settings/settings.h"
#include "settings/stationdialog.h"
#include "settings/stationhost.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace kastlog;
using kastlog::test::FakeMessageBox;
using kastlog::test::TestDirs;

namespace {

// Records what the dialog asks of the main window, in order.
class FakeHost : public StationHost {
public:
    QString call = QStringLiteral("FXXXX");
    QString label;
    QStringList calls;
    std::function<void()> onReload;

    QString stationCall() const override { return call; }
    void setStationCall(const QString &c) override { call = c; calls << QStringLiteral("call ") + c; }
    void setStationLabel(const QString &t) override { label = t; calls << QStringLiteral("label ") + t; }
    void selectBandAndMode(int band, int mode) override {
        calls << QStringLiteral("select %1 %2").arg(band).arg(mode);
    }
    void reloadLog() override {
        calls << QStringLiteral("reload ") + call;
        if (onReload) onReload();
    }
    bool entryInProgress() const override { return false; }
};

const QByteArray Template = "template line\r\n";

// Types text key by key; characters beyond ASCII go as the key events a keyboard sends.
void type(QWidget *w, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

}  // namespace

class TestStationDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kastlog::test::isolateUserDirectories(); }
    void init();
    void cleanup();

    void opening();
    void typingTurnsSmallLettersAndSlash();
    void enterOnlyWhitensAndMovesFocus();
    void enterOnTheButtonValidates();
    void newCallSignCreatesItsLog();
    void refusals_data();
    void refusals();
    void accepted_data();
    void accepted();
    void existingCallSignKeepsItsLogAndSettings();
    void missingTemplateStillReloads();
    void closingByTheFrameSavesNothing();
    void modalRunEndsOnValidation();
    void reloadMayEndTheProgram();
    void modelessDialogIsUnloaded();

private:
    StationDialog *open();

    std::unique_ptr<TestDirs> m_dirs;
    std::unique_ptr<Settings> m_settings;
    FakeMessageBox m_messages;
    FakeHost m_host;
    Services m_s;
    QPointer<StationDialog> m_dialog;
};

void TestStationDialog::init() {
    m_dirs = std::make_unique<TestDirs>();
    m_settings = std::make_unique<Settings>(m_dirs->configPath());
    m_messages = FakeMessageBox();
    m_host = FakeHost();
    m_s = Services();
    m_s.dataDir = m_dirs->dataDir();
    m_s.settings = m_settings.get();
    m_s.messages = &m_messages;
    m_dirs->writeFile(QStringLiteral("FXXXX.txt"), Template);
}

void TestStationDialog::cleanup() { delete m_dialog; }

StationDialog *TestStationDialog::open() {
    m_dialog = new StationDialog(m_s, m_host);
    m_dialog->show();
    m_dialog->activateWindow();
    m_dialog->New_Indicatif->setFocus();
    return m_dialog;
}

void TestStationDialog::opening() {
    m_settings->setIndicatifStation(QStringLiteral("ON4OLD"));
    StationDialog *d = open();
    QCOMPARE(d->windowTitle(), QStringLiteral("Selection Indicaif"));
    QCOMPARE(d->Label2->text(), QStringLiteral("Indicatif de la Station"));
    QVERIFY(d->Label2->font().bold());
    QCOMPARE(d->Label3->text(), QStringLiteral("Indicatif"));
    QCOMPARE(d->Label5->text(), QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'"));
    QCOMPARE(d->Label5->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(d->Validation->text(), QStringLiteral("Validez"));
    QVERIFY(d->New_Indicatif->text().isEmpty());
    QVERIFY(d->New_Indicatif->font().bold());
    QCOMPARE(ui::background(d->New_Indicatif), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("New_Indicatif")), d->New_Indicatif);
    QCOMPARE(d->findChild<QPushButton *>(QStringLiteral("Validation")), d->Validation);
    // The current call sign is taken from the store on opening.
    QCOMPARE(m_host.calls, QStringList{QStringLiteral("call ON4OLD")});
    // Centred on the screen, in whole halves.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = d->frameGeometry();
    QCOMPARE(frame.x(), area.x() + (area.width() - frame.width()) / 2);
    QCOMPARE(frame.y(), area.y() + (area.height() - frame.height()) / 2);
}

void TestStationDialog::typingTurnsSmallLettersAndSlash() {
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("q1abc/p"));
    QCOMPARE(d->New_Indicatif->text(), QStringLiteral("Q1ABC_P"));
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("-9 "));
    QCOMPARE(d->New_Indicatif->text(), QStringLiteral("Q1ABC_P-9 "));
    QTest::keyClick(d->New_Indicatif, Qt::Key_Backspace);
    QCOMPARE(d->New_Indicatif->text(), QStringLiteral("Q1ABC_P-9"));
}

void TestStationDialog::enterOnlyWhitensAndMovesFocus() {
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4abc"));
    QTest::keyClick(d->New_Indicatif, Qt::Key_Return);
    QCOMPARE(d->New_Indicatif->text(), QStringLiteral("ON4ABC"));
    QCOMPARE(ui::background(d->New_Indicatif), QColor(255, 255, 255));
    QCOMPARE(d->focusWidget(), static_cast<QWidget *>(d->Validation));
    // Nothing was validated.
    QVERIFY(d->isVisible());
    QCOMPARE(m_host.calls.size(), 1);
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("FXXXX"));
    // The keypad's Enter likewise.
    d->New_Indicatif->setFocus();
    QTest::keyClick(d->New_Indicatif, Qt::Key_Enter);
    QVERIFY(d->isVisible());
    QCOMPARE(m_host.calls.size(), 1);
}

void TestStationDialog::enterOnTheButtonValidates() {
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4abc"));
    QTest::keyClick(d->New_Indicatif, Qt::Key_Return);
    QCOMPARE(d->focusWidget(), static_cast<QWidget *>(d->Validation));
    QTest::keyClick(d->Validation, Qt::Key_Return);
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("ON4ABC"));
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), int(QDialog::Accepted));
}

void TestStationDialog::newCallSignCreatesItsLog() {
    m_settings->setIndicatifStation(QStringLiteral("ON4OLD"));
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("q1abc/p"));
    QTest::mouseClick(d->Validation, Qt::LeftButton);

    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_dirs->readFile(QStringLiteral("Q1ABC_P_DNJ.log")), Template);
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("Q1ABC_P"));
    const QString section = QStringLiteral("Setup Q1ABC_P");
    QCOMPARE(m_settings->value(section, QStringLiteral("bande Utilisee"), QStringLiteral("absent")),
             QStringLiteral("0"));
    QCOMPARE(m_settings->value(section, QStringLiteral("Mode Utilise"), QStringLiteral("absent")),
             QStringLiteral("0"));
    QCOMPARE(m_host.calls, (QStringList{QStringLiteral("call ON4OLD"), QStringLiteral("call Q1ABC_P"),
                                        QStringLiteral("label Q1ABC/P"), QStringLiteral("select 0 0"),
                                        QStringLiteral("reload Q1ABC_P")}));
    QVERIFY(!d->isVisible());
    // The old station's section is left alone.
    QCOMPARE(m_settings->value(QStringLiteral("Setup ON4OLD"), QStringLiteral("bande Utilisee"),
                               QStringLiteral("absent")),
             QStringLiteral("absent"));
}

void TestStationDialog::refusals_data() {
    QTest::addColumn<QString>("typed");   // through the keyboard
    QTest::addColumn<QString>("pasted");  // put into the box directly
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left");    // the box afterwards
    const QString empty = QStringLiteral("Vous devez entrer un indicatif");
    const QString tooLong = QStringLiteral("12 caracteres maximum pour l'indicatif");
    const QString bad = QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    QTest::newRow("empty") << "" << "" << empty << "";
    QTest::newRow("13 typed") << "abcdefghij123" << "" << tooLong << "ABCDEFGHIJ123";
    QTest::newRow("13 pasted small") << "" << "abcdefghij123" << tooLong << "abcdefghij123";
    QTest::newRow("hyphen") << "f-abc" << "" << bad << "";
    QTest::newRow("accented letter") << QString::fromUtf8("fé1") << "" << bad << "";
    QTest::newRow("blank") << "on4 x" << "" << bad << "";
    QTest::newRow("pasted slash") << "" << "Q1ABC/P" << bad << "";
}

void TestStationDialog::refusals() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    QFETCH(QString, left);
    StationDialog *d = open();
    if (!pasted.isEmpty()) d->New_Indicatif->setText(pasted);
    type(d->New_Indicatif, typed);
    QTest::mouseClick(d->Validation, Qt::LeftButton);

    QCOMPARE(m_messages.shown, QStringList{message});
    QCOMPARE(d->New_Indicatif->text(), left);
    QVERIFY(d->isVisible());
    // Nothing changed anywhere.
    QCOMPARE(m_host.calls, QStringList{QStringLiteral("call FXXXX")});
    QVERIFY(!QFile::exists(m_dirs->configPath()));
    QCOMPARE(QDir(m_dirs->dataDir()).entryList(QDir::Files), QStringList{QStringLiteral("FXXXX.txt")});
}

void TestStationDialog::accepted_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("stored");
    QTest::newRow("12 characters") << "abcdefghij12" << "" << "ABCDEFGHIJ12";
    QTest::newRow("one character") << "9" << "" << "9";
    QTest::newRow("pasted small letters") << "" << "on4abc_p" << "ON4ABC_P";
    QTest::newRow("two slashes") << "ea/on4x/p" << "" << "EA_ON4X_P";
}

void TestStationDialog::accepted() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, stored);
    StationDialog *d = open();
    if (!pasted.isEmpty()) d->New_Indicatif->setText(pasted);
    type(d->New_Indicatif, typed);
    QTest::mouseClick(d->Validation, Qt::LeftButton);
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_settings->indicatifStation(), stored);
    QVERIFY(m_dirs->exists(stored + QStringLiteral("_DNJ.log")));
    QCOMPARE(m_host.call, stored);
    QCOMPARE(m_host.label, QString(stored).replace(QLatin1Char('_'), QLatin1Char('/')));
    QVERIFY(!d->isVisible());
}

void TestStationDialog::existingCallSignKeepsItsLogAndSettings() {
    const QByteArray log = "an existing QSO line\r\n";
    m_dirs->writeFile(QStringLiteral("ON4B_DNJ.log"), log);
    m_settings->setIndicatifStation(QStringLiteral("ON4A"));
    m_settings->setBandeUtilisee(QStringLiteral("ON4B"), 10);
    m_settings->setModeUtilise(QStringLiteral("ON4B"), 2);
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4b"));
    QTest::mouseClick(d->Validation, Qt::LeftButton);

    QCOMPARE(m_dirs->readFile(QStringLiteral("ON4B_DNJ.log")), log);
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("ON4B"));
    QCOMPARE(m_settings->bandeUtilisee(QStringLiteral("ON4B")), 10);
    QCOMPARE(m_settings->modeUtilise(QStringLiteral("ON4B")), 2);
    QVERIFY(m_host.calls.contains(QStringLiteral("select 10 2")));
    QCOMPARE(m_host.calls.last(), QStringLiteral("reload ON4B"));
}

void TestStationDialog::missingTemplateStillReloads() {
    QVERIFY(QFile::remove(m_dirs->path(QStringLiteral("FXXXX.txt"))));
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4new"));
    QTest::mouseClick(d->Validation, Qt::LeftButton);

    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(!m_dirs->exists(QStringLiteral("ON4NEW_DNJ.log")));
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("ON4NEW"));
    QCOMPARE(m_settings->value(QStringLiteral("Setup ON4NEW"), QStringLiteral("bande Utilisee"), {}),
             QStringLiteral("0"));
    QCOMPARE(m_host.calls.last(), QStringLiteral("reload ON4NEW"));
    QVERIFY(!d->isVisible());
}

void TestStationDialog::closingByTheFrameSavesNothing() {
    StationDialog *d = open();
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4abc"));
    QVERIFY(d->close());
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(m_host.calls, QStringList{QStringLiteral("call FXXXX")});
    QVERIFY(!QFile::exists(m_dirs->configPath()));
    QVERIFY(!m_dirs->exists(QStringLiteral("ON4ABC_DNJ.log")));
}

// At the first start the dialog runs modally; typing and Enter on "Validez" end it.
void TestStationDialog::modalRunEndsOnValidation() {
    m_dialog = new StationDialog(m_s, m_host);
    QTimer::singleShot(0, this, [this] {
        auto *d = qobject_cast<StationDialog *>(QApplication::activeModalWidget());
        if (!d) return;
        QTest::keyClicks(d->New_Indicatif, QStringLiteral("f5abc"));
        QTest::keyClick(d->New_Indicatif, Qt::Key_Return);
        QTest::keyClick(d->Validation, Qt::Key_Return);
    });
    QTimer::singleShot(5000, m_dialog.data(), &QDialog::reject);  // never hang the suite
    QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("F5ABC"));
}

// The reload can end the program (recovery dialog, "Quitter"), taking the modeless window
// with it: the dialog must not touch itself afterwards.
void TestStationDialog::reloadMayEndTheProgram() {
    StationDialog *d = open();
    d->setAttribute(Qt::WA_DeleteOnClose);
    m_host.onReload = [d] { delete d; };
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4abc"));
    QTest::mouseClick(d->Validation, Qt::LeftButton);
    QVERIFY(m_dialog.isNull());
    QCOMPARE(m_settings->indicatifStation(), QStringLiteral("ON4ABC"));
}

// Opened from the menu: modeless, unloaded once the call sign is accepted.
void TestStationDialog::modelessDialogIsUnloaded() {
    StationDialog *d = open();
    d->setAttribute(Qt::WA_DeleteOnClose);
    QTest::keyClicks(d->New_Indicatif, QStringLiteral("on4abc"));
    QTest::mouseClick(d->Validation, Qt::LeftButton);
    QTRY_VERIFY(m_dialog.isNull());
    QCOMPARE(m_host.calls.last(), QStringLiteral("reload ON4ABC"));
}

QTEST_MAIN(TestStationDialog)
#include "tst_stationdialog.moc"
