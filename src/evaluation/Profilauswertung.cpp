// Profile evaluation of every strip, the drag totals and the moment correction.
#include "evaluation/Profilauswertung.h"

#include <cmath>
#include <limits>

#include "common/Host.h"
#include "common/Mathe.h"
#include "evaluation/Flugleistungen.h"
#include "geometry/Flaechenbau.h"
#include "model/TErgebnis.h"
#include "model/TPAN.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "model/T_Szene.h"
#include "profile/Streifenanalyse.h"
#include "profile/T_Profil.h"

namespace {

/// Points of the resampled end profiles of a strip.
constexpr int StreifenprofilPunkte = 63;

Extended Slot(const TFLAECHE& fl, int streifen, int slot)
{
    const TErgebnis* e = fl.Ergebnisraster.Get(streifen, slot);
    return e ? e->Wert : 0.0L;
}

void SetzeSlot(TFLAECHE& fl, int streifen, int slot, Extended wert) { fl.ErgebnisSetzen(streifen, slot)->Wert = wert; }

std::unique_ptr<TProfil> Endprofil(const TProfil& profil)
{
    std::unique_ptr<TProfil> neu = profil.Neuverteilen(StreifenprofilPunkte);
    neu->NaseEinfuegen();
    return neu;
}

/// The stall analysis needs a positive, finite Reynolds number (it takes logarithms of it).
bool AnalysierbareReynoldszahl(Extended re) { return std::isfinite(re) && re > 0.0L; }

/// Strip sums of the viscous drag force w = cwv b l and of its moments about the zero point and the
/// moment reference point (acting at the trailing-edge midpoint).
struct TReibungssummen {
    Extended Widerstand = 0.0L;
    Extended MomentZNull = 0.0L;
    Extended MomentYNull = 0.0L;
    Extended MomentZ = 0.0L;
    Extended MomentY = 0.0L;
};

}  // namespace

TStreifenprofil StreifenProfil(const TFLAECHE& fl, const TPAN& erstes)
{
    const TSEGMENT& s = *fl.Segmente.Get(erstes.Segment);
    const int k = erstes.StreifenImSegment;
    const int c = static_cast<int>(s.Gitterschnitte.size());

    const int links = LetztesLinkesSegment(fl);
    const bool linkeSeite = erstes.Segment <= links;
    const int innererNachbar = linkeSeite ? erstes.Segment + 1 : erstes.Segment - 1;
    const bool amWurzelschnitt = linkeSeite ? innererNachbar > links : innererNachbar <= links;
    const TProfil& innen = amWurzelschnitt ? *fl.Wurzelprofil : *fl.Segmente.Get(innererNachbar)->Segmentprofil;
    const TProfil& aussen = *s.Segmentprofil;
    const std::unique_ptr<TProfil> linkesEnde = Endprofil(linkeSeite ? aussen : innen);
    const std::unique_ptr<TProfil> rechtesEnde = Endprofil(linkeSeite ? innen : aussen);

    const auto nasenY = [&s](int schnitt) {
        const TProfil& p = *s.Grundrissschnitte[schnitt];
        return p.Punkt(p.Anzahl() - 1)->Y;
    };
    const Extended y0 = nasenY(0);
    const Extended segmentlaenge = std::fabs(nasenY(c - 1) - y0);
    const Extended station = std::fabs((nasenY(k) + nasenY(k + 1)) / 2.0L - y0);

    TStreifenprofil ergebnis;
    ergebnis.Profil = std::make_unique<TProfil>();
    ergebnis.Profil->Mischen(linkesEnde.get(), 0.0L, rechtesEnde.get(), segmentlaenge, station);
    ergebnis.Klappentiefe = Interpolieren(station, 0.0L, s.KlappentiefeLinks, segmentlaenge, s.KlappentiefeRechts);
    ergebnis.Klappenausschlag = s.Klappenausschlag;

    // The camber lines without flap deflection span the strip's quadrilateral.
    const TProfil& schnittK = *s.Gitterschnitte[k];
    const TProfil& schnittK1 = *s.Gitterschnitte[k + 1];
    TPAN viereck;
    const auto ecke = [&viereck](int i, const TKoordinate& p) { viereck.SetzeEcke(i, p.X, p.Y, p.Z); };
    ecke(0, *schnittK.Punkt(0));
    ecke(1, *schnittK1.Punkt(0));
    ecke(2, *schnittK1.Punkt(schnittK1.Anzahl() - 1));
    ecke(3, *schnittK.Punkt(schnittK.Anzahl() - 1));
    viereck.Aktualisiere();
    ergebnis.Normale = viereck.Normale;
    return ergebnis;
}

bool ProfilAuswertung(TSZENE& szene, THost& host, bool blasenwiderstand)
{
    TFLUGZEUG& f = *szene.Flugzeug;
    host.StatustextNr(64);
    int streifenzahl = 0;
    for (const auto& fl : f.Flaechen) streifenzahl += fl->Panelraster.RowCount();
    host.Fortschritt(TFortschrittsbalken::Haupt, 1, streifenzahl);
    host.Fortschritt(TFortschrittsbalken::Neben, 1, streifenzahl);

    const auto fortschrittZurueck = [&host] {
        host.Fortschritt(TFortschrittsbalken::Haupt, 0, 0);
        host.Fortschritt(TFortschrittsbalken::Neben, 0, 0);
    };

    int r = 0;
    for (const auto& flaeche : f.Flaechen) {
        TFLAECHE& fl = *flaeche;
        for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
            ++r;
            host.Ereignisschleife();
            if (host.Flags.Stoppanforderung) {
                fortschrittZurueck();
                host.Flags.RechnungLaeuft = false;
                host.NeuZeichnen();
                host.Statustext("");
                return false;
            }
            host.Fortschritt(TFortschrittsbalken::Haupt, r, streifenzahl);
            host.Fortschritt(TFortschrittsbalken::Neben, r, streifenzahl);
            const TPAN* erstes = fl.Panelraster.Get(j, 0);
            if (!erstes) continue;

            TStreifenprofil sp = StreifenProfil(fl, *erstes);
            const TSEGMENT& segment = *fl.Segmente.Get(erstes->Segment);
            const Extended ausschlag = segment.Klappeninverse ? -sp.Klappenausschlag : sp.Klappenausschlag;

            const Extended x = Skalarprodukt3D(f.Anstroemrichtung, sp.Normale);
            const Extended alfaGeo = std::atan2(x, std::sqrt(1.0L - x * x)) * GradProRad;
            const Extended alfaEff = alfaGeo - Slot(fl, j, SlotAi);
            SetzeSlot(fl, j, SlotAlfaGeometrisch, alfaGeo);
            SetzeSlot(fl, j, SlotAlfaEffektiv, alfaEff);

            // Without flight speed (an aircraft without horizontal area) or with an infinite one
            // (zero lift) a strip has no Reynolds number the stall model can work with: its
            // profile values stay undefined instead of being taken from logarithms of 0 or of
            // infinity, and it raises no stall or bubble warning.
            const Extended re = Slot(fl, j, SlotRe);
            TStreifenergebnis e;
            if (AnalysierbareReynoldszahl(re)) {
                e = StreifenAnalyse(*sp.Profil, sp.Klappentiefe, ausschlag, re, alfaEff, blasenwiderstand);
            } else {
                const Extended undefiniert = std::numeric_limits<Extended>::quiet_NaN();
                e.AlfaMin = e.AlfaMax = e.CaMin = e.CaMax = e.Cw = e.XOben = e.XUnten = undefiniert;
            }
            SetzeSlot(fl, j, SlotAlfaMin, e.AlfaMin);
            SetzeSlot(fl, j, SlotAlfaMax, e.AlfaMax);
            SetzeSlot(fl, j, SlotXOben, e.XOben);
            SetzeSlot(fl, j, SlotXUnten, e.XUnten);
            SetzeSlot(fl, j, SlotCaMax, e.CaMax);
            SetzeSlot(fl, j, SlotCaMin, e.CaMin);
            SetzeSlot(fl, j, SlotCwv, e.Cw);
            SetzeSlot(fl, j, SlotBlaseOben, e.BlaseOben ? 1.0L : 0.0L);
            SetzeSlot(fl, j, SlotBlaseUnten, e.BlaseUnten ? 1.0L : 0.0L);

            const Extended ca = Slot(fl, j, SlotCa);
            SetzeSlot(fl, j, SlotAbrissOben, ca > e.CaMax ? 1.0L : 0.0L);
            SetzeSlot(fl, j, SlotAbrissUnten, ca < e.CaMin ? 1.0L : 0.0L);
        }
    }

    // Viscous drag of every surface and of the aircraft, with its moments: the drag of a strip acts
    // at the midpoint of its trailing edge.
    const T3Vektor bezug = f.Momentenbezugspunkt;
    TReibungssummen summe;
    for (const auto& flaeche : f.Flaechen) {
        TFLAECHE& fl = *flaeche;
        Extended flaechensumme = 0.0L;
        for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
            const Extended w = Slot(fl, j, SlotCwv) * Slot(fl, j, SlotStreifenbreite) * Slot(fl, j, SlotStreifentiefe);
            const TErgebnis* hinterkante = fl.Ergebnisraster.Get(j, SlotHinterkante);
            const T3Vektor t = hinterkante ? hinterkante->Punkt : T3Vektor{};
            flaechensumme += w;
            summe.MomentZNull += w * t.y;
            summe.MomentYNull += w * t.z;
            summe.MomentZ += w * (t.y - bezug.y);
            summe.MomentY += w * (t.z - bezug.z);
        }
        summe.Widerstand += flaechensumme;
        fl.CWv = flaechensumme / fl.FlaecheWahr;
        fl.CW = fl.CWi + fl.CWv;
        fl.Gleitzahl = fl.CA * fl.FlaecheHorizontal / (fl.CW * fl.FlaecheWahr);
        fl.Steigzahl = Potenz(std::fabs(fl.CA * fl.FlaecheHorizontal / fl.FlaecheWahr), 1.5L) / fl.CW;
    }
    const Extended aw = f.FlaecheWahrGesamt;
    const Extended lu = f.Bezugstiefe;
    f.CWv = summe.Widerstand / aw;
    f.CW = (f.CWi * aw + f.CWv * aw + f.InterferenzWiderstand * aw + f.RumpfWiderstand * f.RumpfQuerschnittflaeche) / aw;

    // The pitching coefficients keep their lifting-area reference while the added term uses AW.
    f.CmzNullpunkt += summe.MomentZNull / aw / lu;
    f.CmyNullpunkt += summe.MomentYNull / aw / lu;
    f.Cmz += summe.MomentZ / aw / lu;
    f.Cmy += summe.MomentY / aw / lu;

    Flugleistungen(f);
    fortschrittZurueck();
    host.Flags.ProfilauswertungGueltig = true;
    Schubberechnung(f);
    return true;
}
