// Language texts: the numbered error and output texts of a language folder, looked up by number,
// and where that folder lies (VELION_DOC/<language> beside the executable).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/Host.h"

/// The running executable; empty where the system does not tell.
std::filesystem::path Programmdatei();

/// The folder of the running executable (the current folder where the system does not tell).
std::filesystem::path Programmverzeichnis();

/// The folder of a language: VELION_DOC/<sprache> in the program folder (the name is used verbatim).
std::filesystem::path Sprachordner(const std::filesystem::path& programmverzeichnis, const std::string& sprache);

/// The message that the language folder could not be found, line by line; German when the language
/// in upper case is DEUTSCH, English otherwise. `programmdatei` names the executable the folder
/// has to lie beside.
std::vector<std::string> SprachordnerFehltMeldung(const std::string& sprache, const std::string& programmdatei);

/// What an error-text dialog shows.
struct TFehlermeldung {
    std::string Text;             ///< every message line followed by CR; empty when there is nothing to show
    std::vector<TKnopf> Knoepfe;  ///< the buttons the block names, each once, in the order YES, NO, OK, ABORT

    /// The message lines without their CR.
    std::vector<std::string> Zeilen() const;
};

/// The three text lists of one language. Owned by the application; a window-less build loads the
/// lists only, the desktop program also applies the screen elements.
class TSprachtexte {
public:
    std::string EingestellteSprache = "DEUTSCH";

    /// The files as lines in file order (UTF-8); each list is replaced wholesale by a load.
    std::vector<std::string> Bildschirmelementzeilen;
    std::vector<std::string> Fehlertextzeilen;
    std::vector<std::string> Ausgabetextzeilen;

    /// Reloads the three files of `EingestellteSprache` from the language folder below
    /// `programmverzeichnis`. A file that cannot be read leaves its list empty. Returns false when the
    /// screen-element file could not be read: the folder is missing and the caller says so.
    bool SpracheLaden(const std::filesystem::path& programmverzeichnis);

    /// The output text with number n: the last TEXT line of the last block [n]; empty when there is none.
    std::string Ausgabetext(int n) const;

    /// The error text with number n: the TEXT lines and BUTTON values of every block [n], added up.
    /// An empty `Text` means: no dialog, the answer is 0.
    TFehlermeldung Fehlertext(int n) const;
};
