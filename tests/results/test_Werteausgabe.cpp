// The text of the results pages and the result file: line order, labels, units, number formats,
// the strip table and the file frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/Sprachtexte.h"
#include "common/Textdatei.h"
#include "model/TErgebnis.h"
#include "model/TPAN.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "profile/T_Profil.h"
#include "results/Ergebnisfelder.h"
#include "results/Werteausgabe.h"
#include "common/TestHilfe.h"

namespace {

/// Output text n is "A<n>", so every label shows which number it came from.
class TNummernHost : public TAufzeichnenderHost {
public:
    std::string Ausgabetext(int n) const override { return "A" + std::to_string(n); }
};

std::unique_ptr<TFLAECHE> Flaeche(const std::string& name)
{
    auto fl = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    fl->Bezeichnung = name;
    fl->Masse = 0.5L;
    fl->FlaecheWahr = 0.5L;
    fl->FlaecheHorizontal = 0.4L;
    fl->FlaecheSeitlich = 0.1L;
    fl->Spannweite = 2.0L;
    fl->Streckung = 10.0L;
    fl->Bezugstiefe = 0.25L;
    fl->CA = 0.5L;
    fl->Cwi = 0.01L;
    return fl;
}

class WerteausgabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Konstrukteur = "Konstrukteurin";
        f.Bezeichnung = "Versuch";
        f.Anstellwinkel = 2.0L;
        f.Gesamtmasse = 1.5L;
        f.FlaecheHorizontalGesamt = 0.5L;
        f.FlaecheWahrGesamt = 0.6L;
        f.Bezugstiefe = 0.2L;
        f.Luftdichte = 1.225L;
        f.AuslegungsCa = 0.4L;
        f.FlugGeschwindigkeit = 10.0L;
        f.Stabilitaetsmass = 5.0L;
        f.Neutralpunkt = 0.11L;
        f.SchwerpunktX = 0.1L;
        f.Gleitwinkel = 2.5L;
        f.Sinkgeschwindigkeit = 0.4L;
        f.Momentenbezugspunkt = {0.1L, 0.0L, 0.0L};
        f.Flaechen.Add(Flaeche("Fluegel"));
        host.Flags.ErgebnisseGueltig = true;
    }

    std::vector<std::string> Zeilen(char trenner = '.') { return FlugzeugText(f, host, trenner); }

    TFLUGZEUG f;
    TNummernHost host;
};

TEST_F(WerteausgabeTest, AircraftPageHasTheLinesInOrderWithTheirUnits)
{
    const std::vector<std::string> z = Zeilen();
    ASSERT_EQ(z.size(), 56u);
    EXPECT_EQ(z[0], "A5 = Konstrukteurin");
    EXPECT_EQ(z[1], "A6 = Versuch");
    EXPECT_EQ(z[2], "");
    EXPECT_EQ(z[3], "A12 = 2.00000°");
    EXPECT_EQ(z[5], "A10 = 1.50000kg");
    EXPECT_EQ(z[7], "A44 = 0.60000m^2");
    EXPECT_EQ(z[10], "A9 = 0.20000m");
    // Wing loading is recomputed from mass and lifting area, and shown again in g/dm^2.
    EXPECT_EQ(z[12], "A231 = 3.00000kg/m^2 = 30.00000g/dm^2");
    EXPECT_EQ(z[13], "A238 = 1.22500kg/m^3");
    EXPECT_EQ(z[15], "A14 = 0.40000");
    EXPECT_EQ(z[24], "A54 = 2.50000 Grad");
    EXPECT_EQ(z[25], "A55 = 0.40000 m/s");
    EXPECT_EQ(z[26], "A11 = 10.00000m/s = 36.00000km/h");
    EXPECT_EQ(z[28], "A46");
    EXPECT_EQ(z[33], "A66");
    EXPECT_EQ(z[41], "A22 = 0.10000m");
    EXPECT_EQ(z[43], "A24 = 5.00000% = 0.01000mA47");
    EXPECT_EQ(z[45], "A71 = 0.00000N");
    EXPECT_EQ(z[49], "A77 = 0.00000Nm");
    EXPECT_EQ(z[55], "A76 = 0.00000Nm");
}

TEST_F(WerteausgabeTest, EveryResultFieldOfTheTableIsOnItsPage)
{
    const auto hat = [](const std::vector<std::string>& zeilen, int text) {
        const std::string anfang = "A" + std::to_string(text) + " = ";
        return std::any_of(zeilen.begin(), zeilen.end(), [&](const std::string& z) { return z.starts_with(anfang); });
    };
    const std::vector<std::string> flugzeug = Zeilen();
    for (const TFlugzeugergebnis& e : Flugzeugergebnisse()) EXPECT_TRUE(hat(flugzeug, e.Text)) << e.Text;
    const std::vector<std::string> flaeche = FlaechenText(*f.Flaechen.Get(0), host, '.');
    for (const TFlaechenergebnis& e : Flaechenergebnisse()) EXPECT_TRUE(hat(flaeche, e.Text)) << e.Text;
}

TEST_F(WerteausgabeTest, WithoutValidResultsComputedValuesStayEmpty)
{
    host.Flags.ErgebnisseGueltig = false;
    f.ZusaetzlicheMassen = 0.25L;
    const std::vector<std::string> z = Zeilen();
    ASSERT_EQ(z.size(), 56u);
    // Inputs and geometry are shown; the mass is recomputed from the surfaces.
    EXPECT_EQ(z[3], "A12 = 2.00000°");
    EXPECT_EQ(z[5], "A10 = 0.75000kg");
    EXPECT_EQ(z[15], "A14 = ");
    EXPECT_EQ(z[26], "A11 = ");
    EXPECT_EQ(z[43], "A24 = ");
    EXPECT_EQ(z[55], "A76 = ");
}

TEST_F(WerteausgabeTest, NumbersUseTheGivenSeparator)
{
    const std::vector<std::string> z = Zeilen(',');
    EXPECT_EQ(z[3], "A12 = 2,00000°");
    EXPECT_EQ(z[26], "A11 = 10,00000m/s = 36,00000km/h");
}

TEST_F(WerteausgabeTest, SurfacePageWithStripTable)
{
    TFLAECHE& fl = *f.Flaechen.Get(0);
    // Two strips; the table only needs rows of panels and the strip results.
    TPAN p0, p1;
    fl.Panelraster.Put(0, 0, &p0);
    fl.Panelraster.Put(1, 0, &p1);
    std::vector<std::unique_ptr<TErgebnis>> zellen;
    const auto setze = [&](int streifen, int slot, Extended wert) {
        zellen.push_back(std::make_unique<TErgebnis>());
        zellen.back()->Wert = wert;
        fl.Ergebnisraster.Put(streifen, slot, zellen.back().get());
    };
    setze(0, SlotGamma, 0.012345678L);
    setze(0, SlotCa, 0.5L);
    setze(0, SlotRe, 123456.789L);
    setze(0, SlotStreifentiefe, 123456.789L);
    setze(0, SlotSegmentnummer, 2.0L);
    setze(0, SlotAbrissOben, 1.0L);
    setze(1, SlotCa, -0.25L);

    const std::vector<std::string> z = FlaechenText(fl, host, '.');
    ASSERT_EQ(z.size(), 25u);
    EXPECT_EQ(z[0], "A25 = Fluegel");
    EXPECT_EQ(z[2], "A35 = 0.50000m^2");
    EXPECT_EQ(z[6], "A40 = 10.00000");
    EXPECT_EQ(z[9], "A31 = 0.50000");
    EXPECT_EQ(z[20], "A28");
    EXPECT_EQ(z[22], "A101\tA102\tA103\tA104\tA107\tA108\tA29[m]\tA30[m]\tA48\tA109\tA110\tA111\tA112\tA113\tA114\tA115");
    // Cells keep their first 8 characters: a six-digit value keeps one decimal. Re has no
    // decimals, the segment number is a whole number, the flags have no decimals; an absent slot
    // prints 0.
    EXPECT_EQ(z[23], "0) \t0.01235\t0.50000\t0.00000\t0.00000\t123457\t123456.7\t0.00000\t2\t0.00000\t0.00000\t1\t0\t"
                     "0.00000\t0\t0");
    EXPECT_EQ(z[24].substr(0, 13), "1) \t0.00000\t-");
}

TEST_F(WerteausgabeTest, SurfacePageWithoutValidResultsListsTheStripNumbersOnly)
{
    host.Flags.ErgebnisseGueltig = false;
    TFLAECHE& fl = *f.Flaechen.Get(0);
    TPAN p0;
    fl.Panelraster.Put(0, 0, &p0);
    const std::vector<std::string> z = FlaechenText(fl, host, '.');
    ASSERT_EQ(z.size(), 24u);
    EXPECT_EQ(z[2], "A35 = 0.50000m^2");
    EXPECT_EQ(z[9], "A31 = ");
    EXPECT_EQ(z[23], "0) ");
}

TEST_F(WerteausgabeTest, PageCaptions)
{
    EXPECT_EQ(Seitentitel(f, 0, host), "A3");
    EXPECT_EQ(Seitentitel(f, 1, host), "0) Fluegel");
}

TEST(Ergebnisdatei, NameGetsTheExtensionVelOut)
{
    struct TFall {
        const char* gewaehlt;
        const char* erwartet;
    };
    const TFall faelle[] = {
        {"ergebnis", "ergebnis.VelOut"},
        {"ergebnis.txt", "ergebnis.VelOut"},
        {"ergebnis.velout", "ergebnis.VelOut"},
        {"ergebnis.VelOut", "ergebnis.VelOut"},
        {"a.b.txt", "a.VelOut"},
        {"ordner.neu/ergebnis.txt", "ordner.neu/ergebnis.VelOut"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.gewaehlt);
        EXPECT_EQ(ErgebnisdateiName(fall.gewaehlt), std::filesystem::path(fall.erwartet));
    }
}

TEST_F(WerteausgabeTest, ResultFileHasOneBlockPerPage)
{
    f.Flaechen.Add(Flaeche("Leitwerk"));
    const std::filesystem::path ordner = std::filesystem::path(testing::TempDir()) / "velion_werteausgabe";
    std::filesystem::create_directories(ordner);
    const std::filesystem::path datei = ErgebnisdateiSpeichern(f, host, ordner / "modell.txt");
    ASSERT_EQ(datei, ordner / "modell.VelOut");

    const std::string roh = LeseDateiRoh(datei);
    // Windows-1252 with CR LF: the degree sign is one byte.
    EXPECT_NE(roh.find("A12 = 2.00000\xB0\r\n"), std::string::npos);
    const std::vector<std::string> z = LeseTextzeilen(datei);
    const std::vector<std::string> aircraft = FlugzeugText(f, host, '.');
    ASSERT_EQ(z.size(), 3u + aircraft.size() + 2u * (3u + 23u));
    EXPECT_EQ(z[0], "[GESAMTES FLUGZEUG]");
    EXPECT_TRUE(std::equal(aircraft.begin(), aircraft.end(), z.begin() + 1));
    std::size_t i = 1 + aircraft.size();
    EXPECT_EQ(z[i], "[GESAMTES FLUGZEUG ENDE]");
    EXPECT_EQ(z[i + 1], "");
    EXPECT_EQ(z[i + 2], "[FLAECHE 1]");
    EXPECT_EQ(z[i + 3], "A25 = Fluegel");
    EXPECT_EQ(z[i + 26], "[FLAECHE ENDE]");
    EXPECT_EQ(z[i + 27], "");
    EXPECT_EQ(z[i + 28], "[FLAECHE 2]");
    EXPECT_EQ(z[i + 29], "A25 = Leitwerk");
    EXPECT_EQ(z.back(), "");
    EXPECT_EQ(z[z.size() - 2], "[FLAECHE ENDE]");
}

TEST_F(WerteausgabeTest, ResultFileNeedsValidResults)
{
    host.Flags.ErgebnisseGueltig = false;
    const std::filesystem::path ordner = std::filesystem::path(testing::TempDir()) / "velion_werteausgabe_ungueltig";
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    EXPECT_TRUE(ErgebnisdateiSpeichern(f, host, ordner / "modell.VelOut").empty());
    EXPECT_FALSE(std::filesystem::exists(ordner / "modell.VelOut"));
}

}  // namespace

namespace {

/// A host with the output texts of a language folder of the source tree.
class TSprachHost : public THost {
public:
    explicit TSprachHost(const std::string& sprache)
    {
        texte.EingestellteSprache = sprache;
        Geladen = texte.SpracheLaden(std::filesystem::path(VELION_SOURCE) / "resources");
    }
    std::string Ausgabetext(int n) const override { return texte.Ausgabetext(n); }

    TSprachtexte texte;
    bool Geladen = false;
};

TEST(Ergebnisdatei, LabelsComeFromTheLanguageFolder)
{
    std::vector<std::string> deutsch;
    for (const char* sprache : {"DEUTSCH", "ENGLISH"}) {
        SCOPED_TRACE(sprache);
        TSprachHost host(sprache);
        ASSERT_TRUE(host.Geladen);
        host.Flags.ErgebnisseGueltig = true;
        TFLUGZEUG f;
        f.Anstellwinkel = 2.0L;
        f.FlaecheHorizontalGesamt = 1.0L;
        f.Flaechen.Add(std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel));
        const std::filesystem::path ordner = std::filesystem::path(testing::TempDir()) / "velion_sprachen";
        std::filesystem::create_directories(ordner);
        const std::vector<std::string> z = LeseTextzeilen(ErgebnisdateiSpeichern(f, host, ordner / sprache));
        // Every label the pages use has a text in both languages.
        for (int n : {3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32,
                      33, 34, 35, 36, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59,
                      65, 66, 67, 68, 69, 71, 72, 73, 74, 75, 76, 77, 78, 79, 86, 87, 101, 102, 103, 104, 107, 108, 109,
                      110, 111, 112, 113, 114, 115, 231, 238})
            EXPECT_FALSE(host.Ausgabetext(n).empty()) << "output text " << n;
        ASSERT_GT(z.size(), 5u);
        EXPECT_EQ(z[0], "[GESAMTES FLUGZEUG]");
        EXPECT_EQ(z[4], host.Ausgabetext(12) + " = 2.00000°");
        EXPECT_EQ(z[13], host.Ausgabetext(231) + " = 0.00000kg/m^2 = 0.00000g/dm^2");
        if (deutsch.empty()) {
            deutsch = z;
        } else {
            ASSERT_EQ(z.size(), deutsch.size());
            EXPECT_NE(z[4], deutsch[4]);
            // The frame and the numbers are the same; only the labels change.
            EXPECT_EQ(z[4].substr(z[4].find(" = ")), deutsch[4].substr(deutsch[4].find(" = ")));
            EXPECT_EQ(z.back(), "");
        }
    }
}

}  // namespace
