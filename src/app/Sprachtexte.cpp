// Loading and looking up the numbered texts of a language folder.
#include "app/Sprachtexte.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "common/Fehler.h"
#include "common/Textdatei.h"

namespace {

const std::string Blockende = "[ENDE]";

/// Calls `zeileImBlock` for every line of every block with number n. A block starts at a line that
/// begins with "[n]" (so "[1]" never opens block 10) and ends at the line "[ENDE]" or with the list;
/// its header line is not passed on.
template <class F>
void FuerBlockzeilen(const std::vector<std::string>& zeilen, int n, F&& zeileImBlock)
{
    const std::string kopf = "[" + std::to_string(n) + "]";
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (!zeilen[i].starts_with(kopf)) continue;
        for (++i; i < zeilen.size() && zeilen[i] != Blockende; ++i) zeileImBlock(zeilen[i]);
    }
}

std::vector<std::string> ZeilenOderLeer(const std::filesystem::path& datei, bool& gelesen)
{
    try {
        std::vector<std::string> zeilen = LeseTextzeilen(datei);
        gelesen = true;
        return zeilen;
    } catch (const EDatei&) {
        gelesen = false;
        return {};
    }
}

std::string Gross(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

std::filesystem::path Programmdatei()
{
    std::error_code fehler;
    std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    if (fehler) return {};
    return programm;
}

std::filesystem::path Programmverzeichnis()
{
    const std::filesystem::path programm = Programmdatei();
    // Without /proc the folder the program was started from is the best guess left.
    if (programm.empty()) return std::filesystem::current_path();
    return programm.parent_path();
}

std::filesystem::path Sprachordner(const std::filesystem::path& programmverzeichnis, const std::string& sprache)
{
    return programmverzeichnis / "VELION_DOC" / sprache;
}

std::vector<std::string> SprachordnerFehltMeldung(const std::string& sprache, const std::string& programmdatei)
{
    if (Gross(sprache) == "DEUTSCH")
        return {"Der Dokumentenordner für die eingestellte Sprache " + sprache + " konnte nicht gefunden werden !",
                "Einige Programmfunktionen werden hierdurch beinträchtigt.",
                "VELION_DOC/" + sprache + " muß sich im gleichen Ordner wie die " + programmdatei + " befinden !"};
    return {"The document folder for the selected language " + sprache + " could not be found !",
            "Some function of the programm will thus be affect.",
            "VELION_DOC/" + sprache + " has to be located in the same folder like " + programmdatei + " !"};
}

std::vector<std::string> TFehlermeldung::Zeilen() const
{
    return InZeilen(Text);
}

bool TSprachtexte::SpracheLaden(const std::filesystem::path& programmverzeichnis)
{
    const std::filesystem::path ordner = Sprachordner(programmverzeichnis, EingestellteSprache);
    bool bildschirmelementeGelesen = false;
    bool gelesen = false;
    Bildschirmelementzeilen =
        ZeilenOderLeer(ordner / "Bildschirmelemente" / "Bildschirmelemente.txt", bildschirmelementeGelesen);
    Fehlertextzeilen = ZeilenOderLeer(ordner / "Fehlertexte" / "Fehlertexte.txt", gelesen);
    Ausgabetextzeilen = ZeilenOderLeer(ordner / "Ausgabetexte" / "Ausgabetexte.txt", gelesen);
    return bildschirmelementeGelesen;
}

std::string TSprachtexte::Ausgabetext(int n) const
{
    std::string text;
    FuerBlockzeilen(Ausgabetextzeilen, n, [&](const std::string& zeile) {
        if (zeile.starts_with("TEXT=")) text = zeile.substr(5);
    });
    return text;
}

TFehlermeldung TSprachtexte::Fehlertext(int n) const
{
    // The buttons form a set; the dialog shows them in this fixed order whatever the file's order.
    static constexpr struct {
        const char* wert;
        TKnopf knopf;
    } Reihenfolge[] = {{"YES", KnopfYES}, {"NO", KnopfNO}, {"OK", KnopfOK}, {"ABORT", KnopfABORT}};
    bool genannt[std::size(Reihenfolge)] = {};

    TFehlermeldung meldung;
    FuerBlockzeilen(Fehlertextzeilen, n, [&](const std::string& zeile) {
        if (zeile.starts_with("TEXT=")) {
            meldung.Text += zeile.substr(5);
            meldung.Text += '\r';
        } else if (zeile.starts_with("BUTTON=")) {
            const std::string wert = zeile.substr(7);
            for (std::size_t k = 0; k < std::size(Reihenfolge); ++k)
                if (wert == Reihenfolge[k].wert) genannt[k] = true;
        }
    });
    for (std::size_t k = 0; k < std::size(Reihenfolge); ++k)
        if (genannt[k]) meldung.Knoepfe.push_back(Reihenfolge[k].knopf);
    return meldung;
}
