// The window `Main`: its controls and clock, the start-up and the reset of the entry.
#include "mainwindow/mainwindow.h"

#include "mainwindow/loglist.h"

#include "logstore/clock.h"
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "mainwindow/columnheader.h"
#include "mainwindow/fullwidthdelegate.h"
#include "mainwindow/licence.h"
#include "mainwindow/wrapbutton.h"
#include "settings/gestionerreurdialog.h"
#include "settings/settings.h"
#include "settings/stationcall.h"
#include "settings/stationdialog.h"
#include "ui/centre.h"
#include "ui/colours.h"
#include "ui/keyhook.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

namespace kastlog {

using ui::px;

namespace {
const QStringList Bands = {
    QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz"), QStringLiteral("7.0 Mhz"), QStringLiteral("10 Mhz"),
    QStringLiteral("14 Mhz"),  QStringLiteral("18 Mhz"),  QStringLiteral("21 Mhz"),  QStringLiteral("24 Mhz"),
    QStringLiteral("28 Mhz"),  QStringLiteral("50 Mhz"),  QStringLiteral("144 Mhz"), QStringLiteral("432 Mhz")};
const QStringList Modes = {QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM")};
// Shown in the window and the about box; the printed and exported lists have their own.
const char *const Notice = QT_TRANSLATE_NOOP("About", "KASTLOG - carnet de trafic DNJ");

// Places `w` at a position of the design given in twips, relative to `origin` (a frame).
void place(QWidget *w, int left, int top, int width, int height, QPoint origin = {}) {
    w->setGeometry(origin.x() + px(left), origin.y() + px(top), px(width), px(height));
}

QFont sansFont(double points, bool bold) {
    QFont f;
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont listFont() {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(8);
    return f;
}

class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(std::function<void()> f, QObject *parent) : QObject(parent), m_f(std::move(f)) {}
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::MouseButtonDblClick) m_f();
        return false;
    }

private:
    std::function<void()> m_f;
};

// Selects entry `index` of a band or mode list (-1: none, the text is emptied).
void selectEntry(QComboBox *combo, int index) {
    if (index < -1 || index >= combo->count()) index = 0;
    combo->setCurrentIndex(index);
    combo->setEditText(index >= 0 ? combo->itemText(index) : QString());
}
}  // namespace

QString historyText() {
    //: The program's version history, shown by Aide > Historique.
    return QCoreApplication::translate("About", "V1.0.0   le 14/07/2008 creation\r\n"
                                                "V1.0.1   le 19/07/2008 Suppression saisie Province\r\n");
}

QString aboutText() {
    //: %1 is the version number, which starts with a blank.
    return QCoreApplication::translate("About", "KASTLOG  Révision %1").arg(Version) + QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("About", Notice) + QStringLiteral("\r\n\r\n") + licenceNotice();
}

MainWindow::MainWindow(Services &services, QWidget *parent) : QMainWindow(parent), m_s(services) {
    setObjectName(QStringLiteral("Main"));
    m_endProgram = [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    };
    buildControls();
    buildMenus();
    setTabOrder();
    installKeyHandlers();
    setFixedSize(px(11535), px(7830) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    auto *c = new QWidget(this);
    setCentralWidget(c);
    const QFont field = sansFont(12, true);

    auto frame = [c](const QString &name, int l, int t, int w, int h) {
        auto *f = new QFrame(c);
        f->setObjectName(name);
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        place(f, l, t, w, h);
        return f->pos();
    };
    auto label = [c](const QString &name, const QString &text, const QFont &font, QPoint origin, int l, int t,
                     int w, int h, Qt::Alignment align = Qt::AlignCenter) {
        auto *lb = new QLabel(text, c);
        lb->setObjectName(name);
        lb->setFont(font);
        lb->setAlignment(align | Qt::AlignVCenter);
        place(lb, l, t, w, h, origin);
        return lb;
    };

    const QPoint date = frame(QStringLiteral("Cadre_Date"), 360, 120, 1455, 735);
    Label33 = label(QStringLiteral("Label33"), QStringLiteral("02/02/08"), field, date, 120, 240, 1215, 375);
    const QPoint station = frame(QStringLiteral("Cadre_Station"), 1920, 120, 7575, 735);
    Label2 = label(QStringLiteral("Label2"), tr("INDICATIF DE LA STATION  : "), sansFont(13.5, false),
                   station, 720, 240, 3975, 375);
    I_Station = label(QStringLiteral("I_Station"), QString(), sansFont(13.5, true), station, 5040, 240, 1815, 375,
                      Qt::AlignLeft);
    ui::setTextColour(I_Station, Qt::red);
    const QPoint clock = frame(QStringLiteral("Cadre_Horloge"), 9600, 120, 1575, 735);
    Label34 = label(QStringLiteral("Label34"), QStringLiteral("12:20"), field, clock, 120, 120, 1335, 255);
    Label37 = label(QStringLiteral("Label37"), QStringLiteral("12:35"), field, clock, 120, 360, 1335, 255);

    auto *entry = new QGroupBox(tr("Saisie ou modification d'un QSO"), c);
    entry->setObjectName(QStringLiteral("Cadre_Saisie"));
    place(entry, 120, 960, 11295, 1815);
    const QPoint e = entry->pos();
    const QFont caption;
    struct Caption { const char *text; int l, t; };
    // The captions over the entry fields: short, each over its own field.
    for (const Caption &k : {Caption{QT_TR_NOOP("Bande"), 240, 240}, {QT_TR_NOOP("Indicatif"), 1920, 240},
                             {QT_TR_NOOP("Prénom (optionnel)"), 4320, 240},
                             //: Reference of the castle, e.g. NM047
                             {QT_TR_NOOP("Ref Chateau"), 7080, 240}, {QT_TR_NOOP("Date"), 8640, 240},
                             {QT_TR_NOOP("Heure UTC"), 10080, 240},
                             //: The radio mode (SSB, CW, FM)
                             {QT_TR_NOOP("Mode"), 240, 960},
                             //: Signal report received (readability, strength, tone)
                             {QT_TR_NOOP("RST R"), 1680, 960},
                             //: Signal report sent
                             {QT_TR_NOOP("RST E"), 2520, 960},
                             {QT_TR_NOOP("Nom du Chateau (optionnel)"), 3480, 960},
                             //: Check box: a QSL card is exchanged
                             {QT_TR_NOOP("QSL"), 9120, 1080}}) {
        auto *lb = new QLabel(tr(k.text), c);
        lb->setFont(caption);
        lb->adjustSize();
        lb->move(e + QPoint(px(k.l), px(k.t)));
    }
    label(QStringLiteral("Label_Mode_Saisie"), tr("Mode de saisie"), caption, e, 9720, 1080, 1335, 240);
    Mode_Aff = label(QStringLiteral("Mode_Aff"), tr("Saisie QSO"), caption, e, 9720, 1320, 1335, 255);
    ui::setTextColour(Mode_Aff, Qt::red);

    auto combo = [&](const QString &name, int l, int t, int w, int h, QPoint origin = {}) {
        auto *cb = new QComboBox(c);
        cb->setObjectName(name);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);  // Enter must not add entries
        cb->setCompleter(nullptr);                  // the text is what the operator types
        cb->setFont(field);
        place(cb, l, t, w, h, origin);
        return cb;
    };
    auto edit = [&](const QString &name, int l, int t, int w, int h, QPoint origin = {}) {
        auto *le = new QLineEdit(c);
        le->setObjectName(name);
        le->setFont(field);
        le->setEnabled(false);
        ui::setBackground(le, ui::Jaune);
        place(le, l, t, w, h, origin);
        return le;
    };
    Bande_A = combo(QStringLiteral("Bande_A"), 360, 1440, 1455, 420);
    ui::setBackground(Bande_A, ui::Jaune);
    Ind_A = edit(QStringLiteral("Ind_A"), 2040, 1440, 1935, 405);
    Ind_A->setEnabled(true);
    ui::setBackground(Ind_A, ui::Vert);
    Prenom_A = edit(QStringLiteral("Prenom_A"), 4200, 1440, 2775, 375);
    Ref_A = edit(QStringLiteral("Ref_A"), 7200, 1440, 1335, 405);
    Date_A = edit(QStringLiteral("Date_A"), 8640, 480, 1215, 420, e);
    Heure_A = edit(QStringLiteral("Heure_A"), 10200, 1440, 975, 405);
    Mode_A = combo(QStringLiteral("Mode_A"), 360, 2160, 1215, 420);
    Mode_A->setEnabled(false);
    ui::setBackground(Mode_A, ui::Jaune);
    RST_A = edit(QStringLiteral("RST_A"), 1800, 2160, 615, 375);
    RSTE_A = edit(QStringLiteral("RSTE_A"), 2640, 2160, 615, 375);
    RST_A->setText(QStringLiteral("59"));
    RSTE_A->setText(QStringLiteral("59"));
    Rem_A = edit(QStringLiteral("Rem_A"), 3480, 1200, 5295, 375, e);
    Rem_A->setText(QStringLiteral("C. "));
    QSL_A = new QCheckBox(c);
    QSL_A->setObjectName(QStringLiteral("QSL_A"));
    QSL_A->setEnabled(false);
    QSL_A->setAutoFillBackground(true);
    ui::setBackground(QSL_A, ui::Jaune);
    place(QSL_A, 9360, 2280, 255, 255);
    Dpt_A = edit(QStringLiteral("Dpt_A"), 10800, 2280, 495, 375);
    Dpt_A->setVisible(false);

    auto button = [&](const QString &name, const QString &text, int t, bool enabled) {
        auto *b = new WrapButton(text, c);
        b->setObjectName(name);
        b->setFont(sansFont(7.5, false));  // two lines in the design's narrow buttons
        b->setEnabled(enabled);
        place(b, 10320, t, 1095, 495);
        return b;
    };
    Valide_A = button(QStringLiteral("Valide_A"), tr("Valider le QSO"), 3000, false);
    ui::setBackground(Valide_A, ui::Jaune);
    Efface_A = button(QStringLiteral("Efface_A"), tr("Annuler saisie en cours"), 3720, true);
    Ajout_QSO = button(QStringLiteral("Ajout_QSO"), tr("Inserer un QSO"), 4440, true);
    Annule_Saisie = button(QStringLiteral("Annule_Saisie"), tr("Supprimer un QSO"), 5160, false);
    Annule_Saisie->setToolTip(tr("Permet d'annuler la saisie d'un Code Postal contacté"));
    Rechercher = button(QStringLiteral("Rechercher"), tr("Rechercher un QSO"), 5880, true);
    Command1 = button(QStringLiteral("Command1"), tr("Liste des DNJ"), 6600, true);
    connect(Valide_A, &QPushButton::clicked, this, &MainWindow::Valide_A_Click);
    connect(Efface_A, &QPushButton::clicked, this, &MainWindow::Efface_A_Click);
    connect(Ajout_QSO, &QPushButton::clicked, this, &MainWindow::Ajout_QSO_Click);
    connect(Annule_Saisie, &QPushButton::clicked, this, &MainWindow::Annule_Saisie_Click);
    connect(Rechercher, &QPushButton::clicked, this, [this] { open(m_openers.recherche); });
    connect(Command1, &QPushButton::clicked, this, [this] { open(m_openers.listeDnj); });

    const QString listTip = tr("Un clique sur un QSO pour l'afficher ou le supprimer, un double clique pour l'editer");
    L_Communes = new QGroupBox(listTip, c);
    L_Communes->setObjectName(QStringLiteral("L_Communes"));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSizeF(8.25);
    L_Communes->setFont(arial);
    place(L_Communes, 120, 2880, 10095, 4815);

    Liste_DNJ = new QListView(c);
    Liste_DNJ->setObjectName(QStringLiteral("Liste_DNJ"));
    Liste_DNJ->setFont(listFont());
    Liste_DNJ->setUniformItemSizes(true);  // stays fast with thousands of lines
    Liste_DNJ->setItemDelegate(new FullWidthDelegate(Liste_DNJ));
    Liste_DNJ->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_DNJ->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_DNJ->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Liste_DNJ->setToolTip(listTip);
    m_lines = new LogListModel(this);
    Liste_DNJ->setModel(m_lines);
    place(Liste_DNJ, 360, 3360, 9615, 4020);
    m_header = new ColumnHeader(Liste_DNJ, c);
    m_header->setObjectName(QStringLiteral("Label_Entete"));
    m_header->setFont(listFont());
    place(m_header, 240, 240, 9495, 255, L_Communes->pos());
    connect(Liste_DNJ->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_selecting) Liste_DNJ_Click();
    });
    connect(Liste_DNJ, &QListView::clicked, this, [this] { Liste_DNJ_Click(); });
    // A double click anywhere in the list counts, also on an empty list (the handler then
    // asks for a line to be clicked).
    Liste_DNJ->viewport()->installEventFilter(new DoubleClickFilter([this] { Liste_DNJ_DblClick(); }, this));

    auto *notice = label(QStringLiteral("Label_Notice"), QCoreApplication::translate("About", Notice), sansFont(6, false),
                         {}, 10320, 7320, 1095, 375);
    notice->setWordWrap(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

void MainWindow::setTabOrder() {
    // The design's tab indexes, in increasing order (the hidden `Dpt_A` takes no focus).
    const QList<QWidget *> order = {Command1, Valide_A,      Heure_A, RST_A,    Ind_A,     Liste_DNJ,
                                    Bande_A,  Mode_A,        Efface_A, Annule_Saisie, Ref_A, QSL_A,
                                    Prenom_A, RSTE_A,        Ajout_QSO, Rechercher, Date_A, Rem_A};
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::installKeyHandlers() {
    auto hook = [this](QWidget *w, void (MainWindow::*handler)(int &)) {
        ui::KeyPressHook::install(w, [this, handler](int &code) { (this->*handler)(code); });
    };
    hook(Bande_A, &MainWindow::Bande_A_KeyPress);
    hook(Ind_A, &MainWindow::Ind_A_KeyPress);
    hook(Prenom_A, &MainWindow::Prenom_A_KeyPress);
    hook(Ref_A, &MainWindow::Ref_A_KeyPress);
    hook(Date_A, &MainWindow::Date_A_KeyPress);
    hook(Heure_A, &MainWindow::Heure_A_KeyPress);
    hook(Mode_A, &MainWindow::Mode_A_KeyPress);
    hook(RST_A, &MainWindow::RST_A_KeyPress);
    hook(RSTE_A, &MainWindow::RSTE_A_KeyPress);
    hook(Rem_A, &MainWindow::Rem_A_KeyPress);
    hook(QSL_A, &MainWindow::QSL_A_KeyPress);
    // Enter in the list is the keyboard's double click: the item is taken, then opened.
    ui::KeyPressHook::install(Liste_DNJ, [this](int &code) {
        if (code != 13) return;
        Liste_DNJ_Click();
        Liste_DNJ_DblClick();
    });
}

bool MainWindow::start() {
    m_ended = false;
    m_loadAbandoned = false;
    Timer1->start();
    ui::centreOnScreen(this);
    Bande_A->clear();
    Bande_A->addItems(Bands);
    Mode_A->clear();
    Mode_A->addItems(Modes);
    Settings &st = *m_s.settings;
    m_call = st.indicatifStation();
    I_Station->setText(m_call);
    selectEntry(Bande_A, st.bandeUtilisee(m_call));
    selectEntry(Mode_A, st.modeUtilise(m_call));
    const QString dateAuto = st.dateAuto(m_call);
    if (dateAuto == QLatin1String("Oui") || dateAuto == QLatin1String("Non")) {
        Mnu_Date_Auto->setChecked(dateAuto == QLatin1String("Oui"));
        Mnu_Date_Man->setChecked(dateAuto == QLatin1String("Non"));
    }
    st.setCheminRepertoire(m_s.dataDir);

    if (m_call == station::Placeholder) {
        m_s.messages->info(tr("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
        StationDialog dialog(m_s, *this, this);
        dialog.exec();
        if (m_ended) return false;
        if (m_loadAbandoned) {  // the change of station did not go through: nothing more here
            show();
            return true;
        }
    }

    m_modification = false;
    show();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Mode_Aff->setText(tr("Saisie QSO"));
    //: %1 is the version number, which starts with a blank.
    setWindowTitle(tr("  KASTLOG    Revision %1").arg(Version));

    if (m_call != station::Placeholder) {
        const Load l = lectureLog();
        if (l == Load::Ended) return false;
        if (l == Load::Abandoned) return true;
    }
    selectListItem(m_lines->rowCount() - 1);
    st.setRevision(m_call, Version);
    Initialise_Saisie();
    startRadio();
    return true;
}

void MainWindow::endProgram() {
    m_ended = true;
    Timer1->stop();
    if (m_endProgram) m_endProgram();
}

QString MainWindow::logFileName() const { return QDir(m_s.dataDir).filePath(files::logName(m_call)); }

MainWindow::Load MainWindow::lectureLog() {
    m_lines->clear();
    m_selecting = true;  // a reset model takes no click
    LoadedLog log = LogStore(m_s.dataDir, m_call, m_s.faults).load();
    m_selecting = false;
    switch (log.read.kind) {
    case ReadResult::Ok: {
        const bool cut = log.truncated;
        const qsizetype count = log.lineCount();
        m_lines->setLog(std::move(log));
        Ind_A->setEnabled(true);
        if (cut && !m_toldListIsCut) {
            // Said once: the QSOs past the list's end are in the file, only not shown.
            m_toldListIsCut = true;
            m_s.messages->info(tr("Le log contient %n lignes : la liste ne montre que les %1 premières. "
                                  "Le fichier les garde toutes.", nullptr, int(count))
                                   .arg(MaxDisplayLines));
        }
        return Load::Done;
    }
    case ReadResult::Missing: {
        GestionErreurDialog dialog(m_s, this);
        dialog.setErrDepartement(QStringLiteral("_DNJ.log"));
        dialog.exec();
        if (dialog.quitRequested()) {
            endProgram();
            return Load::Ended;
        }
        m_loadAbandoned = true;
        return Load::Abandoned;
    }
    case ReadResult::Failed:
        break;
    }
    m_s.messages->info(tr("Erreur N° %1").arg(log.read.errorNumber));
    endProgram();
    return Load::Ended;
}

void MainWindow::reloadLog() { lectureLog(); }

void MainWindow::setStationLabel(const QString &text) { I_Station->setText(text); }

QString MainWindow::stationLabelText() const { return I_Station->text(); }

void MainWindow::selectBandAndMode(int band, int mode) {
    selectEntry(Bande_A, band);
    selectEntry(Mode_A, mode);
}

QStringList MainWindow::mainListLines() const { return m_lines->lines(); }

bool MainWindow::dateAuto() const { return Mnu_Date_Auto->isChecked(); }

void MainWindow::Initialise_Saisie() {
    for (QLineEdit *f : {Dpt_A, Prenom_A, Ref_A, Date_A, Heure_A}) {
        f->clear();
        f->setEnabled(false);
        ui::setBackground(f, ui::Jaune);
    }
    selectEntry(Mode_A, m_s.settings->modeUtilise(m_call));
    Mode_A->setEnabled(false);
    ui::setBackground(Mode_A, ui::Jaune);
    selectEntry(Bande_A, m_s.settings->bandeUtilisee(m_call));
    for (QLineEdit *f : {RST_A, RSTE_A, Rem_A}) {
        f->setText(f == Rem_A ? QStringLiteral("C. ") : QStringLiteral("59"));
        f->setEnabled(false);
        ui::setBackground(f, ui::Jaune);
    }
    QSL_A->setChecked(false);
    Ind_A->clear();
    ui::setBackground(Ind_A, ui::Vert);
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    m_modification = m_editLock = m_insertion = false;
    Annule_Saisie->setEnabled(false);
    Valide_A->setEnabled(false);
    Mode_Aff->setText(tr("Saisie QSO"));
}

void MainWindow::Timer1_Timer() {
    m_ticked = true;
    m_utcShown = heureUtc(*m_s.clock).left(5);
    //: The UTC time of the clock, e.g. "23:59 Utc"
    Label37->setText(tr("%1 Utc").arg(m_utcShown));
    //: The local time of the clock, e.g. "00:59 Loc"
    Label34->setText(tr("%1 Loc").arg(heureLocale(*m_s.clock).left(5)));
    Label33->setText(dateUtc(*m_s.clock));
}

void MainWindow::Mnu_Date_Auto_Click() {
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date_Man->setChecked(false);
    Date_A->clear();
    m_s.settings->setDateAuto(m_call, QStringLiteral("Oui"));
}

void MainWindow::Mnu_Date_Man_Click() {
    Mnu_Date_Auto->setChecked(false);
    Mnu_Date_Man->setChecked(true);
    m_s.settings->setDateAuto(m_call, QStringLiteral("Non"));
}

void MainWindow::Mnu_New_Indicatif_Click() {
    if (entryInProgress()) return m_s.messages->info(stationDuringEntry());
    if (m_station) {
        m_station->raise();
        m_station->activateWindow();
        return;
    }
    auto *dialog = new StationDialog(m_s, *this, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_station = dialog;
    dialog->show();
}

void MainWindow::Mnu_APropos_Click() { m_s.messages->info(aboutText()); }

void MainWindow::Mnu_Historique_Click() { m_s.messages->info(historyText()); }

void MainWindow::Mnu_Quitter_Click() { endProgram(); }

void MainWindow::open(const std::function<void()> &opener) {
    if (opener) opener();
}

}  // namespace kastlog
