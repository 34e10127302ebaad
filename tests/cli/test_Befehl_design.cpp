// velion-cli design end to end on the example sailplane: JSON with every result field and strip
// slot, the result and transfer files, the results pages in both languages, and the exit codes of
// a failed design and of bad input.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/Sprachtexte.h"
#include "cli/CliAufruf.h"
#include "common/Textdatei.h"
#include "results/Ergebnisfelder.h"

namespace {

const std::string Segler = Beispielszene("Segler").string();

class BefehlDesign : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = std::filesystem::path(testing::TempDir()) /
                 ("velion_design_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    /// velion-cli design on the sailplane with `argumente` after the scene.
    TCliAufruf Design(const std::vector<std::string>& argumente)
    {
        std::vector<std::string> alle{"design", Segler};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        return StarteCli(alle, ordner, "aufruf" + std::to_string(aufrufe++));
    }
    std::string Pfad(const char* name) const { return (ordner / name).string(); }

    std::filesystem::path ordner;
    int aufrufe = 0;
};

TEST_F(BefehlDesign, JsonCarriesTheResultsAndTheFilesAreWritten)
{
    const TCliAufruf a = Design({"--ziel", "2", "--wert", "0.6", "--json", "--quiet", "--out", Pfad("segler.txt"),
                                 "--transfer", ordner.string()});
    ASSERT_EQ(a.Rueckgabe, 0) << a.Fehler;
    const nlohmann::json j = nlohmann::json::parse(a.Aus);
    EXPECT_NEAR(j["AuslegungsCa"].get<double>(), 0.6, 1e-6);
    EXPECT_EQ(j["Auslegungsnummer"], 2);
    EXPECT_TRUE(j["Auslegung"][0]["Erfolg"].get<bool>());
    EXPECT_TRUE(j["Auslegung"][0]["ProfilauswertungGueltig"].get<bool>());
    for (const char* feld : {"CW", "CWv", "Gleitzahl", "Sinkgeschwindigkeit", "Neutralpunkt", "Stabilitaetsmass",
                             "Widerstand", "MomentY", "Schubkraft", "Flaechenbelastung"})
        EXPECT_TRUE(j.contains(feld)) << feld;
    ASSERT_FALSE(j["Flaechen"].empty());
    const nlohmann::json& streifen = j["Flaechen"][0]["Streifen"][0];
    for (const char* slot : {"Gamma", "Ca", "Re", "AlfaEffektiv", "CaMax", "Cwv", "AbrissOben", "BlaseUnten"})
        EXPECT_TRUE(streifen.contains(slot)) << slot;
    EXPECT_TRUE(streifen["Hinterkante"].contains("x"));
    // Every result field of the table, for the aircraft and for each surface.
    for (const TFlugzeugergebnis& e : Flugzeugergebnisse()) {
        if (e.Schluessel) {
            EXPECT_TRUE(j.at(e.Schluessel).is_number()) << e.Schluessel;
        }
    }
    for (const TFlaechenergebnis& e : Flaechenergebnisse())
        EXPECT_TRUE(j["Flaechen"][0].at(e.Schluessel).is_number()) << e.Schluessel;

    const std::vector<std::string> datei = LeseTextzeilen(ordner / "segler.VelOut");
    ASSERT_FALSE(datei.empty());
    EXPECT_EQ(datei.front(), "[GESAMTES FLUGZEUG]");
    EXPECT_EQ(LeseTextzeilen(ordner / "transfer.txt").size(), 8u);
}

TEST_F(BefehlDesign, PrintsTheResultsPagesInTheChosenLanguage)
{
    for (const char* sprache : {"DEUTSCH", "ENGLISH"}) {
        SCOPED_TRACE(sprache);
        TSprachtexte texte;
        texte.EingestellteSprache = sprache;
        ASSERT_TRUE(texte.SpracheLaden(std::filesystem::path(VELION_SOURCE) / "resources"));
        const TCliAufruf a = Design({"--ziel", "1", "--wert", "3", "--quiet", "--sprache", sprache});
        ASSERT_EQ(a.Rueckgabe, 0) << a.Fehler;
        EXPECT_NE(a.Aus.find("== " + texte.Ausgabetext(3) + " ==\n"), std::string::npos) << a.Aus;
        EXPECT_NE(a.Aus.find(texte.Ausgabetext(12) + " = 3.00000°\n"), std::string::npos) << a.Aus;
        EXPECT_NE(a.Aus.find(texte.Ausgabetext(52) + " = "), std::string::npos);
        EXPECT_NE(a.Aus.find("== 0) "), std::string::npos);
    }
}

TEST_F(BefehlDesign, FailedDesignExitsWithOneAndWritesNothing)
{
    const TCliAufruf a = Design({"--ziel", "2", "--wert", "6", "--quiet", "--out", Pfad("x.VelOut"), "--transfer",
                                 ordner.string()});
    EXPECT_EQ(a.Rueckgabe, 1) << a.Fehler;
    EXPECT_FALSE(std::filesystem::exists(ordner / "x.VelOut"));
    EXPECT_FALSE(std::filesystem::exists(ordner / "transfer.txt"));
}

TEST_F(BefehlDesign, BadInputExitsWithTwo)
{
    const std::vector<std::vector<std::string>> faelle = {{"--ziel", "1", "--wert", "100"},
                                                          {"--ziel", "2", "--wert", "abc"},
                                                          {"--ziel", "5", "--wert", "0"},
                                                          {"--ziel", "3", "--wert", "101"},
                                                          {"--ziel", "6"}};
    for (std::vector<std::string> argumente : faelle) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        argumente.push_back("--quiet");
        EXPECT_EQ(Design(argumente).Rueckgabe, 2);
    }
    EXPECT_EQ(StarteCli({"design", Pfad("fehlt.vel"), "--quiet"}, ordner, "fehlt").Rueckgabe, 2);
}

}  // namespace
