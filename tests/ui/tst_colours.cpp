// Background colours as the screen shows them, and centring.
#include "ui/centre.h"
#include "ui/colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

using namespace kastlog;

class TestColours : public QObject {
    Q_OBJECT
private slots:
    void background_data();
    void background();
    void comboLineEditFollows();
    void textColour();
    void centre_data();
    void centre();
};

void TestColours::background_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QColor>("colour");
    for (const char *kind : {"line edit", "editable combo", "combo", "check box", "button"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 yellow").arg(QLatin1String(kind))))
            << QString::fromLatin1(kind) << ui::Jaune;
        QTest::newRow(qPrintable(QStringLiteral("%1 green").arg(QLatin1String(kind))))
            << QString::fromLatin1(kind) << ui::Vert;
        QTest::newRow(qPrintable(QStringLiteral("%1 white").arg(QLatin1String(kind))))
            << QString::fromLatin1(kind) << ui::Blanc;
    }
}

void TestColours::background() {
    QFETCH(QString, kind);
    QFETCH(QColor, colour);
    std::unique_ptr<QWidget> w;
    if (kind == QLatin1String("line edit")) {
        w = std::make_unique<QLineEdit>();
    } else if (kind.endsWith(QLatin1String("combo"))) {
        auto *c = new QComboBox;
        c->setEditable(kind.startsWith(QLatin1String("editable")));
        c->addItem(QStringLiteral(" "));
        w.reset(c);
    } else if (kind == QLatin1String("check box")) {
        w = std::make_unique<QCheckBox>();
    } else {
        w = std::make_unique<QPushButton>(QStringLiteral(" "));
    }
    w->resize(120, 30);
    ui::setBackground(w.get(), ui::Jaune == colour ? ui::Vert : ui::Jaune);  // a change, not a first set
    ui::setBackground(w.get(), colour);
    QCOMPARE(ui::background(w.get()), colour);
    w->show();
    // What the screen really shows, away from borders and text.
    const QImage shot = w->grab().toImage();
    const QPoint inside(shot.width() - 45, shot.height() / 2);
    QCOMPARE(shot.pixelColor(inside).rgb(), colour.rgb());
}

void TestColours::comboLineEditFollows() {
    QComboBox combo;
    combo.setEditable(true);
    ui::setBackground(&combo, ui::Vert);
    QCOMPARE(combo.lineEdit()->palette().color(QPalette::Base), ui::Vert);
    QCOMPARE(ui::background(combo.lineEdit()), ui::Vert);
    ui::setBackground(&combo, ui::Jaune);
    QCOMPARE(ui::background(&combo), ui::Jaune);
}

void TestColours::textColour() {
    QLabel label(QStringLiteral("!!!"));
    ui::setTextColour(&label, QColor(255, 0, 0));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QLineEdit edit;
    ui::setTextColour(&edit, QColor(0, 0, 255));
    QCOMPARE(edit.palette().color(QPalette::Text), QColor(0, 0, 255));
}

void TestColours::centre_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("even") << QSize(300, 200);
    QTest::newRow("odd") << QSize(301, 203);
    QTest::newRow("bigger than the screen") << QSize(4000, 3000);
}

void TestColours::centre() {
    QFETCH(QSize, size);
    QWidget w;
    w.setFixedSize(size);
    ui::centreOnScreen(&w);
    w.show();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    // Integer halves of the difference, negative when the window is larger.
    QCOMPARE(frame.x(), area.x() + (area.width() - frame.width()) / 2);
    QCOMPARE(frame.y(), area.y() + (area.height() - frame.height()) / 2);
    QVERIFY(frame.width() >= size.width());
}

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
