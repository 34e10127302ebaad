// The formatted exports for spreadsheets: the geometry of the aircraft, the computed values and the
// polar list as lines of cells (key, label, value) joined by the chosen cell separator.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TFLUGZEUG;
class THost;
class TPolarliste;

/// The choices of an export window.
struct TExportoptionen {
    char Dezimaltrenner = '.';  ///< "Komma ','", "Punkt '.'" or the locale's separator
    char Zellentrenner = ';';   ///< "Komma ','" or "Semikolon ';'"
    std::string Zeitstempel;    ///< the second line: date and time in the system's format
};

/// Date and time as "dd.mm.yyyy hh:mm:ss" (the desktop passes its locale's format instead).
std::string ExportZeitstempel();

/// "Formatierter Geometrie-Export". Runs the characteristic values of every profile first. Without
/// an aircraft only the two header lines.
std::vector<std::string> GeometrieExport(TFLUGZEUG* flugzeug, const THost& host, const TExportoptionen& optionen);

/// "Formatierter Export, Berechnete Werte". Prepares the aircraft values as the results window
/// does; the computed values (and the strip lines) only while the results are valid.
std::vector<std::string> WerteExport(TFLUGZEUG* flugzeug, const THost& host, const TExportoptionen& optionen);

/// "Formatierter Export, Gesamtpolaren": every group of the list with its rows.
std::vector<std::string> PolarenExport(const TPolarliste& liste, const THost& host, const TExportoptionen& optionen);

/// The name an export is saved under: `endung` (".CSV" or ".TXT") appended to a name without
/// extension; a name with an extension is used as typed.
std::filesystem::path ExportdateiName(const std::filesystem::path& gewaehlt, const std::string& endung);

/// Writes the lines (Windows-1252, CR LF) under ExportdateiName, replacing a file atomically, and
/// returns the path. Throws EDatei on a write error.
std::filesystem::path ExportSpeichern(const std::vector<std::string>& zeilen, const std::filesystem::path& gewaehlt,
                                      const std::string& endung);
