// The design computation on a small stable aircraft: every target converges where it can, fails
// with its error text where it cannot, restores the inputs after a failure or a stop, and writes
// the transfer file only after success.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "control/Auslegungsberechnung.h"
#include "control/LaufHost.h"
#include "evaluation/Testflugzeuge.h"
#include "model/TSchalter.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "common/TestHilfe.h"

namespace {

class AuslegungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        szene = testflugzeuge::SymmetrischesFlugzeug();
        optionen.Rechnen.Loeser.Multithread = false;
        ordner = std::filesystem::path(testing::TempDir()) /
                 ("velion_auslegung_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
        optionen.Transferordner = ordner;
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    TFLUGZEUG& F() { return *szene->Flugzeug; }

    TAuslegungsergebnis Rechnen(int ziel)
    {
        F().Auslegungsnummer = ziel;
        return Auslegungsberechnung(*szene, schalter, host, optionen);
    }

    /// Runs target 1 at `winkel` and returns the aircraft's state there (for targets to aim at).
    void ZustandBei(Extended winkel)
    {
        F().Anstellwinkel = winkel;
        ASSERT_EQ(Rechnen(ZielAnstellwinkel).Ausgang, TAuslegungsausgang::Erfolg);
    }

    bool TransferdateiDa() const { return std::filesystem::exists(ordner / "transfer.txt"); }

    std::unique_ptr<TSZENE> szene;
    TSchalter schalter;
    TAufzeichnenderHost host;
    TAuslegungsoptionen optionen;
    std::filesystem::path ordner;
};

TEST_F(AuslegungTest, AngleTargetRunsTwiceThenEvaluatesAndWritesTheTransferFile)
{
    F().Anstellwinkel = 2.0L;
    optionen.RobusterNeutralpunkt = false;  // the target's own runs only
    const TAuslegungsergebnis e = Rechnen(ZielAnstellwinkel);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg);
    EXPECT_EQ(e.Laeufe, 2);
    EXPECT_TRUE(e.ZielErreicht);
    EXPECT_EQ(F().Anstellwinkel, 2.0L);
    EXPECT_TRUE(host.Flags.ErgebnisseGueltig);
    EXPECT_TRUE(host.Flags.ProfilauswertungGueltig);
    EXPECT_FALSE(host.Flags.RechnungLaeuft);
    EXPECT_EQ(F().Momentenrichtung[0], 1);
    EXPECT_TRUE(host.Fehlertexte.empty());
    EXPECT_GT(F().Auftriebsanstiegswinkel, 0.0L);
    EXPECT_EQ(e.Transferdatei, ordner / "transfer.txt");

    // Eight lines of key, TAB, value; numbers with 5 decimals and ".".
    const std::vector<std::string> zeilen = LeseTextzeilen(e.Transferdatei);
    const char* schluessel[] = {"DATUM", "ZEIT", "RHO", "W[N]", "v[m/s]", "CW_GES", "F_GES[m^2]", "GESAMTMASSE[kg]"};
    ASSERT_EQ(zeilen.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(schluessel[i]);
        ASSERT_EQ(zeilen[i].substr(0, zeilen[i].find('\t')), schluessel[i]);
    }
    EXPECT_EQ(zeilen[2], "RHO\t1.22500");
    EXPECT_EQ(zeilen[3], "W[N]\t" + RealToText(F().Widerstand, 0, 5, '.'));
    EXPECT_EQ(zeilen[5], "CW_GES\t" + RealToText(F().CW, 0, 5, '.'));
    EXPECT_EQ(zeilen[7], "GESAMTMASSE[kg]\t" + RealToText(F().Gesamtmasse, 0, 5, '.'));
    EXPECT_EQ(zeilen[0].find(','), std::string::npos);
    EXPECT_EQ(zeilen[1].find(':'), std::string::npos);
    EXPECT_EQ(LeseDateiRoh(e.Transferdatei).find("\r\n"), zeilen[0].size());
}

TEST_F(AuslegungTest, AnUnwritableTransferFolderKeepsTheResults)
{
    optionen.Transferordner = ordner / "gibt_es_nicht";
    F().Anstellwinkel = 2.0L;
    const TAuslegungsergebnis e = Rechnen(ZielAnstellwinkel);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg);
    EXPECT_TRUE(host.Flags.ErgebnisseGueltig);
    EXPECT_TRUE(host.Flags.ProfilauswertungGueltig);
    EXPECT_TRUE(e.Transferdatei.empty());
    EXPECT_NE(e.Transferfehler.find("gibt_es_nicht"), std::string::npos) << e.Transferfehler;
    EXPECT_GT(F().CW, 0.0L);
}

TEST_F(AuslegungTest, LiftCoefficientTargetConverges)
{
    F().AuslegungsCa = 0.5L;
    const TAuslegungsergebnis e = Rechnen(ZielAuslegungsCa);
    ASSERT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg);
    EXPECT_TRUE(e.ZielErreicht);
    EXPECT_TRUE(NaheL(F().AuslegungsCa, 0.5L, 1e-6L));
    EXPECT_LE(e.Iterationsschritt, F().MaxIteration + 1);
    EXPECT_TRUE(TransferdateiDa());
    // The slope angle of the last two runs is that of a lift slope of a few hundredths per degree.
    EXPECT_GT(F().Auftriebsanstiegswinkel, 1.0L);
    EXPECT_LT(F().Auftriebsanstiegswinkel, 10.0L);
}

TEST_F(AuslegungTest, LiftCoefficientMetAtZeroDegreesCountsAsConverged)
{
    ZustandBei(0.0L);
    const Extended ca0 = F().AuslegungsCa;
    F().AuslegungsCa = ca0;
    std::filesystem::remove(ordner / "transfer.txt");
    const TAuslegungsergebnis e = Rechnen(ZielAuslegungsCa);
    ASSERT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg);
    EXPECT_TRUE(e.ZielErreicht);
    EXPECT_EQ(F().Anstellwinkel, 0.0L);
    EXPECT_EQ(F().AuslegungsCa, ca0);
    EXPECT_TRUE(host.Flags.ProfilauswertungGueltig);
    EXPECT_TRUE(std::isfinite(F().Neutralpunkt));
    EXPECT_TRUE(TransferdateiDa());
}

TEST_F(AuslegungTest, StabilityMarginTargetConverges)
{
    ZustandBei(4.0L);
    const Extended sigmaZiel = RoundReal(2, F().Stabilitaetsmass);
    ASSERT_GT(sigmaZiel, 0.0L);
    F().Stabilitaetsmass = sigmaZiel;
    const TAuslegungsergebnis e = Rechnen(ZielStabilitaetsmass);
    ASSERT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg) << "error text " << e.Fehlertext;
    EXPECT_TRUE(NaheL(F().Stabilitaetsmass, sigmaZiel, 1e-6L));
    EXPECT_TRUE(TransferdateiDa());
}

TEST_F(AuslegungTest, CentreOfGravityTargetConverges)
{
    ZustandBei(4.0L);
    const Extended xsZiel = RoundReal(3, F().SchwerpunktX);
    F().SchwerpunktX = xsZiel;
    const TAuslegungsergebnis e = Rechnen(ZielSchwerpunkt);
    ASSERT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg) << "error text " << e.Fehlertext;
    EXPECT_TRUE(NaheL(F().SchwerpunktX, xsZiel, 1e-6L));
}

TEST_F(AuslegungTest, FlightSpeedTargetConverges)
{
    ZustandBei(4.0L);
    const Extended vZiel = RoundReal(1, F().FlugGeschwindigkeit);
    F().FlugGeschwindigkeit = vZiel;
    const TAuslegungsergebnis e = Rechnen(ZielFlugGeschwindigkeit);
    ASSERT_EQ(e.Ausgang, TAuslegungsausgang::Erfolg);
    EXPECT_TRUE(e.ZielErreicht);
    EXPECT_TRUE(NaheL(F().FlugGeschwindigkeit, vZiel, 1e-6L));
}

TEST_F(AuslegungTest, MovingTheCentreOfGravityAftLowersTheMarginLinearly)
{
    ZustandBei(4.0L);
    const Extended x0 = RoundReal(3, F().SchwerpunktX);
    const Extended schritt = 0.005L;
    // The neutral point comes from the runs at 0 degrees and at the trimmed angle; near the neutral
    // point the iteration needs more steps than the default.
    F().MaxIteration = 40;
    Extended sigma[3], xn[3];
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        F().SchwerpunktX = x0 + i * schritt;
        ASSERT_EQ(Rechnen(ZielSchwerpunkt).Ausgang, TAuslegungsausgang::Erfolg);
        sigma[i] = F().Stabilitaetsmass;
        xn[i] = F().Neutralpunkt;
        EXPECT_TRUE(NaheL(F().SchwerpunktX, x0 + i * schritt, 1e-6L));
    }
    const Extended lu = F().Bezugstiefe;
    // A stable glider: centre of gravity ahead of the neutral point, positive margin.
    EXPECT_GT(xn[0], x0);
    EXPECT_GT(sigma[0], 0.0L);
    // The neutral point belongs to the aircraft, not to the loading. It is the secant of the
    // pitching moment between 0 degrees and the trimmed angle, so it moves a little with that angle
    // (the lattice is not quite linear): by a few percent of the chord here.
    for (int i = 1; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(NaheL(xn[i], xn[0], 0.03L * lu));
        EXPECT_TRUE(NaheL(sigma[i], (xn[i] - (x0 + i * schritt)) / lu * 100.0L, 1e-3L));
    }
    // Equal steps aft give nearly equal drops of the margin: at least the step over the chord (the
    // secant neutral point moves forward as the trimmed angle grows), the same within 20 %.
    const Extended abfall1 = sigma[0] - sigma[1];
    const Extended abfall2 = sigma[1] - sigma[2];
    EXPECT_GT(abfall1, schritt / lu * 100.0L);
    EXPECT_TRUE(NaheL(abfall2, abfall1, 0.2L * abfall1));
}

struct TFehlerfall {
    const char* name;
    int ziel;
    Extended wert;
    int maxIteration;
    int fehlertext;
};

class AuslegungFehlerTest : public AuslegungTest, public ::testing::WithParamInterface<TFehlerfall> {};

TEST_P(AuslegungFehlerTest, FailsWithItsErrorTextAndRestoresTheInputs)
{
    const TFehlerfall& fall = GetParam();
    TFLUGZEUG& f = F();
    f.Anstellwinkel = 1.5L;
    f.AuslegungsCa = 0.3L;
    f.Stabilitaetsmass = 8.0L;
    f.SchwerpunktX = 0.05L;
    f.FlugGeschwindigkeit = 9.0L;
    f.MaxIteration = fall.maxIteration;
    switch (fall.ziel) {
    case ZielAuslegungsCa: f.AuslegungsCa = fall.wert; break;
    case ZielStabilitaetsmass: f.Stabilitaetsmass = fall.wert; break;
    case ZielSchwerpunkt: f.SchwerpunktX = fall.wert; break;
    default: break;
    }
    const TAuslegungseingaben vorher = AuslegungseingabenLesen(f);

    const TAuslegungsergebnis e = Rechnen(fall.ziel);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Fehlschlag);
    EXPECT_EQ(e.Fehlertext, fall.fehlertext);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{fall.fehlertext});
    EXPECT_TRUE(host.Flags.FehlertextGezeigt);
    EXPECT_EQ(f.Anstellwinkel, vorher.Anstellwinkel);
    EXPECT_EQ(f.AuslegungsCa, vorher.AuslegungsCa);
    EXPECT_EQ(f.Stabilitaetsmass, vorher.Stabilitaetsmass);
    EXPECT_EQ(f.SchwerpunktX, vorher.SchwerpunktX);
    EXPECT_EQ(f.FlugGeschwindigkeit, vorher.FlugGeschwindigkeit);
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
    EXPECT_FALSE(host.Flags.RechnungLaeuft);
    EXPECT_EQ(f.Momentenrichtung[0], 1);
    EXPECT_FALSE(TransferdateiDa());
    EXPECT_TRUE(e.Transferdatei.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ziele, AuslegungFehlerTest,
    ::testing::Values(
        // No lattice lift coefficient of 6 exists below 90 degrees.
        TFehlerfall{"LiftBeyondReach", ZielAuslegungsCa, 6.0L, 15, 28},
        TFehlerfall{"MarginTooFewIterations", ZielStabilitaetsmass, 8.0L, 1, 26},
        TFehlerfall{"CentreOfGravityTooFewIterations", ZielSchwerpunkt, 0.05L, 1, 27},
        // A margin this small needs a lift coefficient no angle gives.
        TFehlerfall{"MarginBeyondReach", ZielStabilitaetsmass, 0.001L, 15, 24}),
    [](const ::testing::TestParamInfo<TFehlerfall>& fall) { return std::string(fall.param.name); });

TEST_F(AuslegungTest, UnsolvableSystemEndsTheDesignAsAFailure)
{
    szene = testflugzeuge::DoppelterFluegel();  // at 4 degrees
    const TAuslegungseingaben vorher = AuslegungseingabenLesen(F());
    const TAuslegungsergebnis e = Rechnen(ZielAnstellwinkel);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Fehlschlag);
    EXPECT_EQ(e.Fehlertext, 48);
    EXPECT_EQ(e.Laeufe, 1);                                // no iteration on stale coefficients
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{48});  // reported once, by the run
    EXPECT_EQ(F().Anstellwinkel, vorher.Anstellwinkel);
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
    EXPECT_FALSE(TransferdateiDa());
}

TEST_F(AuslegungTest, TooLittleMassComputesNothing)
{
    F().ZusaetzlicheMassen = 0.0L;
    for (const auto& fl : F().Flaechen) fl->Masse = 0.0L;
    F().Anstellwinkel = 3.0L;
    const TAuslegungsergebnis e = Rechnen(ZielAnstellwinkel);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::ZuWenigMasse);
    EXPECT_EQ(e.Laeufe, 0);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{33});
    EXPECT_FALSE(TransferdateiDa());
}

/// Requests a stop at the n-th turn of the event loop.
class TStoppHost : public TAufzeichnenderHost {
public:
    int StoppBei = 0;
    void Ereignisschleife() override
    {
        if (++runden_ == StoppBei) Flags.Stoppanforderung = true;
    }

private:
    int runden_ = 0;
};

TEST_F(AuslegungTest, StopDuringARunRestoresTheInputs)
{
    TStoppHost stopp;
    stopp.StoppBei = 3;
    F().Auslegungsnummer = ZielAuslegungsCa;
    F().AuslegungsCa = 0.4L;
    F().Anstellwinkel = 1.0L;
    const TAuslegungsergebnis e = Auslegungsberechnung(*szene, schalter, stopp, optionen);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Gestoppt);
    EXPECT_TRUE(stopp.Fehlertexte.empty());
    EXPECT_EQ(F().AuslegungsCa, 0.4L);
    EXPECT_EQ(F().Anstellwinkel, 1.0L);
    EXPECT_FALSE(stopp.Flags.ErgebnisseGueltig);
    EXPECT_FALSE(stopp.Flags.RechnungLaeuft);
    EXPECT_FALSE(TransferdateiDa());
}

TEST_F(AuslegungTest, StopDuringTheProfileEvaluationIsAStopToo)
{
    // Stopped at the second strip of the profile evaluation (status text 64): the drag is
    // missing, so the design must not end as a success with a transfer file.
    TLaufHost stopp;
    stopp.StoppBei("#64", 1, 2);
    F().Auslegungsnummer = ZielAnstellwinkel;
    F().Anstellwinkel = 2.0L;
    const Extended caVorher = F().AuslegungsCa;
    const TAuslegungsergebnis e = Auslegungsberechnung(*szene, schalter, stopp, optionen);
    EXPECT_EQ(stopp.Anzahl("#64"), 1);
    EXPECT_EQ(e.Ausgang, TAuslegungsausgang::Gestoppt);
    EXPECT_FALSE(e.Profilauswertung);
    EXPECT_EQ(F().Anstellwinkel, 2.0L);
    EXPECT_EQ(F().AuslegungsCa, caVorher);
    EXPECT_FALSE(stopp.Flags.ErgebnisseGueltig);
    EXPECT_FALSE(TransferdateiDa());
}

}  // namespace
