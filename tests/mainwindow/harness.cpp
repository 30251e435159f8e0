#include "tests/mainwindow/harness.h"

#include "logstore/logstore.h"
#include "logstore/record.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace kastlog::test {

bool WriteFaults::fails(WriteStep s) const {
    if (s == WriteStep::OpenTemp) ++m_opens;
    return failWrite > 0 && m_opens == failWrite && s == step;
}

QString record(const QString &call, const QString &ref, const QString &date, const QString &time,
               const QString &band, const QString &mode, bool qsl, const QString &firstName, const QString &name) {
    QsoFields q;
    q.call = call;
    q.province = ref.left(2);
    q.firstName = firstName;
    q.reference = ref;
    q.date = date;
    q.time = time;
    q.mode = mode;
    q.band = band;
    q.rstReceived = QStringLiteral("59");
    q.rstSent = QStringLiteral("59");
    q.castleName = name;
    q.qsl = qsl;
    return formatRecord(q);
}

Harness::Harness() : settings(dirs.configPath()) {
    services.dataDir = dirs.dataDir();
    services.settings = &settings;
    services.clock = &clock;
    services.messages = &messages;
    services.printer = &printer;
    services.faults = &faults;
    dirs.writeFile(files::Template, QByteArray());
}

Harness::~Harness() = default;

void Harness::station(const QString &call, const QStringList &logLines) {
    settings.setIndicatifStation(call);
    dirs.writeLines(files::logName(call), logLines);
}

bool Harness::start() {
    window = std::make_unique<MainWindow>(services);
    window->setProgramEnd([this] { ++programEnds; });
    const bool running = window->start();
    if (window->isVisible()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get(), 1000);
    }
    return running;
}

QString Harness::text(const QString &name) const {
    QWidget *c = w(name);
    if (auto *e = qobject_cast<QLineEdit *>(c)) return e->text();
    if (auto *b = qobject_cast<QComboBox *>(c)) return b->currentText();
    if (auto *l = qobject_cast<QLabel *>(c)) return l->text();
    if (auto *p = qobject_cast<QPushButton *>(c)) return p->text();
    return {};
}

// The widget a key typed into `w` goes to: an editable combo box is the focus proxy of its
// own line edit, so the keyboard talks to the combo box.
static QWidget *keyTarget(QWidget *w) { return w; }

void Harness::type(const QString &field, const QString &text) {
    QWidget *f = w(field);
    QVERIFY2(f->isEnabled(), qPrintable(field + QStringLiteral(" is disabled")));
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(keyTarget(f), char(c.unicode()));
        else  // a key of a French keyboard: no ASCII key code
            QTest::sendKeyEvent(QTest::Click, keyTarget(f), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

void Harness::enter(const QString &field) {
    QWidget *f = w(field);
    QVERIFY2(f->isEnabled(), qPrintable(field + QStringLiteral(" is disabled")));
    QTest::keyClick(keyTarget(f), Qt::Key_Return);
}

void Harness::clearField(const QString &field) {
    QWidget *f = w(field);
    if (auto *b = qobject_cast<QComboBox *>(f)) f = b->lineEdit();
    if (auto *e = qobject_cast<QLineEdit *>(f); e && e->isEnabled()) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
    }
}

bool Harness::hasFocus(const QString &field) const {
    QWidget *f = w(field);
    QWidget *focus = window->focusWidget();
    auto *b = qobject_cast<QComboBox *>(f);
    return focus && (focus == f || (b && focus == b->lineEdit()));
}

QString Harness::focusName() const {
    QWidget *focus = window->focusWidget();
    if (focus && qobject_cast<QComboBox *>(focus->parentWidget())) focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

void Harness::clickItem(int row) {
    QListView *l = list();
    const QRect r = l->visualRect(l->model()->index(row, 0));
    l->scrollTo(l->model()->index(row, 0));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(l->model()->index(row, 0)).center());
    Q_UNUSED(r);
}

void Harness::doubleClickItem(int row) {
    QListView *l = list();
    l->scrollTo(l->model()->index(row, 0));
    const QPoint p = l->visualRect(l->model()->index(row, 0)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
}

void Harness::triggerMenu(const QString &action) {
    QAction *a = window->findChild<QAction *>(action);
    QVERIFY2(a, qPrintable(action));
    a->trigger();
}

void Harness::typeQso(const QString &call, const QString &firstName, const QString &ref, const QString &date,
                      const QString &time, const QString &mode, const QString &castle, bool qsl) {
    clearField(QStringLiteral("Ind_A"));
    typeEnter(QStringLiteral("Ind_A"), call);
    clearField(QStringLiteral("Prenom_A"));
    typeEnter(QStringLiteral("Prenom_A"), firstName);
    clearField(QStringLiteral("Ref_A"));
    typeEnter(QStringLiteral("Ref_A"), ref);
    if (!date.isEmpty()) {
        clearField(QStringLiteral("Date_A"));
        typeEnter(QStringLiteral("Date_A"), date);
        clearField(QStringLiteral("Heure_A"));
        typeEnter(QStringLiteral("Heure_A"), time);
    }
    if (!mode.isEmpty()) {
        combo(QStringLiteral("Mode_A"))->lineEdit()->clear();
        type(QStringLiteral("Mode_A"), mode);
    }
    enter(QStringLiteral("Mode_A"));
    enter(QStringLiteral("RST_A"));
    enter(QStringLiteral("RSTE_A"));
    type(QStringLiteral("Rem_A"), castle);
    enter(QStringLiteral("Rem_A"));
    if (qsl) QTest::keyClick(w(QStringLiteral("QSL_A")), Qt::Key_Space);
    enter(QStringLiteral("QSL_A"));
}

QStringList Harness::logLines(const QString &call) const { return dirs.readLines(files::logName(call)); }

void whenModal(std::function<void(QWidget *)> answer) {
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(m);
        }
    });
    poll->start();
}

}  // namespace kastlog::test
