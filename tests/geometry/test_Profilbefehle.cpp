// Profile commands of a surface: taking over a file, inverting, blending a section from its
// neighbours and the section at the marker of the current segment.
#include <gtest/gtest.h>

#include "common/Fehler.h"
#include "common/TestHilfe.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Profilbefehle.h"
#include "geometry/Testflaechen.h"
#include "model/T_Szene.h"

namespace {

class TZaehlenderHost : public TAufzeichnenderHost {
public:
    int Snapshots = 0;
    void SnapshotErstellen() override { ++Snapshots; }
};

/// A scene whose only surface is the rectangular wing, its right segment current.
struct TProfilszene {
    std::unique_ptr<TSZENE> Szene = NeuesFlugzeug();
    TZaehlenderHost Host;
    TBearbeitung Bearbeitung{*Szene->Flugzeug, Host, false};

    TProfilszene()
    {
        auto f = Rechteckfluegel();
        f->AktuellesSegment = 1;
        BaueFlaeche(*f, Host);
        Szene->Flugzeug->Flaechen.Add(std::move(f));
        Szene->Flugzeug->AktuelleFlaeche = 0;
    }
    TFLAECHE& Flaeche() { return *Szene->Flugzeug->Flaechen.Get(0); }
};

std::vector<std::pair<Extended, Extended>> Kontur(const TProfil& p)
{
    std::vector<std::pair<Extended, Extended>> k;
    for (const TKoordinate& q : p.Punkte()) k.emplace_back(q.X, q.Z);
    return k;
}

}  // namespace

TEST(Profilbefehle, TakesOverAFileIntoTheSegmentAndRebuilds)
{
    TProfilszene s;
    const TProfilziel ziel = AktuellesProfilziel(*s.Szene->Flugzeug, true);
    ASSERT_EQ(ziel.Segment, 1);
    ASSERT_TRUE(ProfilUebernehmen(s.Bearbeitung, ziel, VELION_EXAMPLES "/NACA-2412.dat"));
    const TSEGMENT& seg = *s.Flaeche().Segmente.Get(1);
    EXPECT_EQ(seg.Segmentprofil->Dateiname, "NACA-2412.dat");
    EXPECT_EQ(seg.Segmentprofil->Anzahl(), 81);
    EXPECT_EQ(s.Host.Snapshots, 1);
    EXPECT_EQ(s.Flaeche().Segmente.Get(0)->Segmentprofil->Anzahl(), 35);  // the other side kept its own
}

TEST(Profilbefehle, AnUnreadableFileLeavesProfileAndModelAlone)
{
    TProfilszene s;
    const auto vorher = Kontur(*s.Flaeche().Wurzelprofil);
    EXPECT_THROW(ProfilUebernehmen(s.Bearbeitung, {0, -1}, VELION_TESTDATA "/profil_drei_zahlen.dat"), EDatei);
    EXPECT_EQ(Kontur(*s.Flaeche().Wurzelprofil), vorher);
    EXPECT_EQ(s.Host.Snapshots, 0);
}

TEST(Profilbefehle, ATargetWhoseSegmentWasDeletedIsRefused)
{
    TProfilszene s;
    const TProfilziel ziel{0, 1};
    s.Flaeche().Segmente.Delete(1);
    EXPECT_EQ(Zielprofil(*s.Szene->Flugzeug, ziel), nullptr);
    EXPECT_FALSE(ProfilInvertieren(s.Bearbeitung, ziel));
    EXPECT_FALSE(ProfilUebernehmen(s.Bearbeitung, ziel, VELION_EXAMPLES "/NACA-2412.dat"));
    EXPECT_EQ(s.Host.Snapshots, 0);
}

TEST(Profilbefehle, InvertingTheRootTwiceRestoresProfileAndName)
{
    TProfilszene s;
    TProfil& wurzel = *s.Flaeche().Wurzelprofil;
    wurzel.LoadDat(VELION_EXAMPLES "/NACA-2412.dat");
    const auto vorher = Kontur(wurzel);
    ASSERT_TRUE(ProfilInvertieren(s.Bearbeitung, {0, -1}));
    EXPECT_EQ(wurzel.Dateiname, "NACA-2412_inv.dat");
    EXPECT_NE(Kontur(wurzel), vorher);
    ASSERT_TRUE(ProfilInvertieren(s.Bearbeitung, {0, -1}));
    EXPECT_EQ(wurzel.Dateiname, "NACA-2412.dat");
    EXPECT_EQ(Kontur(wurzel), vorher);
    EXPECT_EQ(s.Host.Snapshots, 2);
}

TEST(Profilbefehle, AStrakSectionBetweenEqualProfilesGetsTheirContour)
{
    TProfilszene s;
    s.Flaeche().Segmente.Add(Testsegment(0.5L, 0.2L));
    s.Flaeche().AktuellesSegment = 1;  // the middle one of the right side
    for (TProfil* p : {s.Flaeche().Wurzelprofil.get(), s.Flaeche().Segmente.Get(2)->Segmentprofil.get()})
        p->LoadDat(VELION_EXAMPLES "/NACA-2412.dat");
    ASSERT_TRUE(StrakEinbauen(s.Bearbeitung));
    const TProfil& mitte = *s.Flaeche().Segmente.Get(1)->Segmentprofil;
    EXPECT_EQ(mitte.Dateiname, "strak");
    const auto soll = Kontur(*s.Flaeche().Wurzelprofil);
    const auto ist = Kontur(mitte);
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < ist.size(); ++i) {
        EXPECT_NEAR(double(ist[i].first), double(soll[i].first), 1e-12) << i;
        EXPECT_NEAR(double(ist[i].second), double(soll[i].second), 1e-12) << i;
    }
}

TEST(Profilbefehle, SectionAtTheMarkerBlendsTheSegmentEnds)
{
    TProfilszene s;
    TFLAECHE& f = s.Flaeche();
    f.Segmente.Get(1)->Segmentprofil->LoadDat(VELION_EXAMPLES "/NACA-2412.dat");
    f.Wurzelprofil->LoadDat(VELION_EXAMPLES "/NACA-1410.dat");
    BaueFlaeche(f, s.Host);
    const TProfil& aussen = *f.Segmente.Get(1)->Segmentprofil;
    const TProfil& wurzel = *f.Wurzelprofil;
    ASSERT_EQ(aussen.Anzahl(), wurzel.Anzahl());  // same count: the end profiles are blended unresampled

    // At the right end the segment's own profile; halfway the mean of both ends.
    auto ende = Profilschnitt(f, 0.5L);
    ASSERT_TRUE(ende);
    EXPECT_EQ(Kontur(*ende), Kontur(aussen));
    auto mitte = Profilschnitt(f, 0.25L);
    ASSERT_TRUE(mitte);
    for (int i = 0; i < mitte->Anzahl(); ++i)
        EXPECT_NEAR(double(mitte->Punkt(i)->Z), double((aussen.Punkt(i)->Z + wurzel.Punkt(i)->Z) / 2), 1e-15) << i;

    // The left segment's ends are its own profile (left, the default's 35 points) and the root
    // (right, 81 points): at its left end the section is its own profile resampled to 81 points.
    f.AktuellesSegment = 0;
    auto links = Profilschnitt(f, -0.5L);
    ASSERT_TRUE(links);
    ASSERT_EQ(links->Anzahl(), 81);
    const TProfil& eigenes = *f.Segmente.Get(0)->Segmentprofil;
    for (int i : {0, links->Anzahl() - 1}) {
        EXPECT_NEAR(double(links->Punkt(i)->X), double(eigenes.Punkt(i == 0 ? 0 : eigenes.Anzahl() - 1)->X), 1e-12);
        EXPECT_NEAR(double(links->Punkt(i)->Z), double(eigenes.Punkt(i == 0 ? 0 : eigenes.Anzahl() - 1)->Z), 1e-12);
    }

    // A segment of width 0 beside others has no ends.
    f.Segmente.Get(0)->Segmentbreite = 0.0L;
    BaueFlaeche(f, s.Host);
    EXPECT_EQ(Profilschnitt(f, 0.0L), nullptr);
}
