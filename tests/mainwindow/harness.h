#pragma once
// A main window over a temporary program directory and settings store, with recording
// fakes, and the operator's gestures: typing into a field, Enter, answering a dialog.
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "tests/common/testdirs.h"
#include "ui/colours.h"
#include "ui/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <functional>
#include <memory>

namespace kastlog::test {

// Makes one replacement of a file fail at a chosen step, as a full disk or a read-only
// directory would.
class WriteFaults : public FaultInjector {
public:
    bool fails(WriteStep step) const override;
    WriteStep step = WriteStep::Rename;
    int failWrite = 0;  // which replacement fails, counting from 1; 0: none
    void reset() { failWrite = 0; m_opens = 0; }

private:
    mutable int m_opens = 0;
};

// A 107-character record, built field by field as the log holds it.
QString record(const QString &call, const QString &ref, const QString &date, const QString &time,
               const QString &band, const QString &mode = QStringLiteral("SSB"), bool qsl = false,
               const QString &firstName = QString(), const QString &name = QStringLiteral("C."));

// The station most tests set up, and one QSO of its log.
inline const QString Q1 = QStringLiteral("Q1ABC");
inline const QString L = record(QStringLiteral("ON4AA"), QStringLiteral("LG001"), QStringLiteral("01/06/08"),
                                QStringLiteral("10:00"), QStringLiteral("14 Mhz"));

class Harness {
public:
    Harness();
    ~Harness();

    TestDirs dirs;
    Settings settings;
    FakeClock clock;
    FakeMessageBox messages;
    FakePrinter printer;
    WriteFaults faults;
    Services services;
    std::unique_ptr<MainWindow> window;
    int programEnds = 0;

    // A set-up station with its log (and an empty template beside it).
    void station(const QString &call, const QStringList &logLines = {});
    // Builds the window and runs its start-up; the result of start().
    bool start();

    template <class T = QWidget> T *w(const QString &name) const {
        return window->findChild<T *>(name);
    }
    QLineEdit *edit(const QString &name) const { return w<QLineEdit>(name); }
    QComboBox *combo(const QString &name) const { return w<QComboBox>(name); }
    QListView *list() const { return w<QListView>(QStringLiteral("Liste_DNJ")); }
    QString text(const QString &name) const;  // of a text box, a combo box or a label

    // The operator's keys, sent to the field as it has them (a combo box's text box).
    void type(const QString &field, const QString &text);
    void enter(const QString &field);
    void typeEnter(const QString &field, const QString &text) { type(field, text); enter(field); }
    void clearField(const QString &field);
    bool hasFocus(const QString &field) const;
    QString focusName() const;
    bool enabled(const QString &field) const { return w(field)->isEnabled(); }
    // Clicks and double clicks an item of the list with the mouse.
    void clickItem(int row);
    void doubleClickItem(int row);
    void triggerMenu(const QString &action);

    // A whole new QSO typed from Ind_A on, automatic date (no date or time typed when
    // `date` is empty), ending on the focused "Valider le QSO".
    void typeQso(const QString &call, const QString &firstName, const QString &ref, const QString &date = {},
                 const QString &time = {}, const QString &mode = {}, const QString &castle = {},
                 bool qsl = false);
    void save() { enter(QStringLiteral("Valide_A")); }

    QStringList logLines(const QString &call) const;
    // The OK-only messages shown, without the Yes/No questions.
    QStringList infos() const {
        QStringList r = messages.shown;
        for (const QString &q : messages.questions) r.removeOne(q);
        return r;
    }
};

// Runs `answer` on the next modal dialog as soon as it is up (Station, Gestion_erreur).
void whenModal(std::function<void(QWidget *)> answer);

}  // namespace kastlog::test

// main() of a window test: the user's real directories are never touched.
#define KASTLOG_WINDOW_TEST(Class)                          \
    int main(int argc, char **argv) {                       \
        kastlog::test::isolateUserDirectories();            \
        QApplication app(argc, argv);                       \
        Class t;                                            \
        return QTest::qExec(&t, argc, argv);                \
    }
