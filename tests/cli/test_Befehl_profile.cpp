// velion-cli profile end to end: text and JSON output, and exit code 2 with one message on bad input.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

struct TAusgabe {
    int Code;
    std::string Text;
};

// Runs velion-cli with the arguments; stdout and stderr together.
TAusgabe Starte(const std::string& argumente)
{
    const std::string befehl = std::string("'") + VELION_CLI + "' " + argumente + " 2>&1";
    FILE* rohr = ::popen(befehl.c_str(), "r");
    std::string text;
    std::array<char, 512> puffer{};
    while (std::fgets(puffer.data(), puffer.size(), rohr)) text += puffer.data();
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::string Daten(const char* name) { return std::string("'") + VELION_TESTDATA + "/" + name + "'"; }

}  // namespace

TEST(BefehlProfile, PrintsTitleCountAndChecks)
{
    const TAusgabe a = Starte("profile " + Daten("profil_nase_hoch.dat"));
    EXPECT_EQ(a.Code, 0) << a.Text;
    EXPECT_NE(a.Text.find("Titel: Nase zu hoch"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Anzahl: 5"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Nasenhoehe: NICHT bestanden"), std::string::npos) << a.Text;
    EXPECT_NE(a.Text.find("Nasenposition: bestanden"), std::string::npos) << a.Text;
}

TEST(BefehlProfile, JsonUsesTheFieldNames)
{
    const TAusgabe a = Starte("profile --json " + Daten("profil_nase_hoch.dat"));
    EXPECT_EQ(a.Code, 0) << a.Text;
    for (const char* feld : {"\"Titel\": \"Nase zu hoch\"", "\"Dateiname\": \"profil_nase_hoch.dat\"", "\"Anzahl\": 5",
                             "\"Nasenhoehe\": false", "\"Endleistenmitte\": true", "\"EinPunktBeiXNull\": true",
                             "\"AnzahlXNull\": 1", "\"AlleBestanden\": false"}) {
        SCOPED_TRACE(feld);
        EXPECT_NE(a.Text.find(feld), std::string::npos) << a.Text;
    }
}

TEST(BefehlProfile, UnreadableInputExitsWithTwoAndOneMessage)
{
    for (const char* datei : {"profil_drei_zahlen.dat", "fehlt.dat"}) {
        SCOPED_TRACE(datei);
        const TAusgabe a = Starte("profile " + Daten(datei));
        EXPECT_EQ(a.Code, 2);
        EXPECT_EQ(a.Text.rfind("Fehler: ", 0), 0u) << a.Text;
        EXPECT_NE(a.Text.find(datei), std::string::npos) << a.Text;
        EXPECT_EQ(a.Text.find('\n'), a.Text.size() - 1) << a.Text;
    }
}
