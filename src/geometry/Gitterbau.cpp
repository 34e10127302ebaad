// Lattice construction and surface reference values.
#include "geometry/Gitterbau.h"

#include <cmath>
#include <memory>

#include "common/Host.h"
#include "common/Zahlentext.h"
#include "geometry/Flugzustand.h"
#include "geometry/Flaechenbau.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "profile/T_Profil.h"
#include "geometry/Wirbelaufbau.h"

namespace {

/// Sums of areas that stay below this are rounding noise of a surface without area.
constexpr Extended KleinsteFlaeche = 0.0000001L;

/// Fill mode of a panel freshly built by the lattice construction.
constexpr int FuellmodusGitter = 2;

struct TEckpunkt {
    Extended x;
    Extended y;
    Extended z;
};

TEckpunkt Verschoben(const TKoordinate& k, const T3Vektor& position, bool runden)
{
    TEckpunkt e{k.X + position.x, k.Y + position.y, k.Z + position.z};
    if (runden) e = {RoundReal(8, e.x), RoundReal(8, e.y), RoundReal(8, e.z)};
    return e;
}

/// Makes the panels of one table from pairs of neighbouring sections, segment after segment.
/// Each section runs from the trailing edge (point 0) forward, so column 0 is the leading-edge panel.
/// Lattice corners are rounded so that panels sharing an edge share its corners exactly.
void Raster(TFLAECHE& flaeche, int index, bool gitter)
{
    auto& tabelle = gitter ? flaeche.Panelraster : flaeche.Volumenraster;
    auto& speicher = gitter ? flaeche.Gitterpanels : flaeche.Volumenpanels;
    int r = -1;
    for (int j = 0; j < flaeche.Segmente.Count(); ++j) {
        const TSEGMENT& segment = *flaeche.Segmente.Get(j);
        const auto& schnitte = gitter ? segment.Klappengitterschnitte : segment.Klappenvolumenschnitte;
        const int seite = segment.Segmentbreite >= 0.0L ? 1 : -1;
        for (std::size_t s = 0; s + 1 < schnitte.size(); ++s) {
            ++r;
            const TProfil& links = *schnitte[s];
            const TProfil& rechts = *schnitte[s + 1];
            // AnzahlPanelsX + 1 points on a camber line, the contour's own count on a volume contour.
            const int punkte = std::min(links.Anzahl(), rechts.Anzahl());
            int k = -1;
            for (int n = punkte - 2; n >= 0; --n) {
                ++k;
                auto panel = std::make_unique<TPAN>();
                const TEckpunkt ecken[4] = {
                    Verschoben(*links.Punkt(n), flaeche.Position, gitter),
                    Verschoben(*rechts.Punkt(n), flaeche.Position, gitter),
                    Verschoben(*rechts.Punkt(n + 1), flaeche.Position, gitter),
                    Verschoben(*links.Punkt(n + 1), flaeche.Position, gitter),
                };
                for (int e = 0; e < 4; ++e) panel->SetzeEcke(e, ecken[e].x, ecken[e].y, ecken[e].z);
                panel->Flaeche = index;
                panel->Segment = j;
                panel->StreifenImSegment = static_cast<int>(s);
                panel->Spalte = k;
                panel->Streifen = r;
                panel->Seite = seite;
                panel->GebundenerWirbel.Zirkulation = 100000.0L;
                panel->Tabelle = &tabelle;
                panel->Aktualisiere();
                panel->Fuellmodus = FuellmodusGitter;
                tabelle.Put(r, k, panel.get());
                speicher.push_back(std::move(panel));
            }
        }
    }
}

}  // namespace

void PanelsAufbauen(TFLAECHE& flaeche, int index)
{
    flaeche.Panelraster.Clear();
    flaeche.Volumenraster.Clear();
    flaeche.Gitterpanels.clear();
    flaeche.Volumenpanels.clear();
    Raster(flaeche, index, true);
    Raster(flaeche, index, false);
}

void Bezugswerte(TFLAECHE& flaeche)
{
    Extended horizontal = 0.0L;
    Extended seitlich = 0.0L;
    Extended wahr = 0.0L;
    Extended tiefenquadrat = 0.0L;
    auto klein = [](Extended& summe) {
        if (summe < KleinsteFlaeche) summe = 0.0L;
    };
    for (int j = 0; j < flaeche.Segmente.Count(); ++j) {
        const TSEGMENT& segment = *flaeche.Segmente.Get(j);
        const Extended w = std::fabs(segment.Segmentbreite);
        const Extended v = segment.VFormWinkel / GradProRad;
        const Extended innen = InnereProfiltiefe(flaeche, j);
        const Extended aussen = segment.Profiltiefe;
        const Extended a = w * (innen + aussen) / 2.0L;
        horizontal += std::fabs(std::cos(v)) * a;
        klein(horizontal);
        seitlich += std::fabs(std::sin(v)) * a;
        klein(seitlich);
        wahr += a;
        klein(wahr);
        // Exact integral of the squared chord over a linearly tapered segment.
        tiefenquadrat += w * (innen * innen + innen * aussen + aussen * aussen) / 3.0L;
    }
    flaeche.FlaecheHorizontal = horizontal;
    flaeche.FlaecheSeitlich = seitlich;
    flaeche.FlaecheWahr = wahr;
    // No area, no mean chord: 0 rather than 0/0, which would spoil the aircraft's weighted chord.
    flaeche.Bezugstiefe = wahr != 0.0L ? tiefenquadrat / wahr : 0.0L;
}

void SpannweiteStreckung(TFLAECHE& flaeche)
{
    Extended ymin = 10000000.0L;
    Extended ymax = -10000000.0L;
    bool schnitte = false;
    for (const auto& segment : flaeche.Segmente) {
        for (const auto& schnitt : segment->Gitterschnitte) {
            if (schnitt->Anzahl() == 0) continue;
            const Extended y = schnitt->Punkt(schnitt->Anzahl() - 1)->Y;
            if (y < ymin) ymin = y;
            if (y > ymax) ymax = y;
            schnitte = true;
        }
    }
    // Without sections the start values would pose as a span of 2e7 m.
    flaeche.Spannweite = schnitte ? std::fabs(ymin) + std::fabs(ymax) : 0.0L;
    // An upright fin has no horizontal area and therefore no aspect ratio in this sense.
    flaeche.Streckung =
        flaeche.FlaecheHorizontal != 0.0L ? flaeche.Spannweite * flaeche.Spannweite / flaeche.FlaecheHorizontal : 0.0L;
}

int AnzahlPanels(const TFLAECHE& flaeche) { return static_cast<int>(flaeche.Gitterpanels.size()); }

int AnzahlPanels(const TFLUGZEUG& flugzeug)
{
    int n = 0;
    for (const auto& f : flugzeug.Flaechen) n += AnzahlPanels(*f);
    return n;
}

void GitterAufbauen(TFLUGZEUG& flugzeug, TLaufFlags& flags)
{
    flags.ErgebnisseGueltig = false;
    for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) {
        TFLAECHE& flaeche = *flugzeug.Flaechen.Get(i);
        flaeche.Ergebnisraster.Clear();
        PanelsAufbauen(flaeche, i);
        Bezugswerte(flaeche);
        SpannweiteStreckung(flaeche);
    }
    Flugzustandsvektoren(flugzeug);
    const TNachlaufvorgabe nachlauf{flugzeug.AnzahlNachlaufelemente, flugzeug.LaengeNachlaufelemente,
                                    flugzeug.Anstroemrichtung};
    for (const auto& flaeche : flugzeug.Flaechen) WirbelAufbauen(flaeche->Panelraster, nachlauf);
}
