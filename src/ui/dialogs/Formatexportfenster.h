// The formatted-export windows for spreadsheets: the geometry, the computed values or the polar
// list as lines of cells, the separators chosen, shown in a list and saved as ".CSV" or ".TXT".
#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>

class QListWidget;
class QRadioButton;
class THauptfenster;
class TPolarliste;

enum class TFormatexportart { Geometrie, Werte, Polaren };

class TFormatexportfenster : public QDialog {
    Q_OBJECT
public:
    /// `polarliste` gives the polar list of the polar export (nullptr: none yet).
    TFormatexportfenster(THauptfenster& hauptfenster, TFormatexportart art,
                         std::function<const TPolarliste*()> polarliste = {});

    /// Shows the window modally with freshly made lines.
    void Zeigen();
    /// Remakes the lines from the model and the separator choices.
    void TextErzeugen();
    /// Writes the shown lines under `gewaehlt` (the chosen extension added when it has none); the
    /// written path, empty when writing failed (reported).
    std::filesystem::path Speichern(const std::filesystem::path& gewaehlt);
    QListWidget* Zeilen() const { return zeilen_; }

private:
    std::string Endung() const;

    THauptfenster& haupt_;
    TFormatexportart art_;
    std::function<const TPolarliste*()> polarliste_;
    QRadioButton* dezimalKomma_;
    QRadioButton* dezimalPunkt_;
    QRadioButton* zelleKomma_;
    QRadioButton* endungTxt_;
    QListWidget* zeilen_;
};
