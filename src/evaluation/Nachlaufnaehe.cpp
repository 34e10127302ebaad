// The closest passage of a wake line by another surface's control points.
#include "evaluation/Nachlaufnaehe.h"

#include <cmath>
#include <vector>

#include "model/TPAN.h"
#include "model/T_FLAECHE.h"

namespace {

/// Distance of point p from the segment w.
Extended Abstand(const T3Vektor& p, const TWirbel& w)
{
    const T3Vektor d = Vektordifferenz(p, w.Anfang);
    Extended t = Skalarprodukt3D(d, w.Richtung);
    if (t < 0.0L) t = 0.0L;
    if (t > w.Laenge) t = w.Laenge;
    return Punktabstand(p, Vektorsumme(w.Anfang, Vektorskalierung(t, w.Richtung)));
}

/// The wake elements behind the trailing edge of a surface.
std::vector<const TWirbel*> Nachlaufelemente(const TFLAECHE& flaeche)
{
    std::vector<const TWirbel*> elemente;
    const TLIST2D<TPAN>& raster = flaeche.Panelraster;
    for (int j = 0; j < raster.RowCount(); ++j)
        for (int k = 0; k < raster.Count(j); ++k) {
            const TPAN* p = raster.Get(j, k);
            for (const auto* linie : {&p->WirbelLinks, &p->WirbelRechts})
                for (const TWirbel& w : *linie)
                    if (w.Art == WirbelNachlaufLinks || w.Art == WirbelNachlaufRechts) elemente.push_back(&w);
        }
    return elemente;
}

}  // namespace

TNachlaufnaehe NaechsterNachlauf(const TFLUGZEUG& f)
{
    TNachlaufnaehe naehe;
    for (int a = 0; a < f.Flaechen.Count(); ++a) {
        const std::vector<const TWirbel*> nachlauf = Nachlaufelemente(*f.Flaechen.Get(a));
        if (nachlauf.empty()) continue;
        for (int b = 0; b < f.Flaechen.Count(); ++b) {
            if (b == a) continue;
            const TLIST2D<TPAN>& raster = f.Flaechen.Get(b)->Panelraster;
            for (int j = 0; j < raster.RowCount(); ++j)
                for (int k = 0; k < raster.Count(j); ++k) {
                    const TPAN& panel = *raster.Get(j, k);
                    // Only panels that carry lift move the neutral point; a fin in the plane of a
                    // wake line is passed closely without consequence for it.
                    if (std::fabs(panel.Normale.z) < 0.5L) continue;
                    const T3Vektor& aufpunkt = panel.Aufpunkt;
                    for (const TWirbel* w : nachlauf) {
                        const Extended h = Abstand(aufpunkt, *w);
                        if (naehe.Nachlaufflaeche < 0 || h < naehe.Abstand) naehe = {a, b, h};
                    }
                }
        }
    }
    return naehe;
}

bool NeutralpunktWeichtAb(const TFLUGZEUG& f)
{
    const TRobusterNeutralpunkt& r = f.NeutralpunktRobust;
    return r.Gueltig && std::fabs(r.Neutralpunkt - f.Neutralpunkt) > 0.01L * f.Bezugstiefe;
}
