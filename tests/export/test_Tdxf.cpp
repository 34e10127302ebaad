// DXF writer: number form, layer table, regrouping of entity kinds, the empty file and the atomic write.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "common/TestHilfe.h"
#include "export/Tdxf.h"

namespace {

std::vector<std::string> Zeilen(const Tdxf& dxf) { return InZeilen(dxf.Inhalt()); }

/// The values of every "  0" entity marker after ENTITIES, in file order.
std::vector<std::string> Entitaeten(const Tdxf& dxf)
{
    const auto z = Zeilen(dxf);
    std::vector<std::string> arten;
    bool drin = false;
    for (size_t i = 0; i + 1 < z.size(); i += 2) {
        if (z[i + 1] == "ENTITIES") drin = true;
        else if (drin && z[i] == "  0" && z[i + 1] != "ENDSEC" && z[i + 1] != "EOF") arten.push_back(z[i + 1]);
    }
    return arten;
}

size_t Anzahl(const std::string& text, const std::string& teil)
{
    size_t n = 0;
    for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) ++n;
    return n;
}

} // namespace

TEST(Tdxf, WritesNumbersRoundedWithoutNeedlessDecimals)
{
    struct Fall {
        Extended wert;
        const char* text;
    } faelle[] = {{2.0L, "2"},         {-15.0L, "-15"},    {0.125L, "0.125"},  {0.0001L, "0.0001"},
                  {0.000006L, "6E-6"}, {0.000025L, "2.5E-5"}, {0.0000004L, "0"}, {0.0000006L, "1E-6"},
                  {-0.0000004L, "0"},  {1234.5678916L, "1234.567892"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Tdxf::Zahl(f.wert), f.text);
    }
}

TEST(Tdxf, EmptyWriterGivesCompleteFileWithCrLf)
{
    Tdxf dxf;
    const std::string s = dxf.Inhalt();
    EXPECT_EQ(Anzahl(s, "\n"), Anzahl(s, "\r\n"));
    const auto z = InZeilen(s);
    ASSERT_GE(z.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + 4), (std::vector<std::string>{"  0", "SECTION", "  2", "TABLES"}));
    EXPECT_EQ(std::vector<std::string>(z.end() - 8, z.end()),
              (std::vector<std::string>{"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(Anzahl(s, "*ACTIVE"), 1u);
    EXPECT_EQ(Anzahl(s, "  2\r\n0\r\n 70\r\n     0\r\n 62\r\n     7\r\n"), 1u);
    EXPECT_TRUE(Entitaeten(dxf).empty());
}

TEST(Tdxf, LayerEntriesOnlyForNamesNotYetInTheTable)
{
    Tdxf dxf;
    dxf.FarbeSetzen(300);
    dxf.LayerSetzen("Rippen");
    dxf.FarbeSetzen(3);
    dxf.LayerSetzen("Rip"); // part of an existing name
    dxf.LayerSetzen("LAYER"); // a table word
    dxf.LayerSetzen("Nasenleiste");
    dxf.Linie(0, 0, 0, 1, 1, 1);
    dxf.LayerSetzen("");
    dxf.Linie(0, 0, 0, 1, 1, 1);
    const std::string s = dxf.Inhalt();
    EXPECT_EQ(Anzahl(s, "  0\r\nLAYER\r\n"), 3u);
    EXPECT_EQ(Anzahl(s, "Rippen\r\n 70\r\n     0\r\n 62\r\n     0\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, "Nasenleiste\r\n 70\r\n     0\r\n 62\r\n     3\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, "LINE\r\n  8\r\nNasenleiste\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, "LINE\r\n  8\r\n0\r\n"), 1u);
    dxf.LayerSetzen(std::string(70, 'x'));
    EXPECT_EQ(Anzahl(dxf.Inhalt(), std::string(56, 'x') + "\r\n"), 1u);
    EXPECT_EQ(Anzahl(dxf.Inhalt(), std::string(57, 'x')), 0u);
    // Umlauts count as one character each, as in the file's code page.
    dxf.LayerSetzen(std::string(55, 'y') + "\xc3\xa4\xc3\xb6");
    EXPECT_EQ(Anzahl(dxf.Inhalt(), std::string(55, 'y') + "\xc3\xa4\r\n"), 1u);
}

TEST(Tdxf, RegroupsEntityKindsKeepingCallOrder)
{
    Tdxf dxf;
    dxf.TextHoeheSetzen(2.5L);
    dxf.Text("Rippe 1", 1, 2, 3);
    dxf.Linie(1, 0, 0, 2, 0, 0);
    dxf.Flaeche3D(0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0);
    dxf.PolylinieBeginnen(1);
    dxf.Scheitelpunkt(1, 0, 0, 0);
    dxf.Scheitelpunkt(1, 1, 0, 0);
    dxf.PolylinieBeenden();
    dxf.Linie(3, 0, 0, 4, 0, 0);
    EXPECT_EQ(Entitaeten(dxf), (std::vector<std::string>{"LINE", "LINE", "POLYLINE", "VERTEX", "VERTEX", "SEQEND",
                                                         "3DFACE", "TEXT"}));
    const std::string s = dxf.Inhalt();
    EXPECT_LT(s.find("10\r\n1\r\n20\r\n0"), s.find("10\r\n3\r\n20\r\n0"));
    EXPECT_EQ(Anzahl(s, "TEXT\r\n  8\r\n0\r\n 10\r\n1\r\n 20\r\n2\r\n 30\r\n3\r\n 40\r\n2.5\r\n  1\r\nRippe 1\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, "70\r\n  9\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, "70\r\n  32\r\n"), 2u);
}

TEST(Tdxf, LineBreaksInTextsAndLayerNamesBecomeBlanks)
{
    Tdxf dxf;
    dxf.LayerSetzen("Rippen\r\nneu");
    dxf.Text("R1\nR2", 0, 0, 0);
    const auto z = InZeilen(dxf.Inhalt());
    EXPECT_NE(std::find(z.begin(), z.end(), "Rippen  neu"), z.end());
    EXPECT_NE(std::find(z.begin(), z.end(), "R1 R2"), z.end());
    // Still code, value, code, value: every code line is a number.
    for (size_t i = 0; i < z.size(); i += 2) EXPECT_NO_THROW(TextToInt(z[i])) << z[i];
}

TEST(Tdxf, WritesViewportAndReplacesFile)
{
    Tdxf dxf;
    dxf.AnsichtMitteSetzen(12.5L, -3);
    dxf.AnsichtHoeheSetzen(200);
    dxf.AnsichtVerhaeltnisSetzen(1.5L);
    const std::string s = dxf.Inhalt();
    EXPECT_EQ(Anzahl(s, " 12\r\n12.5\r\n 22\r\n-3\r\n"), 1u);
    EXPECT_EQ(Anzahl(s, " 40\r\n200\r\n 41\r\n1.5\r\n 42\r\n50.0\r\n"), 1u);
    const auto datei = std::filesystem::temp_directory_path() / "velion_test_Tdxf.dxf";
    SchreibeDateiAtomar(datei, "alt");
    dxf.Schreiben(datei);
    EXPECT_EQ(LeseDateiRoh(datei), s);
    std::filesystem::remove(datei);
}
