// Scene file: every key lands in its field, files of other tools in the same layout read the
// same, the writer reproduces the layout byte for byte, and damaged files fail with their place.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "common/Fehler.h"
#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "model/Szenendatei.h"
#include "profile/T_Profil.h"

namespace fs = std::filesystem;

namespace {

const fs::path AlleFelder = fs::path(VELION_TESTDATA) / "Szene_alle_Felder.vel";

fs::path Temporaer(const std::string& name)
{
    const fs::path ordner = fs::path(::testing::TempDir()) / "velion_szenendatei";
    fs::create_directories(ordner);
    return ordner / name;
}

fs::path SchreibeRoh(const std::string& name, const std::string& inhalt)
{
    const fs::path p = Temporaer(name);
    SchreibeDateiAtomar(p, inhalt);
    return p;
}

std::string Lies(const fs::path& p) { return LeseDateiRoh(p); }

std::string Ersetze(std::string text, const std::string& alt, const std::string& neu)
{
    for (std::size_t i = text.find(alt); i != std::string::npos; i = text.find(alt, i + neu.size())) text.replace(i, alt.size(), neu);
    return text;
}

struct TGelesen {
    std::unique_ptr<TSZENE> Szene;
    TSchalter Schalter;
};

TGelesen Lesen(const fs::path& p)
{
    TGelesen g;
    g.Szene = SzeneLaden(p, g.Schalter);
    return g;
}

// The expected content of Szene_alle_Felder.vel, field by field: each key carries its own value,
// so a key read into the wrong field shows here.
void PruefeAlleFelder(const TGelesen& g)
{
    const TFLUGZEUG& f = *g.Szene->Flugzeug;
    EXPECT_EQ(f.Konstrukteur, "Erika Beispiel");
    EXPECT_EQ(f.Bezeichnung, "Testmodell A=1");
    EXPECT_TRUE(f.NullpunktSichtbar);
    EXPECT_EQ(f.AnsichtPosition.x, 0.1L);
    EXPECT_EQ(f.AnsichtPosition.y, -0.2L);
    EXPECT_EQ(f.AnsichtPosition.z, 2.5L);
    EXPECT_EQ(f.Betrachtungswinkel.x, 15.0L);
    EXPECT_EQ(f.Betrachtungswinkel.y, 25.0L);
    EXPECT_EQ(f.Betrachtungswinkel.z, -5.0L);
    EXPECT_EQ(f.LaengeMarkierungslinien, 0.07L);
    EXPECT_EQ(f.ZusaetzlicheMassen, 0.35L);
    EXPECT_EQ(f.Anstellwinkel, 3.25L);
    EXPECT_EQ(f.AuslegungsCa, 0.45L);
    EXPECT_EQ(f.Stabilitaetsmass, 12.5L);
    EXPECT_EQ(f.SchwerpunktX, 0.085L);
    EXPECT_EQ(f.FlugGeschwindigkeit, 11.5L);
    EXPECT_EQ(f.Schiebewinkel, -1.5L);
    EXPECT_EQ(f.Flughoehe, 250.0L);
    EXPECT_EQ(f.Luftdichte, 1.1965L);
    EXPECT_EQ(f.Auslegungsnummer, 3);
    EXPECT_EQ(f.MaxIteration, 22);
    EXPECT_EQ(f.AnzahlNachlaufelemente, 12);
    EXPECT_EQ(f.LaengeNachlaufelemente, 2.5L);
    EXPECT_EQ(f.InterferenzWiderstand, 0.0015L);
    EXPECT_EQ(f.RumpfWiderstand, 0.12L);
    EXPECT_EQ(f.RumpfQuerschnittflaeche, 0.0045L);
    EXPECT_EQ(f.GesamtpolarHaupt[0].Klappengruppe, 1);
    EXPECT_EQ(f.GesamtpolarHaupt[0].Start, -2.0L);
    EXPECT_EQ(f.GesamtpolarHaupt[0].Ende, 6.0L);
    EXPECT_EQ(f.GesamtpolarHaupt[1].Klappengruppe, 2);
    EXPECT_EQ(f.GesamtpolarHaupt[1].Ende, 4.0L);
    EXPECT_EQ(f.GesamtpolarEwd[0].Flaeche, 1);
    EXPECT_EQ(f.GesamtpolarEwd[0].Ende, 1.5L);
    EXPECT_EQ(f.GesamtpolarEwd[1].Flaeche, -1);
    EXPECT_EQ(f.GesamtpolarEwd[3].Flaeche, 2);
    EXPECT_EQ(f.GesamtpolarEwd[3].Start, 0.5L);
    EXPECT_EQ(f.GesamtpolarEwd[3].Ende, -0.5L);
    EXPECT_EQ(f.GesamtpolarSchrittzahl, 8);
    EXPECT_EQ(f.Klappengruppenbeschreibung[0], "Einzelklappe");
    EXPECT_EQ(f.Klappengruppenbeschreibung[1], "Wölbklappen");
    EXPECT_EQ(f.Klappengruppenbeschreibung[2], "Querruder=links/rechts");
    EXPECT_EQ(f.Klappengruppenbeschreibung[3], "leer");
    EXPECT_EQ(f.Klappengruppenbeschreibung[99], "letzte");

    ASSERT_EQ(f.Flaechen.Count(), 3);
    const TFLAECHE& w = *f.Flaechen.Get(0);
    EXPECT_EQ(w.Art, TFlaechenArt::Fluegel);
    EXPECT_EQ(w.Bezeichnung, "Flügel");
    EXPECT_EQ(w.Position.z, 0.01L);
    EXPECT_FALSE(w.Alfa0Cm0Optimierung);
    EXPECT_EQ(w.Einstellwinkel, 2.0L);
    EXPECT_EQ(w.Profiltiefe, 0.22L);
    EXPECT_EQ(w.BezugspunktProfiltiefe, 25.0L);
    EXPECT_EQ(w.Verwindungswinkel, 0.5L);
    EXPECT_EQ(w.AnzahlPanelsX, 6);
    EXPECT_EQ(w.VerteilungX, TVerteilung::Cos);
    EXPECT_EQ(w.AnzahlPanelsVolumendarstellung, 40);
    EXPECT_EQ(w.Masse, 0.6L);
    EXPECT_TRUE(w.FlagManBeiwerte);
    EXPECT_EQ(w.Alfa0Man, -2.5L);
    EXPECT_EQ(w.Cm0Man, -0.055L);
    EXPECT_EQ(w.Zirkulationsvorgabe, 1.2L);
    EXPECT_EQ(w.Wurzelprofil->Dateiname, "wurzel.dat");
    EXPECT_EQ(w.Wurzelprofil->Titel, "");
    ASSERT_EQ(w.Wurzelprofil->Anzahl(), 5);
    EXPECT_EQ(w.Wurzelprofil->Punkt(1)->X, 0.5L);
    EXPECT_EQ(w.Wurzelprofil->Punkt(1)->Z, 0.06L);
    EXPECT_EQ(w.Wurzelprofil->Punkt(3)->Z, -0.04L);
    EXPECT_EQ(w.Wurzelprofil->Punkt(3)->Y, 0.0L);

    ASSERT_EQ(w.Segmente.Count(), 2);
    const TSEGMENT& l = *w.Segmente.Get(0);
    EXPECT_EQ(l.Segmentbreite, -0.6L);
    EXPECT_EQ(l.Profiltiefe, 0.18L);
    EXPECT_EQ(l.BezugspunktProfiltiefe, 25.0L);
    EXPECT_EQ(l.Verwindungswinkel, -1.0L);
    EXPECT_EQ(l.VFormWinkel, 3.0L);
    EXPECT_EQ(l.Pfeilwinkel, 1.5L);
    EXPECT_EQ(l.BezugspunktPfeilwinkel, 30.0L);
    EXPECT_EQ(l.AnzahlPanelsY, 5);
    EXPECT_EQ(l.VerteilungY, TVerteilung::SinL);
    EXPECT_EQ(l.KlappentiefeLinks, 22.0L);
    EXPECT_EQ(l.KlappentiefeRechts, 24.0L);
    EXPECT_EQ(l.Klappenausschlag, -4.0L);
    EXPECT_EQ(l.Klappengruppe, 2);
    EXPECT_TRUE(l.Klappeninverse);
    EXPECT_FALSE(l.FlagManBeiwerte);
    EXPECT_EQ(l.Segmentprofil->Dateiname, "aussen.dat");
    EXPECT_EQ(l.Segmentprofil->Anzahl(), 3);
    const TSEGMENT& r = *w.Segmente.Get(1);
    EXPECT_EQ(r.Segmentbreite, 0.7L);
    EXPECT_EQ(r.VerteilungY, TVerteilung::SinR);
    EXPECT_FALSE(r.Klappeninverse);
    EXPECT_TRUE(r.FlagManBeiwerte);
    EXPECT_EQ(r.Alfa0Man, -1.75L);
    EXPECT_EQ(r.Cm0Man, -0.025L);
    EXPECT_EQ(r.Segmentprofil->Dateiname, "");
    EXPECT_EQ(r.Segmentprofil->Anzahl(), 2);

    const TFLAECHE& sl = *f.Flaechen.Get(1);
    EXPECT_EQ(sl.Art, TFlaechenArt::Seitenleitwerk);
    EXPECT_EQ(sl.Position.x, 0.8L);
    EXPECT_EQ(sl.VerteilungX, TVerteilung::Linear);
    EXPECT_EQ(sl.Wurzelprofil->Anzahl(), 0);
    ASSERT_EQ(sl.Segmente.Count(), 1);
    EXPECT_EQ(sl.Segmente.Get(0)->VFormWinkel, 90.0L);
    const TFLAECHE& rumpf = *f.Flaechen.Get(2);
    EXPECT_EQ(rumpf.Art, TFlaechenArt::Rumpf);
    EXPECT_EQ(rumpf.Position.x, -0.3L);
    EXPECT_EQ(rumpf.Segmente.Count(), 0);

    const TSchalter& s = g.Schalter;
    EXPECT_TRUE(s.Nachlaufkorrektur);
    EXPECT_FALSE(s.NachlaufkorrekturKomplett);
    EXPECT_TRUE(s.BlasenwiderstandRechnen);
    const bool erwartet[] = {s.GesamtFlugzeugDarstellung == true,   s.KlappenwinkelAusgabe == false,
                             s.CwiLokal == false,                   s.CwvLokal == true,
                             s.CwgLokal == false,                   s.GammaLokal == true,
                             s.GammaVorgabe == false,               s.GammaVorgabeIntegral == true,
                             s.CaLokal == true,                     s.CaLokalMinMax == false,
                             s.AiLokal == true,                     s.Blasenwarnung == false,
                             s.ReLokal == true,                     s.XD == false,
                             s.XS == true,                          s.XN == false,
                             s.Rotieren == false,                   s.Verschieben == false,
                             s.Zoomen == true,                      s.Bearbeiten == false,
                             s.GefuelltePanels == true,             s.VerdeckteLinien == false,
                             s.AnstroemvektorZeichnen == true,      s.FreieWirbelZeichnen == false,
                             s.GebundeneWirbelZeichnen == true,     s.SegmentkantenmarkierungZeichnen == false,
                             s.PanelnormalvektorenZeichnen == true, s.PanelkraftvektorenZeichnen == false,
                             s.VolumenmodellZeichnen == true,       s.MomentendrehrichtungZeichnen == false,
                             s.ImmerSpiegeln == true};
    for (std::size_t i = 0; i < std::size(erwartet); ++i) EXPECT_TRUE(erwartet[i]) << "switch " << i << " in file order";
    EXPECT_EQ(s.Splitterposition, 512);
}

// Reverses every run of plain key lines, so each block lists its keys in the opposite order while
// block markers and profile points stay where they are.
std::string SchluesselUmgekehrt(const std::string& crlf)
{
    std::vector<std::string> zeilen = InZeilen(crlf);
    const auto schluessel = [](const std::string& z) {
        return z.find('=') != std::string::npos && z[0] != '[' && !z.starts_with("PK") && !z.starts_with("PROFILDATEINAME=");
    };
    for (std::size_t i = 0; i < zeilen.size();) {
        std::size_t j = i;
        while (j < zeilen.size() && schluessel(zeilen[j])) ++j;
        std::reverse(zeilen.begin() + i, zeilen.begin() + j);
        i = j + 1;
    }
    std::string text;
    for (const std::string& z : zeilen) text += z + "\r\n";
    return text;
}

// Writes every number with a decimal comma, as a German-locale tool would.
std::string MitKommas(const std::string& text)
{
    std::vector<std::string> zeilen = InZeilen(text);
    std::string aus;
    for (std::string z : zeilen) {
        const std::size_t gleich = z.find('=');
        if (gleich != std::string::npos && z.find_first_not_of("0123456789.- ", gleich + 1) == std::string::npos)
            for (std::size_t i = gleich + 1; i < z.size(); ++i)
                if (z[i] == '.') z[i] = ',';
        aus += z + "\r\n";
    }
    return aus;
}

}  // namespace

TEST(Szenendatei, JederSchluesselLandetInSeinemFeld) { PruefeAlleFelder(Lesen(AlleFelder)); }

TEST(Szenendatei, DateienAndererWerkzeugeLesenGleich)
{
    const std::string original = Lies(AlleFelder);
    const struct {
        const char* name;
        std::string inhalt;
    } varianten[] = {
        {"nur_lf", Ersetze(original, "\r\n", "\n")},
        {"nur_cr", Ersetze(original, "\r\n", "\r")},
        {"ohne_letztes_zeilenende", original.substr(0, original.size() - 2)},
        {"kommas", MitKommas(original)},
        {"andere_reihenfolge", SchluesselUmgekehrt(original)},
        {"andere_zaehler", Ersetze(Ersetze(original, "[SEGMENT1]", "[SEGMENT7]"), "PK4=", "PK0=")},
    };
    for (const auto& v : varianten) {
        SCOPED_TRACE(v.name);
        ASSERT_NE(v.inhalt, original);
        PruefeAlleFelder(Lesen(SchreibeRoh(std::string(v.name) + ".vel", v.inhalt)));
    }
}

TEST(Szenendatei, SchreiberGibtDieGeleseneDateiZeilengleichWieder)
{
    const TGelesen g = Lesen(AlleFelder);
    const fs::path neu = Temporaer("neu.vel");
    WriteScene(neu, *g.Szene, g.Schalter);
    std::vector<std::string> erwartet = InZeilen(Cp1252ZuUtf8(Lies(AlleFelder)));
    std::vector<std::string> geschrieben = InZeilen(Cp1252ZuUtf8(Lies(neu)));
    ASSERT_GE(geschrieben.size(), 2u);
    // Line 2 is the time of writing.
    EXPECT_EQ(geschrieben[1].size(), std::string("01.02.2024 12:00:00").size());
    erwartet[1] = geschrieben[1];
    ASSERT_EQ(geschrieben.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_EQ(geschrieben[i], erwartet[i]) << "line " << i + 1;

    // Windows-1252 with CR LF on disk: the only non-ASCII key byte is the 0xDC of GEFÜLLTE.
    const std::string roh = Lies(neu);
    EXPECT_NE(roh.find("GEF\xDCLLTE PANELS=TRUE\r\n"), std::string::npos);
    EXPECT_NE(roh.find("=W\xF6lbklappen\r\n"), std::string::npos);
    EXPECT_EQ(Ersetze(roh, "\r\n", "").find('\n'), std::string::npos);
}

TEST(Szenendatei, ZweimalGeschriebenBisAufDasDatumGleich)
{
    const TGelesen g = Lesen(AlleFelder);
    const fs::path a = Temporaer("a.vel");
    const fs::path b = Temporaer("b.vel");
    WriteScene(a, *g.Szene, g.Schalter);
    const TGelesen zurueck = Lesen(a);
    WriteScene(b, *zurueck.Szene, zurueck.Schalter);
    std::vector<std::string> za = InZeilen(Lies(a));
    std::vector<std::string> zb = InZeilen(Lies(b));
    ASSERT_EQ(za.size(), zb.size());
    za[1] = zb[1];
    EXPECT_EQ(za, zb);
}

TEST(Szenendatei, SchreibenUndLesenRundetAufFuenfStellen)
{
    TSZENE szene;
    szene.Flugzeug = std::make_unique<TFLUGZEUG>();
    TFLUGZEUG& f = *szene.Flugzeug;
    f.Anstellwinkel = 1.234567L;
    f.SchwerpunktX = -0.0000049L;
    f.Luftdichte = 1.2249999L;
    f.GesamtpolarHaupt[2] = {5, -0.123456L, 7.654321L};
    auto fl = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    fl->Position = {0.1234549L, 1.0L / 3.0L, -2.0L / 3.0L};
    fl->Profiltiefe = 0.2000049L;
    fl->Wurzelprofil->AddPunkt({0.987654321L, 0.0L, -0.0123456L});
    auto seg = std::make_unique<TSEGMENT>();
    seg->Segmentbreite = -0.55555555L;
    seg->KlappentiefeRechts = 33.333333L;
    fl->Segmente.Add(std::move(seg));
    f.Flaechen.Add(std::move(fl));
    const TSchalter schalter;
    const fs::path p = Temporaer("gerundet.vel");
    WriteScene(p, szene, schalter);

    const TGelesen g = Lesen(p);
    const TFLUGZEUG& z = *g.Szene->Flugzeug;
    EXPECT_EQ(z.Anstellwinkel, RoundReal(5, f.Anstellwinkel));
    EXPECT_EQ(z.SchwerpunktX, 0.0L);
    EXPECT_EQ(z.Luftdichte, 1.225L);
    EXPECT_EQ(z.GesamtpolarHaupt[2].Klappengruppe, 5);
    EXPECT_EQ(z.GesamtpolarHaupt[2].Start, RoundReal(5, -0.123456L));
    EXPECT_EQ(z.GesamtpolarHaupt[2].Ende, RoundReal(5, 7.654321L));
    const TFLAECHE& zf = *z.Flaechen.Get(0);
    EXPECT_EQ(zf.Position.x, RoundReal(5, 0.1234549L));
    EXPECT_EQ(zf.Position.y, RoundReal(5, 1.0L / 3.0L));
    EXPECT_EQ(zf.Position.z, RoundReal(5, -2.0L / 3.0L));
    EXPECT_EQ(zf.Profiltiefe, 0.2L);
    EXPECT_EQ(zf.Wurzelprofil->Punkt(0)->X, RoundReal(5, 0.987654321L));
    EXPECT_EQ(zf.Wurzelprofil->Punkt(0)->Z, RoundReal(5, -0.0123456L));
    EXPECT_EQ(zf.Segmente.Get(0)->Segmentbreite, RoundReal(5, -0.55555555L));
    EXPECT_EQ(zf.Segmente.Get(0)->KlappentiefeRechts, RoundReal(5, 33.333333L));
    // Fields left at their defaults come back as defaults.
    EXPECT_EQ(z.Klappengruppenbeschreibung[5], "leer");
    EXPECT_EQ(zf.Bezeichnung, "noname");
    EXPECT_EQ(zf.Segmente.Get(0)->KlappentiefeLinks, 25.0L);
}

TEST(Szenendatei, FlugzeugOhneFlaechen)
{
    const auto szene = NeuesFlugzeug();
    const TSchalter schalter;
    const fs::path p = Temporaer("leer.vel");
    WriteScene(p, *szene, schalter);
    const TGelesen g = Lesen(p);
    EXPECT_EQ(g.Szene->Flugzeug->Flaechen.Count(), 0);
    EXPECT_TRUE(g.Szene->Flugzeug->NullpunktSichtbar);
    EXPECT_EQ(g.Szene->Name, "leer");
}

namespace {

std::string Flugzeugblock(const std::string& innen)
{
    return "VELION Vers. 01.215 25.01.2015\r\n\r\n\r\n[FLUGZEUG]\r\n" + innen + "[FLUGZEUG ENDE]\r\n";
}

std::string Flaechenblock(const std::string& innen) { return "[FLAECHE0]\r\n" + innen + "[FLAECHE ENDE]\r\n"; }

}  // namespace

TEST(Szenendatei, EinzelneLeseregeln)
{
    const std::string segment = "[SEGMENT0]\r\nSEGMENTBREITE=-0.50000\r\nPROFILTIEFE=-3\r\nVERTEILUNG=cos\r\n[SEGMENT ENDE]\r\n";
    const std::string text = Flugzeugblock(
        "NULLPUNKT SICHTBAR=TRUEx\r\n"
        "NACHLAUFKORREKTUR=TRUE \r\n"
        "NACHLAUFKORREKTUR_KOMPLETT=true\r\n"
        "BLASENWIDERSTAND_RECHNEN=TRUE\r\n"
        "ANSTELLWINKEL=abc\r\n"
        "CA=\r\n"
        "STABILITAETSMASS=1.2.3\r\n"
        "SCHWERPUNKT X=x\r\n"
        "FLUG_GESCHWINDIGKEIT=schnell\r\n"
        "BESCHREIBUNG_KLAPPENGRUPPE7=Quer=links\r\n"
        "BESCHREIBUNG_KLAPPENGRUPPE100=zu weit\r\n"
        "BESCHREIBUNG_KLAPPENGRUPPE0=allein\r\n"
        "GESAMTPOLARBERECHNUNG_HAUPT4=3 1.00000 2.00000\r\n"
        "GESAMTPOLARBERECHNUNG_EWD2=0 1,5 -2,5\r\n"
        "UNBEKANNTER SCHLUESSEL=42\r\n" +
        Flaechenblock("ART=fluegel\r\nVERTEILUNG=cos\r\nPROFILTIEFE=0.000001\r\n" + segment) +
        Flaechenblock("ART=RUMPF\r\nBEZEICHNUNG= mit Rand \r\nPROFILTIEFE=0.1\r\n"));
    TGelesen g;
    g.Schalter.Rotieren = false;  // no switch block: the switches stay as they were
    g.Schalter.Splitterposition = 123;
    g.Szene = SzeneLaden(SchreibeRoh("regeln.vel", text), g.Schalter);
    const TFLUGZEUG& f = *g.Szene->Flugzeug;
    EXPECT_TRUE(f.NullpunktSichtbar);
    EXPECT_FALSE(g.Schalter.Nachlaufkorrektur);
    EXPECT_FALSE(g.Schalter.NachlaufkorrekturKomplett);
    EXPECT_TRUE(g.Schalter.BlasenwiderstandRechnen);
    EXPECT_FALSE(g.Schalter.Rotieren);
    EXPECT_EQ(g.Schalter.Splitterposition, 123);
    for (const Extended ziel : {f.Anstellwinkel, f.AuslegungsCa, f.Stabilitaetsmass, f.SchwerpunktX, f.FlugGeschwindigkeit}) EXPECT_EQ(ziel, 0.0L);
    EXPECT_EQ(f.Klappengruppenbeschreibung[7], "Quer=links");
    EXPECT_EQ(f.Klappengruppenbeschreibung[0], "allein");
    EXPECT_EQ(f.Klappengruppenbeschreibung[99], "leer");
    for (const auto& z : f.GesamtpolarHaupt) EXPECT_EQ(z.Klappengruppe, 0);
    EXPECT_EQ(f.GesamtpolarEwd[2].Flaeche, 0);
    EXPECT_EQ(f.GesamtpolarEwd[2].Start, 1.5L);
    EXPECT_EQ(f.GesamtpolarEwd[2].Ende, -2.5L);

    ASSERT_EQ(f.Flaechen.Count(), 2);
    const TFLAECHE& w = *f.Flaechen.Get(0);
    EXPECT_EQ(w.Art, TFlaechenArt::Fluegel);
    EXPECT_EQ(w.VerteilungX, TVerteilung::Linear);
    EXPECT_EQ(w.Profiltiefe, 0.00001L);
    ASSERT_EQ(w.Segmente.Count(), 1);
    EXPECT_LT(w.Segmentbreite(0), 0.0L);
    EXPECT_EQ(w.Segmente.Get(0)->Profiltiefe, 0.00001L);
    EXPECT_EQ(w.Segmente.Get(0)->VerteilungY, TVerteilung::Linear);
    const TFLAECHE& r = *f.Flaechen.Get(1);
    EXPECT_EQ(r.Art, TFlaechenArt::Rumpf);
    EXPECT_EQ(r.Bezeichnung, " mit Rand ");
    EXPECT_EQ(r.Segmente.Count(), 0);
}

TEST(Szenendatei, ProfilblockOhneDateinamenzeileBehaeltAllePunkte)
{
    const std::string text = Flugzeugblock(Flaechenblock("PROFILTIEFE=0.2\r\n[PROFIL]\r\nPK0=1 0\r\nPK1=0 0\r\n[PROFIL ENDE]\r\n"));
    const TGelesen g = Lesen(SchreibeRoh("ohne_name.vel", text));
    const TProfil& p = *g.Szene->Flugzeug->Flaechen.Get(0)->Wurzelprofil;
    EXPECT_EQ(p.Dateiname, "");
    EXPECT_EQ(p.Anzahl(), 2);
}

TEST(Szenendatei, AufbauWirdVorDemAnhaengenUndAmEndeGerufen)
{
    std::vector<int> flaechenBeimBau;
    int gitter = 0;
    TSzenenAufbau aufbau;
    TSZENE* szene = nullptr;
    aufbau.FlaecheBauen = [&](TFLAECHE& f) {
        flaechenBeimBau.push_back(szene->Flugzeug->Flaechen.Count());
        EXPECT_GT(f.Profiltiefe, 0.0L);
    };
    aufbau.GitterAufbauen = [&](TFLUGZEUG& f) {
        ++gitter;
        EXPECT_EQ(f.Flaechen.Count(), 3);
    };
    TSZENE s;
    szene = &s;
    TSchalter schalter;
    ReadScene(AlleFelder, s, schalter, aufbau);
    EXPECT_EQ(flaechenBeimBau, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(gitter, 1);
}

TEST(Szenendatei, SzenennameAusDemDateinamen)
{
    EXPECT_EQ(SzenennameAusDatei("/tmp/my.plane.vel"), "my.plane");
    EXPECT_EQ(SzenennameAusDatei("Segler.vel"), "Segler");
}

namespace {

struct TDefekt {
    const char* name;
    std::string inhalt;
    int zeile;           // line number the message names (0: the file as a whole)
    const char* enthalten;  // text the message must contain
    int vollstaendigeFlaechen;
};

}  // namespace

TEST(Szenendatei, DefekteDateienScheiternMitOrtUndGrund)
{
    const std::string original = Cp1252ZuUtf8(Lies(AlleFelder));
    // Cut inside the fin's segment: the wing is complete, the fin is not.
    const std::string abgeschnitten = original.substr(0, original.find("V-FORM_WINKEL=90"));
    // The innermost open block is named: the fin's segment.
    const std::size_t finSegment = std::count(original.begin(), original.begin() + original.find("[SEGMENT0]", original.find("[FLAECHE1]")), '\n') + 1;
    const std::string keineZahl = Ersetze(original, "MASSE=0.04000", "MASSE=0,04 kg");
    const std::size_t masseZeile = std::count(original.begin(), original.begin() + original.find("MASSE=0.04000"), '\n') + 1;
    const std::size_t punktZeile = std::count(original.begin(), original.begin() + original.find("PK1=0.50000"), '\n') + 1;
    // The fin's segment without its chord line.
    const std::size_t finTiefe = original.find("PROFILTIEFE=", original.find("[SEGMENT0]", original.find("[FLAECHE1]")));
    std::string ohneTiefe = original;
    ohneTiefe.erase(finTiefe, original.find('\n', finTiefe) + 1 - finTiefe);
    constexpr char elf[] = "\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\x01\0\0\0\x10\x10\0\0\0\0\0\0@\0";
    const std::string binaer(elf, sizeof elf - 1);
    const TDefekt faelle[] = {
        {"abgeschnitten", abgeschnitten, static_cast<int>(finSegment), "[SEGMENT ENDE]", 1},
        {"keine_zahl", keineZahl, static_cast<int>(masseZeile), "MASSE=", 1},
        {"profilpunkt", Ersetze(original, "PK1=0.50000 0.06000", "PK1=0.5"), static_cast<int>(punktZeile), "PKn=x z", 0},
        {"ohne_profiltiefe", ohneTiefe, static_cast<int>(finSegment), "PROFILTIEFE=", 1},
        {"leer", "", 0, "[FLUGZEUG]", 0},
        {"binaer", binaer, 0, "[FLUGZEUG]", 0},
        {"ohne_flugzeug", "[SCHALTER]\r\nROTIEREN=TRUE\r\n[SCHALTER ENDE]\r\n", 0, "[FLUGZEUG]", 0},
    };
    for (const char* sprache : {"DEUTSCH", "ENGLISH"})
    for (const TDefekt& d : faelle) {
        SCOPED_TRACE(std::string(d.name) + " " + sprache);
        const TMeldungsspracheFuer meldungen(sprache);
        const fs::path p = SchreibeRoh(std::string(d.name) + ".vel", Utf8ZuCp1252(d.inhalt));
        TSZENE szene;
        szene.Flugzeug = std::make_unique<TFLUGZEUG>();
        TSchalter schalter;
        schalter.Splitterposition = 77;
        int gitter = 0;
        TSzenenAufbau aufbau;
        aufbau.GitterAufbauen = [&](TFLUGZEUG&) { ++gitter; };
        try {
            ReadScene(p, szene, schalter, aufbau);
            ADD_FAILURE() << "no error";
        } catch (const EDatei& e) {
            EXPECT_EQ(e.Zeile(), d.zeile);
            EXPECT_EQ(e.Datei(), p.string());
            EXPECT_NE(std::string(e.what()).find(d.enthalten), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find('\x7F'), std::string::npos);
            if (!DeutscheMeldungen()) {
                EXPECT_EQ(DeutschesWort(e.what()), "") << e.what();
            }
        }
        EXPECT_EQ(gitter, 0);
        EXPECT_EQ(szene.Flugzeug->Flaechen.Count(), d.vollstaendigeFlaechen);
        EXPECT_EQ(schalter.Splitterposition, 77);
    }
}

TEST(Szenendatei, WerteAusserhalbDerEingabegrenzenWerdenAbgewiesen)
{
    // Values no input field would take: refused with the line, the key and the allowed range,
    // instead of surfacing later as a library message or a silently wrong result.
    const std::string original = Cp1252ZuUtf8(Lies(AlleFelder));
    const struct {
        const char* name;
        const char* alt;
        const char* neu;
        const char* bereich;
    } faelle[] = {
        {"nachlauf_negativ", "ANZAHL_NACHLAUFELEMENTE=12", "ANZAHL_NACHLAUFELEMENTE=-1", "von 1 bis 1000"},
        {"nachlauf_riesig", "ANZAHL_NACHLAUFELEMENTE=12", "ANZAHL_NACHLAUFELEMENTE=2147483647", "von 1 bis 1000"},
        {"nachlauflaenge_null", "LAENGE_NACHLAUFELEMENTE=2.50000", "LAENGE_NACHLAUFELEMENTE=0", "ab 0.00001"},
        {"ziel_sieben", "AUSLEGUNGSNUMMER=3", "AUSLEGUNGSNUMMER=7", "von 1 bis 5"},
        {"position_inf", "POSITION X,Y,Z=0.80000 0.00000 0.02000", "POSITION X,Y,Z=0.8 inf 0.02", "endliche Zahl"},
        {"masse_negativ", "MASSE=0.04000", "MASSE=-90", "ab 0"},
        {"breite_inf", "SEGMENTBREITE=0.70000", "SEGMENTBREITE=inf", "vom Betrag"},
        {"breite_null", "SEGMENTBREITE=-0.60000", "SEGMENTBREITE=0", "vom Betrag"},
        // Finite in long double, but beyond double: the lattice would turn it into infinity.
        {"breite_1e400", "SEGMENTBREITE=0.70000", "SEGMENTBREITE=1e400", "vom Betrag"},
        {"pfeil_1e10", "PFEILWINKEL=2.00000", "PFEILWINKEL=1e10", "von -90 bis 90"},
        {"panels_negativ", "ANZAHL PANELS Y=6", "ANZAHL PANELS Y=-4", "ganze Zahl ab 1"},
        {"klappe_101", "KLAPPENTIEFE LINKS,RECHTS=24.00000 20.00000", "KLAPPENTIEFE LINKS,RECHTS=24 101", "von 0 bis 100"},
        {"klappe_150", "KLAPPENTIEFE LINKS,RECHTS=22.00000 24.00000", "KLAPPENTIEFE LINKS,RECHTS=150 150", "von 0 bis 100"},
        {"einstellwinkel_91", "EINSTELLWINKEL=2.00000", "EINSTELLWINKEL=91", "von -90 bis 90"},
    };
    // The range in German is checked word for word; in English, that no German is left.
    for (const char* sprache : {"DEUTSCH", "ENGLISH"})
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.name) + " " + sprache);
        const TMeldungsspracheFuer meldungen(sprache);
        ASSERT_NE(original.find(f.alt), std::string::npos);
        const std::size_t zeile = std::count(original.begin(), original.begin() + original.find(f.alt), '\n') + 1;
        const fs::path p = SchreibeRoh(std::string(f.name) + ".vel", Utf8ZuCp1252(Ersetze(original, f.alt, f.neu)));
        TSchalter schalter;
        try {
            SzeneLaden(p, schalter);
            ADD_FAILURE() << "no error";
        } catch (const EDatei& e) {
            const std::string text = e.what();
            EXPECT_EQ(e.Zeile(), static_cast<int>(zeile));
            EXPECT_NE(text.find(f.neu), std::string::npos) << text;
            if (DeutscheMeldungen()) {
                EXPECT_NE(text.find(f.bereich), std::string::npos) << text;
                EXPECT_NE(text.find("erwartet"), std::string::npos) << text;
            } else {
                EXPECT_NE(text.find("expected"), std::string::npos) << text;
                EXPECT_EQ(DeutschesWort(text), "") << text;
            }
        }
    }
}

TEST(Szenendatei, VonHandBearbeiteteZeilenLesenWieDieEigenen)
{
    // Blanks around "=", indented keys and a blank after an end marker change nothing.
    const std::string original = Cp1252ZuUtf8(Lies(AlleFelder));
    std::string bearbeitet = Ersetze(original, "MASSE=0.04000", "   MASSE = 0.04000");
    bearbeitet = Ersetze(bearbeitet, "SEGMENTBREITE=0.70000", "\tSEGMENTBREITE =0.70000");
    bearbeitet = Ersetze(bearbeitet, "[FLAECHE ENDE]", "[FLAECHE ENDE] ");
    TSchalter s1, s2;
    const auto a = SzeneLaden(AlleFelder, s1);
    const auto b = SzeneLaden(SchreibeRoh("bearbeitet.vel", Utf8ZuCp1252(bearbeitet)), s2);
    const fs::path pa = Temporaer("a.vel"), pb = Temporaer("b.vel");
    WriteScene(pa, *a, s1);
    WriteScene(pb, *b, s2);
    const auto ohneDatum = [](std::string t) { return t.substr(t.find("\r\n", t.find("\r\n") + 2)); };
    EXPECT_EQ(ohneDatum(Lies(pa)), ohneDatum(Lies(pb)));
}

TEST(Szenendatei, FehlendeEndmarkeVerschmilztKeineBloecke)
{
    // A block opened while another is unfinished names both lines instead of merging the two.
    const std::string original = Cp1252ZuUtf8(Lies(AlleFelder));
    const auto zeileVon = [&](const std::string& text, std::size_t ab = 0) {
        return static_cast<int>(std::count(original.begin(), original.begin() + original.find(text, ab), '\n') + 1);
    };
    const std::size_t segment0 = original.find("[SEGMENT0]");
    const std::size_t segmentEnde = original.find("[SEGMENT ENDE]", segment0);
    const std::size_t profil = original.find("[PROFIL]", segment0);
    const std::size_t profilEnde = original.find("[PROFIL ENDE]", profil);
    const struct {
        const char* name;
        std::string inhalt;
        int zeile;
        std::string enthalten;
    } faelle[] = {
        {"ohne_segment_ende", original.substr(0, segmentEnde) + original.substr(segmentEnde + 16), zeileVon("[SEGMENT1]") - 1,
         "Zeile " + std::to_string(zeileVon("[SEGMENT0]"))},
        {"ohne_profil_ende", original.substr(0, profilEnde) + original.substr(profilEnde + 15), zeileVon("[SEGMENT ENDE]", segment0) - 1,
         "Zeile " + std::to_string(zeileVon("[PROFIL]", segment0))},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TSchalter schalter;
        try {
            SzeneLaden(SchreibeRoh(std::string(f.name) + ".vel", Utf8ZuCp1252(f.inhalt)), schalter);
            ADD_FAILURE() << "no error";
        } catch (const EDatei& e) {
            EXPECT_EQ(e.Zeile(), f.zeile) << e.what();
            EXPECT_NE(std::string(e.what()).find(f.enthalten), std::string::npos) << e.what();
        }
    }
}

TEST(Szenendatei, FehlendeDateiIstEinDateifehler)
{
    TSchalter schalter;
    EXPECT_THROW(SzeneLaden(Temporaer("gibt_es_nicht.vel"), schalter), EDatei);
    EXPECT_THROW(SzeneLaden(fs::path(::testing::TempDir()), schalter), EDatei);
}
