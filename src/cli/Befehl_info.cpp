// velion-cli info: the aircraft of a scene, its surfaces and their segments, with the reference
// values and panel counts of the built lattice, as text or JSON; optionally the lattice as a table.
#include <algorithm>
#include <iostream>
#include <string>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/Gitterdatei.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "geometry/Gitterbau.h"
#include "model/Modellarten.h"
#include "profile/T_Profil.h"

namespace {

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
    b.Text("Profildatei", Sprachwahl("Profildatei", "Airfoil file"), p.Dateiname);
    b.Ganzzahl("Profilpunkte", Sprachwahl("Profilpunkte", "Airfoil points"), p.Anzahl());
}

void SegmentBericht(const TSEGMENT& s, TBericht& b)
{
    b.Zahl("Segmentbreite", Sprachwahl("Segmentbreite", "Segment width"), s.Segmentbreite, "m");
    b.Zahl("Profiltiefe", Sprachwahl("Profiltiefe", "Chord"), s.Profiltiefe, "m");
    b.Zahl("Verwindungswinkel", Sprachwahl("Verwindungswinkel", "Twist angle"), s.Verwindungswinkel, "°");
    b.Zahl("VFormWinkel", Sprachwahl("V-Form-Winkel", "Dihedral angle"), s.VFormWinkel, "°");
    b.Zahl("Pfeilwinkel", Sprachwahl("Pfeilwinkel (Vorderkante)", "Sweep angle (leading edge)"), s.Pfeilwinkel, "°");
    b.Ganzzahl("AnzahlPanelsY", "Panels Y", s.AnzahlPanelsY);
    b.Text("VerteilungY", Sprachwahl("Verteilung Y", "Distribution Y"), std::string(Verteilungswort(s.VerteilungY)));
    b.Zahl("KlappentiefeLinks", Sprachwahl("Klappentiefe links", "Flap chord left"), s.KlappentiefeLinks, "%");
    b.Zahl("KlappentiefeRechts", Sprachwahl("Klappentiefe rechts", "Flap chord right"), s.KlappentiefeRechts, "%");
    b.Zahl("Klappenausschlag", Sprachwahl("Klappenausschlag", "Flap deflection"), s.Klappenausschlag, "°");
    b.Ganzzahl("Klappengruppe", Sprachwahl("Klappengruppe", "Flap group"), s.Klappengruppe);
    b.Wahrheitswert("Klappeninverse", Sprachwahl("Klappe invers", "Flap inverse"), s.Klappeninverse);
    ProfilBericht(*s.Segmentprofil, b);
}

void FlaecheBericht(const TFLAECHE& f, TBericht& b)
{
    int panelsY = 0;
    for (const auto& s : f.Segmente) panelsY += s->AnzahlPanelsY;
    b.Text("Art", Sprachwahl("Art", "Kind"), std::string(Artwort(f.Art)));
    b.Text("Bezeichnung", Sprachwahl("Bezeichnung", "Name"), f.Bezeichnung);
    b.Vektor("Position", "Position X,Y,Z", f.Position, "m");
    b.Zahl("Einstellwinkel", Sprachwahl("Einstellwinkel", "Incidence"), f.Einstellwinkel, "°");
    b.Zahl("Profiltiefe", Sprachwahl("Profiltiefe Wurzel", "Root chord"), f.Profiltiefe, "m");
    b.Zahl("Verwindungswinkel", Sprachwahl("Verwindungswinkel Wurzel", "Root twist angle"), f.Verwindungswinkel, "°");
    b.Zahl("Masse", Sprachwahl("Masse", "Mass"), f.Masse, "kg");
    b.Ganzzahl("AnzahlSegmente", Sprachwahl("Segmente", "Segments"), f.Segmente.Count());
    b.Ganzzahl("AnzahlPanelsX", "Panels X", f.AnzahlPanelsX);
    b.Text("VerteilungX", Sprachwahl("Verteilung X", "Distribution X"), std::string(Verteilungswort(f.VerteilungX)));
    b.Ganzzahl("AnzahlPanelsY", Sprachwahl("Panels Y (alle Segmente)", "Panels Y (all segments)"), panelsY);
    b.Zahl("FlaecheHorizontal", Sprachwahl("Fläche horizontal", "Area horizontal"), f.FlaecheHorizontal, "m²");
    b.Zahl("FlaecheSeitlich", Sprachwahl("Fläche seitlich", "Area side"), f.FlaecheSeitlich, "m²");
    b.Zahl("FlaecheWahr", Sprachwahl("Fläche wahr", "True area"), f.FlaecheWahr, "m²");
    b.Zahl("Bezugstiefe", Sprachwahl("Bezugsflügeltiefe", "Reference chord"), f.Bezugstiefe, "m");
    b.Zahl("Spannweite", Sprachwahl("Spannweite", "Span"), f.Spannweite, "m");
    b.Zahl("Streckung", Sprachwahl("Streckung", "Aspect ratio"), f.Streckung);
    int spalten = 0;
    for (int r = 0; r < f.Panelraster.RowCount(); ++r) spalten = std::max(spalten, f.Panelraster.Count(r));
    b.Ganzzahl("PanelrasterStreifen", Sprachwahl("Panelraster Streifen",
                                                 "Panel grid strips"), f.Panelraster.RowCount());
    b.Ganzzahl("PanelrasterSpalten", Sprachwahl("Panelraster Spalten", "Panel grid columns"), spalten);
    b.Ganzzahl("AnzahlPanels", "Panels", AnzahlPanels(f));
    ProfilBericht(*f.Wurzelprofil, b);
    for (int j = 0; j < f.Segmente.Count(); ++j) SegmentBericht(*f.Segmente.Get(j), b.Eintrag("Segmente", "Segment " + std::to_string(j)));
}

TBericht FlugzeugBericht(const TFLUGZEUG& f)
{
    TBericht b;
    b.Text("Bezeichnung", Sprachwahl("Bezeichnung Flugzeug", "Aircraft name"), f.Bezeichnung);
    b.Text("Konstrukteur", Sprachwahl("Name Konstrukteur", "Designer"), f.Konstrukteur);
    b.Zahl("ZusaetzlicheMassen", Sprachwahl("zus. Massen", "Additional masses"), f.ZusaetzlicheMassen, "kg");
    b.Zahl("Anstellwinkel", Sprachwahl("Anstellwinkel", "Angle of attack"), f.Anstellwinkel, "°");
    b.Zahl("AuslegungsCa", Sprachwahl("Auslegungs CA", "Design CA"), f.AuslegungsCa);
    b.Zahl("Stabilitaetsmass", Sprachwahl("Stabilitätsmaß", "Static margin"), f.Stabilitaetsmass,
           Sprachwahl("% von lu", "% of lu"));
    b.Zahl("SchwerpunktX", Sprachwahl("Schwerpunktlage X", "Centre of gravity X"), f.SchwerpunktX, "m");
    b.Zahl("FlugGeschwindigkeit", Sprachwahl("Fluggeschwindigkeit", "Flight speed"), f.FlugGeschwindigkeit, "m/s");
    b.Zahl("Schiebewinkel", Sprachwahl("Schiebewinkel", "Sideslip angle"), f.Schiebewinkel, "°");
    b.Zahl("Flughoehe", Sprachwahl("Flughöhe", "Altitude"), f.Flughoehe, "m");
    b.Zahl("Luftdichte", Sprachwahl("Luftdichte", "Air density"), f.Luftdichte, "kg/m³");
    b.Ganzzahl("Auslegungsnummer", Sprachwahl("Auslegungsnummer", "Design target number"), f.Auslegungsnummer);
    b.Text("Auslegungsziel", Sprachwahl("Auslegungsziel", "Design target"), ZielName(f.Auslegungsnummer));
    b.Ganzzahl("MaxIteration", Sprachwahl("Max. Iteration", "Max. iterations"), f.MaxIteration);
    b.Ganzzahl("AnzahlNachlaufelemente", Sprachwahl("Nachlaufelemente", "Wake elements"), f.AnzahlNachlaufelemente);
    b.Zahl("LaengeNachlaufelemente", Sprachwahl("Gesamtlänge Nachlauf",
                                                "Total wake length"), f.LaengeNachlaufelemente, "m");
    b.Zahl("InterferenzWiderstand", Sprachwahl("cw Interferenz", "cw interference"), f.InterferenzWiderstand);
    b.Zahl("RumpfWiderstand", Sprachwahl("cw Rumpf", "cw fuselage"), f.RumpfWiderstand);
    b.Zahl("RumpfQuerschnittflaeche", Sprachwahl("Rumpfquerschnitt",
                                                 "Fuselage cross-section"), f.RumpfQuerschnittflaeche, "m²");
    b.Zahl("FlaecheHorizontalGesamt", Sprachwahl("Fläche horizontal gesamt",
                                                 "Total area horizontal"), f.FlaecheHorizontalGesamt, "m²");
    b.Zahl("FlaecheSeitlichGesamt", Sprachwahl("Fläche seitlich gesamt",
                                               "Total area side"), f.FlaecheSeitlichGesamt, "m²");
    b.Zahl("FlaecheWahrGesamt", Sprachwahl("Fläche wahr gesamt", "Total true area"), f.FlaecheWahrGesamt, "m²");
    b.Zahl("Bezugstiefe", Sprachwahl("Bezugsflügeltiefe lu", "Reference chord lu"), f.Bezugstiefe, "m");
    b.Zahl("Gesamtmasse", Sprachwahl("Gesamtmasse", "Total mass"), f.Gesamtmasse, "kg");
    b.Ganzzahl("AnzahlPanels", Sprachwahl("Panels gesamt", "Panels in all"), AnzahlPanels(f));
    b.Ganzzahl("AnzahlFlaechen", Sprachwahl("Flächen", "Surfaces"), f.Flaechen.Count());
    for (int i = 0; i < f.Flaechen.Count(); ++i)
        FlaecheBericht(*f.Flaechen.Get(i), b.Eintrag("Flaechen", Sprachwahl("Fläche ", "Surface ") + std::to_string(i)));
    return b;
}

}  // namespace

void RegistriereInfo(CLI::App& app, TLauf& lauf)
{
    static std::string datei;
    static std::string gitter;
    static bool json = false;
    static std::string sprache;
    CLI::App* befehl = app.add_subcommand("info", Sprachwahl("Flugzeug einer Szene zeigen: Flächen, Segmente, Profile, Bezugswerte",
                                                             "show the aircraft of a scene: surfaces, segments, airfoils, reference values"));
    befehl->add_option("SZENE", datei, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_flag("--json", json, Sprachwahl("ein JSON-Objekt auf stdout", "one JSON object on stdout"));
    befehl->add_option("--lattice", gitter, Sprachwahl("jedes Panel des Gitters als Zeile in diese CSV-Datei schreiben",
                                                       "write every panel of the lattice as a line into this CSV file"));
    SpracheOptionHinzufuegen(*befehl, sprache);
    befehl->callback([&lauf] {
        lauf = [] {
            TKonsolenHost host(true, sprache);
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
