// The DXF window over the core's DXF export.
#include "ui/dialogs/DxfFenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Dateiendung.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "export/DXF_Export.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Bauexportwahl.h"

namespace {

struct TEbenengruppe {
    const char* Name;
    const char* Titel;
    std::vector<std::pair<const char*, const char*>> Kaestchen;  ///< object name, caption; in TDxfEbene order
};

const TEbenengruppe Ebenengruppen[] = {
    {"GruppeModell3D", "3D-Modell",
     {{"Haut3D", "3D-Haut"}, {"Profilkontur3D", "3D-Profile-Kontur"}, {"Profilsehnen3D", "3D-Profilsehnen"},
      {"Nummerierung3D", "3D-Profil-Nummerierung"}, {"NasenEndleiste3D", "3D-Nasen-Endleiste"}}},
    {"GruppeReal", "2D-Dreiseitenansicht",
     {{"RealProfile", "2D-Real-Profile"}, {"RealNummerierung", "2D-Real-Profilnummerierung "},
      {"RealAussenkontur", "2D-Real-Grundriss (Außenkontur)"}}},
    {"GruppeBau", "2D-Bauplan",
     {{"BauAussenkontur", "2D-Bau-Grundriss (V-Form abgewickelt)"}, {"BauProfile", "2D-Bau-Profile"},
      {"BauNummerierung", "2D-Bau-Profilnummerierung (Verwindungsangabe um Nase)"},
      {"BauVForm", "2D-Bau-Beschriftung V-Form (Nase)"}}},
    {"GruppeSchnitte", "Profilschnitte",
     {{"SchnittKontur", "Profile-Kontur (Profilschnitte normal zur Fläche)"}, {"SchnittSehnen", "Profile-Sehnen"},
      {"SchnittNummerierung", "Profile-Nummerierung"}}},
};

QLineEdit* Feld(QWidget* eltern, QFormLayout* form, const char* name, const QString& text, const QString& wert)
{
    auto* feld = new QLineEdit(wert, eltern);
    feld->setObjectName(QString::fromLatin1(name));
    auto* beschriftung = new QLabel(text, eltern);
    beschriftung->setObjectName(QStringLiteral("L_") + QString::fromLatin1(name));
    form->addRow(beschriftung, feld);
    return feld;
}

}  // namespace

TDxfFenster::TDxfFenster(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster), haupt_(hauptfenster),
      flaechen_(Flaechenwahl(this, hauptfenster, &TFLAECHE::DxfAuswahl)), einheit_(Einheitenwahl(this))
{
    setObjectName(QStringLiteral("DxfFenster"));
    setWindowTitle(QStringLiteral("DXF-Export"));

    auto* links = new QVBoxLayout;
    auto* flaechenText = new QLabel(QStringLiteral("Zu zeichnende Flächen"), this);
    flaechenText->setObjectName(QStringLiteral("L_Flaechenwahl"));
    links->addWidget(flaechenText);
    links->addWidget(flaechen_, 1);
    auto* form = new QFormLayout;
    auto* einheitText = new QLabel(QStringLiteral("Ausgabeeinheit"), this);
    einheitText->setObjectName(QStringLiteral("L_Ausgabeeinheit"));
    form->addRow(einheitText, einheit_);
    aufloesung_ = Feld(this, form, "Exportaufloesung", QStringLiteral("Anzahl Profilkoordinaten"), QStringLiteral("30"));
    const char t = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    schrifthoehe_ = Feld(this, form, "Schrifthoehe", QStringLiteral("Schrifthöhe [m]"),
                         QString::fromStdString(RealToText(0.02L, 0, 2, t)));
    rippenabstand_ = Feld(this, form, "Rippenabstand", QStringLiteral("max. Rippenabstand der Strakprofilen [m]"),
                          QString::fromStdString(RealToText(0.1L, 0, 1, t)));
    strak_ = new QCheckBox(QStringLiteral("Strakprofile erzeugen"), this);
    strak_->setObjectName(QStringLiteral("Strakprofile"));
    strak_->setChecked(true);
    form->addRow(strak_);
    links->addLayout(form);

    auto* rechts = new QVBoxLayout;
    for (const TEbenengruppe& g : Ebenengruppen) {
        auto* gruppe = new QGroupBox(QString::fromUtf8(g.Titel), this);
        gruppe->setObjectName(QString::fromLatin1(g.Name));
        auto* gl = new QVBoxLayout(gruppe);
        gl->setSpacing(1);
        std::vector<QCheckBox*> kaestchen;
        for (auto [name, text] : g.Kaestchen) {
            auto* k = new QCheckBox(QString::fromUtf8(text), gruppe);
            k->setObjectName(QString::fromLatin1(name));
            k->setChecked(true);
            gl->addWidget(k);
            kaestchen.push_back(k);
            ebenen_.push_back(k);
        }
        auto* alle = new QPushButton(QStringLiteral("alle an / aus"), gruppe);
        alle->setObjectName(QStringLiteral("AlleAnAus") + QString::fromLatin1(g.Name).mid(6));
        alle->setAutoDefault(false);
        // Any box on: all off; otherwise all on.
        connect(alle, &QPushButton::clicked, this, [kaestchen] {
            const bool eines = std::any_of(kaestchen.begin(), kaestchen.end(), [](QCheckBox* k) { return k->isChecked(); });
            for (QCheckBox* k : kaestchen) k->setChecked(!eines);
        });
        gl->addWidget(alle, 0, Qt::AlignLeft);
        rechts->addWidget(gruppe);
    }

    speichern_ = new QPushButton(QStringLiteral("DXF-Datei speichern unter"), this);
    speichern_->setObjectName(QStringLiteral("DxfSpeichern"));
    auto* schliessen = new QPushButton(QStringLiteral("Fenster schließen"), this);
    schliessen->setObjectName(QStringLiteral("FensterSchliessen"));
    for (QPushButton* k : {speichern_, schliessen}) k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 1);
    spalten->addLayout(rechts, 1);
    auto* l = new QVBoxLayout(this);
    l->addLayout(spalten, 1);
    l->addLayout(knoepfe);

    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    SpeichernAnbinden(this, speichern_, haupt_, ".DXF", QStringLiteral("DXF-Files (*.DXF)"),
                      [this](const std::filesystem::path& datei) { return Exportieren(datei); });
}

void TDxfFenster::Zeigen() { ExportfensterZeigen(this, flaechen_, speichern_, haupt_, &TFLAECHE::DxfAuswahl); }

bool TDxfFenster::Exportieren(const std::filesystem::path& datei)
{
    if (!haupt_.Szene || !haupt_.Szene->Flugzeug) return false;
    TDxfOptionen optionen;
    const std::optional<int> aufloesung = Exportaufloesung(aufloesung_, haupt_);
    if (!aufloesung) return false;
    optionen.Exportaufloesung = *aufloesung;
    for (auto [feld, wert] : {std::pair{schrifthoehe_, &optionen.Schrifthoehe}, std::pair{rippenabstand_, &optionen.Rippenabstand}}) {
        try {
            *wert = TextToReal(feld->text().toStdString());
        } catch (const EKonvertierung&) {
            haupt_.Host.Fehlertext(2);
            feld->setFocus();
            return false;
        }
        if (!(*wert > 0.0L)) {
            haupt_.Host.Fehlertext(3);
            feld->setFocus();
            return false;
        }
    }
    optionen.Einheitenfaktor = GewaehlterEinheitenfaktor(einheit_);
    optionen.Strakprofile = strak_->isChecked();
    for (std::size_t i = 0; i < ebenen_.size(); ++i) optionen.Ebenen[i] = ebenen_[i]->isChecked();

    setEnabled(false);
    bool geschrieben = false;
    try {
        geschrieben = DxfExportieren(*haupt_.Szene, optionen, DateinameMitEndung(datei, ".DXF"), haupt_.Host);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
    }
    setEnabled(true);
    return geschrieben;
}
