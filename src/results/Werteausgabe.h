// The computed values as text: one page for the aircraft and one per surface, as the results
// window lists them, and the result file that joins all pages.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

class TFLUGZEUG;
class TFLAECHE;
class THost;

/// An output text with its marks %1, %2, ... replaced by `woerter` in that order (each mark once).
std::string Einsetzen(std::string text, std::initializer_list<std::string> woerter);

/// Caption of page 0 (the aircraft) or of page k (surface k-1: "k-1) Bezeichnung").
std::string Seitentitel(const TFLUGZEUG& flugzeug, int seite, const THost& host);

/// What the aircraft page needs first: without valid results the total mass and the reference
/// values are recomputed; the wing loading is recomputed always.
void FlugzeugseiteVorbereiten(TFLUGZEUG& flugzeug, const THost& host);

/// The aircraft page (prepared first); computed values are left empty while the results are not valid.
std::vector<std::string> FlugzeugText(TFLUGZEUG& flugzeug, const THost& host, char trennzeichen);

/// The warning lines when the robust neutral point differs from `Neutralpunkt` by more than
/// 1 % of lu (with the closest wake passage as the likely cause); empty otherwise.
std::vector<std::string> NeutralpunktWarnung(const TFLUGZEUG& flugzeug, const THost& host, char trennzeichen);

/// The page of one surface with its strip table; computed values only while the results are valid.
std::vector<std::string> FlaechenText(const TFLAECHE& flaeche, const THost& host, char trennzeichen);

/// The name a result file is saved under: ".VelOut" appended to a name without extension; any
/// other extension than exactly ".VelOut" is replaced, cutting the file name at its first ".".
std::filesystem::path ErgebnisdateiName(const std::filesystem::path& gewaehlt);

/// Writes every page into one result file (named by ErgebnisdateiName) and returns its path; an
/// empty path, and nothing written, while the results are not valid. Throws EDatei on a write error.
std::filesystem::path ErgebnisdateiSpeichern(TFLUGZEUG& flugzeug, const THost& host,
                                             const std::filesystem::path& gewaehlt, char trennzeichen = '.');
