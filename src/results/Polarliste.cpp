// The records of the polar store and the order of a row's values.
#include "results/Polarliste.h"

namespace {

struct TWertspalte {
    const char* Schluessel;
    const char* Name;
};

constexpr TWertspalte Wertspalten[PolarwertAnzahl] = {
    {"ALFA", "Alfa"},
    {"GR1", "Gr1"},
    {"GR2", "Gr2"},
    {"GR3", "Gr3"},
    {"GR4", "Gr4"},
    {"CA", "Ca"},
    {"CW", "Cw"},
    {"GESCHWINDIGKEIT", "Geschwindigkeit"},
    {"SINKGESCHWINDIGKEIT", "Sinkgeschwindigkeit"},
    {"GLEITZAHL", "Gleitzahl"},
    {"STEIGZAHL", "Steigzahl"},
    {"GLEITWINKEL", "Gleitwinkel"},
    {"SCHWERPUNKT", "Schwerpunkt"},
    {"STABILITAETSMASS", "Stabilitaetsmass"},
    {"NEUTRALPUNKT", "Neutralpunkt"},
    {"WIDERSTAND", "Widerstand"},
};

}  // namespace

double& Polarwert(TPolarzeile& z, int i)
{
    switch (i) {
    case 0: return z.Alfa;
    case 1: case 2: case 3: case 4: return z.Gr[i - 1];
    case 5: return z.Ca;
    case 6: return z.Cw;
    case 7: return z.Geschwindigkeit;
    case 8: return z.Sinkgeschwindigkeit;
    case 9: return z.Gleitzahl;
    case 10: return z.Steigzahl;
    case 11: return z.Gleitwinkel;
    case 12: return z.Schwerpunkt;
    case 13: return z.Stabilitaetsmass;
    case 14: return z.Neutralpunkt;
    default: return z.Widerstand;
    }
}

double Polarwert(const TPolarzeile& z, int i) { return Polarwert(const_cast<TPolarzeile&>(z), i); }

const char* PolarwertSchluessel(int i) { return Wertspalten[i].Schluessel; }
const char* PolarwertName(int i) { return Wertspalten[i].Name; }

const char* PolarartKopf(int art)
{
    switch (art) {
    case PolarartKlappen: return "[KLAPPENBERECHNUNG]";
    case PolarartEwd: return "[EWD-BERECHNUNG]";
    case PolarartAnstellwinkel: return "[ANSTELLWINKELBERECHNUNG]";
    default: return "";
    }
}

const char* PolarfixText(int fix)
{
    switch (fix) {
    case FixAnstellwinkel: return "ANSTELLWINKEL FIXIERT";
    case FixSchwerpunkt: return "SCHWERPUNKT FIXIERT";
    case FixCa: return "CA FIXIERT";
    default: return "";
    }
}
