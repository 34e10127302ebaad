// The call's language: help captions, parser messages, value checks and numbered texts of velion-cli.
#include "cli/Aufrufsprache.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <utility>

#include "app/Sprachtexte.h"
#include "results/Werteausgabe.h"

namespace {

/// The texts of the call's language; German until AufrufspracheWaehlen has read the arguments.
TSprachtexte& Texte()
{
    static TSprachtexte texte;
    return texte;
}

/// Matches `text` against `muster`, where each "*" stands for a part of at least one character
/// (the shortest one, the last part takes the rest); the parts go to `teile`.
bool Passt(const std::string& text, const std::string& muster, std::vector<std::string>& teile)
{
    teile.clear();
    std::vector<std::string> stuecke;
    std::size_t von = 0;
    for (std::size_t stern; (stern = muster.find('*', von)) != std::string::npos; von = stern + 1)
        stuecke.push_back(muster.substr(von, stern - von));
    stuecke.push_back(muster.substr(von));
    if (!text.starts_with(stuecke.front())) return false;
    std::size_t pos = stuecke.front().size();
    for (std::size_t k = 1; k < stuecke.size(); ++k) {
        const bool letztes = k + 1 == stuecke.size();
        std::size_t fund;
        if (letztes) {
            if (text.size() < pos + 1 + stuecke[k].size() || !text.ends_with(stuecke[k])) return false;
            fund = text.size() - stuecke[k].size();
        } else {
            fund = text.find(stuecke[k], pos + 1);
            if (fund == std::string::npos) return false;
        }
        teile.push_back(text.substr(pos, fund - pos));
        pos = fund + stuecke[k].size();
    }
    return pos == text.size();
}

/// The parser's known English wordings and their German forms (%1, %2 ... the parts kept).
const std::pair<const char*, const char*> Uebersetzungen[] = {
    {"Could not convert: * = *", "bei %1 ist \"%2\" kein Wert der erwarteten Art"},
    {"The value * is not an allowed value for *", "\"%1\" ist bei %2 nicht zulässig"},
    {"The following arguments were not expected: *", "unerwartete Angaben: %1"},
    {"The following argument was not expected: *", "unerwartete Angabe: %1"},
    {"A subcommand is required", "es fehlt der Befehl (velion-cli --help nennt alle)"},
    {"* is required", "%1 fehlt"},
    {"Expected exactly * arguments to *, got *", "bei %2 werden genau %1 Werte erwartet, angegeben sind %3"},
    {"Expected exactly * argument to *, got *", "bei %2 wird genau %1 Wert erwartet, angegeben sind %3"},
    {"*: * required * missing", "bei %1 fehlt der Wert (%3)"},
    {"*: Value * not in range * to *", "bei %1 liegt %2 nicht zwischen %3 und %4"},
    {"*: Directory does not exist: *", "bei %1: den Ordner %2 gibt es nicht"},
};

}  // namespace

void AufrufspracheWaehlen(int argc, const char* const* argv)
{
    std::string sprache = "DEUTSCH";
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--sprache" && i + 1 < argc) sprache = argv[i + 1];
        else if (a.starts_with("--sprache=")) sprache = a.substr(a.find('=') + 1);
    }
    std::transform(sprache.begin(), sprache.end(), sprache.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    TSprachtexte& texte = Texte();
    texte.EingestellteSprache = sprache;
    // A missing folder leaves the texts empty; the check of --sprache or the host reports it.
    texte.SpracheLaden(Programmverzeichnis());
    MeldungsspracheWaehlen(sprache);
}

std::string Aufruftext(int nummer, const char* deutsch, std::initializer_list<std::string> woerter)
{
    const std::string text = Texte().Ausgabetext(nummer);
    return Einsetzen(text.empty() ? deutsch : text, woerter);
}

std::string Aufruffehler(const CLI::Error& fehler)
{
    const std::string text = fehler.what();
    if (!DeutscheMeldungen()) return text;
    std::vector<std::string> teile;
    for (const auto& [muster, deutsch] : Uebersetzungen) {
        if (!Passt(text, muster, teile)) continue;
        std::string ergebnis = deutsch;
        for (std::size_t k = 0; k < teile.size(); ++k) {
            const std::string marke = "%" + std::to_string(k + 1);
            const std::size_t stelle = ergebnis.find(marke);
            if (stelle != std::string::npos) ergebnis.replace(stelle, marke.size(), teile[k]);
        }
        return ergebnis;
    }
    return text;
}

void AufrufspracheAnwenden(CLI::App& app)
{
    if (DeutscheMeldungen()) {
        auto format = app.get_formatter();
        const std::pair<const char*, const char*> beschriftungen[] = {
            {"Usage", "Aufruf"},        {"OPTIONS", "OPTIONEN"},    {"SUBCOMMAND", "BEFEHL"},
            {"SUBCOMMANDS", "BEFEHLE"}, {"Positionals", "Angaben"}, {"REQUIRED", "PFLICHT"},
            {"TEXT", "TEXT"},           {"INT", "GANZZAHL"},        {"FLOAT", "ZAHL"},
            {"Needs", "braucht"},       {"Excludes", "schließt aus"},
        };
        for (const auto& [englisch, deutsch] : beschriftungen) format->label(englisch, deutsch);
    }
    app.option_defaults()->group(Sprachwahl("Optionen", "Options"));
    app.set_help_flag("-h,--help", Sprachwahl("diese Hilfe zeigen", "show this help"));
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return Aufruftext(302, "Fehler: %1", {Aufruffehler(e)}) + '\n' +
               Aufruftext(305, "Hilfe: velion-cli --help oder velion-cli BEFEHL --help") + '\n';
    });
}

void BefehleBenennen(CLI::App& app)
{
    for (CLI::App* befehl : app.get_subcommands({})) {
        befehl->group(Sprachwahl("Befehle", "Commands"));
        befehl->set_help_flag("-h,--help", Sprachwahl("diese Hilfe zeigen", "show this help"));
    }
}

CLI::Validator Ganzzahlbereich(long long von, long long bis)
{
    const std::string bereich = std::to_string(von) + Sprachwahl(" bis ", " to ") + std::to_string(bis);
    return CLI::Validator(
        [von, bis](const std::string& text) -> std::string {
            long long wert = 0;
            const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
            if (fehler == std::errc{} && ende == text.data() + text.size() && wert >= von && wert <= bis) return {};
            return Aufruftext(306, "\"%1\" ist keine ganze Zahl von %2 bis %3",
                              {text, std::to_string(von), std::to_string(bis)});
        },
        Sprachwahl("GANZZAHL ", "INT ") + bereich);
}

CLI::Validator VorhandenerOrdner()
{
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            std::error_code fehler;
            if (std::filesystem::is_directory(text, fehler)) return {};
            return Aufruftext(307, "den Ordner \"%1\" gibt es nicht", {text});
        },
        Sprachwahl("ORDNER", "FOLDER"));
}

CLI::Validator EinerVon(std::vector<std::string> woerter)
{
    std::string liste;
    for (const std::string& w : woerter) liste += (liste.empty() ? "" : "|") + w;
    return CLI::Validator(
        [woerter, liste](const std::string& text) -> std::string {
            for (const std::string& w : woerter)
                if (text == w) return {};
            return Aufruftext(308, "\"%1\" ist keines von %2", {text, liste});
        },
        liste);
}
