// The STL export: quads between consecutive volume sections split into two triangles each, and for
// a closed body the end caps and the trailing-edge strip.
#include "export/STL_Export.h"

#include "common/Host.h"
#include "common/Textdatei.h"
#include "export/Exportflaechen.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

namespace {

using TKontur = std::vector<TStlPunkt>;

TKontur InAusgabeeinheit(const TProfil& schnitt, const T3Vektor& position, Extended faktor)
{
    TKontur k;
    for (const TKoordinate& p : schnitt.Punkte())
        k.push_back({static_cast<float>((p.X + position.x) * faktor), static_cast<float>((p.Y + position.y) * faktor),
                     static_cast<float>((p.Z + position.z) * faktor)});
    return k;
}

void Haut(STL_Koerper& koerper, const TKontur& a, const TKontur& b)
{
    if (a.size() < 2 || b.size() < a.size()) return;
    for (size_t j = 0; j + 1 < a.size(); ++j) {
        const TStlPunkt& pa = a[j];
        const TStlPunkt& pb = b[j];
        const TStlPunkt& pc = b[j + 1];
        const TStlPunkt& pd = a[j + 1];
        // Choosing the diagonal by the side keeps the two mirrored halves mirror images.
        if (pa[1] + pb[1] + pc[1] + pd[1] >= 0.0F) {
            koerper.DreieckHinzufuegen(STL_Dreieck::Aus(pa, pb, pd));
            koerper.DreieckHinzufuegen(STL_Dreieck::Aus(pb, pc, pd));
        } else {
            koerper.DreieckHinzufuegen(STL_Dreieck::Aus(pa, pb, pc));
            koerper.DreieckHinzufuegen(STL_Dreieck::Aus(pd, pa, pc));
        }
    }
}

/// A closing triangle; one with two equal corners closes nothing and is left out.
void Abschluss(STL_Koerper& koerper, const TStlPunkt& p, const TStlPunkt& q, const TStlPunkt& r, bool umkehren)
{
    if (p == q || q == r || r == p) return;
    koerper.DreieckHinzufuegen(umkehren ? STL_Dreieck::Aus(p, r, q) : STL_Dreieck::Aus(p, q, r));
}

/// The strip over the trailing-edge gap between the last and the first point of two sections,
/// turned like the skin beside it.
void Endleistenstreifen(STL_Koerper& koerper, const TKontur& a, const TKontur& b)
{
    if (a.size() < 2 || b.size() != a.size()) return;
    const TStlPunkt& a0 = a.front();
    const TStlPunkt& an = a.back();
    const TStlPunkt& b0 = b.front();
    const TStlPunkt& bn = b.back();
    Abschluss(koerper, a0, an, bn, false);
    Abschluss(koerper, a0, bn, b0, false);
}

/// An end cap: rungs from each upper point to the lower point at the same index from the end, so a
/// profile contour is closed without overlapping triangles. The cap at the start of the surface runs
/// against the skin's edges there; the one at the end (umkehren) the other way.
void Endkappe(STL_Koerper& koerper, const TKontur& k, bool umkehren)
{
    if (k.size() < 3) return;
    size_t l = 0;
    size_t r = k.size() - 1;
    while (r - l >= 2) {
        if (r - l == 2) {
            Abschluss(koerper, k[l], k[l + 1], k[r], umkehren);
            break;
        }
        Abschluss(koerper, k[l], k[l + 1], k[r - 1], umkehren);
        Abschluss(koerper, k[l], k[r - 1], k[r], umkehren);
        ++l;
        --r;
    }
}

} // namespace

STL_Koerper StlKoerper(const TFLUGZEUG& flugzeug, const TStlOptionen& optionen, THost& host)
{
    STL_Koerper koerper;
    for (const auto& flaeche : flugzeug.Flaechen) {
        if (!flaeche->StlAuswahl) continue;
        const auto kopie = Exportkopie(*flaeche, host);
        std::vector<TKontur> konturen;
        for (const TProfil* s : Volumenschnittfolge(*kopie))
            konturen.push_back(InAusgabeeinheit(*s, flaeche->Position, optionen.Einheitenfaktor));
        for (size_t i = 0; i + 1 < konturen.size(); ++i) Haut(koerper, konturen[i], konturen[i + 1]);
        if (!optionen.Geschlossen || konturen.size() < 2) continue;
        for (size_t i = 0; i + 1 < konturen.size(); ++i) Endleistenstreifen(koerper, konturen[i], konturen[i + 1]);
        Endkappe(koerper, konturen.front(), false);
        Endkappe(koerper, konturen.back(), true);
    }
    return koerper;
}

bool StlExportieren(TSZENE& szene, const TStlOptionen& optionen, const std::filesystem::path& datei, THost& host)
{
    if (optionen.Exportaufloesung < KleinsteExportaufloesung) {
        host.Fehlertext(45);
        return false;
    }
    TExportaufloesung aufloesung(*szene.Flugzeug, optionen.Exportaufloesung, host);
    STL_Koerper koerper = StlKoerper(*szene.Flugzeug, optionen, host);
    koerper.KopfSetzen(Utf8ZuCp1252(szene.Name));
    koerper.Schreiben(datei);
    return true;
}
