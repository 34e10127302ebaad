// The window "Gesamtpolaren": table and chart tabs over the polar list, the group check list with
// the group colours, "Polarinfo", the axis choice, zoom, images and the polar files.
#include "ui/polar/Polarfenster.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Sprachtexte.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "results/Polardatei.h"
#include "ui/dialogs/Formatexportfenster.h"
#include "results/Polartabelle.h"
#include "ui/app/Bilddatei.h"
#include "ui/app/Hauptfenster.h"
#include "ui/polar/Polardiagramm.h"

namespace {

/// Items of the check list draw a strip in their group's colour before the check box and text;
/// items from 100 on stay blank, as there is no curve for them.
class TGruppenfarbe : public QStyledItemDelegate {
public:
    TGruppenfarbe(const std::array<QColor, 100>& farben, QObject* eltern) : QStyledItemDelegate(eltern), farben_(farben) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.row() >= static_cast<int>(farben_.size())) return;
        p->fillRect(QRect(option.rect.left(), option.rect.top() + 1, 14, option.rect.height() - 2), farben_[index.row()]);
        QStyleOptionViewItem rest = option;
        rest.rect.setLeft(option.rect.left() + 18);
        QStyledItemDelegate::paint(p, rest, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(18, 0);
    }

private:
    const std::array<QColor, 100>& farben_;
};

}  // namespace

TPolarfenster::TPolarfenster(THauptfenster& hauptfenster) : QMainWindow(&hauptfenster, Qt::Window), haupt_(hauptfenster)
{
    setObjectName(QStringLiteral("Polarfenster"));
    setWindowTitle(QStringLiteral("Gesamtpolaren"));

    auto aktion = [this](QMenu* menue, const char* name, const QString& text) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("PolarMenueDatei"));
    connect(aktion(datei, "PolarenDazuladen", QStringLiteral("Polaren dazuladen")), &QAction::triggered, this,
            [this] { Dazuladen(Dateien(false)); });
    connect(aktion(datei, "PolarenSpeichernUnter", QStringLiteral("Polaren speichern_unter")), &QAction::triggered, this,
            [this] {
                const QStringList name = Dateien(true);
                if (!name.isEmpty()) SpeichernUnter(name.front());
            });
    // The export of the loaded tables, beside the main window's export of the page's tables: a name
    // of its own, so that the screen elements reach both.
    auto* export_ = new TFormatexportfenster(haupt_, TFormatexportart::Polaren, [this] { return &liste_; });
    export_->setObjectName(QStringLiteral("PolarfensterExport"));
    connect(aktion(datei, "PolarenFormatierterExport", QStringLiteral("Formatierter Export, Gesamtpolaren")),
            &QAction::triggered, export_, &TFormatexportfenster::Zeigen);
    datei->addSeparator();
    connect(aktion(datei, "PolarfensterSchliessen", QStringLiteral("Fenster schließen")), &QAction::triggered, this,
            &QWidget::hide);
    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("PolarMenueBearbeiten"));
    connect(aktion(bearbeiten, "PolarentabelleLoeschen", QStringLiteral("Gesamte Polarentabelle löschen")),
            &QAction::triggered, this, &TPolarfenster::AlleLoeschen);

    reiter_ = new QTabWidget(this);
    reiter_->setObjectName(QStringLiteral("PolarReiter"));
    tabelle_ = new QPlainTextEdit(reiter_);
    tabelle_->setObjectName(QStringLiteral("Tabellenausgabe"));
    tabelle_->setReadOnly(true);
    tabelle_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tabelle_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tabelle_->setTabStopDistance(tabelle_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 10);
    reiter_->addTab(tabelle_, QStringLiteral("Tabellenausgabe"));

    auto* grafik = new QWidget(reiter_);
    grafik->setObjectName(QStringLiteral("Grafik"));
    reiter_->addTab(grafik, QStringLiteral("Grafik"));
    auto* spalten = new QHBoxLayout(grafik);
    auto* teiler = new QSplitter(Qt::Vertical, grafik);
    diagramm_ = new TPolardiagramm(liste_, haupt_.Farben.Gesamtpolaren, teiler);
    teiler->addWidget(diagramm_);
    auto* unten = new QWidget(teiler);
    auto* untenZeile = new QHBoxLayout(unten);
    untenZeile->setContentsMargins(0, 0, 0, 0);
    gruppen_ = new QListWidget(unten);
    gruppen_->setObjectName(QStringLiteral("Polargruppen"));
    gruppen_->setItemDelegate(new TGruppenfarbe(haupt_.Farben.Gesamtpolaren, gruppen_));
    gruppen_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* markiertLoeschen = new QAction(QStringLiteral("Markierte Polare löschen"), gruppen_);
    markiertLoeschen->setObjectName(QStringLiteral("MarkiertePolareLoeschen"));
    gruppen_->addAction(markiertLoeschen);
    connect(markiertLoeschen, &QAction::triggered, this, [this] { GruppeLoeschen(gruppen_->currentRow()); });
    untenZeile->addWidget(gruppen_, 3);
    info_ = new QPlainTextEdit(unten);
    info_->setObjectName(QStringLiteral("Polarinfo"));
    info_->setReadOnly(true);
    info_->setPlaceholderText(QStringLiteral("Polarinfo"));
    untenZeile->addWidget(info_, 2);
    teiler->addWidget(unten);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 1);
    spalten->addWidget(teiler, 1);

    auto* rechts = new QVBoxLayout;
    spalten->addLayout(rechts);
    for (auto [name, titel, wahl] : {std::tuple{"XAchse", "X-Achse", &xWahl_}, std::tuple{"YAchse", "Y-Achse", &yWahl_}}) {
        auto* g = new QGroupBox(QString::fromUtf8(titel), grafik);
        g->setObjectName(QString::fromLatin1(name));
        auto* raster = new QGridLayout(g);
        raster->setVerticalSpacing(0);
        *wahl = new QButtonGroup(g);
        for (int i = 0; i < PolargroessenAnzahl; ++i) {
            auto* k = new QRadioButton(QString::fromUtf8(Polargroessen[i].Beschriftung), g);
            k->setObjectName(QString::fromLatin1(name) + QString::number(i));
            (*wahl)->addButton(k, i);
            raster->addWidget(k, i % 6, i / 6);
        }
        rechts->addWidget(g);
    }
    xWahl_->button(diagramm_->X)->setChecked(true);
    yWahl_->button(diagramm_->Y)->setChecked(true);
    connect(xWahl_, &QButtonGroup::idClicked, this, &TPolarfenster::XWaehlen);
    connect(yWahl_, &QButtonGroup::idClicked, this, &TPolarfenster::YWaehlen);

    auto* fadenkreuz = new QCheckBox(QStringLiteral("Fadenkreuz"), grafik);
    fadenkreuz->setObjectName(QStringLiteral("Fadenkreuz"));
    connect(fadenkreuz, &QCheckBox::toggled, this, [this](bool an) {
        diagramm_->Fadenkreuz = an;
        diagramm_->update();
    });
    rechts->addWidget(fadenkreuz);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(2);
    const auto knopf = [this, grafik, knoepfe](const char* name, const QString& text, const QString& hinweis) {
        auto* k = new QToolButton(grafik);
        k->setObjectName(QString::fromLatin1(name));
        k->setText(text);
        k->setToolTip(hinweis);
        knoepfe->addWidget(k);
        return k;
    };
    connect(knopf("PolarZoomPlus", QStringLiteral("+"), QStringLiteral("2D-Grafik zoomen Plus")), &QToolButton::clicked,
            this, [this] { diagramm_->Zoomen(1.1); });
    connect(knopf("PolarZoomMinus", QStringLiteral("-"), QStringLiteral("2D-Grafik zoomen Minus")), &QToolButton::clicked,
            this, [this] { diagramm_->Zoomen(0.9); });
    connect(knopf("PolarZoomDefault", QStringLiteral("D"), QStringLiteral("2D-Grafik Defaultwerte setzen")),
            &QToolButton::clicked, this, [this] { diagramm_->ZoomZuruecksetzen(); });
    connect(knopf("PolarKopieren", QStringLiteral("Clip"), QStringLiteral("Grafik in die Zwischenablage kopieren")),
            &QToolButton::clicked, this, [this] { QApplication::clipboard()->setImage(diagramm_->Bild()); });
    connect(knopf("PolarBildSpeichern", QStringLiteral("BMP"), QStringLiteral("Grafik_speichern unter")),
            &QToolButton::clicked, this, &TPolarfenster::BildSpeichernUnter);
    knoepfe->addStretch(1);
    rechts->addLayout(knoepfe);
    rechts->addStretch(1);
    setCentralWidget(reiter_);

    statusX_ = new QLabel(statusBar());
    statusX_->setObjectName(QStringLiteral("PolarStatusX"));
    statusX_->setMinimumWidth(200);
    statusY_ = new QLabel(statusBar());
    statusY_->setObjectName(QStringLiteral("PolarStatusY"));
    statusBar()->addWidget(statusX_);
    statusBar()->addWidget(statusY_, 1);

    connect(gruppen_, &QListWidget::itemChanged, this, [this] {
        if (!baut_) Sichtbarkeit();
    });
    connect(diagramm_, &TPolardiagramm::Gewaehlt, this, &TPolarfenster::PunktWaehlen);
    connect(diagramm_, &TPolardiagramm::Mausposition, this, [this](bool gueltig, QPointF werte) {
        const QLocale ort;
        const auto feld = [&ort](const QString& titel, double wert) {
            return titel + QStringLiteral("=") + ort.toString(static_cast<double>(RoundReal(5, wert)), 'g', 12);
        };
        statusX_->setText(gueltig ? feld(diagramm_->XTitel, werte.x()) : QString());
        statusY_->setText(gueltig ? feld(diagramm_->YTitel, werte.y()) : QString());
    });
    resize(1180, 740);
    Auffrischen();
}

void TPolarfenster::Zeigen()
{
    const QScreen* bildschirm = screen();
    show();
    if (bildschirm) move(frameGeometry().x(), bildschirm->availableGeometry().top());
    raise();
    Auffrischen();
}

void TPolarfenster::Auffrischen()
{
    ListeAufbauen();
    TabelleAufbauen();
    KurvenZeichnen();
    diagramm_->ZoomZuruecksetzen();
}

void TPolarfenster::ListeAufbauen()
{
    baut_ = true;
    gruppen_->clear();
    for (int i = 0; i < liste_.Count(); ++i) {
        const TPolargruppe& g = *liste_.Get(i);
        const auto text = [this](int art, int erster) {
            return art >= 1 && art <= 3 ? haupt_.Host.Ausgabetext(erster + art - 1) : std::string();
        };
        const std::string zeile = std::to_string(i) + ") " + text(g.Art, 149) + ", " + g.Flugszene + ", " + text(g.Fix, 171) +
                                  ", " + g.Bemerkung;
        auto* item = new QListWidgetItem(QString::fromStdString(zeile), gruppen_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(g.Sichtbar ? Qt::Checked : Qt::Unchecked);
    }
    baut_ = false;
}

void TPolarfenster::TabelleAufbauen()
{
    QString text;
    for (const std::string& z : PolartabelleText(liste_, haupt_.Host, haupt_.Trennzeichen()))
        text += QString::fromStdString(z) + QLatin1Char('\n');
    tabelle_->setPlainText(text);
}

void TPolarfenster::KurvenZeichnen()
{
    diagramm_->XTitel = QString::fromStdString(haupt_.Host.Ausgabetext(Polargroessen[diagramm_->X].Titeltext));
    diagramm_->YTitel = QString::fromStdString(haupt_.Host.Ausgabetext(Polargroessen[diagramm_->Y].Titeltext));
    diagramm_->update();
}

void TPolarfenster::Sichtbarkeit()
{
    for (int i = 0; i < gruppen_->count() && i < liste_.Count(); ++i)
        liste_.Get(i)->Sichtbar = gruppen_->item(i)->checkState() == Qt::Checked;
    PunktWaehlen();
    KurvenZeichnen();
    diagramm_->ZoomZuruecksetzen();
}

void TPolarfenster::XWaehlen(int groesse)
{
    diagramm_->X = groesse;
    if (diagramm_->Y == groesse) diagramm_->Y = (groesse + 1) % PolargroessenAnzahl;
    xWahl_->button(diagramm_->X)->setChecked(true);
    yWahl_->button(diagramm_->Y)->setChecked(true);
    KurvenZeichnen();
    diagramm_->ZoomZuruecksetzen();
}

void TPolarfenster::YWaehlen(int groesse)
{
    diagramm_->Y = groesse;
    if (diagramm_->X == groesse) diagramm_->X = (groesse + 1) % PolargroessenAnzahl;
    xWahl_->button(diagramm_->X)->setChecked(true);
    yWahl_->button(diagramm_->Y)->setChecked(true);
    KurvenZeichnen();
    diagramm_->ZoomZuruecksetzen();
}

void TPolarfenster::PunktWaehlen()
{
    const auto [gi, ri] = diagramm_->Auswahl;
    if (gi < 0 || ri < 0) return;
    info_->clear();
    const TPolargruppe* g = liste_.Get(gi);
    if (!g || !g->Sichtbar || ri >= static_cast<int>(g->Zeilen.size())) return;
    const TPolarzeile& z = g->Zeilen[ri];
    const THost& host = haupt_.Host;
    const char t = haupt_.Trennzeichen();
    const auto zahl = [t](double v) { return RealToText(v, 8, 5, t); };
    std::vector<std::string> zeilen;
    if (g->Art >= 1 && g->Art <= 3) zeilen.push_back(host.Ausgabetext(148 + g->Art));
    zeilen.push_back(host.Ausgabetext(141) + " " + g->Flugszene);
    if (g->Fix >= 1 && g->Fix <= 3) zeilen.push_back(host.Ausgabetext(170 + g->Fix));
    zeilen.push_back(host.Ausgabetext(142) + " " + g->Bemerkung);
    zeilen.push_back(host.Ausgabetext(127) + " " + zahl(z.Alfa));
    for (int k = 0; k < 4; ++k) {
        const std::string gruppe = std::to_string(g->Gruppe[k]) + " " + g->Gruppentext[k];
        const std::string wert = " = " + std::string(" ") + zahl(z.Gr[k]) + "°";
        if (g->Art == PolarartKlappen)
            zeilen.push_back(host.Ausgabetext(182) + " = " + " " + gruppe + ", " + host.Ausgabetext(183) + wert);
        else if (g->Art == PolarartEwd)
            zeilen.push_back(host.Ausgabetext(177) + " " + gruppe + ", " + host.Ausgabetext(184) + wert);
        else if (g->Art == PolarartAnstellwinkel)
            zeilen.push_back("n.u.");
    }
    constexpr std::array<std::pair<int, int>, 11> werte{{{128, 5}, {129, 6}, {130, 7}, {131, 8}, {132, 9}, {133, 10},
                                                         {134, 11}, {135, 12}, {136, 13}, {138, 14}, {139, 15}}};
    for (auto [text, wert] : werte) zeilen.push_back(host.Ausgabetext(text) + " " + zahl(Polarwert(z, wert)));
    zeilen.push_back(host.Ausgabetext(137) + "= " + InfoKlartext(z.Info, host, t));
    QString inhalt;
    for (const std::string& zeile : zeilen) inhalt += QString::fromStdString(zeile) + QLatin1Char('\n');
    info_->setPlainText(inhalt);
}

void TPolarfenster::AuswahlLoeschen()
{
    diagramm_->Auswahl = {-1, -1};
    info_->clear();
}

void TPolarfenster::GruppeLoeschen(int index)
{
    if (index < 0 || index >= liste_.Count()) return;
    AuswahlLoeschen();
    liste_.GruppeLoeschen(index);
    Auffrischen();
}

void TPolarfenster::AlleLoeschen()
{
    AuswahlLoeschen();
    liste_.ListeLeeren();
    Auffrischen();
}

QString TPolarfenster::Startordner() const
{
    if (!haupt_.Szenenverzeichnis.empty()) return QString::fromStdString(haupt_.Szenenverzeichnis.string());
    return QString::fromStdString(Programmverzeichnis().string());
}

QStringList TPolarfenster::Dateien(bool speichern)
{
    if (!AutomatischeDateien.isEmpty()) return AutomatischeDateien;
    const std::string szene = haupt_.Szene ? haupt_.Szene->Name : std::string();
    if (speichern) {
        const QString name = QFileDialog::getSaveFileName(
            this, QString(), Startordner() + QLatin1Char('/') + QString::fromStdString(szene) + QStringLiteral(".VELPOL"),
            QString::fromStdString(haupt_.Host.Ausgabetext(140)) + QStringLiteral(" (*.VELPOL *.velpol)"));
        return name.isEmpty() ? QStringList() : QStringList{name};
    }
    return QFileDialog::getOpenFileNames(this, QString(), Startordner(),
                                         QStringLiteral("*.csv,*.velpol (*.csv *.velpol *.CSV *.VELPOL);;"
                                                        "Old Polarfile (*.csv *.CSV);;New Polarfile (*.velpol *.VELPOL)"));
}

void TPolarfenster::Dazuladen(const QStringList& dateien)
{
    for (const QString& datei : dateien) {
        try {
            const std::optional<TPolarlesung> lesung = PolarenDazuladen(liste_, datei.toStdString(), haupt_.Trennzeichen());
            if (lesung && !lesung->Vollstaendig())
                QMessageBox::warning(this, QStringLiteral("VELION"),
                                     datei + QStringLiteral(", Zeile ") + QString::number(lesung->Fehlerzeile) +
                                         QStringLiteral(": \"") + QString::fromStdString(lesung->Fehlerinhalt) +
                                         QStringLiteral("\" ist keine Zahl; die Gruppen davor sind geladen."));
        } catch (const EDatei&) {
            QApplication::beep();
        }
    }
    Auffrischen();
}

void TPolarfenster::SpeichernUnter(const QString& datei)
{
    try {
        if (PolarenSpeichern(liste_, datei.toStdString(), haupt_.Host).empty()) QApplication::beep();
        else liste_.Geaendert = false;
    } catch (const EDatei& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
    }
}

void TPolarfenster::BildSpeichernUnter()
{
    const std::string szene = haupt_.Szene ? haupt_.Szene->Name : std::string();
    ::BildSpeichern(this, diagramm_->Bild(), Startordner() + QLatin1Char('/') + QString::fromStdString(szene + "_Polargrafik"));
}

QString TPolarfenster::Tabellentext() const { return tabelle_->toPlainText(); }
QString TPolarfenster::Polarinfo() const { return info_->toPlainText(); }
QString TPolarfenster::StatusX() const { return statusX_->text(); }
QString TPolarfenster::StatusY() const { return statusY_->text(); }
