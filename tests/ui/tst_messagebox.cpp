// The program's message boxes, answered from the keyboard as the operator would.
#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using kastlog::ui::QtMessageBox;

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool found = false;
};

// Runs `answer` on the box once it is up, after noting what it shows.
void whenShown(Seen &seen, std::function<void(QMessageBox *)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        seen.found = true;
        QVERIFY(QTest::qWaitForWindowActive(box));
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton()) seen.defaultButton = box->standardButton(box->defaultButton());
        answer(box);
    });
}

// A box nobody answered would hang the suite: close whatever is left after a while.
void guard() {
    QTimer::singleShot(5000, [] {
        if (QWidget *w = QApplication::activeModalWidget()) w->close();
    });
}

}  // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void infoShowsOkOnly();
    void answers_data();
    void answers();
};

void TestMessageBox::infoShowsOkOnly() {
    QtMessageBox boxes;
    Seen seen;
    whenShown(seen, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    guard();
    boxes.info(QStringLiteral("Vous devez entrer un indicatif"));
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("KASTLOG"));
    QCOMPARE(seen.text, QStringLiteral("Vous devez entrer un indicatif"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMessageBox::answers_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Enter answers Yes") << QList<int>{Qt::Key_Return} << true;
    QTest::newRow("keypad Enter answers Yes") << QList<int>{Qt::Key_Enter} << true;
    QTest::newRow("Space on the focused Yes") << QList<int>{Qt::Key_Space} << true;
    QTest::newRow("Escape answers No") << QList<int>{Qt::Key_Escape} << false;
    QTest::newRow("Tab to No, then Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false;
    QTest::newRow("Tab to No, then Space") << QList<int>{Qt::Key_Tab, Qt::Key_Space} << false;
    QTest::newRow("Tab twice back to Yes") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << true;
}

void TestMessageBox::answers() {
    QFETCH(QList<int>, keys);
    QFETCH(bool, yes);
    QtMessageBox boxes;
    Seen seen;
    whenShown(seen, [keys](QMessageBox *box) {
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box->button(QMessageBox::Yes)));
        for (int k : keys) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
            QTest::keyClick(target, Qt::Key(k));
        }
    });
    guard();
    const bool answer = boxes.askYesNo(QStringLiteral("Voulez vous Supprimer ce QSO ?"));
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("KASTLOG"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    QCOMPARE(answer, yes);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
