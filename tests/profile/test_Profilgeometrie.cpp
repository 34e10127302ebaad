// Profile geometry: nose, side heights, rotations, scaling, inversion, section area, plane normal and
// the alignment of a contour lying in space.
#include <cmath>
#include <numbers>

#include "Naca.h"
#include "common/TestHilfe.h"
#include "profile/T_Profil.h"

namespace {

TProfil Standard()
{
    TProfil p;
    p.SetDefault();
    return p;
}

// Diamond of chord 1 and thickness 0.2 (area 0.1), nose at the origin.
TProfil Raute()
{
    TProfil p;
    for (const auto& [x, z] : {std::pair{1.0L, 0.0L}, {0.5L, 0.1L}, {0.0L, 0.0L}, {0.5L, -0.1L}, {1.0L, 0.0L}}) p.AddPunkt({x, 0.0L, z});
    return p;
}

}  // namespace

TEST(Profilgeometrie, NaseEinfuegenOnlyWhereTheNoseIsMissing)
{
    TProfil p = Standard();
    p.NaseEinfuegen();
    EXPECT_EQ(p.Anzahl(), 35);

    // Without the nose point the new one goes where the contour turns.
    p.DeletePunkt(17);
    p.NaseEinfuegen();
    ASSERT_EQ(p.Anzahl(), 35);
    EXPECT_EQ(p.Punkt(17)->X, 0.0L);
    EXPECT_EQ(p.Punkt(17)->Z, 0.0L);
    EXPECT_EQ(p.Punkt(18)->X, 0.0125L);

    // A point at X = 0 that is not at Z = 0 is no nose: (0, 0) goes where X stops falling, here
    // between it and the first lower point.
    TProfil q = Standard();
    q.Punkt(17)->Z = 0.001L;
    q.NaseEinfuegen();
    ASSERT_EQ(q.Anzahl(), 36);
    EXPECT_EQ(q.Punkt(16)->Z, 0.01578L);
    EXPECT_EQ(q.Punkt(17)->X, 0.0L);
    EXPECT_EQ(q.Punkt(17)->Z, 0.0L);
    EXPECT_EQ(q.Punkt(18)->Z, 0.001L);
}

TEST(Profilgeometrie, MinXAndExtremum)
{
    TProfil leer;
    EXPECT_EQ(leer.MinX(), 1e6L);
    EXPECT_EQ(leer.Extremum(2, TProfil::TExtremart::Kleinstes).Index, 0);
    EXPECT_EQ(leer.Extremum(2, TProfil::TExtremart::Kleinstes).Wert, 100000.0L);
    EXPECT_EQ(leer.Extremum(0, TProfil::TExtremart::Groesstes).Wert, -100000.0L);

    const TProfil p = Standard();
    EXPECT_EQ(p.MinX(), 0.0L);
    // Of the two trailing-edge points at X = 1 the first wins.
    EXPECT_EQ(p.Extremum(0, TProfil::TExtremart::Groesstes).Index, 0);
    EXPECT_EQ(p.Extremum(0, TProfil::TExtremart::Kleinstes).Index, 17);
    EXPECT_EQ(p.Extremum(2, TProfil::TExtremart::Groesstes).Index, 8);
    EXPECT_EQ(p.Extremum(2, TProfil::TExtremart::Kleinstes).Index, 26);
    EXPECT_EQ(p.Extremum(2, TProfil::TExtremart::Kleinstes).Wert, -0.05002L);
    EXPECT_EQ(p.Extremum(1, TProfil::TExtremart::Groesstes).Index, 0);
}

TEST(Profilgeometrie, HoeheBeiXOnPointsAndBetween)
{
    TProfil p = Standard();
    struct Fall {
        const char* name;
        int seite;
        Extended x;
        Extended z;
        int index1;
        int index2;
    } faelle[] = {
        {"upper on a point", TProfil::Oberseite, 0.3L, 0.05002L, 8, 8},
        {"lower on a point", TProfil::Unterseite, 0.3L, -0.05002L, 26, 26},
        {"upper trailing edge", TProfil::Oberseite, 1.0L, 0.00105L, 0, 0},
        {"upper between", TProfil::Oberseite, 0.35L, (0.05002L + 0.04837L) / 2.0L, 7, 8},
        {"lower between", TProfil::Unterseite, 0.35L, -(0.05002L + 0.04837L) / 2.0L, 27, 28},
        {"beyond the trailing edge", TProfil::Oberseite, 1.5L, 0.0L, -1, -1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const TProfil::THoehe h = p.HoeheBeiX(f.seite, f.x);
        EXPECT_TRUE(NaheL(h.Z, f.z, 1e-18L));
        EXPECT_EQ(h.Index1, f.index1);
        EXPECT_EQ(h.Index2, f.index2);
    }
    EXPECT_EQ(p.Anzahl(), 35);

    // The reported places keep the contour ordered: after Index1 above, before Index1 below.
    const TProfil::THoehe oben = p.HoeheBeiX(TProfil::Oberseite, 0.35L);
    p.InsertPunkt(oben.Index2, {0.35L, 0.0L, oben.Z});
    const TProfil::THoehe unten = p.HoeheBeiX(TProfil::Unterseite, 0.35L);
    p.InsertPunkt(unten.Index1, {0.35L, 0.0L, unten.Z});
    EXPECT_EQ(p.Punkt(8)->X, 0.35L);
    EXPECT_EQ(p.Punkt(28)->X, 0.35L);
    EXPECT_EQ(p.Punkt(27)->X, 0.3L);
    EXPECT_EQ(p.Punkt(29)->X, 0.4L);
}

TEST(Profilgeometrie, HoeheAufLinieMatchesToSixDecimals)
{
    TProfil linie;
    for (const auto& [x, z] : {std::pair{1.0L, 0.0L}, {0.5L, 0.02L}, {0.0L, 0.0L}}) linie.AddPunkt({x, 0.0L, z});
    TProfil::THoehe h = linie.HoeheAufLinie(0.75L);
    EXPECT_TRUE(NaheL(h.Z, 0.01L, 1e-18L));
    EXPECT_EQ(h.Index1, 0);
    EXPECT_EQ(h.Index2, 1);
    h = linie.HoeheAufLinie(0.5000004L);
    EXPECT_EQ(h.Z, 0.02L);
    EXPECT_EQ(h.Index1, 1);
    EXPECT_EQ(h.Index2, 1);
    EXPECT_FALSE(linie.HoeheAufLinie(2.0L).Gefunden());
    EXPECT_EQ(linie.HoeheAufLinie(2.0L).Z, 0.0L);
}

TEST(Profilgeometrie, DrehenTurnsClockwiseAboutTheCentre)
{
    const TProfil original = NacaProfil("2412", 20);
    const Extended b = 0.1L;
    const Extended xc = 0.25L;
    const Extended zc = 0.01L;
    TProfil p = original;
    p.AddPunkt({xc, 0.3L, zc});  // the centre itself stays put
    p.Drehen(0, p.Anzahl() - 1, b, zc, xc);
    for (int i = 0; i < original.Anzahl(); ++i) {
        SCOPED_TRACE(i);
        const TKoordinate& o = *original.Punkt(i);
        const Extended dx = o.X - xc;
        const Extended dz = o.Z - zc;
        EXPECT_TRUE(NaheL(p.Punkt(i)->X, xc + dx * std::cos(b) + dz * std::sin(b), 1e-17L));
        EXPECT_TRUE(NaheL(p.Punkt(i)->Z, zc - dx * std::sin(b) + dz * std::cos(b), 1e-17L));
        EXPECT_EQ(p.Punkt(i)->Y, 0.0L);
    }
    EXPECT_LT(p.Punkt(0)->Z, original.Punkt(0)->Z);
    EXPECT_TRUE(NaheL(p.Punkt(41)->X, xc, 1e-18L));
    EXPECT_TRUE(NaheL(p.Punkt(41)->Z, zc, 1e-18L));
    EXPECT_EQ(p.Punkt(41)->Y, 0.3L);

    // Only the given range turns.
    TProfil teil = original;
    teil.Drehen(0, 4, b, zc, xc);
    EXPECT_NE(teil.Punkt(4)->Z, original.Punkt(4)->Z);
    EXPECT_EQ(teil.Punkt(5)->Z, original.Punkt(5)->Z);
}

TEST(Profilgeometrie, NormierenAndEntdrehenUndoScaleAndTurn)
{
    const TProfil original = NacaProfil("2412", 20, true);
    TProfil p = original;
    for (int i = 0; i < p.Anzahl(); ++i) {
        p.Punkt(i)->X *= 0.2L;
        p.Punkt(i)->Z *= 0.2L;
    }
    p.Drehen(0, p.Anzahl() - 1, -0.05L, 0.0L, 0.0L);
    // Turned nose up by 0.05 rad, on top of the original's own trailing-edge angle.
    const Extended eigen = std::atan2((original.Punkt(0)->Z + original.Punkt(original.Anzahl() - 1)->Z) / 2.0L, original.Punkt(0)->X);
    EXPECT_TRUE(NaheL(p.Entdrehen(), 0.05L + eigen, 1e-17L));
    EXPECT_TRUE(NaheL(p.Punkt(0)->Z + p.Punkt(p.Anzahl() - 1)->Z, 0.0L, 1e-18L));
    const Extended f = p.Normieren();
    EXPECT_EQ(p.Punkt(0)->X, 1.0L);
    EXPECT_TRUE(NaheL(f, std::cos(eigen) / (0.2L * original.Punkt(0)->X), 1e-15L));
}

TEST(Profilgeometrie, InvertierenMirrorsAndRenames)
{
    struct Fall {
        const char* vorher;
        const char* nachher;
    } faelle[] = {{"Naca0010.dat", "Naca0010_inv.dat"}, {"Naca0010_INV.dat", "Naca0010.dat"}, {"e_Inv.x.dat", "e.x.dat"},
                  {"e.x.dat", "e_inv.x.dat"},           {"strak", "_invstrak"},                 {"", "_inv"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorher);
        TProfil p;
        p.Dateiname = f.vorher;
        p.Invertieren();
        EXPECT_EQ(p.Dateiname, f.nachher);
    }

    const TProfil original = NacaProfil("2412", 20);
    TProfil p = original;
    p.Invertieren();
    const int n = p.Anzahl();
    for (int k = 0; k < n; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(p.Punkt(k)->X, original.Punkt(n - 1 - k)->X);
        EXPECT_EQ(p.Punkt(k)->Z, -original.Punkt(n - 1 - k)->Z);
    }
    // Camber changes sign: the upper side is now the old lower side mirrored.
    EXPECT_EQ(p.Extremum(2, TProfil::TExtremart::Kleinstes).Wert, -original.Extremum(2, TProfil::TExtremart::Groesstes).Wert);
    EXPECT_EQ(p.Dateiname, "Naca2412_inv.dat");
    p.Invertieren();
    EXPECT_EQ(p.Dateiname, original.Dateiname);
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(p.Punkt(k)->X, original.Punkt(k)->X);
        EXPECT_EQ(p.Punkt(k)->Z, original.Punkt(k)->Z);
    }
}

TEST(Profilgeometrie, QuerschnittsflaecheOfDiamondAndNaca0010)
{
    EXPECT_TRUE(NaheL(Raute().Querschnittsflaeche(1.0L), 0.1L, 1e-18L));
    EXPECT_TRUE(NaheL(Raute().Querschnittsflaeche(2.0L), 0.4L, 1e-17L));
    // The NACA thickness law integrates to 0.68508 t c^2.
    EXPECT_TRUE(NaheL(NacaProfil("0010", 200).Querschnittsflaeche(0.3L), 0.068508L * 0.09L, 0.0005L * 0.068508L * 0.09L));

    // The area does not touch the profile: a missing nose stays missing.
    TProfil ohneNase = Raute();
    ohneNase.DeletePunkt(2);
    EXPECT_TRUE(NaheL(ohneNase.Querschnittsflaeche(1.0L), 0.1L, 1e-18L));
    EXPECT_EQ(ohneNase.Anzahl(), 4);
}

TEST(Profilgeometrie, EbenennormaleOfAPlaneContour)
{
    const T3Vektor n = Standard().Ebenennormale();
    EXPECT_EQ(n.x, 0.0L);
    EXPECT_EQ(n.z, 0.0L);
    EXPECT_LT(n.y, 0.0L);
    EXPECT_EQ(Vektorbetrag(TProfil().Ebenennormale()), 0.0L);
}

TEST(Profilgeometrie, AusrichtenBringsAContourBackIntoItsPlane)
{
    const TProfil original = Standard();
    struct Fall {
        const char* name;
        Extended umX;  // turn about the X axis, then
        Extended umZ;  // about the Z axis, then
        Extended umY;  // about the Y axis, then moved
    } faelle[] = {{"tilted", 0.5L, 0.3L, 0.2L}, {"on edge", -1.2L, -0.4L, 0.0L}, {"upright", std::numbers::pi_v<Extended> / 2, 0.3L, 0.1L}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TProfil p = original;
        for (int i = 0; i < p.Anzahl(); ++i) {
            TKoordinate& q = *p.Punkt(i);
            const TKoordinate a = q;
            q.Y = a.Y * std::cos(f.umX) - a.Z * std::sin(f.umX);
            q.Z = a.Y * std::sin(f.umX) + a.Z * std::cos(f.umX);
            const TKoordinate b = q;
            q.X = b.X * std::cos(f.umZ) - b.Y * std::sin(f.umZ);
            q.Y = b.X * std::sin(f.umZ) + b.Y * std::cos(f.umZ);
            const TKoordinate c = q;
            q.X = c.X * std::cos(f.umY) + c.Z * std::sin(f.umY) + 0.2L;
            q.Z = -c.X * std::sin(f.umY) + c.Z * std::cos(f.umY) - 0.3L;
            q.Y += 1.0L;
        }
        p.Ausrichten();
        for (int i = 0; i < p.Anzahl(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(NaheL(p.Punkt(i)->X, original.Punkt(i)->X, 1e-15L));
            EXPECT_TRUE(NaheL(p.Punkt(i)->Y, 0.0L, 1e-15L));
            EXPECT_TRUE(NaheL(p.Punkt(i)->Z, original.Punkt(i)->Z, 1e-15L));
        }
    }
}

TEST(Profilgeometrie, AusrichtenStandsAFlatContourUpright)
{
    // Lying exactly in the X-Y plane, upper side towards +Y or -Y: the normal decides the turn.
    for (const Extended seite : {1.0L, -1.0L}) {
        SCOPED_TRACE(seite);
        const TProfil original = Standard();
        TProfil p = original;
        for (int i = 0; i < p.Anzahl(); ++i) {
            p.Punkt(i)->Y = seite * p.Punkt(i)->Z;
            p.Punkt(i)->Z = 0.0L;
        }
        p.Ausrichten();
        for (int i = 0; i < p.Anzahl(); ++i) {
            EXPECT_TRUE(NaheL(p.Punkt(i)->Z, original.Punkt(i)->Z, 1e-15L));
            EXPECT_TRUE(NaheL(p.Punkt(i)->Y, 0.0L, 1e-15L));
        }
    }
}
