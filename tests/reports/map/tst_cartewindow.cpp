// The map window offscreen: the boxes over the picture, their colours, the count and the
// group shown, as an operator would use it.
#include "reports/map/cartewindow.h"
#include "reports/map/provinces.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "tests/reports/reportfixtures.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace kastlog;
using kastlog::test::logLine;

namespace {
const QString LogName = QStringLiteral("F1ABC_DNJ.log");

// A window over a temporary program directory, with recording message boxes.
struct Fixture {
    test::TestDirs dirs;
    test::FakeMessageBox box;
    test::FakeStation station;
    Services services;
    Fixture() {
        services.dataDir = dirs.dataDir();
        services.messages = &box;
    }
};

QString markedCodes(const CarteActiDnj &w) {
    QStringList codes;
    for (const carte::Province &p : carte::Provinces) {
        const QColor c = ui::background(w.dep(p.number));
        if (c == ui::Marque) codes << QLatin1String(p.code);
        else if (c != ui::Blanc) codes << QStringLiteral("%1?%2").arg(QLatin1String(p.code), c.name());
    }
    return codes.join(QLatin1Char(','));
}

QString text(const QWidget &w, const char *name) { return w.findChild<QLabel *>(QLatin1String(name))->text(); }

void afficher(QWidget &w) { QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton); }

void choose(QWidget &w, const QString &group) {
    auto *combo = w.findChild<QComboBox *>(QStringLiteral("Bande_A"));
    combo->setCurrentIndex(combo->findText(group));
}
}  // namespace

class TestCarteWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::isolateUserDirectories(); }

    void opensWithItsControls() {
        Fixture f;
        f.dirs.writeFile(LogName, QByteArray());
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(w.objectName(), QStringLiteral("Carte_Acti_DNJ"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Carte des provinces contactées"));
        QVERIFY(w.isWindow());
        auto *combo = w.findChild<QComboBox *>(QStringLiteral("Bande_A"));
        QVERIFY(combo && combo->isEditable());
        QCOMPARE(combo->count(), 3);
        QCOMPARE((QStringList{combo->itemText(0), combo->itemText(1), combo->itemText(2)}),
                 (QStringList{"HF", "VHF", "UHF"}));
        QCOMPARE(combo->currentText(), QStringLiteral("HF"));
        QCOMPARE(ui::background(combo), QColor(255, 255, 192));
        const std::pair<const char *, const char *> labels[] = {
            {"NB_Dep", "0"}, {"Label5", "Provinces contactées bande"}, {"Bande_Carte", "HF"}, {"Label1", "Bande"},
            {"Label6", "Provinces contactés"}, {"Label8", "Provinces non contactés"}};
        for (const auto &[name, expected] : labels) {
            QVERIFY2(w.findChild<QLabel *>(QLatin1String(name)), name);
            QCOMPARE(text(w, name), QString::fromUtf8(expected));
        }
        for (const char *name : {"NB_Dep", "Label5", "Bande_Carte"}) {
            const QFont font = w.findChild<QLabel *>(QLatin1String(name))->font();
            QVERIFY2(font.bold() && font.pointSize() == 12, name);
        }
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("NB_Dep"))->alignment() & Qt::AlignRight);
        QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("Afficher"))->text(), QStringLiteral("Afficher"));
        QCOMPARE(ui::background(w.findChild<QLineEdit *>(QStringLiteral("Text1"))), QColor(192, 255, 192));
        QCOMPARE(ui::background(w.findChild<QLineEdit *>(QStringLiteral("Text2"))), QColor(255, 255, 255));
        QVERIFY(f.box.shown.isEmpty());
    }

    // Each box carries its code, in Arial bold, centred, white, at its place over the picture.
    void boxesSitOnThePicture() {
        Fixture f;
        f.dirs.writeFile(LogName, QByteArray());
        CarteActiDnj w(f.services, f.station);
        auto *picture = w.findChild<QLabel *>(QStringLiteral("Carte_Provinces"));
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(493, 406));
        for (const carte::Province &p : carte::Provinces) {
            QLineEdit *box = w.findChild<QLineEdit *>(QStringLiteral("Dep_%1").arg(p.number));
            QVERIFY2(box == w.dep(p.number), p.code);
            QCOMPARE(box->parentWidget(), picture);
            QCOMPARE(box->geometry(), QRect(p.x, p.y, p.width, p.height));
            QCOMPARE(box->text(), QLatin1String(p.code));
            QVERIFY(box->isReadOnly());
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().family(), QStringLiteral("Arial"));
            QCOMPARE(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
            QCOMPARE(ui::background(box), ui::Blanc);
        }
    }

    // The picture is embedded and drawn: the land under each box is the province's colour,
    // not the white of an empty picture.
    void pictureIsDrawn() {
        Fixture f;
        f.dirs.writeFile(LogName, QByteArray());
        CarteActiDnj w(f.services, f.station);
        const QImage image = w.findChild<QLabel *>(QStringLiteral("Carte_Provinces"))->pixmap().toImage();
        QVERIFY(!image.isNull());
        const qreal ratio = image.devicePixelRatio();
        // Points just off the boxes, on land, for a few provinces (fill colours of the picture).
        const std::tuple<const char *, QPoint, QColor> land[] = {
            {"LU", QPoint(372, 350), QColor(0xe3, 0xdb, 0xed)},
            {"HT", QPoint(150, 200), QColor(0xd4, 0xe3, 0xf0)},
            {"NM", QPoint(268, 280), QColor(0xf2, 0xe6, 0xc4)},
            {"WV", QPoint(64, 150), QColor(0xf2, 0xe6, 0xc4)}};
        for (const auto &[code, at, colour] : land)
            QVERIFY2(image.pixelColor(at * ratio) == colour,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(code), image.pixelColor(at * ratio).name())));
        QCOMPARE(image.pixelColor(QPoint(480, 20) * ratio), QColor(Qt::white));  // the sea, outside
    }

    void marksTheProvincesOfTheGroup_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("count");
        const QStringList three{logLine("F1A", "NM047", "14 Mhz"), logLine("F1B", "NM012", "14 Mhz"),
                                logLine("F1C", "LG003", "14 Mhz")};
        QTest::newRow("Namur and Liege in HF") << three << "HF" << "LG,NM" << "2";
        QTest::newRow("nothing in VHF") << three << "VHF" << "" << "0";
        QTest::newRow("Anvers in VHF")
            << QStringList{logLine("F1A", "AN001", "144 Mhz"), logLine("F1A", "NM001", "10 Mhz")} << "VHF" << "AN" << "1";
        QTest::newRow("no-group band, every group") << QStringList{logLine("F1A", "NM001", "10 Mhz")} << "UHF" << "" << "0";
    }
    void marksTheProvincesOfTheGroup() {
        QFETCH(QStringList, lines);
        QFETCH(QString, group);
        QFETCH(QString, marked);
        QFETCH(QString, count);
        Fixture f;
        f.dirs.writeLines(LogName, lines);
        CarteActiDnj w(f.services, f.station);
        choose(w, group);
        afficher(w);
        QCOMPARE(markedCodes(w), marked);
        QCOMPARE(text(w, "NB_Dep"), count);
        QCOMPARE(text(w, "Bande_Carte"), group);
        QVERIFY(f.box.shown.isEmpty());
    }

    void opensOnHf() {
        Fixture f;
        f.dirs.writeLines(LogName, {logLine("F1A", "OV001", "3.5 Mhz"), logLine("F1A", "BR001", "144 Mhz")});
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(markedCodes(w), QStringLiteral("OV"));
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("1"));
        QCOMPARE(text(w, "Bande_Carte"), QStringLiteral("HF"));
    }

    void smallLettersMarkNothing() {
        Fixture f;
        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz")});
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("1"));
        auto *combo = w.findChild<QComboBox *>(QStringLiteral("Bande_A"));
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("hf"));
        QCOMPARE(combo->currentText(), QStringLiteral("hf"));
        afficher(w);
        QCOMPARE(markedCodes(w), QString());
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("0"));
        QCOMPARE(text(w, "Bande_Carte"), QStringLiteral("hf"));
        // Enter in the box adds no choice to the list.
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->count(), 3);
    }

    void changingTheGroupClearsTheMarks() {
        Fixture f;
        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz"), logLine("F1A", "HT001", "21 Mhz"),
                                    logLine("F1A", "LU002", "432 Mhz")});
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(markedCodes(w), QStringLiteral("HT,NM"));
        choose(w, QStringLiteral("UHF"));
        afficher(w);
        QCOMPARE(markedCodes(w), QStringLiteral("LU"));
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("1"));
        QCOMPARE(text(w, "Bande_Carte"), QStringLiteral("UHF"));
    }

    // Choosing another group without "Afficher" changes nothing on the map.
    void onlyAfficherDisplays() {
        Fixture f;
        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz")});
        CarteActiDnj w(f.services, f.station);
        choose(w, QStringLiteral("VHF"));
        QCOMPARE(markedCodes(w), QStringLiteral("NM"));
        QCOMPARE(text(w, "Bande_Carte"), QStringLiteral("HF"));
    }

    // Every display reads the file on disk again, for the station of that moment.
    void readsTheLogAtEachDisplay() {
        Fixture f;
        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz")});
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(markedCodes(w), QStringLiteral("NM"));
        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz"), logLine("F1A", "LB004", "24 Mhz")});
        afficher(w);
        QCOMPARE(markedCodes(w), QStringLiteral("LB,NM"));
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("2"));
        f.dirs.writeLines(QStringLiteral("ON4XYZ_DNJ.log"), {logLine("F1A", "VB004", "18 Mhz")});
        f.station.call = QStringLiteral("ON4XYZ");
        afficher(w);
        QCOMPARE(markedCodes(w), QStringLiteral("VB"));
    }

    // A log that cannot be read: a message naming the file and the reason, nothing marked,
    // and the window stays usable.
    void unreadableLogIsReported() {
        Fixture f;
        CarteActiDnj w(f.services, f.station);
        QCOMPARE(f.box.shown.size(), 1);
        QVERIFY2(f.box.last().contains(f.dirs.path(LogName)), qPrintable(f.box.last()));
        QVERIFY2(f.box.last().contains(QStringLiteral("n'a pas pu être lu : ")), qPrintable(f.box.last()));
        QCOMPARE(markedCodes(w), QString());
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("0"));

        f.dirs.writeLines(LogName, {logLine("F1A", "NM047", "14 Mhz")});
        afficher(w);
        QCOMPARE(markedCodes(w), QStringLiteral("NM"));
        QCOMPARE(f.box.shown.size(), 1);

        // The log becomes a folder: the earlier marks go, none is left standing.
        QVERIFY(QFile::remove(f.dirs.path(LogName)));
        QVERIFY(QDir().mkdir(f.dirs.path(LogName)));
        afficher(w);
        QCOMPARE(f.box.shown.size(), 2);
        QVERIFY2(f.box.last().contains(f.dirs.path(LogName)), qPrintable(f.box.last()));
        QCOMPARE(markedCodes(w), QString());
        QCOMPARE(text(w, "NB_Dep"), QStringLiteral("0"));
    }

    void openerGivesACentredWindowThatDeletesItself() {
        Fixture f;
        f.dirs.writeFile(LogName, QByteArray());
        QWidget mainWindow;
        QPointer<QWidget> w = createCarteWindow(f.services, f.station, &mainWindow);
        QVERIFY(w);
        QVERIFY(w->isWindow());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QCOMPARE(w->parentWidget(), &mainWindow);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect screen = w->screen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        QVERIFY2(qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2)) <= 1,
                 qPrintable(QStringLiteral("%1 in %2").arg(frame.left()).arg(screen.width())));
        QVERIFY(qAbs(frame.top() - (screen.top() + (screen.height() - frame.height()) / 2)) <= 1);
        w->close();
        QTRY_VERIFY(w.isNull());
    }
};

QTEST_MAIN(TestCarteWindow)
#include "tst_cartewindow.moc"
