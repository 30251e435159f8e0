// Every window in Dutch and in English: no French text left on a label, button, check box,
// menu, tab, header or title, every text within its widget (Dutch is often longer than the
// French the windows were laid out for), and no Alt letter twice in one menu or window.
#include "i18n/language.h"
#include "mainwindow/columnheader.h"
#include "mainwindow/importdialog.h"
#include "reports/reportwindows.h"
#include "settings/gestionerreurdialog.h"
#include "tests/i18n/tsfile.h"
#include "tests/mainwindow/harness.h"
#include "ui/openers.h"
#include "webviews/webwindows.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QTranslator>

using namespace kastlog;
using namespace kastlog::test;

namespace {

// A text as shown: the Alt marks gone ("&&" is a shown "&").
QString shown(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QChar altLetter(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

int widest(const QFontMetrics &fm, const QString &text) {
    int w = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) w = qMax(w, fm.horizontalAdvance(line));
    return w;
}

class Inspector {
public:
    explicit Inspector(const QString &language) {
        QString error;
        const QList<TsEntry> entries =
            readTs(QStringLiteral(KASTLOG_SOURCE_DIR "/i18n/kastlog_%1.ts").arg(language), &error);
        QSet<QString> translated;
        for (const TsEntry &e : entries)
            for (const QString &t : e.translations) translated << shown(t);
        // A French text that the translation changes; one that is also a translation
        // ("Mode", "QSO") tells nothing.
        for (const TsEntry &e : entries)
            if (!e.translations.contains(e.source) && !translated.contains(shown(e.source)))
                m_french << shown(e.source);
    }
    bool ready() const { return m_french.size() > 200; }
    QStringList faults;
    QStringList seen;  // the windows inspected, by title

    void window(QWidget *w) {
        m_where = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        seen << m_where;
        text(w->windowTitle(), QStringLiteral("title"));
        QHash<QChar, QString> alts;  // the window's Alt letters
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty()) continue;
            text(l->text(), l->objectName());
            alt(alts, l->text(), l->objectName());
            if (dynamic_cast<ColumnHeader *>(l)) {
                columnHeadings();
                continue;
            }
            if (l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text())) continue;
            if (l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                              : widest(l->fontMetrics(), shown(l->text())) > l->contentsRect().width())
                fault(l->objectName(), l->text(), QStringLiteral("does not fit"));
        }
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (!b->isVisibleTo(w) || b->text().isEmpty()) continue;
            text(b->text(), b->objectName());
            alt(alts, b->text(), b->objectName());
            text(b->toolTip(), b->objectName());
            int room = b->width() - 6;  // the button's frame
            if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b))
                room = b->width() - b->style()->pixelMetric(QStyle::PM_IndicatorWidth) -
                       b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            // A wrapping button (two lines in the main window) has its height for a second line.
            const bool wraps = b->height() >= 2 * b->fontMetrics().height() && !b->text().contains(QLatin1Char('\n'));
            const int need = widest(b->fontMetrics(), shown(b->text()));
            if (wraps ? need > 2 * room : need > room) fault(b->objectName(), b->text(), QStringLiteral("does not fit"));
        }
        for (QGroupBox *g : w->findChildren<QGroupBox *>()) text(g->title(), g->objectName());
        for (QTabBar *t : w->findChildren<QTabBar *>())
            for (int i = 0; i < t->count(); ++i) text(t->tabText(i), QStringLiteral("tab"));
        for (QLineEdit *e : w->findChildren<QLineEdit *>()) text(e->placeholderText(), e->objectName());
        for (QAbstractItemView *v : w->findChildren<QAbstractItemView *>()) headers(v);
        if (auto *main = qobject_cast<QMainWindow *>(w)) menu(main->menuBar()->actions(), QStringLiteral("menu bar"));
    }

private:
    QSet<QString> m_french;
    QString m_where;

    void fault(const QString &widget, const QString &text, const QString &what) {
        faults << QStringLiteral("%1 / %2: \"%3\" %4").arg(m_where, widget, text, what);
    }
    void text(const QString &t, const QString &widget) {
        if (m_french.contains(shown(t))) fault(widget, t, QStringLiteral("is French"));
    }
    // No two texts of one window or menu with the same Alt letter.
    void alt(QHash<QChar, QString> &taken, const QString &t, const QString &widget) {
        const QChar c = altLetter(t);
        if (c.isNull()) return;
        if (taken.contains(c)) fault(widget, t, QStringLiteral("has the Alt letter of \"%1\"").arg(taken[c]));
        taken.insert(c, t);
    }
    // The list's headings are drawn word by word over its columns, in a fixed-pitch font: each
    // word has the characters up to the next one's column.
    void columnHeadings() {
        const QList<Heading> h = headings();
        for (qsizetype i = 0; i < h.size(); ++i) {
            const int room = i + 1 < h.size() ? h[i + 1].displayCol - h[i].displayCol : 4;
            if (h[i].word.size() > room) fault(QStringLiteral("Label_Entete"), h[i].word, QStringLiteral("does not fit"));
        }
    }
    void headers(QAbstractItemView *v) {
        QAbstractItemModel *m = v->model();
        if (!m) return;
        auto *table = qobject_cast<QTableView *>(v);
        for (int c = 0; c < m->columnCount(); ++c) {
            const QString h = m->headerData(c, Qt::Horizontal).toString();
            text(h, QStringLiteral("column %1").arg(c));
            if (!table || table->isColumnHidden(c) || table->horizontalHeader()->isHidden() || h.isEmpty()) continue;
            const QHeaderView *hv = table->horizontalHeader();
            const int margin = 2 * hv->style()->pixelMetric(QStyle::PM_HeaderMargin);
            if (widest(hv->fontMetrics(), h) + margin > hv->sectionSize(c))
                fault(QStringLiteral("column %1").arg(c), h, QStringLiteral("does not fit"));
        }
    }
    void menu(const QList<QAction *> &actions, const QString &where) {
        QHash<QChar, QString> letters;
        for (QAction *a : actions) {
            if (a->isSeparator()) continue;
            text(a->text(), where);
            alt(letters, a->text(), where);
            if (a->menu()) menu(a->menu()->actions(), a->text());
        }
    }
};

// Runs `open`, then inspects and closes each window it shows, modal or not.
void inspectWhatOpens(Inspector &look, const std::function<void()> &open) {
    QSet<QWidget *> before;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()) before << w;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            look.window(m);
            m->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    QCoreApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w) && !qobject_cast<QMenu *>(w)) {
            look.window(w);
            w->close();
        }
}

const QByteArray Adi = "<eoh><call:4>F1XY<qso_date:8>20080531<time_on:4>0900<band:3>40m<mode:2>CW"
                       "<sig:3>DNJ<sig_info:5>NM047<eor>";
}  // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("nl") << "nl";
        QTest::newRow("en") << "en";
    }
    void everyWindowIsTranslated() {
        QFETCH(QString, language);
        QTranslator own, toolkit;
        QVERIFY(own.load(i18n::translationFile(language)));
        QVERIFY(toolkit.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&own);
        QCoreApplication::installTranslator(&toolkit);
        Inspector look(language);
        QVERIFY(look.ready());
        {
            Harness h;
            FakeBrowserFactory browser;
            h.services.browser = &browser;
            h.station(Q1, {L});
            QDir(h.dirs.dataDir()).mkpath(QStringLiteral("Sauvegardes"));
            h.dirs.writeLines(QStringLiteral("Sauvegardes/Q1ABC_DNJ_2008-06-01.log"), {L});
            h.dirs.writeFile("in.adi", Adi);
            QVERIFY(h.start());
            h.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
            addReportOpeners(h.window->openers(), h.services, *h.window, *h.window, h.window.get());
            addWebOpeners(h.window->openers(), h.services, *h.window, h.window.get());
            look.window(h.window.get());
            const Openers &o = h.window->openers();
            for (const auto &open : {o.contacte, o.carte, o.scores, o.recherche, o.cluster, o.reglement, o.listeDnj})
                inspectWhatOpens(look, open);
            chooseAdifFile = [&](QWidget *, const QString &) { return h.dirs.path("in.adi"); };
            for (const char *action : {"Mnu_Spots", "Mnu_Radio", "Mnu_New_Indicatif", "Mnu_Import_ADIF", "Mnu_Restaurer"})
                inspectWhatOpens(look, [&] { h.triggerMenu(QLatin1String(action)); });
            GestionErreurDialog error(h.services, h.window.get());
            inspectWhatOpens(look, [&] { error.show(); });
        }
        QCoreApplication::removeTranslator(&own);
        QCoreApplication::removeTranslator(&toolkit);
        QVERIFY2(look.faults.isEmpty(), qPrintable(look.faults.join(QLatin1Char('\n'))));
        // Each window was looked at: main, 4 reports, 3 web pages, spots, radio, station,
        // import, restore, error.
        QVERIFY2(look.seen.size() >= 14, qPrintable(look.seen.join(QStringLiteral(", "))));
    }

    // The choice of Aide > Langue is kept and said to take effect at the next start.
    void languageMenuKeepsTheChoice() {
        Harness h;
        h.station(Q1, {L});
        QVERIFY(h.start());
        QVERIFY(h.w<QAction>(QStringLiteral("Mnu_Langue_Auto"))->isChecked());
        h.triggerMenu(QStringLiteral("Mnu_Langue_Nl"));
        QCOMPARE(h.settings.langue(), QStringLiteral("nl"));
        QCOMPARE(h.infos().size(), 1);
        QVERIFY(h.infos().last().contains(QStringLiteral("prochain démarrage")));
        h.triggerMenu(QStringLiteral("Mnu_Langue_Auto"));
        QCOMPARE(h.settings.langue(), QString());
        Harness again;
        again.station(Q1, {L});
        again.settings.setLangue(QStringLiteral("en"));
        QVERIFY(again.start());
        QVERIFY(again.w<QAction>(QStringLiteral("Mnu_Langue_En"))->isChecked());
    }
};

KASTLOG_WINDOW_TEST(TestTranslatedWindows)
#include "tst_translatedwindows.moc"
