// The main window: menus, the pages of the aircraft, the wing and its segment, the design
// computation and the total polars, the commit of every input field into the model, the status bar.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "geometry/Flaechenbearbeitung.h"
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
class TUndo;
class TFarbtabelle;
class TVerzeichnisfenster;
class QAction;
class QMenu;
struct TBearbeitung;
class TSeiteGesamtpolaren;
class TKontexthilfe;
class TElementnamenfenster;

/// What an input field changes beyond its own value.
enum class TNeuaufbau { Keiner, Flaeche, Gitter, Masse };
/// What an input field holds; numbers of the aircraft and wing pages get spin buttons.
enum class TFeldart { Text, Zahl, Ganzzahl };

/// The system-wide processor load in percent since the previous measurement.
class TProzessorlast {
public:
    int Messen();

private:
    unsigned long long summe_ = 0, leer_ = 0;
    int last_ = 0;
};

class THauptfenster : public QMainWindow {
    Q_OBJECT
    // The total-polar page and its window use the field protocol and the run switches of this window.
    friend class TSeiteGesamtpolaren;
    friend class TPolarfenster;

public:
    /// `datenordner` holds the settings file and the snapshot folder; empty: the program's own
    /// writable folder (Datenordner).
    explicit THauptfenster(QWidget* parent = nullptr, const std::filesystem::path& datenordner = {});
    ~THauptfenster() override;

    TFensterHost Host;
    /// The snapshot history of this run; null when its folder could not be created.
    std::unique_ptr<TUndo> Undo;
    std::unique_ptr<TSZENE> Szene;
    TSchalter Schalter;
    /// The settings file's values; the drawing colours follow them (EinstellungenAnwenden).
    TEinstellungen Einstellungen;
    TZeichenfarben Farben;
    bool Geaendert = false;
    /// Set by the boss key: the close request then ends the program without asking.
    bool SofortBeenden = false;
    /// The step of every spin button, chosen in their pop-up menu.
    Extended Schrittweite = 0.1L;
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
    /// The "Sprachen" menu anew: one item per available language of the settings, in their order.
    void SprachmenueAufbauen();
    /// The page of the left tab row with this caption; false when there is none.
    bool SeiteZeigen(const QString& name);
    void BerechnungStarten();
    /// "Neu" of the aircraft page: asks to save unsaved changes, then a new empty aircraft.
    void FlugzeugNeu();
    /// Runs an editing operation of the aircraft (from this window or another); false when it changed
    /// nothing. The core's edit ends with rebuild, lattice and snapshot; refused while a computation runs.
    bool Bearbeiten(const std::function<bool(TBearbeitung&)>& operation);
    /// After every model change: a snapshot of the scene, the unsaved mark, the undo buttons.
    void SnapshotErstellen();
    /// "Undo" and "Redo": the scene of the snapshot before or after the current one; false when
    /// there is none, the scene then stays.
    bool Rueckgaengig();
    bool Wiederherstellen();
    /// "Anzahl Undo-Files": asks until the number is accepted or the dialog is cancelled.
    void AnzahlUndoFilesAendern();
    /// The drawings and the check marks of the menu take the settings; the drawings are redrawn.
    void EinstellungenAnwenden();
    /// Writes the settings file with the current state; false (and a status line) when it failed.
    bool EinstellungenSpeichern();
    std::filesystem::path Einstellungspfad() const;
    TErgebnisfenster* Ergebnisfenster() const { return ergebnisfenster_; }
    TAnsicht3D* Ansicht3D() const { return ansicht3D_; }
    TDiagramm2D* Diagramm2D() const { return diagramm2D_; }
    TSeiteGesamtpolaren* SeiteGesamtpolaren() const { return seiteGesamtpolaren_; }
    TKontexthilfe* Kontexthilfe() const { return kontexthilfe_; }
    /// The line of the marker strip's values under the diagram.
    QString Informationszeile() const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct TFeld {
        QLineEdit* Edit = nullptr;
        std::function<std::string(char)> Lesen;              ///< model value as text; empty when absent
        std::function<bool(const std::string&)> Uebernehmen;  ///< checks and stores, raising the error text
        TNeuaufbau Aufbau = TNeuaufbau::Keiner;
        TFeldart Art = TFeldart::Zahl;
        std::pair<Extended, Extended> Grenzen{-1e300L, 1e300L};  ///< where the spin buttons stop
    };

    QWidget* SeiteFlugzeug();
    QWidget* SeiteFluegel();
    QWidget* SeiteAuslegung();
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
                    TNeuaufbau aufbau, TFeldart art = TFeldart::Zahl);
    /// A spin button's click: the field's number plus or minus the step, committed as typed.
    void Drehen(QLineEdit* feld, int richtung);
    void Schrittmenue();
    QPushButton* Knopf(const QString& name, const QString& beschriftung);
    /// A button that runs an editing operation through Bearbeiten.
    QPushButton* Bearbeitungsknopf(const QString& name, const QString& beschriftung,
                                   std::function<bool(TBearbeitung&)> operation);
    void FlaecheWaehlen(int schritt);
    void SegmentWaehlen(int schritt);
    bool Speichern(bool unter);
    bool SnapshotZeigen(std::unique_ptr<TSZENE> szene, const TSchalter& schalter);
    void UndoKnoepfe();
    char Trennzeichen() const;

    std::vector<TFeld> felder_;
    bool drehknoepfe_ = false;  ///< fields made now get spin buttons
    QMenu* schrittmenue_ = nullptr;
    TProzessorlast prozessorlast_;
    QElapsedTimer laufuhr_;  ///< since the running computation began
    QTabWidget* seiten_ = nullptr;
    QLineEdit* flaechennummer_ = nullptr;
    QLineEdit* segmentnummer_ = nullptr;
    QCheckBox* multithread_ = nullptr;
    QCheckBox* wasser_ = nullptr;
    QPushButton* stopp_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    std::filesystem::path datenordner_;
    TFarbtabelle* farbtabelle_ = nullptr;
    TVerzeichnisfenster* verzeichnisfenster_ = nullptr;
    std::vector<std::pair<QAction*, bool TEinstellungen::*>> haken_;
    TErgebnisfenster* ergebnisfenster_ = nullptr;
    TAnsicht3D* ansicht3D_ = nullptr;
    TDiagramm2D* diagramm2D_ = nullptr;
    TSeiteGesamtpolaren* seiteGesamtpolaren_ = nullptr;
    TKontexthilfe* kontexthilfe_ = nullptr;
    QMenu* sprachmenue_ = nullptr;
    /// F8's window, made when the key is first pressed.
    TElementnamenfenster* elementnamen_ = nullptr;
    QLabel* infozeile_ = nullptr;
    QLineEdit* markierungsfeld_ = nullptr;
    QListWidget* flaechenliste_ = nullptr;
    std::vector<std::pair<QAbstractButton*, bool TSchalter::*>> schalterknoepfe_;
    std::filesystem::path szenendatei_;
    bool schliessenNachRechnung_ = false;
    TTeilungstiefe teilungstiefe_ = TTeilungstiefe::HinterkanteGerade;
};
