// A wing lattice built by hand, laid out as the lattice construction lays it out (sections left to
// right, points from the trailing edge, corners rounded to 8 decimals), with its vortex elements.
// Shared by the solver tests and the solver benchmark.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "common/Vektor.h"
#include "common/Zahlentext.h"
#include "geometry/Wirbelaufbau.h"
#include "model/TPAN.h"
#include "model/TLIST2D.h"

struct TFluegelmass {
    Extended Spannweite = 1.0L;
    Extended Tiefe = 0.2L;
    int PanelsX = 4;   // chordwise
    int PanelsY = 10;  // spanwise strips over the whole span
    Extended Pfeil = 0.0L;   // x offset per metre of |y|
    Extended VForm = 0.0L;   // z offset per metre of |y|
    Extended Zuspitzung = 1.0L;  // tip chord / root chord
    T3Vektor Position;
    int Flaeche = 0;
};

/// One surface: owns its panels, its table refers to them.
struct TTestflaeche {
    std::vector<std::unique_ptr<TPAN>> Panels;
    TLIST2D<TPAN> Panelraster;
};

inline void BaueFlaeche(TTestflaeche& f, const TFluegelmass& m)
{
    f.Panels.clear();
    f.Panelraster.Clear();
    const auto schnitt = [&](int r, int q) {  // section r (left to right), point q (0 = trailing edge)
        const Extended y = -m.Spannweite / 2 + m.Spannweite * r / m.PanelsY;
        const Extended halb = m.Spannweite / 2;
        const Extended tiefe = m.Tiefe * (1 + (m.Zuspitzung - 1) * std::fabs(y) / halb);
        const Extended x = m.Pfeil * std::fabs(y) + tiefe * (1 - static_cast<Extended>(q) / m.PanelsX);
        return T3Vektor{x + m.Position.x, y + m.Position.y, m.VForm * std::fabs(y) + m.Position.z};
    };
    for (int r = 0; r < m.PanelsY; ++r) {
        int k = -1;
        for (int n = m.PanelsX - 1; n >= 0; --n) {
            ++k;
            auto& p = f.Panels.emplace_back(std::make_unique<TPAN>());
            const T3Vektor ecken[4] = {schnitt(r, n), schnitt(r + 1, n), schnitt(r + 1, n + 1), schnitt(r, n + 1)};
            for (int e = 0; e < 4; ++e)
                p->SetzeEcke(e, RoundReal(8, ecken[e].x), RoundReal(8, ecken[e].y), RoundReal(8, ecken[e].z));
            p->Flaeche = m.Flaeche;
            p->Streifen = r;
            p->StreifenImSegment = r;
            p->Spalte = k;
            p->Seite = r >= m.PanelsY / 2 ? 1 : -1;
            p->Tabelle = &f.Panelraster;
            p->GebundenerWirbel.Zirkulation = 100000.0L;
            p->Aktualisiere();
            p->Fuellmodus = 2;
            f.Panelraster.Put(r, k, p.get());
        }
    }
}

inline T3Vektor Anstroemung(Extended alphaGrad, Extended betaGrad = 0.0L)
{
    const Extended a = alphaGrad / 57.29577951308232L;
    const Extended b = betaGrad / 57.29577951308232L;
    return {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
}

/// Surfaces with their vortex elements and the flat panel list in system order.
struct TTestgitter {
    std::vector<std::unique_ptr<TTestflaeche>> Flaechen;
    std::vector<TPAN*> Panelliste;
    T3Vektor Anstroemrichtung;

    TTestgitter(const std::vector<TFluegelmass>& masse, Extended alphaGrad, int nachlaufelemente = 10,
                Extended nachlauflaenge = 1.0L)
        : Anstroemrichtung(Anstroemung(alphaGrad))
    {
        const TNachlaufvorgabe nachlauf{nachlaufelemente, nachlauflaenge, Anstroemrichtung};
        for (const TFluegelmass& m : masse) {
            auto& f = Flaechen.emplace_back(std::make_unique<TTestflaeche>());
            BaueFlaeche(*f, m);
            WirbelAufbauen(f->Panelraster, nachlauf);
            for (int r = 0; r < f->Panelraster.RowCount(); ++r)
                for (int k = 0; k < f->Panelraster.Count(r); ++k) Panelliste.push_back(f->Panelraster.Get(r, k));
        }
    }
};
