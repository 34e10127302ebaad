// velion-cli profile end to end: text and JSON output, and exit code 2 with one message on bad input.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliAufruf.h"

namespace {

/// velion-cli profile with `argumente`; each call of a test gets its own output files.
TCliAufruf Profile(const std::vector<std::string>& argumente)
{
    static int aufrufe = 0;
    std::vector<std::string> alle{"profile"};
    alle.insert(alle.end(), argumente.begin(), argumente.end());
    return StarteCli(alle, CliOrdner("velion_profile"),
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + std::to_string(aufrufe++));
}

std::string Daten(const char* name) { return std::string(VELION_TESTDATA) + "/" + name; }

std::string Beispiel(const char* name) { return std::string(VELION_EXAMPLES) + "/" + name; }

// The JSON object of a run that must succeed.
nlohmann::json Json(std::vector<std::string> argumente)
{
    argumente.insert(argumente.begin(), "--json");
    const TCliAufruf a = Profile(argumente);
    EXPECT_EQ(a.Rueckgabe, 0) << a.Fehler;
    return nlohmann::json::parse(a.Aus);
}

}  // namespace

TEST(BefehlProfile, PrintsTitleCountAndChecks)
{
    const TCliAufruf a = Profile({Daten("profil_nase_hoch.dat")});
    EXPECT_EQ(a.Rueckgabe, 0) << a.Fehler;
    EXPECT_NE(a.Aus.find("Titel: Nase zu hoch"), std::string::npos) << a.Aus;
    EXPECT_NE(a.Aus.find("Anzahl: 5"), std::string::npos) << a.Aus;
    EXPECT_NE(a.Aus.find("Nasenhoehe: NICHT bestanden"), std::string::npos) << a.Aus;
    EXPECT_NE(a.Aus.find("Nasenposition: bestanden"), std::string::npos) << a.Aus;
}

TEST(BefehlProfile, JsonUsesTheFieldNames)
{
    const TCliAufruf a = Profile({"--json", Daten("profil_nase_hoch.dat")});
    EXPECT_EQ(a.Rueckgabe, 0) << a.Fehler;
    for (const char* feld : {"\"Titel\": \"Nase zu hoch\"", "\"Dateiname\": \"profil_nase_hoch.dat\"", "\"Anzahl\": 5",
                             "\"Nasenhoehe\": false", "\"Endleistenmitte\": true", "\"EinPunktBeiXNull\": true",
                             "\"AnzahlXNull\": 1", "\"AlleBestanden\": false"}) {
        SCOPED_TRACE(feld);
        EXPECT_NE(a.Aus.find(feld), std::string::npos) << a.Aus;
    }
}

TEST(BefehlProfile, UnreadableInputExitsWithTwoAndOneMessage)
{
    for (const char* datei : {"profil_drei_zahlen.dat", "fehlt.dat"}) {
        SCOPED_TRACE(datei);
        const TCliAufruf a = Profile({Daten(datei)});
        EXPECT_EQ(a.Rueckgabe, 2);
        EXPECT_EQ(a.Aus, "");
        EXPECT_EQ(a.Fehler.rfind("Fehler: ", 0), 0u) << a.Fehler;
        EXPECT_NE(a.Fehler.find(datei), std::string::npos) << a.Fehler;
        EXPECT_EQ(a.Fehler.find('\n'), a.Fehler.size() - 1) << a.Fehler;
    }
}

TEST(BefehlProfile, JsonHasCharacteristicValuesAndPanelPolar)
{
    const nlohmann::json j = Json({"--alpha", "0:8:2", Beispiel("Naca2412.dat")});
    for (const char* name : {"Dicke", "Dickenruecklage", "Woelbung", "Woelbungsruecklage", "Alfa0", "Cm0",
                             "Auftriebsanstieg", "Neutralpunktlage", "AlfaIdeal", "CaIdeal"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(j["Beiwerte"][name].is_number());
    }
    // Thin-airfoil zero-lift angle of the NACA 24xx camber line.
    EXPECT_NEAR(j["Beiwerte"]["Alfa0"].get<double>(), -2.077, 0.02);
    const nlohmann::json& polare = j["Polare"];
    ASSERT_EQ(polare.size(), 5u);
    for (std::size_t k = 0; k < polare.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(polare[k]["Alfa"].get<double>(), 2.0 * k);
        for (const char* feld : {"Ca", "Cwp", "MNase", "M25"}) EXPECT_TRUE(polare[k][feld].is_number()) << feld;
        EXPECT_FALSE(polare[k].contains("Cw"));
        if (k > 0) {
            EXPECT_GT(polare[k]["Ca"].get<double>(), polare[k - 1]["Ca"].get<double>());
        }
    }
    EXPECT_TRUE(Json({Beispiel("Naca2412.dat")})["Polare"].empty());
}

TEST(BefehlProfile, StripAnalysisPerAngleAndBubbleSwitch)
{
    const nlohmann::json ohne = Json({"--alpha", "2:-2:2", "--re", "5e4", Beispiel("Naca2412.dat")});
    const nlohmann::json mit = Json({"--alpha", "2:-2:2", "--re", "5e4", "--blase", Beispiel("Naca2412.dat")});
    ASSERT_EQ(ohne["Polare"].size(), 3u);
    ASSERT_EQ(mit["Polare"].size(), 3u);
    EXPECT_DOUBLE_EQ(ohne["Polare"][2]["Alfa"].get<double>(), -2.0);
    bool blase = false;
    for (std::size_t k = 0; k < 3; ++k) {
        const nlohmann::json& o = ohne["Polare"][k];
        const nlohmann::json& m = mit["Polare"][k];
        for (const char* feld : {"AlfaMin", "AlfaMax", "CaMin", "CaMax", "Cw", "XOben", "XUnten"}) {
            SCOPED_TRACE(feld);
            EXPECT_TRUE(o[feld].is_number());
        }
        EXPECT_FALSE(o["BlaseOben"].get<bool>() || o["BlaseUnten"].get<bool>());
        EXPECT_GE(m["Cw"].get<double>(), o["Cw"].get<double>());
        blase = blase || m["BlaseOben"].get<bool>() || m["BlaseUnten"].get<bool>();
    }
    EXPECT_TRUE(blase);
}

TEST(BefehlProfile, TextListsValuesWithUnitsAndThePolarTable)
{
    const TCliAufruf a = Profile({"--alpha", "4", "--re", "2e5", Beispiel("Naca2412.dat")});
    EXPECT_EQ(a.Rueckgabe, 0) << a.Fehler;
    for (const char* zeile : {"Beiwerte:", "  Dicke = 11.98500 %", "  Nullauftriebswinkel Alfa0 = -2.07", "Polare:",
                              "BlaseUnten", "    4.00000"}) {
        SCOPED_TRACE(zeile);
        EXPECT_NE(a.Aus.find(zeile), std::string::npos) << a.Aus;
    }
    const TCliAufruf englisch = Profile({"--sprache", "english", Beispiel("Naca2412.dat")});
    EXPECT_EQ(englisch.Rueckgabe, 0) << englisch.Fehler;
    EXPECT_NE(englisch.Aus.find("  Camber position = 42.42900 %"), std::string::npos) << englisch.Aus;
}

TEST(BefehlProfile, BadAnalysisOptionsExitWithTwo)
{
    const std::vector<std::vector<std::string>> faelle = {
        {"--alpha", "0:8:0"}, {"--alpha", "0:8"},          {"--alpha", "x"},           {"--alpha", "0:1e9:1e-9"},
        {"--alpha", "2", "--re", "-5"}, {"--re", "1e5"}, {"--blase", "--alpha", "2"},
    };
    for (std::vector<std::string> argumente : faelle) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        argumente.push_back(Beispiel("Naca2412.dat"));
        const TCliAufruf a = Profile(argumente);
        EXPECT_EQ(a.Rueckgabe, 2) << a.Fehler;
        EXPECT_FALSE(a.Fehler.empty());
    }
    const TCliAufruf a = Profile({"--alpha", "2", Daten("aero_zwei_punkte.dat")});
    EXPECT_EQ(a.Rueckgabe, 2) << a.Fehler;
    EXPECT_NE(a.Fehler.find("mindestens 3 Punkte"), std::string::npos) << a.Fehler;
}

TEST(BefehlProfile, TooManyPointsForThePanelMethodAreRefusedUpFront)
{
    // A circle of 2002 points: its characteristic values come at once, the panel method (whose time
    // grows with the cube of the count) is refused before it starts.
    const std::filesystem::path datei = std::filesystem::temp_directory_path() / "velion_profil_2002.dat";
    {
        std::ofstream aus(datei);
        aus << "Kreis\n";
        for (int i = 0; i < 2002; ++i) {
            const double w = 2.0 * 3.141592653589793 * i / 2001.0;
            aus << 0.5 + 0.5 * std::cos(w) << ' ' << 0.05 * std::sin(w) << '\n';
        }
    }
    const TCliAufruf beiwerte = Profile({datei.string()});
    EXPECT_EQ(beiwerte.Rueckgabe, 0) << beiwerte.Fehler;
    const TCliAufruf polare = Profile({"--alpha", "2", datei.string()});
    EXPECT_EQ(polare.Rueckgabe, 2) << polare.Fehler;
    EXPECT_NE(polare.Fehler.find("höchstens 2001 Punkten, die Datei hat 2002"), std::string::npos) << polare.Fehler;
    std::filesystem::remove(datei);
}
