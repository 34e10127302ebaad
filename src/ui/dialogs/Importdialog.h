// The import window: a file of surfaces (scene, the two project formats of the stability program,
// flying-wing file) chosen and its surfaces appended to the current aircraft.
#pragma once

#include <QFileDialog>

class THauptfenster;

class TImportdialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TImportdialog(THauptfenster& hauptfenster);

    /// Opens the window in the program folder.
    void Oeffnen();
    /// Appends the surfaces of the file; a file that cannot be read is reported and changes nothing.
    /// Returns the number of surfaces appended.
    int Importieren(const QString& datei);

private:
    THauptfenster& haupt_;
};
