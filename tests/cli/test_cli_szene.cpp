// velion-cli info and save, run as a separate process on the examples and on damaged files: exit
// codes, what reaches stdout and stderr, and the JSON shape.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliAufruf.h"
#include "common/Textdatei.h"

namespace fs = std::filesystem;

namespace {

fs::path Ordner() { return CliOrdner("velion_cli_szene"); }

/// Runs velion-cli; ctest runs the tests of this file in parallel, so each gets its own output files.
TCliAufruf Starte(const std::vector<std::string>& argumente)
{
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return StarteCli(argumente, Ordner(), name);
}

constexpr char Elf[] = "\x7F" "ELF\x02\x01\x01\0\0\0\xff\xfe\r\n\x01\x02";
const std::string Binaer(Elf, sizeof Elf - 1);

const char* const Beispiele[] = {"Rechteckfluegel", "Segler", "Nurfluegel"};

}  // namespace

TEST(CliSzene, InfoZeigtJedesBeispiel)
{
    for (const char* name : Beispiele) {
        SCOPED_TRACE(name);
        const TCliAufruf r = Starte({"info", Beispielszene(name).string()});
        EXPECT_EQ(r.Rueckgabe, 0) << r.Fehler;
        EXPECT_EQ(r.Fehler, "");
        EXPECT_NE(r.Aus.find("Fläche 0"), std::string::npos);
        EXPECT_NE(r.Aus.find("Segment 0"), std::string::npos);
        EXPECT_NE(r.Aus.find(".dat"), std::string::npos);
    }
}

TEST(CliSzene, InfoAlsJson)
{
    const TCliAufruf r = Starte({"info", Beispielszene("Segler").string(), "--json"});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    const nlohmann::json j = nlohmann::json::parse(r.Aus);
    EXPECT_EQ(j["Bezeichnung"], "Segler 2,5 m");
    EXPECT_EQ(j["Auslegungsnummer"], 2);
    EXPECT_TRUE(j["AuslegungsCa"].is_number());
    ASSERT_EQ(j["Flaechen"].size(), 3u);
    const auto& fluegel = j["Flaechen"][0];
    EXPECT_EQ(fluegel["Art"], "FLUEGEL");
    EXPECT_EQ(fluegel["AnzahlSegmente"], 8);
    ASSERT_EQ(fluegel["Segmente"].size(), 8u);
    EXPECT_TRUE(fluegel["Position"]["x"].is_number());
    // The segments run from the left tip to the right tip, so the span adds up from the widths.
    double spannweite = 0.0;
    for (const auto& s : fluegel["Segmente"]) spannweite += std::abs(s["Segmentbreite"].get<double>());
    EXPECT_NEAR(spannweite, 2.5, 1e-9);
    EXPECT_LT(fluegel["Segmente"][0]["Segmentbreite"].get<double>(), 0.0);
    EXPECT_EQ(fluegel["Segmente"][0]["Profildatei"], "NACA-2410.dat");
    EXPECT_GT(fluegel["Segmente"][0]["Profilpunkte"].get<int>(), 20);
    EXPECT_EQ(j["Flaechen"][2]["Art"], "SEITENLEITWERK");
}

TEST(CliSzene, SaveGibtDieBeispieleUnveraendertZurueck)
{
    for (const char* name : Beispiele) {
        SCOPED_TRACE(name);
        const fs::path ziel = Ordner() / (std::string(name) + "_neu.vel");
        const TCliAufruf r = Starte({"save", Beispielszene(name).string(), ziel.string()});
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        EXPECT_EQ(r.Aus, "");
        std::vector<std::string> alt = InZeilen(LeseDateiRoh(Beispielszene(name)));
        const std::vector<std::string> neu = InZeilen(LeseDateiRoh(ziel));
        ASSERT_EQ(alt.size(), neu.size());
        alt[1] = neu[1];  // the time of writing
        EXPECT_EQ(alt, neu);
    }
}

TEST(CliSzene, UnlesbareEingabeEndetMitCodeZwei)
{
    const std::string beispiel = LeseDateiRoh(Beispielszene("Rechteckfluegel"));
    const auto schreibe = [](const std::string& name, const std::string& inhalt) {
        const fs::path p = Ordner() / name;
        SchreibeDateiAtomar(p, inhalt);
        return p.string();
    };
    const struct {
        const char* name;
        std::string datei;
        const char* grund;
    } faelle[] = {
        {"fehlt", (Ordner() / "gibt_es_nicht.vel").string(), "lesbare Datei"},
        {"leer", schreibe("leer.vel", ""), "[FLUGZEUG]"},
        {"abgeschnitten", schreibe("halb.vel", beispiel.substr(0, beispiel.find("\r\n", beispiel.size() / 2) + 2)), "ENDE]"},
        {"keine_zahl", schreibe("text.vel", std::string(beispiel).replace(beispiel.find("ANZAHL PANELS X=") + 16, 1, "x")), "ANZAHL PANELS X="},
        {"binaer", schreibe("binaer.vel", Binaer), "[FLUGZEUG]"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        for (const std::vector<std::string>& argumente :
             {std::vector<std::string>{"info", f.datei}, std::vector<std::string>{"info", f.datei, "--json"},
              std::vector<std::string>{"save", f.datei, (Ordner() / "nie.vel").string()}}) {
            const TCliAufruf r = Starte(argumente);
            EXPECT_EQ(r.Rueckgabe, 2);
            EXPECT_EQ(r.Aus, "");
            // One line, naming the file and the cause.
            ASSERT_FALSE(r.Fehler.empty());
            EXPECT_EQ(r.Fehler.find('\n'), r.Fehler.size() - 1) << r.Fehler;
            EXPECT_NE(r.Fehler.find(fs::path(f.datei).filename().string()), std::string::npos) << r.Fehler;
            EXPECT_NE(r.Fehler.find(f.grund), std::string::npos) << r.Fehler;
        }
        EXPECT_FALSE(fs::exists(Ordner() / "nie.vel"));
    }
}

TEST(CliSzene, FehlendeArgumenteSindBedienfehler)
{
    EXPECT_EQ(Starte({"info"}).Rueckgabe, 2);
    EXPECT_EQ(Starte({"save", Beispielszene("Segler").string()}).Rueckgabe, 2);
}
