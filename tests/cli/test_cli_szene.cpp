// velion-cli info and save, run as a separate process on the examples and on damaged files: exit
// codes, what reaches stdout and stderr, and the JSON shape.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/Textdatei.h"

namespace fs = std::filesystem;

namespace {

struct TAufruf {
    int Rueckgabe = -1;
    std::string Aus;
    std::string Fehler;
};

fs::path Ordner()
{
    const fs::path o = fs::path(::testing::TempDir()) / "velion_cli_szene";
    fs::create_directories(o);
    return o;
}

std::string Zitiert(const std::string& s) { return "'" + s + "'"; }

TAufruf Starte(const std::vector<std::string>& argumente)
{
    // ctest runs the tests of this file in parallel: each gets its own output files.
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path aus = Ordner() / (name + ".stdout");
    const fs::path fehler = Ordner() / (name + ".stderr");
    std::string befehl = Zitiert(VELION_CLI);
    for (const std::string& a : argumente) befehl += " " + Zitiert(a);
    befehl += " >" + Zitiert(aus.string()) + " 2>" + Zitiert(fehler.string()) + " </dev/null";
    const int status = std::system(befehl.c_str());
    TAufruf r;
    r.Rueckgabe = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Aus = LeseDateiRoh(aus);
    r.Fehler = LeseDateiRoh(fehler);
    return r;
}

constexpr char Elf[] = "\x7F" "ELF\x02\x01\x01\0\0\0\xff\xfe\r\n\x01\x02";
const std::string Binaer(Elf, sizeof Elf - 1);

const char* const Beispiele[] = {"Rechteckfluegel", "Segler", "Nurfluegel"};

fs::path Beispiel(const std::string& name) { return fs::path(VELION_EXAMPLES) / (name + ".vel"); }

}  // namespace

TEST(CliSzene, InfoZeigtJedesBeispiel)
{
    for (const char* name : Beispiele) {
        SCOPED_TRACE(name);
        const TAufruf r = Starte({"info", Beispiel(name).string()});
        EXPECT_EQ(r.Rueckgabe, 0) << r.Fehler;
        EXPECT_EQ(r.Fehler, "");
        EXPECT_NE(r.Aus.find("Fläche 0"), std::string::npos);
        EXPECT_NE(r.Aus.find("Segment 0"), std::string::npos);
        EXPECT_NE(r.Aus.find(".dat"), std::string::npos);
    }
}

TEST(CliSzene, InfoAlsJson)
{
    const TAufruf r = Starte({"info", Beispiel("Segler").string(), "--json"});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    const nlohmann::json j = nlohmann::json::parse(r.Aus);
    EXPECT_EQ(j["Bezeichnung"], "Segler 2,5 m");
    EXPECT_EQ(j["Auslegungsnummer"], 2);
    EXPECT_TRUE(j["AuslegungsCa"].is_number());
    ASSERT_EQ(j["Flaechen"].size(), 3u);
    const auto& fluegel = j["Flaechen"][0];
    EXPECT_EQ(fluegel["Art"], "Fluegel");
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
    EXPECT_EQ(j["Flaechen"][2]["Art"], "Seitenleitwerk");
}

TEST(CliSzene, SaveGibtDieBeispieleUnveraendertZurueck)
{
    for (const char* name : Beispiele) {
        SCOPED_TRACE(name);
        const fs::path ziel = Ordner() / (std::string(name) + "_neu.vel");
        const TAufruf r = Starte({"save", Beispiel(name).string(), ziel.string()});
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        EXPECT_EQ(r.Aus, "");
        std::vector<std::string> alt = InZeilen(LeseDateiRoh(Beispiel(name)));
        const std::vector<std::string> neu = InZeilen(LeseDateiRoh(ziel));
        ASSERT_EQ(alt.size(), neu.size());
        alt[1] = neu[1];  // the time of writing
        EXPECT_EQ(alt, neu);
    }
}

TEST(CliSzene, UnlesbareEingabeEndetMitCodeZwei)
{
    const std::string beispiel = LeseDateiRoh(Beispiel("Rechteckfluegel"));
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
            const TAufruf r = Starte(argumente);
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
    EXPECT_EQ(Starte({"save", Beispiel("Segler").string()}).Rueckgabe, 2);
}
