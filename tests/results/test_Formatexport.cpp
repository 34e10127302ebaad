// The formatted exports read back as delimiter-separated tables: cell counts per line, keys, and
// values against the model, the results and the polar list.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "common/Zahlentext.h"
#include "control/Auslegungsberechnung.h"
#include "model/TErgebnis.h"
#include "evaluation/Testflugzeuge.h"
#include "geometry/Szenenaufbau.h"
#include "model/TSchalter.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"
#include "results/Formatexport.h"
#include "results/Polarliste.h"
#include "results/TextHost.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Zellen(const std::string& zeile, char trenner)
{
    std::vector<std::string> zellen(1);
    for (char c : zeile) {
        if (c == trenner)
            zellen.emplace_back();
        else
            zellen.back() += c;
    }
    return zellen;
}

/// The export as a table: the cells of every line by its key (the first cell).
std::map<std::string, std::vector<std::string>> Tabelle(const std::vector<std::string>& zeilen, char trenner)
{
    std::map<std::string, std::vector<std::string>> t;
    for (std::size_t i = 2; i < zeilen.size(); ++i) {
        auto zellen = Zellen(zeilen[i], trenner);
        EXPECT_FALSE(t.count(zellen[0])) << "key twice: " << zellen[0];
        t[zellen[0]] = std::move(zellen);
    }
    return t;
}

TExportoptionen Optionen(char dezimal, char zellen)
{
    TExportoptionen o;
    o.Dezimaltrenner = dezimal;
    o.Zellentrenner = zellen;
    o.Zeitstempel = "11.12.2026 01:00:00";
    return o;
}

/// A polar list of one flap series with two rows and one angle series without fix mode.
TPolarliste Polaren()
{
    TPolarliste liste;
    auto k = std::make_unique<TPolargruppe>();
    k->Art = PolarartKlappen;
    k->Flugszene = "S.vel";
    k->Fix = FixSchwerpunkt;
    k->Bemerkung = "b";
    k->Gruppe = {1, 0, 0, 0};
    k->Gruppentext = {"Woelb", "", "", ""};
    TPolarzeile z;
    z.Alfa = 2.5;
    z.Gr[0] = 6;
    z.Ca = 0.612345;
    z.Widerstand = 123.456789;
    z.Info = "FB FL0 ABO12.5 ";
    k->Zeilen = {z, TPolarzeile{}};
    liste.GruppeHinzufuegen(std::move(k));
    auto w = std::make_unique<TPolargruppe>();
    w->Art = PolarartAnstellwinkel;
    w->Gruppentext = {"n.u.", "n.u.", "n.u.", "n.u."};
    liste.GruppeHinzufuegen(std::move(w));
    return liste;
}

}  // namespace

TEST(Formatexport, EveryExportBeginsWithTheSameTwoLines)
{
    const TTextHost host;
    const auto zeilen = PolarenExport(TPolarliste{}, host, Optionen('.', ';'));
    EXPECT_EQ(zeilen, (std::vector<std::string>{"VELION Vers. 01.215 25.01.2015", "11.12.2026 01:00:00",
                                                 "POL-ANZ;Anzahl Polaren;0"}))
        << "an empty polar list gives exactly three lines";
    EXPECT_EQ(GeometrieExport(nullptr, host, Optionen('.', ';')).size(), 2u);
    EXPECT_EQ(WerteExport(nullptr, host, Optionen('.', ';')).size(), 2u);
}

TEST(Formatexport, GeometryReadsBackAgainstTheModel)
{
    TTextHost host;
    TSchalter schalter;
    const auto szene = SzeneLadenUndAufbauen(fs::path(VELION_EXAMPLES) / "Segler.vel", schalter, host);
    TFLUGZEUG& f = *szene->Flugzeug;
    const auto zeilen = GeometrieExport(&f, host, Optionen(',', ';'));
    const auto t = Tabelle(zeilen, ';');
    for (const auto& [schluessel, zellen] : t) EXPECT_EQ(zellen.size(), 3u) << schluessel;

    const auto wert = [&](const std::string& schluessel) { return TextToReal(t.at(schluessel).at(2)); };
    EXPECT_EQ(t.at("F-0-2")[2], f.Bezeichnung);
    EXPECT_EQ(t.at("F-0-10")[1], "Schwerpunktlage X in m");
    EXPECT_EQ(t.at("F-0-10")[2], RealToText(f.SchwerpunktX, 0, 5, ','));
    EXPECT_EQ(wert("F-0-FL_ANZ"), f.Flaechen.Count());
    std::size_t erwartet = 2 + 15;  // header, aircraft lines
    for (int j = 0; j < f.Flaechen.Count(); ++j) {
        const TFLAECHE& fl = *f.Flaechen.Get(j);
        const std::string s = "F-0-FL-" + std::to_string(j);
        SCOPED_TRACE(s);
        EXPECT_EQ(t.at(s + "-1")[2], fl.Bezeichnung);
        EXPECT_NEAR(static_cast<double>(wert(s + "-2")), static_cast<double>(fl.Position.x), 1e-5);
        EXPECT_EQ(wert(s + "-SEG_ANZ"), fl.Segmente.Count());
        const int n = fl.Wurzelprofil->Anzahl();
        EXPECT_EQ(wert(s + "-PR_ANZ"), n);
        EXPECT_NEAR(static_cast<double>(wert(s + "-PRZ-" + std::to_string(n / 2))),
                    static_cast<double>(fl.Wurzelprofil->Punkt(n / 2)->Z), 1e-5);
        erwartet += 15 + 2 + 2 * n + 1;
        for (int m = 0; m < fl.Segmente.Count(); ++m) {
            const TSEGMENT& seg = *fl.Segmente.Get(m);
            const std::string g = s + "-SEG-" + std::to_string(m);
            EXPECT_EQ(wert(g + "-1"), RoundReal(5, seg.Segmentbreite));
            EXPECT_EQ(wert(g + "-12"), seg.Klappengruppe);
            EXPECT_EQ(t.at(g + "-13")[2], f.Klappengruppenbeschreibung[seg.Klappengruppe]);
            const std::string verteilung = t.at(g + "-8")[2];
            EXPECT_TRUE(verteilung == "LINEAR" || verteilung == "COS" || verteilung == "SIN_L" || verteilung == "SIN_R")
                << verteilung;
            // An unswept reference line at 0 % of the chord is the leading edge itself.
            if (seg.BezugspunktPfeilwinkel == 0.0L) {
                EXPECT_NEAR(static_cast<double>(wert(g + "-5")), static_cast<double>(seg.Pfeilwinkel), 1e-5);
            }
            erwartet += 18 + 2 + 2 * seg.Segmentprofil->Anzahl();
        }
    }
    EXPECT_EQ(zeilen.size(), erwartet);
}

TEST(Formatexport, ComputedValuesReadBackAgainstTheResults)
{
    TTextHost host;
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    TFLUGZEUG& f = *szene->Flugzeug;
    TSchalter schalter;

    // Before a computation: keys and labels, no computed values and no strip lines.
    auto t = Tabelle(WerteExport(&f, host, Optionen('.', ',')), ',');
    EXPECT_EQ(t.at("BW-F-0-34"), (std::vector<std::string>{"BW-F-0-34", host.Ausgabetext(23) + " [m]", ""}));
    EXPECT_FALSE(t.count("BW-F-0-FL-0-P0"));

    f.Anstellwinkel = 2.0L;
    TAuslegungsoptionen optionen;
    optionen.Rechnen.Loeser.Multithread = false;
    ASSERT_EQ(Auslegungsberechnung(*szene, schalter, host, optionen).Ausgang, TAuslegungsausgang::Erfolg);
    const auto zeilen = WerteExport(&f, host, Optionen('.', ';'));
    EXPECT_EQ(zeilen[2 + 3], "BW-F-0-3;" + host.Ausgabetext(12) + " [°];2.00000");
    t = Tabelle(zeilen, ';');
    EXPECT_NEAR(static_cast<double>(TextToReal(t.at("BW-F-0-34")[2])), static_cast<double>(f.Neutralpunkt), 1e-5);
    EXPECT_NEAR(static_cast<double>(TextToReal(t.at("BW-F-0-18")[2])), static_cast<double>(f.CW), 1e-5);
    for (int j = 0; j < f.Flaechen.Count(); ++j) {
        const TFLAECHE& fl = *f.Flaechen.Get(j);
        const std::string s = "BW-F-0-FL-" + std::to_string(j);
        EXPECT_EQ(t.at(s + "-ANZ_PAN_Y")[2], std::to_string(fl.Ergebnisraster.RowCount()));
        EXPECT_EQ(t.at(s + "-" + host.Ausgabetext(101)).size(), 17u);
        for (int k = 0; k < fl.Ergebnisraster.RowCount(); ++k) {
            const auto& zellen = t.at(s + "-P" + std::to_string(k));
            ASSERT_EQ(zellen.size(), 17u);
            EXPECT_EQ(zellen[3], RealToText(fl.Ergebnisraster.Get(k, SlotCa)->Wert, 8, 5, '.'));
            EXPECT_EQ(zellen[6], RealToText(fl.Ergebnisraster.Get(k, SlotRe)->Wert, 8, 0, '.'));
            EXPECT_EQ(zellen[9], std::to_string(static_cast<int>(fl.Ergebnisraster.Get(k, SlotSegmentnummer)->Wert)));
        }
    }
}

TEST(Formatexport, PolarsReadBackAgainstTheList)
{
    const TTextHost host;
    const TPolarliste liste = Polaren();
    const auto zeilen = PolarenExport(liste, host, Optionen(',', ';'));
    const auto t = Tabelle(zeilen, ';');
    EXPECT_EQ(t.at("POL-ANZ")[2], "2");
    EXPECT_EQ(t.at("POL-0-1")[2], "[KLAPPENBERECHNUNG]");
    EXPECT_EQ(t.at("POL-0-3")[2], "SCHWERPUNKT FIXIERT");
    EXPECT_EQ(t.at("POL-0-5"), (std::vector<std::string>{"POL-0-5", "Klappengruppe Klappe1", "Woelb"}));
    EXPECT_EQ(t.at("POL-0-ANZ-PZ")[2], "2");
    EXPECT_EQ(t.at("POL-0-PZ").size(), 20u);
    EXPECT_EQ(t.at("POL-0-PZ")[3], "Alfa [°]");
    EXPECT_EQ(t.at("POL-0-PZ")[4], "Klappe1");
    const auto& zeile = t.at("POL-0-PZ0");
    ASSERT_EQ(zeile.size(), 20u);
    EXPECT_EQ(zeile[3], "2,50000");
    EXPECT_EQ(zeile[4], "6,00000");
    EXPECT_EQ(zeile[8], "0,61235");
    EXPECT_EQ(zeile[18], "123,4567") << "cut to 8 characters";
    EXPECT_EQ(zeile[19], "Fehlberechnung!, Flügel 0 Ablösungen oben 12,5%, ");
    EXPECT_EQ(t.at("POL-0-PZ1")[19], "");

    // The angle series: no fix text, its rows named "n.u." in two cells.
    EXPECT_EQ(t.at("POL-1-3"), (std::vector<std::string>{"POL-1-3", "Fixierung", ""}));
    for (int k = 5; k <= 8; ++k)
        EXPECT_EQ(t.at("POL-1-" + std::to_string(k)), (std::vector<std::string>{"POL-1-" + std::to_string(k), "n.u."}));
}

TEST(Formatexport, SaveNameAddsTheChosenExtensionOnlyWithoutOne)
{
    EXPECT_EQ(ExportdateiName("d/a", ".CSV"), fs::path("d/a.CSV"));
    EXPECT_EQ(ExportdateiName("d/a", ".TXT"), fs::path("d/a.TXT"));
    EXPECT_EQ(ExportdateiName("d/a.txt", ".CSV"), fs::path("d/a.txt"));
    EXPECT_EQ(ExportdateiName("d/a.b.dat", ".CSV"), fs::path("d/a.b.dat"));
}
