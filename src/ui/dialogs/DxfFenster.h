// The window "DXF-Export": the surfaces, unit, resolution, text height, rib spacing and layers of
// the drawing for model building, and the export under a chosen name.
#pragma once

#include <QDialog>

#include <filesystem>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class THauptfenster;

class TDxfFenster : public QDialog {
    Q_OBJECT
public:
    explicit TDxfFenster(THauptfenster& hauptfenster);

    /// Shows the window with the aircraft's surfaces; without surfaces nothing can be saved.
    void Zeigen();
    /// Reads the fields and writes the drawing under `datei` (".DXF" mended); false when a field is
    /// wrong or the file could not be written (both reported).
    bool Exportieren(const std::filesystem::path& datei);

private:
    THauptfenster& haupt_;
    QListWidget* flaechen_;
    QComboBox* einheit_;
    QLineEdit* aufloesung_;
    QLineEdit* schrifthoehe_;
    QLineEdit* rippenabstand_;
    QCheckBox* strak_;
    std::vector<QCheckBox*> ebenen_;  ///< in the order of TDxfEbene
    QPushButton* speichern_;
};
