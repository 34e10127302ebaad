// Profile evaluation of every strip, the drag totals and the moment correction.
#include "evaluation/Profilauswertung.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

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
#include "solver/T_Thread_Szene.h"

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

namespace {

/// The profile results of one strip before they go into its slots.
struct TStreifenauswertung {
    Extended AlfaGeometrisch = 0.0L;
    Extended AlfaEffektiv = 0.0L;
    TStreifenergebnis Ergebnis;
};

/// One strip of the evaluation: its surface, its row and its leading-edge panel.
struct TStreifen {
    TFLAECHE* Flaeche = nullptr;
    int Zeile = 0;
    const TPAN* Erstes = nullptr;
};

/// The profile analysis of one strip. It only reads the model, so strips may be analysed on
/// several threads at once.
TStreifenauswertung StreifenAuswerten(const TFLUGZEUG& f, const TStreifen& streifen, bool blasenwiderstand)
{
    const TFLAECHE& fl = *streifen.Flaeche;
    const int j = streifen.Zeile;
    TStreifenprofil sp = StreifenProfil(fl, *streifen.Erstes);
    const TSEGMENT& segment = *fl.Segmente.Get(streifen.Erstes->Segment);
    const Extended ausschlag = segment.Klappeninverse ? -sp.Klappenausschlag : sp.Klappenausschlag;

    TStreifenauswertung a;
    const Extended x = Skalarprodukt3D(f.Anstroemrichtung, sp.Normale);
    a.AlfaGeometrisch = std::atan2(x, std::sqrt(1.0L - x * x)) * GradProRad;
    a.AlfaEffektiv = a.AlfaGeometrisch - Slot(fl, j, SlotAi);

    // Without flight speed (an aircraft without horizontal area) or with an infinite one (zero
    // lift) a strip has no Reynolds number the stall model can work with: its profile values stay
    // undefined instead of being taken from logarithms of 0 or of infinity, and it raises no stall
    // or bubble warning.
    const Extended re = Slot(fl, j, SlotRe);
    TStreifenergebnis& e = a.Ergebnis;
    if (AnalysierbareReynoldszahl(re)) {
        e = StreifenAnalyse(*sp.Profil, sp.Klappentiefe, ausschlag, re, a.AlfaEffektiv, blasenwiderstand);
    } else {
        const Extended undefiniert = std::numeric_limits<Extended>::quiet_NaN();
        e.AlfaMin = e.AlfaMax = e.CaMin = e.CaMax = e.Cw = e.XOben = e.XUnten = undefiniert;
    }
    return a;
}

void StreifenslotsSetzen(TFLAECHE& fl, int j, const TStreifenauswertung& a)
{
    const TStreifenergebnis& e = a.Ergebnis;
    SetzeSlot(fl, j, SlotAlfaGeometrisch, a.AlfaGeometrisch);
    SetzeSlot(fl, j, SlotAlfaEffektiv, a.AlfaEffektiv);
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

/// Analyses every strip, on the calling thread with an event turn and a stop check per strip, or in
/// contiguous bands on worker threads while the calling thread keeps the event loop turning. Both
/// bars follow the strips done. False when a stop ended it.
bool StreifenAnalysieren(const TFLUGZEUG& f, const std::vector<TStreifen>& streifen, std::vector<TStreifenauswertung>& auswertung,
                         THost& host, bool blasenwiderstand, int threads)
{
    const int n = static_cast<int>(streifen.size());
    auswertung.assign(streifen.size(), TStreifenauswertung{});
    const auto fortschritt = [&host, n](int r) {
        host.Fortschritt(TFortschrittsbalken::Haupt, r, n);
        host.Fortschritt(TFortschrittsbalken::Neben, r, n);
    };
    if (threads <= 1 || n < 2) {
        for (int i = 0; i < n; ++i) {
            host.Ereignisschleife();
            if (host.Flags.Stoppanforderung) return false;
            fortschritt(i + 1);
            auswertung[i] = StreifenAuswerten(f, streifen[i], blasenwiderstand);
        }
        return true;
    }
    threads = std::min(threads, n);
    std::atomic<int> erledigt{0};
    std::vector<std::unique_ptr<TArbeiter>> arbeiter;
    for (int t = 0; t < threads; ++t) {
        const int von = n * t / threads;
        const int bis = n * (t + 1) / threads;
        arbeiter.push_back(std::make_unique<TArbeitsauftrag>([&, von, bis] {
            for (int i = von; i < bis && !host.Flags.Stoppanforderung; ++i) {
                auswertung[i] = StreifenAuswerten(f, streifen[i], blasenwiderstand);
                erledigt.fetch_add(1, std::memory_order_relaxed);
            }
        }));
    }
    LassArbeiten(arbeiter, host, [&] { fortschritt(erledigt.load(std::memory_order_relaxed)); });
    return !host.Flags.Stoppanforderung;
}

}  // namespace

bool ProfilAuswertung(TSZENE& szene, THost& host, bool blasenwiderstand, int threads)
{
    TFLUGZEUG& f = *szene.Flugzeug;
    host.StatustextNr(64);
    std::vector<TStreifen> streifen;
    for (const auto& fl : f.Flaechen)
        for (int j = 0; j < fl->Panelraster.RowCount(); ++j)
            if (const TPAN* erstes = fl->Panelraster.Get(j, 0)) streifen.push_back({fl.get(), j, erstes});
    const int streifenzahl = static_cast<int>(streifen.size());
    host.Fortschritt(TFortschrittsbalken::Haupt, 1, streifenzahl);
    host.Fortschritt(TFortschrittsbalken::Neben, 1, streifenzahl);

    const auto fortschrittZurueck = [&host] {
        host.Fortschritt(TFortschrittsbalken::Haupt, 0, 0);
        host.Fortschritt(TFortschrittsbalken::Neben, 0, 0);
    };

    std::vector<TStreifenauswertung> auswertung;
    if (!StreifenAnalysieren(f, streifen, auswertung, host, blasenwiderstand, threads)) {
        fortschrittZurueck();
        host.Flags.RechnungLaeuft = false;
        host.NeuZeichnen();
        host.Statustext("");
        return false;
    }
    for (std::size_t i = 0; i < streifen.size(); ++i) StreifenslotsSetzen(*streifen[i].Flaeche, streifen[i].Zeile, auswertung[i]);

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
