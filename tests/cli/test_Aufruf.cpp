// A wrong call of velion-cli is answered in German, with what is wrong and where to find help.
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
