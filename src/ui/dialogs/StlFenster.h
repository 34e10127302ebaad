// The window "STL-Export": the surfaces, unit and resolution of the skin for 3D printing or
// milling, optionally closed into a watertight body, and the export under a chosen name.
#pragma once

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class THauptfenster;

class TStlFenster : public QDialog {
    Q_OBJECT
public:
    explicit TStlFenster(THauptfenster& hauptfenster);

    /// Shows the window with the aircraft's surfaces; without surfaces nothing can be saved.
    void Zeigen();
    /// Reads the fields and writes the file under `datei` (".STL" mended); false when a field is
    /// wrong or the file could not be written (both reported).
    bool Exportieren(const std::filesystem::path& datei);

private:
    THauptfenster& haupt_;
    QListWidget* flaechen_;
    QComboBox* einheit_;
    QLineEdit* aufloesung_;
    QCheckBox* geschlossen_;
    QPushButton* speichern_;
};
