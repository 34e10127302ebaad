// The profile record: point list, characteristic values, copies, the ".dat" reader and writer, the
// default profile and the six checks.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/TestHilfe.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "profile/T_Profil.h"

namespace fs = std::filesystem;

namespace {

fs::path Testdaten(const char* name) { return fs::path(VELION_TESTDATA) / name; }

// A scratch folder per test, removed afterwards.
class ProfilDatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner_ = fs::temp_directory_path() /
                  ("velion_profil_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    fs::path Schreibe(const std::string& name, const std::string& inhalt)
    {
        const fs::path pfad = ordner_ / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }

    static std::string Lies(const fs::path& pfad)
    {
        std::ifstream ein(pfad, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    }

    fs::path ordner_;
};

void ErwarteGleicheKontur(const TProfil& a, const TProfil& b)
{
    ASSERT_EQ(a.Anzahl(), b.Anzahl());
    for (int i = 0; i < a.Anzahl(); ++i) {
        SCOPED_TRACE("Punkt " + std::to_string(i));
        EXPECT_EQ(a.Punkt(i)->X, b.Punkt(i)->X);
        EXPECT_EQ(a.Punkt(i)->Y, b.Punkt(i)->Y);
        EXPECT_EQ(a.Punkt(i)->Z, b.Punkt(i)->Z);
    }
}

}  // namespace

TEST(TProfil, NewProfileIsEmptyAndZero)
{
    TProfil p;
    EXPECT_EQ(p.Anzahl(), 0);
    for (int i : {-1, 0, 1, 65535}) EXPECT_EQ(p.Punkt(i), nullptr);
    for (int i = 0; i < TProfil::AnzahlBeiwerte; ++i) EXPECT_EQ(p.Beiwert(i), 0.0L);
    EXPECT_EQ(p.Scharnierindex, 0);
    EXPECT_EQ(p.Klappenfaktor, 0.0L);
}

TEST(TProfil, PointListAddInsertDelete)
{
    TProfil p;
    EXPECT_EQ(p.AddPunkt({1.0L, 0.0L, 0.1L}), 0);
    EXPECT_EQ(p.AddPunkt({0.0L, 0.0L, 0.0L}), 1);
    p.InsertPunkt(1, {0.5L, 0.0L, 0.05L});
    p.InsertPunkt(3, {1.0L, 0.0L, -0.1L});
    ASSERT_EQ(p.Anzahl(), 4);
    EXPECT_EQ(p.Punkt(1)->X, 0.5L);
    EXPECT_EQ(p.Punkt(3)->Z, -0.1L);
    EXPECT_EQ(p.Punkt(4), nullptr);
    p.DeletePunkt(0);
    EXPECT_EQ(p.Anzahl(), 3);
    EXPECT_EQ(p.Punkt(0)->X, 0.5L);
    EXPECT_THROW(p.InsertPunkt(5, {}), std::out_of_range);
    EXPECT_THROW(p.DeletePunkt(3), std::out_of_range);
    EXPECT_THROW(p.DeletePunkt(-1), std::out_of_range);
    p.ClearPunkte();
    EXPECT_EQ(p.Anzahl(), 0);
    EXPECT_EQ(p.Punkt(0), nullptr);
}

TEST(TProfil, RefusesMoreThan65535Points)
{
    TProfil p;
    for (int i = 0; i < TProfil::MaxPunkte; ++i) p.AddPunkt({});
    EXPECT_THROW(p.AddPunkt({}), EVelionFehler);
    EXPECT_THROW(p.InsertPunkt(0, {}), EVelionFehler);
    EXPECT_EQ(p.Anzahl(), TProfil::MaxPunkte);
}

TEST(TProfil, BeiwertOutsideRangeIsZeroAndIgnored)
{
    TProfil p;
    p.SetBeiwert(TProfil::CaIdeal, 0.25L);
    p.SetBeiwert(10, 7.0L);
    p.SetBeiwert(-1, 7.0L);
    EXPECT_EQ(p.Beiwert(9), 0.25L);
    EXPECT_EQ(p.Beiwert(10), 0.0L);
    EXPECT_EQ(p.Beiwert(-1), 0.0L);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(p.Beiwert(i), 0.0L);
}

TEST(TProfil, AssignCopiesContourNamesValuesAndHingeButNotFlapDistances)
{
    TProfil a;
    a.SetDefault();
    a.Punkt(3)->Y = 0.7L;
    a.SetBeiwert(TProfil::Dicke, 0.1L);
    a.Scharnierindex = 4;
    a.Scharnierpunkt = {0.7L, 0.1L, 0.01L};
    a.Endleistenpunkt = {1.0L, 0.1L, -0.02L};
    a.AbstandEndleiste = 0.3L;
    a.Klappenfaktor = 1.1L;

    a.Panels2D.resize(3);

    TProfil b;
    b.AddPunkt({5.0L, 5.0L, 5.0L});
    b.Panels2D.resize(2);
    b.Assign(&a);
    EXPECT_TRUE(b.Panels2D.empty());
    ErwarteGleicheKontur(a, b);
    EXPECT_EQ(b.Titel, "Naca0010");
    EXPECT_EQ(b.Dateiname, "Naca0010.dat");
    EXPECT_EQ(b.Beiwert(TProfil::Dicke), 0.1L);
    EXPECT_EQ(b.Scharnierindex, 4);
    EXPECT_EQ(b.Scharnierpunkt.X, 0.7L);
    EXPECT_EQ(b.Endleistenpunkt.Z, -0.02L);
    EXPECT_EQ(b.AbstandEndleiste, 0.0L);
    EXPECT_EQ(b.Klappenfaktor, 0.0L);

    b.Assign(nullptr);
    EXPECT_EQ(b.Anzahl(), 35);
    b.Assign(&b);
    EXPECT_EQ(b.Anzahl(), 35);
}

TEST(TProfil, CopyRangeTakesPointsAndNames)
{
    TProfil a;
    a.SetDefault();
    a.SetBeiwert(TProfil::Cm0, -0.05L);
    const auto teil = a.CopyRange(0, 17);
    ASSERT_EQ(teil->Anzahl(), 18);
    EXPECT_EQ(teil->Punkt(17)->X, 0.0L);
    EXPECT_EQ(teil->Punkt(0)->Z, 0.00105L);
    EXPECT_EQ(teil->Titel, a.Titel);
    EXPECT_EQ(teil->Dateiname, a.Dateiname);
    EXPECT_EQ(teil->Beiwert(TProfil::Cm0), -0.05L);
    EXPECT_EQ(a.CopyRange(5, 4)->Anzahl(), 0);
    EXPECT_THROW(a.CopyRange(30, 35), std::out_of_range);
}

TEST(TProfil, DefaultIsNaca0010AndKeepsBeiwerte)
{
    TProfil p;
    p.SetBeiwert(TProfil::Alfa0, -1.5L);
    p.AddPunkt({9.0L, 9.0L, 9.0L});
    p.SetDefault();
    EXPECT_EQ(p.Titel, "Naca0010");
    EXPECT_EQ(p.Dateiname, "Naca0010.dat");
    ASSERT_EQ(p.Anzahl(), 35);
    EXPECT_EQ(p.Punkt(0)->X, 1.0L);
    EXPECT_EQ(p.Punkt(0)->Z, 0.00105L);
    EXPECT_EQ(p.Punkt(17)->X, 0.0L);
    EXPECT_EQ(p.Punkt(21)->Z, -0.035L);
    EXPECT_EQ(p.Punkt(34)->Z, -0.00105L);
    for (int i = 0; i < 17; ++i) {
        SCOPED_TRACE(i);
        // Symmetric section: point i above mirrors point 34 - i below.
        EXPECT_EQ(p.Punkt(i)->X, p.Punkt(34 - i)->X);
        EXPECT_EQ(p.Punkt(i)->Z, -p.Punkt(34 - i)->Z);
        EXPECT_EQ(p.Punkt(i)->Y, 0.0L);
    }
    EXPECT_EQ(p.Beiwert(TProfil::Alfa0), -1.5L);
    EXPECT_TRUE(p.Pruefen().AlleBestanden());
    EXPECT_EQ(p.Pruefen().AnzahlXNull, 1);
}

TEST(TProfil, ChecksFailOneByOne)
{
    struct Fall {
        const char* name;
        void (*aendern)(TProfil&);
        TProfilpruefung erwartet;
        int anzahlXNull;
    } faelle[] = {
        {"nose lifted", [](TProfil& p) { p.Punkt(17)->Z = 0.001L; }, {false, true, true, true, true, true, 1}, 1},
        {"trailing edge mean off", [](TProfil& p) { p.Punkt(0)->Z = 0.002L; }, {true, false, true, true, true, true, 1}, 1},
        {"nose ahead of zero", [](TProfil& p) { p.Punkt(17)->X = -0.001L; }, {true, true, false, true, true, false, 0}, 0},
        {"upper trailing edge short", [](TProfil& p) { p.Punkt(0)->X = 0.999L; }, {true, true, true, false, true, true, 1}, 1},
        {"lower trailing edge long", [](TProfil& p) { p.Punkt(34)->X = 1.001L; }, {true, true, true, true, false, true, 1}, 1},
        {"second point at zero", [](TProfil& p) { p.Punkt(18)->X = 0.0L; }, {true, true, true, true, true, false, 2}, 2},
        // Of two equal smallest X the first is the nose: its height counts.
        {"first of equal minima", [](TProfil& p) {
             p.Punkt(16)->X = 0.0L;
             p.Punkt(16)->Z = 0.01L;
         }, {false, true, true, true, true, false, 2}, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TProfil p;
        p.SetDefault();
        f.aendern(p);
        const TProfilpruefung e = p.Pruefen();
        EXPECT_EQ(e.Nasenhoehe, f.erwartet.Nasenhoehe);
        EXPECT_EQ(e.Endleistenmitte, f.erwartet.Endleistenmitte);
        EXPECT_EQ(e.Nasenposition, f.erwartet.Nasenposition);
        EXPECT_EQ(e.EndleisteOben, f.erwartet.EndleisteOben);
        EXPECT_EQ(e.EndleisteUnten, f.erwartet.EndleisteUnten);
        EXPECT_EQ(e.EinPunktBeiXNull, f.erwartet.EinPunktBeiXNull);
        EXPECT_EQ(e.AnzahlXNull, f.anzahlXNull);
        EXPECT_FALSE(e.AlleBestanden());
    }
    TProfil leer;
    EXPECT_FALSE(leer.Pruefen().AlleBestanden());
}

TEST(TProfil, NoseIndexIsFirstOfEqualMinima)
{
    TProfil p;
    EXPECT_EQ(p.NasenIndex(), 0);
    p.AddPunkt({0.5L, 0.0L, 0.0L});
    EXPECT_EQ(p.NasenIndex(), 0);
    p.AddPunkt({0.2L, 0.0L, 0.0L});
    p.AddPunkt({0.2L, 0.0L, -0.1L});
    p.AddPunkt({0.6L, 0.0L, 0.0L});
    EXPECT_EQ(p.NasenIndex(), 1);
}

TEST_F(ProfilDatei, TabsAndDecimalCommasReadLikeBlanksAndPoints)
{
    TProfil a;
    TProfil b;
    a.LoadDat(Testdaten("profil_tab_komma.dat"));
    b.LoadDat(Testdaten("profil_punkte.dat"));
    EXPECT_EQ(a.Titel, "Tabulatoren und Kommas");
    EXPECT_EQ(a.Dateiname, "profil_tab_komma.dat");
    ErwarteGleicheKontur(a, b);
    EXPECT_EQ(a.Punkt(1)->Z, 0.04412L);
    EXPECT_EQ(a.Punkt(4)->Z, -0.00105L);
}

TEST_F(ProfilDatei, AnyLineEndReads)
{
    for (const char* ende : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(ende)));
        const std::string e = ende;
        TProfil p;
        p.LoadDat(Schreibe("enden.dat", "Zeilenende" + e + "1 0" + e + "0 0" + e + "1 -0.5"));
        EXPECT_EQ(p.Titel, "Zeilenende");
        ASSERT_EQ(p.Anzahl(), 3);
        EXPECT_EQ(p.Punkt(2)->Z, -0.5L);
    }
}

TEST_F(ProfilDatei, TitleIsReadAsWindows1252)
{
    TProfil p;
    p.LoadDat(Schreibe("umlaut.dat", "Fl\xFC" "gel \x80\r\n1 0\r\n"));
    EXPECT_EQ(p.Titel, "Flügel €");
    p.SaveDat(ordner_ / "zurueck.dat");
    EXPECT_EQ(Lies(ordner_ / "zurueck.dat"), "Fl\xFC" "gel \x80\r\n1.00000 0.00000\r\n");
}

TEST_F(ProfilDatei, BadFilesRaiseEDateiAndLeaveTheProfileUnchanged)
{
    std::string vieleZeilen = "Zu viele Punkte\r\n";
    for (int i = 0; i <= TProfil::MaxPunkte; ++i) vieleZeilen += "0.5 0.1\r\n";
    struct Fall {
        const char* name;
        std::string inhalt;
        int zeile;
    } faelle[] = {
        {"three numbers", "Titel\r\n1 0\r\n0.5 0.04 0.1\r\n0 0\r\n", 3},
        {"one number", "Titel\r\n1 0\r\n0.5\r\n", 3},
        {"counts that do not match", "Titel\r\n3 3\r\n0 0\r\n1 0\r\n0 0\r\n1 0\r\n", 2},
        {"count line read as point", "Titel\r\n3\r\n1 0\r\n", 2},
        {"text instead of number", "Titel\r\n1 0\r\nx 0\r\n", 3},
        {"infinite coordinate", "Titel\r\n1 0\r\n+Inf 0\r\n", 3},
        {"empty", "", 0},
        {"title only", "Nur Titel\r\n", 1},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 0},
        {"more than 65535 points", vieleZeilen, TProfil::MaxPunkte + 2},
    };
    for (const char* sprache : {"DEUTSCH", "ENGLISH"})
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.name) + " " + sprache);
        const TMeldungsspracheFuer meldungen(sprache);
        TProfil p;
        p.SetDefault();
        p.SetBeiwert(TProfil::Dicke, 0.1L);
        TProfil vorher = p;
        const fs::path pfad = Schreibe("schlecht.dat", f.inhalt);
        try {
            p.LoadDat(pfad);
            ADD_FAILURE() << "no EDatei";
        } catch (const EDatei& e) {
            EXPECT_EQ(e.Datei(), pfad.string());
            EXPECT_EQ(e.Zeile(), f.zeile);
            EXPECT_NE(std::string(e.what()).find("schlecht.dat"), std::string::npos) << e.what();
            if (!DeutscheMeldungen()) {
                EXPECT_EQ(DeutschesWort(e.what()), "") << e.what();
            }
        }
        ErwarteGleicheKontur(p, vorher);
        EXPECT_EQ(p.Titel, "Naca0010");
        EXPECT_EQ(p.Dateiname, "Naca0010.dat");
        EXPECT_EQ(p.Beiwert(TProfil::Dicke), 0.1L);
    }
}

TEST_F(ProfilDatei, HugeWholeNumbersFirstAreAPointNotCounts)
{
    // Counts beyond what a profile holds would not even convert to a size.
    TProfil p;
    p.LoadDat(Schreibe("gross.dat", "Titel\r\n3e24 20\r\n0 0\r\n1 0\r\n"));
    ASSERT_EQ(p.Anzahl(), 3);
    EXPECT_EQ(p.Punkt(0)->X, 3e24L);
}

TEST_F(ProfilDatei, OtherLayoutsReadAsTheProgramsOwnOrder)
{
    // The example airfoil in the program's order (trailing edge, upper side, nose, lower side),
    // and the same points as other tools and hands write them.
    TProfil original;
    original.LoadDat(fs::path(VELION_EXAMPLES) / "NACA-2412.dat");
    std::vector<std::string> punkte;
    for (int k = 0; k < original.Anzahl(); ++k)
        punkte.push_back(RealToText(original.Punkt(k)->X, 0, 5, '.') + " " + RealToText(original.Punkt(k)->Z, 0, 5, '.'));
    int nase = 0;
    for (int k = 0; k < original.Anzahl(); ++k)
        if (original.Punkt(k)->X < original.Punkt(nase)->X) nase = k;
    const auto datei = [](const std::vector<std::string>& zeilen) {
        std::string t = "NACA 2412\r\n";
        for (const std::string& z : zeilen) t += z + "\r\n";
        return t;
    };
    std::vector<std::string> umgekehrt(punkte.rbegin(), punkte.rend());
    std::vector<std::string> doppelteNase = punkte;
    doppelteNase.insert(doppelteNase.begin() + nase, punkte[static_cast<std::size_t>(nase)]);
    std::vector<std::string> doppelteEndleiste = punkte;
    doppelteEndleiste.insert(doppelteEndleiste.begin(), punkte.front());
    // Counts first, then both sides from the nose to the trailing edge, a blank line between.
    const std::size_t oben = static_cast<std::size_t>(nase) + 1;
    std::vector<std::string> mitAnzahlen{std::to_string(oben) + ". " + std::to_string(punkte.size() - oben + 1) + ".", ""};
    mitAnzahlen.insert(mitAnzahlen.end(), umgekehrt.end() - static_cast<std::ptrdiff_t>(oben), umgekehrt.end());
    mitAnzahlen.emplace_back("");
    mitAnzahlen.insert(mitAnzahlen.end(), punkte.begin() + nase, punkte.end());
    std::vector<std::string> leerzeilen = punkte;
    leerzeilen.insert(leerzeilen.begin() + 5, "   ");
    leerzeilen.emplace_back("");
    const struct {
        const char* name;
        std::vector<std::string> zeilen;
    } faelle[] = {{"umgekehrt", umgekehrt},
                  {"doppelte_nase", doppelteNase},
                  {"doppelte_endleiste", doppelteEndleiste},
                  {"mit_anzahlen", mitAnzahlen},
                  {"leerzeilen", leerzeilen}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TProfil p;
        p.LoadDat(Schreibe(std::string(f.name) + ".dat", datei(f.zeilen)));
        ErwarteGleicheKontur(p, original);
    }
}

TEST_F(ProfilDatei, ErrorNamesLineAndExpectation)
{
    TProfil p;
    try {
        p.LoadDat(Testdaten("profil_drei_zahlen.dat"));
        FAIL() << "no EDatei";
    } catch (const EDatei& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("Zeile 3"), std::string::npos) << m;
        EXPECT_NE(m.find("0.5 0.04412 0.1"), std::string::npos) << m;
        EXPECT_NE(m.find("zwei Zahlen"), std::string::npos) << m;
    }
    EXPECT_THROW(p.LoadDat(ordner_ / "fehlt.dat"), EDatei);
    EXPECT_THROW(p.LoadDat(ordner_), EDatei);
    EXPECT_EQ(p.Anzahl(), 0);
}

TEST_F(ProfilDatei, DosEndOfFileMarkerIsNoBinary)
{
    TProfil p;
    p.LoadDat(Schreibe("dos.dat", "DOS\r\n1 0\r\n0 0\r\n\x1A"));
    EXPECT_EQ(p.Anzahl(), 2);
}

TEST_F(ProfilDatei, SaveWritesCutFiveDecimalsWithCrLf)
{
    TProfil p;
    p.Titel = "Schnitt";
    p.AddPunkt({1.0L, 0.0L, 0.0335L});
    p.AddPunkt({0.0L, 0.0L, 0.0L});
    p.AddPunkt({1.0L, 0.0L, -0.00105L});
    p.SaveDat(ordner_ / "s.dat");
    EXPECT_EQ(Lies(ordner_ / "s.dat"), "Schnitt\r\n1.00000 0.03350\r\n0.00000 0.00000\r\n1.00000 -0.0010\r\n");
}

TEST_F(ProfilDatei, RoundTripLosesOnlyTheFifthDecimalOfNegativeValues)
{
    TProfil a;
    a.SetDefault();
    const fs::path pfad = ordner_ / "rund.dat";
    a.SaveDat(pfad);
    TProfil b;
    b.LoadDat(pfad);
    EXPECT_EQ(b.Titel, a.Titel);
    EXPECT_EQ(b.Dateiname, "rund.dat");
    ASSERT_EQ(b.Anzahl(), a.Anzahl());
    for (int i = 0; i < a.Anzahl(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(b.Punkt(i)->X, a.Punkt(i)->X);
        if (a.Punkt(i)->Z >= 0.0L)
            EXPECT_EQ(b.Punkt(i)->Z, a.Punkt(i)->Z);
        else
            EXPECT_EQ(b.Punkt(i)->Z, std::trunc(a.Punkt(i)->Z * 10000.0L) / 10000.0L);
    }
    EXPECT_EQ(b.Punkt(34)->Z, -0.001L);
    EXPECT_EQ(b.Punkt(21)->Z, -0.035L);

    // A second round trip changes nothing more.
    b.SaveDat(pfad);
    TProfil c;
    c.LoadDat(pfad);
    ErwarteGleicheKontur(b, c);
}

TEST_F(ProfilDatei, SaveReplacesAndRefusesAMissingFolder)
{
    TProfil p;
    p.SetDefault();
    const fs::path pfad = Schreibe("alt.dat", "alter Inhalt");
    p.SaveDat(pfad);
    EXPECT_EQ(Lies(pfad).rfind("Naca0010\r\n", 0), 0u);
    EXPECT_THROW(p.SaveDat(ordner_ / "fehlt" / "x.dat"), EDatei);
}
