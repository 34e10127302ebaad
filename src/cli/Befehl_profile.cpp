// velion-cli profile: reads a ".dat" coordinate file and reports its title, point count, the six
// consistency checks and the ten characteristic values; with --alpha the panel method's lift,
// pressure drag and moments over a range of angles, with --re also the viscous strip analysis at
// each angle. Text or one JSON object.
#include <cmath>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "profile/PanelVerfahren.h"
#include "profile/Profilbeiwerte.h"
#include "profile/Streifenanalyse.h"
#include "profile/T_Profil.h"

namespace {

/// Most angles one --alpha range may ask for.
constexpr int MaxWinkel = 10000;

struct TProfilOptionen {
    std::string Datei;
    bool Json = false;
    std::string Alpha;
    std::string Re;
    bool Blase = false;
    std::string Sprache;
};

struct TPruefzeile {
    const char* Name;
    bool TProfilpruefung::*Feld;
};

constexpr TPruefzeile Pruefzeilen[] = {
    {"Nasenhoehe", &TProfilpruefung::Nasenhoehe},         {"Endleistenmitte", &TProfilpruefung::Endleistenmitte},
    {"Nasenposition", &TProfilpruefung::Nasenposition},   {"EndleisteOben", &TProfilpruefung::EndleisteOben},
    {"EndleisteUnten", &TProfilpruefung::EndleisteUnten}, {"EinPunktBeiXNull", &TProfilpruefung::EinPunktBeiXNull}};

/// The results at one angle of attack: the panel method, and the strip analysis when asked for.
struct TWinkelergebnis {
    Extended Alfa = 0.0L;
    TPanelKraefte Kraefte;
    std::optional<TStreifenergebnis> Streifen;
};

Extended LiesZahl(const std::string& text, const char* option)
{
    try {
        return TextToReal(text);
    } catch (const EKonvertierung&) {
        throw EVelionFehler(std::string(option) + Sprachwahl(" erwartet eine Zahl, nicht \"",
                                                             " expects a number, not \"") + text + "\"");
    }
}

// "A" or "A:B:SCHRITT": the angles from A towards B in steps of |SCHRITT|, B included when a step
// lands on it within rounding.
std::vector<Extended> Winkelliste(const std::string& text)
{
    const std::size_t erster = text.find(':');
    if (erster == std::string::npos) return {LiesZahl(text, "--alpha")};
    const std::size_t zweiter = text.find(':', erster + 1);
    if (zweiter == std::string::npos || text.find(':', zweiter + 1) != std::string::npos)
        throw EVelionFehler(Sprachwahl("--alpha erwartet A oder A:B:SCHRITT, nicht \"",
                                       "--alpha expects A or A:B:STEP, not \"") +
                            text + "\"");
    const Extended a = LiesZahl(text.substr(0, erster), "--alpha");
    const Extended b = LiesZahl(text.substr(erster + 1, zweiter - erster - 1), "--alpha");
    const Extended schritt = std::fabs(LiesZahl(text.substr(zweiter + 1), "--alpha"));
    if (!std::isfinite(a) || !std::isfinite(b) || !(schritt > 0.0L) || !std::isfinite(schritt))
        throw EVelionFehler(Sprachwahl("--alpha: endliche Grenzen und ein Schritt ungleich 0 erwartet, nicht \"",
                                       "--alpha: finite limits and a step other than 0 expected, not \"") +
                            text + "\"");
    const Extended anzahl = std::floor(std::fabs(b - a) / schritt + 1e-9L) + 1.0L;
    if (anzahl > MaxWinkel)
        throw EVelionFehler("--alpha \"" + text + Sprachwahl("\" ergibt mehr als ", "\" gives more than ") +
                            std::to_string(MaxWinkel) + Sprachwahl(" Winkel", " angles"));
    const Extended richtung = b < a ? -1.0L : 1.0L;
    std::vector<Extended> winkel;
    for (int k = 0; k < static_cast<int>(anzahl); ++k) winkel.push_back(a + richtung * k * schritt);
    return winkel;
}

std::vector<TWinkelergebnis> Polare(TProfil& profil, const TProfilOptionen& optionen)
{
    std::vector<TWinkelergebnis> polare;
    if (optionen.Alpha.empty()) return polare;
    const std::vector<Extended> winkel = Winkelliste(optionen.Alpha);
    std::optional<Extended> re;
    if (!optionen.Re.empty()) {
        re = LiesZahl(optionen.Re, "--re");
        if (!(*re > 0.0L) || !std::isfinite(*re))
            throw EVelionFehler(Sprachwahl("--re erwartet eine positive Reynoldszahl, nicht \"",
                                           "--re expects a positive Reynolds number, not \"") +
                                optionen.Re + "\"");
    }
    if (profil.Anzahl() < 3)
        throw EVelionFehler(optionen.Datei +
                            Sprachwahl(": das Panelverfahren braucht mindestens 3 Punkte, die Datei hat ",
                                       ": the panel method needs at least 3 points, the file has ") +
                            std::to_string(profil.Anzahl()));
    if (profil.Anzahl() > PanelverfahrenHoechstpunkte)
        throw EVelionFehler(optionen.Datei +
                            Sprachwahl(": das Panelverfahren rechnet mit höchstens ",
                                       ": the panel method computes with at most ") +
                            std::to_string(PanelverfahrenHoechstpunkte) +
                            Sprachwahl(" Punkten, die Datei hat ",
                                       " points, the file has ") + std::to_string(profil.Anzahl()) +
                            Sprachwahl(" (die Rechenzeit wächst mit der dritten Potenz der Punktzahl); bitte die Punkte ausdünnen",
                                       " (the computing time grows with the cube of the point count); please thin out the points"));
    for (const Extended alfa : winkel) {
        TWinkelergebnis e;
        e.Alfa = alfa;
        PanelVerfahren(profil, alfa);
        e.Kraefte = PanelKraefte(profil, alfa);
        if (re) e.Streifen = StreifenAnalyse(profil, 0.0L, 0.0L, *re, alfa, optionen.Blase);
        polare.push_back(e);
    }
    return polare;
}

nlohmann::json Zahl(Extended wert)
{
    if (!std::isfinite(wert)) return nullptr;
    return static_cast<double>(wert);
}

nlohmann::json PruefungAlsJson(const TProfilpruefung& pruefung)
{
    nlohmann::json j;
    for (const TPruefzeile& z : Pruefzeilen) j[z.Name] = pruefung.*z.Feld;
    j["AnzahlXNull"] = pruefung.AnzahlXNull;
    j["AlleBestanden"] = pruefung.AlleBestanden();
    return j;
}

nlohmann::json PolareAlsJson(const std::vector<TWinkelergebnis>& polare)
{
    nlohmann::json liste = nlohmann::json::array();
    for (const TWinkelergebnis& e : polare) {
        nlohmann::json j;
        j["Alfa"] = Zahl(e.Alfa);
        j["Ca"] = Zahl(e.Kraefte.Ca);
        j["Cwp"] = Zahl(e.Kraefte.Cwp);
        j["MNase"] = Zahl(e.Kraefte.MNase);
        j["M25"] = Zahl(e.Kraefte.M25);
        if (e.Streifen) {
            const TStreifenergebnis& s = *e.Streifen;
            j["AlfaMin"] = Zahl(s.AlfaMin);
            j["AlfaMax"] = Zahl(s.AlfaMax);
            j["CaMin"] = Zahl(s.CaMin);
            j["CaMax"] = Zahl(s.CaMax);
            j["Cw"] = Zahl(s.Cw);
            j["XOben"] = Zahl(s.XOben);
            j["XUnten"] = Zahl(s.XUnten);
            j["BlaseOben"] = s.BlaseOben;
            j["BlaseUnten"] = s.BlaseUnten;
        }
        liste.push_back(j);
    }
    return liste;
}

std::string Spalte(Extended wert) { return (std::ostringstream() << std::setw(11) << RealToText(wert, 0, 5)).str(); }

std::string Spalte(const char* titel) { return (std::ostringstream() << std::setw(11) << titel).str(); }

// The values as the profile windows list them: output texts 161 to 170 as labels (the code name
// where the language has no text), " = ", 5 decimals and the unit.
void DruckeBeiwerte(const TProfil& beiwerte, const std::string& sprache)
{
    const TKonsolenHost host(false, sprache);
    std::cout << Sprachwahl("Beiwerte:", "Characteristic values:") << '\n';
    for (int i = 0; i < TProfil::AnzahlBeiwerte; ++i) {
        const std::string text = host.Ausgabetext(161 + i);
        std::cout << "  " << (text.empty() ? TProfil::Beiwertnamen[i] : text) << " = "
                  << RealToText(beiwerte.Beiwert(i), 0, 5) << Beiwerteinheiten[i] << '\n';
    }
}

void DruckeText(const TProfil& profil, const TProfilpruefung& pruefung, const TProfil& beiwerte,
                const std::vector<TWinkelergebnis>& polare, const std::string& sprache)
{
    std::cout << Sprachwahl("Titel: ", "Title: ") << profil.Titel << '\n'
              << Sprachwahl("Dateiname: ", "File name: ") << profil.Dateiname << '\n'
              << Sprachwahl("Anzahl: ", "Count: ") << profil.Anzahl() << '\n'
              << Sprachwahl("Pruefung:", "Check:") << '\n';
    for (const TPruefzeile& z : Pruefzeilen)
        std::cout << "  " << z.Name << ": "
                  << (pruefung.*z.Feld ? Sprachwahl("bestanden", "passed") : Sprachwahl("NICHT bestanden",
                                                                                        "NOT passed")) << '\n';
    std::cout << "  AnzahlXNull: " << pruefung.AnzahlXNull << '\n';
    DruckeBeiwerte(beiwerte, sprache);
    if (polare.empty()) return;

    const bool streifen = polare.front().Streifen.has_value();
    std::cout << Sprachwahl("Polare:", "Polar:") << '\n';
    for (const char* titel : {"Alfa", "Ca", "Cwp", "MNase", "M25"}) std::cout << Spalte(titel);
    if (streifen)
        for (const char* titel :
             {"AlfaMin", "AlfaMax", "CaMin", "CaMax", "Cw", "XOben", "XUnten", "BlaseOben", "BlaseUnten"})
            std::cout << Spalte(titel);
    std::cout << '\n';
    for (const TWinkelergebnis& e : polare) {
        for (Extended w : {e.Alfa, e.Kraefte.Ca, e.Kraefte.Cwp, e.Kraefte.MNase, e.Kraefte.M25}) std::cout << Spalte(w);
        if (e.Streifen) {
            const TStreifenergebnis& s = *e.Streifen;
            for (Extended w : {s.AlfaMin, s.AlfaMax, s.CaMin, s.CaMax, s.Cw, s.XOben, s.XUnten}) std::cout << Spalte(w);
            const std::string ja = Sprachwahl("ja", "yes"), nein = Sprachwahl("nein", "no");
            std::cout << Spalte((s.BlaseOben ? ja : nein).c_str()) << Spalte((s.BlaseUnten ? ja : nein).c_str());
        }
        std::cout << '\n';
    }
}

int ProfilBefehl(const TProfilOptionen& optionen)
{
    TProfil profil;
    profil.LoadDat(optionen.Datei);
    const TProfilpruefung pruefung = profil.Pruefen();
    // The values come from a copy: their computation inserts a missing nose point, and the count,
    // the checks and the panel method describe the contour as the file has it.
    TProfil beiwerte;
    beiwerte.Assign(&profil);
    BerechneBeiwerte(beiwerte);
    const std::vector<TWinkelergebnis> polare = Polare(profil, optionen);

    if (optionen.Json) {
        nlohmann::json j;
        j["Titel"] = profil.Titel;
        j["Dateiname"] = profil.Dateiname;
        j["Anzahl"] = profil.Anzahl();
        j["Pruefung"] = PruefungAlsJson(pruefung);
        nlohmann::json werte;
        for (int i = 0; i < TProfil::AnzahlBeiwerte; ++i) werte[TProfil::Beiwertnamen[i]] = Zahl(beiwerte.Beiwert(i));
        j["Beiwerte"] = werte;
        j["Polare"] = PolareAlsJson(polare);
        std::cout << JsonText(j) << '\n';
    } else {
        DruckeText(profil, pruefung, beiwerte, polare, optionen.Sprache);
    }
    return 0;
}

}  // namespace

void RegistriereProfile(CLI::App& app, TLauf& lauf)
{
    auto optionen = std::make_shared<TProfilOptionen>();
    CLI::App* befehl = app.add_subcommand(
        "profile", Sprachwahl("Profildatei (.dat) lesen: Titel, Punktzahl, Prüfungen, Beiwerte; 2D-Analyse mit --alpha und --re",
                              "read an airfoil file (.dat): title, point count, checks, characteristic values; 2D analysis with --alpha and --re"));
    befehl->add_option("DATEI", optionen->Datei, Sprachwahl("Profilkoordinaten (.dat)",
                                                            "airfoil coordinates (.dat)"))->required();
    befehl->add_flag("--json", optionen->Json, Sprachwahl("ein JSON-Objekt auf stdout", "one JSON object on stdout"));
    CLI::Option* alpha = befehl->add_option(
        "--alpha", optionen->Alpha, Sprachwahl("Anstellwinkel in °: A oder A:B:SCHRITT; Panelverfahren (Ca, Cwp, Momente) je Winkel",
                                               "angle of attack in °: A or A:B:STEP; panel method (Ca, Cwp, moments) per angle"));
    CLI::Option* re = befehl->add_option("--re", optionen->Re, Sprachwahl("Reynoldszahl: dazu die Streifenanalyse je Winkel",
                                                                          "Reynolds number: adds the strip analysis per angle"))->needs(alpha);
    befehl->add_flag("--blase", optionen->Blase, Sprachwahl("Streifenanalyse mit Blasenwiderstand",
                                                            "strip analysis with bubble drag"))->needs(re);
    SpracheOptionHinzufuegen(*befehl, optionen->Sprache);
    befehl->callback([optionen, &lauf] { lauf = [optionen] { return ProfilBefehl(*optionen); }; });
}
