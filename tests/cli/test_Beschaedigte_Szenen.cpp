// Damaged and degenerate scenes end as failures, never as a success with numbers that are none:
// profile points at infinity, negative masses, huge drag values, surfaces without panels, an
// aircraft without horizontal area.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliAufruf.h"

namespace {

namespace fs = std::filesystem;

struct TFall {
    const char* name;
    const char* datei;
    std::vector<std::string> argumente;  ///< after the scene
    const char* meldung;                 ///< expected in stderr, or nullptr when any refusal will do
};

class BeschaedigteSzenen : public ::testing::TestWithParam<TFall> {};

TEST_P(BeschaedigteSzenen, EndenAlsFehlschlagOhneDateien)
{
    const TFall& fall = GetParam();
    const fs::path ordner = CliOrdner(std::string("beschaedigt_") + fall.name);
    fs::remove(ordner / "erg.VelOut");
    fs::remove(ordner / "transfer.txt");
    std::vector<std::string> argumente{fall.argumente.front(), std::string(VELION_TESTDATA) + "/beschaedigt/" + fall.datei,
                                       "--quiet"};
    argumente.insert(argumente.end(), fall.argumente.begin() + 1, fall.argumente.end());
    if (fall.argumente.front() == "design")
        argumente.insert(argumente.end(), {"--out", (ordner / "erg.VelOut").string(), "--transfer", ordner.string()});
    const TCliAufruf r = StarteCli(argumente, ordner, "aufruf");

    // Some of these files are refused by the reader (2), the others fail in the computation (1);
    // neither may pass as a success.
    EXPECT_TRUE(r.Rueckgabe == 1 || r.Rueckgabe == 2) << r.Rueckgabe << '\n' << r.Fehler;
    EXPECT_EQ(r.Aus.find("NaN"), std::string::npos) << r.Aus;
    EXPECT_EQ(r.Aus.find("Inf"), std::string::npos) << r.Aus;
    EXPECT_FALSE(fs::exists(ordner / "erg.VelOut"));
    EXPECT_FALSE(fs::exists(ordner / "transfer.txt"));
    if (fall.meldung) {
        EXPECT_EQ(r.Rueckgabe, 1);
        EXPECT_NE(r.Fehler.find(fall.meldung), std::string::npos) << r.Fehler;
    }
}

const char* const NichtEndlich = "keine endlichen Zahlen";
const char* const KeinPanel = "kein Panel";

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschaedigteSzenen,
    ::testing::Values(TFall{"Klappentiefe_negativ", "fall1.vel", {"run", "--alpha", "3"}, nullptr},
                      TFall{"Nachlauf_negativ", "fall2.vel", {"design"}, nullptr},
                      TFall{"Profilpunkt_inf", "fall3.vel", {"design"}, nullptr},
                      TFall{"Masse_negativ", "fall4.vel", {"run", "--alpha", "3"}, nullptr},
                      TFall{"Profilpunkt_x_negativ", "fall5.vel", {"design"}, nullptr},
                      TFall{"Profilpunkt_1e400", "fall6.vel", {"design"}, nullptr},
                      TFall{"Interferenz_1e9", "fall7.vel", {"design"}, nullptr},
                      TFall{"Profilpunkt_z_inf", "fall8.vel", {"design"}, nullptr},
                      TFall{"Flaeche_ohne_Segmente_run", "surface_no_segments.vel", {"run"}, KeinPanel},
                      TFall{"Flaeche_ohne_Segmente", "surface_no_segments.vel", {"design"}, KeinPanel},
                      TFall{"Flaeche_ohne_Wurzelprofil", "surface_no_root_profile.vel", {"design"}, KeinPanel},
                      TFall{"Panels_X_null", "panelsx_0.vel", {"run"}, nullptr},
                      TFall{"Nur_Seitenleitwerk", "nur_seitenleitwerk.vel", {"design", "--ziel", "1"}, NichtEndlich}),
    [](const ::testing::TestParamInfo<TFall>& p) { return std::string(p.param.name); });

}  // namespace

namespace {

TEST(BeschaedigteSzenenGross, ZuGrosseGitterWerdenVorDemAufbauAbgewiesen)
{
    // ANZAHL PANELS Y=2147483647: refused at once, before a lattice of billions of panels is built.
    const fs::path ordner = CliOrdner("beschaedigt_gross");
    const TCliAufruf r =
        StarteCli({"info", std::string(VELION_TESTDATA) + "/beschaedigt/panels_y_intmax.vel"}, ordner, "info");
    EXPECT_EQ(r.Rueckgabe, 2);
    EXPECT_NE(r.Fehler.find("Arbeitsspeicher"), std::string::npos) << r.Fehler;
    EXPECT_TRUE(r.Aus.empty());
}

}  // namespace
