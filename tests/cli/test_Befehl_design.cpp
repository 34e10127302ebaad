// velion-cli design end to end on the example sailplane: JSON with every result field and strip
// slot, the result and transfer files, the results pages in both languages, and the exit codes of
// a failed design and of bad input.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/Sprachtexte.h"
#include "common/Textdatei.h"

namespace {

struct TAusgabe {
    int Code;
    std::string Text;
};

/// Runs velion-cli with the arguments; `umleitung` says where stderr goes.
TAusgabe Starte(const std::string& argumente, const char* umleitung = "2>&1")
{
    const std::string befehl = std::string("'") + VELION_CLI + "' " + argumente + " " + umleitung;
    FILE* rohr = ::popen(befehl.c_str(), "r");
    std::string text;
    std::array<char, 4096> puffer{};
    while (std::fgets(puffer.data(), puffer.size(), rohr)) text += puffer.data();
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

const std::string Segler = std::string("'") + VELION_EXAMPLES + "/Segler.vel'";

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
    std::string Ordner() const { return "'" + ordner.string() + "'"; }

    std::filesystem::path ordner;
};

TEST_F(BefehlDesign, JsonCarriesTheResultsAndTheFilesAreWritten)
{
    const TAusgabe a = Starte("design " + Segler + " --ziel 2 --wert 0.6 --json --quiet --out " + Ordner() +
                                  "/segler.txt --transfer " + Ordner(),
                              "2>/dev/null");
    ASSERT_EQ(a.Code, 0) << a.Text;
    const nlohmann::json j = nlohmann::json::parse(a.Text);
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
        const TAusgabe a = Starte("design " + Segler + " --ziel 1 --wert 3 --quiet --sprache " + sprache, "2>/dev/null");
        ASSERT_EQ(a.Code, 0) << a.Text;
        EXPECT_NE(a.Text.find("== " + texte.Ausgabetext(3) + " ==\n"), std::string::npos) << a.Text;
        EXPECT_NE(a.Text.find(texte.Ausgabetext(12) + " = 3.00000°\n"), std::string::npos) << a.Text;
        EXPECT_NE(a.Text.find(texte.Ausgabetext(52) + " = "), std::string::npos);
        EXPECT_NE(a.Text.find("== 0) "), std::string::npos);
    }
}

TEST_F(BefehlDesign, FailedDesignExitsWithOneAndWritesNothing)
{
    const TAusgabe a = Starte("design " + Segler + " --ziel 2 --wert 6 --quiet --out " + Ordner() + "/x.VelOut --transfer " +
                              Ordner());
    EXPECT_EQ(a.Code, 1) << a.Text;
    EXPECT_FALSE(std::filesystem::exists(ordner / "x.VelOut"));
    EXPECT_FALSE(std::filesystem::exists(ordner / "transfer.txt"));
}

TEST_F(BefehlDesign, BadInputExitsWithTwo)
{
    for (const std::string argumente :
         {"--ziel 1 --wert 100", "--ziel 2 --wert abc", "--ziel 5 --wert 0", "--ziel 3 --wert 101", "--ziel 6"}) {
        SCOPED_TRACE(argumente);
        EXPECT_EQ(Starte("design " + Segler + " --quiet " + argumente).Code, 2);
    }
    EXPECT_EQ(Starte("design '" + ordner.string() + "/fehlt.vel' --quiet").Code, 2);
}

}  // namespace
