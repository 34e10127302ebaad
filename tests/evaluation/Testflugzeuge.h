// Aircraft built in code for the computation tests and benchmarks: rectangular and elliptic wings and
// a small symmetric aircraft, all with the default (symmetric) profile, so every surface is a flat
// plate in the lattice.
#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "common/Extended.h"
#include "common/Host.h"
#include "geometry/Flaechenbau.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

namespace testflugzeuge {

inline std::unique_ptr<TSEGMENT> Segment(Extended breite, Extended tiefe, int panelsY, TVerteilung verteilung)
{
    auto s = std::make_unique<TSEGMENT>();
    s->Segmentbreite = breite;
    s->Profiltiefe = tiefe;
    s->AnzahlPanelsY = panelsY;
    s->VerteilungY = verteilung;
    s->Segmentprofil->SetDefault();
    return s;
}

inline std::unique_ptr<TFLAECHE> Flaeche(TFlaechenArt art, Extended wurzeltiefe, int panelsX)
{
    auto f = std::make_unique<TFLAECHE>(art);
    f->Profiltiefe = wurzeltiefe;
    f->AnzahlPanelsX = panelsX;
    f->Wurzelprofil->SetDefault();
    return f;
}

inline std::unique_ptr<TSZENE> Szene()
{
    auto szene = NeuesFlugzeug();
    szene->Flugzeug->ZusaetzlicheMassen = 1.0L;
    return szene;
}

/// Adds the surface after building its sections.
inline void Hinzufuegen(TSZENE& szene, std::unique_ptr<TFLAECHE> f)
{
    THost host;
    BaueFlaeche(*f, host);
    szene.Flugzeug->Flaechen.Add(std::move(f));
}

/// An unswept flat rectangular surface: two segments meeting at y = 0, `panelsYHalb` spanwise panels
/// on each, `panelsX` chordwise.
inline std::unique_ptr<TFLAECHE> Rechteckflaeche(Extended spannweite, Extended tiefe, int panelsX, int panelsYHalb,
                                                 TVerteilung verteilungY)
{
    auto f = Flaeche(TFlaechenArt::Fluegel, tiefe, panelsX);
    f->Bezeichnung = "Rechteck";
    f->Segmente.Add(Segment(-spannweite / 2.0L, tiefe, panelsYHalb, verteilungY));
    f->Segmente.Add(Segment(spannweite / 2.0L, tiefe, panelsYHalb, verteilungY));
    return f;
}

/// A flat rectangular wing of the given span and chord.
inline std::unique_ptr<TSZENE> Rechteckfluegel(Extended spannweite, Extended tiefe, int panelsX, int panelsYHalb,
                                               TVerteilung verteilungY = TVerteilung::Linear)
{
    auto szene = Szene();
    Hinzufuegen(*szene, Rechteckflaeche(spannweite, tiefe, panelsX, panelsYHalb, verteilungY));
    return szene;
}

/// Two identical rectangular wings in the same place: every row of the system appears twice, so
/// the circulations have no unique solution and the elimination meets a zero pivot.
inline std::unique_ptr<TSZENE> DoppelterFluegel()
{
    auto szene = Rechteckfluegel(1.0L, 0.2L, 2, 2);
    Hinzufuegen(*szene, Rechteckflaeche(1.0L, 0.2L, 2, 2, TVerteilung::Linear));
    szene->Flugzeug->Anstellwinkel = 4.0L;
    return szene;
}

/// A flat wing with elliptic chords and a straight quarter-chord line: `segmenteHalb` segments on
/// each side, their stations spaced like the cosine of the span angle (dense at the tips), one
/// spanwise panel each. The tip chord is the smallest the model accepts.
inline std::unique_ptr<TSZENE> Ellipsenfluegel(Extended spannweite, Extended wurzeltiefe, int panelsX,
                                               int segmenteHalb)
{
    auto szene = Szene();
    auto f = Flaeche(TFlaechenArt::Fluegel, wurzeltiefe, panelsX);
    f->Bezeichnung = "Ellipse";
    const Extended s = spannweite / 2.0L;
    auto station = [&](int k) { return s * std::sin(std::numbers::pi_v<Extended> / 2.0L * k / segmenteHalb); };
    auto tiefe = [&](Extended y) {
        const Extended q = y / s;
        return std::max(0.00001L, wurzeltiefe * std::sqrt(std::max(0.0L, 1.0L - q * q)));
    };
    // Left segments first, from the tip inwards, so the list runs from the left tip to the right tip.
    for (int k = segmenteHalb; k >= 1; --k) {
        const Extended aussen = station(k), innen = station(k - 1);
        auto seg = Segment(-(aussen - innen), tiefe(aussen), 1, TVerteilung::Linear);
        // The leading edge moves aft by a quarter of the chord lost, keeping the quarter chord straight.
        seg->Pfeilwinkel = std::atan((tiefe(innen) - tiefe(aussen)) / 4.0L / (aussen - innen)) * GradProRad;
        f->Segmente.Add(std::move(seg));
    }
    for (int k = 1; k <= segmenteHalb; ++k) {
        const Extended aussen = station(k), innen = station(k - 1);
        auto seg = Segment(aussen - innen, tiefe(aussen), 1, TVerteilung::Linear);
        seg->Pfeilwinkel = std::atan((tiefe(innen) - tiefe(aussen)) / 4.0L / (aussen - innen)) * GradProRad;
        f->Segmente.Add(std::move(seg));
    }
    Hinzufuegen(*szene, std::move(f));
    return szene;
}

/// A small aircraft symmetric about y = 0: a wing with dihedral, a tailplane behind and above it and
/// an upright fin on the centre line.
inline std::unique_ptr<TSZENE> SymmetrischesFlugzeug()
{
    auto szene = Szene();

    auto fluegel = Flaeche(TFlaechenArt::Fluegel, 0.22L, 4);
    fluegel->Bezeichnung = "Fluegel";
    for (Extended seite : {-1.0L, 1.0L}) {
        auto innen = Segment(seite * 0.4L, 0.2L, 3, TVerteilung::Linear);
        innen->VFormWinkel = 3.0L;
        auto aussen = Segment(seite * 0.3L, 0.14L, 2, TVerteilung::Linear);
        aussen->VFormWinkel = 8.0L;
        aussen->Pfeilwinkel = 5.0L;
        if (seite < 0) {
            fluegel->Segmente.Add(std::move(aussen));
            fluegel->Segmente.Add(std::move(innen));
        } else {
            fluegel->Segmente.Add(std::move(innen));
            fluegel->Segmente.Add(std::move(aussen));
        }
    }
    Hinzufuegen(*szene, std::move(fluegel));

    auto hoehe = Flaeche(TFlaechenArt::Fluegel, 0.12L, 3);
    hoehe->Bezeichnung = "Hoehenleitwerk";
    hoehe->Position = {0.8L, 0.0L, 0.05L};
    hoehe->Einstellwinkel = -1.5L;
    hoehe->Segmente.Add(Segment(-0.2L, 0.09L, 2, TVerteilung::Linear));
    hoehe->Segmente.Add(Segment(0.2L, 0.09L, 2, TVerteilung::Linear));
    Hinzufuegen(*szene, std::move(hoehe));

    auto seite = Flaeche(TFlaechenArt::Seitenleitwerk, 0.14L, 3);
    seite->Bezeichnung = "Seitenleitwerk";
    seite->Position = {0.78L, 0.0L, 0.0L};
    auto fin = Segment(0.16L, 0.09L, 3, TVerteilung::Linear);
    fin->VFormWinkel = 90.0L;
    fin->Pfeilwinkel = 20.0L;
    seite->Segmente.Add(std::move(fin));
    Hinzufuegen(*szene, std::move(seite));
    return szene;
}

}  // namespace testflugzeuge
