// What the DXF and the STL window share: the check list of surfaces to export, the output unit,
// the export's resolution field and the folder the save dialog starts in.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/Extended.h"
#include "model/T_FLAECHE.h"

class QComboBox;
class QPushButton;
class QString;
class QLineEdit;
class QListWidget;
class QWidget;
class THauptfenster;

/// The list "Zu zeichnende Flächen"; each item's check mark is the surface's flag `auswahl`.
QListWidget* Flaechenwahl(QWidget* eltern, THauptfenster& haupt, bool TFLAECHE::*auswahl);
/// Refills the list from the aircraft: every surface, so that nothing is exported unseen.
void FlaechenwahlFuellen(QListWidget* liste, const THauptfenster& haupt, bool TFLAECHE::*auswahl);

/// The unit choice "Ausgabeeinheit" (millimetres chosen) and its factor from metres.
QComboBox* Einheitenwahl(QWidget* eltern);
Extended GewaehlterEinheitenfaktor(const QComboBox* wahl);

/// The field "Anzahl Profilkoordinaten": a whole number of at least 10. Otherwise the error is shown
/// (46 for no whole number, the field then reset to 30 as the text says; 45 for 9 or less) and nothing comes back.
std::optional<int> Exportaufloesung(QLineEdit* feld, THauptfenster& haupt);

/// The scene's folder when there is one, else the program's.
std::filesystem::path Exportordner(const THauptfenster& haupt);

/// Refills the surface list, allows saving when there is a surface and shows the window in front.
void ExportfensterZeigen(QWidget* fenster, QListWidget* flaechen, QPushButton* speichern, const THauptfenster& haupt,
                         bool TFLAECHE::*auswahl);

/// The save button: asks for a file in the export folder, named after the scene with `endung`,
/// and exports into it; the window closes after a successful export.
void SpeichernAnbinden(QWidget* fenster, QPushButton* speichern, THauptfenster& haupt, const std::string& endung,
                       const QString& filter, std::function<bool(const std::filesystem::path&)> exportieren);
