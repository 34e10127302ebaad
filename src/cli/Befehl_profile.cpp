// velion-cli profile: reads a ".dat" coordinate file and reports its title, point count and the six
// consistency checks, as text or as one JSON object.
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/Befehle.h"
#include "profile/T_Profil.h"

namespace {

struct TProfilOptionen {
    std::string Datei;
    bool Json = false;
};

struct TPruefzeile {
    const char* Name;
    bool TProfilpruefung::*Feld;
};

constexpr TPruefzeile Pruefzeilen[] = {
    {"Nasenhoehe", &TProfilpruefung::Nasenhoehe},         {"Endleistenmitte", &TProfilpruefung::Endleistenmitte},
    {"Nasenposition", &TProfilpruefung::Nasenposition},   {"EndleisteOben", &TProfilpruefung::EndleisteOben},
    {"EndleisteUnten", &TProfilpruefung::EndleisteUnten}, {"EinPunktBeiXNull", &TProfilpruefung::EinPunktBeiXNull}};

nlohmann::json PruefungAlsJson(const TProfilpruefung& pruefung)
{
    nlohmann::json j;
    for (const TPruefzeile& z : Pruefzeilen) j[z.Name] = pruefung.*z.Feld;
    j["AnzahlXNull"] = pruefung.AnzahlXNull;
    j["AlleBestanden"] = pruefung.AlleBestanden();
    return j;
}

void DruckeText(const TProfil& profil, const TProfilpruefung& pruefung)
{
    std::cout << "Titel: " << profil.Titel << '\n'
              << "Dateiname: " << profil.Dateiname << '\n'
              << "Anzahl: " << profil.Anzahl() << '\n'
              << "Pruefung:\n";
    for (const TPruefzeile& z : Pruefzeilen)
        std::cout << "  " << z.Name << ": " << (pruefung.*z.Feld ? "bestanden" : "NICHT bestanden") << '\n';
    std::cout << "  AnzahlXNull: " << pruefung.AnzahlXNull << '\n';
}

int ProfilBefehl(const TProfilOptionen& optionen)
{
    TProfil profil;
    profil.LoadDat(optionen.Datei);
    const TProfilpruefung pruefung = profil.Pruefen();
    if (optionen.Json) {
        nlohmann::json j;
        j["Titel"] = profil.Titel;
        j["Dateiname"] = profil.Dateiname;
        j["Anzahl"] = profil.Anzahl();
        j["Pruefung"] = PruefungAlsJson(pruefung);
        std::cout << j.dump(2) << '\n';
    } else {
        DruckeText(profil, pruefung);
    }
    return 0;
}

}  // namespace

void RegistriereProfile(CLI::App& app, TLauf& lauf)
{
    auto optionen = std::make_shared<TProfilOptionen>();
    CLI::App* befehl = app.add_subcommand("profile", "Profildatei (.dat) lesen: Titel, Punktzahl, Prüfungen der Kontur");
    befehl->add_option("DATEI", optionen->Datei, "Profilkoordinaten (.dat)")->required();
    befehl->add_flag("--json", optionen->Json, "ein JSON-Objekt auf stdout");
    befehl->callback([optionen, &lauf] { lauf = [optionen] { return ProfilBefehl(*optionen); }; });
}
