// Structural edits: mirroring, splitting, inserting and deleting segments and surfaces, the elliptic
// wing and the automatic panel count, each checked against the geometry it must keep or make.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "control/Rechenlauf.h"
#include "geometry/Flaechenbearbeitung.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Parameteraenderungen.h"
#include "geometry/Testflaechen.h"
#include "model/Endwerte.h"
#include "model/Szenendatei.h"
#include "model/T_Szene.h"

namespace {

/// A scene whose aircraft holds `f` as its only, current surface.
std::unique_ptr<TSZENE> SzeneMit(std::unique_ptr<TFLAECHE> f, int aktuellesSegment)
{
    auto szene = NeuesFlugzeug();
    f->AktuellesSegment = aktuellesSegment;
    BaueFlaeche(*f, Host());
    szene->Flugzeug->Flaechen.Add(std::move(f));
    szene->Flugzeug->AktuelleFlaeche = 0;
    return szene;
}

std::string Szenentext(const TSZENE& szene, const std::filesystem::path& datei)
{
    WriteScene(datei, szene, TSchalter{});
    std::string text = LeseDateiRoh(datei);
    return text.substr(text.find("[FLUGZEUG]"));  // the date line differs between writes
}

/// Counts the host's snapshots.
class TZaehlenderHost : public TAufzeichnenderHost {
public:
    int Snapshots = 0;
    void SnapshotErstellen() override { ++Snapshots; }
};

}  // namespace

TEST(Flaechenbearbeitung, MirrorsTheCurrentSideWithExchangedSinesAndFlapChords)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(-0.3L, 0.15L));  // left side, replaced by the mirror image
    auto rechts = Testsegment(0.5L, 0.1L);
    rechts->VerteilungY = TVerteilung::SinR;
    rechts->KlappentiefeLinks = 20.0L;
    rechts->KlappentiefeRechts = 30.0L;
    rechts->Verwindungswinkel = -2.0L;
    f->Segmente.Add(std::move(rechts));
    f->AktuellesSegment = 1;

    ASSERT_TRUE(Spiegeln(*f, Host()));
    ASSERT_EQ(f->Segmente.Count(), 2);
    const TSEGMENT& links = *f->Segmente.Get(0);
    EXPECT_EQ(links.Segmentbreite, -0.5L);
    EXPECT_EQ(links.VerteilungY, TVerteilung::SinL);
    EXPECT_EQ(links.KlappentiefeLinks, 30.0L);
    EXPECT_EQ(links.KlappentiefeRechts, 20.0L);
    EXPECT_EQ(links.Verwindungswinkel, -2.0L);
    EXPECT_EQ(f->AktuellesSegment, 1);  // the same segment, now right of its mirror image

    f->Segmente.Get(0)->Segmentbreite = 0.0L;  // a current segment of width 0 mirrors nothing
    f->AktuellesSegment = 0;
    EXPECT_FALSE(Spiegeln(*f, Host()));
}

TEST(Flaechenbearbeitung, MirroringBackAndForthGivesTheSceneBack)
{
    const std::filesystem::path datei = std::filesystem::temp_directory_path() / "velion_spiegeln.vel";
    auto f = Testflaeche(0.25L);
    f->Segmente.Add(Testsegment(-0.4L, 0.1L));
    f->Segmente.Add(Testsegment(0.3L, 0.2L));
    auto aussen = Testsegment(0.4L, 0.12L);
    aussen->VerteilungY = TVerteilung::SinL;
    aussen->KlappentiefeLinks = 35.0L;
    aussen->Pfeilwinkel = 7.5L;
    f->Segmente.Add(std::move(aussen));
    auto szene = SzeneMit(std::move(f), 2);
    TBearbeitung b{*szene->Flugzeug, Host()};

    ASSERT_TRUE(FlaecheSpiegeln(b));
    const std::string einmal = Szenentext(*szene, datei);
    TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_EQ(g.Segmente.Count(), 4);
    g.AktuellesSegment = 0;  // now mirror the left side back onto the right
    ASSERT_TRUE(FlaecheSpiegeln(b));
    g.AktuellesSegment = 3;
    EXPECT_EQ(Szenentext(*szene, datei), einmal);
    std::filesystem::remove(datei);
}

TEST(Flaechenbearbeitung, AutomaticPanelCountIsEightPanelsPerMeanChordPlusOne)
{
    const struct {
        const char* name;
        Extended breite;
        int panels;
    } faelle[] = {
        {"halbe Spannweite", 0.5L, 21}, {"links", -0.5L, 21}, {"halbe rundet ab", 0.0625L, 3}, {"halbe rundet auf", 0.1875L, 9}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto f = Testflaeche(0.2L);
        f->Segmente.Add(Testsegment(fall.breite, 0.2L));
        auto szene = SzeneMit(std::move(f), 0);
        TBearbeitung b{*szene->Flugzeug, Host()};
        ASSERT_TRUE(Panelautomatik(b));
        EXPECT_EQ(szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(0)->AnzahlPanelsY, fall.panels);
    }
}

TEST(Flaechenbearbeitung, SplitInHalfBlendsTheNewSection)
{
    const struct {
        const char* name;
        TTeilungstiefe art;
        Extended tiefe;
    } faelle[] = {{"Hinterkante gerade", TTeilungstiefe::HinterkanteGerade, 0.199878L},
                  {"Profiltiefe linear", TTeilungstiefe::ProfiltiefeLinearHalten, 0.2L}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto f = Testflaeche(0.2L);
        auto s = Testsegment(0.6L, 0.2L);
        s->Verwindungswinkel = 4.0L;
        s->AnzahlPanelsY = 5;
        s->KlappentiefeLinks = 20.0L;
        s->KlappentiefeRechts = 30.0L;
        f->Segmente.Add(std::move(s));
        auto szene = SzeneMit(std::move(f), 0);
        TBearbeitung b{*szene->Flugzeug, Host()};
        ASSERT_TRUE(SegmentSplitten(b, 0.5L, fall.art));
        const TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
        ASSERT_EQ(g.Segmente.Count(), 2);
        const TSEGMENT& innen = *g.Segmente.Get(0);
        const TSEGMENT& aussen = *g.Segmente.Get(1);
        EXPECT_TRUE(NaheL(innen.Profiltiefe, fall.tiefe, 5e-7L));
        EXPECT_TRUE(NaheL(innen.Verwindungswinkel, 2.0L, 1e-15L));
        EXPECT_EQ(innen.Segmentprofil->Dateiname, "strak");
        EXPECT_EQ(innen.Segmentbreite, 0.3L);
        EXPECT_EQ(aussen.Segmentbreite, 0.3L);
        EXPECT_EQ(innen.AnzahlPanelsY, 2);
        EXPECT_EQ(aussen.AnzahlPanelsY, 2);
        EXPECT_EQ(innen.KlappentiefeRechts, 25.0L);
        EXPECT_EQ(aussen.KlappentiefeLinks, 25.0L);
        EXPECT_EQ(aussen.Verwindungswinkel, 4.0L);  // the old tip section stays
        EXPECT_EQ(g.AktuellesSegment, 0);
    }
}

TEST(Flaechenbearbeitung, SplitIsRefusedWhereItCannotCut)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    auto szene = SzeneMit(std::move(f), 0);
    TBearbeitung b{*szene->Flugzeug, Host()};
    const TSEGMENT& s = *szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(0);
    const Extended yR = s.Grundrissschnitte.back()->Punkt(s.Grundrissschnitte.back()->Anzahl() - 1)->Y;
    EXPECT_FALSE(SegmentSplitten(b, 1.0L, TTeilungstiefe::HinterkanteGerade));
    EXPECT_FALSE(SegmentSplittenPosY(b, yR, TTeilungstiefe::HinterkanteGerade));        // marker at the end
    EXPECT_FALSE(SegmentSplittenPosY(b, yR + 0.1L, TTeilungstiefe::HinterkanteGerade));  // outside
    EXPECT_EQ(szene->Flugzeug->Flaechen.Get(0)->Segmente.Count(), 1);
    ASSERT_TRUE(SegmentSplittenPosY(b, 0.125L, TTeilungstiefe::HinterkanteGerade));
    EXPECT_TRUE(NaheL(szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(0)->Segmentbreite, 0.125L, 1e-15L));
    EXPECT_TRUE(NaheL(szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(1)->Segmentbreite, 0.375L, 1e-15L));
}

TEST(Flaechenbearbeitung, EllipticWingFollowsTheEllipse)
{
    auto szene = NeuesFlugzeug();
    TZaehlenderHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_TRUE(ElliptischeFlaeche(b, "15"));
    EXPECT_EQ(host.Snapshots, 1);
    const TFLAECHE& f = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_EQ(f.Segmente.Count(), 30);
    const TSEGMENT& wurzelnah = *f.Segmente.Get(14);
    EXPECT_TRUE(NaheL(wurzelnah.Segmentbreite, -0.052264L, 5e-7L));
    EXPECT_TRUE(NaheL(wurzelnah.Profiltiefe, 0.198904L, 5e-7L));
    EXPECT_EQ(f.Segmente.Get(0)->Profiltiefe, 0.00001L);
    EXPECT_EQ(f.Segmente.Get(29)->Profiltiefe, 0.00001L);
    for (int j = 0; j < 30; ++j) EXPECT_TRUE(NaheL(BezugslinienPfeilwinkel(f, j, 25.0L), 0.0L, 1e-12L)) << j;
    // A polygon inscribed in the ellipse of area pi/4 * 1 m * 0.2 m, short of it by a few tenths
    // of a percent at 15 segments per side.
    const Extended ellipse = std::numbers::pi_v<Extended> / 4.0L * 0.2L;
    EXPECT_LT(f.FlaecheHorizontal, ellipse);
    EXPECT_GT(f.FlaecheHorizontal, 0.99L * ellipse);
    EXPECT_TRUE(NaheL(f.Spannweite, 1.0L, 1e-9L));

    // The point of the planform: about the induced drag of an elliptic load. The coarse lattice of
    // one strip per segment and four chordwise panels gives 0.95 here.
    szene->Flugzeug->Anstellwinkel = 4.0L;
    TAufzeichnenderHost lauf;
    TRechenoptionen o;
    o.Loeser.Multithread = false;
    ASSERT_EQ(Rechenlauf(*szene, TSchalter{}, o, lauf), 0);
    EXPECT_GT(f.CwiVerhaeltnis, 0.93L);
    EXPECT_LT(f.CwiVerhaeltnis, 1.07L);
}

TEST(Flaechenbearbeitung, EllipticWingRefusesABadSegmentCount)
{
    for (const char* text : {"0", "-3", "zehn", "2.5", ""}) {
        SCOPED_TRACE(text);
        auto szene = NeuesFlugzeug();
        TZaehlenderHost host;
        TBearbeitung b{*szene->Flugzeug, host};
        EXPECT_FALSE(ElliptischeFlaeche(b, text));
        EXPECT_EQ(host.Fehlertexte, std::vector<int>{60});
        EXPECT_EQ(szene->Flugzeug->Flaechen.Count(), 0);
        EXPECT_EQ(host.Snapshots, 0);
    }
}

TEST(Flaechenbearbeitung, NewSegmentTakesTheSectionThatLayAtItsOuterEnd)
{
    // All segments left of the root: the new one right of the second-to-last takes the chord of
    // the last one (its neighbour), not the root's.
    auto f = Testflaeche(0.3L);
    f->Segmente.Add(Testsegment(-0.4L, 0.1L));
    f->Segmente.Add(Testsegment(-0.3L, 0.2L));
    f->Segmente.Add(Testsegment(-0.2L, 0.25L));
    auto szene = SzeneMit(std::move(f), 1);
    TBearbeitung b{*szene->Flugzeug, Host()};
    ASSERT_TRUE(SegmentNeuRechts(b));
    const TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_EQ(g.Segmente.Count(), 4);
    EXPECT_EQ(g.AktuellesSegment, 2);
    EXPECT_EQ(g.Segmente.Get(2)->Profiltiefe, 0.25L);
    EXPECT_EQ(g.Segmente.Get(2)->Segmentbreite, -0.3L);

    // Left of a right segment next to the root: the root section.
    g.Segmente.Get(3)->Segmentbreite = 0.2L;
    szene->Flugzeug->Flaechen.Get(0)->AktuellesSegment = 3;
    ASSERT_TRUE(SegmentNeuLinks(b));
    EXPECT_EQ(g.AktuellesSegment, 3);
    EXPECT_EQ(g.Segmente.Get(3)->Profiltiefe, 0.3L);
}

TEST(Flaechenbearbeitung, DeletingTheOnlySegmentRemovesTheSurface)
{
    auto szene = SzeneMit(Testflaeche(0.2L), 0);
    szene->Flugzeug->Flaechen.Get(0)->Segmente.Add(Testsegment(0.5L, 0.2L));
    auto zweite = Rechteckfluegel();
    BaueFlaeche(*zweite, Host());
    szene->Flugzeug->Flaechen.Add(std::move(zweite));
    TZaehlenderHost host;
    host.Antwort = KnopfYES;
    TBearbeitung b{*szene->Flugzeug, host, true};
    ASSERT_TRUE(SegmentLoeschen(b));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{8});
    ASSERT_EQ(szene->Flugzeug->Flaechen.Count(), 1);
    EXPECT_EQ(szene->Flugzeug->Flaechen.Get(0)->Segmente.Count(), 2);  // the other is not mirrored
    EXPECT_EQ(szene->Flugzeug->AktuelleFlaeche, 0);

    host.Antwort = KnopfNO;  // only NO cancels
    EXPECT_FALSE(FlaecheLoeschen(b));
    EXPECT_EQ(szene->Flugzeug->Flaechen.Count(), 1);
    host.Antwort = KnopfKeiner;
    EXPECT_TRUE(FlaecheLoeschen(b));
    EXPECT_EQ(szene->Flugzeug->AktuelleFlaeche, -1);
    EXPECT_FALSE(FlaecheLoeschen(b));
}

TEST(Flaechenbearbeitung, DeletingTheRightHalfKeepsTheLeftWithItsLastSegmentCurrent)
{
    auto f = Testflaeche(0.2L);
    for (const Extended w : {-0.3L, -0.2L, 0.2L, 0.3L}) f->Segmente.Add(Testsegment(w, 0.2L));
    auto szene = SzeneMit(std::move(f), 3);
    TAufzeichnenderHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_TRUE(FluegelhaelfteLoeschen(b));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{12});
    const TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_EQ(g.Segmente.Count(), 2);
    EXPECT_EQ(g.AktuellesSegment, 1);
    EXPECT_LT(g.Segmente.Get(1)->Segmentbreite, 0.0L);
}

TEST(Flaechenbearbeitung, CopyGoesBehindTheRearmostSurfaceWithItsDefaults)
{
    auto f = Rechteckfluegel();
    f->Bezeichnung = "Haupt";
    f->BezugspunktProfiltiefe = 25.0L;
    f->Masse = 0.7L;
    f->Position = {0.3L, 0.1L, 0.05L};
    auto szene = SzeneMit(std::move(f), 1);
    TBearbeitung b{*szene->Flugzeug, Host()};
    ASSERT_TRUE(FlaecheKopie(b));
    ASSERT_EQ(szene->Flugzeug->Flaechen.Count(), 2);
    EXPECT_EQ(szene->Flugzeug->AktuelleFlaeche, 1);
    const TFLAECHE& k = *szene->Flugzeug->Flaechen.Get(1);
    EXPECT_EQ(k.Bezeichnung, "noname");
    EXPECT_EQ(k.BezugspunktProfiltiefe, 0.0L);
    EXPECT_EQ(k.Masse, 0.7L);
    EXPECT_EQ(k.AktuellesSegment, 1);
    EXPECT_TRUE(NaheL(k.Position.x, 0.5L, 1e-18L));
    EXPECT_EQ(k.Position.y, 0.1L);
    EXPECT_TRUE(NaheL(k.Position.z, 0.15L, 1e-18L));
    EXPECT_EQ(k.FlaecheHorizontal, szene->Flugzeug->Flaechen.Get(0)->FlaecheHorizontal);
}
