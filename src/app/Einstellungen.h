// The settings file "Velion.ini": display colours, the colour tables of the flap groups and of the
// total-polar curves, two default folders, the languages and five switches. Read once at start,
// written once at the end.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class THost;

/// A 24-bit colour in Windows order: red + 256 green + 65536 blue.
using TFarbwert = std::int32_t;

struct TEinstellungen {
    TFarbwert Hintergrundfarbe = 16777215;
    TFarbwert Panelfarbe = 178;
    TFarbwert Markierungsfarbe = 8388608;
    TFarbwert Symmetriecheckfarbe = 16711935;
    TFarbwert GammaLinieFarbe = 255;
    TFarbwert GammaVorgabeLinieFarbe = 255;
    TFarbwert CaLinieFarbe = 32768;
    TFarbwert CaMaxLinieFarbe = 32768;
    TFarbwert CwiLinieFarbe = 8388736;
    TFarbwert CwvLinieFarbe = 8388736;
    TFarbwert CwgLinieFarbe = 8388736;
    TFarbwert AiLinieFarbe = 128;
    TFarbwert ReLinieFarbe = 16711680;
    TFarbwert StroemungsabrissFarbe = 255;
    TFarbwert BlasenwarnungObenFarbe = 255;
    TFarbwert BlasenwarnungUntenFarbe = 32768;
    std::array<TFarbwert, 100> Klappengruppenfarben{};
    std::array<TFarbwert, 100> Gesamtpolarenfarben{};
    std::string VerzeichnisFlugzszenen;
    std::string VerzeichnisProfile;
    std::vector<std::string> VerfuegbareSprachen;
    std::string EingestellteSprache = "DEUTSCH";
    bool OglFontFlag = true;
    int AnzahlUndoFiles = 50;
    bool MarkierungsbalkenAlsKreuz = false;
    bool Invertiere3DZoom = false;
    bool MultithreadAktiv = true;
    int Cheftaste = 0;  ///< key code 0..255; 0 is no key

    bool operator==(const TEinstellungen&) const = default;
};

/// The smallest and largest number of undo files the program accepts.
constexpr int MinAnzahlUndoFiles = 5;
constexpr int MaxAnzahlUndoFiles = 10000;

/// The lines of the file, in the order the program writes them.
std::vector<std::string> EinstellungenZeilen(const TEinstellungen& e);

/// Reads the settings from lines. Every value that is no valid number for its key (a colour outside
/// 0..16777215, an undo count outside 5..10000, a key code that is no integer) keeps its default;
/// the key is named in `verworfen` (table entries as "[KLAPPENGRUPPENFARBEN] 7=").
TEinstellungen EinstellungenAusZeilen(const std::vector<std::string>& zeilen, std::vector<std::string>& verworfen);

/// Reads the file; a missing or unreadable file gives the defaults (and names no key).
TEinstellungen EinstellungenLesen(const std::filesystem::path& datei, std::vector<std::string>& verworfen);

/// Writes the file whole, replacing the old one atomically. Throws EDatei when it cannot be written.
void EinstellungenSchreiben(const std::filesystem::path& datei, const TEinstellungen& e);

/// "Velion.ini" in the program's writable folder (see Datenordner).
std::filesystem::path Einstellungsdatei(const std::filesystem::path& datenordner);

/// The message about the keys a reading dropped: output text 300 and the keys; empty for none.
std::string VerworfenMeldung(const THost& host, const std::vector<std::string>& verworfen);

/// The message that the program folder was not writable: output text 301 and the folder used.
std::string AusweichordnerMeldung(const THost& host, const std::filesystem::path& ordner);
