// Kutta-Joukowski forces on the bound vortex and on one chordwise piece of every panel, summed into
// strips, surfaces and the aircraft. Forces are per unit of rho times the squared free-stream speed
// (circulations are per unit speed), so coefficients need neither density nor speed.
#include "evaluation/Kraefte.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <cmath>
#include <numbers>
#include <vector>

#include "common/Host.h"
#include "model/TErgebnis.h"
#include "model/TPAN.h"
#include "model/T_Szene.h"
#include "solver/Flugzeugwirbel.h"
#include "solver/T_Thread_Szene.h"

namespace {

constexpr Extended Erdbeschleunigung = 9.8065L;
/// Reciprocal kinematic viscosities [s/m²] of water and of air.
constexpr Extended ReFaktorWasser = 909090.0L;
constexpr Extended ReFaktorLuft = 69930.0L;
/// A lift, drag or side force at or below this magnitude has no centre of pressure.
constexpr Extended KleinsteKraft = 1e-5L;

T3Vektor Mitte(const T3Vektor& a, const T3Vektor& b) { return Vektorskalierung(0.5L, Vektorsumme(a, b)); }

/// a / |a|, or the zero vector for a vector without length (a strip whose panels have no area, a
/// bound vortex along the free stream): such a strip then simply gets no lift direction.
T3Vektor EinheitOderNull(const T3Vektor& a)
{
    const Extended betrag = Vektorbetrag(a);
    return betrag > 0.0L ? Vektorskalierung(1.0L / betrag, a) : T3Vektor{};
}

/// The result cell (strip, slot) of a surface; the surface owns the record.
TErgebnis& Ergebnis(TFLAECHE& flaeche, int streifen, int slot) { return *flaeche.ErgebnisSetzen(streifen, slot); }

/// 2 f / area, and 0 for a surface or aircraft without that reference area.
Extended Beiwert(Extended komponente, Extended flaeche) { return flaeche != 0.0L ? 2.0L * komponente / flaeche : 0.0L; }

/// Moment and force sums about a reference point, with the partial sums that locate the lift, drag
/// and side-force resultants. Body coordinates are combined with wind-axis components.
struct TMomentensummen {
    Extended L = 0.0L, S = 0.0L, D = 0.0L;
    Extended Mx = 0.0L, My = 0.0L, Mz = 0.0L;
    Extended xL = 0.0L, yL = 0.0L, yD = 0.0L, zD = 0.0L, xS = 0.0L, zS = 0.0L;

    void Addiere(const T3Vektor& r, Extended l, Extended s, Extended d)
    {
        Mx = Mx - r.y * l + r.z * s;
        My = My - r.x * l + r.z * d;
        Mz = Mz + r.y * d - r.x * s;
        L += l;
        S += s;
        D += d;
        xL += r.x * l;
        yL += r.y * l;
        yD += r.y * d;
        zD += r.z * d;
        xS += r.x * s;
        zS += r.z * s;
    }

    /// Adds force `kraft` acting at `punkt`, taken relative to `bezug`.
    void Addiere(const TFLUGZEUG& fz, const T3Vektor& punkt, const T3Vektor& bezug, const T3Vektor& kraft)
    {
        Addiere(Vektordifferenz(punkt, bezug), Skalarprodukt3D(kraft, fz.Auftriebsrichtung),
                Skalarprodukt3D(kraft, fz.Seitenkraftrichtung), Skalarprodukt3D(kraft, fz.Anstroemrichtung));
    }
};

/// Moment coefficient 2 M / area / lu; 0 without a reference area or chord (an aircraft whose
/// surfaces have no area carries no moment worth a coefficient).
Extended Momentenbeiwert(Extended moment, Extended flaeche, Extended bezugstiefe)
{
    return (flaeche != 0.0L && bezugstiefe != 0.0L) ? 2.0L * moment / flaeche / bezugstiefe : 0.0L;
}

/// Resultant position: partial sum / force, 0 when the force is too small to locate it.
Extended Resultierendenort(Extended teilsumme, Extended kraft) { return std::fabs(kraft) > KleinsteKraft ? teilsumme / kraft : 0.0L; }

class TAuswertung {
public:
    TAuswertung(TSZENE& szene, THost& host, bool wasser, int threads, TLoesungsverfahren verfahren)
        : fz_(*szene.Flugzeug), host_(host), wasser_(wasser), threads_(std::max(1, threads)),
          schnell_(verfahren == TLoesungsverfahren::Schnell)
    {
        for (int f = 0; f < fz_.Flaechen.Count(); ++f) {
            const TLIST2D<TPAN>& raster = fz_.Flaechen.Get(f)->Panelraster;
            for (int j = 0; j < raster.RowCount(); ++j)
                for (int k = 0; k < raster.Count(j); ++k) panels_.push_back(raster.Get(j, k));
        }
        panelzahl_ = static_cast<int>(panels_.size());
    }

    void Ausfuehren()
    {
        host_.StatustextNr(63);
        host_.Flags.ProfilauswertungGueltig = false;
        fz_.Gesamtkraft = {};
        Fortschritt(0);
        if (!Geschwindigkeiten()) return;
        TMomentensummen nullpunkt;
        for (int f = 0; f < fz_.Flaechen.Count(); ++f)
            if (!FlaecheAuswerten(*fz_.Flaechen.Get(f), nullpunkt)) return;
        Flugzeugbeiwerte(nullpunkt);
        Reynoldszahlen();
        Druckpunkte(nullpunkt);
        fz_.CmxNullpunkt = Momentenbeiwert(nullpunkt.Mx, fz_.FlaecheWahrGesamt, fz_.Bezugstiefe);
        fz_.CmyNullpunkt = Momentenbeiwert(nullpunkt.My, fz_.FlaecheHorizontalGesamt, fz_.Bezugstiefe);
        fz_.CmzNullpunkt = Momentenbeiwert(nullpunkt.Mz, fz_.FlaecheWahrGesamt, fz_.Bezugstiefe);
        if (!MomenteUmBezugspunkt()) return;
        Fortschritt(0);
    }

private:
    void Fortschritt(int position)
    {
        host_.Fortschritt(TFortschrittsbalken::Haupt, position, 3 * panelzahl_);
        host_.Fortschritt(TFortschrittsbalken::Neben, position, 3 * panelzahl_);
    }

    /// The event turn and stop check before each panel; on a stop the run is told it no longer runs.
    bool Weiter()
    {
        host_.Ereignisschleife();
        if (!host_.Flags.Stoppanforderung) {
            Fortschritt(++schritt_);
            return true;
        }
        Abbrechen();
        return false;
    }

    void Abbrechen()
    {
        host_.Fortschritt(TFortschrittsbalken::Haupt, 0, 0);
        host_.Fortschritt(TFortschrittsbalken::Neben, 0, 0);
        host_.Flags.RechnungLaeuft = false;
        host_.NeuZeichnen();
        host_.Statustext({});
    }

    /// Force points of every panel: the midpoint of its bound vortex and that of the chordwise
    /// piece from there to the next bound vortex of the strip, or to the trailing edge.
    void Kraftpunkte()
    {
        for (int f = 0; f < fz_.Flaechen.Count(); ++f) {
            const TLIST2D<TPAN>& raster = fz_.Flaechen.Get(f)->Panelraster;
            for (int j = 0; j < raster.RowCount(); ++j)
                for (int k = 0; k < raster.Count(j); ++k) {
                    TPAN& p = *raster.Get(j, k);
                    const TPAN* naechster = raster.Get(j, k + 1);
                    const T3Vektor a = p.GebundenerWirbel.Anfang;
                    const T3Vektor b = p.GebundenerWirbel.Ende;
                    p.Wirbelvektor = Vektordifferenz(a, b);
                    p.Kraftpunkt = Mitte(a, b);
                    TWirbel laengs;
                    laengs.Anfang = p.Kraftpunkt;
                    laengs.Ende = naechster
                                      ? Mitte(naechster->GebundenerWirbel.Anfang, naechster->GebundenerWirbel.Ende)
                                      : Mitte(p.EckeHintenLinks, p.EckeHintenRechts);
                    laengs.Aktualisiere();
                    p.Laengsvektor = Vektordifferenz(laengs.Anfang, laengs.Ende);
                    p.Laengskraftpunkt = Mitte(laengs.Anfang, laengs.Ende);
                }
        }
    }

    /// V1 and V2 of panel i: the free stream plus the velocity all vortex elements induce at its two
    /// force points. Each is the same sum in the same order whichever thread takes it.
    void Geschwindigkeit(std::size_t i)
    {
        const TPAN& p = *panels_[i];
        if (schnell_) {
            v1_[i] = Vektorsumme(fz_.Anstroemrichtung, Induziert(p.Kraftpunkt));
            v2_[i] = Vektorsumme(fz_.Anstroemrichtung, Induziert(p.Laengskraftpunkt));
            return;
        }
        v1_[i] = fz_.Anstroemrichtung;
        InduzierteGeschwindigkeit(fz_, p.Kraftpunkt, v1_[i]);
        v2_[i] = fz_.Anstroemrichtung;
        InduzierteGeschwindigkeit(fz_, p.Laengskraftpunkt, v2_[i]);
    }

    /// The velocity all vortex elements induce at P, summed in double.
    T3Vektor Induziert(const T3Vektor& P) const
    {
        const TPunktD v = wirbelfeld_.Geschwindigkeit(PunktD(P));
        return {v.x, v.y, v.z};
    }

    /// The local velocities of all panels: on the calling thread with an event turn and stop check
    /// per panel, or in contiguous bands on worker threads while the calling thread keeps the event
    /// loop turning. False when a stop ended it.
    bool Geschwindigkeiten()
    {
        Kraftpunkte();
        if (schnell_) wirbelfeld_ = Wirbelfeld(fz_);
        const std::size_t n = panels_.size();
        v1_.assign(n, T3Vektor{});
        v2_.assign(n, T3Vektor{});
        const int threads = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(threads_), std::max<std::size_t>(n, 1)));
        if (threads <= 1) {
            for (std::size_t i = 0; i < n; ++i) {
                if (!Weiter()) return false;
                Geschwindigkeit(i);
            }
            return true;
        }
        std::atomic<int> erledigt{0};
        std::vector<std::unique_ptr<TArbeiter>> arbeiter;
        for (int t = 0; t < threads; ++t) {
            const std::size_t von = n * static_cast<std::size_t>(t) / static_cast<std::size_t>(threads);
            const std::size_t bis = n * static_cast<std::size_t>(t + 1) / static_cast<std::size_t>(threads);
            arbeiter.push_back(std::make_unique<TArbeitsauftrag>([this, von, bis, &erledigt] {
                for (std::size_t i = von; i < bis && !host_.Flags.Stoppanforderung; ++i) {
                    Geschwindigkeit(i);
                    erledigt.fetch_add(1, std::memory_order_relaxed);
                }
            }));
        }
        LassArbeiten(arbeiter, host_, [&] { Fortschritt(schritt_ + erledigt.load(std::memory_order_relaxed)); });
        schritt_ += static_cast<int>(n);
        if (!host_.Flags.Stoppanforderung) return true;
        Abbrechen();
        return false;
    }

    /// Forces of panel i of the evaluation order; `rechterNachbar` is the panel of the next strip in
    /// the same column, nullptr on the outermost strip.
    void PanelKraefte(std::size_t i, const TPAN* rechterNachbar, TMomentensummen& summen)
    {
        TPAN& p = *panels_[i];
        // The chordwise piece lies between the strip's two side lines: it carries their mean.
        const TWirbel& rechts = rechterNachbar ? rechterNachbar->WirbelLinks.front() : p.WirbelRechts.front();
        p.Gamma1 = p.GebundenerWirbel.Zirkulation;
        p.Gamma2 = (p.WirbelLinks.front().Zirkulation + rechts.Zirkulation) / 2.0L;

        // With the reversed segment vectors, Gamma (dl x V) is rho Gamma V x dl per unit rho V².
        p.Kraft1 = Vektorskalierung(p.Gamma1, Kreuzprodukt(p.Wirbelvektor, v1_[i]));
        p.Kraft2 = Vektorskalierung(p.Gamma2, Kreuzprodukt(p.Laengsvektor, v2_[i]));
        p.Panelkraft = Vektorsumme(p.Kraft1, p.Kraft2);

        summen.Addiere(fz_, p.Kraftpunkt, T3Vektor{}, p.Kraft1);
        summen.Addiere(fz_, p.Laengskraftpunkt, T3Vektor{}, p.Kraft2);
    }

    bool FlaecheAuswerten(TFLAECHE& fl, TMomentensummen& summen)
    {
        fl.Kraft = {};
        Extended auftriebsstreifenWiderstand = 0.0L;
        const TLIST2D<TPAN>& raster = fl.Panelraster;
        for (int j = 0; j < raster.RowCount(); ++j) {
            const int spalten = raster.Count(j);
            if (spalten <= 0) continue;
            T3Vektor streifenkraft;
            T3Vektor normalensumme;
            const bool aussen = j == raster.RowCount() - 1;
            for (int k = 0; k < spalten; ++k) {
                if (!Weiter()) return false;
                const std::size_t i = naechstes_++;
                const TPAN& p = *panels_[i];
                normalensumme = Vektorsumme(normalensumme, p.Normale);
                PanelKraefte(i, aussen ? nullptr : raster.Get(j + 1, k), summen);
                streifenkraft = Vektorsumme(streifenkraft, p.Panelkraft);
            }
            auftriebsstreifenWiderstand += StreifenErgebnisse(fl, j, streifenkraft, normalensumme);
            fl.Kraft = Vektorsumme(fl.Kraft, streifenkraft);
        }
        Flaechenbeiwerte(fl, auftriebsstreifenWiderstand);
        return true;
    }

    /// Writes the strip's result row; returns the strip's drag when it carries lift, else 0.
    Extended StreifenErgebnisse(TFLAECHE& fl, int j, const T3Vektor& kraft, const T3Vektor& normalensumme)
    {
        const TPAN& erster = *fl.Panelraster.Get(j, 0);
        const TPAN& letzter = *fl.Panelraster.Get(j, fl.Panelraster.Count(j) - 1);

        Ergebnis(fl, j, SlotStreifennormale).Vektor = EinheitOderNull(normalensumme);
        Ergebnis(fl, j, SlotSegmentnummer).Wert = erster.Segment;

        const T3Vektor nL = EinheitOderNull(Kreuzprodukt(fz_.Anstroemrichtung, erster.GebundenerWirbel.Richtung));

        const T3Vektor vorne = Mitte(erster.EckeVorneLinks, erster.EckeVorneRechts);
        const T3Vektor hinten = Mitte(letzter.EckeHintenLinks, letzter.EckeHintenRechts);
        Ergebnis(fl, j, SlotVorderkante).Punkt = vorne;
        Ergebnis(fl, j, SlotHinterkante).Punkt = hinten;
        const Extended tiefe = Punktabstand(vorne, hinten);
        Ergebnis(fl, j, SlotStreifentiefe).Wert = tiefe;

        // The width is measured across the stream only, in the y-z plane.
        T3Vektor links = Mitte(erster.EckeVorneLinks, erster.EckeHintenLinks);
        T3Vektor rechts = Mitte(erster.EckeVorneRechts, erster.EckeHintenRechts);
        links.x = rechts.x = 0.0L;
        const Extended breite = Punktabstand(links, rechts);
        Ergebnis(fl, j, SlotStreifenbreite).Wert = breite;

        // A strip without width or chord has no area to refer its force to: it gets no
        // coefficients rather than undefined ones.
        const Extended k = (breite > 0.0L && tiefe > 0.0L) ? 2.0L / breite / tiefe : 0.0L;
        const Extended ca = Skalarprodukt3D(kraft, nL) * k;
        Extended cwi = Skalarprodukt3D(kraft, fz_.Anstroemrichtung) * k;
        // cwi = ca ai: a strip without lift has no induced angle to speak of, so it shows 0.
        Ergebnis(fl, j, SlotAi).Wert = ca != 0.0L ? cwi / ca * GradProRad : 0.0L;
        if (ca < 0.0L && cwi < 0.0L) cwi = std::fabs(cwi);
        Ergebnis(fl, j, SlotCa).Wert = ca;
        Ergebnis(fl, j, SlotCwi).Wert = cwi;
        Ergebnis(fl, j, SlotGamma).Wert = ca * tiefe * 0.5L;
        Ergebnis(fl, j, SlotStreifenkraft).Vektor = kraft;

        const bool traegt = Skalarprodukt3D(kraft, fz_.Auftriebsrichtung) * k != 0.0L;
        return traegt ? Skalarprodukt3D(kraft, fz_.Anstroemrichtung) : 0.0L;
    }

    void Flaechenbeiwerte(TFLAECHE& fl, Extended auftriebsstreifenWiderstand)
    {
        fl.CA = Beiwert(Skalarprodukt3D(fl.Kraft, fz_.Auftriebsrichtung), fl.FlaecheHorizontal);
        fl.CS = Beiwert(Skalarprodukt3D(fl.Kraft, fz_.Seitenkraftrichtung), fl.FlaecheSeitlich);
        fl.CWi = Beiwert(Skalarprodukt3D(fl.Kraft, fz_.Anstroemrichtung), fl.FlaecheWahr);
        fl.Cwi = Beiwert(auftriebsstreifenWiderstand, fl.FlaecheHorizontal);
        if (fl.CA < 0.0L && fl.CWi < 0.0L) fl.CWi = std::fabs(fl.CWi);
        if (fl.Cwi < 0.0L && fl.CA < 0.0L) fl.Cwi = std::fabs(fl.Cwi);
        fz_.Gesamtkraft = Vektorsumme(fz_.Gesamtkraft, fl.Kraft);

        // An upright fin has no horizontal area and hence no aspect ratio in the lift plane, a
        // surface without span none either; such a surface carries no CA, so its elliptic
        // reference drag and the ratio to it are 0, like every coefficient without a reference.
        fl.Streckung = fl.FlaecheHorizontal != 0.0L ? fl.Spannweite * fl.Spannweite / fl.FlaecheHorizontal : 0.0L;
        fl.CwiElliptisch = fl.Streckung != 0.0L ? fl.CA * fl.CA / std::numbers::pi_v<Extended> / fl.Streckung : 0.0L;
        fl.CwiVerhaeltnis = fl.CwiElliptisch != 0.0L ? fl.Cwi / fl.CwiElliptisch : 0.0L;
    }

    void Flugzeugbeiwerte(const TMomentensummen& s)
    {
        fz_.AuslegungsCa = Beiwert(s.L, fz_.FlaecheHorizontalGesamt);
        fz_.CS = Beiwert(s.S, fz_.FlaecheSeitlichGesamt);
        fz_.CWi = Beiwert(s.D, fz_.FlaecheWahrGesamt);
        if (fz_.AuslegungsCa < 0.0L && fz_.CWi < 0.0L) fz_.CWi = std::fabs(fz_.CWi);
        // Without lift (or without a fluid) no speed carries the weight; 0 says so instead of an
        // infinite speed that would poison the Reynolds numbers.
        const Extended ca = std::fabs(fz_.AuslegungsCa);
        const bool traegt = fz_.FlaecheHorizontalGesamt != 0.0L && ca != 0.0L && fz_.Luftdichte > 0.0L;
        fz_.FlugGeschwindigkeit =
            traegt ? std::sqrt(2.0L * fz_.Gesamtmasse * Erdbeschleunigung / ca / fz_.Luftdichte / fz_.FlaecheHorizontalGesamt)
                   : 0.0L;
    }

    void Reynoldszahlen()
    {
        const Extended faktor = wasser_ ? ReFaktorWasser : ReFaktorLuft;
        for (int f = 0; f < fz_.Flaechen.Count(); ++f) {
            TFLAECHE& fl = *fz_.Flaechen.Get(f);
            for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
                if (fl.Panelraster.Count(j) <= 0) continue;
                const Extended tiefe = Ergebnis(fl, j, SlotStreifentiefe).Wert;
                Ergebnis(fl, j, SlotRe).Wert = tiefe * fz_.FlugGeschwindigkeit * faktor;
            }
        }
    }

    void Druckpunkte(const TMomentensummen& s)
    {
        fz_.SchwerpunktX = Resultierendenort(s.xL, s.L);
        fz_.WiderstandspunktZ = Resultierendenort(s.zD, s.D);
        fz_.AuftriebspunktY = Resultierendenort(s.yL, s.L);
        fz_.SeitenkraftpunktZ = Resultierendenort(s.zS, s.S);
        fz_.WiderstandspunktY = Resultierendenort(s.yD, s.D);
        fz_.SeitenkraftpunktX = Resultierendenort(s.xS, s.S);
    }

    bool MomenteUmBezugspunkt()
    {
        fz_.Momentenbezugspunkt = {fz_.SchwerpunktX, 0.0L, 0.0L};
        TMomentensummen s;
        for (int f = 0; f < fz_.Flaechen.Count(); ++f) {
            const TLIST2D<TPAN>& raster = fz_.Flaechen.Get(f)->Panelraster;
            for (int j = 0; j < raster.RowCount(); ++j) {
                for (int k = 0; k < raster.Count(j); ++k) {
                    if (!Weiter()) return false;
                    const TPAN& p = *raster.Get(j, k);
                    s.Addiere(fz_, p.Kraftpunkt, fz_.Momentenbezugspunkt, p.Kraft1);
                    s.Addiere(fz_, p.Laengskraftpunkt, fz_.Momentenbezugspunkt, p.Kraft2);
                }
            }
        }
        fz_.Cmx = Momentenbeiwert(s.Mx, fz_.FlaecheWahrGesamt, fz_.Bezugstiefe);
        fz_.Cmy = Momentenbeiwert(s.My, fz_.FlaecheHorizontalGesamt, fz_.Bezugstiefe);
        fz_.Cmz = Momentenbeiwert(s.Mz, fz_.FlaecheWahrGesamt, fz_.Bezugstiefe);
        return true;
    }

    TFLUGZEUG& fz_;
    THost& host_;
    bool wasser_;
    int threads_;
    bool schnell_;
    TSegmentfeld wirbelfeld_;    ///< the vortex elements for the fast sums
    std::vector<TPAN*> panels_;  ///< surface by surface, strip by strip, column by column
    std::vector<T3Vektor> v1_;   ///< local velocity at each panel's bound-vortex midpoint
    std::vector<T3Vektor> v2_;   ///< local velocity at each panel's chordwise-piece midpoint
    std::size_t naechstes_ = 0;  ///< the next panel of the force pass
    int panelzahl_ = 0;
    int schritt_ = 0;
};

}  // namespace

void Auswertung(TSZENE& szene, THost& host, bool wasser, int threads, TLoesungsverfahren verfahren)
{
    if (!szene.Flugzeug) return;
    TAuswertung(szene, host, wasser, threads, verfahren).Ausfuehren();
}
