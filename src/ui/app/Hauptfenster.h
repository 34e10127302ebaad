// The main window: menus, the pages of the aircraft, the wing and its segment, the design
// computation and the total polars, the commit of every input field into the model, the status bar.
#pragma once

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/TSchalter.h"
#include "model/T_Szene.h"
#include "ui/app/FensterHost.h"
#include "ui/view/Zeichenfarben.h"

class QLayout;
class QLineEdit;
class QTabWidget;
class QFormLayout;
class QPushButton;
class QCheckBox;
class TErgebnisfenster;
class TAnsicht3D;
class TDiagramm2D;
class QAbstractButton;
class QLabel;
class QListWidget;
class TKontexthilfe;

/// What an input field changes beyond its own value.
enum class TNeuaufbau { Keiner, Flaeche, Gitter, Masse };

class THauptfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptfenster(QWidget* parent = nullptr);
    ~THauptfenster() override;

    TFensterHost Host;
    std::unique_ptr<TSZENE> Szene;
    TSchalter Schalter;
    TZeichenfarben Farben;
    bool Geaendert = false;
    std::filesystem::path Szenenverzeichnis;

    /// Loads a scene file: a new aircraft, named after the file. Errors are shown, the old scene stays.
    bool SzeneOeffnen(const std::filesystem::path& datei);
    /// The commit protocol of one input field (by object name); returns whether the model took it.
    bool Feldeingabe(QLineEdit* feld);
    void Aktualisieren();
    void NeuZeichnen();
    /// Index of the current surface and of its current segment, each -1 when there is none.
    std::pair<int, int> AktuelleIndizes() const;
    void Fenstertitel();
    /// Applies the screen-element lines of the loaded language to this window and its children.
    void BildschirmelementeAnwenden();
    void SpracheWaehlen(const QString& sprache);
    /// The page of the left tab row with this caption; false when there is none.
    bool SeiteZeigen(const QString& name);
    void BerechnungStarten();
    TErgebnisfenster* Ergebnisfenster() const { return ergebnisfenster_; }
    TAnsicht3D* Ansicht3D() const { return ansicht3D_; }
    TDiagramm2D* Diagramm2D() const { return diagramm2D_; }
    TKontexthilfe* Kontexthilfe() const { return kontexthilfe_; }
    /// The line of the marker strip's values under the diagram.
    QString Informationszeile() const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    struct TFeld {
        QLineEdit* Edit = nullptr;
        std::function<std::string(char)> Lesen;              ///< model value as text; empty when absent
        std::function<bool(const std::string&)> Uebernehmen;  ///< checks and stores, raising the error text
        TNeuaufbau Aufbau = TNeuaufbau::Keiner;
    };

    QWidget* SeiteFlugzeug();
    QWidget* SeiteFluegel();
    QWidget* SeiteAuslegung();
    QWidget* SeiteGesamtpolaren();
    void MenuesAufbauen();
    QWidget* Gruppe2D();
    QWidget* Gruppe3D();
    /// A toggle of a display switch: it changes the scene (snapshot) and redraws.
    QAbstractButton* Schalterknopf(QLayout* zeile, const char* name, const QString& text, bool TSchalter::*schalter,
                                   std::vector<bool TSchalter::*> ausschliessend = {}, bool schnappschuss = true);
    /// The surface and segment under a click in a drawing become current.
    void AuswahlUebernehmen(int flaeche, int segment);
    void Flaechenliste();
    QLineEdit* Feld(QFormLayout* form, const QString& name, const QString& beschriftung,
                    std::function<std::string(char)> lesen, std::function<bool(const std::string&)> uebernehmen,
                    TNeuaufbau aufbau);
    QPushButton* Knopf(const QString& name, const QString& beschriftung);
    /// A button whose command is built elsewhere: present, disabled, and saying so in its hint.
    QPushButton* SpaeterKnopf(const QString& name, const QString& beschriftung);
    void FlaecheWaehlen(int schritt);
    void SegmentWaehlen(int schritt);
    bool Speichern(bool unter);
    char Trennzeichen() const;

    std::vector<TFeld> felder_;
    QTabWidget* seiten_ = nullptr;
    QLineEdit* flaechennummer_ = nullptr;
    QLineEdit* segmentnummer_ = nullptr;
    QCheckBox* multithread_ = nullptr;
    QCheckBox* wasser_ = nullptr;
    QPushButton* stopp_ = nullptr;
    QPushButton* start_ = nullptr;
    TErgebnisfenster* ergebnisfenster_ = nullptr;
    TAnsicht3D* ansicht3D_ = nullptr;
    TDiagramm2D* diagramm2D_ = nullptr;
    TKontexthilfe* kontexthilfe_ = nullptr;
    QLabel* infozeile_ = nullptr;
    QLineEdit* markierungsfeld_ = nullptr;
    QListWidget* flaechenliste_ = nullptr;
    std::vector<std::pair<QAbstractButton*, bool TSchalter::*>> schalterknoepfe_;
    std::filesystem::path szenendatei_;
    bool schliessenNachRechnung_ = false;
};
