// Horseshoe elements and wake lines of the lattice.
#include "geometry/Wirbelaufbau.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"

namespace {

constexpr Extended PiHalbe = 1.5707963267948966L;

T3Vektor Mitte(const T3Vektor& a, const T3Vektor& b) { return Vektorskalierung(0.5L, Vektorsumme(a, b)); }

void Anhaengen(std::vector<TWirbel>& liste, const T3Vektor& anfang, const T3Vektor& ende, WirbelArt art)
{
    TWirbel& w = liste.emplace_back();
    w.Anfang = anfang;
    w.Ende = ende;
    w.Art = art;
    w.Aktualisiere();
}

TPAN& Nachbar(TLIST2D<TPAN>& t, int zeile, int spalte)
{
    TPAN* p = t.Get(zeile, spalte);
    if (p == nullptr)
        throw EVelionFehler(Sprachwahl("Panel-Tabelle ohne Panel in Streifen ", "Panel table without a panel in strip ") + std::to_string(zeile + 1) +
                            Sprachwahl(", Spalte ", ", column ") +
                            std::to_string(spalte + 1));
    return *p;
}

}  // namespace

void NachlaufAnhaengen(TPAN& panel, int seite, const TNachlaufvorgabe& nachlauf)
{
    std::vector<TWirbel>& liste = seite == 0 ? panel.WirbelLinks : panel.WirbelRechts;
    const WirbelArt art = seite == 0 ? WirbelNachlaufLinks : WirbelNachlaufRechts;
    if (liste.empty()) throw EVelionFehler(Sprachwahl("Nachlauf ohne Seitenlinie, an die er anschließen kann", "Wake without a side line to join"));
    const int n = nachlauf.Anzahl;
    for (int k = 0; k <= n; ++k) {
        const Extended laenge =
            k < n ? nachlauf.Laenge * (std::cos(PiHalbe * k / n) - std::cos(PiHalbe * (k + 1) / n)) : LaengeEndelement;
        const T3Vektor anfang = liste.back().Ende;
        Anhaengen(liste, anfang, Vektorsumme(anfang, Vektorskalierung(laenge, nachlauf.Anstroemrichtung)), art);
    }
}

void WirbelAufbauen(TLIST2D<TPAN>& panelraster, const TNachlaufvorgabe& nachlauf)
{
    TLIST2D<TPAN>& t = panelraster;
    const int letzterStreifen = t.RowCount() - 1;
    for (int s = 0; s <= letzterStreifen; ++s) {
        const int letzteSpalte = t.Count(s) - 1;
        for (int j = 0; j <= letzteSpalte; ++j) {
            TPAN* P = t.Get(s, j);
            if (P == nullptr) continue;
            const bool hinterkante = j == letzteSpalte;
            const int plaetze = hinterkante ? nachlauf.Anzahl + 2 : 2;

            TWirbel& gebunden = P->GebundenerWirbel;
            gebunden.Anfang = P->ViertelpunktLinks;
            gebunden.Ende = P->ViertelpunktRechts;
            gebunden.Art = WirbelGebunden;
            gebunden.Aktualisiere();

            // The left side line of strip s is shared with the right edge of strip s-1: it runs along
            // the mean of both edges, so that it exists once.
            P->WirbelLinks.clear();
            P->WirbelLinks.reserve(static_cast<std::size_t>(plaetze));
            if (s == 0) {
                Anhaengen(P->WirbelLinks, P->ViertelpunktLinks, P->EckeHintenLinks, WirbelSeitenlinieLinks);
                if (!hinterkante)
                    Anhaengen(P->WirbelLinks, P->EckeHintenLinks, Nachbar(t, s, j + 1).ViertelpunktLinks,
                              WirbelSeitenlinieLinks);
            } else {
                const TPAN& Pp = Nachbar(t, s - 1, j);
                const T3Vektor ecke = Mitte(Pp.EckeHintenRechts, P->EckeHintenLinks);
                Anhaengen(P->WirbelLinks, Mitte(Pp.ViertelpunktRechts, P->ViertelpunktLinks), ecke,
                          WirbelSeitenlinieLinks);
                if (!hinterkante)
                    Anhaengen(P->WirbelLinks, ecke,
                              Mitte(Nachbar(t, s - 1, j + 1).ViertelpunktRechts, Nachbar(t, s, j + 1).ViertelpunktLinks),
                              WirbelSeitenlinieLinks);
            }
            if (hinterkante) NachlaufAnhaengen(*P, 0, nachlauf);

            P->WirbelRechts.clear();
            if (s == letzterStreifen) {
                P->WirbelRechts.reserve(static_cast<std::size_t>(plaetze));
                Anhaengen(P->WirbelRechts, P->ViertelpunktRechts, P->EckeHintenRechts, WirbelSeitenlinieRechts);
                if (!hinterkante)
                    Anhaengen(P->WirbelRechts, P->EckeHintenRechts, Nachbar(t, s, j + 1).ViertelpunktRechts,
                              WirbelSeitenlinieRechts);
                else
                    NachlaufAnhaengen(*P, 1, nachlauf);
            }
        }
    }
}
