// Performance values, neutral point and moment indicators of the aircraft.
#include "evaluation/Flugleistungen.h"

#include <cmath>

#include "common/Mathe.h"
#include "common/Zahlentext.h"
#include "model/T_FLUGZEUG.h"

namespace {

constexpr Extended Erdbeschleunigung = 9.8065L;
/// The required thrust alone works with the rounder value.
constexpr Extended ErdbeschleunigungSchub = 9.81L;

/// A moment coefficient rounded to 4 decimals (halves to even) before it becomes a moment.
Extended AufVierStellen(Extended c) { return std::nearbyint(c * 10000.0L) / 10000.0L; }

/// 0 for a negative, 2 for a positive, 1 for a zero coefficient at 4 decimals.
int Richtung(Extended c)
{
    const Extended gerundet = RoundReal(4, c);
    if (gerundet < 0.0L) return 0;
    if (gerundet > 0.0L) return 2;
    return 1;
}

}  // namespace

void Flugleistungen(TFLUGZEUG& f)
{
    const Extended ca = f.AuslegungsCa;
    const Extended ah = f.FlaecheHorizontalGesamt;
    const Extended as = f.FlaecheSeitlichGesamt;
    const Extended aw = f.FlaecheWahrGesamt;
    const Extended lu = f.Bezugstiefe;
    const Extended rho = f.Luftdichte;
    const Extended v = f.FlugGeschwindigkeit;
    const Extended q = rho / 2.0L * v * v;

    f.Gleitzahl = ca * ah / (f.CW * aw);
    f.Steigzahl = Potenz(std::fabs(ca * ah / aw), 1.5L) / f.CW;
    if (ca < 0.0L) f.Steigzahl = -f.Steigzahl;
    const Extended vStrich = std::sqrt(f.Gesamtmasse * 2.0L * Erdbeschleunigung / rho / ah / std::fabs(ca));
    f.Sinkgeschwindigkeit = vStrich * f.CW * aw / std::fabs(ca * ah);
    if (ca < 0.0L) f.Sinkgeschwindigkeit = -std::fabs(f.Sinkgeschwindigkeit);
    f.Gleitwinkel = std::atan(f.CW * aw / (ca * ah)) * GradProRad;

    f.Auftrieb = ca * ah * q;
    f.Widerstand = f.CW * aw * q;
    f.Seitenkraft = f.CS * as * q;

    f.MomentX = AufVierStellen(f.Cmx) * aw * lu * q;
    f.MomentY = AufVierStellen(f.Cmy) * ah * lu * q;
    f.MomentZ = AufVierStellen(f.Cmz) * aw * lu * q;
    f.MomentXNullpunkt = AufVierStellen(f.CmxNullpunkt) * aw * lu * q;
    f.MomentYNullpunkt = AufVierStellen(f.CmyNullpunkt) * ah * lu * q;
    f.MomentZNullpunkt = AufVierStellen(f.CmzNullpunkt) * aw * lu * q;

    f.WiderstandspunktZ = (f.MomentYNullpunkt + f.SchwerpunktX * f.Auftrieb) / f.Widerstand;
}

void Schubberechnung(TFLUGZEUG& f)
{
    f.Schubkraft = std::sin(f.Steigwinkel / GradProRad) * f.Gesamtmasse * ErdbeschleunigungSchub + f.Widerstand;
}

Extended NeutralpunktAusZweiLaeufen(Extended lu, Extended ca1, Extended cm1, Extended ca2, Extended cm2)
{
    return -(cm2 - cm1) / (ca2 - ca1) * lu;
}

Extended StabilitaetsmassAus(Extended xn, Extended xs, Extended lu) { return (xn - xs) / lu * 100.0L; }

void Neutralpunktbestimmung(TFLUGZEUG& f, Extended ca1, Extended cm1, Extended a1, Extended ca2, Extended cm2,
                            Extended a2)
{
    const Extended lu = f.Bezugstiefe;
    f.Neutralpunkt = NeutralpunktAusZweiLaeufen(lu, ca1, cm1, ca2, cm2);
    f.Auftriebsanstiegswinkel = std::atan((ca2 - ca1) / (a2 - a1)) * GradProRad;
    f.Stabilitaetsmass = StabilitaetsmassAus(f.Neutralpunkt, f.SchwerpunktX, lu);
}

void MomentenrichtungSetzen(TFLUGZEUG& f)
{
    f.Momentenrichtung[1] = Richtung(f.Cmx);
    f.Momentenrichtung[2] = Richtung(f.Cmz);
}
