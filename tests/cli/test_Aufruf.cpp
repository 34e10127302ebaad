// A wrong call of velion-cli is answered with what is wrong and where to find help, in German or in the language chosen with --sprache.
#include <gtest/gtest.h>

#include "cli/CliAufruf.h"

TEST(Aufruf, FalscheAufrufeWerdenAufDeutschBeantwortet)
{
    const std::string segler = Beispielszene("Segler").string();
    const struct {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{}, "es fehlt der Befehl"},
        {{"run"}, "SZENE fehlt"},
        {{"run", segler, "--alpha", "abc"}, "'abc' ist kein Winkel zwischen -90 und 90 Grad"},
        {{"run", segler, "--threads", "5000"}, "\"5000\" ist keine ganze Zahl von 0 bis 1024"},
        {{"run", segler, "--threads"}, "bei --threads fehlt der Wert"},
        {{"run", segler, "--wake", "x"}, "\"x\" ist keines von aus|einzel|komplett|beide"},
        {{"run", segler, "zuviel"}, "unerwartete Angabe: zuviel"},
        {{"design", segler, "--ziel", "9"}, "\"9\" ist keine ganze Zahl von 1 bis 5"},
        {{"design", segler, "--transfer", "/gibt/es/nicht"}, "den Ordner \"/gibt/es/nicht\" gibt es nicht"},
    };
    const std::filesystem::path ordner = CliOrdner("velion_aufruf");
    int i = 0;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.meldung);
        const TCliAufruf r = StarteCli(fall.argumente, ordner, "fall" + std::to_string(i++));
        EXPECT_EQ(r.Rueckgabe, 2);
        EXPECT_TRUE(r.Aus.empty());
        EXPECT_TRUE(r.Fehler.starts_with("Fehler: ")) << r.Fehler;
        EXPECT_NE(r.Fehler.find(fall.meldung), std::string::npos) << r.Fehler;
        EXPECT_NE(r.Fehler.find("velion-cli --help"), std::string::npos) << r.Fehler;
        for (const char* englisch : {"Run with", "Could not", "required", "expected", "not in"})
            EXPECT_EQ(r.Fehler.find(englisch), std::string::npos) << r.Fehler;
    }
}

TEST(Aufruf, HilfeMitDeutschenUeberschriften)
{
    const TCliAufruf r = StarteCli({"run", "--help"}, CliOrdner("velion_aufruf"), "hilfe");
    EXPECT_EQ(r.Rueckgabe, 0);
    for (const char* ueberschrift : {"Aufruf:", "Angaben:", "Optionen:", "diese Hilfe zeigen"})
        EXPECT_NE(r.Aus.find(ueberschrift), std::string::npos) << r.Aus;
    EXPECT_EQ(r.Aus.find("Usage"), std::string::npos) << r.Aus;
}

// The same calls in German and, with --sprache ENGLISH, in English: the command line's own lines
// and the messages of the readers follow the language; German stays word for word as it was.
TEST(Aufruf, ZeilenInDerGewaehltenSprache)
{
    const std::filesystem::path ordner = CliOrdner("velion_aufruf_sprache");
    const std::string segler = Beispielszene("Segler").string();
    const std::string keineSzene = (ordner / "keine.vel").string();
    SchreibeDateiAtomar(keineSzene, "Dies ist keine Szene.\r\n");
    // The sailplane with a negative surface mass: the reader's message names line, key and range.
    const std::string negativeMasse = (ordner / "masse.vel").string();
    std::string masse = LeseDateiRoh(segler);
    masse.replace(masse.find("\nMASSE=0.62000"), 14, "\nMASSE=-90");
    SchreibeDateiAtomar(negativeMasse, masse);
    const struct {
        std::vector<std::string> argumente;
        int rueckgabe;
        bool aufStdout;  ///< the lines are looked for on stdout, else on stderr
        std::vector<const char*> deutsch, englisch;
    } faelle[] = {
        {{"run"}, 2, false, {"Fehler: SZENE fehlt\n", "Hilfe: velion-cli --help oder velion-cli BEFEHL --help\n"},
         {"Error: SZENE is required\n", "Help: velion-cli --help or velion-cli COMMAND --help\n"}},
        {{"run", segler, "--threads", "5000"}, 2, false,
         {"Fehler: --threads: \"5000\" ist keine ganze Zahl von 0 bis 1024\n"},
         {"Error: --threads: \"5000\" is no whole number from 0 to 1024\n"}},
        {{"run", segler, "--alpha", "abc"}, 2, false,
         {"'abc' ist kein Winkel zwischen -90 und 90 Grad"}, {"'abc' is no angle between -90 and 90 degrees"}},
        {{"design", segler, "--transfer", "/gibt/es/nicht"}, 2, false,
         {"den Ordner \"/gibt/es/nicht\" gibt es nicht"}, {"the folder \"/gibt/es/nicht\" does not exist"}},
        {{"run", keineSzene}, 2, false,
         {"keine.vel: erwartet wird eine Velion-Flugzeugszene mit einem Block [FLUGZEUG]\n"},
         {"keine.vel: expected a Velion aircraft scene with a block [FLUGZEUG]\n"}},
        {{"design", negativeMasse}, 2, false,
         {"masse.vel, Zeile 55: \"MASSE=-90\": erwartet wird nach \"MASSE=\" eine endliche Zahl ab 0\n"},
         {"masse.vel, line 55: \"MASSE=-90\": expected a finite number of at least 0 after \"MASSE=\"\n"}},
        {{"run", (ordner / "nichtda.vel").string()}, 2, false,
         {"nichtda.vel: erwartet wird eine lesbare Datei (nicht gefunden oder kein Zugriff)\n"},
         {"nichtda.vel: expected a readable file (not found or no access)\n"}},
        {{"edit", segler, "--out", (ordner / "neu.vel").string()}, 2, false,
         {"Fehler: keine Operation angegeben (z. B. --spiegeln 0); es wird nichts geschrieben\n"},
         {"Error: no operation given (e.g. --spiegeln 0); nothing is written\n"}},
        {{"polaren", segler}, 2, false,
         {": erwartet wird eine Polardatei (.velpol) oder eine alte Polartabelle (.csv)\n"},
         {": expected a polar file (.velpol) or an old polar table (.csv)\n"}},
        {{"run", "--help"}, 0, true, {"Aufruf:", "Szenendatei (.vel)", "diese Hilfe zeigen"},
         {"Usage:", "scene file (.vel)", "show this help"}},
        {{"info", segler}, 0, true, {"Bezeichnung Flugzeug", "\nFläche 0\n"}, {"Aircraft name", "\nSurface 0\n"}},
        {{"run", segler, "--quiet"}, 0, true,
         {"\nFläche 0\n", "\n  Bezeichnung                    ", "\nPanels                         ",
          "\nAuftriebsangriffspunkt Y       ", "\nGesamtkraft / (rho V²)         ",
          "Streifen der Fläche 0\n        Nr  Segmentnummer"},
         {"\nSurface 0\n", "\n  Name                           ", "\nPanels                         ",
          "\nPoint of lift Y                ", "\nTotal force / (rho V²)         ",
          "Strips of surface 0\n        No  Segmentnummer"}},
    };
    int i = 0;
    for (const auto& fall : faelle) {
        for (const bool englisch : {false, true}) {
            std::vector<std::string> argumente = fall.argumente;
            if (englisch) argumente.insert(argumente.end(), {"--sprache", "ENGLISH"});
            SCOPED_TRACE(::testing::PrintToString(argumente));
            const TCliAufruf r = StarteCli(argumente, ordner, "fall" + std::to_string(i++));
            EXPECT_EQ(r.Rueckgabe, fall.rueckgabe) << r.Fehler;
            const std::string& text = fall.aufStdout ? r.Aus : r.Fehler;
            for (const char* zeile : englisch ? fall.englisch : fall.deutsch)
                EXPECT_NE(text.find(zeile), std::string::npos) << zeile << "\nin:\n" << text;
            if (!englisch) continue;
            for (const char* deutsch : {"Fehler", "Fläche", "Hilfe", "erwartet", " ist ", " wird ", "gibt es"}) {
                EXPECT_EQ(r.Aus.find(deutsch), std::string::npos) << deutsch << "\nin:\n" << r.Aus;
                EXPECT_EQ(r.Fehler.find(deutsch), std::string::npos) << deutsch << "\nin:\n" << r.Fehler;
            }
        }
    }
}
