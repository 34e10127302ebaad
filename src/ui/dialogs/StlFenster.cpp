// The STL window over the core's STL export.
#include "ui/dialogs/StlFenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Dateiendung.h"
#include "export/STL_Export.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Bauexportwahl.h"

TStlFenster::TStlFenster(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster), haupt_(hauptfenster),
      flaechen_(Flaechenwahl(this, hauptfenster, &TFLAECHE::StlAuswahl)), einheit_(Einheitenwahl(this)),
      aufloesung_(new QLineEdit(QStringLiteral("120"), this)),
      geschlossen_(new QCheckBox(QStringLiteral("geschlossener Körper (Endkappen, Hinterkante)"), this))
{
    setObjectName(QStringLiteral("StlFenster"));
    setWindowTitle(QStringLiteral("STL-Export"));
    aufloesung_->setObjectName(QStringLiteral("Exportaufloesung"));
    geschlossen_->setObjectName(QStringLiteral("Geschlossen"));
    geschlossen_->setToolTip(QStringLiteral("Jede Fläche wird an ihren Enden und an einer offenen Hinterkante "
                                            "geschlossen, so dass Slicer einen Körper erhalten"));

    auto* flaechenText = new QLabel(QStringLiteral("Zu zeichnende Flächen"), this);
    flaechenText->setObjectName(QStringLiteral("L_Flaechenwahl"));
    auto* form = new QFormLayout;
    auto* einheitText = new QLabel(QStringLiteral("Ausgabeeinheit"), this);
    einheitText->setObjectName(QStringLiteral("L_Ausgabeeinheit"));
    form->addRow(einheitText, einheit_);
    auto* aufloesungText = new QLabel(QStringLiteral("Anzahl Profilkoordinaten"), this);
    aufloesungText->setObjectName(QStringLiteral("L_Exportaufloesung"));
    form->addRow(aufloesungText, aufloesung_);
    form->addRow(geschlossen_);

    speichern_ = new QPushButton(QStringLiteral("STL-Datei speichern unter"), this);
    speichern_->setObjectName(QStringLiteral("StlSpeichern"));
    auto* schliessen = new QPushButton(QStringLiteral("Fenster schließen"), this);
    schliessen->setObjectName(QStringLiteral("FensterSchliessen"));
    for (QPushButton* k : {speichern_, schliessen}) k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* l = new QVBoxLayout(this);
    l->addWidget(flaechenText);
    l->addWidget(flaechen_, 1);
    l->addLayout(form);
    l->addLayout(knoepfe);
    resize(460, 420);

    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    SpeichernAnbinden(this, speichern_, haupt_, ".STL", QStringLiteral("STL-Files (*.STL)"),
                      [this](const std::filesystem::path& datei) { return Exportieren(datei); });
}

void TStlFenster::Zeigen() { ExportfensterZeigen(this, flaechen_, speichern_, haupt_, &TFLAECHE::StlAuswahl); }

bool TStlFenster::Exportieren(const std::filesystem::path& datei)
{
    if (!haupt_.Szene || !haupt_.Szene->Flugzeug) return false;
    const std::optional<int> aufloesung = Exportaufloesung(aufloesung_, haupt_);
    if (!aufloesung) return false;
    TStlOptionen optionen;
    optionen.Exportaufloesung = *aufloesung;
    optionen.Einheitenfaktor = GewaehlterEinheitenfaktor(einheit_);
    optionen.Geschlossen = geschlossen_->isChecked();
    setEnabled(false);
    bool geschrieben = false;
    try {
        geschrieben = StlExportieren(*haupt_.Szene, optionen, DateinameMitEndung(datei, ".STL"), haupt_.Host);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
    }
    setEnabled(true);
    return geschrieben;
}
