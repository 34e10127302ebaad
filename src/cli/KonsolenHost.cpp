// Progress line, error and output texts of velion-cli.
#include "cli/KonsolenHost.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "cli/Aufrufsprache.h"

namespace {

TSprachtexte GeladeneTexte(const std::string& sprache)
{
    TSprachtexte texte;
    texte.EingestellteSprache = sprache;
    if (!texte.SpracheLaden(Programmverzeichnis())) {
        const std::string programm = Programmdatei().filename().string();
        for (const std::string& zeile : SprachordnerFehltMeldung(sprache, programm.empty() ? "velion-cli" : programm))
            std::cerr << zeile << '\n';
    }
    return texte;
}

std::string KnopfName(TKnopf knopf)
{
    switch (knopf) {
    case KnopfYES: return Sprachwahl("Ja", "Yes");
    case KnopfNO: return Sprachwahl("Nein", "No");
    case KnopfABORT: return Sprachwahl("Abbrechen", "Abort");
    default: return "OK";
    }
}

}  // namespace

TKonsolenHost::TKonsolenHost(bool still, const std::string& sprache) : TKonsolenHost(still, GeladeneTexte(sprache)) {}

TKonsolenHost::TKonsolenHost(bool still, TSprachtexte texte, std::ostream& meldungen, bool terminal)
    : texte_(std::move(texte)), meldungen_(meldungen), still_(still), terminal_(terminal)
{
}

bool TKonsolenHost::StderrIstTerminal() { return isatty(fileno(stderr)) != 0; }

TKonsolenHost::~TKonsolenHost()
{
    ZeileSchliessen();
}

std::string TKonsolenHost::Ausgabetext(int n) const
{
    return texte_.Ausgabetext(n);
}

void TKonsolenHost::Statustext(const std::string& text)
{
    status_ = text;
    Zeichne();
}

void TKonsolenHost::Fortschritt(TFortschrittsbalken balken, int position, int maximum)
{
    if (balken != TFortschrittsbalken::Haupt || maximum <= 0) return;
    const int prozent = static_cast<int>(100LL * position / maximum);
    if (prozent == prozent_) return;
    prozent_ = prozent;
    Zeichne();
}

void TKonsolenHost::Zeichne()
{
    if (still_) return;
    if (!terminal_) {
        // A log gets the phases, not hundreds of percentages; a cleared status ends a phase.
        if (status_.empty()) protokolliert_.clear();
        if (status_.empty() || status_ == protokolliert_) return;
        protokolliert_ = status_;
        meldungen_ << status_ << '\n' << std::flush;
        return;
    }
    meldungen_ << '\r' << status_;
    if (prozent_ >= 0) meldungen_ << ' ' << prozent_ << " %";
    meldungen_ << "\033[K" << std::flush;
    zeileOffen_ = true;
}

void TKonsolenHost::ZeileSchliessen()
{
    if (!zeileOffen_) return;
    meldungen_ << '\n';
    zeileOffen_ = false;
}

TKnopf TKonsolenHost::Antwort(const std::vector<TKnopf>& knoepfe)
{
    const auto hat = [&](TKnopf k) { return std::find(knoepfe.begin(), knoepfe.end(), k) != knoepfe.end(); };
    if (knoepfe.empty()) return KnopfOK;
    if (hat(KnopfYES) && hat(KnopfNO) && hat(KnopfABORT)) return KnopfNO;
    return knoepfe.front();
}

int TKonsolenHost::ZeigeFehlertext(int n)
{
    ZeileSchliessen();
    const TFehlermeldung meldung = texte_.Fehlertext(n);
    if (meldung.Text.empty()) {
        // No dialog and the answer 0, as without a language file; the number still tells the user
        // why the command failed.
        meldungen_ << Aufruftext(311, "Fehlertext %1 (kein Text in der Sprache %2)",
                                 {std::to_string(n), texte_.EingestellteSprache})
                   << '\n';
        return KnopfKeiner;
    }
    for (const std::string& zeile : meldung.Zeilen()) meldungen_ << zeile << '\n';
    const TKnopf antwort = Antwort(meldung.Knoepfe);
    if (meldung.Knoepfe.size() > 1)
        meldungen_ << Aufruftext(312, "(Antwort ohne Rückfrage: %1)", {KnopfName(antwort)}) << '\n';
    meldungen_ << std::flush;
    return antwort;
}

CLI::Option* SpracheOptionHinzufuegen(CLI::App& befehl, std::string& sprache,
                                      const std::filesystem::path& programmverzeichnis)
{
    sprache = "DEUTSCH";
    return befehl.add_option("--sprache", sprache,
                             Sprachwahl("Sprachordner unter VELION_DOC (Vorgabe DEUTSCH)",
                                        "language folder below VELION_DOC (default DEUTSCH)"))
        ->type_name("NAME")
        ->transform(
            [](std::string name) {
                std::transform(name.begin(), name.end(), name.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                return name;
            },
            "", "GROSS")
        ->check(
            [programmverzeichnis](const std::string& name) -> std::string {
                std::error_code fehler;
                const std::filesystem::path ordner = Sprachordner(programmverzeichnis, name);
                if (std::filesystem::is_directory(ordner, fehler)) return {};
                return Aufruftext(310, "kein Sprachordner %1", {ordner.string()});
            },
            "", "SPRACHORDNER");
}
