// The shared parts of the building exports' windows.
#include "ui/dialogs/Bauexportwahl.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/Sprachtexte.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "ui/app/Hauptfenster.h"

QListWidget* Flaechenwahl(QWidget* eltern, THauptfenster& haupt, bool TFLAECHE::*auswahl)
{
    auto* liste = new QListWidget(eltern);
    liste->setObjectName(QStringLiteral("Flaechenwahl"));
    QObject::connect(liste, &QListWidget::itemChanged, liste, [&haupt, liste, auswahl](QListWidgetItem* item) {
        TFLUGZEUG* f = haupt.Szene ? haupt.Szene->Flugzeug.get() : nullptr;
        // The choice is no model change: it is not saved and takes no snapshot.
        if (TFLAECHE* fl = f ? f->Flaechen.Get(liste->row(item)) : nullptr) fl->*auswahl = item->checkState() == Qt::Checked;
    });
    return liste;
}

void FlaechenwahlFuellen(QListWidget* liste, const THauptfenster& haupt, bool TFLAECHE::*auswahl)
{
    const QSignalBlocker still(liste);
    liste->clear();
    const TFLUGZEUG* f = haupt.Szene ? haupt.Szene->Flugzeug.get() : nullptr;
    for (int i = 0; f && i < f->Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *f->Flaechen.Get(i);
        auto* item = new QListWidgetItem(QString::number(i) + QStringLiteral(") ") + QString::fromStdString(fl.Bezeichnung), liste);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(fl.*auswahl ? Qt::Checked : Qt::Unchecked);
    }
}

QComboBox* Einheitenwahl(QWidget* eltern)
{
    auto* wahl = new QComboBox(eltern);
    wahl->setObjectName(QStringLiteral("Ausgabeeinheit"));
    wahl->addItem(QStringLiteral("Meter [m]  Faktor 1"), 1.0);
    wahl->addItem(QStringLiteral("Millimeter [mm]  Faktor 1000"), 1000.0);
    wahl->addItem(QStringLiteral("Zoll [inch] Faktor 39,37"), 39.37);
    wahl->setCurrentIndex(1);
    return wahl;
}

Extended GewaehlterEinheitenfaktor(const QComboBox* wahl)
{
    // The items' factors as the core writes them, not via double.
    switch (wahl->currentIndex()) {
    case 0: return 1.0L;
    case 2: return 39.37L;
    default: return 1000.0L;
    }
}

std::optional<int> Exportaufloesung(QLineEdit* feld, THauptfenster& haupt)
{
    int n = 0;
    try {
        n = TextToInt(feld->text().trimmed().toStdString());
    } catch (const EKonvertierung&) {
        feld->setText(QStringLiteral("30"));
        haupt.Host.Fehlertext(46);
        return std::nullopt;
    }
    if (n <= 9) {
        haupt.Host.Fehlertext(45);
        feld->setFocus();
        return std::nullopt;
    }
    return n;
}

std::filesystem::path Exportordner(const THauptfenster& haupt)
{
    return haupt.Szenenverzeichnis.empty() ? Programmverzeichnis() : haupt.Szenenverzeichnis;
}

void ExportfensterZeigen(QWidget* fenster, QListWidget* flaechen, QPushButton* speichern, const THauptfenster& haupt,
                         bool TFLAECHE::*auswahl)
{
    FlaechenwahlFuellen(flaechen, haupt, auswahl);
    speichern->setEnabled(flaechen->count() > 0);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void SpeichernAnbinden(QWidget* fenster, QPushButton* speichern, THauptfenster& haupt, const std::string& endung,
                       const QString& filter, std::function<bool(const std::filesystem::path&)> exportieren)
{
    QObject::connect(speichern, &QPushButton::clicked, fenster, [fenster, &haupt, endung, filter, exportieren] {
        const QString name = QFileDialog::getSaveFileName(
            fenster, QString(), QString::fromStdString((Exportordner(haupt) / (haupt.Szene->Name + endung)).string()), filter);
        if (!name.isEmpty() && exportieren(name.toStdString())) fenster->hide();
    });
}
