// The page "Gesamtpolaren berechnen": step count, fix mode, the flap, incidence and angle settings,
// start and stop of a series, its progress, and the button that shows the polar window.
#pragma once

#include <QWidget>

#include <array>

#include "control/Gesamtpolare.h"

class QButtonGroup;
class QCheckBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class THauptfenster;
class TPolarfenster;

class TSeiteGesamtpolaren : public QWidget {
    Q_OBJECT
public:
    explicit TSeiteGesamtpolaren(THauptfenster& hauptfenster);

    TPolarfenster* Polarfenster() const { return polarfenster_; }
    QTableWidget* Klappentabelle() const { return klappen_; }
    QTableWidget* EwdTabelle() const { return ewd_; }

    /// The tables and their descriptions from the model (the fields are the main window's).
    void Aktualisieren();
    /// The series of the selected settings tab; asks for the remark first.
    void Starten();
    /// "Stopp": the running series ends at its next check.
    void Stoppen();
    /// A segment dropped on a row: the row takes its flap group or its surface, then the table is read.
    void SegmentAblegen(QTableWidget* tabelle, int zeile, int flaeche, int segment);
    /// The series the selected settings tab runs.
    TPolarreihe Reihe() const;

private:
    /// Reads the table that was edited into the model (with the error texts of a wrong entry).
    void TabelleLesen(QTableWidget* tabelle);
    void Knoepfe(bool laeuft);

    THauptfenster& haupt_;
    TPolarfenster* polarfenster_ = nullptr;
    QTabWidget* reihen_ = nullptr;
    QTableWidget* klappen_ = nullptr;
    QTableWidget* ewd_ = nullptr;
    QButtonGroup* fixierung_ = nullptr;
    QCheckBox* loeschen_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stopp_ = nullptr;
    QProgressBar* fortschritt_ = nullptr;
    bool fuellt_ = false;
};
