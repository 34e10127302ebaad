// The command line's host: error texts printed and answered without a user, output texts looked
// up, and the --sprache option.
#include <sstream>

#include "common/TestHilfe.h"
#include "cli/KonsolenHost.h"

namespace {

TSprachtexte Texte()
{
    TSprachtexte texte;
    texte.Fehlertextzeilen = {"[6]",    "TEXT=Die Flugszene wurde geändert.", "TEXT=Speichern?", "BUTTON=YES",
                              "BUTTON=NO", "BUTTON=ABORT", "[ENDE]", "[33]", "TEXT=Gesamtmasse zu klein.",
                              "BUTTON=OK", "[ENDE]", "[42]", "TEXT=Weiter?", "BUTTON=NO", "BUTTON=YES", "[ENDE]",
                              "[50]", "TEXT=Ohne Knopf", "[ENDE]"};
    texte.Ausgabetextzeilen = {"[60]", "TEXT=Aufbau des Gleichungssystems", "[ENDE]"};
    return texte;
}

}  // namespace

TEST(KonsolenHost, AnswersWithoutAUser)
{
    struct Fall {
        const char* name;
        std::vector<TKnopf> knoepfe;
        TKnopf antwort;
    } faelle[] = {
        {"plain error", {KnopfOK}, KnopfOK},
        {"no buttons named", {}, KnopfOK},
        {"confirmation goes ahead", {KnopfYES, KnopfNO}, KnopfYES},
        {"save question discards nothing of the user's", {KnopfYES, KnopfNO, KnopfABORT}, KnopfNO},
        {"first of the set", {KnopfNO, KnopfABORT}, KnopfNO},
        {"abort only", {KnopfABORT}, KnopfABORT},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(TKonsolenHost::Antwort(f.knoepfe), f.antwort);
    }
}

TEST(KonsolenHost, PrintsErrorTextsAndSetsTheFlag)
{
    struct Fall {
        int n;
        int antwort;
        std::string ausgabe;
    } faelle[] = {
        {33, KnopfOK, "Gesamtmasse zu klein.\n"},
        {6, KnopfNO, "Die Flugszene wurde geändert.\nSpeichern?\n(Antwort ohne Rückfrage: Nein)\n"},
        {42, KnopfYES, "Weiter?\n(Antwort ohne Rückfrage: Ja)\n"},
        {50, KnopfOK, "Ohne Knopf\n"},
        {7, KnopfKeiner, "Fehlertext 7 (kein Text in der Sprache DEUTSCH)\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.n);
        std::ostringstream aus;
        TKonsolenHost host(true, Texte(), aus);
        EXPECT_EQ(host.Fehlertext(f.n), f.antwort);
        EXPECT_TRUE(host.Flags.FehlertextGezeigt);
        EXPECT_EQ(aus.str(), f.ausgabe);
    }
}

TEST(KonsolenHost, EmptyListsGiveNoTextAndNoAnswer)
{
    std::ostringstream aus;
    TKonsolenHost host(true, TSprachtexte{}, aus);
    EXPECT_EQ(host.Fehlertext(2), KnopfKeiner);
    EXPECT_TRUE(host.Flags.FehlertextGezeigt);
    EXPECT_EQ(host.Ausgabetext(60), "");
}

TEST(KonsolenHost, ErrorTextEndsTheProgressLine)
{
    std::ostringstream aus;
    {
        TKonsolenHost host(false, Texte(), aus, true);
        host.StatustextNr(60);
        host.Fehlertext(33);
    }
    EXPECT_EQ(aus.str(), "\rAufbau des Gleichungssystems\033[K\nGesamtmasse zu klein.\n");
}

TEST(KonsolenHost, WithoutATerminalEachNewStatusIsOneLine)
{
    std::ostringstream aus;
    {
        TKonsolenHost host(false, Texte(), aus, false);
        host.StatustextNr(60);
        for (int i = 0; i <= 10; ++i) host.Fortschritt(TFortschrittsbalken::Haupt, i, 10);
        host.StatustextNr(60);
        host.Statustext("Lösung");
        host.Statustext("");
        host.StatustextNr(60);  // the next run's assembly
    }
    EXPECT_EQ(aus.str(), "Aufbau des Gleichungssystems\nLösung\nAufbau des Gleichungssystems\n");
}

TEST(KonsolenHost, SpracheOption)
{
    const std::filesystem::path resources = std::filesystem::path(VELION_SOURCE) / "resources";
    struct Fall {
        std::vector<std::string> argumente;
        std::string sprache;
        bool gueltig;
    } faelle[] = {
        {{}, "DEUTSCH", true},
        {{"--sprache", "ENGLISH"}, "ENGLISH", true},
        {{"--sprache", "english"}, "ENGLISH", true},
        {{"--sprache", "KLINGONISCH"}, "", false},
        {{"--sprache"}, "", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::PrintToString(f.argumente));
        CLI::App app;
        std::string sprache = "unberuehrt";
        SpracheOptionHinzufuegen(app, sprache, resources);
        std::vector<std::string> argumente(f.argumente.rbegin(), f.argumente.rend());
        if (f.gueltig) {
            EXPECT_NO_THROW(app.parse(argumente));
            EXPECT_EQ(sprache, f.sprache);
        } else {
            EXPECT_THROW(app.parse(argumente), CLI::ParseError);
        }
    }
}
