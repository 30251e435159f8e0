// The per-field key handler: which keys reach it, with which codes, and what the field
// receives afterwards.
#include "ui/keyhook.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using kastlog::ui::KeyPressHook;

namespace {
// The usual handler of an entry field: small letters to capitals, "/" to "_", digits
// swallowed.
void sample(int &code) {
    if (code >= 'a' && code <= 'z') code -= 32;
    else if (code == '/') code = '_';
    else if (code >= '0' && code <= '9') code = 0;
}
}  // namespace

class TestKeyHook : public QObject {
    Q_OBJECT
private slots:
    void replacesAndSwallows_data();
    void replacesAndSwallows();
    void codesSeen_data();
    void codesSeen();
    void enterReachesTheFieldUnlessZeroed();
    void backspaceStillDeletes();
    void keysWithoutTextPassBy();
    void shortcutsPassBy();
    void editableComboBox();
    void checkBox();
    void handlerShowingAModalBox();
    void handlerDeletingTheField();
    void handlerDisablingTheField();
};

void TestKeyHook::replacesAndSwallows_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("small letters") << "q1abc/p" << "QABC_P";
    QTest::newRow("capitals unchanged") << "ON" << "ON";
    QTest::newRow("digits swallowed") << "123" << "";
    QTest::newRow("others unchanged") << "-+. *" << "-+. *";
    QTest::newRow("a and z edges") << "`az{" << "`AZ{";
}

void TestKeyHook::replacesAndSwallows() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QLineEdit field;
    KeyPressHook::install(&field, sample);
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), expected);
}

void TestKeyHook::codesSeen_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << int('a');
    QTest::newRow("capital") << int(Qt::Key_A) << "A" << int('A');
    QTest::newRow("slash") << int(Qt::Key_Slash) << "/" << int('/');
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << 32;
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << 13;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 8;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << QString::fromUtf8("é") << 0xE9;
}

void TestKeyHook::codesSeen() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, code);
    QLineEdit field;
    QList<int> seen;
    KeyPressHook::install(&field, [&](int &c) { seen << c; });
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &press);
    QCOMPARE(seen, QList<int>{code});
}

void TestKeyHook::enterReachesTheFieldUnlessZeroed() {
    QLineEdit field;
    bool swallow = false;
    QList<int> seen;
    KeyPressHook::install(&field, [&](int &c) {
        seen << c;
        if (swallow && c == 13) c = 0;
    });
    QSignalSpy returned(&field, &QLineEdit::returnPressed);
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(seen, QList<int>{13});
    QCOMPARE(returned.count(), 1);
    swallow = true;
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Enter);
    QCOMPARE(seen, (QList<int>{13, 13, 13}));
    QCOMPARE(returned.count(), 1);
}

void TestKeyHook::backspaceStillDeletes() {
    QLineEdit field;
    QList<int> seen;
    KeyPressHook::install(&field, [&](int &c) { seen << c; });
    field.setText(QStringLiteral("AB"));
    field.setCursorPosition(2);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("A"));
    QCOMPARE(seen, QList<int>{8});
}

void TestKeyHook::keysWithoutTextPassBy() {
    QLineEdit field;
    QList<int> seen;
    KeyPressHook::install(&field, [&](int &c) {
        seen << c;
        c = 0;  // would swallow anything it saw
    });
    field.setText(QStringLiteral("ABC"));
    field.setCursorPosition(3);
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End,
                      Qt::Key_F1, Qt::Key_F12, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Shift,
                      Qt::Key_Home, Qt::Key_Delete})
        QTest::keyClick(&field, k);
    QVERIFY2(seen.isEmpty(), qPrintable(QString::number(seen.value(0))));
    // The keys had their effect: Home then Delete removed the first letter.
    QCOMPARE(field.text(), QStringLiteral("BC"));
}

void TestKeyHook::shortcutsPassBy() {
    QLineEdit field;
    QList<int> seen;
    KeyPressHook::install(&field, [&](int &c) { seen << c; });
    field.setText(QStringLiteral("abc"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(seen.isEmpty());
    QCOMPARE(field.selectedText(), QStringLiteral("abc"));
    // AltGr (Ctrl+Alt) still types its character.
    QKeyEvent altGr(QEvent::KeyPress, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"));
    QApplication::sendEvent(&field, &altGr);
    QCOMPARE(seen, QList<int>{'@'});
}

void TestKeyHook::editableComboBox() {
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz")});
    combo.setCurrentIndex(-1);
    int calls = 0;
    KeyPressHook::install(&combo, [&](int &c) {
        ++calls;
        sample(c);
    });
    QTest::keyClicks(&combo, QStringLiteral("ab/"));
    QCOMPARE(combo.currentText(), QStringLiteral("AB_"));
    QCOMPARE(calls, 3);  // once per key, not once per widget
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("c9"));
    QCOMPARE(combo.currentText(), QStringLiteral("AB_C"));
    QCOMPARE(calls, 5);
}

void TestKeyHook::checkBox() {
    QCheckBox box;
    QList<int> seen;
    KeyPressHook::install(&box, [&](int &c) { seen << c; });
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, 'x');
    QCOMPARE(seen, (QList<int>{13, 'x'}));
}

// The handler answers an operator mistake with a modal box; the key is still handled right.
void TestKeyHook::handlerShowingAModalBox() {
    QLineEdit field;
    field.show();
    int boxes = 0;
    KeyPressHook::install(&field, [&](int &c) {
        if (c != 13) return;
        c = 0;
        QTimer::singleShot(0, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                ++boxes;
                QTest::keyClick(m, Qt::Key_Return);
            }
        });
        QMessageBox::information(&field, QStringLiteral("KASTLOG"), QStringLiteral("message"));
    });
    QTest::keyClicks(&field, QStringLiteral("ab"));
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClicks(&field, QStringLiteral("c"));
    QCOMPARE(boxes, 1);
    QCOMPARE(field.text(), QStringLiteral("abc"));
}

void TestKeyHook::handlerDeletingTheField() {
    QWidget window;
    QPointer<QLineEdit> field = new QLineEdit(&window);
    KeyPressHook::install(field, [&](int &c) {
        if (c == 13) delete field.data();
        else c -= 32;  // a replacement would be sent to the field
    });
    QTest::keyClick(field, 'a');
    QCOMPARE(field->text(), QStringLiteral("A"));
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(field.isNull());
}

void TestKeyHook::handlerDisablingTheField() {
    QLineEdit field;
    KeyPressHook::install(&field, [&](int &c) {
        if (c == 'x') field.setEnabled(false);
        if (c >= 'a' && c <= 'z') c -= 32;
    });
    QTest::keyClicks(&field, QStringLiteral("ab"));
    QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&field, &x);
    QCOMPARE(field.text(), QStringLiteral("AB"));
    QVERIFY(!field.isEnabled());
}

QTEST_MAIN(TestKeyHook)
#include "tst_keyhook.moc"
