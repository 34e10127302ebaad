// The total-polar series: the inputs of its page, the order of the stepped values, failed and
// stopped steps, the state that is the same before and after, and the physics along a series of
// the example sailplane.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "control/Gesamtpolare.h"
#include "control/LaufHost.h"
#include "evaluation/Testflugzeuge.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/Szenendatei.h"
#include "model/TSchalter.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "model/T_Szene.h"
#include "results/Polarliste.h"

namespace fs = std::filesystem;

namespace {

/// The small test aircraft with flap groups: 1 on the outer wing segments, 2 on the inner ones,
/// 3 on the tailplane.
std::unique_ptr<TSZENE> FlugzeugMitKlappen()
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    szene->Name = "Klein";
    TFLUGZEUG& f = *szene->Flugzeug;
    const int gruppen[] = {1, 2, 2, 1};
    TFLAECHE& fluegel = *f.Flaechen.Get(0);
    for (int j = 0; j < 4; ++j) fluegel.Segmente.Get(j)->Klappengruppe = gruppen[j];
    TFLAECHE& hoehe = *f.Flaechen.Get(1);
    for (int j = 0; j < 2; ++j) hoehe.Segmente.Get(j)->Klappengruppe = 3;
    f.Klappengruppenbeschreibung[1] = "Woelbklappen";
    f.Klappengruppenbeschreibung[3] = "Hoehenruder";
    THost host;
    for (const auto& fl : f.Flaechen) BaueFlaeche(*fl, host);
    return szene;
}

std::array<TPolartabellenzeile, 4> Tabelle(std::initializer_list<TPolartabellenzeile> zeilen, const char* leer)
{
    std::array<TPolartabellenzeile, 4> t;
    for (auto& z : t) z.Nummer = leer;
    std::size_t r = 0;
    for (const auto& z : zeilen) t[r++] = z;
    return t;
}

class GesamtpolareTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        szene = FlugzeugMitKlappen();
        optionen.Auslegung.Rechnen.Loeser.Multithread = false;
        optionen.Fixierung = TPolarfixierung::Anstellwinkel;
    }

    TFLUGZEUG& F() { return *szene->Flugzeug; }

    TGesamtpolarergebnis Rechnen(TPolarreihe reihe)
    {
        optionen.Reihe = reihe;
        return GesamtpolarBerechnen(*szene, schalter, host, liste, optionen);
    }

    /// Column `k` (0: Alfa, 1..4: Gr1..Gr4) of the last group.
    std::vector<double> Spalte(int k) const
    {
        std::vector<double> werte;
        for (const TPolarzeile& z : liste.Get(liste.Count() - 1)->Zeilen) werte.push_back(Polarwert(z, k));
        return werte;
    }

    std::string Szenentext()
    {
        const fs::path datei = fs::path(testing::TempDir()) / "velion_gesamtpolare_zustand.vel";
        WriteScene(datei, *szene, schalter);
        std::string text = LeseDateiRoh(datei);
        fs::remove(datei);
        // The second line is the time of writing.
        const std::size_t anfang = text.find("\r\n") + 2;
        text.erase(anfang, text.find("\r\n", anfang) - anfang);
        return text;
    }

    std::unique_ptr<TSZENE> szene;
    TSchalter schalter;
    TLaufHost host;
    TPolarliste liste;
    TGesamtpolaroptionen optionen;
};

}  // namespace

TEST_F(GesamtpolareTest, FlapTableReadingFollowsItsRules)
{
    const struct Fall {
        const char* name;
        std::array<TPolartabellenzeile, 4> zeilen;
        bool angenommen;
        std::vector<int> fehlertexte;
        std::array<int, 4> gruppen;
        Extended ende0;
    } faelle[] = {
        {"two rows", Tabelle({{"1", "-2", "8"}, {"3", "1,5", "-1"}}, "0"), true, {}, {1, 3, 0, 0}, 8.0L},
        {"later row of the same group cleared", Tabelle({{"1", "-2", "8"}, {"1", "0", "4"}, {"3", "0", "1"}}, "0"), true,
         {}, {1, 0, 3, 0}, 8.0L},
        {"group without segment clears its row and stops", Tabelle({{"1", "-2", "8"}, {"7", "0", "4"}, {"3", "0", "1"}}, "0"),
         false, {}, {1, 0, 0, 0}, 0.0L},
        {"group above 99", Tabelle({{"100", "0", "1"}}, "0"), false, {39}, {0, 0, 0, 0}, 0.0L},
        {"group no integer", Tabelle({{"1", "0", "1"}, {"x", "0", "1"}}, "0"), false, {39}, {1, 0, 0, 0}, 0.0L},
        {"angle beyond 45", Tabelle({{"1", "0", "46"}}, "0"), false, {13}, {1, 0, 0, 0}, 0.0L},
        {"angle no number", Tabelle({{"1", "zwei", "4"}}, "0"), false, {2}, {1, 0, 0, 0}, 0.0L},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        F().GesamtpolarHaupt = {};
        host.Fehlertexte.clear();
        EXPECT_EQ(KlappentabelleLesen(host, F(), fall.zeilen), fall.angenommen);
        EXPECT_EQ(host.Fehlertexte, fall.fehlertexte);
        for (int r = 0; r < 4; ++r) EXPECT_EQ(F().GesamtpolarHaupt[r].Klappengruppe, fall.gruppen[r]) << r;
        EXPECT_EQ(F().GesamtpolarHaupt[0].Ende, fall.ende0);
    }
    EXPECT_EQ(F().GesamtpolarHaupt[0].Start, 0.0L) << "the value read before the error stays";
}

TEST_F(GesamtpolareTest, IncidenceTableReadingFollowsItsRules)
{
    const struct Fall {
        const char* name;
        std::array<TPolartabellenzeile, 4> zeilen;
        bool angenommen;
        std::vector<int> fehlertexte;
        std::array<int, 4> flaechen;
    } faelle[] = {
        {"rows with a gap", Tabelle({{"1", "-2", "2"}, {"-1", "5", "5"}, {"0", "0", "1"}}, "-1"), true, {}, {1, -1, 0, -1}},
        {"duplicate cleared", Tabelle({{"1", "-2", "2"}, {"1", "0", "1"}}, "-1"), true, {}, {1, -1, -1, -1}},
        {"index beyond the surfaces", Tabelle({{"0", "0", "1"}, {"3", "0", "1"}, {"1", "0", "1"}}, "-1"), false, {},
         {0, -1, -1, -1}},
        {"below -1", Tabelle({{"-2", "0", "1"}}, "-1"), false, {41}, {-1, -1, -1, -1}},
        {"no integer", Tabelle({{"1.5", "0", "1"}}, "-1"), false, {23}, {-1, -1, -1, -1}},
        {"angle beyond 45", Tabelle({{"2", "-50", "1"}}, "-1"), false, {13}, {2, -1, -1, -1}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        F().GesamtpolarEwd = {};
        host.Fehlertexte.clear();
        EXPECT_EQ(EwdTabelleLesen(host, F(), fall.zeilen), fall.angenommen);
        EXPECT_EQ(host.Fehlertexte, fall.fehlertexte);
        for (int r = 0; r < 4; ++r) EXPECT_EQ(F().GesamtpolarEwd[r].Flaeche, fall.flaechen[r]) << r;
    }
}

TEST_F(GesamtpolareTest, FlapSeriesStepsFromHighToLow)
{
    F().GesamtpolarSchrittzahl = 4;
    F().GesamtpolarHaupt = {{{1, -2.0L, 8.0L}, {3, 5.0L, 5.0L}, {0, 0.0L, 0.0L}, {0, 0.0L, 0.0L}}};
    F().Anstellwinkel = 2.0L;
    optionen.Bemerkung = "Test";
    std::vector<int> balken;
    optionen.Fortschritt = [&](int position, int maximum) {
        EXPECT_EQ(maximum, 4);
        balken.push_back(position);
    };
    const TGesamtpolarergebnis e = Rechnen(TPolarreihe::Klappen);
    EXPECT_EQ(balken, (std::vector<int>{1, 2, 3, 4, 4, 0}));
    EXPECT_EQ(e.Ausgang, TGesamtpolarausgang::Fertig);
    EXPECT_EQ(e.Schritte, 5);
    EXPECT_EQ(e.Fehlschritte, 0);
    ASSERT_EQ(liste.Count(), 1);
    EXPECT_EQ(Spalte(1), (std::vector<double>{8, 5.5, 3, 0.5, -2}));
    EXPECT_EQ(Spalte(2), (std::vector<double>{5, 5, 5, 5, 5}));
    EXPECT_EQ(Spalte(3), (std::vector<double>(5, 0.0)));
    EXPECT_EQ(Spalte(0), (std::vector<double>(5, 2.0))) << "the angle of attack is fixed";

    const TPolargruppe& g = *liste.Get(0);
    EXPECT_EQ(g.Art, PolarartKlappen);
    EXPECT_EQ(g.Fix, FixAnstellwinkel);
    EXPECT_EQ(g.Flugszene, "Klein.vel");
    EXPECT_EQ(g.Bemerkung, "Test");
    EXPECT_EQ(g.Gruppe, (std::array<int, 4>{1, 3, 0, 0}));
    EXPECT_EQ(g.Gruppentext, (std::array<std::string, 4>{"Woelbklappen", "Hoehenruder", "", ""}));
    EXPECT_TRUE(liste.Geaendert);
    EXPECT_FALSE(host.Flags.GesamtpolarLaeuft);
    // More camber, more lift at the same angle of attack.
    const auto& z = g.Zeilen;
    for (std::size_t i = 1; i < z.size(); ++i) EXPECT_LT(z[i].Ca, z[i - 1].Ca) << i;
}

TEST_F(GesamtpolareTest, AngleSeriesRunsInTheOrderGiven)
{
    F().GesamtpolarSchrittzahl = 4;
    for (const auto& [start, ende, erwartet] :
         {std::tuple{0.0L, 4.0L, std::vector<double>{0, 1, 2, 3, 4}}, std::tuple{4.0L, 0.0L, std::vector<double>{4, 3, 2, 1, 0}}}) {
        F().PolarAnstellwinkelStart = start;
        F().PolarAnstellwinkelEnde = ende;
        ASSERT_EQ(Rechnen(TPolarreihe::Anstellwinkel).Ausgang, TGesamtpolarausgang::Fertig);
        EXPECT_EQ(Spalte(0), erwartet);
    }
    const TPolargruppe& g = *liste.Get(1);
    EXPECT_EQ(g.Art, PolarartAnstellwinkel);
    EXPECT_EQ(g.Fix, FixKeiner);
    EXPECT_EQ(g.Gruppentext, (std::array<std::string, 4>{"n.u.", "n.u.", "n.u.", "n.u."}));
    EXPECT_EQ(Spalte(1), (std::vector<double>(5, 0.0)));
    // Lift falls with the angle, and nothing stalls on this small aircraft at these angles.
    for (std::size_t i = 1; i < g.Zeilen.size(); ++i) EXPECT_LT(g.Zeilen[i].Ca, g.Zeilen[i - 1].Ca);
}

TEST_F(GesamtpolareTest, IncidenceSeriesSetsTheSurfaceAndRestoresIt)
{
    F().GesamtpolarSchrittzahl = 2;
    F().GesamtpolarEwd = {{{1, -3.0L, 1.0L}, {-1, 0.0L, 0.0L}, {-1, 0.0L, 0.0L}, {-1, 0.0L, 0.0L}}};
    ASSERT_EQ(Rechnen(TPolarreihe::Ewd).Ausgang, TGesamtpolarausgang::Fertig);
    EXPECT_EQ(Spalte(1), (std::vector<double>{1, -1, -3}));
    const TPolargruppe& g = *liste.Get(0);
    EXPECT_EQ(g.Art, PolarartEwd);
    EXPECT_EQ(g.Gruppe, (std::array<int, 4>{1, -1, -1, -1}));
    EXPECT_EQ(g.Gruppentext[0], "Hoehenleitwerk");
    EXPECT_EQ(F().Flaechen.Get(1)->Einstellwinkel, -1.5L);
    // A tail set to more incidence gives more lift at the same angle of attack.
    EXPECT_GT(g.Zeilen[0].Ca, g.Zeilen[2].Ca);
}

TEST_F(GesamtpolareTest, SceneIsTheSameAfterACompletedOrStoppedSeries)
{
    F().GesamtpolarSchrittzahl = 3;
    F().GesamtpolarHaupt = {{{1, -2.0L, 8.0L}, {3, -4.0L, 2.0L}, {0, 0.0L, 0.0L}, {0, 0.0L, 0.0L}}};
    F().Auslegungsnummer = ZielFlugGeschwindigkeit;
    F().Anstellwinkel = 1.25L;
    F().AuslegungsCa = 0.3L;
    F().SchwerpunktX = 0.05L;
    F().FlugGeschwindigkeit = 11.0L;
    F().Flaechen.Get(0)->Segmente.Get(0)->Klappenausschlag = 3.0L;
    F().Flaechen.Get(0)->Einstellwinkel = 1.0L;
    for (const auto& fl : F().Flaechen) BaueFlaeche(*fl, host);
    const std::string vorher = Szenentext();

    optionen.Fixierung = TPolarfixierung::Ca;
    ASSERT_EQ(Rechnen(TPolarreihe::Klappen).Ausgang, TGesamtpolarausgang::Fertig);
    EXPECT_EQ(Szenentext(), vorher);

    // Stopped inside a design computation a few runs into the series: nothing is kept.
    host.StoppBei("#60", 5);
    optionen.Fixierung = TPolarfixierung::Schwerpunkt;
    const TGesamtpolarergebnis e = Rechnen(TPolarreihe::Klappen);
    EXPECT_EQ(e.Ausgang, TGesamtpolarausgang::Gestoppt);
    EXPECT_EQ(liste.Count(), 1);
    EXPECT_EQ(Szenentext(), vorher);
    EXPECT_FALSE(host.Flags.GesamtpolarLaeuft);
    EXPECT_FALSE(host.Flags.RechnungLaeuft);
}

TEST_F(GesamtpolareTest, FailedStepsAreMarkedOrEndTheSeries)
{
    // Without mass every design computation fails with error text 33.
    F().ZusaetzlicheMassen = 0.0L;
    for (const auto& fl : F().Flaechen) fl->Masse = 0.0L;
    F().GesamtpolarSchrittzahl = 2;
    F().PolarAnstellwinkelStart = 0.0L;
    F().PolarAnstellwinkelEnde = 2.0L;

    host.Antwort = KnopfYES;
    TGesamtpolarergebnis e = Rechnen(TPolarreihe::Anstellwinkel);
    EXPECT_EQ(e.Ausgang, TGesamtpolarausgang::Fertig);
    EXPECT_EQ(e.Fehlschritte, 3);
    ASSERT_EQ(liste.Count(), 1);
    for (const TPolarzeile& z : liste.Get(0)->Zeilen) EXPECT_EQ(z.Info.rfind("FB ", 0), 0u) << z.Info;
    EXPECT_EQ(host.Fehlertexte, (std::vector<int>{33, 42, 33, 42, 33, 42}));

    host.Antwort = KnopfNO;
    host.Fehlertexte.clear();
    e = Rechnen(TPolarreihe::Anstellwinkel);
    EXPECT_EQ(e.Ausgang, TGesamtpolarausgang::Abgebrochen);
    EXPECT_EQ(host.Fehlertexte, (std::vector<int>{33, 42}));
    EXPECT_EQ(liste.Count(), 1) << "the aborted group is discarded";
}

TEST_F(GesamtpolareTest, StartCanEmptyTheList)
{
    liste.GruppeHinzufuegen(std::make_unique<TPolargruppe>());
    F().GesamtpolarSchrittzahl = 1;
    optionen.ListeLoeschen = true;
    ASSERT_EQ(Rechnen(TPolarreihe::Anstellwinkel).Ausgang, TGesamtpolarausgang::Fertig);
    ASSERT_EQ(liste.Count(), 1);
    EXPECT_EQ(liste.Get(0)->Zeilen.size(), 2u);
}

TEST(GesamtpolareSegler, StoredSeriesIsTheFlapSeries)
{
    TSchalter schalter;
    THost host;
    const auto szene = SzeneLadenUndAufbauen(fs::path(VELION_EXAMPLES) / "Segler.vel", schalter, host);
    EXPECT_EQ(GespeicherteReihe(*szene->Flugzeug), TPolarreihe::Klappen);
    EXPECT_EQ(szene->Flugzeug->GesamtpolarHaupt[0].Klappengruppe, 1);
    EXPECT_EQ(GespeicherteReihe(*testflugzeuge::SymmetrischesFlugzeug()->Flugzeug), TPolarreihe::Anstellwinkel);
}

/// Glide ratio, sink speed and glide angle of a row belong to each other.
void ErwarteStimmig(const TPolarzeile& z)
{
    EXPECT_NEAR(z.Sinkgeschwindigkeit * z.Gleitzahl / z.Geschwindigkeit, 1.0, 1e-9);
    EXPECT_NEAR(std::tan(z.Gleitwinkel * 3.14159265358979323846 / 180.0) * z.Gleitzahl, 1.0, 1e-9);
    EXPECT_GT(z.Gleitzahl, 5.0);
}

TEST(GesamtpolareSegler, LiftRisesAlongTheAngleSeriesAndWithCamberFlaps)
{
    TSchalter schalter;
    TAufzeichnenderHost host;
    const auto szene = SzeneLadenUndAufbauen(fs::path(VELION_EXAMPLES) / "Segler.vel", schalter, host);
    TFLUGZEUG& f = *szene->Flugzeug;
    TPolarliste liste;
    TGesamtpolaroptionen o;
    o.Reihe = TPolarreihe::Anstellwinkel;
    f.GesamtpolarSchrittzahl = 2;
    f.PolarAnstellwinkelStart = 0.0L;
    f.PolarAnstellwinkelEnde = 6.0L;
    ASSERT_EQ(GesamtpolarBerechnen(*szene, schalter, host, liste, o).Ausgang, TGesamtpolarausgang::Fertig);

    // The stored flap series, camber flaps from 6° down to -2°, at the centre of gravity of the scene.
    o.Reihe = TPolarreihe::Klappen;
    o.Fixierung = TPolarfixierung::Schwerpunkt;
    f.GesamtpolarSchrittzahl = 2;
    ASSERT_EQ(GesamtpolarBerechnen(*szene, schalter, host, liste, o).Ausgang, TGesamtpolarausgang::Fertig);
    EXPECT_TRUE(host.Fehlertexte.empty());

    const auto& winkel = liste.Get(0)->Zeilen;
    ASSERT_EQ(winkel.size(), 3u);
    for (std::size_t i = 0; i < winkel.size(); ++i) {
        SCOPED_TRACE("angle row " + std::to_string(i));
        EXPECT_DOUBLE_EQ(winkel[i].Alfa, 3.0 * i);
        if (i > 0) {
            EXPECT_GT(winkel[i].Ca, winkel[i - 1].Ca);
        }
        ErwarteStimmig(winkel[i]);
    }
    const auto& klappen = liste.Get(1)->Zeilen;
    ASSERT_EQ(klappen.size(), 3u);
    for (std::size_t i = 0; i < klappen.size(); ++i) {
        SCOPED_TRACE("flap row " + std::to_string(i));
        EXPECT_EQ(klappen[i].Gr[0], 6.0 - 4.0 * i);
        EXPECT_NEAR(klappen[i].Schwerpunkt, 0.075, 1e-6) << "the centre of gravity is fixed";
        if (i > 0) {
            EXPECT_LT(klappen[i].Ca, klappen[i - 1].Ca) << "less camber, less trimmed lift";
        }
        ErwarteStimmig(klappen[i]);
    }
}
