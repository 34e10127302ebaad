// velion-cli design: one design computation of a scene with its own target or the one given;
// prints the results pages (aircraft, then every surface) as the results window shows them, or one
// JSON object with every result field and strip slot; writes the result file and the transfer file
// on request.
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "cli/Rechenbefehl.h"
#include "cli/Szenenzugriff.h"
#include "common/Fehler.h"
#include "control/Auslegungsberechnung.h"
#include "geometry/Szenenaufbau.h"
#include "model/Eingabegrenzen.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "results/Ergebnisfelder.h"
#include "results/Werteausgabe.h"

namespace {

struct TDesignArgumente {
    std::string datei;
    std::optional<int> ziel;
    std::optional<std::string> wert;
    std::optional<std::string> ausgabe;
    std::optional<std::string> transfer;
    TRechenargumente rechnen;
};

/// The input field of each target and the model field it sets.
TEingabefeld Zielfeld(int ziel)
{
    switch (ziel) {
    case ZielAuslegungsCa: return TEingabefeld::AuslegungsCa;
    case ZielStabilitaetsmass: return TEingabefeld::Stabilitaetsmass;
    case ZielSchwerpunkt: return TEingabefeld::Frei;
    case ZielFlugGeschwindigkeit: return TEingabefeld::FlugGeschwindigkeit;
    default: return TEingabefeld::Anstellwinkel;
    }
}

Extended& Zielwert(TFLUGZEUG& f, int ziel)
{
    switch (ziel) {
    case ZielAuslegungsCa: return f.AuslegungsCa;
    case ZielStabilitaetsmass: return f.Stabilitaetsmass;
    case ZielSchwerpunkt: return f.SchwerpunktX;
    case ZielFlugGeschwindigkeit: return f.FlugGeschwindigkeit;
    default: return f.Anstellwinkel;
    }
}

void Zahl(TBericht& b, const char* name, Extended wert) { b.Zahl(name, name, wert); }

/// Every field of the aircraft a design computation reads or writes: its inputs and reference values
/// here, its results from the table of result fields.
void FlugzeugJson(const TFLUGZEUG& f, TBericht& b)
{
    b.Text("Konstrukteur", "Konstrukteur", f.Konstrukteur);
    b.Text("Bezeichnung", "Bezeichnung", f.Bezeichnung);
    b.Ganzzahl("Auslegungsnummer", "Auslegungsnummer", f.Auslegungsnummer);
    b.Ganzzahl("MaxIteration", "MaxIteration", f.MaxIteration);
    const std::pair<const char*, Extended> werte[] = {
        {"Anstellwinkel", f.Anstellwinkel},
        {"Schiebewinkel", f.Schiebewinkel},
        {"Flughoehe", f.Flughoehe},
        {"Luftdichte", f.Luftdichte},
        {"ZusaetzlicheMassen", f.ZusaetzlicheMassen},
        {"Gesamtmasse", f.Gesamtmasse},
        {"FlaecheWahrGesamt", f.FlaecheWahrGesamt},
        {"FlaecheHorizontalGesamt", f.FlaecheHorizontalGesamt},
        {"FlaecheSeitlichGesamt", f.FlaecheSeitlichGesamt},
        {"Bezugstiefe", f.Bezugstiefe},
        {"Flaechenbelastung", f.Flaechenbelastung},
        {"RumpfQuerschnittflaeche", f.RumpfQuerschnittflaeche},
        {"AuftriebspunktY", f.AuftriebspunktY},
        {"WiderstandspunktY", f.WiderstandspunktY},
        {"SeitenkraftpunktX", f.SeitenkraftpunktX},
        {"SeitenkraftpunktZ", f.SeitenkraftpunktZ},
        {"Steigwinkel", f.Steigwinkel},
        {"Schubkraft", f.Schubkraft},
    };
    for (const auto& [name, wert] : werte) Zahl(b, name, wert);
    for (const TFlugzeugergebnis& e : Flugzeugergebnisse())
        if (e.Schluessel) Zahl(b, e.Schluessel, e.Wert(f));
    // Without the two extra runs of a design computation there is no robust value: null.
    const TRobusterNeutralpunkt& r = f.NeutralpunktRobust;
    const Extended fehlt = std::numeric_limits<Extended>::quiet_NaN();
    Zahl(b, "NeutralpunktRobust", r.Gueltig ? r.Neutralpunkt : fehlt);
    Zahl(b, "StabilitaetsmassRobust", r.Gueltig ? r.Stabilitaetsmass : fehlt);
    b.Vektor("Momentenbezugspunkt", "Momentenbezugspunkt", f.Momentenbezugspunkt);
    b.Vektor("Gesamtkraft", "Gesamtkraft", f.Gesamtkraft);
    b.Vektor("Anstroemrichtung", "Anstroemrichtung", f.Anstroemrichtung);
    b.Vektor("Auftriebsrichtung", "Auftriebsrichtung", f.Auftriebsrichtung);
    b.Vektor("Seitenkraftrichtung", "Seitenkraftrichtung", f.Seitenkraftrichtung);
    b.Ganzzahl("MomentenrichtungNick", "MomentenrichtungNick", f.Momentenrichtung[0]);
    b.Ganzzahl("MomentenrichtungRoll", "MomentenrichtungRoll", f.Momentenrichtung[1]);
    b.Ganzzahl("MomentenrichtungGier", "MomentenrichtungGier", f.Momentenrichtung[2]);
}

void FlaecheJson(const TFLAECHE& fl, TBericht& b)
{
    b.Text("Bezeichnung", "Bezeichnung", fl.Bezeichnung);
    const std::pair<const char*, Extended> werte[] = {
        {"FlaecheWahr", fl.FlaecheWahr},
        {"FlaecheHorizontal", fl.FlaecheHorizontal},
        {"FlaecheSeitlich", fl.FlaecheSeitlich},
        {"Spannweite", fl.Spannweite},
        {"Streckung", fl.Streckung},
        {"Bezugstiefe", fl.Bezugstiefe},
    };
    for (const auto& [name, wert] : werte) Zahl(b, name, wert);
    for (const TFlaechenergebnis& e : Flaechenergebnisse()) Zahl(b, e.Schluessel, e.Wert(fl));
    b.Vektor("Kraft", "Kraft", fl.Kraft);
    for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j)
        StreifenBericht(fl, j, b.Eintrag("Streifen", "Streifen " + std::to_string(j)));
}

void AuslegungJson(const TAuslegungsergebnis& e, const THost& host, TBericht& b)
{
    b.Wahrheitswert("Erfolg", "Erfolg", e.Ausgang == TAuslegungsausgang::Erfolg);
    b.Wahrheitswert("ZielErreicht", "ZielErreicht", e.ZielErreicht);
    b.Ganzzahl("Fehlertext", "Fehlertext", e.Fehlertext);
    b.Ganzzahl("Iterationsschritt", "Iterationsschritt", e.Iterationsschritt);
    b.Ganzzahl("Laeufe", "Laeufe", e.Laeufe);
    b.Wahrheitswert("ErgebnisseGueltig", "ErgebnisseGueltig", host.Flags.ErgebnisseGueltig);
    b.Wahrheitswert("ProfilauswertungGueltig", "ProfilauswertungGueltig", host.Flags.ProfilauswertungGueltig);
}

void SeitenDrucken(TFLUGZEUG& f, const THost& host, std::ostream& aus)
{
    for (int seite = 0; seite <= f.Flaechen.Count(); ++seite) {
        aus << "== " << Seitentitel(f, seite, host) << " ==\n";
        const std::vector<std::string> zeilen =
            seite == 0 ? FlugzeugText(f, host, '.') : FlaechenText(*f.Flaechen.Get(seite - 1), host, '.');
        for (const std::string& z : zeilen) aus << z << '\n';
        aus << '\n';
    }
}

int Ausfuehren(const TDesignArgumente& a)
{
    std::unique_ptr<TSZENE> szene;
    TSchalter schalter;
    TAuslegungsergebnis ergebnis;
    std::filesystem::path ergebnisdatei;
    TKonsolenHost host(a.rechnen.Still, a.rechnen.Sprache);
    // The outputs are checked before the computation, so no result is computed only to be lost.
    if (a.ausgabe) {
        AusgabedateiPruefen(*a.ausgabe, {a.datei});
        AusgabedateiPruefen(ErgebnisdateiName(*a.ausgabe), {a.datei});
    }
    if (a.transfer) AusgabeordnerPruefen(*a.transfer);
    szene = SzeneLadenUndAufbauen(a.datei, schalter, host);
    TFLUGZEUG& f = *szene->Flugzeug;
    if (a.ziel) f.Auslegungsnummer = *a.ziel;
    if (a.wert && !EingabeUebernehmen(host, Zielfeld(f.Auslegungsnummer), *a.wert, Zielwert(f, f.Auslegungsnummer)))
        return 2;

    TAuslegungsoptionen optionen;
    optionen.Rechnen.Loeser = Loesereinstellungen(a.rechnen);
    if (a.transfer) optionen.Transferordner = *a.transfer;
    {
        const TSigintStopp sigint(host.Flags.Stoppanforderung);
        ergebnis = Auslegungsberechnung(*szene, schalter, host, optionen);
    }
    const bool erfolg = ergebnis.Ausgang == TAuslegungsausgang::Erfolg;
    // A write that fails at the very end (a full disk, a folder made read-only meanwhile) is
    // reported after the results, which are printed all the same.
    std::vector<std::string> schreibfehler;
    if (!ergebnis.Transferfehler.empty()) schreibfehler.push_back(ergebnis.Transferfehler);
    if (erfolg && a.ausgabe) {
        try {
            ergebnisdatei = ErgebnisdateiSpeichern(f, host, *a.ausgabe);
        } catch (const EDatei& e) {
            schreibfehler.push_back(e.what());
        }
    }

    if (a.rechnen.Json) {
        TBericht bericht;
        FlugzeugseiteVorbereiten(f, host);
        FlugzeugJson(f, bericht);
        for (int i = 0; i < f.Flaechen.Count(); ++i)
            FlaecheJson(*f.Flaechen.Get(i), bericht.Eintrag("Flaechen", "Fläche " + std::to_string(i)));
        AuslegungJson(ergebnis, host, bericht.Eintrag("Auslegung", "Auslegung"));
        std::cout << JsonText(bericht.Json()) << '\n';
    } else if (erfolg) {
        SeitenDrucken(f, host, std::cout);
    }
    if (!erfolg) {
        if (ergebnis.Ausgang == TAuslegungsausgang::Gestoppt)
            std::cerr << Aufruftext(315, "Auslegungsberechnung gestoppt.") << '\n';
        if (!ergebnis.NichtEndlich.empty())
            std::cerr << Aufruftext(316, "Erster Wert ohne endliche Zahl: %1", {ergebnis.NichtEndlich}) << '\n';
        return 1;
    }
    for (const std::string& zeile : NeutralpunktWarnung(f, host, '.')) std::cerr << zeile << '\n';
    if (!ergebnis.ZielErreicht)
        std::cerr << Aufruftext(317,
                                "Hinweis: Ziel nach %1 Iterationsschritten nicht auf 1e-6 erreicht; Ergebnis des letzten Laufs.",
                                {std::to_string(ergebnis.Iterationsschritt)})
                  << '\n';
    if (!a.rechnen.Still) {
        if (!ergebnisdatei.empty()) std::cerr << Aufruftext(318, "Ergebnisdatei: %1", {ergebnisdatei.string()}) << '\n';
        if (!ergebnis.Transferdatei.empty())
            std::cerr << Aufruftext(319, "Transferdatei: %1", {ergebnis.Transferdatei.string()}) << '\n';
    }
    for (const std::string& fehler : schreibfehler) std::cerr << Aufruftext(302, "Fehler: %1", {fehler}) << '\n';
    return schreibfehler.empty() ? 0 : 2;
}

}  // namespace

void RegistriereDesign(CLI::App& app, TLauf& lauf)
{
    static TDesignArgumente a;
    CLI::App* befehl = app.add_subcommand("design", Sprachwahl("Auslegungsberechnung für den stationären Flug",
                                                               "Design computation for steady flight"));
    befehl->add_option("SZENE", a.datei, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("--ziel", a.ziel,
                       Sprachwahl("Auslegungsziel (statt dem der Szene): 1 Anstellwinkel, 2 Auslegungs-CA, "
                                  "3 Stabilitätsmaß, 4 Schwerpunktlage, 5 Fluggeschwindigkeit",
                                  "design target (instead of the scene's): 1 angle of attack, 2 design CA, "
                                  "3 static margin, 4 centre of gravity, 5 flight speed"))
        ->check(Ganzzahlbereich(1, 5));
    befehl->add_option("--wert", a.wert, Sprachwahl("Wert des Auslegungsziels (statt dem der Szene)",
                                                    "value of the design target (instead of the scene's)"));
    befehl->add_option("--out", a.ausgabe, Sprachwahl("Ergebnisdatei (.VelOut) schreiben",
                                                      "write the result file (.VelOut)"));
    befehl->add_option("--transfer", a.transfer, Sprachwahl("Ordner, in den transfer.txt geschrieben wird",
                                                            "folder that transfer.txt is written into"))
        ->check(VorhandenerOrdner());
    RechenoptionenHinzufuegen(*befehl, a.rechnen);
    befehl->callback([&lauf] { lauf = [] { return Ausfuehren(a); }; });
}
