// velion-cli run end to end: a scene written to a temporary folder, run through the command line,
// its JSON compared with the same run in process; bad input; Ctrl-C during a run.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliAufruf.h"
#include "control/Rechenlauf.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "model/TErgebnis.h"
#include "evaluation/Testflugzeuge.h"
#include "geometry/Szenenaufbau.h"
#include "model/Szenendatei.h"

namespace {

namespace fs = std::filesystem;

class BefehlRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner_ = fs::temp_directory_path() / ("velion_run_" + std::to_string(getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    /// Writes the scene into the test folder and returns its path.
    fs::path Schreiben(const TSZENE& szene, const TSchalter& schalter = {}, const std::string& name = "szene.vel")
    {
        const fs::path datei = ordner_ / name;
        WriteScene(datei, szene, schalter);
        return datei;
    }

    /// velion-cli on `argumente`, with Ctrl-C once stderr shows `unterbrechenBei` when given.
    TCliAufruf Aufrufen(const std::vector<std::string>& argumente, const std::string& unterbrechenBei = {})
    {
        return StarteCli(argumente, ordner_, "aufruf" + std::to_string(aufrufe_++), unterbrechenBei);
    }

    fs::path ordner_;
    int aufrufe_ = 0;
};

}  // namespace

TEST_F(BefehlRun, JsonCarriesAircraftSurfacesAndStripsOfTheRunInProcess)
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    szene->Flugzeug->Anstellwinkel = 1.0L;
    const fs::path datei = Schreiben(*szene);

    const TCliAufruf r = Aufrufen({"run", datei.string(), "--alpha", "3,5", "--json", "--quiet", "--threads", "2"});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    EXPECT_EQ(r.Fehler, "");
    const nlohmann::json j = nlohmann::json::parse(r.Aus);

    // The same scene computed here, at the angle given on the command line.
    TSchalter schalter;
    THost host;
    auto geladen = SzeneLadenUndAufbauen(datei, schalter, host);
    geladen->Flugzeug->Anstellwinkel = 3.5L;
    GesamtmasseBerechnen(*geladen->Flugzeug);
    TRechenoptionen optionen;
    optionen.Loeser.Prozessorzahl = 2;
    Rechenlauf(*geladen, schalter, optionen, host);
    ASSERT_TRUE(host.Flags.ErgebnisseGueltig);
    const TFLUGZEUG& fz = *geladen->Flugzeug;

    EXPECT_EQ(j.at("Anstellwinkel").get<double>(), 3.5);
    EXPECT_EQ(j.at("AuslegungsCa").get<double>(), static_cast<double>(fz.AuslegungsCa));
    EXPECT_EQ(j.at("CWi").get<double>(), static_cast<double>(fz.CWi));
    EXPECT_EQ(j.at("Cmy").get<double>(), static_cast<double>(fz.Cmy));
    EXPECT_EQ(j.at("FlugGeschwindigkeit").get<double>(), static_cast<double>(fz.FlugGeschwindigkeit));
    for (const char* feld : {"CS", "CmxNullpunkt", "CmyNullpunkt", "CmzNullpunkt", "Cmx", "Cmz", "SchwerpunktX"})
        EXPECT_TRUE(j.at(feld).is_number()) << feld;
    EXPECT_TRUE(j.at("Momentenbezugspunkt").at("x").is_number());

    const nlohmann::json& flaechen = j.at("Flaechen");
    ASSERT_EQ(flaechen.size(), static_cast<std::size_t>(fz.Flaechen.Count()));
    for (int i = 0; i < fz.Flaechen.Count(); ++i) {
        SCOPED_TRACE(i);
        const TFLAECHE& fl = *fz.Flaechen.Get(i);
        const nlohmann::json& f = flaechen[static_cast<std::size_t>(i)];
        EXPECT_EQ(f.at("CA").get<double>(), static_cast<double>(fl.CA));
        for (const char* feld : {"CS", "CWi", "Cwi", "CwiElliptisch", "CwiVerhaeltnis"}) EXPECT_TRUE(f.at(feld).is_number()) << feld;
        const nlohmann::json& streifen = f.at("Streifen");
        ASSERT_EQ(streifen.size(), static_cast<std::size_t>(fl.Ergebnisraster.RowCount()));
        for (std::size_t s = 0; s < streifen.size(); ++s) {
            for (int slot : {SlotGamma, SlotCa, SlotCwi, SlotAi, SlotStreifentiefe, SlotStreifenbreite, SlotRe, SlotSegmentnummer})
                EXPECT_EQ(streifen[s].at(ErgebnisSlotName(slot)).get<double>(),
                          static_cast<double>(fl.Ergebnisraster.Get(static_cast<int>(s), slot)->Wert));
            for (int slot : {SlotStreifenkraft, SlotStreifennormale, SlotVorderkante, SlotHinterkante})
                EXPECT_TRUE(streifen[s].at(ErgebnisSlotName(slot)).at("z").is_number());
        }
    }
}

TEST_F(BefehlRun, TextShowsProgressOnStderrAndResultsOnStdout)
{
    const fs::path datei = Schreiben(*testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 3));
    const TCliAufruf r = Aufrufen({"run", datei.string(), "--alpha", "4", "--no-multithread"});
    ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
    EXPECT_NE(r.Aus.find("Streckung"), std::string::npos);
    EXPECT_NE(r.Aus.find("Streifentiefe"), std::string::npos) << "the strip table is headed by the slot names";
    EXPECT_NE(r.Aus.find("Streifen der Fläche 0"), std::string::npos);
    EXPECT_EQ(r.Aus.find('\r'), std::string::npos) << "no progress on stdout";
    // stderr is a file here: the phases as lines, no updating progress line.
    EXPECT_EQ(r.Fehler.find('\r'), std::string::npos);
    EXPECT_NE(r.Fehler.find("Aufbau des Gleichungssystems\nLösung des Gleichungssystems\n"), std::string::npos)
        << r.Fehler;
}

TEST_F(BefehlRun, WakeOptionOverridesTheSceneSwitches)
{
    const fs::path datei = Schreiben(*testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 3));
    double ca[2];
    const char* faelle[] = {"aus", "komplett"};
    for (int i = 0; i < 2; ++i) {
        const TCliAufruf r = Aufrufen({"run", datei.string(), "--alpha", "6", "--wake", faelle[i], "--json", "--quiet"});
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        ca[i] = nlohmann::json::parse(r.Aus).at("AuslegungsCa").get<double>();
    }
    EXPECT_NE(ca[0], ca[1]);
    EXPECT_NEAR(ca[1], ca[0], 0.01 * ca[0]);
}

TEST_F(BefehlRun, LoeserOptionChoosesTheMethodAndBothAgree)
{
    const fs::path datei = Schreiben(*testflugzeuge::SymmetrischesFlugzeug());
    nlohmann::json j[2];
    const char* verfahren[] = {"genau", "schnell"};
    for (int i = 0; i < 2; ++i) {
        const TCliAufruf r = Aufrufen({"run", datei.string(), "--alpha", "3", "--loeser", verfahren[i], "--json", "--quiet"});
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        j[i] = nlohmann::json::parse(r.Aus);
    }
    for (const char* feld : {"AuslegungsCa", "CWi", "Cmy"}) {
        const double genau = j[0].at(feld).get<double>();
        EXPECT_NEAR(j[1].at(feld).get<double>(), genau, 1e-10 * std::fabs(genau)) << feld;
    }
    const TCliAufruf falsch = Aufrufen({"run", datei.string(), "--loeser", "halb"});
    EXPECT_EQ(falsch.Rueckgabe, 2);
    EXPECT_NE(falsch.Fehler.find("--loeser"), std::string::npos) << falsch.Fehler;
}

TEST_F(BefehlRun, BadInputEndsWithCodeTwo)
{
    const fs::path datei = Schreiben(*testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 2, 1));
    const std::vector<std::vector<std::string>> faelle = {
        {"run", datei.string(), "--wake", "halb"},
        {"run", datei.string(), "--alpha", "abc"},
        {"run", datei.string(), "--beta", "91"},
        {"run", datei.string(), "--threads", "-1"},
        {"run", (ordner_ / "fehlt.vel").string()},
    };
    for (const auto& argumente : faelle) {
        SCOPED_TRACE(argumente.back());
        const TCliAufruf r = Aufrufen(argumente);
        EXPECT_EQ(r.Rueckgabe, 2) << r.Fehler;
        EXPECT_EQ(r.Aus, "");
        EXPECT_NE(r.Fehler, "");
    }
}

TEST_F(BefehlRun, CtrlCStopsTheRunWithoutResults)
{
    // A wake aligned element by element solves eleven times: long enough to be interrupted.
    auto szene = testflugzeuge::Rechteckfluegel(2.0L, 0.2L, 6, 20);
    szene->Flugzeug->Anstellwinkel = 5.0L;
    const fs::path datei = Schreiben(*szene);
    const auto start = std::chrono::steady_clock::now();
    const TCliAufruf r = Aufrufen({"run", datei.string(), "--wake", "einzel", "--threads", "1"}, "Element 2");
    const auto dauer = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.Rueckgabe, 1) << r.Fehler;
    EXPECT_NE(r.Fehler.find("gestoppt"), std::string::npos) << r.Fehler;
    EXPECT_EQ(r.Aus, "");
    EXPECT_LT(dauer, std::chrono::seconds(60));
}
