// The window "Gesamtpolaren": the polar list of the program run as a text table and as a chart with
// its check list of groups and the information of a picked point; loading, saving and deleting.
#pragma once

#include <QMainWindow>

#include "results/Polarliste.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class THauptfenster;
class TPolardiagramm;

class TPolarfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit TPolarfenster(THauptfenster& hauptfenster);

    TPolarliste& Liste() { return liste_; }
    TPolardiagramm* Diagramm() const { return diagramm_; }
    QListWidget* Gruppenliste() const { return gruppen_; }
    QTabWidget* Reiter() const { return reiter_; }

    /// "Gesamtpolaren anzeigen": shown with its top edge at the top of the screen, refreshed.
    void Zeigen();
    /// After a change of the list: check list, table, curves and the zoom reset.
    void Auffrischen();
    /// No picked point, "Polarinfo" empty.
    void AuswahlLoeschen();
    /// The axis quantities (indices into Polargroessen), with the rule that they never coincide.
    void XWaehlen(int groesse);
    void YWaehlen(int groesse);
    /// "Polaren dazuladen" of the named files; "Polaren speichern_unter" under a name.
    void Dazuladen(const QStringList& dateien);
    void SpeichernUnter(const QString& datei);
    /// "Markierte Polare löschen" for the group at `index`; an index outside the list does nothing.
    void GruppeLoeschen(int index);
    void AlleLoeschen();
    /// "Polarinfo" of the picked point from the last press.
    void PunktWaehlen();

    QString Tabellentext() const;
    QString Polarinfo() const;
    QString StatusX() const;
    QString StatusY() const;

    /// When not empty, the file dialogs are not shown and these names are the answer (tests).
    QStringList AutomatischeDateien;

private:
    void ListeAufbauen();
    void TabelleAufbauen();
    void KurvenZeichnen();
    void Sichtbarkeit();
    void BildSpeichernUnter();
    QString Startordner() const;
    /// The answer of a file dialog, or AutomatischeDateien.
    QStringList Dateien(bool speichern);

    THauptfenster& haupt_;
    TPolarliste liste_;
    QTabWidget* reiter_ = nullptr;
    QPlainTextEdit* tabelle_ = nullptr;
    TPolardiagramm* diagramm_ = nullptr;
    QListWidget* gruppen_ = nullptr;
    QPlainTextEdit* info_ = nullptr;
    QButtonGroup* xWahl_ = nullptr;
    QButtonGroup* yWahl_ = nullptr;
    QLabel* statusX_ = nullptr;
    QLabel* statusY_ = nullptr;
    bool baut_ = false;
};
