// The force evaluation checked against what the aerodynamics of thin wings says independently of
// the method: elliptic loading, the lift slope of lifting-surface theory, mirror symmetry, linearity
// in small angles, and the bookkeeping of strips, areas and moments.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>

#include "common/TestHilfe.h"
#include "control/Rechenlauf.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "model/TErgebnis.h"
#include "evaluation/Testflugzeuge.h"
#include "model/TSchalter.h"

namespace {

TRechenoptionen Optionen()
{
    TRechenoptionen o;
    o.Loeser.Prozessorzahl = 2;
    return o;
}

/// Runs the scene at angle of attack `alfa` (and sideslip `beta`) and fails the test when the run
/// did not complete.
void Rechne(TSZENE& szene, Extended alfa, Extended beta = 0.0L, bool wasser = false)
{
    szene.Flugzeug->Anstellwinkel = alfa;
    szene.Flugzeug->Schiebewinkel = beta;
    GesamtmasseBerechnen(*szene.Flugzeug);
    THost host;
    TRechenoptionen o = Optionen();
    o.Wasser = wasser;
    Rechenlauf(szene, TSchalter{}, o, host);
    ASSERT_TRUE(host.Flags.ErgebnisseGueltig);
}

Extended Slot(const TFLAECHE& f, int streifen, int slot)
{
    const TErgebnis* e = f.Ergebnisraster.Get(streifen, slot);
    return e ? e->Wert : 0.0L;
}

const TFLAECHE& Flaeche(const TSZENE& szene, int i) { return *szene.Flugzeug->Flaechen.Get(i); }

}  // namespace

TEST(Kraefte, EllipticPlanformHasNearlyEllipticInducedDrag)
{
    // Munk: an elliptic load has the least induced drag, CA²/(pi A). A flat elliptic planform with
    // a straight quarter-chord line loads elliptically, so the ratio approaches 1 as the lattice is
    // refined. Forces taken on the bound vortices in the local flow (near field) come out a few
    // percent low on coarse lattices.
    struct Fall {
        const char* name;
        int panelsX, segmenteHalb;
        Extended toleranz;
    };
    const Fall faelle[] = {{"grob", 4, 10, 0.08L}, {"fein", 6, 24, 0.04L}};
    Extended abweichung[2];
    for (int i = 0; i < 2; ++i) {
        const Fall& f = faelle[i];
        SCOPED_TRACE(f.name);
        auto szene = testflugzeuge::Ellipsenfluegel(1.6L, 0.2L, f.panelsX, f.segmenteHalb);
        Rechne(*szene, 5.0L);
        const TFLAECHE& fl = Flaeche(*szene, 0);
        std::cout << "[ Ellipse " << f.name << " " << 2 * f.segmenteHalb << "x" << f.panelsX
                  << " ] CA " << static_cast<double>(fl.CA) << " Cwi " << static_cast<double>(fl.Cwi)
                  << " CwiElliptisch " << static_cast<double>(fl.CwiElliptisch) << " CwiVerhaeltnis "
                  << static_cast<double>(fl.CwiVerhaeltnis) << '\n';
        EXPECT_GT(fl.CA, 0.0L);
        abweichung[i] = std::fabs(fl.CwiVerhaeltnis - 1.0L);
        EXPECT_LT(abweichung[i], f.toleranz);
    }
    EXPECT_LT(abweichung[1], abweichung[0]) << "refining moves the ratio towards 1";
}

TEST(Kraefte, RectangularWingOfAspectRatioFiveHasTheLiftingSurfaceSlope)
{
    // Lifting-surface theory puts a flat rectangular wing of aspect ratio 5 at about 4.0 per radian,
    // below the elliptic-wing value 2 pi A / (2 + sqrt(A² + 4)) = 4.25 and well below lifting-line
    // theory's 4.3.
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 8, 12, TVerteilung::Cos);
    Rechne(*szene, 0.0L);
    const Extended ca0 = szene->Flugzeug->AuslegungsCa;
    Rechne(*szene, 2.0L);
    const Extended ca2 = szene->Flugzeug->AuslegungsCa;
    const Extended steigung = (ca2 - ca0) / (2.0L / GradProRad);
    std::cout << "[ Rechteck A=5 8x24 ] dCA/dalfa " << static_cast<double>(steigung) << " per rad\n";
    EXPECT_TRUE(NaheL(Flaeche(*szene, 0).Streckung, 5.0L, 1e-12L));
    EXPECT_TRUE(NaheL(ca0, 0.0L, 1e-12L));
    EXPECT_GT(steigung, 3.85L);
    EXPECT_LT(steigung, 4.15L);
}

TEST(Kraefte, LiftGrowsLinearlyWithSmallAngles)
{
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 4);
    Extended ca[4];
    for (int i = 0; i < 4; ++i) {
        Rechne(*szene, i * 1.0L);
        ca[i] = szene->Flugzeug->AuslegungsCa;
    }
    EXPECT_TRUE(NaheL(ca[0], 0.0L, 1e-12L));
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(NaheL(ca[i], i * ca[1], 0.005L * ca[i]));
}

TEST(Kraefte, SymmetricAircraftAtZeroSideslipHasNoSideForceRollOrYaw)
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    Rechne(*szene, 3.0L);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    EXPECT_GT(fz.AuslegungsCa, 0.1L);
    EXPECT_TRUE(NaheL(fz.CS, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.Cmx, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.Cmz, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.CmxNullpunkt, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.CmzNullpunkt, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.AuftriebspunktY, 0.0L, 1e-12L));

    // Strip j of a wing mirrors strip (count - 1 - j): same scalars, force mirrored in y.
    for (int f = 0; f < 2; ++f) {
        const TFLAECHE& fl = Flaeche(*szene, f);
        const int n = fl.Ergebnisraster.RowCount();
        ASSERT_GT(n, 0);
        for (int j = 0; j < n; ++j) {
            SCOPED_TRACE(::testing::Message() << fl.Bezeichnung << " strip " << j);
            const int m = n - 1 - j;
            for (int slot : {SlotGamma, SlotCa, SlotCwi, SlotAi, SlotStreifentiefe, SlotStreifenbreite, SlotRe})
                EXPECT_TRUE(NaheL(Slot(fl, j, slot), Slot(fl, m, slot), 1e-12L * (1.0L + std::fabs(Slot(fl, j, slot)))));
            const T3Vektor a = fl.Ergebnisraster.Get(j, SlotStreifenkraft)->Vektor;
            const T3Vektor b = fl.Ergebnisraster.Get(m, SlotStreifenkraft)->Vektor;
            EXPECT_TRUE(NaheL(a.x, b.x, 1e-14L));
            EXPECT_TRUE(NaheL(a.y, -b.y, 1e-14L));
            EXPECT_TRUE(NaheL(a.z, b.z, 1e-14L));
        }
    }
    // The fin on the centre line carries no load without sideslip.
    EXPECT_TRUE(NaheL(Flaeche(*szene, 2).CS, 0.0L, 1e-12L));
}

TEST(Kraefte, SideslipMakesSideForceAndYawOfOppositeSignsForOppositeAngles)
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    Rechne(*szene, 3.0L, 5.0L);
    const Extended cs = szene->Flugzeug->CS, cmx = szene->Flugzeug->Cmx, cmz = szene->Flugzeug->Cmz;
    Rechne(*szene, 3.0L, -5.0L);
    EXPECT_NE(cs, 0.0L);
    EXPECT_TRUE(NaheL(szene->Flugzeug->CS, -cs, 1e-12L));
    EXPECT_TRUE(NaheL(szene->Flugzeug->Cmx, -cmx, 1e-12L));
    EXPECT_TRUE(NaheL(szene->Flugzeug->Cmz, -cmz, 1e-12L));
}

TEST(Kraefte, NegativeAngleMirrorsLiftAndKeepsDragAndSpeed)
{
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 3);
    Rechne(*szene, 4.0L);
    const Extended caPlus = szene->Flugzeug->AuslegungsCa, cwPlus = szene->Flugzeug->CWi;
    const Extended vPlus = szene->Flugzeug->FlugGeschwindigkeit;
    const Extended aiPlus = Slot(Flaeche(*szene, 0), 1, SlotAi);
    const Extended cwiPlus = Slot(Flaeche(*szene, 0), 1, SlotCwi);
    Rechne(*szene, -4.0L);
    const TFLUGZEUG& minus = *szene->Flugzeug;
    EXPECT_TRUE(NaheL(minus.AuslegungsCa, -caPlus, 1e-12L));
    EXPECT_TRUE(NaheL(minus.CWi, cwPlus, 1e-12L));
    EXPECT_GT(minus.CWi, 0.0L);
    EXPECT_TRUE(NaheL(minus.FlugGeschwindigkeit, vPlus, 1e-9L));
    EXPECT_GT(minus.FlugGeschwindigkeit, 0.0L);
    EXPECT_TRUE(NaheL(Slot(Flaeche(*szene, 0), 1, SlotAi), -aiPlus, 1e-12L));
    EXPECT_TRUE(NaheL(Slot(Flaeche(*szene, 0), 1, SlotCwi), cwiPlus, 1e-12L));
}

TEST(Kraefte, StripsAddUpToTheSurface)
{
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 5, TVerteilung::Cos);
    Rechne(*szene, 5.0L);
    const TFLAECHE& fl = Flaeche(*szene, 0);
    Extended flaeche = 0.0L, auftrieb = 0.0L, breite = 0.0L;
    for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j) {
        const Extended b = Slot(fl, j, SlotStreifenbreite), l = Slot(fl, j, SlotStreifentiefe);
        EXPECT_TRUE(NaheL(l, 0.2L, 1e-12L));
        breite += b;
        flaeche += b * l;
        auftrieb += Slot(fl, j, SlotCa) * b * l;
    }
    EXPECT_TRUE(NaheL(breite, fl.Spannweite, 1e-12L));
    EXPECT_TRUE(NaheL(flaeche, fl.FlaecheHorizontal, 1e-12L));
    // The strips' lift direction is the wing's for a flat wing without sideslip.
    EXPECT_TRUE(NaheL(auftrieb / flaeche, fl.CA, 1e-12L));
    EXPECT_TRUE(NaheL(fl.CA, szene->Flugzeug->AuslegungsCa, 1e-15L));
}

TEST(Kraefte, StripSlotsFollowTheirDefinitions)
{
    // Circulation is half of ca times the chord, the Reynolds number comes from the chord (not the
    // strip width) at the speed that carries the weight, and a lifting strip is washed down: its
    // induced angle, cwi / ca in degrees, is positive.
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 5, TVerteilung::Cos);
    Rechne(*szene, 4.0L);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    const TFLAECHE& fl = Flaeche(*szene, 0);
    const Extended v = std::sqrt(2.0L * fz.Gesamtmasse * 9.8065L / fz.AuslegungsCa / 1.225L / fz.FlaecheHorizontalGesamt);
    ASSERT_TRUE(NaheL(fz.FlugGeschwindigkeit, v, 1e-15L));
    for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j) {
        SCOPED_TRACE(j);
        const Extended ca = Slot(fl, j, SlotCa), l = Slot(fl, j, SlotStreifentiefe);
        ASSERT_GT(ca, 0.0L);
        EXPECT_LT(Slot(fl, j, SlotStreifenbreite), 0.17L);  // narrower than the chord: the two differ
        EXPECT_TRUE(NaheL(Slot(fl, j, SlotGamma), ca * l / 2.0L, 1e-15L));
        EXPECT_TRUE(NaheL(Slot(fl, j, SlotRe), 0.2L * v * 69930.0L, 1e-14L));
        EXPECT_GT(Slot(fl, j, SlotCwi), 0.0L);
        EXPECT_GT(Slot(fl, j, SlotAi), 0.0L);
        EXPECT_TRUE(NaheL(Slot(fl, j, SlotAi), Slot(fl, j, SlotCwi) / ca * 57.29577951308232L, 1e-15L));
    }
}

TEST(Kraefte, FlatWingPitchesAboutItsLiftResultantOnlyThroughDrag)
{
    // All force points of a flat wing lie at z = 0: about the lift resultant nothing pitches, and
    // about the zero point the lift alone does.
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 6, 5);
    Rechne(*szene, 5.0L);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    EXPECT_TRUE(NaheL(fz.Momentenbezugspunkt.x, fz.SchwerpunktX, 0.0L));
    EXPECT_TRUE(NaheL(fz.Cmy, 0.0L, 1e-12L));
    EXPECT_TRUE(NaheL(fz.CmyNullpunkt, -fz.AuslegungsCa * fz.SchwerpunktX / fz.Bezugstiefe, 1e-12L));
    // A flat plate lifts about its quarter chord; a finite wing's tip loss moves it little.
    std::cout << "[ Rechteck A=5 6x10 ] Druckpunkt x/l " << static_cast<double>(fz.SchwerpunktX / 0.2L) << '\n';
    EXPECT_GT(fz.SchwerpunktX / 0.2L, 0.2L);
    EXPECT_LT(fz.SchwerpunktX / 0.2L, 0.27L);
}

TEST(Kraefte, WaterChangesOnlyTheReynoldsNumbers)
{
    auto luft = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 2);
    auto wasser = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 2);
    Rechne(*luft, 4.0L);
    Rechne(*wasser, 4.0L, 0.0L, true);
    const TFLAECHE& a = Flaeche(*luft, 0);
    const TFLAECHE& w = Flaeche(*wasser, 0);
    for (int j = 0; j < a.Ergebnisraster.RowCount(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_GT(Slot(a, j, SlotRe), 0.0L);
        EXPECT_TRUE(NaheL(Slot(w, j, SlotRe) / Slot(a, j, SlotRe), 909090.0L / 69930.0L, 1e-15L));
        EXPECT_EQ(Slot(w, j, SlotCa), Slot(a, j, SlotCa));
    }
}

namespace {

/// Every result the evaluation writes, checked for non-finite values.
void AlleWerteEndlich(const TSZENE& szene)
{
    const TFLUGZEUG& fz = *szene.Flugzeug;
    const Extended flugzeug[] = {fz.AuslegungsCa, fz.CS, fz.CWi, fz.FlugGeschwindigkeit, fz.SchwerpunktX,
                                 fz.AuftriebspunktY, fz.WiderstandspunktY, fz.WiderstandspunktZ,
                                 fz.SeitenkraftpunktX, fz.SeitenkraftpunktZ, fz.CmxNullpunkt, fz.CmyNullpunkt,
                                 fz.CmzNullpunkt, fz.Cmx, fz.Cmy, fz.Cmz};
    for (Extended w : flugzeug) EXPECT_TRUE(std::isfinite(w));
    for (const auto& fl : fz.Flaechen) {
        SCOPED_TRACE(fl->Bezeichnung);
        const Extended flaeche[] = {fl->CA, fl->CS, fl->CWi, fl->Cwi, fl->Streckung, fl->CwiElliptisch, fl->CwiVerhaeltnis};
        for (Extended w : flaeche) EXPECT_TRUE(std::isfinite(w));
        for (int j = 0; j < fl->Ergebnisraster.RowCount(); ++j)
            for (int slot = 0; slot < ErgebnisSlotAnzahl; ++slot)
                if (const TErgebnis* e = fl->Ergebnisraster.Get(j, slot)) {
                    SCOPED_TRACE(::testing::Message() << "strip " << j << " slot " << slot);
                    EXPECT_TRUE(std::isfinite(e->Wert));
                    EXPECT_TRUE(std::isfinite(e->Vektor.x) && std::isfinite(e->Vektor.y) && std::isfinite(e->Vektor.z));
                }
    }
}

}  // namespace

TEST(Kraefte, LiftlessWingAndLoneFinGiveNumbersNotUndefinedValues)
{
    auto fluegel = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 2);
    Rechne(*fluegel, 0.0L);
    AlleWerteEndlich(*fluegel);
    EXPECT_EQ(fluegel->Flugzeug->SchwerpunktX, 0.0L);
    EXPECT_EQ(fluegel->Flugzeug->Momentenbezugspunkt.x, 0.0L);
    EXPECT_EQ(fluegel->Flugzeug->FlugGeschwindigkeit, 0.0L) << "no lift carries no weight";
    EXPECT_EQ(Slot(Flaeche(*fluegel, 0), 0, SlotAi), 0.0L);
    EXPECT_EQ(Flaeche(*fluegel, 0).CwiVerhaeltnis, 0.0L);

    // A fin alone: no horizontal area, so no lift coefficient, aspect ratio or flight speed.
    auto szene = testflugzeuge::Szene();
    auto fin = testflugzeuge::Flaeche(TFlaechenArt::Seitenleitwerk, 0.15L, 4);
    auto segment = testflugzeuge::Segment(0.2L, 0.1L, 3, TVerteilung::Linear);
    segment->VFormWinkel = 90.0L;
    fin->Segmente.Add(std::move(segment));
    testflugzeuge::Hinzufuegen(*szene, std::move(fin));
    Rechne(*szene, 2.0L, 6.0L);
    AlleWerteEndlich(*szene);
    const TFLAECHE& fl = Flaeche(*szene, 0);
    EXPECT_EQ(fl.FlaecheHorizontal, 0.0L);
    EXPECT_EQ(fl.Streckung, 0.0L);
    EXPECT_EQ(fl.CA, 0.0L);
    EXPECT_EQ(fl.CwiElliptisch, 0.0L);
    EXPECT_NE(fl.CS, 0.0L);
    EXPECT_EQ(szene->Flugzeug->FlugGeschwindigkeit, 0.0L);
}
