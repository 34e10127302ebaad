// velion-cli profile end to end: text and JSON output, and exit code 2 with one message on bad input.
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

struct TAusgabe {
    int Code;
    std::string Text;
};

// Runs velion-cli with the arguments; stdout and stderr together.
TAusgabe Starte(const std::string& argumente)
{
    const std::string befehl = std::string("'") + VELION_CLI + "' " + argumente + " 2>&1";
    FILE* rohr = ::popen(befehl.c_str(), "r");
    std::string text;
    std::array<char, 512> puffer{};
    while (std::fgets(puffer.data(), puffer.size(), rohr)) text += puffer.data();
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::string Daten(const char* name) { return std::string("'") + VELION_TESTDATA + "/" + name + "'"; }

std::string Beispiel(const char* name) { return std::string("'") + VELION_EXAMPLES + "/" + name + "'"; }

// The JSON object of a run that must succeed.
nlohmann::json Json(const std::string& argumente)
{
    const TAusgabe a = Starte("profile --json " + argumente);
    EXPECT_EQ(a.Code, 0) << a.Text;
    return nlohmann::json::parse(a.Text);
}

}  // namespace

TEST(BefehlProfile, PrintsTitleCountAndChecks)
{
    const TAusgabe a = Starte("profile " + Daten("profil_nase_hoch.dat"));
    EXPECT_EQ(a.Code, 0) << a.Text;
    EXPECT_NE(a.Text.find("Titel: Nase zu hoch"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Anzahl: 5"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Nasenhoehe: NICHT bestanden"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Nasenposition: bestanden"), std::string::npos) << a.Text;
}

TEST(BefehlProfile, JsonUsesTheFieldNames)
{
    const TAusgabe a = Starte("profile --json " + Daten("profil_nase_hoch.dat"));
    EXPECT_EQ(a.Code, 0) << a.Text;
    for (const char* feld : {"\"Titel\": \"Nase zu hoch\"", "\"Dateiname\": \"profil_nase_hoch.dat\"", "\"Anzahl\": 5",
                             "\"Nasenhoehe\": false", "\"Endleistenmitte\": true", "\"EinPunktBeiXNull\": true",
                             "\"AnzahlXNull\": 1", "\"AlleBestanden\": false"}) {
        SCOPED_TRACE(feld);
        EXPECT_NE(a.Text.find(feld), std::string::npos) << a.Text;
    }
}

TEST(BefehlProfile, UnreadableInputExitsWithTwoAndOneMessage)
{
    for (const char* datei : {"profil_drei_zahlen.dat", "fehlt.dat"}) {
        SCOPED_TRACE(datei);
        const TAusgabe a = Starte("profile " + Daten(datei));
        EXPECT_EQ(a.Code, 2);
        EXPECT_EQ(a.Text.rfind("Fehler: ", 0), 0u) << a.Text;
        EXPECT_NE(a.Text.find(datei), std::string::npos) << a.Text;
        EXPECT_EQ(a.Text.find('\n'), a.Text.size() - 1) << a.Text;
    }
}

TEST(BefehlProfile, JsonHasCharacteristicValuesAndPanelPolar)
{
    const nlohmann::json j = Json("--alpha 0:8:2 " + Beispiel("Naca2412.dat"));
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
    EXPECT_TRUE(Json(Beispiel("Naca2412.dat"))["Polare"].empty());
}

TEST(BefehlProfile, StripAnalysisPerAngleAndBubbleSwitch)
{
    const nlohmann::json ohne = Json("--alpha 2:-2:2 --re 5e4 " + Beispiel("Naca2412.dat"));
    const nlohmann::json mit = Json("--alpha 2:-2:2 --re 5e4 --blase " + Beispiel("Naca2412.dat"));
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
    const TAusgabe a = Starte("profile --alpha 4 --re 2e5 " + Beispiel("Naca2412.dat"));
    EXPECT_EQ(a.Code, 0) << a.Text;
    for (const char* zeile : {"Beiwerte:", "  Dicke = 11.98500 %", "  Nullauftriebswinkel Alfa0 = -2.07", "Polare:",
                              "BlaseUnten", "    4.00000"}) {
        SCOPED_TRACE(zeile);
        EXPECT_NE(a.Text.find(zeile), std::string::npos) << a.Text;
    }
    const TAusgabe englisch = Starte("profile --sprache english " + Beispiel("Naca2412.dat"));
    EXPECT_EQ(englisch.Code, 0) << englisch.Text;
    EXPECT_NE(englisch.Text.find("  Camber position = 42.42900 %"), std::string::npos) << englisch.Text;
}

TEST(BefehlProfile, BadAnalysisOptionsExitWithTwo)
{
    for (const char* argumente : {"--alpha 0:8:0", "--alpha 0:8", "--alpha x", "--alpha 0:1e9:1e-9", "--alpha 2 --re -5",
                                  "--re 1e5", "--blase --alpha 2"}) {
        SCOPED_TRACE(argumente);
        const TAusgabe a = Starte(std::string("profile ") + argumente + " " + Beispiel("Naca2412.dat"));
        EXPECT_EQ(a.Code, 2) << a.Text;
        EXPECT_FALSE(a.Text.empty());
    }
    const TAusgabe a = Starte("profile --alpha 2 " + Daten("aero_zwei_punkte.dat"));
    EXPECT_EQ(a.Code, 2) << a.Text;
    EXPECT_NE(a.Text.find("mindestens 3 Punkte"), std::string::npos) << a.Text;
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
    const std::string name = "'" + datei.string() + "'";
    const TAusgabe beiwerte = Starte("profile " + name);
    EXPECT_EQ(beiwerte.Code, 0) << beiwerte.Text;
    const TAusgabe polare = Starte("profile --alpha 2 " + name);
    EXPECT_EQ(polare.Code, 2) << polare.Text;
    EXPECT_NE(polare.Text.find("höchstens 2001 Punkten, die Datei hat 2002"), std::string::npos) << polare.Text;
    std::filesystem::remove(datei);
}
