// One wake alignment step over all wake lines of the aircraft.
#include "geometry/Wirbelaufbau.h"
#include "solver/Nachlaufausrichtung.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/Host.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "solver/Flugzeugwirbel.h"

namespace {

void Fortschritt(THost& host, int position, int maximum)
{
    host.Fortschritt(TFortschrittsbalken::Haupt, position, maximum);
    host.Fortschritt(TFortschrittsbalken::Neben, position, maximum);
}

/// The event turn and stop check before each strip.
bool Weiter(THost& host)
{
    host.Ereignisschleife();
    if (!host.Flags.Stoppanforderung) return true;
    Fortschritt(host, 0, 0);
    host.Flags.RechnungLaeuft = false;
    host.NeuZeichnen();
    return false;
}

/// Calls `tu` with the trailing-edge panel of every strip of every surface and whether the strip is
/// its surface's outermost one; stops (returning false) when `tu` does.
template <class F>
bool JederHinterkantenpanel(TFLUGZEUG& fz, F tu)
{
    for (int f = 0; f < fz.Flaechen.Count(); ++f) {
        const TLIST2D<TPAN>& raster = fz.Flaechen.Get(f)->Panelraster;
        for (int s = 0; s < raster.RowCount(); ++s) {
            const int spalten = raster.Count(s);
            if (spalten <= 0) continue;
            if (!tu(*raster.Get(s, spalten - 1), s == raster.RowCount() - 1)) return false;
        }
    }
    return true;
}

void Geschwindigkeit(const TFLUGZEUG& fz, std::vector<TWirbel>& linie, int i)
{
    // Only wake elements turn; the side-line piece at index 0 and the final element never do.
    if (i < 1 || i >= static_cast<int>(linie.size()) - 1) return;
    TWirbel& w = linie[i];
    const T3Vektor mitte = Vektorskalierung(0.5L, Vektorsumme(w.Anfang, w.Ende));
    T3Vektor v = fz.Anstroemrichtung;
    InduzierteGeschwindigkeit(fz, mitte, v);
    w.Geschwindigkeit = v;
}

void Ausrichten(const TFLUGZEUG& fz, std::vector<TWirbel>& linie, int i)
{
    const int c = static_cast<int>(linie.size());
    for (int p = 1; p < c; ++p) {
        TWirbel& w = linie[p];
        if (p < i) continue;
        const Extended laenge = Punktabstand(w.Ende, w.Anfang);
        w.Anfang = linie[p - 1].Ende;
        if (p == c - 1) {
            w.Ende = Vektorsumme(w.Anfang, Vektorskalierung(LaengeEndelement, fz.Anstroemrichtung));
        } else if (p == i) {
            // An element in still fluid has no direction to turn to: it keeps its own, so the line
            // stays connected and finite.
            const Extended betrag = Vektorbetrag(w.Geschwindigkeit);
            const T3Vektor schritt = (betrag > 0.0L && std::isfinite(betrag))
                                         ? Vektorskalierung(laenge / betrag, w.Geschwindigkeit)
                                         : Vektorskalierung(laenge, w.Richtung);
            w.Ende = Vektorsumme(w.Anfang, schritt);
        } else {
            w.Ende = Vektorsumme(w.Anfang, Vektorskalierung(laenge, w.Richtung));
        }
        w.Aktualisiere();
    }
}

}  // namespace

void NachlaufAusrichten(TFLUGZEUG& fz, int i, THost& host)
{
    host.Statustext(host.Ausgabetext(62) + std::to_string(i));
    int streifen = 0;
    JederHinterkantenpanel(fz, [&](TPAN&, bool) { return ++streifen, true; });
    Fortschritt(host, 0, streifen);

    int position = 0;
    const bool geschwindigkeiten = JederHinterkantenpanel(fz, [&](TPAN& t, bool aussen) {
        if (!Weiter(host)) return false;
        Fortschritt(host, ++position, streifen);
        Geschwindigkeit(fz, t.WirbelLinks, i);
        if (aussen) Geschwindigkeit(fz, t.WirbelRechts, i);
        return true;
    });
    if (!geschwindigkeiten) return;

    const bool ausgerichtet = JederHinterkantenpanel(fz, [&](TPAN& t, bool) {
        if (!Weiter(host)) return false;
        Ausrichten(fz, t.WirbelLinks, i);
        if (t.WirbelRechts.size() >= 2) Ausrichten(fz, t.WirbelRechts, i);
        return true;
    });
    if (!ausgerichtet) return;
    Fortschritt(host, 0, 0);
}
