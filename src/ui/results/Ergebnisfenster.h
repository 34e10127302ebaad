// The window "Berechnete Werte": one tab for the aircraft and one per surface, the values as plain
// text from the core's pages with the strip under the 2D marker highlighted, and the result file.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QTabBar;
class QPlainTextEdit;
class THauptfenster;

class TErgebnisfenster : public QDialog {
    Q_OBJECT
public:
    explicit TErgebnisfenster(THauptfenster& hauptfenster);

    /// Opens the window: tab captions rebuilt, the aircraft tab selected, its text filled.
    void Zeigen();
    /// Rebuilds the text of the selected tab.
    void Aktualisieren();
    /// The text the window shows now (the tests read it).
    QString Text() const;
    QTabBar* Reiter() const { return reiter_; }
    /// The line of the marked strip (the strip under the diagram's marker) on the shown page, -1 when
    /// the page shows none.
    int MarkierteZeile() const { return markierteZeile_; }
    /// Writes the result file under `gewaehlt` (extension mended); false while results are not valid.
    bool Speichern(const QString& gewaehlt);

private:
    THauptfenster& haupt_;
    QTabBar* reiter_;
    QPlainTextEdit* text_;
    bool fuellt_ = false;
    int markierteZeile_ = -1;

    void StreifenHervorheben(const std::vector<std::string>& zeilen);
};
