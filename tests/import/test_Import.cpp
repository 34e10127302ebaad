// The import readers on hand-written samples of each format: the surfaces the file describes, at
// their places; and files cut short or garbled, which import nothing and say what was wrong.
#include <gtest/gtest.h>

#include <cmath>

#include "common/Fehler.h"
#include "common/TempOrdner.h"
#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Szenenaufbau.h"
#include "geometry/Testflaechen.h"
#include "import/Import.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

namespace {

class TImportHost : public TAufzeichnenderHost {
public:
    int Snapshots = 0;
    void SnapshotErstellen() override { ++Snapshots; }
};

const std::string Beispiele = VELION_EXAMPLES "/import/";

std::vector<Extended> Breiten(const TFLAECHE& f)
{
    std::vector<Extended> b;
    for (const auto& s : f.Segmente) b.push_back(s->Segmentbreite);
    return b;
}

/// An aircraft with one surface whose rearmost point is x = 1, z = 0.
std::unique_ptr<TSZENE> MitFlaecheBei(Extended x)
{
    auto szene = NeuesFlugzeug();
    auto f = Rechteckfluegel();
    f->Position = {x, 0.0L, 0.0L};
    BaueFlaeche(*f, Host());
    szene->Flugzeug->Flaechen.Add(std::move(f));
    return szene;
}

}  // namespace

TEST(Import, ChoosesTheReaderByExtensionInAnyCase)
{
    EXPECT_EQ(ImportformatAusDatei("a/b.vel"), TImportformat::Szene);
    EXPECT_EQ(ImportformatAusDatei("b.VEL"), TImportformat::Szene);
    EXPECT_EQ(ImportformatAusDatei("b.tt4"), TImportformat::Tt4);
    EXPECT_EQ(ImportformatAusDatei("b.TX4"), TImportformat::Tx4);
    EXPECT_EQ(ImportformatAusDatei("b.Flg"), TImportformat::Flg);
    EXPECT_EQ(ImportformatAusDatei("b.dat"), TImportformat::Unbekannt);
}

TEST(Import, SceneSurfacesGoBehindAndAboveTheRearmostSurface)
{
    auto szene = MitFlaecheBei(1.0L);
    TImportHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    TSchalter schalter;
    auto quelle = SzeneLaden(VELION_EXAMPLES "/Segler.vel", schalter);
    ASSERT_EQ(Importieren(b, VELION_EXAMPLES "/Segler.vel"), quelle->Flugzeug->Flaechen.Count());
    const TFLUGZEUG& fz = *szene->Flugzeug;
    ASSERT_EQ(fz.Flaechen.Count(), 1 + quelle->Flugzeug->Flaechen.Count());
    EXPECT_EQ(fz.AktuelleFlaeche, 0);  // a scene import leaves the current surface
    EXPECT_EQ(host.Snapshots, 1);
    EXPECT_TRUE(host.Flags.Stoppanforderung);
    for (int i = 0; i < quelle->Flugzeug->Flaechen.Count(); ++i) {
        const TFLAECHE& q = *quelle->Flugzeug->Flaechen.Get(i);
        const TFLAECHE& f = *fz.Flaechen.Get(i + 1);
        EXPECT_TRUE(NaheL(f.Position.x, q.Position.x + 1.2L, 1e-15L));
        EXPECT_EQ(f.Position.y, q.Position.y);
        EXPECT_TRUE(NaheL(f.Position.z, q.Position.z + 0.1L, 1e-15L));
        EXPECT_EQ(Breiten(f), Breiten(q));
        EXPECT_EQ(f.Bezeichnung, q.Bezeichnung);
        EXPECT_GT(f.FlaecheWahr, 0.0L);
    }
}

TEST(Import, OlderProjectFileGivesASymmetricWingAndTwoHalves)
{
    auto szene = NeuesFlugzeug();
    TImportHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_EQ(Importieren(b, Beispiele + "Zwei_Fluegel.Tt4"), 3);
    EXPECT_EQ(host.Snapshots, 2);  // one per wing
    const TFLUGZEUG& fz = *szene->Flugzeug;
    ASSERT_EQ(fz.Flaechen.Count(), 3);
    EXPECT_EQ(fz.AktuelleFlaeche, 2);

    const TFLAECHE& haupt = *fz.Flaechen.Get(0);
    EXPECT_EQ(Breiten(haupt), (std::vector<Extended>{-0.4L, -0.6L, 0.6L, 0.4L}));
    EXPECT_TRUE(NaheL(haupt.Profiltiefe, 0.2L, 1e-18L));
    EXPECT_TRUE(NaheL(haupt.Segmente.Get(3)->Profiltiefe, 0.11L, 1e-18L));
    EXPECT_TRUE(NaheL(haupt.Segmente.Get(2)->Pfeilwinkel, std::atan(0.005L / 0.6L) * GradJeRadiant, 1e-15L));
    EXPECT_TRUE(NaheL(haupt.Segmente.Get(3)->Pfeilwinkel, std::atan(0.025L / 0.4L) * GradJeRadiant, 1e-15L));
    EXPECT_EQ(haupt.Segmente.Get(2)->AnzahlPanelsY, 26);  // 16 * 0.6 / 0.38 = 25.3, plus one
    EXPECT_EQ(haupt.Position.y, 0.0L);

    // The tailplane starts 40 mm off the centre line: a right and a left half; its unused
    // segment spans of 0 become 1 mm without being used.
    const TFLAECHE& rechts = *fz.Flaechen.Get(1);
    const TFLAECHE& links = *fz.Flaechen.Get(2);
    EXPECT_EQ(Breiten(rechts), std::vector<Extended>{0.25L});
    EXPECT_EQ(Breiten(links), std::vector<Extended>{-0.25L});
    EXPECT_TRUE(NaheL(rechts.Position.y, 0.04L, 1e-18L));
    EXPECT_TRUE(NaheL(links.Position.y, -0.04L, 1e-18L));
    EXPECT_TRUE(NaheL(rechts.Position.x, 0.9L, 1e-18L));
    EXPECT_TRUE(NaheL(links.Position.z, 0.03L, 1e-18L));
    EXPECT_EQ(links.AktuellesSegment, 0);
}

TEST(Import, NewerProjectFileGivesTheSameWingsAsItsTags)
{
    auto szene = NeuesFlugzeug();
    TImportHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_EQ(Importieren(b, Beispiele + "Segler.Tx4"), 3);
    EXPECT_EQ(host.Snapshots, 2);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    const TFLAECHE& haupt = *fz.Flaechen.Get(0);
    EXPECT_EQ(Breiten(haupt), (std::vector<Extended>{-0.4L, -0.6L, 0.6L, 0.4L}));
    EXPECT_TRUE(NaheL(haupt.Segmente.Get(0)->Profiltiefe, 0.1105L, 1e-18L));
    EXPECT_TRUE(NaheL(haupt.Segmente.Get(3)->Pfeilwinkel, std::atan(0.025L / 0.4L) * GradJeRadiant, 1e-15L));
    EXPECT_TRUE(NaheL(fz.Flaechen.Get(1)->Position.x, 0.9L, 1e-18L));
    EXPECT_TRUE(NaheL(fz.Flaechen.Get(2)->Position.y, -0.04L, 1e-18L));
    EXPECT_TRUE(NaheL(fz.Flaechen.Get(1)->Segmente.Get(0)->Profiltiefe, 0.08L, 1e-18L));
}

TEST(Import, FlyingWingFileIntoAnEmptyAircraftSetsItsFlightValues)
{
    auto szene = NeuesFlugzeug();
    TImportHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_EQ(Importieren(b, Beispiele + "Brett.FLG"), 1);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    const TFLAECHE& f = *fz.Flaechen.Get(0);
    EXPECT_EQ(f.Bezeichnung, "Brett");
    ASSERT_EQ(f.Segmente.Count(), 4);
    for (int j = 0; j < 4; ++j) EXPECT_TRUE(NaheL(f.Segmente.Get(j)->Segmentbreite, j < 2 ? -0.3L : 0.3L, 1e-18L)) << j;
    EXPECT_TRUE(NaheL(f.Profiltiefe, 0.25L, 1e-18L));
    EXPECT_TRUE(NaheL(f.Segmente.Get(0)->Profiltiefe, 0.12L, 1e-18L));
    EXPECT_TRUE(NaheL(f.Segmente.Get(0)->Verwindungswinkel, -2.0L, 1e-18L));
    EXPECT_TRUE(NaheL(f.Segmente.Get(3)->Pfeilwinkel, std::atan(0.15L / 0.3L) * GradJeRadiant, 1e-15L));
    EXPECT_TRUE(NaheL(f.Segmente.Get(0)->Pfeilwinkel, std::atan(0.15L / 0.3L) * GradJeRadiant, 1e-15L));
    EXPECT_EQ(f.Segmente.Get(1)->KlappentiefeRechts, 25.0L);
    EXPECT_EQ(f.Segmente.Get(2)->Klappengruppe, 2);
    EXPECT_EQ(f.Wurzelprofil->Anzahl(), 61);
    EXPECT_EQ(f.Segmente.Get(0)->Segmentprofil->Dateiname, "N0010.dat");
    EXPECT_TRUE(NaheL(fz.Anstellwinkel, 3.5L, 1e-18L));
    EXPECT_TRUE(NaheL(fz.Flughoehe, 100.0L, 1e-18L));
    EXPECT_TRUE(NaheL(f.Masse, 0.8L, 1e-18L));
    EXPECT_TRUE(NaheL(f.Zirkulationsvorgabe, 1.2L, 1e-18L));
    EXPECT_EQ(f.Position.x, 0.0L);
    EXPECT_GT(f.FlaecheWahr, 0.0L);

    // Into an aircraft with surfaces: placed behind the rearmost, the flight values stay.
    auto zweite = MitFlaecheBei(1.0L);
    TBearbeitung b2{*zweite->Flugzeug, host};
    ASSERT_EQ(Importieren(b2, Beispiele + "Brett.FLG"), 1);
    EXPECT_EQ(zweite->Flugzeug->Anstellwinkel, 0.0L);
    EXPECT_TRUE(NaheL(zweite->Flugzeug->Flaechen.Get(1)->Position.x, 1.2L, 1e-15L));
    EXPECT_EQ(zweite->Flugzeug->AktuelleFlaeche, 1);
}

TEST(Import, ABrokenFileImportsNothingAndSaysWhatWasWrong)
{
    TTestordner ordner;
    const std::vector<std::string> tt4 = LeseTextzeilen(Beispiele + "Zwei_Fluegel.Tt4");
    const std::vector<std::string> tx4 = LeseTextzeilen(Beispiele + "Segler.Tx4");
    const std::vector<std::string> flg = LeseTextzeilen(Beispiele + "Brett.FLG");
    auto ersetzt = [](std::vector<std::string> z, std::size_t i, const std::string& neu) {
        z.at(i) = neu;
        return z;
    };
    const struct {
        const char* name;
        const char* datei;
        std::vector<std::string> zeilen;
        int zeile;  ///< the line the message names
    } faelle[] = {
        // The second wing is cut short: the first must not stay behind on its own.
        {"Tt4 gekuerzt", "kurz.Tt4", std::vector<std::string>(tt4.begin(), tt4.begin() + 25), 26},
        {"Tt4 keine Zahl", "text.Tt4", ersetzt(tt4, 3, "180 mm"), 4},
        {"Tt4 fuenf Segmente", "fuenf.Tt4", ersetzt(tt4, 18, "5"), 19},
        // A chord no input field takes (it would also have asked for endless panels).
        {"Tt4 Profiltiefe null", "null.Tt4", ersetzt(tt4, 3, "0"), 0},
        // A span of a million kilometres: billions of automatic panels, refused before the wing is built.
        {"Tt4 endlos lang", "lang.Tt4", ersetzt(tt4, 8, "1e12"), 0},
        {"Tx4 ohne Ende", "kurz.Tx4", std::vector<std::string>(tx4.begin(), tx4.begin() + 27), 27},
        {"Tx4 keine Zahl", "text.Tx4", ersetzt(tx4, 19, "<y>sechshundert</y>"), 20},
        {"FLG keine Zahl", "text.FLG", ersetzt(flg, 65, "0,1=links"), 66},
        {"FLG ohne Knickstellen", "ohne.FLG", ersetzt(flg, 1, "Knickstellen fehlen"), 0},
        // A lattice of billions of panels: refused like a scene that is opened, not built for minutes.
        {"Szene zu viele Panels", "riesig.vel", LeseTextzeilen(VELION_TESTDATA "/beschaedigt/panels_y_intmax.vel"), 0},
    };
    for (const char* sprache : {"DEUTSCH", "ENGLISH"})
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::string(fall.name) + " " + sprache);
        const TMeldungsspracheFuer meldungen(sprache);
        SchreibeTextzeilen(ordner / fall.datei, fall.zeilen);
        auto szene = MitFlaecheBei(1.0L);
        TImportHost host;
        TBearbeitung b{*szene->Flugzeug, host};
        try {
            Importieren(b, ordner / fall.datei);
            ADD_FAILURE() << "no error";
        } catch (const EDatei& e) {
            EXPECT_EQ(e.Zeile(), fall.zeile) << e.what();
            EXPECT_NE(std::string(e.what()).find(fall.datei), std::string::npos) << e.what();
            if (!DeutscheMeldungen()) {
                EXPECT_EQ(DeutschesWort(e.what()), "") << e.what();
            }
        }
        EXPECT_EQ(szene->Flugzeug->Flaechen.Count(), 1);
        EXPECT_EQ(host.Snapshots, 0);
    }
    auto szene = MitFlaecheBei(1.0L);
    TImportHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    EXPECT_THROW(Importieren(b, ordner / "fehlt.vel"), EDatei);
    EXPECT_EQ(Importieren(b, ordner / "profil.dat"), 0);
    EXPECT_EQ(szene->Flugzeug->Flaechen.Count(), 1);
}
