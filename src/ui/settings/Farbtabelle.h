// The colour table window: the colours of the 100 flap groups or of the 100 total-polar curves,
// each changed with a double click, and the choice of the current segment's flap group.
#pragma once

#include <QDialog>

#include <array>

#include "app/Einstellungen.h"

class QLabel;
class QPushButton;
class QTableWidget;
class THauptfenster;

enum class TFarbtabellenart { Klappenfarben, Polarenfarben, Klappengruppenwahl };

class TFarbtabelle : public QDialog {
    Q_OBJECT
public:
    explicit TFarbtabelle(THauptfenster& hauptfenster);

    /// Fills the table for `art` and shows it modally.
    void Zeigen(TFarbtabellenart art);
    /// Fills the table for `art` without showing it.
    void Fuellen(TFarbtabellenart art);
    TFarbtabellenart Art() const { return art_; }
    QTableWidget* Tabelle() const { return tabelle_; }
    /// Entry `eintrag` (0..99) of the table shown takes `farbe`; the drawings follow.
    void FarbeSetzen(int eintrag, const QColor& farbe);
    /// The choosing mode's click: the current segment joins group `eintrag`, and the window closes.
    void GruppeWaehlen(int eintrag);

private:
    std::array<TFarbwert, 100>& Eintraege() const;

    THauptfenster& hauptfenster_;
    TFarbtabellenart art_ = TFarbtabellenart::Klappenfarben;
    QTableWidget* tabelle_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QPushButton* schliessen_ = nullptr;
};
