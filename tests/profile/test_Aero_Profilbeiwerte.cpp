// Characteristic values against thin-airfoil theory and the tabulated NACA 0010.
#include <gtest/gtest.h>

#include <cmath>

#include "AeroTestprofile.h"
#include "common/TestHilfe.h"
#include "profile/PanelVerfahren.h"
#include "profile/Profilbeiwerte.h"
#include "profile/T_Profil.h"

using aero_test::Pi;

namespace {

::testing::AssertionResult RelativNahe(Extended wert, Extended soll, Extended relativ)
{
    return NaheL(wert, soll, relativ * std::fabs(soll));
}

}  // namespace

// Thin-airfoil theory for z = 4 f x (1 - x): zero-lift angle -2f, moment about 25 % -pi f, ideal angle
// 0, ideal lift 4 pi f, lift slope 2 pi, neutral point at 25 %.
TEST(AeroBeiwerte, ThinParabolaGivesThinAirfoilValues)
{
    for (Extended f : {0.01L, 0.02L, 0.04L, -0.03L}) {
        SCOPED_TRACE(static_cast<double>(f));
        TProfil p = aero_test::DuenneParabel(f);
        BerechneBeiwerte(p);
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Alfa0) / GradProRad, -2.0L * f, 1e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Cm0), -Pi * f, 1e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::CaIdeal), 4.0L * Pi * f, 1e-3L));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::AlfaIdeal) / GradProRad, 0.0L, 1e-3L * 2.0L * std::fabs(f)));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Auftriebsanstieg), 2.0L * Pi, 1e-15L));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Neutralpunktlage), 25.0L, 1e-15L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Woelbung), 100.0L * f, 1e-12L));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Woelbungsruecklage), 50.0L, 1e-12L));
        EXPECT_EQ(p.Beiwert(TProfil::Dicke), 0.0L);
    }
}

TEST(AeroBeiwerte, DefaultNaca0010IsSymmetricAndTenPercentThick)
{
    TProfil p;
    p.SetDefault();
    BerechneBeiwerte(p);
    EXPECT_EQ(p.Anzahl(), 35);
    EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Dicke), 10.004L, 1e-12L));
    EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Dickenruecklage), 30.0L, 1e-12L));
    for (int i : {TProfil::Woelbung, TProfil::Alfa0, TProfil::Cm0, TProfil::AlfaIdeal, TProfil::CaIdeal}) {
        SCOPED_TRACE(TProfil::Beiwertnamen[i]);
        EXPECT_TRUE(NaheL(p.Beiwert(i), 0.0L, 1e-15L));
    }
    // Thickness raises the lift slope above 2 pi; the panel method on the same contour agrees
    // within a few per cent.
    TProfil q = p;
    PanelVerfahren(q, 2.0L);
    const Extended panelAnstieg = PanelKraefte(q, 2.0L).Ca / (2.0L / GradProRad);
    EXPECT_GT(p.Beiwert(TProfil::Auftriebsanstieg), 2.0L * Pi);
    EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Auftriebsanstieg), panelAnstieg, 0.05L));
}

// Reference values: the thin-airfoil integrals of the NACA 24xx and 44xx camber lines, evaluated
// numerically (alfa0 [deg], cm about 25 %, ideal angle [deg], ideal lift).
TEST(AeroBeiwerte, NacaCamberLinesMatchThinAirfoilIntegrals)
{
    struct TFall {
        const char* name;
        Extended m;
        Extended alfa0, cm0, alfaIdeal, caIdeal;
    };
    const TFall faelle[] = {
        {"naca2412", 0.02L, -2.07724L, -0.05312L, 0.25742L, 0.25602L},
        {"naca4412", 0.04L, -4.15448L, -0.10624L, 0.51485L, 0.51205L},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TProfil p = NacaProfil(fall.m, 0.4L, 0.12L, 40, TNacaDicke::Senkrecht);
        BerechneBeiwerte(p);
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Alfa0), fall.alfa0, 5e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Cm0), fall.cm0, 5e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::AlfaIdeal), fall.alfaIdeal, 5e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::CaIdeal), fall.caIdeal, 5e-3L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Woelbung), 100.0L * fall.m, 2e-3L));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Woelbungsruecklage), 40.0L, 3.0L));
        EXPECT_TRUE(RelativNahe(p.Beiwert(TProfil::Dicke), 12.0L, 2e-3L));
        EXPECT_TRUE(NaheL(p.Beiwert(TProfil::Dickenruecklage), 30.0L, 2.0L));
    }
}
