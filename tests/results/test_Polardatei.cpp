// The polar store and its files: the ".velpol" text written and read back byte for byte, the old
// tab-separated table, damaged files, the save name and the polar window's table text.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/Fehler.h"
#include "common/Textdatei.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"
#include "results/Polartabelle.h"
#include "results/TextHost.h"

namespace fs = std::filesystem;

namespace {

TPolarzeile Zeile(double alfa, double gr1, double ca, const std::string& info = "")
{
    TPolarzeile z;
    for (int i = 0; i < PolarwertAnzahl; ++i) Polarwert(z, i) = 0.125 * i - 0.5;
    z.Alfa = alfa;
    z.Gr[0] = gr1;
    z.Ca = ca;
    z.Info = info;
    return z;
}

/// A flap series of three rows, an angle series and a group without fix mode whose description
/// carries a digit.
TPolarliste Beispielliste()
{
    TPolarliste liste;
    auto klappen = std::make_unique<TPolargruppe>();
    klappen->Art = PolarartKlappen;
    klappen->Flugszene = "Segler.vel";
    klappen->Fix = FixSchwerpunkt;
    klappen->Bemerkung = "Wölbklappen, Schwerpunkt 75 mm";
    klappen->Gruppe = {1, 2, 0, 0};
    klappen->Gruppentext = {"Wölbklappen", "Querruder", "", ""};
    klappen->Zeilen = {Zeile(2.5, 6, 0.61234, "FL0 ABO12.5 ISF "), Zeile(3, 2, 0.5, ""), Zeile(-1.5, -2, 0.0523, "FB NRF ")};
    liste.GruppeHinzufuegen(std::move(klappen));

    auto winkel = std::make_unique<TPolargruppe>();
    winkel->Art = PolarartAnstellwinkel;
    winkel->Flugszene = "Segler.vel";
    winkel->Bemerkung = "";
    winkel->Gruppentext = {"n.u.", "n.u.", "n.u.", "n.u."};
    winkel->Zeilen = {Zeile(0, 0, 0.2), Zeile(4, 0, 0.6)};
    liste.GruppeHinzufuegen(std::move(winkel));

    auto ewd = std::make_unique<TPolargruppe>();
    ewd->Art = PolarartEwd;
    ewd->Flugszene = "Anderes Flugzeug.vel";
    ewd->Gruppe = {1, 0, 0, 0};
    ewd->Gruppentext = {"Leitwerk 2", "", "", ""};
    ewd->Zeilen = {Zeile(1, 3, 0.4)};
    liste.GruppeHinzufuegen(std::move(ewd));
    return liste;
}

void ErwarteGleich(const TPolarliste& a, const TPolarliste& b)
{
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        SCOPED_TRACE("group " + std::to_string(i));
        EXPECT_EQ(*a.Get(i), *b.Get(i));
    }
}

std::string Text(const std::vector<std::string>& zeilen)
{
    std::string t;
    for (const auto& z : zeilen) t += z + "\n";
    return t;
}

const fs::path AlteTabelle = fs::path(VELION_EXAMPLES) / "Polaren_alt.csv";

}  // namespace

TEST(Polardatei, WrittenTextReadsBackToTheSameGroupsAndBytes)
{
    const TPolarliste liste = Beispielliste();
    const std::vector<std::string> text = PolarenSchreiben(liste);
    TPolarliste gelesen;
    const TPolarlesung lesung = PolarenLesen(gelesen, text);
    EXPECT_TRUE(lesung.Vollstaendig());
    EXPECT_EQ(lesung.Gruppen, 3);
    ErwarteGleich(gelesen, liste);
    EXPECT_EQ(PolarenSchreiben(gelesen), text);

    // Through a file: the bytes stay the same on a second round.
    const fs::path ordner = fs::path(testing::TempDir()) / "velion_polardatei_bytes";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    TAufzeichnenderHost host;
    const fs::path erste = PolarenSpeichern(liste, ordner / "erste", host);
    EXPECT_EQ(erste, ordner / "erste.VELPOL");
    TPolarliste aus_datei;
    ASSERT_TRUE(PolarenDazuladen(aus_datei, erste));
    const fs::path zweite = PolarenSpeichern(aus_datei, ordner / "zweite.VELPOL", host);
    EXPECT_EQ(LeseDateiRoh(erste), LeseDateiRoh(zweite));
    EXPECT_NE(LeseDateiRoh(erste).find("BEMERKUNG=W\xF6lbklappen, Schwerpunkt 75 mm\r\n"), std::string::npos)
        << "Windows-1252 with CR LF";
    fs::remove_all(ordner);
}

TEST(Polardatei, GroupBlockHasTheFileLayout)
{
    TPolarliste liste;
    auto g = std::make_unique<TPolargruppe>();
    g->Art = PolarartAnstellwinkel;
    g->Flugszene = "S.vel";
    g->Gruppentext = {"n.u.", "n.u.", "n.u.", "n.u."};
    g->Zeilen = {Zeile(2, 0, 0.0523, "ISF ")};
    liste.GruppeHinzufuegen(std::move(g));
    EXPECT_EQ(Text(PolarenSchreiben(liste)),
              "[ANSTELLWINKELBERECHNUNG]\nFLUGSZENE=S.vel\nBEMERKUNG=\n"
              "GRUPPE1=0 n.u.\nGRUPPE2=0 n.u.\nGRUPPE3=0 n.u.\nGRUPPE4=0 n.u.\n\n"
              "[ZEILE]\nALFA=2.00000\nGR1=0.00000\nGR2=-0.25000\nGR3=-0.12500\nGR4=0.00000\nCA=0.05230\n"
              "CW=0.25000\nGESCHWINDIGKEIT=0.37500\nSINKGESCHWINDIGKEIT=0.50000\nGLEITZAHL=0.62500\n"
              "STEIGZAHL=0.75000\nGLEITWINKEL=0.87500\nSCHWERPUNKT=1.00000\nSTABILITAETSMASS=1.12500\n"
              "NEUTRALPUNKT=1.25000\nWIDERSTAND=1.37500\nINFO=ISF \n[ZEILE_ENDE]\n\n[POLAR_ENDE]\n\n")
        << "no FIX line for a group without fix mode";
}

TEST(Polardatei, ValuesAreCutToEightCharactersButKeepTheirWholePart)
{
    const struct {
        double wert;
        char trenner;
        const char* text;
    } faelle[] = {
        {0.0523, '.', "0.05230"},      {12.3456789, '.', "12.34568"}, {123.456789, '.', "123.4567"},
        {-1.5, '.', "-1.50000"},       {-1.5, ',', "-1,50000"},       {1234567.4, '.', "1234567."},
        {-12345678.9, '.', "-12345678"}, {123456789.0, '.', "123456789"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Polarzahl(f.wert, f.trenner), f.text);
    }
}

TEST(Polardatei, CommaFileReadsLikeAPointFile)
{
    const TPolarliste liste = Beispielliste();
    TPolarliste punkt, komma;
    PolarenLesen(punkt, PolarenSchreiben(liste, '.'));
    const std::vector<std::string> kommatext = PolarenSchreiben(liste, ',');
    EXPECT_NE(Text(kommatext).find("CA=0,61234"), std::string::npos);
    EXPECT_TRUE(PolarenLesen(komma, kommatext).Vollstaendig());
    ErwarteGleich(komma, punkt);
}

TEST(Polardatei, LoadingTwiceShowsTheGroupsTwice)
{
    const std::vector<std::string> text = PolarenSchreiben(Beispielliste());
    TPolarliste liste;
    PolarenLesen(liste, text);
    PolarenLesen(liste, text);
    ASSERT_EQ(liste.Count(), 6);
    EXPECT_EQ(*liste.Get(0), *liste.Get(3));
}

TEST(Polardatei, DamagedValueKeepsTheGroupsCompletedBeforeAndSaysWhere)
{
    std::vector<std::string> text = PolarenSchreiben(Beispielliste());
    // The Ca of the angle series' second row.
    int treffer = 0;
    std::size_t zeile = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i].rfind("CA=", 0) == 0 && ++treffer == 5) zeile = i;
    ASSERT_GT(zeile, 0u);
    text[zeile] = "CA=0.6x";
    TPolarliste liste;
    const TPolarlesung lesung = PolarenLesen(liste, text);
    EXPECT_EQ(lesung.Gruppen, 1);
    EXPECT_EQ(lesung.Fehlerzeile, static_cast<int>(zeile) + 1);
    EXPECT_EQ(lesung.Fehlerinhalt, "CA=0.6x");
    ASSERT_EQ(liste.Count(), 1);
    EXPECT_EQ(*liste.Get(0), *Beispielliste().Get(0));
}

TEST(Polardatei, ReaderTakesKeysInAnyOrderAndSkipsStrangeLines)
{
    const std::vector<std::string> text = {
        "Kopfzeile eines anderen Programms", "[EWD-BERECHNUNG]", "FIX=CA FIXIERT und mehr", "GRUPPE2=-3- Seite",
        "GRUPPE3=7", "UNBEKANNT=1", "[ZEILE]", "CW=0,5", "ALFA=-2", "XYZ=abc", "INFO=FB ", "[ZEILE_ENDE]",
        "[ZEILE]", "ALFA=1",  // no row end, no group end: both are kept at the end of the text
    };
    TPolarliste liste;
    EXPECT_TRUE(PolarenLesen(liste, text).Vollstaendig());
    ASSERT_EQ(liste.Count(), 1);
    const TPolargruppe& g = *liste.Get(0);
    EXPECT_EQ(g.Art, PolarartEwd);
    EXPECT_EQ(g.Fix, FixCa);
    EXPECT_EQ(g.Gruppe[1], -3);
    EXPECT_EQ(g.Gruppentext[1], "Seite");
    EXPECT_EQ(g.Gruppe[2], 7);
    EXPECT_EQ(g.Gruppentext[2], "");
    ASSERT_EQ(g.Zeilen.size(), 2u);
    EXPECT_EQ(g.Zeilen[0].Alfa, -2.0);
    EXPECT_EQ(g.Zeilen[0].Cw, 0.5);
    EXPECT_EQ(g.Zeilen[0].Info, "FB ");
    EXPECT_EQ(g.Zeilen[1].Alfa, 1.0);
    EXPECT_TRUE(g.Sichtbar);
}

TEST(Polardatei, OldTableReadsIntoGroupsWithInfoCodes)
{
    TPolarliste liste;
    const auto lesung = PolarenDazuladen(liste, AlteTabelle);
    ASSERT_TRUE(lesung);
    EXPECT_TRUE(lesung->Vollstaendig());
    ASSERT_EQ(liste.Count(), 2);

    const TPolargruppe& k = *liste.Get(0);
    EXPECT_EQ(k.Art, PolarartKlappen);
    EXPECT_EQ(k.Flugszene, "Segler.vel");
    EXPECT_EQ(k.Fix, FixSchwerpunkt);
    EXPECT_EQ(k.Bemerkung, "Wölbklappen von Hand, alte Tabelle");
    EXPECT_EQ(k.Gruppe, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(k.Gruppentext[0], "Wölbklappen");
    ASSERT_EQ(k.Zeilen.size(), 3u);
    EXPECT_EQ(k.Zeilen[0].Alfa, 2.4);
    EXPECT_EQ(k.Zeilen[0].Gr[0], 6.0);
    EXPECT_EQ(k.Zeilen[0].Ca, 0.62);
    EXPECT_EQ(k.Zeilen[0].Neutralpunkt, 0.0931);
    EXPECT_EQ(k.Zeilen[0].Widerstand, 0.75);
    EXPECT_EQ(k.Zeilen[0].Info, "FL0 ABO12.5 ");
    EXPECT_EQ(k.Zeilen[1].Info, "");
    EXPECT_EQ(k.Zeilen[2].Info, "FB NRF ");

    // The older table without neutral point and drag columns, written with decimal commas.
    const TPolargruppe& w = *liste.Get(1);
    EXPECT_EQ(w.Art, PolarartAnstellwinkel);
    EXPECT_EQ(w.Fix, FixAnstellwinkel);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(w.Gruppe[r], 0);
        EXPECT_EQ(w.Gruppentext[r], "n.u.");
    }
    ASSERT_EQ(w.Zeilen.size(), 3u);
    EXPECT_EQ(w.Zeilen[2].Alfa, 4.0);
    EXPECT_EQ(w.Zeilen[2].Ca, 0.57);
    EXPECT_EQ(w.Zeilen[2].Stabilitaetsmass, 8.0);
    EXPECT_EQ(w.Zeilen[2].Neutralpunkt, 0.0);
    EXPECT_EQ(w.Zeilen[2].Widerstand, 0.0);
    EXPECT_EQ(w.Zeilen[2].Info, "FL1 ABU3.0 ");

    // Its conversion to the current format holds the same groups.
    TPolarliste umgesetzt;
    EXPECT_TRUE(PolarenLesen(umgesetzt, PolarenSchreiben(liste)).Vollstaendig());
    ErwarteGleich(umgesetzt, liste);
}

TEST(Polardatei, OldTableWithUnusedFourthRowAndDamagedRow)
{
    const std::vector<std::string> text = {
        "[EWD-BERECHNUNG]", "FLUGSZENE=X.vel", "CA FIXIERT", "BEMERKUNG=b", "Fläche1 Leitwerk", "Fläche0 Rumpf",
        "Fläche2 Seite", "n.u.", "", "Alfa [°]\tFläche1\tFläche0\tFläche2\tn.u.\tCA",
        "1\t2\t3\t4\t0\t0.5\t0.02\t10\t0.4\t25\t17\t2.2\t0.07\t8", "[POLAR ENDE]", "",
        "[KLAPPENBERECHNUNG]", "FLUGSZENE=X.vel", "SCHWERPUNKT FIXIERT", "BEMERKUNG=", "Klappe1 a", "Klappe0 ",
        "Klappe0 ", "Klappe0 ", "", "Alfa [°]", "1\t2\t3\t4\tkeine Zahl", "[POLAR ENDE]",
    };
    TPolarliste liste;
    const TPolarlesung lesung = AltePolarenLesen(liste, text);
    EXPECT_EQ(lesung.Gruppen, 1);
    EXPECT_EQ(lesung.Fehlerzeile, 24);
    ASSERT_EQ(liste.Count(), 1);
    const TPolargruppe& g = *liste.Get(0);
    EXPECT_EQ(g.Gruppe, (std::array<int, 4>{1, 0, 2, 0}));
    EXPECT_EQ(g.Gruppentext, (std::array<std::string, 4>{"Leitwerk", "Rumpf", "Seite", "n.u."}));
    EXPECT_EQ(g.Fix, FixCa);
    ASSERT_EQ(g.Zeilen.size(), 1u);
    EXPECT_EQ(g.Zeilen[0].Stabilitaetsmass, 8.0);
}

TEST(Polardatei, PolarWindowTableReadsBackAsOldTable)
{
    const TTextHost host;
    const TPolarliste liste = Beispielliste();
    const std::vector<std::string> tabelle = PolartabelleText(liste, host, '.');
    EXPECT_EQ(tabelle[0], "[KLAPPENBERECHNUNG]");
    EXPECT_EQ(tabelle[4], "Klappe1 Wölbklappen");
    EXPECT_EQ(tabelle[9].rfind("Alfa [°]\tKlappe1\tKlappe2\tKlappe0\tKlappe0\tCA\t", 0), 0u);
    EXPECT_EQ(tabelle[10].substr(tabelle[10].rfind('\t') + 1), "Flügel 0 Ablösungen oben 12.5%, Instabil, ");
    TPolarliste gelesen;
    EXPECT_TRUE(AltePolarenLesen(gelesen, tabelle).Vollstaendig());
    ErwarteGleich(gelesen, liste);
}

TEST(Polardatei, InfoKlartextTranslatesTheCodesInOrder)
{
    const TTextHost host;
    const struct {
        const char* info;
        const char* klartext;
    } faelle[] = {
        {"", ""},
        {"FB ", "Fehlberechnung!, "},
        {"FB FL0 ABO12.5 FL0 ABU3.0 NRF ISF ",
         "Fehlberechnung!, Flügel 0 Ablösungen oben 12.5%, Flügel 0 Ablösungen unten 3.0%, Nur im Rückenflug!, Instabil, "},
        {"FL2 ABO7,25 ", "Flügel 2 Ablösungen oben 7.2%, "},
        {"XYZ ABOx ", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.info);
        EXPECT_EQ(InfoKlartext(f.info, host, '.'), f.klartext);
    }
}

TEST(Polardatei, SaveNameRules)
{
    const struct {
        const char* gewaehlt;
        const char* name;  ///< nullptr: refused
    } faelle[] = {
        {"a.csv", nullptr},         {"d/a.CsV", nullptr},           {"a", "a.VELPOL"},
        {"d/a.VELPOL", "d/a.VELPOL"}, {"a.velpol", "a.VELPOL"},     {"d.x/a.b.txt", "d.x/a.VELPOL"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gewaehlt);
        const auto name = PolardateiName(f.gewaehlt);
        if (!f.name)
            EXPECT_FALSE(name);
        else
            EXPECT_EQ(name, fs::path(f.name));
    }
}

TEST(Polardatei, SavingAsCsvIsRefusedWithErrorText47)
{
    const fs::path datei = fs::path(testing::TempDir()) / "velion_polaren.csv";
    fs::remove(datei);
    TAufzeichnenderHost host;
    EXPECT_TRUE(PolarenSpeichern(Beispielliste(), datei, host).empty());
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{47});
    EXPECT_FALSE(fs::exists(datei));
}

TEST(Polardatei, LoadingByExtension)
{
    TPolarliste liste;
    EXPECT_FALSE(PolarenDazuladen(liste, fs::path(VELION_EXAMPLES) / "Segler.vel")) << "other extensions are ignored";
    EXPECT_THROW(PolarenDazuladen(liste, fs::path(testing::TempDir()) / "fehlt.velpol"), EDatei);
    EXPECT_EQ(liste.Count(), 0);
}

TEST(Polarliste, DeletingAndEmptying)
{
    TPolarliste liste = Beispielliste();
    liste.GruppeLoeschen(3);
    liste.GruppeLoeschen(-1);
    EXPECT_EQ(liste.Count(), 3);
    liste.GruppeLoeschen(0);
    ASSERT_EQ(liste.Count(), 2);
    EXPECT_EQ(liste.Get(0)->Art, PolarartAnstellwinkel);
    liste.ListeLeeren();
    EXPECT_EQ(liste.Count(), 0);
}
