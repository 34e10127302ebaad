// velion-cli info on built scenes: the reference values and panel counts, and the lattice table of
// --lattice, which must be watertight.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "common/Textdatei.h"

namespace fs = std::filesystem;

namespace {

fs::path Ordner() { return CliOrdner("velion_cli_gitter"); }

TCliAufruf Starte(const std::vector<std::string>& argumente, const std::string& kennung)
{
    return StarteCli(argumente, Ordner(), kennung);
}

std::vector<std::string> Felder(const std::string& zeile)
{
    std::vector<std::string> f;
    std::stringstream s(zeile);
    for (std::string feld; std::getline(s, feld, ',');) f.push_back(feld);
    return f;
}

}  // namespace

TEST(CliGitter, InfoZeigtBezugswerteUndPanels)
{
    const TCliAufruf r = Starte({"info", Beispielszene("Rechteckfluegel").string(), "--json"}, "rechteck");
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    EXPECT_EQ(r.Fehler, "");
    const nlohmann::json j = nlohmann::json::parse(r.Aus);
    const nlohmann::json& f = j["Flaechen"][0];
    EXPECT_NEAR(f["FlaecheHorizontal"].get<double>(), 0.2, 1e-12);
    EXPECT_NEAR(f["FlaecheWahr"].get<double>(), 0.2, 1e-12);
    EXPECT_NEAR(f["FlaecheSeitlich"].get<double>(), 0.0, 1e-12);
    EXPECT_NEAR(f["Bezugstiefe"].get<double>(), 0.2, 1e-12);
    EXPECT_NEAR(f["Spannweite"].get<double>(), 1.0, 1e-12);
    EXPECT_NEAR(f["Streckung"].get<double>(), 5.0, 1e-12);
    EXPECT_EQ(f["PanelrasterStreifen"], 16);
    EXPECT_EQ(f["PanelrasterSpalten"], 6);
    EXPECT_EQ(f["AnzahlPanels"], 96);
    EXPECT_EQ(j["AnzahlPanels"], 96);
    EXPECT_NEAR(j["FlaecheHorizontalGesamt"].get<double>(), 0.2, 1e-12);
    EXPECT_NEAR(j["Bezugstiefe"].get<double>(), 0.2, 1e-12);
    EXPECT_NEAR(j["Gesamtmasse"].get<double>(), 0.4, 1e-12);
    EXPECT_NEAR(j["Luftdichte"].get<double>(), 1.225, 1e-12);

    const TCliAufruf text = Starte({"info", Beispielszene("Rechteckfluegel").string()}, "rechteck_text");
    ASSERT_EQ(text.Rueckgabe, 0) << text.Fehler;
    EXPECT_NE(text.Aus.find("Streckung"), std::string::npos);
    EXPECT_NE(text.Aus.find("Panels gesamt"), std::string::npos);
}

TEST(CliGitter, GittertabelleIstWasserdicht)
{
    for (const char* name : {"Rechteckfluegel", "Segler", "Nurfluegel"}) {
        SCOPED_TRACE(name);
        const fs::path csv = Ordner() / (std::string(name) + ".csv");
        fs::remove(csv);
        const TCliAufruf r = Starte({"info", Beispielszene(name).string(), "--json", "--lattice", csv.string()}, name);
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        const nlohmann::json j = nlohmann::json::parse(r.Aus);
        const std::vector<std::string> zeilen = LeseTextzeilen(csv);
        ASSERT_FALSE(zeilen.empty());
        const std::vector<std::string> kopf = Felder(zeilen[0]);
        ASSERT_EQ(kopf.size(), 4U + 12U + 7U);
        EXPECT_EQ(kopf[0], "Flaeche");
        EXPECT_EQ(kopf.back(), "Flaecheninhalt");
        EXPECT_EQ(static_cast<int>(zeilen.size()) - 1, j["AnzahlPanels"].get<int>());

        // Corners by (surface, strip, column); the text of equal numbers is equal.
        using TSchluessel = std::tuple<int, int, int>;
        std::map<TSchluessel, std::vector<std::string>> panels;
        for (std::size_t i = 1; i < zeilen.size(); ++i) {
            const std::vector<std::string> f = Felder(zeilen[i]);
            ASSERT_EQ(f.size(), kopf.size()) << zeilen[i];
            EXPECT_GT(std::stod(f.back()), 0.0) << zeilen[i];
            panels[{std::stoi(f[0]), std::stoi(f[2]), std::stoi(f[3])}] = f;
        }
        auto ecke = [](const std::vector<std::string>& f, int e) { return f[4 + 3 * e] + f[5 + 3 * e] + f[6 + 3 * e]; };
        int paare = 0;
        for (const auto& [schluessel, f] : panels) {
            const auto [flaeche, streifen, spalte] = schluessel;
            const auto hinten = panels.find({flaeche, streifen, spalte + 1});
            if (hinten != panels.end()) {
                EXPECT_EQ(ecke(f, 0), ecke(hinten->second, 3));
                EXPECT_EQ(ecke(f, 1), ecke(hinten->second, 2));
                ++paare;
            }
            const auto rechts = panels.find({flaeche, streifen + 1, spalte});
            if (rechts != panels.end()) {
                EXPECT_EQ(ecke(f, 1), ecke(rechts->second, 0));
                EXPECT_EQ(ecke(f, 2), ecke(rechts->second, 3));
                ++paare;
            }
        }
        EXPECT_GT(paare, 0);
    }
}

TEST(CliGitter, GittertabelleInUnschreibbarenOrdner)
{
    const TCliAufruf r = Starte({"info", Beispielszene("Rechteckfluegel").string(), "--lattice", "/nonexistent/dir/x.csv"},
                             "unschreibbar");
    EXPECT_EQ(r.Rueckgabe, 2);
    EXPECT_NE(r.Fehler.find("x.csv"), std::string::npos) << r.Fehler;
}
