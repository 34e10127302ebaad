// velion-cli edit as a user runs it: operations in the order given, the result written only when
// all of them applied, and refusals with exit code 2 that leave the target untouched.
#include <gtest/gtest.h>

#include "cli/CliAufruf.h"
#include "common/TestHilfe.h"
#include "model/Szenendatei.h"
#include "model/T_Szene.h"

namespace fs = std::filesystem;

namespace {

fs::path Ordner() { return CliOrdner("velion_cli_edit"); }

std::string Name() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::unique_ptr<TSZENE> Geladen(const fs::path& datei)
{
    TSchalter schalter;
    return SzeneLaden(datei, schalter);
}

}  // namespace

TEST(BefehlEdit, AppliesTheOperationsInOrderAndWritesTheResult)
{
    const fs::path aus = Ordner() / (Name() + ".vel");
    fs::remove(aus);
    const auto r = StarteCli({"edit", Beispielszene("Rechteckfluegel").string(), "--out", aus.string(), "--kopieren", "0",
                              "--skalieren", "2", "--flaeche", "1", "--teilen", "1:0", "--nullpunkt", "0.1,0,0.05",
                              "--import", VELION_EXAMPLES "/import/Zwei_Fluegel.Tt4"},
                             Ordner(), Name());
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    EXPECT_NE(r.Aus.find("geschrieben"), std::string::npos) << r.Aus;
    const auto vorher = Geladen(Beispielszene("Rechteckfluegel"));
    const auto nachher = Geladen(aus);
    const TFLAECHE& original = *vorher->Flugzeug->Flaechen.Get(0);
    ASSERT_EQ(nachher->Flugzeug->Flaechen.Count(), 5);  // original, scaled copy, three imported
    const TFLAECHE& erste = *nachher->Flugzeug->Flaechen.Get(0);
    const TFLAECHE& kopie = *nachher->Flugzeug->Flaechen.Get(1);
    // Only the copy was scaled (--flaeche 1) and split; the shift moved both.
    EXPECT_TRUE(NaheL(erste.Position.x, original.Position.x + 0.1L, 1e-12L));
    EXPECT_TRUE(NaheL(kopie.Profiltiefe, 2.0L * original.Profiltiefe, 1e-12L));
    EXPECT_EQ(kopie.Segmente.Count(), original.Segmente.Count() + 1);
    EXPECT_TRUE(NaheL(kopie.Segmente.Get(0)->Segmentbreite, original.Segmente.Get(0)->Segmentbreite, 1e-12L));
    EXPECT_TRUE(NaheL(kopie.Position.z, original.Position.z + 0.1L + 0.05L, 1e-12L));
}

TEST(BefehlEdit, MirroringTwiceWritesTheSameScene)
{
    const fs::path einmal = Ordner() / (Name() + "_1.vel");
    const fs::path zweimal = Ordner() / (Name() + "_2.vel");
    const std::string szene = Beispielszene("Segler").string();
    ASSERT_EQ(StarteCli({"edit", szene, "--out", einmal.string(), "--spiegeln", "0"}, Ordner(), Name() + "1").Rueckgabe, 0);
    ASSERT_EQ(StarteCli({"edit", einmal.string(), "--out", zweimal.string(), "--spiegeln", "0"}, Ordner(), Name() + "2").Rueckgabe, 0);
    const std::string a = LeseDateiRoh(einmal);
    const std::string b = LeseDateiRoh(zweimal);
    EXPECT_EQ(a.substr(a.find("[FLUGZEUG]")), b.substr(b.find("[FLUGZEUG]")));
}

TEST(BefehlEdit, AnOperationThatDoesNotApplyWritesNothing)
{
    const fs::path aus = Ordner() / (Name() + ".vel");
    SchreibeDateiAtomar(aus, "alt");
    const struct {
        const char* name;
        std::vector<std::string> operation;
        const char* meldung;
    } faelle[] = {
        {"Flaeche fehlt", {"--spiegeln", "7"}, "--spiegeln 7"},
        {"Segment fehlt", {"--teilen", "0:9"}, "--teilen 0:9"},
        {"ohne Segment", {"--teilen", "0"}, "FLAECHE:SEGMENT"},
        {"kein Index", {"--loeschen", "eins"}, "--loeschen eins"},
        {"Faktor", {"--skalieren", "-2"}, "--skalieren -2"},
        {"Ellipse", {"--ellipse", "0"}, "--ellipse 0"},
        {"Nullpunkt", {"--nullpunkt", "0.1,0"}, "DX,DY,DZ"},
        {"Importformat", {"--import", "profil.dat"}, ".Tt4"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        // A good operation first: nothing of it may reach the file either.
        std::vector<std::string> argumente{"edit", Beispielszene("Rechteckfluegel").string(), "--out", aus.string(), "--kopieren", "0"};
        argumente.insert(argumente.end(), fall.operation.begin(), fall.operation.end());
        const auto r = StarteCli(argumente, Ordner(), Name() + fall.name);
        EXPECT_EQ(r.Rueckgabe, 2);
        EXPECT_NE(r.Fehler.find(fall.meldung), std::string::npos) << r.Fehler;
        EXPECT_EQ(LeseDateiRoh(aus), "alt");
    }
    // A broken import file: the reader's message with file and line.
    const fs::path kaputt = Ordner() / "kaputt.Tt4";
    SchreibeDateiAtomar(kaputt, "1\r\n2\r\n200\r\n");
    const auto r = StarteCli({"edit", Beispielszene("Rechteckfluegel").string(), "--out", aus.string(), "--import", kaputt.string()},
                             Ordner(), Name() + "import");
    EXPECT_EQ(r.Rueckgabe, 2);
    EXPECT_NE(r.Fehler.find("kaputt.Tt4"), std::string::npos) << r.Fehler;
    EXPECT_EQ(LeseDateiRoh(aus), "alt");
}
