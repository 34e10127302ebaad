// The window "Nullpunktverschiebung": one up/down pair per axis moves every surface by one step
// against the aircraft's zero point.
#pragma once

#include <QDialog>

class THauptfenster;

class TNullpunktfenster : public QDialog {
    Q_OBJECT
public:
    explicit TNullpunktfenster(THauptfenster& hauptfenster);

    void Zeigen();
    /// One click on axis 0 (X), 1 (Y) or 2 (Z), `richtung` +1 up, -1 down.
    bool Verschieben(int achse, int richtung);

private:
    THauptfenster& haupt_;
};
