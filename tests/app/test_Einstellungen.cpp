// The settings file: a written file reads back to the same settings and writes the same bytes, bad
// values fall back to their defaults key by key and are named, and the positional colour tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/Einstellungen.h"
#include "common/Host.h"
#include "common/TempOrdner.h"
#include "common/Textdatei.h"

namespace {

TEinstellungen Geaendert()
{
    TEinstellungen e;
    e.Hintergrundfarbe = 0;
    e.BlasenwarnungUntenFarbe = 65280;
    for (int j = 0; j < 100; ++j) {
        e.Klappengruppenfarben[j] = j * 1000;
        e.Gesamtpolarenfarben[j] = 16777215 - j;
    }
    e.VerzeichnisFlugzszenen = "/home/pilot/Flugzeuge mit Ümlaut";
    e.VerzeichnisProfile = "";
    e.VerfuegbareSprachen = {"DEUTSCH", "ENGLISH"};
    e.EingestellteSprache = "ENGLISH";
    e.OglFontFlag = false;
    e.AnzahlUndoFiles = 7;
    e.MarkierungsbalkenAlsKreuz = true;
    e.Invertiere3DZoom = true;
    e.MultithreadAktiv = false;
    e.Cheftaste = 27;
    return e;
}

/// The default file's lines with `zeile` replaced (found by its key) or appended.
std::vector<std::string> MitZeile(const std::string& schluessel, const std::string& zeile)
{
    std::vector<std::string> z = EinstellungenZeilen(TEinstellungen{});
    auto it = std::find_if(z.begin(), z.end(), [&](const std::string& s) { return s.starts_with(schluessel); });
    if (it == z.end())
        z.push_back(zeile);
    else
        *it = zeile;
    return z;
}

}  // namespace

TEST(Einstellungen, WriteReadWriteIsByteIdentical)
{
    TTestordner ordner;
    const TEinstellungen e = Geaendert();
    EinstellungenSchreiben(ordner / "Velion.ini", e);
    std::vector<std::string> verworfen;
    const TEinstellungen gelesen = EinstellungenLesen(ordner / "Velion.ini", verworfen);
    EXPECT_TRUE(verworfen.empty());
    EXPECT_TRUE(gelesen == e);
    EinstellungenSchreiben(ordner / "zweites.ini", gelesen);
    EXPECT_EQ(LeseDateiRoh(ordner / "zweites.ini"), LeseDateiRoh(ordner / "Velion.ini"));
    // Windows-1252 with CR LF, the panel colour's default written as 178.
    const std::string roh = LeseDateiRoh(ordner / "zweites.ini");
    EXPECT_NE(roh.find("VERF\xDCGBARE SPRACHE=ENGLISH\r\n"), std::string::npos);
    EinstellungenSchreiben(ordner / "vorgabe.ini", TEinstellungen{});
    EXPECT_NE(LeseDateiRoh(ordner / "vorgabe.ini").find("\r\nPANELFARBE=178\r\n"), std::string::npos);
}

TEST(Einstellungen, AMissingFileGivesTheDefaults)
{
    TTestordner ordner;
    std::vector<std::string> verworfen;
    EXPECT_TRUE(EinstellungenLesen(ordner / "fehlt.ini", verworfen) == TEinstellungen{});
    EXPECT_TRUE(verworfen.empty());
}

TEST(Einstellungen, ABadValueFallsBackToItsDefaultAndIsNamed)
{
    const struct {
        const char* name;
        const char* schluessel;
        const char* zeile;
    } faelle[] = {
        {"Farbe zu gross", "PANELFARBE=", "PANELFARBE=16777216"},
        {"Farbe negativ", "HINTERGRUNDFARBE=", "HINTERGRUNDFARBE=-1"},
        {"Farbe keine Zahl", "RE_LINIE_FARBE=", "RE_LINIE_FARBE=blau"},
        {"Undo zu klein", "ANZAHL UNDO-FILES=", "ANZAHL UNDO-FILES=4"},
        {"Undo zu gross", "ANZAHL UNDO-FILES=", "ANZAHL UNDO-FILES=10001"},
        {"Undo leer", "ANZAHL UNDO-FILES=", "ANZAHL UNDO-FILES="},
        {"Cheftaste keine Zahl", "CHEFTASTE=", "CHEFTASTE=F12"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::vector<std::string> zeilen = MitZeile(fall.schluessel, fall.zeile);
        zeilen.push_back("MARKIERUNGSFARBE=255");  // a good key beside it is still read
        std::vector<std::string> verworfen;
        TEinstellungen erwartet;
        erwartet.Markierungsfarbe = 255;
        EXPECT_TRUE(EinstellungenAusZeilen(zeilen, verworfen) == erwartet);
        EXPECT_EQ(verworfen, std::vector<std::string>{fall.schluessel});
    }
}

TEST(Einstellungen, SwitchesKeyCodesAndColourTables)
{
    std::vector<std::string> verworfen;
    EXPECT_FALSE(EinstellungenAusZeilen(MitZeile("MULTITHREAD_AKTIV=", "MULTITHREAD_AKTIV=true"), verworfen).MultithreadAktiv);
    EXPECT_EQ(EinstellungenAusZeilen(MitZeile("CHEFTASTE=", "CHEFTASTE=300"), verworfen).Cheftaste, 44);

    std::vector<std::string> z = EinstellungenZeilen(Geaendert());
    auto block = std::find(z.begin(), z.end(), "[GESAMTPOLARENFARBEN]");
    ASSERT_NE(block, z.end());
    *(block + 1 + 5) = "x=12";     // not its entry number: entry 5 keeps its value
    *(block + 1 + 6) = "6=rot";    // its number, but no colour: named
    TEinstellungen e = EinstellungenAusZeilen(z, verworfen);
    EXPECT_EQ(e.Gesamtpolarenfarben[5], 0);
    EXPECT_EQ(e.Gesamtpolarenfarben[6], 0);
    EXPECT_EQ(e.Gesamtpolarenfarben[7], 16777215 - 7);
    EXPECT_EQ(verworfen, std::vector<std::string>{"[GESAMTPOLARENFARBEN] 6="});

    // A table block followed directly by the next header loses that header's line.
    z = EinstellungenZeilen(Geaendert());
    block = std::find(z.begin(), z.end(), "[KLAPPENGRUPPENFARBEN]");
    z.erase(block + 101);  // the empty line after the 100 entries
    verworfen.clear();
    e = EinstellungenAusZeilen(z, verworfen);
    EXPECT_EQ(e.Klappengruppenfarben[99], 99000);
    EXPECT_EQ(e.Gesamtpolarenfarben[7], 0);
    EXPECT_TRUE(verworfen.empty());
}

TEST(Einstellungen, TheMessageNamesEveryDroppedKey)
{
    class TTexte : public THost {
    public:
        std::string Ausgabetext(int n) const override { return n == 300 ? "ungültig: " : ""; }
    } host;
    std::vector<std::string> verworfen;
    EinstellungenAusZeilen({"PANELFARBE=x", "CHEFTASTE=y", "MULTITHREAD_AKTIV=TRUE"}, verworfen);
    EXPECT_EQ(VerworfenMeldung(host, verworfen), "ungültig: PANELFARBE=, CHEFTASTE=");
    EXPECT_EQ(VerworfenMeldung(host, {}), "");
}
