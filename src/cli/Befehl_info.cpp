// velion-cli info: the aircraft of a scene, its surfaces and their segments, with the reference
// values and panel counts of the built lattice, as text or JSON; optionally the lattice as a table.
#include <algorithm>
#include <iostream>
#include <string>

#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/Gitterdatei.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "geometry/Gitterbau.h"
#include "profile/T_Profil.h"

namespace {

std::string ArtName(TFlaechenArt art)
{
    switch (art) {
    case TFlaechenArt::Fluegel: return "Fluegel";
    case TFlaechenArt::Seitenleitwerk: return "Seitenleitwerk";
    case TFlaechenArt::Rumpf: return "Rumpf";
    }
    return "?";
}

std::string VerteilungName(TVerteilung v)
{
    switch (v) {
    case TVerteilung::SinL: return "SinL";
    case TVerteilung::SinR: return "SinR";
    case TVerteilung::Cos: return "Cos";
    case TVerteilung::Linear: return "Linear";
    }
    return "?";
}

std::string ZielName(int nummer)
{
    switch (nummer) {
    case ZielAnstellwinkel: return "Anstellwinkel";
    case ZielAuslegungsCa: return "Auslegungs CA";
    case ZielStabilitaetsmass: return "Stabilitätsmaß";
    case ZielSchwerpunkt: return "Schwerpunktlage";
    case ZielFlugGeschwindigkeit: return "Fluggeschwindigkeit";
    }
    return "?";
}

void ProfilBericht(const TProfil& p, TBericht& b)
{
    b.Text("Profildatei", "Profildatei", p.Dateiname);
    b.Ganzzahl("Profilpunkte", "Profilpunkte", p.Anzahl());
}

void SegmentBericht(const TSEGMENT& s, TBericht& b)
{
    b.Zahl("Segmentbreite", "Segmentbreite", s.Segmentbreite, "m");
    b.Zahl("Profiltiefe", "Profiltiefe", s.Profiltiefe, "m");
    b.Zahl("Verwindungswinkel", "Verwindungswinkel", s.Verwindungswinkel, "°");
    b.Zahl("VFormWinkel", "V-Form-Winkel", s.VFormWinkel, "°");
    b.Zahl("Pfeilwinkel", "Pfeilwinkel (Vorderkante)", s.Pfeilwinkel, "°");
    b.Ganzzahl("AnzahlPanelsY", "Panels Y", s.AnzahlPanelsY);
    b.Text("VerteilungY", "Verteilung Y", VerteilungName(s.VerteilungY));
    b.Zahl("KlappentiefeLinks", "Klappentiefe links", s.KlappentiefeLinks, "%");
    b.Zahl("KlappentiefeRechts", "Klappentiefe rechts", s.KlappentiefeRechts, "%");
    b.Zahl("Klappenausschlag", "Klappenausschlag", s.Klappenausschlag, "°");
    b.Ganzzahl("Klappengruppe", "Klappengruppe", s.Klappengruppe);
    b.Wahrheitswert("Klappeninverse", "Klappe invers", s.Klappeninverse);
    ProfilBericht(*s.Segmentprofil, b);
}

void FlaecheBericht(const TFLAECHE& f, TBericht& b)
{
    int panelsY = 0;
    for (const auto& s : f.Segmente) panelsY += s->AnzahlPanelsY;
    b.Text("Art", "Art", ArtName(f.Art));
    b.Text("Bezeichnung", "Bezeichnung", f.Bezeichnung);
    b.Vektor("Position", "Position X,Y,Z", f.Position, "m");
    b.Zahl("Einstellwinkel", "Einstellwinkel", f.Einstellwinkel, "°");
    b.Zahl("Profiltiefe", "Profiltiefe Wurzel", f.Profiltiefe, "m");
    b.Zahl("Verwindungswinkel", "Verwindungswinkel Wurzel", f.Verwindungswinkel, "°");
    b.Zahl("Masse", "Masse", f.Masse, "kg");
    b.Ganzzahl("AnzahlSegmente", "Segmente", f.Segmente.Count());
    b.Ganzzahl("AnzahlPanelsX", "Panels X", f.AnzahlPanelsX);
    b.Text("VerteilungX", "Verteilung X", VerteilungName(f.VerteilungX));
    b.Ganzzahl("AnzahlPanelsY", "Panels Y (alle Segmente)", panelsY);
    b.Zahl("FlaecheHorizontal", "Fläche horizontal", f.FlaecheHorizontal, "m²");
    b.Zahl("FlaecheSeitlich", "Fläche seitlich", f.FlaecheSeitlich, "m²");
    b.Zahl("FlaecheWahr", "Fläche wahr", f.FlaecheWahr, "m²");
    b.Zahl("Bezugstiefe", "Bezugsflügeltiefe", f.Bezugstiefe, "m");
    b.Zahl("Spannweite", "Spannweite", f.Spannweite, "m");
    b.Zahl("Streckung", "Streckung", f.Streckung);
    int spalten = 0;
    for (int r = 0; r < f.Panelraster.RowCount(); ++r) spalten = std::max(spalten, f.Panelraster.Count(r));
    b.Ganzzahl("PanelrasterStreifen", "Panelraster Streifen", f.Panelraster.RowCount());
    b.Ganzzahl("PanelrasterSpalten", "Panelraster Spalten", spalten);
    b.Ganzzahl("AnzahlPanels", "Panels", AnzahlPanels(f));
    ProfilBericht(*f.Wurzelprofil, b);
    for (int j = 0; j < f.Segmente.Count(); ++j) SegmentBericht(*f.Segmente.Get(j), b.Eintrag("Segmente", "Segment " + std::to_string(j)));
}

TBericht FlugzeugBericht(const TFLUGZEUG& f)
{
    TBericht b;
    b.Text("Bezeichnung", "Bezeichnung Flugzeug", f.Bezeichnung);
    b.Text("Konstrukteur", "Name Konstrukteur", f.Konstrukteur);
    b.Zahl("ZusaetzlicheMassen", "zus. Massen", f.ZusaetzlicheMassen, "kg");
    b.Zahl("Anstellwinkel", "Anstellwinkel", f.Anstellwinkel, "°");
    b.Zahl("AuslegungsCa", "Auslegungs CA", f.AuslegungsCa);
    b.Zahl("Stabilitaetsmass", "Stabilitätsmaß", f.Stabilitaetsmass, "% von lu");
    b.Zahl("SchwerpunktX", "Schwerpunktlage X", f.SchwerpunktX, "m");
    b.Zahl("FlugGeschwindigkeit", "Fluggeschwindigkeit", f.FlugGeschwindigkeit, "m/s");
    b.Zahl("Schiebewinkel", "Schiebewinkel", f.Schiebewinkel, "°");
    b.Zahl("Flughoehe", "Flughöhe", f.Flughoehe, "m");
    b.Zahl("Luftdichte", "Luftdichte", f.Luftdichte, "kg/m³");
    b.Ganzzahl("Auslegungsnummer", "Auslegungsnummer", f.Auslegungsnummer);
    b.Text("Auslegungsziel", "Auslegungsziel", ZielName(f.Auslegungsnummer));
    b.Ganzzahl("MaxIteration", "Max. Iteration", f.MaxIteration);
    b.Ganzzahl("AnzahlNachlaufelemente", "Nachlaufelemente", f.AnzahlNachlaufelemente);
    b.Zahl("LaengeNachlaufelemente", "Gesamtlänge Nachlauf", f.LaengeNachlaufelemente, "m");
    b.Zahl("InterferenzWiderstand", "cw Interferenz", f.InterferenzWiderstand);
    b.Zahl("RumpfWiderstand", "cw Rumpf", f.RumpfWiderstand);
    b.Zahl("RumpfQuerschnittflaeche", "Rumpfquerschnitt", f.RumpfQuerschnittflaeche, "m²");
    b.Zahl("FlaecheHorizontalGesamt", "Fläche horizontal gesamt", f.FlaecheHorizontalGesamt, "m²");
    b.Zahl("FlaecheSeitlichGesamt", "Fläche seitlich gesamt", f.FlaecheSeitlichGesamt, "m²");
    b.Zahl("FlaecheWahrGesamt", "Fläche wahr gesamt", f.FlaecheWahrGesamt, "m²");
    b.Zahl("Bezugstiefe", "Bezugsflügeltiefe lu", f.Bezugstiefe, "m");
    b.Zahl("Gesamtmasse", "Gesamtmasse", f.Gesamtmasse, "kg");
    b.Ganzzahl("AnzahlPanels", "Panels gesamt", AnzahlPanels(f));
    b.Ganzzahl("AnzahlFlaechen", "Flächen", f.Flaechen.Count());
    for (int i = 0; i < f.Flaechen.Count(); ++i) FlaecheBericht(*f.Flaechen.Get(i), b.Eintrag("Flaechen", "Fläche " + std::to_string(i)));
    return b;
}

}  // namespace

void RegistriereInfo(CLI::App& app, TLauf& lauf)
{
    static std::string datei;
    static std::string gitter;
    static bool json = false;
    CLI::App* befehl = app.add_subcommand("info", "Flugzeug einer Szene zeigen: Flächen, Segmente, Profile, Bezugswerte");
    befehl->add_option("SZENE", datei, "Szenendatei (.vel)")->required();
    befehl->add_flag("--json", json, "ein JSON-Objekt auf stdout");
    befehl->add_option("--lattice", gitter, "jedes Panel des Gitters als Zeile in diese CSV-Datei schreiben");
    befehl->callback([&lauf] {
        lauf = [] {
            TKonsolenHost host(true);
            if (!gitter.empty()) AusgabedateiPruefen(gitter, {datei});
            const TGeladeneSzene g = LadeSzene(datei, host);
            TFLUGZEUG& flugzeug = *g.Szene->Flugzeug;
            Gesamtbezugswerte(flugzeug);
            GesamtmasseBerechnen(flugzeug);
            if (!gitter.empty()) SchreibeGitterdatei(gitter, flugzeug);
            const TBericht b = FlugzeugBericht(flugzeug);
            if (json)
                std::cout << JsonText(b.Json()) << '\n';
            else
                b.Drucken(std::cout);
            return 0;
        };
    });
}
