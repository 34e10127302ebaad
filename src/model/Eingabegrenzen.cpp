// The limits table of the input fields and the shared parse-range-round-store check.
#include "model/Eingabegrenzen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "common/Zahlentext.h"

namespace {

constexpr Extended Unbegrenzt = std::numeric_limits<Extended>::infinity();

/// A number the program can compute with: finite, and within the range of double too, because the
/// lattice, the fast solver and the exports work in double, where a larger value is infinite.
bool Endlich(Extended wert)
{
    return std::isfinite(wert) && std::fabs(wert) <= static_cast<Extended>(std::numeric_limits<double>::max());
}

struct TGrenze {
    bool Ganzzahl;
    Extended Min;
    Extended Max;
    int Lesefehler;
    int Bereichsfehler;
};

// Both ends are inclusive; an integer "> 0" is ">= 1".
TGrenze Grenze(TEingabefeld feld)
{
    switch (feld) {
    case TEingabefeld::Einstellwinkel:
    case TEingabefeld::Anstellwinkel:
    case TEingabefeld::Schiebewinkel: return {false, -90.0L, 90.0L, 2, 5};
    case TEingabefeld::AuslegungsCa: return {false, -6.283185307179586L, 6.283185307179586L, 2, 20};
    case TEingabefeld::Stabilitaetsmass: return {false, -100.0L, 100.0L, 2, 29};
    // Any speed above 0 is meant; one that rounds to 0 at 5 decimals would be stored as a standstill.
    case TEingabefeld::FlugGeschwindigkeit: return {false, 0.00001L, Unbegrenzt, 2, 21};
    case TEingabefeld::Profiltiefe:
    case TEingabefeld::Segmentbreite: return {false, 0.00001L, Unbegrenzt, 2, 3};
    case TEingabefeld::Pfeilwinkel: return {false, -89.0L, 89.0L, 2, 9};
    case TEingabefeld::Verwindungswinkel:
    case TEingabefeld::Klappenausschlag: return {false, -45.0L, 45.0L, 2, 13};
    case TEingabefeld::KlappentiefeLinks: return {false, 0.0L, 100.0L, 4, 4};
    case TEingabefeld::KlappentiefeRechts:
    case TEingabefeld::Bezugspunkt: return {false, 0.0L, 100.0L, 2, 4};
    case TEingabefeld::AnzahlPanels: return {true, 1.0L, Unbegrenzt, 10, 10};
    case TEingabefeld::AnzahlPanelsVolumendarstellung: return {true, 10.0L, Unbegrenzt, 30, 30};
    case TEingabefeld::MaxIteration: return {true, 1.0L, Unbegrenzt, 14, 15};
    case TEingabefeld::GesamtpolarSchrittzahl: return {true, 1.0L, Unbegrenzt, 14, 3};
    case TEingabefeld::Masse: return {false, 0.0L, Unbegrenzt, 2, 18};
    case TEingabefeld::Flughoehe: return {false, -1.0L, Unbegrenzt, 2, 18};
    case TEingabefeld::InterferenzWiderstand: return {false, 0.0L, Unbegrenzt, 2, 3};
    case TEingabefeld::Rumpf: return {false, 0.0L, Unbegrenzt, 2, 21};
    case TEingabefeld::Klappengruppe: return {true, 0.0L, 99.0L, 0, 0};
    case TEingabefeld::Auslegungsnummer: return {true, 1.0L, 5.0L, 14, 15};
    // Each element is a straight piece of every trailing line; beyond a thousand the wake only
    // costs memory and time without describing the flow any better.
    case TEingabefeld::AnzahlNachlaufelemente: return {true, 1.0L, 1000.0L, 14, 15};
    case TEingabefeld::LaengeNachlaufelemente: return {false, 0.00001L, Unbegrenzt, 2, 3};
    case TEingabefeld::Frei: break;
    }
    return {false, -Unbegrenzt, Unbegrenzt, 2, 0};
}

}  // namespace

TEingabepruefung EingabePruefen(TEingabefeld feld, std::string_view text)
{
    const TGrenze g = Grenze(feld);
    Extended wert = 0.0L;
    try {
        wert = g.Ganzzahl ? static_cast<Extended>(TextToInt(text)) : TextToReal(text);
    } catch (const EKonvertierung&) {
        return {false, g.Lesefehler, 0.0L};
    }
    if (!Endlich(wert)) return {false, g.Lesefehler, 0.0L};
    // The flap group is a spin value: out-of-range numbers are pulled back, never refused.
    if (feld == TEingabefeld::Klappengruppe) return {true, 0, std::clamp(wert, g.Min, g.Max)};
    if (wert < g.Min || wert > g.Max) return {false, g.Bereichsfehler, 0.0L};
    return {true, 0, g.Ganzzahl ? wert : RoundReal(5, wert)};
}

bool WertZulaessig(TEingabefeld feld, Extended wert)
{
    const TGrenze g = Grenze(feld);
    if (feld == TEingabefeld::Segmentbreite) wert = std::fabs(wert);
    if (!Endlich(wert) || (g.Ganzzahl && wert != std::trunc(wert))) return false;
    return feld == TEingabefeld::Klappengruppe || (wert >= g.Min && wert <= g.Max);
}

std::string Wertebereich(TEingabefeld feld)
{
    const TGrenze g = Grenze(feld);
    const auto zahl = [&](Extended w) {
        std::string t = RealToText(w, 0, g.Ganzzahl ? 0 : 5, '.');
        if (t.find('.') != std::string::npos) {
            t.erase(t.find_last_not_of('0') + 1);
            if (t.back() == '.') t.pop_back();
        }
        return t;
    };
    std::string art = g.Ganzzahl ? Sprachwahl("eine ganze Zahl", "a whole number") : Sprachwahl("eine endliche Zahl", "a finite number");
    if (feld == TEingabefeld::Segmentbreite) art += Sprachwahl(" (vom Betrag)", " (in magnitude)");
    if (feld == TEingabefeld::Klappengruppe) return art;
    if (std::isfinite(g.Min) && std::isfinite(g.Max))
        return art + Sprachwahl(" von ", " from ") + zahl(g.Min) + Sprachwahl(" bis ", " to ") + zahl(g.Max);
    if (std::isfinite(g.Min)) return art + Sprachwahl(" ab ", " of at least ") + zahl(g.Min);
    return art;
}

namespace {

template <class T>
bool Uebernehmen(THost& host, TEingabefeld feld, std::string_view text, T& ziel)
{
    const TEingabepruefung p = EingabePruefen(feld, text);
    if (!p.Angenommen) {
        if (p.Fehlertext != 0) host.Fehlertext(p.Fehlertext);
        return false;
    }
    ziel = static_cast<T>(p.Wert);
    return true;
}

}  // namespace

bool EingabeUebernehmen(THost& host, TEingabefeld feld, std::string_view text, Extended& ziel)
{
    return Uebernehmen(host, feld, text, ziel);
}

bool EingabeUebernehmen(THost& host, TEingabefeld feld, std::string_view text, int& ziel)
{
    return Uebernehmen(host, feld, text, ziel);
}

bool IndexUebernehmen(std::string_view text, int anzahl, int& ziel)
{
    int wert = 0;
    try {
        wert = TextToInt(text);
    } catch (const EKonvertierung&) {
        return false;
    }
    ziel = std::clamp(wert, 0, std::max(anzahl - 1, 0));
    return true;
}
