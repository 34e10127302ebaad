// Small surfaces built in code for the geometry tests: the rectangular wing and variations of it.
#pragma once

#include <memory>

#include "common/Host.h"
#include "model/T_FLAECHE.h"
#include "model/T_SEGMENT.h"
#include "profile/T_Profil.h"

/// A host that hears nothing, for builds whose messages a test does not look at.
inline THost& Host()
{
    static THost host;
    return host;
}

/// A segment of the given signed width and chord with the default profile.
inline std::unique_ptr<TSEGMENT> Testsegment(Extended breite, Extended tiefe)
{
    auto s = std::make_unique<TSEGMENT>();
    s->Segmentbreite = breite;
    s->Profiltiefe = tiefe;
    s->Segmentprofil->SetDefault();
    return s;
}

/// A surface with the default root profile, root chord `tiefe`, N chordwise panels (Linear) and
/// no segments.
inline std::unique_ptr<TFLAECHE> Testflaeche(Extended tiefe, int panelsX = 4)
{
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Profiltiefe = tiefe;
    f->AnzahlPanelsX = panelsX;
    f->VerteilungX = TVerteilung::Linear;
    f->Wurzelprofil->SetDefault();
    return f;
}

/// 1 m span, 0.2 m chord, two segments of width -0.5 and +0.5, N = 4 Linear, one strip each.
inline std::unique_ptr<TFLAECHE> Rechteckfluegel()
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(-0.5L, 0.2L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    return f;
}
