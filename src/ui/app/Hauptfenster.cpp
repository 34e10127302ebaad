// The main window: menus, pages, input fields and their commit into the model, status bar, the
// design computation's buttons, loading and saving scenes and the close request.
#include "ui/app/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QImageWriter>
#include <QButtonGroup>
#include <QClipboard>
#include <QActionGroup>
#include <QColorDialog>
#include <QToolButton>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Datenordner.h"
#include "app/Einstellungen.h"
#include "app/Undo.h"
#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "common/Zahlentext.h"
#include "control/Auslegungsberechnung.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Flaechenbearbeitung.h"
#include "geometry/Gitterbau.h"
#include "geometry/Profilbefehle.h"
#include "geometry/Szenenaufbau.h"
#include "model/Eingabegrenzen.h"
#include "model/Modellbearbeitung.h"
#include "model/Szenendatei.h"
#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Elementnamenfenster.h"
#include "ui/app/Qttexte.h"
#include "ui/dialogs/DxfFenster.h"
#include "ui/dialogs/Ellipsendialog.h"
#include "ui/dialogs/Formatexportfenster.h"
#include "ui/dialogs/Importdialog.h"
#include "ui/dialogs/Nullpunktfenster.h"
#include "ui/dialogs/Profilauswahl.h"
#include "ui/dialogs/Profilschnittfenster.h"
#include "ui/dialogs/Skalierfenster.h"
#include "ui/dialogs/StlFenster.h"
#include "ui/app/Bilddatei.h"
#include "ui/polar/Polarfenster.h"
#include "ui/polar/SeiteGesamtpolaren.h"
#include "ui/help/Kontexthilfe.h"
#include "ui/results/Ergebnisfenster.h"
#include "ui/settings/Farbtabelle.h"
#include "ui/settings/Verzeichnisfenster.h"
#include "ui/view/Ansicht3D.h"
#include "ui/view/Diagramm2D.h"

namespace {

const QString Programmtitel = QStringLiteral("VELION  Vers. 01.215 25.01.2015");

/// The field's value as the window writes it: 5 decimals, no width limit.
std::string Zahl(Extended wert, char trennzeichen) { return RealToText(wert, 0, 5, trennzeichen); }

}  // namespace

THauptfenster::THauptfenster(QWidget* parent, const std::filesystem::path& datenordner)
    : QMainWindow(parent), Szene(std::make_unique<TSZENE>())
{
    setObjectName(QStringLiteral("Hauptfenster"));
    Host.Elternfenster = this;
    Host.BeiAktualisieren = [this] { Aktualisieren(); };
    Host.BeiNeuZeichnen = [this] { NeuZeichnen(); };
    Host.BeiSnapshot = [this] { SnapshotErstellen(); };

    MenuesAufbauen();
    Schrittmenue();

    auto* mitte = new QWidget(this);
    auto* zeilen = new QHBoxLayout(mitte);

    auto* links = new QVBoxLayout;
    seiten_ = new QTabWidget(mitte);
    seiten_->setObjectName(QStringLiteral("Seiten"));
    seiten_->setMinimumWidth(700);  // the segment's tab row shows all of its eight tabs
    seiten_->addTab(SeiteFlugzeug(), QStringLiteral("Flugzeug"));
    seiten_->addTab(SeiteFluegel(), QStringLiteral("Flügel"));
    seiten_->addTab(SeiteAuslegung(), QStringLiteral("Auslegungsberechnung"));
    seiten_->addTab(seiteGesamtpolaren_ = new TSeiteGesamtpolaren(*this), QStringLiteral("Gesamtpolaren berechnen"));
    links->addWidget(seiten_, 1);
    auto* unten = new QHBoxLayout;
    undo_ = Knopf(QStringLiteral("Undo"), QStringLiteral("Undo"));
    redo_ = Knopf(QStringLiteral("Redo"), QStringLiteral("Redo"));
    connect(undo_, &QPushButton::clicked, this, &THauptfenster::Rueckgaengig);
    connect(redo_, &QPushButton::clicked, this, &THauptfenster::Wiederherstellen);
    unten->addWidget(undo_);
    unten->addWidget(redo_);
    QPushButton* profilschnitt = Knopf(QStringLiteral("Profilschnitt"), QStringLiteral("Profilschnitt"));
    connect(profilschnitt, &QPushButton::clicked, new TProfilschnittfenster(*this), &TProfilschnittfenster::Zeigen);
    unten->addWidget(profilschnitt);
    QPushButton* nullpunkt = Knopf(QStringLiteral("NPVerschieben"), QStringLiteral("NP verschieben"));
    connect(nullpunkt, &QPushButton::clicked, new TNullpunktfenster(*this), &TNullpunktfenster::Zeigen);
    unten->addWidget(nullpunkt);
    links->addLayout(unten);
    zeilen->addLayout(links, 0);

    // The 2D diagrams above, the 3D view below, each with its group of controls: stacked, the
    // window still fits a 1280 pixel wide screen beside the pages.
    auto* teiler = new QSplitter(Qt::Vertical, mitte);
    teiler->setObjectName(QStringLiteral("Teiler"));
    teiler->addWidget(Gruppe2D());
    teiler->addWidget(Gruppe3D());
    zeilen->addWidget(teiler, 1);
    setCentralWidget(mitte);

    auto* status = statusBar();
    auto* laufzeit = new QLabel(status);
    laufzeit->setObjectName(QStringLiteral("Laufzeit"));
    auto* meldung = new QLabel(status);
    meldung->setObjectName(QStringLiteral("Statusmeldung"));
    auto* haupt = new QProgressBar(status);
    haupt->setObjectName(QStringLiteral("Hauptbalken"));
    auto* neben = new QProgressBar(status);
    neben->setObjectName(QStringLiteral("Nebenbalken"));
    for (QProgressBar* b : {haupt, neben}) {
        b->setMaximumWidth(160);
        b->setValue(0);
    }
    // Wide enough for the longest text, so the bar does not jump while it changes.
    laufzeit->setMinimumWidth(laufzeit->fontMetrics().horizontalAdvance(QStringLiteral("CPU_Usage=100%  /  Laufzeit 0000000ms")));
    status->addWidget(laufzeit);
    // Panel 1: the processor load ten times a second, during a computation also its running time.
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this, laufzeit] {
        QString text = QStringLiteral("CPU_Usage=") + QString::number(prozessorlast_.Messen()) + QStringLiteral("%");
        if (!Host.Flags.RechnungLaeuft) laufuhr_.invalidate();
        else {
            if (!laufuhr_.isValid()) laufuhr_.start();
            text += QStringLiteral("  /  Laufzeit ") + QString::number(laufuhr_.elapsed()) + QStringLiteral("ms");
        }
        laufzeit->setText(text);
    });
    takt->start(100);
    status->addWidget(meldung, 1);
    status->addPermanentWidget(haupt);
    status->addPermanentWidget(neben);
    Host.Statusfeld = meldung;
    Host.Hauptbalken = haupt;
    Host.Nebenbalken = neben;

    ergebnisfenster_ = new TErgebnisfenster(*this);
    farbtabelle_ = new TFarbtabelle(*this);
    verzeichnisfenster_ = new TVerzeichnisfenster(Einstellungen, this);

    move(0, 0);
    resize(1280, 800);
    // The snapshot folder of this run, beside the program or in the user's own folder.
    bool ausweich = false;
    datenordner_ = datenordner.empty() ? Datenordner(Programmverzeichnis(), ausweich) : datenordner;
    QStringList meldungen;
    if (ausweich) meldungen << QString::fromStdString(AusweichordnerMeldung(Host, datenordner_));
    try {
        Undo = std::make_unique<TUndo>(datenordner_);
    } catch (const std::exception& e) {
        // Without a snapshot folder the program runs on, only without undo.
        meldungen << QString::fromUtf8(e.what());
    }
    // The settings, read once; the language they name is loaded.
    std::vector<std::string> verworfen;
    Einstellungen = EinstellungenLesen(Einstellungspfad(), verworfen);
    if (!verworfen.empty()) meldungen << QString::fromStdString(VerworfenMeldung(Host, verworfen));
    if (!Einstellungen.EingestellteSprache.empty()) Host.Texte.EingestellteSprache = Einstellungen.EingestellteSprache;
    SprachmenueAufbauen();
    if (Undo) Undo->AnzahlUndoFiles = Einstellungen.AnzahlUndoFiles;
    multithread_->setChecked(Einstellungen.MultithreadAktiv);
    EinstellungenAnwenden();
    Host.Texte.SpracheLaden(Programmverzeichnis());
    QtTexteLaden(Host.Texte.EingestellteSprache);
    MeldungsspracheWaehlen(Host.Texte.EingestellteSprache);
    if (Undo) Undo->UndoLeeren();
    UndoKnoepfe();
    if (!meldungen.isEmpty()) Host.Statustext(meldungen.join(QStringLiteral("  ")).toStdString());
    BildschirmelementeAnwenden();
    Fenstertitel();
    Aktualisieren();
    qApp->installEventFilter(this);
}

THauptfenster::~THauptfenster()
{
    // A field that has the focus reports its edit when the focus leaves it, which happens while the
    // window's widgets are torn down: by then there is no window left to take the value.
    for (QLineEdit* feld : findChildren<QLineEdit*>()) disconnect(feld, nullptr, this, nullptr);
}

char THauptfenster::Trennzeichen() const
{
    const QString punkt = QLocale().decimalPoint();
    return punkt == QStringLiteral(",") ? ',' : '.';
}

void THauptfenster::MenuesAufbauen()
{
    auto aktion = [this](QMenu* menue, const char* name, const QString& text) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("MenueDatei"));
    connect(aktion(datei, "FlugzeugLaden", QStringLiteral("Flugzeug laden")), &QAction::triggered, this, [this] {
        if (Geaendert) {
            const int antwort = Host.Fehlertext(6);
            if (antwort == KnopfABORT || (antwort == KnopfYES && !Speichern(false))) return;
        }
        const std::string ordner = Szenenverzeichnis.empty() ? Einstellungen.VerzeichnisFlugzszenen : Szenenverzeichnis.string();
        const QString name = QFileDialog::getOpenFileName(this, QString(), QString::fromStdString(ordner),
                                                           QStringLiteral("Flugszene (*.vel)"));
        if (!name.isEmpty()) SzeneOeffnen(name.toStdString());
    });
    connect(aktion(datei, "FlugszeneSpeichern", QStringLiteral("Flugszene speichern")), &QAction::triggered, this,
            [this] { Speichern(false); });
    connect(aktion(datei, "FlugszeneSpeichernUnter", QStringLiteral("Flugszene speichern unter")), &QAction::triggered,
            this, [this] { Speichern(true); });
    connect(aktion(datei, "DxfExport", QStringLiteral("DXF-Export")), &QAction::triggered, new TDxfFenster(*this),
            &TDxfFenster::Zeigen);
    connect(aktion(datei, "StlExport", QStringLiteral("STL-Export")), &QAction::triggered, new TStlFenster(*this),
            &TStlFenster::Zeigen);
    QMenu* andere = datei->addMenu(QStringLiteral("Andere Exporte"));
    andere->setObjectName(QStringLiteral("AndereExporte"));
    connect(aktion(andere, "GeometrieExportMenue", QStringLiteral("Formatierter Geometrie-Export")), &QAction::triggered,
            new TFormatexportfenster(*this, TFormatexportart::Geometrie), &TFormatexportfenster::Zeigen);
    connect(aktion(andere, "WerteExportMenue", QStringLiteral("Formatierter Export, Berechnete Werte")),
            &QAction::triggered, new TFormatexportfenster(*this, TFormatexportart::Werte), &TFormatexportfenster::Zeigen);
    // The polar list lives with the total-polar page's window, which is made after the menus.
    connect(aktion(andere, "PolarenExportMenue", QStringLiteral("Formatierter Export, Gesamtpolaren")), &QAction::triggered,
            new TFormatexportfenster(*this, TFormatexportart::Polaren,
                                     [this] { return &seiteGesamtpolaren_->Polarfenster()->Liste(); }),
            &TFormatexportfenster::Zeigen);
    datei->addSeparator();
    connect(aktion(datei, "ProgrammBeenden", QStringLiteral("Programm beenden")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* einstellungen = menuBar()->addMenu(QStringLiteral("Einstellungen"));
    einstellungen->setObjectName(QStringLiteral("MenueEinstellungen"));
    connect(aktion(einstellungen, "Verzeichnisse", QStringLiteral("Verzeichnisse")), &QAction::triggered, this,
            [this] { verzeichnisfenster_->exec(); });
    QMenu* farben = einstellungen->addMenu(QStringLiteral("Farbeinstellungen"));
    farben->setObjectName(QStringLiteral("Farbeinstellungen"));
    // Each colour item opens the colour dialog with the colour it names.
    const auto farbaktion = [this, aktion](QMenu* menue, const char* name, const char* text, TFarbwert TEinstellungen::*farbe) {
        connect(aktion(menue, name, QString::fromUtf8(text)), &QAction::triggered, this, [this, farbe] {
            const QColor neu = QColorDialog::getColor(Farbwert(Einstellungen.*farbe), this);
            if (!neu.isValid()) return;
            Einstellungen.*farbe = Farbzahl(neu);
            EinstellungenAnwenden();
        });
    };
    farbaktion(farben, "FarbeHintergrund", "Hintergrund", &TEinstellungen::Hintergrundfarbe);
    farbaktion(farben, "FarbePanels", "Panels", &TEinstellungen::Panelfarbe);
    farbaktion(farben, "FarbeMarkierung", "Markierung", &TEinstellungen::Markierungsfarbe);
    farbaktion(farben, "FarbeSymmetriecheck", "Farben Symmetrie Check", &TEinstellungen::Symmetriecheckfarbe);
    QMenu* farben2D = farben->addMenu(QStringLiteral("Farben 2D-Grafik"));
    farben2D->setObjectName(QStringLiteral("Farben2DGrafik"));
    for (auto [name, text, farbe] : {std::tuple{"FarbeGamma", "Gamma-Kurve", &TEinstellungen::GammaLinieFarbe},
                                     std::tuple{"FarbeGammaVorgabe", "Gamma-Vorgabe-Kurve", &TEinstellungen::GammaVorgabeLinieFarbe},
                                     std::tuple{"FarbeCa", "ca-Kurve", &TEinstellungen::CaLinieFarbe},
                                     std::tuple{"FarbeCaMinMax", "ca-min-max-Kurve", &TEinstellungen::CaMaxLinieFarbe},
                                     std::tuple{"FarbeRe", "Re-Kurve", &TEinstellungen::ReLinieFarbe},
                                     std::tuple{"FarbeAi", "ai-Kurve", &TEinstellungen::AiLinieFarbe},
                                     std::tuple{"FarbeCwi", "cwi-Kurve", &TEinstellungen::CwiLinieFarbe},
                                     std::tuple{"FarbeCwv", "cwv-Kurve", &TEinstellungen::CwvLinieFarbe},
                                     std::tuple{"FarbeCwg", "cwg-Kurve", &TEinstellungen::CwgLinieFarbe},
                                     std::tuple{"FarbeStroemungsabriss", "Stroemungsabriss", &TEinstellungen::StroemungsabrissFarbe},
                                     std::tuple{"FarbeBlasenwarnungOben", "Blasenwarung oben", &TEinstellungen::BlasenwarnungObenFarbe},
                                     std::tuple{"FarbeBlasenwarnungUnten", "Blasenwarung unten", &TEinstellungen::BlasenwarnungUntenFarbe}})
        farbaktion(farben2D, name, text, farbe);
    connect(aktion(farben, "Klappenfarben", QStringLiteral("Klappenfarben")), &QAction::triggered, this,
            [this] { farbtabelle_->Zeigen(TFarbtabellenart::Klappenfarben); });
    connect(aktion(farben, "FarbenGesamtpolaren", QStringLiteral("Farben Gesamtpolaren")), &QAction::triggered, this,
            [this] { farbtabelle_->Zeigen(TFarbtabellenart::Polarenfarben); });
    connect(aktion(einstellungen, "AnzahlUndoFiles", QStringLiteral("Anzahl Undo-Files")), &QAction::triggered, this,
            &THauptfenster::AnzahlUndoFilesAendern);
    // The two drawing preferences are check marks of their items.
    for (auto [name, text, wert] : {std::tuple{"MarkierungsbalkenKreuz", "Markierungsbalken als Kreuz", &TEinstellungen::MarkierungsbalkenAlsKreuz},
                                    std::tuple{"ZoomInvertieren", "3D-Zoom invertieren", &TEinstellungen::Invertiere3DZoom}}) {
        QAction* a = aktion(einstellungen, name, QString::fromUtf8(text));
        a->setCheckable(true);
        a->setChecked(Einstellungen.*wert);
        connect(a, &QAction::toggled, this, [this, wert = wert](bool an) {
            Einstellungen.*wert = an;
            EinstellungenAnwenden();
        });
        haken_.emplace_back(a, wert);
    }

    // Its items come from the settings (SprachmenueAufbauen).
    sprachmenue_ = menuBar()->addMenu(QStringLiteral("Sprachen"));
    sprachmenue_->setObjectName(QStringLiteral("MenueSprachen"));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("MenueHilfe"));
    kontexthilfe_ = new TKontexthilfe(this, Host.Texte, Programmtitel);
    connect(aktion(hilfe, "Hilfe", QStringLiteral("Hilfe")), &QAction::triggered, kontexthilfe_, &TKontexthilfe::Inhalt);
    connect(aktion(hilfe, "Schnellhilfe", QStringLiteral("Schnellhilfe")), &QAction::triggered, kontexthilfe_,
            &TKontexthilfe::Schnellhilfe);
    connect(aktion(hilfe, "Info", QStringLiteral("Info")), &QAction::triggered, kontexthilfe_, &TKontexthilfe::Info);
}

QPushButton* THauptfenster::Knopf(const QString& name, const QString& beschriftung)
{
    auto* k = new QPushButton(beschriftung, this);
    k->setObjectName(name);
    return k;
}

QPushButton* THauptfenster::Bearbeitungsknopf(const QString& name, const QString& beschriftung,
                                             std::function<bool(TBearbeitung&)> operation)
{
    QPushButton* k = Knopf(name, beschriftung);
    connect(k, &QPushButton::clicked, this, [this, operation = std::move(operation)] { Bearbeiten(operation); });
    return k;
}

QLineEdit* THauptfenster::Feld(QFormLayout* form, const QString& name, const QString& beschriftung,
                               std::function<std::string(char)> lesen,
                               std::function<bool(const std::string&)> uebernehmen, TNeuaufbau aufbau, TFeldart art)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMinimumWidth(90);
    auto* label = new QLabel(beschriftung, this);
    label->setObjectName(QStringLiteral("L_") + name);
    label->setBuddy(edit);
    if (drehknoepfe_ && art != TFeldart::Text) {
        // The spin buttons beside the field; their pop-up menu sets the step of all of them.
        auto* zeile = new QHBoxLayout;
        zeile->setSpacing(0);
        zeile->addWidget(edit, 1);
        auto* knoepfe = new QVBoxLayout;
        knoepfe->setSpacing(0);
        for (auto [vorsilbe, pfeil, richtung] : {std::tuple{"Hoch_", Qt::UpArrow, 1}, std::tuple{"Runter_", Qt::DownArrow, -1}}) {
            auto* k = new QToolButton(this);
            k->setObjectName(QString::fromLatin1(vorsilbe) + name);
            k->setArrowType(pfeil);
            k->setFixedSize(18, 11);
            k->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(k, &QToolButton::clicked, this, [this, edit, richtung = richtung] { Drehen(edit, richtung); });
            connect(k, &QToolButton::customContextMenuRequested, this,
                    [this, k](const QPoint& punkt) { schrittmenue_->popup(k->mapToGlobal(punkt)); });
            knoepfe->addWidget(k);
        }
        zeile->addLayout(knoepfe);
        form->addRow(label, zeile);
    } else {
        form->addRow(label, edit);
    }
    felder_.push_back({edit, std::move(lesen), std::move(uebernehmen), aufbau, art});
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { Feldeingabe(edit); });
    return edit;
}

std::pair<int, int> THauptfenster::AktuelleIndizes() const
{
    const TFLUGZEUG* f = Szene ? Szene->Flugzeug.get() : nullptr;
    if (!f) return {-1, -1};
    const TFLAECHE* fl = f->Flaechen.Get(f->AktuelleFlaeche);
    if (!fl) return {-1, -1};
    return {f->AktuelleFlaeche, fl->Segmente.Get(fl->AktuellesSegment) ? fl->AktuellesSegment : -1};
}

namespace {

/// Accessors of the current objects, null when there is none.
TFLUGZEUG* FlugzeugVon(TSZENE* szene) { return szene ? szene->Flugzeug.get() : nullptr; }
TFLAECHE* FlaecheVon(TSZENE* szene)
{
    TFLUGZEUG* f = FlugzeugVon(szene);
    return f ? f->Flaechen.Get(f->AktuelleFlaeche) : nullptr;
}
TSEGMENT* SegmentVon(TSZENE* szene)
{
    TFLAECHE* fl = FlaecheVon(szene);
    return fl ? fl->Segmente.Get(fl->AktuellesSegment) : nullptr;
}

}  // namespace

// The field makers below bind one model value: the reader and the checked store, both looking up
// the current object anew, so the fields follow the selection.
#define FELD_REAL(form, name, text, objekt, wert, regel, aufbau)                                              \
    Feld(form, QStringLiteral(name), QStringLiteral(text),                                                     \
         [this](char t) { auto* o = objekt(Szene.get()); return o ? Zahl(o->wert, t) : std::string(); },       \
         [this](const std::string& s) {                                                                        \
             auto* o = objekt(Szene.get());                                                                    \
             return o && EingabeUebernehmen(Host, TEingabefeld::regel, s, o->wert);                            \
         },                                                                                                    \
         aufbau)
#define FELD_GANZ(form, name, text, objekt, wert, regel, aufbau)                                              \
    Feld(form, QStringLiteral(name), QStringLiteral(text),                                                     \
         [this](char) { auto* o = objekt(Szene.get()); return o ? std::to_string(o->wert) : std::string(); }, \
         [this](const std::string& s) {                                                                        \
             auto* o = objekt(Szene.get());                                                                    \
             return o && EingabeUebernehmen(Host, TEingabefeld::regel, s, o->wert);                            \
         },                                                                                                    \
         aufbau, TFeldart::Ganzzahl)
#define FELD_TEXT(form, name, text, objekt, wert)                                                              \
    Feld(form, QStringLiteral(name), QStringLiteral(text),                                                     \
         [this](char) { auto* o = objekt(Szene.get()); return o ? o->wert : std::string(); },                 \
         [this](const std::string& s) {                                                                        \
             auto* o = objekt(Szene.get());                                                                    \
             if (o) o->wert = s;                                                                               \
             return o != nullptr;                                                                              \
         },                                                                                                    \
         TNeuaufbau::Keiner, TFeldart::Text)

namespace {

QGroupBox* Gruppe(QWidget* eltern, const char* name, const QString& titel)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

QFormLayout* Formular(QWidget* w)
{
    auto* f = new QFormLayout(w);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return f;
}

/// A page of a tab row with a form on it.
QFormLayout* Reiter(QTabWidget* reiter, const char* name, const QString& titel)
{
    auto* seite = new QWidget(reiter);
    seite->setObjectName(QString::fromLatin1(name));
    reiter->addTab(seite, titel);
    return Formular(seite);
}

}  // namespace

QWidget* THauptfenster::SeiteFlugzeug()
{
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("SeiteFlugzeug"));
    drehknoepfe_ = true;
    auto* l = new QVBoxLayout(seite);
    QGroupBox* g = Gruppe(seite, "AktuellesFlugzeug", QStringLiteral("Aktuelles Flugzeug"));
    QFormLayout* f = Formular(g);
    FELD_TEXT(f, "Konstrukteur", "Name Konstrukteur", FlugzeugVon, Konstrukteur);
    FELD_TEXT(f, "FlugzeugBezeichnung", "Bezeichnung Flugzeug", FlugzeugVon, Bezeichnung);
    FELD_REAL(f, "AnsichtX", "Pos. X in m", FlugzeugVon, AnsichtPosition.x, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "AnsichtY", "Pos. Y in m", FlugzeugVon, AnsichtPosition.y, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "AnsichtZ", "Pos. Z in m", FlugzeugVon, AnsichtPosition.z, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "BetrachtungX", "Betrachtungswinkel X  in °", FlugzeugVon, Betrachtungswinkel.x, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "BetrachtungY", "Betrachtungswinkel Y  in °", FlugzeugVon, Betrachtungswinkel.y, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "ZusMassen", "zus. Massen in kg", FlugzeugVon, ZusaetzlicheMassen, Masse, TNeuaufbau::Masse);
    auto* knoepfe = new QHBoxLayout;
    QPushButton* neu = Knopf(QStringLiteral("FlugzeugNeu"), QStringLiteral("Neu"));
    connect(neu, &QPushButton::clicked, this, &THauptfenster::FlugzeugNeu);
    knoepfe->addWidget(neu);
    QPushButton* skalierung = Knopf(QStringLiteral("FlugzeugSkalierung"), QStringLiteral("Skalierung "));
    connect(skalierung, &QPushButton::clicked, this, [this] { findChild<TSkalierfenster*>()->Oeffnen(true); });
    knoepfe->addWidget(skalierung);
    f->addRow(knoepfe);
    l->addWidget(g);
    l->addStretch(1);
    drehknoepfe_ = false;
    return seite;
}

QWidget* THauptfenster::SeiteFluegel()
{
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("SeiteFluegel"));
    drehknoepfe_ = true;
    auto* l = new QVBoxLayout(seite);

    QGroupBox* wurzel = Gruppe(seite, "Wurzel", QStringLiteral("Wurzel"));
    auto* wl = new QVBoxLayout(wurzel);
    auto* wahl = new QHBoxLayout;
    auto* nrText = new QLabel(QStringLiteral("Nr."), wurzel);
    nrText->setObjectName(QStringLiteral("L_Flaechennummer"));
    flaechennummer_ = new QLineEdit(wurzel);
    flaechennummer_->setObjectName(QStringLiteral("Flaechennummer"));
    flaechennummer_->setMaximumWidth(40);
    connect(flaechennummer_, &QLineEdit::editingFinished, this, [this] {
        if (TFLUGZEUG* f = FlugzeugVon(Szene.get()))
            if (IndexUebernehmen(flaechennummer_->text().toStdString(), f->Flaechen.Count(), f->AktuelleFlaeche)) {
                Aktualisieren();
                NeuZeichnen();
            }
    });
    QPushButton* zurueck = Knopf(QStringLiteral("FlaecheZurueck"), QStringLiteral("<"));
    QPushButton* vor = Knopf(QStringLiteral("FlaecheVor"), QStringLiteral(">"));
    connect(zurueck, &QPushButton::clicked, this, [this] { FlaecheWaehlen(-1); });
    connect(vor, &QPushButton::clicked, this, [this] { FlaecheWaehlen(1); });
    wahl->addWidget(nrText);
    wahl->addWidget(flaechennummer_);
    wahl->addWidget(zurueck);
    wahl->addWidget(vor);
    for (auto [name, text, operation] : {std::tuple{"FlaecheNeu", "Neu", &::FlaecheNeu},
                                         std::tuple{"FlaecheLoeschen", "Löschen", &::FlaecheLoeschen},
                                         std::tuple{"FlaecheKopie", "Kopie", &::FlaecheKopie}})
        wahl->addWidget(Bearbeitungsknopf(QString::fromLatin1(name), QString::fromUtf8(text), operation));
    QPushButton* import = Knopf(QStringLiteral("FlaecheImport"), QStringLiteral("Import"));
    connect(import, &QPushButton::clicked, new TImportdialog(*this), &TImportdialog::Oeffnen);
    wahl->addWidget(import);
    auto* skalierfenster = new TSkalierfenster(*this);
    QPushButton* skalierung = Knopf(QStringLiteral("FlaecheSkalierung"), QStringLiteral("Skalierung"));
    connect(skalierung, &QPushButton::clicked, skalierfenster, [skalierfenster] { skalierfenster->Oeffnen(false); });
    wahl->addWidget(skalierung);
    wahl->addStretch(1);
    wl->addLayout(wahl);

    auto* wr = new QTabWidget(wurzel);
    wr->setObjectName(QStringLiteral("WurzelReiter"));
    QFormLayout* f = Reiter(wr, "WurzelBezMasse", QStringLiteral("Bez./Masse"));
    FELD_TEXT(f, "FlaecheBezeichnung", "Bezeichnung des Flügels", FlaecheVon, Bezeichnung);
    FELD_REAL(f, "FlaecheMasse", "Masse des Flügels in kg", FlaecheVon, Masse, Masse, TNeuaufbau::Masse);
    f = Reiter(wr, "WurzelPos", QStringLiteral("Pos."));
    FELD_REAL(f, "FlaecheX", "Pos. X in m", FlaecheVon, Position.x, Frei, TNeuaufbau::Gitter);
    FELD_REAL(f, "FlaecheY", "Pos. Y in m", FlaecheVon, Position.y, Frei, TNeuaufbau::Gitter);
    FELD_REAL(f, "FlaecheZ", "Pos. Z in m", FlaecheVon, Position.z, Frei, TNeuaufbau::Gitter);
    f = Reiter(wr, "WurzelProfilTiefe", QStringLiteral("Profil / Tiefe"));
    FELD_REAL(f, "WurzelTiefe", "Profiltiefe in m", FlaecheVon, Profiltiefe, Profiltiefe, TNeuaufbau::Flaeche);
    Feld(f, QStringLiteral("WurzelBezugspunkt"), QStringLiteral("Bezugspunkt für Profiltiefe in %"),
         [this](char t) { auto* o = FlaecheVon(Szene.get()); return o ? Zahl(o->BezugspunktProfiltiefe, t) : std::string(); },
         [this](const std::string& s) { auto* o = FlaecheVon(Szene.get()); return o && BezugspunktProfiltiefeEingeben(Host, *o, s); },
         TNeuaufbau::Flaeche);
    auto* profilauswahl = new TProfilauswahl(*this);
    // The profile commands of the root (false) and of the current segment (true).
    const auto profilknopf = [this](QHBoxLayout* zeile, const char* name, const char* text, std::function<void()> befehl) {
        QPushButton* k = Knopf(QString::fromLatin1(name), QString::fromUtf8(text));
        connect(k, &QPushButton::clicked, this, std::move(befehl));
        zeile->addWidget(k);
    };
    const auto invertieren = [this](bool segment) {
        Bearbeiten([segment](TBearbeitung& b) { return ProfilInvertieren(b, AktuellesProfilziel(b.Flugzeug, segment)); });
    };
    auto* profil = new QHBoxLayout;
    profilknopf(profil, "WurzelProfilWaehlen", "Profil wählen", [profilauswahl] { profilauswahl->Oeffnen(false); });
    profilknopf(profil, "WurzelProfilSpeichern", "Profil speichern unter", [profilauswahl] { profilauswahl->SpeichernUnter(false); });
    profilknopf(profil, "WurzelInvertieren", "invertieren", [invertieren] { invertieren(false); });
    f->addRow(profil);
    f = Reiter(wr, "WurzelPanels", QStringLiteral("Panels"));
    FELD_GANZ(f, "PanelsX", "Anz. Panels X Skelettfläche", FlaecheVon, AnzahlPanelsX, AnzahlPanels, TNeuaufbau::Flaeche);
    FELD_GANZ(f, "PanelsVolumen", "Anzahl Panels Volumendarstellung", FlaecheVon, AnzahlPanelsVolumendarstellung,
              AnzahlPanelsVolumendarstellung, TNeuaufbau::Flaeche);
    f = Reiter(wr, "WurzelWinkel", QStringLiteral("Winkel"));
    FELD_REAL(f, "Einstellwinkel", "Einstellwinkel des Flügels in °", FlaecheVon, Einstellwinkel, Einstellwinkel,
              TNeuaufbau::Flaeche);
    felder_.back().Grenzen = {-90.0L, 90.0L};  // the spin buttons stop at the incidence's bounds
    FELD_REAL(f, "WurzelVerwindung", "Verwindungswinkel der Wurzel in °", FlaecheVon, Verwindungswinkel,
              Verwindungswinkel, TNeuaufbau::Flaeche);
    f = Reiter(wr, "WurzelEll", QStringLiteral("ell."));
    QPushButton* elliptisch = Knopf(QStringLiteral("Elliptisch"), QStringLiteral("Elliptische Fläche"));
    elliptisch->setToolTip(QStringLiteral("elliptischen Flügel erzeugen"));
    connect(elliptisch, &QPushButton::clicked, new TEllipsendialog(*this), &TEllipsendialog::Oeffnen);
    f->addRow(elliptisch);
    wl->addWidget(wr);
    l->addWidget(wurzel);

    QGroupBox* haelfte = Gruppe(seite, "Fluegelhaelfte", QStringLiteral("Flügelhälfte"));
    auto* hl = new QHBoxLayout(haelfte);
    hl->addWidget(Bearbeitungsknopf(QStringLiteral("Spiegeln"), QStringLiteral("Spiegeln"), &::FlaecheSpiegeln));
    hl->addWidget(Bearbeitungsknopf(QStringLiteral("HaelfteLoeschen"), QStringLiteral("Löschen"), &::FluegelhaelfteLoeschen));
    auto* immer = new QCheckBox(QStringLiteral("immer Spiegeln"), haelfte);
    immer->setObjectName(QStringLiteral("ImmerSpiegeln"));
    hl->addWidget(immer);
    schalterknoepfe_.emplace_back(immer, &TSchalter::ImmerSpiegeln);
    // The switch is stored with the scene: a change of it is a model change.
    connect(immer, &QCheckBox::clicked, this, [this](bool an) {
        Schalter.ImmerSpiegeln = an;
        if (FlugzeugVon(Szene.get())) Host.SnapshotErstellen();
    });
    hl->addStretch(1);
    l->addWidget(haelfte);

    QGroupBox* segment = Gruppe(seite, "Segment", QStringLiteral("Segment"));
    auto* sl = new QVBoxLayout(segment);
    auto* swahl = new QHBoxLayout;
    auto* snrText = new QLabel(QStringLiteral("Nr."), segment);
    snrText->setObjectName(QStringLiteral("L_Segmentnummer"));
    segmentnummer_ = new QLineEdit(segment);
    segmentnummer_->setObjectName(QStringLiteral("Segmentnummer"));
    segmentnummer_->setMaximumWidth(40);
    connect(segmentnummer_, &QLineEdit::editingFinished, this, [this] {
        if (TFLAECHE* fl = FlaecheVon(Szene.get()))
            if (IndexUebernehmen(segmentnummer_->text().toStdString(), fl->Segmente.Count(), fl->AktuellesSegment)) {
                Aktualisieren();
                NeuZeichnen();
            }
    });
    QPushButton* szurueck = Knopf(QStringLiteral("SegmentZurueck"), QStringLiteral("<"));
    QPushButton* svor = Knopf(QStringLiteral("SegmentVor"), QStringLiteral(">"));
    connect(szurueck, &QPushButton::clicked, this, [this] { SegmentWaehlen(-1); });
    connect(svor, &QPushButton::clicked, this, [this] { SegmentWaehlen(1); });
    swahl->addWidget(snrText);
    swahl->addWidget(segmentnummer_);
    swahl->addWidget(szurueck);
    swahl->addWidget(svor);
    for (auto [name, text, operation] : {std::tuple{"SegmentNeuL", "Neu L", &::SegmentNeuLinks},
                                         std::tuple{"SegmentNeuR", "Neu R", &::SegmentNeuRechts},
                                         std::tuple{"SegmentLoeschen", "Löschen", &::SegmentLoeschen}})
        swahl->addWidget(Bearbeitungsknopf(QString::fromLatin1(name), QString::fromUtf8(text), operation));
    swahl->addStretch(1);
    sl->addLayout(swahl);

    auto* sr = new QTabWidget(segment);
    sr->setObjectName(QStringLiteral("SegmentReiter"));
    f = Reiter(sr, "SegmentReiterBreite", QStringLiteral("Breite"));
    Feld(f, QStringLiteral("Segmentbreite"), QStringLiteral("Segmentbreite in m"),
         [this](char t) { auto* o = SegmentVon(Szene.get()); return o ? Zahl(std::abs(o->Segmentbreite), t) : std::string(); },
         [this](const std::string& s) { auto* o = SegmentVon(Szene.get()); return o && SegmentbreiteEingeben(Host, *o, s); },
         TNeuaufbau::Flaeche);
    f = Reiter(sr, "SegmentProfilTiefe", QStringLiteral("Profil / Tiefe"));
    FELD_REAL(f, "SegmentTiefe", "Profiltiefe in m", SegmentVon, Profiltiefe, Profiltiefe, TNeuaufbau::Flaeche);
    Feld(f, QStringLiteral("SegmentBezugspunkt"), QStringLiteral("Bezugspunkt für Profiltiefe in %"),
         [this](char t) { auto* o = SegmentVon(Szene.get()); return o ? Zahl(o->BezugspunktProfiltiefe, t) : std::string(); },
         [this](const std::string& s) { auto* o = FlaecheVon(Szene.get()); return o && BezugspunktProfiltiefeEingeben(Host, *o, s); },
         TNeuaufbau::Flaeche);
    auto* sprofil = new QHBoxLayout;
    profilknopf(sprofil, "SegmentProfilWaehlen", "Profil wählen", [profilauswahl] { profilauswahl->Oeffnen(true); });
    profilknopf(sprofil, "SegmentProfilSpeichern", "Profil speichern unter", [profilauswahl] { profilauswahl->SpeichernUnter(true); });
    profilknopf(sprofil, "StrakEinbauen", "Strak einbauen", [this] { Bearbeiten(StrakEinbauen); });
    profilknopf(sprofil, "SegmentInvertieren", "invertieren", [invertieren] { invertieren(true); });
    f->addRow(sprofil);
    f = Reiter(sr, "SegmentVForm", QStringLiteral("V-Form"));
    FELD_REAL(f, "VWinkel", "V-Winkel in ° ", SegmentVon, VFormWinkel, Frei, TNeuaufbau::Flaeche);
    f = Reiter(sr, "SegmentPfeilung", QStringLiteral("Pfeilung"));
    FELD_REAL(f, "Pfeilwinkel", "Pfeilwinkel in °", SegmentVon, Pfeilwinkel, Pfeilwinkel, TNeuaufbau::Flaeche);
    Feld(f, QStringLiteral("Bezugslinie"), QStringLiteral("Bezugslinie in %"),
         [this](char t) { auto* o = SegmentVon(Szene.get()); return o ? Zahl(o->BezugspunktPfeilwinkel, t) : std::string(); },
         [this](const std::string& s) { auto* o = FlaecheVon(Szene.get()); return o && BezugspunktPfeilwinkelEingeben(Host, *o, s); },
         TNeuaufbau::Flaeche);
    f = Reiter(sr, "SegmentVerwindung", QStringLiteral("Verwindung"));
    FELD_REAL(f, "SegmentVerwindungswinkel", "Verwindung in °", SegmentVon, Verwindungswinkel, Verwindungswinkel,
              TNeuaufbau::Flaeche);
    f = Reiter(sr, "SegmentPanels", QStringLiteral("Panels"));
    FELD_GANZ(f, "PanelsY", "Anz. Panels Y Skelettfläche", SegmentVon, AnzahlPanelsY, AnzahlPanels, TNeuaufbau::Flaeche);
    f->addRow(Bearbeitungsknopf(QStringLiteral("Panelautomatik"), QStringLiteral("Panelautomatik"), &::Panelautomatik));
    f = Reiter(sr, "SegmentKlappen", QStringLiteral("Klappen"));
    FELD_REAL(f, "KlappentiefeLinks", "Klappentiefe links in %", SegmentVon, KlappentiefeLinks, KlappentiefeLinks,
              TNeuaufbau::Flaeche);
    FELD_REAL(f, "KlappentiefeRechts", "Klappentiefe rechts in %", SegmentVon, KlappentiefeRechts, KlappentiefeRechts,
              TNeuaufbau::Flaeche);
    FELD_REAL(f, "Klappenwinkel", "Klappenwinkel in °", SegmentVon, Klappenausschlag, Klappenausschlag,
              TNeuaufbau::Flaeche);
    QPushButton* gruppenwahl = Knopf(QStringLiteral("KlappengruppeWaehlen"), QStringLiteral("W"));
    gruppenwahl->setToolTip(QStringLiteral("Klappengruppe / Farbe wählen"));
    connect(gruppenwahl, &QPushButton::clicked, this, [this] {
        if (SegmentVon(Szene.get())) farbtabelle_->Zeigen(TFarbtabellenart::Klappengruppenwahl);
    });
    f->addRow(gruppenwahl);
    f = Reiter(sr, "SegmentSplitten", QStringLiteral("Splitten"));
    auto* teilung = new QButtonGroup(this);
    for (auto [name, text, art] : {std::tuple{"TiefeLinear", "Profiltiefe linear halten", TTeilungstiefe::ProfiltiefeLinearHalten},
                                   std::tuple{"HinterkanteGerade", "Hinterkante gerade", TTeilungstiefe::HinterkanteGerade}}) {
        auto* wahlknopf = new QRadioButton(QString::fromUtf8(text), this);
        wahlknopf->setObjectName(QString::fromLatin1(name));
        wahlknopf->setChecked(art == teilungstiefe_);
        teilung->addButton(wahlknopf);
        connect(wahlknopf, &QRadioButton::toggled, this, [this, art = art](bool an) {
            if (an) teilungstiefe_ = art;
        });
        f->addRow(wahlknopf);
    }
    auto* splitten = new QHBoxLayout;
    splitten->addWidget(Bearbeitungsknopf(QStringLiteral("Splitten"), QStringLiteral("Splitten 1/2"), [this](TBearbeitung& b) {
        return SegmentSplitten(b, 0.5L, teilungstiefe_);
    }));
    QPushButton* posY = Bearbeitungsknopf(QStringLiteral("SplittenPosY"), QStringLiteral("Splitten Pos. Y"), [this](TBearbeitung& b) {
        // The marker exactly at an end of the segment: nothing to split.
        if (SegmentSplittenPosY(b, Extended(diagramm2D_->Markierungsposition()), teilungstiefe_)) return true;
        QApplication::beep();
        return false;
    });
    posY->setToolTip(QStringLiteral("Das aktuelle Segment an der Position Y 2D-Grafik teilen"));
    splitten->addWidget(posY);
    splitten->addStretch(1);
    f->addRow(splitten);
    sl->addWidget(sr);
    l->addWidget(segment);
    l->addStretch(1);
    drehknoepfe_ = false;
    return seite;
}

QWidget* THauptfenster::SeiteAuslegung()
{
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("SeiteAuslegung"));
    auto* l = new QVBoxLayout(seite);
    QGroupBox* g = Gruppe(seite, "AuslegungStationaer", QStringLiteral("Auslegungsberechnung für den stationären Flug"));
    QFormLayout* f = Formular(g);
    FELD_REAL(f, "Anstellwinkel", "Anstellwinkel in °", FlugzeugVon, Anstellwinkel, Anstellwinkel, TNeuaufbau::Gitter);
    FELD_REAL(f, "AuslegungsCa", "Auslegungs CA", FlugzeugVon, AuslegungsCa, AuslegungsCa, TNeuaufbau::Keiner);
    FELD_REAL(f, "Stabilitaetsmass", "Stabilitätsmaß in % von lu", FlugzeugVon, Stabilitaetsmass, Stabilitaetsmass,
              TNeuaufbau::Keiner);
    FELD_REAL(f, "SchwerpunktX", "Schwerpunktlage X in m", FlugzeugVon, SchwerpunktX, Frei, TNeuaufbau::Keiner);
    FELD_REAL(f, "FlugGeschwindigkeit", "Fluggeschwindigkeit in m/s", FlugzeugVon, FlugGeschwindigkeit,
              FlugGeschwindigkeit, TNeuaufbau::Keiner);
    FELD_REAL(f, "Schiebewinkel", "Schiebewinkel in °", FlugzeugVon, Schiebewinkel, Schiebewinkel, TNeuaufbau::Gitter);
    Feld(f, QStringLiteral("Flughoehe"), QStringLiteral("Flughöhe in m"),
         [this](char t) { auto* o = FlugzeugVon(Szene.get()); return o ? Zahl(o->Flughoehe, t) : std::string(); },
         [this](const std::string& s) { auto* o = FlugzeugVon(Szene.get()); return o && FlughoeheEingeben(Host, *o, s); },
         TNeuaufbau::Keiner);
    FELD_GANZ(f, "MaxIteration", "Max. Iteration", FlugzeugVon, MaxIteration, MaxIteration, TNeuaufbau::Keiner);
    auto* laufzeile = new QHBoxLayout;
    start_ = Knopf(QStringLiteral("BerechnungStarten"), QStringLiteral("Berechnung starten"));
    stopp_ = Knopf(QStringLiteral("BerechnungStopp"), QStringLiteral("Berechnung Stopp"));
    stopp_->setEnabled(false);
    QPushButton* werte = Knopf(QStringLiteral("BerechneteWerte"), QStringLiteral("Berechnete Werte"));
    connect(start_, &QPushButton::clicked, this, &THauptfenster::BerechnungStarten);
    connect(stopp_, &QPushButton::clicked, this, [this] { Host.Flags.Stoppanforderung = true; });
    connect(werte, &QPushButton::clicked, this, [this] { ergebnisfenster_->Zeigen(); });
    laufzeile->addWidget(start_);
    laufzeile->addWidget(stopp_);
    laufzeile->addWidget(werte);
    f->addRow(laufzeile);
    l->addWidget(g);

    QGroupBox* w = Gruppe(seite, "Widerstandsberechnung", QStringLiteral("Einstellungen Widerstandsberechnung"));
    QFormLayout* wf = Formular(w);
    FELD_REAL(wf, "Interferenzwiderstand", "Interferenzwiderstand cw_int", FlugzeugVon, InterferenzWiderstand,
              InterferenzWiderstand, TNeuaufbau::Keiner);
    FELD_REAL(wf, "Rumpfquerschnitt", "Rumpfquerschnittfläche in m^2", FlugzeugVon, RumpfQuerschnittflaeche, Rumpf,
              TNeuaufbau::Keiner);
    FELD_REAL(wf, "RumpfWiderstand", "cw_Rumpf", FlugzeugVon, RumpfWiderstand, Rumpf, TNeuaufbau::Keiner);
    Feld(wf, QStringLiteral("Luftdichte"), QStringLiteral("rho [kg/m^3]"),
         [this](char t) { auto* o = FlugzeugVon(Szene.get()); return o ? Zahl(o->Luftdichte, t) : std::string(); },
         [this](const std::string& s) { auto* o = FlugzeugVon(Szene.get()); return o && LuftdichteEingeben(Host, *o, s); },
         TNeuaufbau::Keiner);
    multithread_ = new QCheckBox(QStringLiteral("Multithread"), w);
    multithread_->setObjectName(QStringLiteral("Multithread"));
    multithread_->setChecked(true);
    connect(multithread_, &QCheckBox::toggled, this, [this](bool an) { Einstellungen.MultithreadAktiv = an; });
    wasser_ = new QCheckBox(QStringLiteral("Wasser / Luft"), w);
    wasser_->setObjectName(QStringLiteral("WasserLuft"));
    connect(wasser_, &QCheckBox::clicked, this, [this](bool an) {
        if (TFLUGZEUG* fz = FlugzeugVon(Szene.get())) {
            WasserLuftSetzen(*fz, an);
            Geaendert = true;
            Host.SnapshotErstellen();
            Aktualisieren();
        }
    });
    wf->addRow(multithread_);
    wf->addRow(wasser_);
    l->addWidget(w);
    l->addStretch(1);
    return seite;
}

#undef FELD_REAL
#undef FELD_GANZ
#undef FELD_TEXT

bool THauptfenster::Feldeingabe(QLineEdit* feld)
{
    auto it = std::find_if(felder_.begin(), felder_.end(), [feld](const TFeld& f) { return f.Edit == feld; });
    if (it == felder_.end() || !feld->isModified()) return false;
    const std::string text = feld->text().toStdString();
    if (!it->Uebernehmen(text)) {
        // The model kept its value; the wrong text stays for the user to correct.
        feld->setFocus();
        return false;
    }
    feld->setModified(false);
    TFLUGZEUG* fz = FlugzeugVon(Szene.get());
    if (fz) {
        switch (it->Aufbau) {
        case TNeuaufbau::Flaeche:
            if (TFLAECHE* fl = FlaecheVon(Szene.get())) BaueFlaeche(*fl, Host);
            GitterAufbauen(*fz, Host.Flags);
            break;
        case TNeuaufbau::Gitter: GitterAufbauen(*fz, Host.Flags); break;
        case TNeuaufbau::Masse: GesamtmasseBerechnen(*fz); break;
        case TNeuaufbau::Keiner: break;
        }
    }
    Geaendert = true;
    Host.SnapshotErstellen();
    Aktualisieren();
    NeuZeichnen();
    return true;
}

void THauptfenster::Schrittmenue()
{
    schrittmenue_ = new QMenu(this);
    schrittmenue_->setObjectName(QStringLiteral("Schrittmenue"));
    auto* gruppe = new QActionGroup(schrittmenue_);
    for (auto [name, text, schritt] : {std::tuple{"Schritt000001", "0,00001  ", 0.00001L}, std::tuple{"Schritt00001", "0,0001 ", 0.0001L},
                                       std::tuple{"Schritt0001", "0,001", 0.001L}, std::tuple{"Schritt001", "0,01", 0.01L},
                                       std::tuple{"Schritt01", "0,1", 0.1L}, std::tuple{"Schritt1", "1", 1.0L}}) {
        QAction* a = schrittmenue_->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setChecked(schritt == Schrittweite);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, schritt = schritt] { Schrittweite = schritt; });
    }
}

void THauptfenster::Drehen(QLineEdit* feld, int richtung)
{
    auto it = std::find_if(felder_.begin(), felder_.end(), [feld](const TFeld& f) { return f.Edit == feld; });
    if (it == felder_.end() || !FlugzeugVon(Szene.get())) return;
    Extended wert = 0.0L;
    try {
        wert = TextToReal(feld->text().toStdString());
    } catch (const EKonvertierung&) {
        Host.Fehlertext(2);
        feld->setFocus();
        return;
    }
    // Whole-number fields (panel counts, iterations) step by one.
    const bool ganz = it->Art == TFeldart::Ganzzahl;
    wert = std::clamp(wert + richtung * (ganz ? 1.0L : Schrittweite), it->Grenzen.first, it->Grenzen.second);
    feld->setText(ganz ? QString::number(std::llround(wert)) : QString::fromStdString(Zahl(wert, Trennzeichen())));
    feld->setModified(true);
    Feldeingabe(feld);
}

void THauptfenster::Aktualisieren()
{
    const char t = Trennzeichen();
    for (const TFeld& f : felder_) {
        const std::string text = f.Lesen(t);
        f.Edit->setText(QString::fromStdString(text));
        f.Edit->setModified(false);
    }
    const auto [flaeche, segment] = AktuelleIndizes();
    flaechennummer_->setText(flaeche < 0 ? QString() : QString::number(flaeche));
    segmentnummer_->setText(segment < 0 ? QString() : QString::number(segment));
    for (auto [knopf, schalter] : schalterknoepfe_) {
        const QSignalBlocker still(knopf);
        knopf->setChecked(Schalter.*schalter);
    }
    markierungsfeld_->setText(QString::fromStdString(Zahl(diagramm2D_->Markierungsposition(), t)));
    Flaechenliste();
    seiteGesamtpolaren_->Aktualisieren();
    if (ergebnisfenster_ && ergebnisfenster_->isVisible()) {
        if (flaeche >= 0 && flaeche + 1 < ergebnisfenster_->Reiter()->count())
            ergebnisfenster_->Reiter()->setCurrentIndex(flaeche + 1);
        ergebnisfenster_->Aktualisieren();
    }
}

void THauptfenster::NeuZeichnen()
{
    diagramm2D_->update();
    ansicht3D_->Neu();
    infozeile_->setText(Informationszeile());
}

QString THauptfenster::Informationszeile() const { return diagramm2D_->Informationszeile(); }

void THauptfenster::Fenstertitel()
{
    QString titel = Programmtitel;
    if (FlugzeugVon(Szene.get())) titel += QStringLiteral(", ") + QString::fromStdString(Szene->Name) + QStringLiteral(".vel");
    setWindowTitle(titel);
}

void THauptfenster::FlaecheWaehlen(int schritt)
{
    TFLUGZEUG* f = FlugzeugVon(Szene.get());
    if (!f || f->Flaechen.Count() == 0) return;
    f->AktuelleFlaeche = std::clamp(f->AktuelleFlaeche + schritt, 0, f->Flaechen.Count() - 1);
    diagramm2D_->MarkierungAufSegment();
    Aktualisieren();
    NeuZeichnen();
}

void THauptfenster::SegmentWaehlen(int schritt)
{
    TFLAECHE* fl = FlaecheVon(Szene.get());
    if (!fl || fl->Segmente.Count() == 0) return;
    fl->AktuellesSegment = std::clamp(fl->AktuellesSegment + schritt, 0, fl->Segmente.Count() - 1);
    diagramm2D_->MarkierungAufSegment();
    Aktualisieren();
    NeuZeichnen();
}

bool THauptfenster::Bearbeiten(const std::function<bool(TBearbeitung&)>& operation)
{
    TFLUGZEUG* fz = FlugzeugVon(Szene.get());
    if (!fz || Host.Flags.RechnungLaeuft) return false;
    // The operation ends itself as every model change: rebuild, lattice, snapshot, refresh, redraw.
    TBearbeitung b{*fz, Host, Schalter.ImmerSpiegeln};
    if (!operation(b)) return false;
    diagramm2D_->MarkierungAufSegment();
    Aktualisieren();
    NeuZeichnen();
    return true;
}

void THauptfenster::SnapshotErstellen()
{
    if (!Undo || !FlugzeugVon(Szene.get())) return;
    Undo->SnapshotErstellen(*Szene, Schalter, Host);
    Geaendert = true;
    // The values shown there no longer belong to the model.
    if (ergebnisfenster_ && ergebnisfenster_->isVisible()) ergebnisfenster_->close();
    UndoKnoepfe();
}

bool THauptfenster::Rueckgaengig()
{
    if (!Undo || Host.Flags.RechnungLaeuft) return false;
    TSchalter schalter = Schalter;
    std::unique_ptr<TSZENE> alt = Undo->Rueckgaengig(Szene->Name, schalter, GeometrieAufbau(Host));
    UndoKnoepfe();
    return SnapshotZeigen(std::move(alt), schalter);
}

bool THauptfenster::Wiederherstellen()
{
    if (!Undo || Host.Flags.RechnungLaeuft) return false;
    TSchalter schalter = Schalter;
    std::unique_ptr<TSZENE> neu = Undo->Wiederherstellen(Szene->Name, schalter, GeometrieAufbau(Host));
    UndoKnoepfe();
    return SnapshotZeigen(std::move(neu), schalter);
}

bool THauptfenster::SnapshotZeigen(std::unique_ptr<TSZENE> szene, const TSchalter& schalter)
{
    // A snapshot that could not be read leaves the scene as it is.
    if (!szene) return false;
    Szene = std::move(szene);
    Schalter = schalter;
    Host.Flags.ErgebnisseGueltig = false;
    diagramm2D_->MarkierungAufSegment();
    Fenstertitel();
    Aktualisieren();
    NeuZeichnen();
    return true;
}

void THauptfenster::EinstellungenAnwenden()
{
    Farben = ZeichenfarbenAus(Einstellungen);
    for (auto [a, wert] : haken_) {
        const QSignalBlocker still(a);
        a->setChecked(Einstellungen.*wert);
    }
    if (diagramm2D_ && ansicht3D_) NeuZeichnen();
}

std::filesystem::path THauptfenster::Einstellungspfad() const { return Einstellungsdatei(datenordner_); }

bool THauptfenster::EinstellungenSpeichern()
{
    if (Undo) Einstellungen.AnzahlUndoFiles = Undo->AnzahlUndoFiles;
    Einstellungen.EingestellteSprache = Host.Texte.EingestellteSprache;
    Einstellungen.MultithreadAktiv = multithread_->isChecked();
    try {
        EinstellungenSchreiben(Einstellungspfad(), Einstellungen);
    } catch (const std::exception& e) {
        Host.Statustext(e.what());
        return false;
    }
    return true;
}

void THauptfenster::UndoKnoepfe()
{
    undo_->setEnabled(Undo && Undo->UndoMoeglich());
    redo_->setEnabled(Undo && Undo->RedoMoeglich());
}

void THauptfenster::AnzahlUndoFilesAendern()
{
    if (!Undo) return;
    QString text = QString::number(Undo->AnzahlUndoFiles);
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(this, QString::fromStdString(Host.Ausgabetext(2)),
                                     QString::fromStdString(Host.Ausgabetext(2)), QLineEdit::Normal, text, &ok);
        if (!ok || Undo->AnzahlUndoFilesEingeben(Host, text.toStdString())) return;
    }
}

void THauptfenster::FlugzeugNeu()
{
    if (Host.Flags.RechnungLaeuft) return;
    if (Geaendert) {
        // YES saves under a name first and goes on whatever came of it.
        const int antwort = Host.Fehlertext(6);
        if (antwort == KnopfABORT) return;
        if (antwort == KnopfYES) Speichern(true);
    }
    Szene = NeuesFlugzeug();
    Host.Flags.ErgebnisseGueltig = false;
    szenendatei_.clear();
    // The history goes on, so "Undo" returns to the aircraft edited before.
    Host.SnapshotErstellen();
    diagramm2D_->MarkierungAufSegment();
    Fenstertitel();
    Aktualisieren();
    NeuZeichnen();
}

bool THauptfenster::SzeneOeffnen(const std::filesystem::path& datei)
{
    try {
        TSchalter schalter = Schalter;
        std::unique_ptr<TSZENE> neu = SzeneLadenUndAufbauen(datei, schalter, Host);
        Szene = std::move(neu);
        Schalter = schalter;
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return false;
    }
    Host.Flags.ErgebnisseGueltig = false;
    diagramm2D_->MarkierungAufSegment();
    szenendatei_ = datei;
    Szenenverzeichnis = datei.parent_path();
    // A loaded scene starts a history of its own.
    if (Undo) Undo->UndoLeeren();
    Host.SnapshotErstellen();
    Geaendert = false;
    Fenstertitel();
    Aktualisieren();
    NeuZeichnen();
    return true;
}

bool THauptfenster::Speichern(bool unter)
{
    if (!FlugzeugVon(Szene.get())) return false;
    std::filesystem::path ziel = szenendatei_;
    if (unter || ziel.empty()) {
        const QString name = QFileDialog::getSaveFileName(
            this, QString(), QString::fromStdString((Szenenverzeichnis / (Szene->Name + ".vel")).string()),
            QStringLiteral("Flugszene (*.vel)"));
        if (name.isEmpty()) return false;
        ziel = name.toStdString();
        if (ziel.extension() != ".vel") ziel += ".vel";
    }
    try {
        WriteScene(ziel, *Szene, Schalter);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return false;
    }
    szenendatei_ = ziel;
    Szenenverzeichnis = ziel.parent_path();
    Szene->Name = SzenennameAusDatei(ziel);
    Geaendert = false;
    Fenstertitel();
    return true;
}

void THauptfenster::BerechnungStarten()
{
    if (!FlugzeugVon(Szene.get()) || Host.Flags.RechnungLaeuft) return;
    TAuslegungsoptionen optionen;
    optionen.Rechnen.Loeser.Multithread = multithread_->isChecked();
    optionen.Rechnen.Wasser = wasser_->isChecked();
    start_->setEnabled(false);
    stopp_->setEnabled(true);
    const TAuslegungsergebnis ergebnis = Auslegungsberechnung(*Szene, Schalter, Host, optionen);
    if (ergebnis.Ausgang == TAuslegungsausgang::Erfolg && Undo) {
        // The design changed the aircraft's flight state: a state of its own in the history. Its
        // results stay on show, they belong to this state.
        Undo->SnapshotErstellen(*Szene, Schalter, Host);
        Geaendert = true;
        UndoKnoepfe();
    }
    stopp_->setEnabled(false);
    start_->setEnabled(true);
    Host.Statustext({});
    Aktualisieren();
    NeuZeichnen();
    if (schliessenNachRechnung_) {
        schliessenNachRechnung_ = false;
        close();
    }
}

void THauptfenster::BildschirmelementeAnwenden()
{
    // Every window of the program, as the application owns them.
    QList<QObject*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets()) fenster.append(w);
    ::BildschirmelementeAnwenden(Host.Texte.Bildschirmelementzeilen, fenster);
}

bool THauptfenster::SeiteZeigen(const QString& name)
{
    for (int i = 0; i < seiten_->count(); ++i)
        if (seiten_->tabText(i).compare(name, Qt::CaseInsensitive) == 0 ||
            seiten_->widget(i)->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            seiten_->setCurrentIndex(i);
            return true;
        }
    return false;
}

void THauptfenster::SpracheWaehlen(const QString& sprache)
{
    QString name = sprache;
    if (name.startsWith(QLatin1Char('&'))) name.remove(0, 1);
    Host.Texte.EingestellteSprache = name.toUpper().toStdString();
    QtTexteLaden(Host.Texte.EingestellteSprache);
    MeldungsspracheWaehlen(Host.Texte.EingestellteSprache);
    if (!Host.Texte.SpracheLaden(Programmverzeichnis())) {
        const auto zeilen = SprachordnerFehltMeldung(Host.Texte.EingestellteSprache, Programmdatei().string());
        QString text;
        for (const std::string& z : zeilen) text += QString::fromStdString(z) + QLatin1Char('\n');
        QMessageBox::information(this, QStringLiteral("VELION"), text.trimmed());
    }
    BildschirmelementeAnwenden();
    Fenstertitel();
    Aktualisieren();
    NeuZeichnen();
}

void THauptfenster::SprachmenueAufbauen()
{
    sprachmenue_->clear();
    for (const std::string& sprache : Einstellungen.VerfuegbareSprachen) {
        QAction* a = sprachmenue_->addAction(QString::fromStdString(sprache));
        connect(a, &QAction::triggered, this, [this, a] { SpracheWaehlen(a->text()); });
    }
}

namespace {

/// The key's code as the settings file counts keys (letters, digits, function keys and the
/// common control keys); 0 for others.
int Tastencode(int taste)
{
    if ((taste >= Qt::Key_A && taste <= Qt::Key_Z) || (taste >= Qt::Key_0 && taste <= Qt::Key_9)) return taste;
    if (taste >= Qt::Key_F1 && taste <= Qt::Key_F24) return 112 + (taste - Qt::Key_F1);
    switch (taste) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

}  // namespace

int TProzessorlast::Messen()
{
    // The first line of /proc/stat: the jiffies of all processors by kind; the fourth and fifth
    // are idle and waiting for input or output.
    QFile datei(QStringLiteral("/proc/stat"));
    if (!datei.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> teile = datei.readLine().simplified().split(' ');
    unsigned long long summe = 0, leer = 0;
    for (int i = 1; i < teile.size(); ++i) {
        const unsigned long long wert = teile[i].toULongLong();
        summe += wert;
        if (i == 4 || i == 5) leer += wert;
    }
    const unsigned long long dSumme = summe - summe_, dLeer = leer - leer_;
    summe_ = summe;
    leer_ = leer;
    if (dSumme == 0 || dLeer > dSumme) return last_;
    last_ = int(std::lround(100.0 * double(dSumme - dLeer) / double(dSumme)));
    return last_;
}

bool THauptfenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // The boss key ends the program at once, from whichever control of this window has the focus.
    if (ereignis->type() == QEvent::KeyPress && Einstellungen.Cheftaste != 0) {
        auto* w = qobject_cast<QWidget*>(objekt);
        const int code = Tastencode(static_cast<QKeyEvent*>(ereignis)->key());
        if (w && w->window() == this && code == Einstellungen.Cheftaste) {
            SofortBeenden = true;
            close();
            return true;
        }
    }
    // F8 names the control under the mouse, for whoever translates the screen elements.
    if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_F8) {
        // An open menu of this window holds the keyboard, so its keys count as this window's.
        auto* w = qobject_cast<QWidget*>(objekt);
        if (w && (w->window() == this || qobject_cast<QMenu*>(w->window()))) {
            if (!elementnamen_) elementnamen_ = new TElementnamenfenster(this);
            elementnamen_->Zeigen(QCursor::pos());
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void THauptfenster::closeEvent(QCloseEvent* ereignis)
{
    // A running computation ends first: the request stops it at its next poll.
    Host.Flags.Stoppanforderung = true;
    if (Host.Flags.RechnungLaeuft || Host.Flags.GesamtpolarLaeuft) {
        // The window closes once the stopped computation has returned.
        schliessenNachRechnung_ = true;
        ereignis->ignore();
        return;
    }
    if (Geaendert && !SofortBeenden) {
        const int antwort = Host.Fehlertext(6);
        if (antwort == KnopfABORT || (antwort == KnopfYES && !Speichern(false))) {
            ereignis->ignore();
            return;
        }
    }
    ergebnisfenster_->close();
    EinstellungenSpeichern();
    seiteGesamtpolaren_->Polarfenster()->close();
    ereignis->accept();
}

QAbstractButton* THauptfenster::Schalterknopf(QLayout* zeile, const char* name, const QString& text,
                                              bool TSchalter::*schalter, std::vector<bool TSchalter::*> ausschliessend,
                                              bool schnappschuss)
{
    auto* k = new QToolButton(this);
    k->setObjectName(QString::fromLatin1(name));
    k->setText(text);
    k->setCheckable(true);
    k->setAutoRaise(false);
    zeile->addWidget(k);
    schalterknoepfe_.emplace_back(k, schalter);
    connect(k, &QToolButton::toggled, this, [this, schalter, ausschliessend, schnappschuss](bool an) {
        Schalter.*schalter = an;
        if (an)
            for (bool TSchalter::*anderer : ausschliessend) Schalter.*anderer = false;
        if (schnappschuss && FlugzeugVon(Szene.get())) {
            Geaendert = true;
            Host.SnapshotErstellen();
        }
        Aktualisieren();
        NeuZeichnen();
    });
    return k;
}

namespace {

QToolButton* Werkzeugknopf(QWidget* eltern, QLayout* zeile, const char* name, const QString& text, const QString& hinweis = {})
{
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setText(text);
    if (!hinweis.isEmpty()) k->setToolTip(hinweis);
    zeile->addWidget(k);
    return k;
}

QHBoxLayout* Knopfzeile(QVBoxLayout* l)
{
    auto* z = new QHBoxLayout;
    z->setSpacing(2);
    l->addLayout(z);
    return z;
}

}  // namespace

QWidget* THauptfenster::Gruppe2D()
{
    auto* gruppe = new QGroupBox(QStringLiteral("2D"), this);
    gruppe->setObjectName(QStringLiteral("Gruppe2D"));
    auto* l = new QVBoxLayout(gruppe);
    l->setSpacing(2);

    QHBoxLayout* z = Knopfzeile(l);
    QToolButton* gitter = Werkzeugknopf(gruppe, z, "Panelgitter", QStringLiteral("Gitter"), QStringLiteral("Panelgitter / Umriss"));
    gitter->setCheckable(true);
    gitter->setChecked(true);
    connect(gitter, &QToolButton::toggled, this, [this](bool an) {
        diagramm2D_->Panelgitter = an;
        NeuZeichnen();
    });
    Schalterknopf(z, "Zirkulation", QStringLiteral("Gamma"), &TSchalter::GammaLokal);
    Schalterknopf(z, "CaLokal", QStringLiteral("ca"), &TSchalter::CaLokal);
    Schalterknopf(z, "CwiLokal", QStringLiteral("cwi"), &TSchalter::CwiLokal, {&TSchalter::CwvLokal, &TSchalter::CwgLokal});
    Schalterknopf(z, "CwvLokal", QStringLiteral("cwv"), &TSchalter::CwvLokal, {&TSchalter::CwiLokal, &TSchalter::CwgLokal})
        ->setToolTip(QStringLiteral("Verteilung des Profilwiderstandes cw-visc"));
    Schalterknopf(z, "CwgLokal", QStringLiteral("cwg"), &TSchalter::CwgLokal, {&TSchalter::CwiLokal, &TSchalter::CwvLokal})
        ->setToolTip(QStringLiteral("Verteilung des Gesamtwiderstandes cwg"));
    Schalterknopf(z, "AiLokal", QStringLiteral("ai"), &TSchalter::AiLokal);
    Schalterknopf(z, "ReLokal", QStringLiteral("RE"), &TSchalter::ReLokal);
    Schalterknopf(z, "Blasenwarnung", QStringLiteral("BL"), &TSchalter::Blasenwarnung)
        ->setToolTip(QStringLiteral("Blasenwarnung einzeichnen"));
    z->addStretch(1);

    z = Knopfzeile(l);
    Schalterknopf(z, "XD", QStringLiteral("XD"), &TSchalter::XD)->setToolTip(QStringLiteral("Druckpunkt einzeichnen"));
    Schalterknopf(z, "XS", QStringLiteral("XS"), &TSchalter::XS)->setToolTip(QStringLiteral("Schwerpunkt einzeichnen"));
    Schalterknopf(z, "XN", QStringLiteral("XN"), &TSchalter::XN)->setToolTip(QStringLiteral("Neutralpunkt einzeichnen"));
    z->addStretch(1);

    z = Knopfzeile(l);
    Schalterknopf(z, "GesamtFlugzeug", QStringLiteral("Kontur"), &TSchalter::GesamtFlugzeugDarstellung)
        ->setToolTip(QStringLiteral("Kontur des gesamten Flugzeuges dazuzeichnen"));
    Schalterknopf(z, "Klappenwinkel2D", QStringLiteral("Klappe°"), &TSchalter::KlappenwinkelAusgabe)
        ->setToolTip(QStringLiteral("Klappenwinkel einblenden"));
    Schalterknopf(z, "GammaVorgabe", QStringLiteral("Hilfskurve"), &TSchalter::GammaVorgabe)
        ->setToolTip(QStringLiteral("Darstellen der Zirkulations-Hilfskurve"));
    z->addStretch(1);

    z = Knopfzeile(l);
    auto* minmax = new QCheckBox(QStringLiteral("ca_max_min einblenden"), gruppe);
    minmax->setObjectName(QStringLiteral("CaMaxMin"));
    z->addWidget(minmax);
    schalterknoepfe_.emplace_back(minmax, &TSchalter::CaLokalMinMax);
    connect(minmax, &QCheckBox::toggled, this, [this](bool an) {
        Schalter.CaLokalMinMax = an;
        NeuZeichnen();
    });
    auto* integral = new QCheckBox(QStringLiteral("Hilfskurve , ON=Integral, OFF=Mitte "), gruppe);
    integral->setObjectName(QStringLiteral("HilfskurveIntegral"));
    z->addWidget(integral);
    schalterknoepfe_.emplace_back(integral, &TSchalter::GammaVorgabeIntegral);
    connect(integral, &QCheckBox::toggled, this, [this](bool an) {
        Schalter.GammaVorgabeIntegral = an;
        NeuZeichnen();
    });
    z->addStretch(1);

    z = Knopfzeile(l);
    // Pan and zoom of the plan; the marker stays at its span position.
    const auto ansicht = [this](int dx, int dy, double zoom) {
        TFLAECHE* fl = FlaecheVon(Szene.get());
        if (!fl) return;
        fl->Verschiebung2D.x += dx;
        fl->Verschiebung2D.y += dy;
        if (zoom != 0.0) fl->Zoom2D = std::max(0.1L, fl->Zoom2D + Extended(zoom));
        NeuZeichnen();
    };
    for (auto [name, text, dx, dy, zoom] :
         {std::tuple{"Rechts2D", ">", 25, 0, 0.0}, std::tuple{"Links2D", "<", -25, 0, 0.0},
          std::tuple{"Oben2D", "^", 0, -25, 0.0}, std::tuple{"Unten2D", "v", 0, 25, 0.0},
          std::tuple{"ZoomPlus2D", "+", 0, 0, 0.1}, std::tuple{"ZoomMinus2D", "-", 0, 0, -0.1}}) {
        QToolButton* k = Werkzeugknopf(gruppe, z, name, QString::fromUtf8(text));
        k->setAutoRepeat(true);
        k->setAutoRepeatDelay(200);
        k->setAutoRepeatInterval(20);
        connect(k, &QToolButton::clicked, this, [ansicht, dx = dx, dy = dy, zoom = zoom] { ansicht(dx, dy, zoom); });
    }
    connect(Werkzeugknopf(gruppe, z, "Standard2D", QStringLiteral("0"), QStringLiteral("2D-Grafik Defaultwerte setzen")),
            &QToolButton::clicked, this, [this] {
                if (TFLAECHE* fl = FlaecheVon(Szene.get())) {
                    fl->Zoom2D = 1.0L;
                    fl->Verschiebung2D = {};
                    diagramm2D_->MarkierungAufSegment();
                    Aktualisieren();
                    NeuZeichnen();
                }
            });
    connect(Werkzeugknopf(gruppe, z, "Speichern2D", QStringLiteral("BMP"), QStringLiteral("2D-Grafik_speichern unter")),
            &QToolButton::clicked, this, [this] {
                BildSpeichern(this, diagramm2D_->Bild(diagramm2D_->size()),
                              QString::fromStdString((Szenenverzeichnis / (Szene->Name + "_2D")).string()));
            });
    connect(Werkzeugknopf(gruppe, z, "Kopieren2D", QStringLiteral("Clip"), QStringLiteral("2D-Grafik in die Zwischenablage kopieren")),
            &QToolButton::clicked, this,
            [this] { QApplication::clipboard()->setImage(diagramm2D_->Bild(diagramm2D_->size())); });
    auto* posText = new QLabel(QStringLiteral("Pos.Y [m]"), gruppe);
    posText->setObjectName(QStringLiteral("L_MarkierungPosY"));
    z->addWidget(posText);
    markierungsfeld_ = new QLineEdit(gruppe);
    markierungsfeld_->setObjectName(QStringLiteral("MarkierungPosY"));
    markierungsfeld_->setMaximumWidth(90);
    z->addWidget(markierungsfeld_);
    connect(markierungsfeld_, &QLineEdit::editingFinished, this, [this] {
        if (!markierungsfeld_->isModified()) return;
        Extended y = 0.0L;
        try {
            y = TextToReal(markierungsfeld_->text().toStdString());
        } catch (const EKonvertierung&) {
            Host.Fehlertext(2);
            markierungsfeld_->setFocus();
            return;
        }
        diagramm2D_->MarkierungSetzen(double(y));
        Aktualisieren();
        NeuZeichnen();
    });
    z->addStretch(1);

    diagramm2D_ = new TDiagramm2D(Szene, Schalter, Farben, Host, gruppe);
    l->addWidget(diagramm2D_, 1);
    connect(diagramm2D_, &TDiagramm2D::SegmentGewaehlt, this, [this](int segment) {
        AuswahlUebernehmen(FlugzeugVon(Szene.get())->AktuelleFlaeche, segment);
    });
    connect(diagramm2D_, &TDiagramm2D::FluegelZeigen, this, [this] {
        if (AktuelleIndizes().second >= 0) SeiteZeigen(QStringLiteral("SeiteFluegel"));
    });
    infozeile_ = new QLabel(gruppe);
    infozeile_->setObjectName(QStringLiteral("Informationszeile"));
    infozeile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->addWidget(infozeile_);
    return gruppe;
}

QWidget* THauptfenster::Gruppe3D()
{
    auto* gruppe = new QGroupBox(QStringLiteral("3D"), this);
    gruppe->setObjectName(QStringLiteral("Gruppe3D"));
    auto* l = new QVBoxLayout(gruppe);
    l->setSpacing(2);

    QHBoxLayout* z = Knopfzeile(l);
    Schalterknopf(z, "GefuelltePanels", QStringLiteral("Füllen"), &TSchalter::GefuelltePanels);
    Schalterknopf(z, "VerdeckteLinien", QStringLiteral("Verdeckt"), &TSchalter::VerdeckteLinien);
    Schalterknopf(z, "FreieWirbel", QStringLiteral("Nachlauf"), &TSchalter::FreieWirbelZeichnen);
    Schalterknopf(z, "GebundeneWirbel", QStringLiteral("Wirbel"), &TSchalter::GebundeneWirbelZeichnen);
    Schalterknopf(z, "Panelnormalen", QStringLiteral("n"), &TSchalter::PanelnormalvektorenZeichnen);
    Schalterknopf(z, "Panelkraefte", QStringLiteral("F"), &TSchalter::PanelkraftvektorenZeichnen);
    Schalterknopf(z, "Volumenmodell", QStringLiteral("Volumen"), &TSchalter::VolumenmodellZeichnen);
    z->addStretch(1);

    z = Knopfzeile(l);
    Schalterknopf(z, "Anstroemvektor", QStringLiteral("Anströmung"), &TSchalter::AnstroemvektorZeichnen);
    Schalterknopf(z, "Segmentkanten", QStringLiteral("Kanten"), &TSchalter::SegmentkantenmarkierungZeichnen);
    Schalterknopf(z, "Momentenrichtung", QStringLiteral("M"), &TSchalter::MomentendrehrichtungZeichnen, {}, false);
    QHBoxLayout* modizeile = Knopfzeile(l);
    const std::vector<bool TSchalter::*> modi{&TSchalter::Rotieren, &TSchalter::Verschieben, &TSchalter::Zoomen,
                                             &TSchalter::Bearbeiten};
    for (auto [name, text, modus] : {std::tuple{"Rotieren", "rotieren", &TSchalter::Rotieren},
                                     std::tuple{"Verschieben", "verschieben", &TSchalter::Verschieben},
                                     std::tuple{"Zoomen", "zoomen", &TSchalter::Zoomen},
                                     std::tuple{"Bearbeiten", "bearbeiten", &TSchalter::Bearbeiten}}) {
        std::vector<bool TSchalter::*> andere;
        for (bool TSchalter::*m : modi)
            if (m != modus) andere.push_back(m);
        QAbstractButton* k = Schalterknopf(modizeile, name, QString::fromUtf8(text), modus, andere);
        // One mode is always on: pressing the active one again keeps it.
        connect(k, &QAbstractButton::toggled, this, [this, k, modus = modus](bool an) {
            if (!an && !(Schalter.Rotieren || Schalter.Verschieben || Schalter.Zoomen || Schalter.Bearbeiten)) {
                Schalter.*modus = true;
                const QSignalBlocker still(k);
                k->setChecked(true);
            }
        });
    }
    auto* np = Werkzeugknopf(gruppe, z, "Nullpunkt", QStringLiteral("NP"));
    connect(np, &QToolButton::clicked, this, [this] {
        if (TFLUGZEUG* f = FlugzeugVon(Szene.get())) {
            f->NullpunktSichtbar = !f->NullpunktSichtbar;
            Geaendert = true;
            Host.SnapshotErstellen();
            Aktualisieren();
            NeuZeichnen();
        }
    });
    auto* laenge = Werkzeugknopf(gruppe, z, "Markierungslaenge", QStringLiteral("L"));
    connect(laenge, &QToolButton::clicked, this, [this] {
        TFLUGZEUG* f = FlugzeugVon(Szene.get());
        if (!f) return;
        QString text = QString::fromStdString(Zahl(f->LaengeMarkierungslinien, Trennzeichen()));
        for (;;) {
            bool ok = false;
            text = QInputDialog::getText(this, QString::fromStdString(Host.Ausgabetext(1)),
                                         QString::fromStdString(Host.Ausgabetext(1)), QLineEdit::Normal, text, &ok);
            if (!ok) return;
            try {
                f->LaengeMarkierungslinien = TextToReal(text.toStdString());
                break;
            } catch (const EKonvertierung&) {
                Host.Fehlertext(2);
            }
        }
        Geaendert = true;
        Host.SnapshotErstellen();
        Aktualisieren();
        NeuZeichnen();
    });
    auto* symmetrie = new QCheckBox(QStringLiteral("Symmetrie Check"), gruppe);
    symmetrie->setObjectName(QStringLiteral("SymmetrieCheck"));
    symmetrie->setToolTip(QStringLiteral("Symmetriecheck durchführen"));
    z->addWidget(symmetrie);
    connect(symmetrie, &QCheckBox::toggled, this, [this](bool an) {
        if (!Host.Flags.RechnungLaeuft) ansicht3D_->Symmetriecheck(an);
    });
    z->addStretch(1);
    z = modizeile;
    connect(Werkzeugknopf(gruppe, z, "Speichern3D", QStringLiteral("BMP"), QStringLiteral("3D-Grafik_speichern unter")),
            &QToolButton::clicked, this, [this] {
                BildSpeichern(this, ansicht3D_->Bild(),
                              QString::fromStdString((Szenenverzeichnis / (Szene->Name + "_3D")).string()));
            });
    connect(Werkzeugknopf(gruppe, z, "Kopieren3D", QStringLiteral("Clip"), QStringLiteral("3D-Grafik in die Zwischenablage kopieren")),
            &QToolButton::clicked, this, [this] { QApplication::clipboard()->setImage(ansicht3D_->Bild()); });
    z->addStretch(1);

    auto* bild = new QHBoxLayout;
    ansicht3D_ = new TAnsicht3D(Szene, Schalter, Farben, gruppe);
    bild->addWidget(ansicht3D_, 1);
    flaechenliste_ = new QListWidget(gruppe);
    flaechenliste_->setObjectName(QStringLiteral("Flaechenliste"));
    flaechenliste_->setMaximumWidth(120);
    bild->addWidget(flaechenliste_);
    l->addLayout(bild, 1);
    connect(ansicht3D_, &TAnsicht3D::PanelGewaehlt, this, &THauptfenster::AuswahlUebernehmen);
    connect(ansicht3D_, &TAnsicht3D::AnsichtGeaendert, this, [this] { Aktualisieren(); });
    connect(ansicht3D_, &TAnsicht3D::MausmodusGewaehlt, this, [this](const QString& modus) {
        if (auto* k = findChild<QAbstractButton*>(modus.left(1).toUpper() + modus.mid(1))) k->setChecked(true);
        if (modus == QStringLiteral("rotieren")) SeiteZeigen(QStringLiteral("SeiteFlugzeug"));
    });
    flaechenliste_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* alle = new QAction(QStringLiteral("alle Flügel"), flaechenliste_);
    alle->setObjectName(QStringLiteral("AlleFluegel"));
    flaechenliste_->addAction(alle);
    connect(alle, &QAction::triggered, this, [this] {
        TFLUGZEUG* f = FlugzeugVon(Szene.get());
        if (!f) return;
        for (int i = 0; i < f->Flaechen.Count(); ++i) f->Flaechen.Get(i)->Sichtbar = true;
        flaechenliste_->clear();  // refilled with the new check marks
        Aktualisieren();
        NeuZeichnen();
    });
    connect(flaechenliste_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        TFLUGZEUG* f = FlugzeugVon(Szene.get());
        TFLAECHE* fl = f ? f->Flaechen.Get(flaechenliste_->row(item)) : nullptr;
        if (!fl) return;
        // Visibility is no model change: it is not saved and takes no snapshot.
        fl->Sichtbar = item->checkState() == Qt::Checked;
        NeuZeichnen();
    });
    connect(flaechenliste_, &QListWidget::currentRowChanged, this, [this](int zeile) {
        const TFLUGZEUG* f = FlugzeugVon(Szene.get());
        if (f && zeile >= 0 && zeile != f->AktuelleFlaeche && zeile < f->Flaechen.Count())
            AuswahlUebernehmen(zeile, f->Flaechen.Get(zeile)->AktuellesSegment);
    });
    return gruppe;
}

void THauptfenster::Flaechenliste()
{
    const TFLUGZEUG* f = FlugzeugVon(Szene.get());
    const int n = f ? f->Flaechen.Count() : 0;
    const QSignalBlocker still(flaechenliste_);
    if (flaechenliste_->count() != n) {
        flaechenliste_->clear();
        for (int i = 0; i < n; ++i) {
            const TFLAECHE& fl = *f->Flaechen.Get(i);
            auto* item = new QListWidgetItem(QString::number(i) + QStringLiteral(") ") + QString::fromStdString(fl.Bezeichnung),
                                             flaechenliste_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(fl.Sichtbar ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (f) flaechenliste_->setCurrentRow(f->AktuelleFlaeche);
}

void THauptfenster::AuswahlUebernehmen(int flaeche, int segment)
{
    TFLUGZEUG* f = FlugzeugVon(Szene.get());
    TFLAECHE* fl = f ? f->Flaechen.Get(flaeche) : nullptr;
    if (!fl) return;
    const bool andereFlaeche = flaeche != f->AktuelleFlaeche;
    f->AktuelleFlaeche = flaeche;
    if (fl->Segmente.Get(segment)) fl->AktuellesSegment = segment;
    // A pick in the 3D view or a new surface moves the marker to the segment; a click in the
    // diagram leaves it where the user put it.
    if (andereFlaeche || sender() == ansicht3D_) {
        diagramm2D_->MarkierungAufSegment();
        if (sender() == ansicht3D_ && segment >= 0) SeiteZeigen(QStringLiteral("SeiteFluegel"));
    }
    Aktualisieren();
    NeuZeichnen();
}
