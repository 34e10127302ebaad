// The single computation run: lattice, reference values, optional wake-alignment cycles, the final
// solve and the force evaluation, with the stop request checked after every assembly.
#include "control/Rechenlauf.h"

#include <array>

#include "common/Host.h"
#include "common/Speicher.h"
#include "evaluation/Ergebnispruefung.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "evaluation/Kraefte.h"
#include "geometry/Gitterbau.h"
#include "model/TPAN.h"
#include "model/TSchalter.h"
#include "model/T_Szene.h"
#include "solver/Gleichungssystem.h"
#include "solver/Nachlaufausrichtung.h"
#include "solver/Schnellloeser.h"
#include "solver/Flugzeugwirbel.h"

namespace {

/// The circulation every bound vortex carries until a solve replaces it.
constexpr Extended UngeloesteZirkulation = 100000.0L;

class TRechenlauf {
public:
    TRechenlauf(TSZENE& szene, const TSchalter& schalter, const TRechenoptionen& optionen, THost& host)
        : szene_(szene), fz_(*szene.Flugzeug), schalter_(schalter), optionen_(optionen), host_(host)
    {
    }

    /// Runs; returns the error text raised (0 for none).
    int Ausfuehren()
    {
        host_.Flags.RechnungLaeuft = true;
        GitterAufbauen(fz_, host_.Flags);
        // Density from the altitude (unless it marks water), total areas and reference chord.
        Gesamtbezugswerte(fz_);
        PanellisteFuellen(szene_);
        if (szene_.Panelliste.empty()) {
            // Nothing to solve: a run without a lattice has no result, not a result of zero lift.
            host_.Fehlertext(FehlertextKeinePanels);
            Beenden();
            return FehlertextKeinePanels;
        }
        if (!SystemPasstInDenSpeicher(szene_.Panelliste.size())) {
            // Refused before the block is allocated, instead of failing deep inside the allocation.
            host_.Fehlertext(FehlertextZuVielePanels);
            Beenden();
            return FehlertextZuVielePanels;
        }
        // The system lives for this run only: its block is the largest thing a run holds.
        TGleichungssystem system(szene_.Panelliste, fz_.Anstroemrichtung);

        if (schalter_.Nachlaufkorrektur || schalter_.NachlaufkorrekturKomplett) {
            if (!Nachlaufzyklen(system)) return fehler_;
        } else {
            host_.Aktualisieren();
            host_.NeuZeichnen();
        }

        for (TPAN* p : szene_.Panelliste) p->GebundenerWirbel.Zirkulation = UngeloesteZirkulation;
        // A failed solve is already reported; circulations without meaning are neither
        // distributed nor evaluated, and the run ends as after a failed wake cycle.
        if (!AufbauenUndLoesen(system)) return fehler_;
        VerteileZirkulation(fz_);
        // A stopped solve leaves the circulations unsolved: they are distributed, not evaluated.
        const bool geloest = !host_.Flags.Stoppanforderung;
        if (geloest) Auswertung(szene_, host_, optionen_.Wasser, AuswertungsThreads(), optionen_.Loeser.Verfahren);
        host_.Statustext({});
        int fehler = 0;
        if (geloest && !host_.Flags.Stoppanforderung) {
            if (ErsterNichtEndlicherWert(fz_, false).empty()) {
                host_.Flags.ErgebnisseGueltig = true;
            } else {
                fehler = FehlertextNichtEndlich;
                host_.Fehlertext(fehler);
            }
        }
        if (!host_.Flags.ErgebnisseGueltig) fz_.Momentenrichtung = {1, 1, 1};
        host_.Aktualisieren();
        host_.NeuZeichnen();
        return fehler;
    }

private:
    /// One cycle per wake element with "Einzelausrichtung", a single one with only
    /// "Komplettausrichtung"; each solves afresh and then turns its elements into the local flow.
    bool Nachlaufzyklen(TGleichungssystem& system)
    {
        const int n = fz_.AnzahlNachlaufelemente;
        const int zyklen = schalter_.Nachlaufkorrektur ? n : 1;
        for (int i = 1; i <= zyklen; ++i) {
            host_.Aktualisieren();
            host_.NeuZeichnen();
            // Aligning the wake with circulations that have no meaning would only move it
            // somewhere meaningless: a failed solve ends the run as a stop does.
            if (!AufbauenUndLoesen(system)) return false;
            VerteileZirkulation(fz_);
            const int bis = schalter_.NachlaufkorrekturKomplett ? n : i;
            for (int k = i; k <= bis; ++k) NachlaufAusrichten(fz_, k, host_);
            host_.NeuZeichnen();
        }
        return true;
    }

    /// Assembles and solves the system by the chosen method. False (with the run ended) when a
    /// stop came during the assembly or the system has no usable solution (fehler_ then says so).
    bool AufbauenUndLoesen(TGleichungssystem& system)
    {
        TLoesung loesung = TLoesung::Geloest;
        if (optionen_.Loeser.Verfahren == TLoesungsverfahren::Schnell) {
            // The fast system holds its matrix for this one solve only.
            TSchnellesSystem schnell(szene_.Panelliste, fz_.Anstroemrichtung);
            ::Aufbauen(schnell, host_, optionen_.Loeser);
            if (Gestoppt()) return false;
            loesung = schnell.Loesen(host_, Rechenthreads(optionen_.Loeser));
        } else {
            system.Leeren();
            ::Aufbauen(system, host_, optionen_.Loeser);
            if (Gestoppt()) return false;
            loesung = Loesen(system, host_, optionen_.Loeser);
        }
        if (loesung != TLoesung::Fehlgeschlagen) return true;
        fehler_ = FehlertextSystemNichtLoesbar;
        Beenden();
        return false;
    }

    /// After an assembly: true (with the run ended) when a stop was requested.
    bool Gestoppt()
    {
        if (!host_.Flags.Stoppanforderung) return false;
        Beenden();
        return true;
    }

    /// The evaluation runs on the worker threads the parallel assembly would use.
    int AuswertungsThreads() const { return Rechenthreads(optionen_.Loeser); }

    /// Ends the run early: nothing more is computed and the results stay invalid.
    void Beenden()
    {
        host_.Flags.RechnungLaeuft = false;
        host_.Aktualisieren();
        host_.NeuZeichnen();
        host_.Statustext({});
    }

    TSZENE& szene_;
    TFLUGZEUG& fz_;
    const TSchalter& schalter_;
    const TRechenoptionen& optionen_;
    THost& host_;
    int fehler_ = 0;  ///< error text a wake cycle raised
};

}  // namespace

int Rechenlauf(TSZENE& szene, const TSchalter& schalter, const TRechenoptionen& optionen, THost& host)
{
    if (!szene.Flugzeug) return 0;
    try {
        return TRechenlauf(szene, schalter, optionen, host).Ausfuehren();
    } catch (...) {
        // A fault in a called step (a worker's exception, a lattice the assembly cannot walk)
        // reaches the caller; the run is over either way.
        host.Flags.RechnungLaeuft = false;
        throw;
    }
}

void PanellisteFuellen(TSZENE& szene)
{
    szene.Panelliste.clear();
    if (!szene.Flugzeug) return;
    for (const auto& f : szene.Flugzeug->Flaechen) {
        const TLIST2D<TPAN>& raster = f->Panelraster;
        for (int j = 0; j < raster.RowCount(); ++j)
            for (int k = 0; k < raster.Count(j); ++k)
                if (TPAN* p = raster.Get(j, k)) szene.Panelliste.push_back(p);
    }
}

void BerechnungStoppen(THost& host)
{
    host.Flags.Stoppanforderung = true;
    host.Fortschritt(TFortschrittsbalken::Haupt, 0, 0);
    host.Fortschritt(TFortschrittsbalken::Neben, 0, 0);
    host.Flags.RechnungLaeuft = false;
    host.NeuZeichnen();
    host.Statustext({});
    host.Aktualisieren();
}
