// velion-cli polar, polaren and export end to end: a short series on the example sailplane, the
// conversion of the old table, damaged and refused files, and the formatted exports.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliAufruf.h"
#include "common/Textdatei.h"

namespace fs = std::filesystem;

namespace {

const std::string AlteTabelle = std::string(VELION_EXAMPLES) + "/Polaren_alt.csv";

class BefehlPolar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = CliOrdner("velion_polar_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    void TearDown() override { fs::remove_all(ordner); }
    TCliAufruf Cli(const std::vector<std::string>& argumente, const std::string& kennung = "aufruf")
    {
        return StarteCli(argumente, ordner, kennung);
    }

    fs::path ordner;
};

}  // namespace

TEST_F(BefehlPolar, AngleSeriesGivesJsonAndAPolarFile)
{
    const TCliAufruf r = Cli({"polar", Beispielszene("Segler").string(), "--anstellwinkel", "0:4", "--schritte", "2",
                              "--bemerkung", "drei Punkte", "--json", "--out", (ordner / "segler").string()});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    EXPECT_NE(r.Fehler.find("Gesamtpolare: Schritt 3 von 3"), std::string::npos) << r.Fehler;
    const nlohmann::json j = nlohmann::json::parse(r.Aus);
    ASSERT_EQ(j["Gruppen"].size(), 1u);
    const auto& g = j["Gruppen"][0];
    EXPECT_EQ(g["Art"], 3);
    EXPECT_EQ(g["Flugszene"], "Segler.vel");
    EXPECT_EQ(g["Bemerkung"], "drei Punkte");
    ASSERT_EQ(g["Zeilen"].size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(g["Zeilen"][i]["Alfa"].get<double>(), 2.0 * i);
    EXPECT_GT(g["Zeilen"][2]["Ca"].get<double>(), g["Zeilen"][0]["Ca"].get<double>());
    EXPECT_EQ(j["Gesamtpolare"][0]["Fehlschritte"], 0);

    // The file holds the same group; read back it prints the table.
    ASSERT_TRUE(fs::exists(ordner / "segler.VELPOL"));
    const TCliAufruf tabelle = Cli({"polaren", (ordner / "segler.VELPOL").string()}, "tabelle");
    ASSERT_EQ(tabelle.Rueckgabe, 0) << tabelle.Fehler;
    EXPECT_EQ(tabelle.Aus.rfind("[ANSTELLWINKELBERECHNUNG]\nFLUGSZENE=Segler.vel\nBEMERKUNG=drei Punkte\nn.u.\n", 0), 0u)
        << tabelle.Aus;
}

TEST_F(BefehlPolar, OldTableConvertsAndReadsBackTheSame)
{
    const TCliAufruf alt = Cli({"polaren", AlteTabelle, "--out", (ordner / "neu.velpol").string()}, "alt");
    ASSERT_EQ(alt.Rueckgabe, 0) << alt.Fehler;
    ASSERT_TRUE(fs::exists(ordner / "neu.VELPOL")) << "the polar save name takes .VELPOL";
    const TCliAufruf neu = Cli({"polaren", (ordner / "neu.VELPOL").string()}, "neu");
    ASSERT_EQ(neu.Rueckgabe, 0) << neu.Fehler;
    EXPECT_EQ(neu.Aus, alt.Aus);
    EXPECT_NE(alt.Aus.find("Flügel 0 Ablösungen oben 12.5%, "), std::string::npos) << alt.Aus;

    const TCliAufruf zweimal = Cli({"polaren", AlteTabelle, (ordner / "neu.VELPOL").string(), "--json"}, "zweimal");
    ASSERT_EQ(zweimal.Rueckgabe, 0);
    const nlohmann::json j = nlohmann::json::parse(zweimal.Aus);
    ASSERT_EQ(j["Gruppen"].size(), 4u);
    EXPECT_EQ(j["Gruppen"][0], j["Gruppen"][2]);
}

TEST_F(BefehlPolar, DamagedAndRefusedFiles)
{
    std::string text = LeseDateiRoh(AlteTabelle);
    const std::size_t stelle = text.find("0,39000");
    ASSERT_NE(stelle, std::string::npos);
    text.replace(stelle, 7, "0,3x000");
    std::ofstream(ordner / "kaputt.csv", std::ios::binary) << text;
    const TCliAufruf kaputt = Cli({"polaren", (ordner / "kaputt.csv").string(), "--out", (ordner / "k").string()}, "kaputt");
    EXPECT_EQ(kaputt.Rueckgabe, 2);
    EXPECT_NE(kaputt.Fehler.find("kaputt.csv, Zeile 27"), std::string::npos) << kaputt.Fehler;
    EXPECT_NE(kaputt.Fehler.find("1 vollständige Gruppen"), std::string::npos) << kaputt.Fehler;
    EXPECT_NE(kaputt.Aus.find("[KLAPPENBERECHNUNG]"), std::string::npos) << "the group read before is shown";
    EXPECT_FALSE(fs::exists(ordner / "k.VELPOL")) << "a partial read is not written anew";

    const TCliAufruf csv = Cli({"polaren", AlteTabelle, "--out", (ordner / "p.csv").string()}, "csv");
    EXPECT_EQ(csv.Rueckgabe, 2);
    EXPECT_NE(csv.Fehler.find(".VELPOL"), std::string::npos) << csv.Fehler;
    EXPECT_FALSE(fs::exists(ordner / "p.csv"));

    const TCliAufruf endung = Cli({"polaren", Beispielszene("Segler").string()}, "endung");
    EXPECT_EQ(endung.Rueckgabe, 2);

    const TCliAufruf gruppe = Cli({"polar", Beispielszene("Segler").string(), "--klappen", "7:0:4"}, "gruppe");
    EXPECT_EQ(gruppe.Rueckgabe, 2);
    EXPECT_NE(gruppe.Fehler.find("--klappen"), std::string::npos) << gruppe.Fehler;
    const TCliAufruf winkel = Cli({"polar", Beispielszene("Segler").string(), "--klappen", "1:0:50"}, "winkel");
    EXPECT_EQ(winkel.Rueckgabe, 2);
    EXPECT_NE(winkel.Fehler.find("45"), std::string::npos) << winkel.Fehler;
}

TEST_F(BefehlPolar, FormattedExportsWriteTables)
{
    const TCliAufruf pol = Cli({"export", "polaren", AlteTabelle, "--dezimal", "komma", "--out", (ordner / "pol").string()});
    ASSERT_EQ(pol.Rueckgabe, 0) << pol.Fehler;
    const std::vector<std::string> zeilen = LeseTextzeilen(ordner / "pol.CSV");
    ASSERT_GE(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[2], "POL-ANZ;Anzahl Polaren;2");
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(),
                        "POL-1-PZ2;;;4,00000;0,00000;0,00000;0,00000;0,00000;0,57000;0,02010;9,98348;0,37058;"
                        "26,94030;19,82447;2,12579;0,07500;8,00000;0,00000;0,00000;Flügel 1 Ablösungen unten 3,0%, "),
              zeilen.end());

    const TCliAufruf geo = Cli({"export", "geometrie", Beispielszene("Segler").string(), "--zellen", "komma"}, "geo");
    ASSERT_EQ(geo.Rueckgabe, 0) << geo.Fehler;
    EXPECT_NE(geo.Aus.find("\nF-0-FL_ANZ,Anzahl Flächen,3\n"), std::string::npos) << geo.Aus.substr(0, 400);
}
