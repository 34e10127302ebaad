// The polar store: one group per total-polar series, holding one row of aircraft results per step,
// and the ordered list of groups that the polar window shows and the polar files hold.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/TListe.h"

/// The results of one step of a series, as 64-bit reals.
struct TPolarzeile {
    double Alfa = 0.0;                      ///< aircraft angle of attack [°]
    std::array<double, 4> Gr{};             ///< Gr1..Gr4: the stepped value of series row 1..4 [°]
    double Ca = 0.0;
    double Cw = 0.0;
    double Geschwindigkeit = 0.0;           ///< [m/s]
    double Sinkgeschwindigkeit = 0.0;       ///< [m/s]
    double Gleitzahl = 0.0;
    double Steigzahl = 0.0;
    double Gleitwinkel = 0.0;               ///< [°]
    double Schwerpunkt = 0.0;               ///< x [m]
    double Stabilitaetsmass = 0.0;          ///< [%]
    double Neutralpunkt = 0.0;              ///< x [m]
    double Widerstand = 0.0;                ///< [N]
    std::string Info;                       ///< warning codes: "FB ", "FLi ABOp ", "FLi ABUp ", "NRF ", "ISF "

    bool operator==(const TPolarzeile&) const = default;
};

/// The sixteen numbers of a row in the order every polar file, table and export lists them:
/// Alfa, Gr1..Gr4, Ca, Cw, Geschwindigkeit, Sinkgeschwindigkeit, Gleitzahl, Steigzahl, Gleitwinkel,
/// Schwerpunkt, Stabilitaetsmass, Neutralpunkt, Widerstand.
inline constexpr int PolarwertAnzahl = 16;
double& Polarwert(TPolarzeile& zeile, int i);
double Polarwert(const TPolarzeile& zeile, int i);
/// The file key of value i without its "=": "ALFA", "GR1", ... "WIDERSTAND".
const char* PolarwertSchluessel(int i);
/// The field name of value i: "Alfa", "Gr1", ... "Widerstand".
const char* PolarwertName(int i);

enum TPolarart : int { PolarartUnbekannt = 0, PolarartKlappen = 1, PolarartEwd = 2, PolarartAnstellwinkel = 3 };
enum TPolarfix : int { FixKeiner = 0, FixAnstellwinkel = 1, FixSchwerpunkt = 2, FixCa = 3 };

/// One series: its description and its rows in computation order.
struct TPolargruppe {
    int Art = PolarartUnbekannt;
    std::string Flugszene;
    int Fix = FixKeiner;
    std::string Bemerkung;
    /// Gruppe1..Gruppe4: flap group number, surface index, or 0 for an unused row.
    std::array<int, 4> Gruppe{};
    /// Gruppentext1..Gruppentext4: the flap group's description, the surface's name, or "n.u.".
    std::array<std::string, 4> Gruppentext;
    bool Sichtbar = true;
    std::vector<TPolarzeile> Zeilen;

    bool operator==(const TPolargruppe&) const = default;
};

/// The section header of a group kind: "[KLAPPENBERECHNUNG]", "[EWD-BERECHNUNG]",
/// "[ANSTELLWINKELBERECHNUNG]"; empty for an unknown kind.
const char* PolarartKopf(int art);
/// The fix text: "ANSTELLWINKEL FIXIERT", "SCHWERPUNKT FIXIERT", "CA FIXIERT"; empty for none.
const char* PolarfixText(int fix);

/// The polar list: every group of the program run, in the order they were added or loaded.
class TPolarliste {
public:
    int Count() const { return gruppen_.Count(); }
    TPolargruppe* Get(int index) const { return gruppen_.Get(index); }

    void GruppeHinzufuegen(std::unique_ptr<TPolargruppe> gruppe) { gruppen_.Add(std::move(gruppe)); }
    void ListeLeeren() { gruppen_.Clear(); }
    /// Frees the group at `index`; later groups move up. An index outside the list does nothing.
    void GruppeLoeschen(int index) { gruppen_.Delete(index); }

    auto begin() const { return gruppen_.begin(); }
    auto end() const { return gruppen_.end(); }

    /// Set when a series added a group; the owner clears it after saving.
    bool Geaendert = false;

private:
    TListe<TPolargruppe> gruppen_;
};
