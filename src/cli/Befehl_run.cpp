// velion-cli run: one computation run of a scene; prints the aircraft coefficients, the totals of
// every surface and its strip results, as text or as one JSON object. Ctrl-C stops the run.
#include <iomanip>
#include <iostream>
#include <optional>
#include <string>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "cli/Rechenbefehl.h"
#include "common/Zahlentext.h"
#include "control/Rechenlauf.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "model/TErgebnis.h"
#include "geometry/Szenenaufbau.h"
#include "model/Eingabegrenzen.h"
#include "results/Ergebnisfelder.h"

namespace {

struct TRunArgumente {
    std::string datei;
    std::optional<std::string> alpha;
    std::optional<std::string> beta;
    std::optional<std::string> nachlauf;
    TRechenargumente rechnen;
};

/// An angle as the user enters it ("." or ","), checked and rounded like the angle fields;
/// nullopt when the text is no angle between -90 and 90 degrees.
std::optional<Extended> Winkel(const std::string& text)
{
    const TEingabepruefung p = EingabePruefen(TEingabefeld::Anstellwinkel, text);
    return p.Angenommen ? std::optional<Extended>(p.Wert) : std::nullopt;
}

const CLI::Validator WinkelPruefung(
    [](const std::string& text) -> std::string {
        return Winkel(text) ? std::string{} : Aufruftext(309, "'%1' ist kein Winkel zwischen -90 und 90 Grad", {text});
    },
    "GRAD");

/// The caption of a value: the output text `nummer` of the language, else the German default.
std::string Bezeichnung(const THost& host, int nummer, const char* vorgabe)
{
    std::string text = nummer > 0 ? host.Ausgabetext(nummer) : std::string{};
    return text.empty() ? vorgabe : text;
}

/// A result field of the aircraft or of a surface: its caption in the language (its key where the
/// language has no text), its value and unit.
void Ergebnis(TBericht& b, const THost& host, const TFLUGZEUG& fz, const char* schluessel)
{
    const TFlugzeugergebnis& e = Flugzeugergebnis(schluessel);
    b.Zahl(schluessel, Bezeichnung(host, e.Text, schluessel), e.Wert(fz), e.Einheit);
}

void Ergebnis(TBericht& b, const THost& host, const TFLAECHE& fl, const char* schluessel)
{
    const TFlaechenergebnis& e = Flaechenergebnis(schluessel);
    b.Zahl(schluessel, Bezeichnung(host, e.Text, schluessel), e.Wert(fl));
}

void FlugzeugWerte(const TFLUGZEUG& fz, const THost& host, int panelzahl, TBericht& b)
{
    b.Text("Bezeichnung", Bezeichnung(host, 6, "Bezeichnung des Flugzeugs"), fz.Bezeichnung);
    b.Zahl("Anstellwinkel", Bezeichnung(host, 12, "Anstellwinkel"), fz.Anstellwinkel, "°");
    b.Zahl("Schiebewinkel", Bezeichnung(host, 13, "Schiebewinkel"), fz.Schiebewinkel, "°");
    b.Zahl("Luftdichte", Bezeichnung(host, 238, "Luftdichte"), fz.Luftdichte, "kg/m³");
    b.Zahl("Gesamtmasse", Bezeichnung(host, 10, "Gesamtmasse"), fz.Gesamtmasse, "kg");
    b.Zahl("FlaecheHorizontalGesamt", Bezeichnung(host, 7, "Gesamtfläche horizontal projiziert"),
           fz.FlaecheHorizontalGesamt, "m²");
    b.Zahl("FlaecheSeitlichGesamt", Bezeichnung(host, 45, "Gesamtfläche seitlich projiziert"), fz.FlaecheSeitlichGesamt, "m²");
    b.Zahl("FlaecheWahrGesamt", Bezeichnung(host, 44, "Gesamtfläche wahr"), fz.FlaecheWahrGesamt, "m²");
    b.Zahl("Bezugstiefe", Bezeichnung(host, 9, "Bezugsflügeltiefe lu"), fz.Bezugstiefe, "m");
    b.Ganzzahl("Panelzahl", Bezeichnung(host, 323, "Panels"), panelzahl);
    Ergebnis(b, host, fz, "AuslegungsCa");
    Ergebnis(b, host, fz, "CS");
    Ergebnis(b, host, fz, "CWi");
    Ergebnis(b, host, fz, "FlugGeschwindigkeit");
    Ergebnis(b, host, fz, "SchwerpunktX");
    b.Zahl("AuftriebspunktY", Sprachwahl("Auftriebsangriffspunkt Y", "Point of lift Y"), fz.AuftriebspunktY, "m");
    b.Zahl("WiderstandspunktY", Sprachwahl("Widerstandsangriffspunkt Y", "Point of drag Y"), fz.WiderstandspunktY, "m");
    Ergebnis(b, host, fz, "WiderstandspunktZ");
    b.Zahl("SeitenkraftpunktX", Sprachwahl("Seitenkraftangriffspunkt X",
                                           "Point of side force X"), fz.SeitenkraftpunktX, "m");
    b.Zahl("SeitenkraftpunktZ", Sprachwahl("Seitenkraftangriffspunkt Z",
                                           "Point of side force Z"), fz.SeitenkraftpunktZ, "m");
    Ergebnis(b, host, fz, "CmxNullpunkt");
    Ergebnis(b, host, fz, "CmyNullpunkt");
    Ergebnis(b, host, fz, "CmzNullpunkt");
    b.Vektor("Momentenbezugspunkt", Bezeichnung(host, 22, "Momentenbezugspunkt"), fz.Momentenbezugspunkt, "m");
    Ergebnis(b, host, fz, "Cmx");
    Ergebnis(b, host, fz, "Cmy");
    Ergebnis(b, host, fz, "Cmz");
    b.Vektor("Gesamtkraft", Bezeichnung(host, 324, "Gesamtkraft / (rho V²)"), fz.Gesamtkraft, "m²");
}

void FlaecheWerte(const TFLAECHE& fl, const THost& host, TBericht& b)
{
    b.Text("Bezeichnung", Bezeichnung(host, 123, "Bezeichnung"), fl.Bezeichnung);
    b.Zahl("FlaecheHorizontal", Bezeichnung(host, 26, "Fläche horizontal projiziert"), fl.FlaecheHorizontal, "m²");
    b.Zahl("FlaecheSeitlich", Bezeichnung(host, 33, "Fläche seitlich projiziert"), fl.FlaecheSeitlich, "m²");
    b.Zahl("FlaecheWahr", Bezeichnung(host, 35, "Fläche wahr"), fl.FlaecheWahr, "m²");
    b.Zahl("Bezugstiefe", Bezeichnung(host, 27, "Bezugsflügeltiefe"), fl.Bezugstiefe, "m");
    b.Zahl("Spannweite", Bezeichnung(host, 39, "Spannweite"), fl.Spannweite, "m");
    b.Zahl("Streckung", Bezeichnung(host, 40, "Streckung"), fl.Streckung);
    Ergebnis(b, host, fl, "CA");
    Ergebnis(b, host, fl, "CS");
    Ergebnis(b, host, fl, "CWi");
    Ergebnis(b, host, fl, "Cwi");
    Ergebnis(b, host, fl, "CwiElliptisch");
    Ergebnis(b, host, fl, "CwiVerhaeltnis");
    b.Vektor("Kraft", Bezeichnung(host, 325, "Kraft / (rho V²)"), fl.Kraft, "m²");
}

/// The strip results of a surface as a text table (scalar slots; --json carries the points and
/// vectors too).
void StreifenTabelle(const TFLAECHE& fl, std::ostream& aus)
{
    struct TSpalte {
        int slot;
        int dezimalen;
    };
    const TSpalte spalten[] = {{SlotSegmentnummer, 0}, {SlotStreifentiefe, 5}, {SlotStreifenbreite, 5},
                               {SlotGamma, 6},        {SlotCa, 5},            {SlotCwi, 6},
                               {SlotAi, 4},           {SlotRe, 0}};
    constexpr int breite = 15;
    aus << "    " << std::setw(6) << Sprachwahl("Nr", "No");
    for (const TSpalte& s : spalten) aus << std::setw(breite) << ErgebnisSlotName(s.slot);
    aus << '\n';
    for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j) {
        aus << "    " << std::setw(6) << j;
        for (const TSpalte& s : spalten) {
            const TErgebnis* e = fl.Ergebnisraster.Get(j, s.slot);
            aus << std::setw(breite) << RealToText(e ? e->Wert : 0.0L, 0, s.dezimalen);
        }
        aus << '\n';
    }
}

enum class TLaufende { Fertig, Gestoppt, OhneErgebnisse };

/// Loads the scene, applies the overrides, runs and, when results exist, fills the report. The host
/// (and with it the progress line on stderr) ends before the caller prints anything.
TLaufende Rechnen(const TRunArgumente& a, std::unique_ptr<TSZENE>& szene, TBericht& bericht)
{
    TKonsolenHost host(a.rechnen.Still, a.rechnen.Sprache);
    TSchalter schalter;
    szene = SzeneLadenUndAufbauen(a.datei, schalter, host);
    TFLUGZEUG& fz = *szene->Flugzeug;
    if (a.alpha) fz.Anstellwinkel = *Winkel(*a.alpha);
    if (a.beta) fz.Schiebewinkel = *Winkel(*a.beta);
    if (a.nachlauf) {
        schalter.Nachlaufkorrektur = *a.nachlauf == "einzel" || *a.nachlauf == "beide";
        schalter.NachlaufkorrekturKomplett = *a.nachlauf == "komplett" || *a.nachlauf == "beide";
    }
    GesamtmasseBerechnen(fz);

    TRechenoptionen optionen;
    optionen.Loeser = Loesereinstellungen(a.rechnen);
    host.Flags.Stoppanforderung = false;
    {
        const TSigintStopp sigint(host.Flags.Stoppanforderung);
        Rechenlauf(*szene, schalter, optionen, host);
    }
    host.Flags.RechnungLaeuft = false;
    if (host.Flags.Stoppanforderung) return TLaufende::Gestoppt;
    if (!host.Flags.ErgebnisseGueltig) return TLaufende::OhneErgebnisse;

    FlugzeugWerte(fz, host, static_cast<int>(szene->Panelliste.size()), bericht);
    for (int i = 0; i < fz.Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *fz.Flaechen.Get(i);
        TBericht& b = bericht.Eintrag("Flaechen", Bezeichnung(host, 175, "Fläche") + " " + std::to_string(i));
        FlaecheWerte(fl, host, b);
        if (a.rechnen.Json)
            for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j)
                StreifenBericht(fl, j, b.Eintrag("Streifen", "Streifen " + std::to_string(j)));
    }
    return TLaufende::Fertig;
}

int Ausfuehren(const TRunArgumente& a)
{
    std::unique_ptr<TSZENE> szene;
    TBericht bericht;
    switch (Rechnen(a, szene, bericht)) {
    case TLaufende::Gestoppt: std::cerr << Aufruftext(313, "Berechnung gestoppt: keine Ergebnisse.") << '\n'; return 1;
    case TLaufende::OhneErgebnisse:
        std::cerr << Aufruftext(314, "Berechnung ohne gültige Ergebnisse beendet.") << '\n';
        return 1;
    case TLaufende::Fertig: break;
    }
    if (a.rechnen.Json) {
        std::cout << JsonText(bericht.Json()) << '\n';
        return 0;
    }
    bericht.Drucken(std::cout);
    const TFLUGZEUG& fz = *szene->Flugzeug;
    for (int i = 0; i < fz.Flaechen.Count(); ++i) {
        std::cout << Aufruftext(322, "Streifen der Fläche %1", {std::to_string(i)}) << '\n';
        StreifenTabelle(*fz.Flaechen.Get(i), std::cout);
    }
    return 0;
}

}  // namespace

void RegistriereRun(CLI::App& app, TLauf& lauf)
{
    static TRunArgumente a;
    CLI::App* befehl = app.add_subcommand("run", Sprachwahl("Einen Rechenlauf ausführen: Gitter, Lösung, Kräfte",
                                                            "one computation run: lattice, solution, forces"));
    befehl->add_option("SZENE", a.datei, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("--alpha", a.alpha, Sprachwahl("Anstellwinkel in Grad (statt dem der Szene)",
                                                      "angle of attack in degrees (instead of the scene's)"))->check(WinkelPruefung);
    befehl->add_option("--beta", a.beta, Sprachwahl("Schiebewinkel in Grad (statt dem der Szene)",
                                                    "sideslip angle in degrees (instead of the scene's)"))->check(WinkelPruefung);
    befehl->add_option("--wake", a.nachlauf, Sprachwahl("Nachlaufausrichtung (statt der Schalter der Szene)",
                                                        "wake alignment (instead of the scene's switches)"))
        ->check(EinerVon({"aus", "einzel", "komplett", "beide"}));
    RechenoptionenHinzufuegen(*befehl, a.rechnen);
    befehl->callback([&lauf] { lauf = [] { return Ausfuehren(a); }; });
}
