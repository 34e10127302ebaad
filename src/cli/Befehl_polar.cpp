// velion-cli polar: a total-polar series of a scene (flap deflections, incidences or the angle of
// attack stepped, one design computation per step); prints the polar table or JSON and writes the
// polar file on request. The scene itself is never changed.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehl_polarausgabe.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "cli/Rechenbefehl.h"
#include "cli/Szenenzugriff.h"
#include "common/Fehler.h"
#include "control/Gesamtpolare.h"
#include "geometry/Szenenaufbau.h"
#include "model/Eingabegrenzen.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"

namespace {

struct TPolarArgumente {
    std::string datei;
    std::vector<std::string> klappen;
    std::vector<std::string> ewd;
    std::optional<std::string> anstellwinkel;
    std::optional<std::string> schritte;
    std::string fix = "schwerpunkt";
    std::string bemerkung;
    std::optional<std::string> ausgabe;
    TRechenargumente rechnen;
};

/// One line per step of the series on stderr (the computation's own status line stays as it is).
void SchrittMelden(int& schritt, int maximum)
{
    ++schritt;
    std::cerr << (TKonsolenHost::StderrIstTerminal() ? "\r\033[K" : "")
              << Aufruftext(321, "Gesamtpolare: Schritt %1 von %2", {std::to_string(schritt), std::to_string(maximum + 1)})
              << '\n'
              << std::flush;
}

/// "A:B:C" as three texts; throws EVelionFehler naming the option when the form is wrong.
std::vector<std::string> Teile(const std::string& text, std::size_t anzahl, const std::string& option)
{
    std::vector<std::string> teile(1);
    for (char c : text) {
        if (c == ':')
            teile.emplace_back();
        else
            teile.back() += c;
    }
    if (teile.size() != anzahl)
        throw EVelionFehler(option + " \"" + text + "\": " +
                            (anzahl == 3 ? Sprachwahl("erwartet wird NUMMER:START:ENDE (Winkel in Grad)",
                                                      "expected NUMBER:START:END (angles in degrees)")
                                         : Sprachwahl("erwartet wird START:ENDE (Winkel in Grad)",
                                                      "expected START:END (angles in degrees)")));
    return teile;
}

std::array<TPolartabellenzeile, 4> Tabelle(const std::vector<std::string>& zeilen, const std::string& option,
                                           const std::string& leer)
{
    if (zeilen.size() > 4)
        throw EVelionFehler(option + ": " + Sprachwahl("erwartet werden höchstens 4 Zeilen",
                                                       "at most 4 rows expected"));
    std::array<TPolartabellenzeile, 4> tabelle;
    for (auto& t : tabelle) t.Nummer = leer;
    for (std::size_t r = 0; r < zeilen.size(); ++r) {
        const auto teile = Teile(zeilen[r], 3, option);
        tabelle[r] = {teile[0], teile[1], teile[2]};
    }
    return tabelle;
}

/// Takes the series options into the aircraft; false after an error text or a message on stderr.
bool ReiheEinstellen(const TPolarArgumente& a, TFLUGZEUG& f, THost& host, TPolarreihe& reihe)
{
    if (a.schritte && !EingabeUebernehmen(host, TEingabefeld::GesamtpolarSchrittzahl, *a.schritte, f.GesamtpolarSchrittzahl))
        return false;
    host.Flags.FehlertextGezeigt = false;
    if (!a.klappen.empty()) {
        reihe = TPolarreihe::Klappen;
        if (KlappentabelleLesen(host, f, Tabelle(a.klappen, "--klappen", "0"))) return true;
        if (!host.Flags.FehlertextGezeigt)
            std::cerr << Aufruftext(302, "Fehler: %1",
                                    {Sprachwahl("--klappen: eine Klappengruppe, die kein Segment der Szene trägt",
                                                "--klappen: a flap group that no segment of the scene carries")})
                      << '\n';
        return false;
    }
    if (!a.ewd.empty()) {
        reihe = TPolarreihe::Ewd;
        if (EwdTabelleLesen(host, f, Tabelle(a.ewd, "--ewd", "-1"))) return true;
        if (!host.Flags.FehlertextGezeigt)
            std::cerr << Aufruftext(302, "Fehler: %1",
                                    {Sprachwahl("--ewd: erwartet wird eine Flächennummer von 0 bis ",
                                                "--ewd: expected a surface number from 0 to ") +
                                     std::to_string(f.Flaechen.Count() - 1)})
                      << '\n';
        return false;
    }
    if (a.anstellwinkel) {
        reihe = TPolarreihe::Anstellwinkel;
        const auto teile = Teile(*a.anstellwinkel, 2, "--anstellwinkel");
        return EingabeUebernehmen(host, TEingabefeld::Anstellwinkel, teile[0], f.PolarAnstellwinkelStart) &&
               EingabeUebernehmen(host, TEingabefeld::Anstellwinkel, teile[1], f.PolarAnstellwinkelEnde);
    }
    reihe = GespeicherteReihe(f);
    return true;
}

TPolarfixierung Fixierung(const std::string& fix)
{
    if (fix == "ca") return TPolarfixierung::Ca;
    if (fix == "anstellwinkel") return TPolarfixierung::Anstellwinkel;
    return TPolarfixierung::Schwerpunkt;
}

const char* AusgangName(TGesamtpolarausgang a)
{
    switch (a) {
    case TGesamtpolarausgang::Gestoppt: return "Gestoppt";
    case TGesamtpolarausgang::Abgebrochen: return "Abgebrochen";
    default: return "Fertig";
    }
}

int Ausfuehren(const TPolarArgumente& a)
{
    TKonsolenHost host(a.rechnen.Still, a.rechnen.Sprache);
    // The output is checked before the series, so no series is computed only to be lost.
    if (a.ausgabe) {
        const auto name = PolardateiName(*a.ausgabe);
        if (!name) {
            host.Fehlertext(47);
            return 2;
        }
        AusgabedateiPruefen(*name, {a.datei});
    }
    TSchalter schalter;
    const std::unique_ptr<TSZENE> szene = SzeneLadenUndAufbauen(a.datei, schalter, host);
    TFLUGZEUG& f = *szene->Flugzeug;
    TGesamtpolaroptionen optionen;
    if (!ReiheEinstellen(a, f, host, optionen.Reihe)) return 2;
    optionen.Fixierung = Fixierung(a.fix);
    optionen.Bemerkung = a.bemerkung;
    optionen.Auslegung.Rechnen.Loeser = Loesereinstellungen(a.rechnen);
    int schritt = 0;
    if (!a.rechnen.Still)
        optionen.Fortschritt = [&schritt](int position, int maximum) {
            if (position > 0) SchrittMelden(schritt, maximum);
        };

    TPolarliste liste;
    TGesamtpolarergebnis ergebnis;
    {
        const TSigintStopp sigint(host.Flags.Stoppanforderung);
        ergebnis = GesamtpolarBerechnen(*szene, schalter, host, liste, optionen);
    }
    if (ergebnis.Ausgang != TGesamtpolarausgang::Fertig) {
        const bool gestoppt = ergebnis.Ausgang == TGesamtpolarausgang::Gestoppt;
        std::cerr << (gestoppt ? Sprachwahl("Gesamtpolare gestoppt", "Total polar stopped")
                               : Sprachwahl("Gesamtpolare nach einem Fehlschritt abgebrochen",
                                            "Total polar aborted after a failed step"))
                  << Sprachwahl("; nach ", "; discarded after ") << ergebnis.Schritte
                  << Sprachwahl(" Schritten verworfen, die Szene ist unverändert.", " steps, the scene is unchanged.")
                  << '\n';
        return 1;
    }
    if (a.ausgabe && !PolarenAusgeben(liste, *a.ausgabe, host, a.rechnen.Still)) return 2;
    if (a.rechnen.Json) {
        TBericht bericht;
        PolarlisteBericht(liste, bericht);
        TBericht& e = bericht.Eintrag("Gesamtpolare", "Gesamtpolare");
        e.Text("Ausgang", "Ausgang", AusgangName(ergebnis.Ausgang));
        e.Ganzzahl("Schritte", "Schritte", ergebnis.Schritte);
        e.Ganzzahl("Fehlschritte", "Fehlschritte", ergebnis.Fehlschritte);
        std::cout << JsonText(bericht.Json()) << '\n';
    } else {
        PolartabelleDrucken(liste, host, std::cout);
    }
    if (ergebnis.Fehlschritte > 0 && ergebnis.Fehlschritte == ergebnis.Schritte) {
        std::cerr << Sprachwahl("Jeder Schritt der Gesamtpolare ist fehlgeschlagen (Info \"FB\").",
                                "Every step of the total polar failed (Info \"FB\").")
                  << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

void RegistrierePolar(CLI::App& app, TLauf& lauf)
{
    static TPolarArgumente a;
    CLI::App* befehl = app.add_subcommand("polar", Sprachwahl("Gesamtpolare: Reihe von Auslegungsberechnungen",
                                                              "total polar: a series of design computations"));
    befehl->add_option("SZENE", a.datei, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    auto* klappen = befehl->add_option("--klappen", a.klappen,
                                       Sprachwahl("Klappenberechnung: Zeile GRUPPE:START:ENDE (bis zu 4; Winkel in Grad)",
                                                  "flap series: row GROUP:START:END (up to 4; angles in degrees)"))
                        ->type_name("G:S:E")
                        ->allow_extra_args(false);
    auto* ewd = befehl->add_option("--ewd", a.ewd, Sprachwahl("EWD-Berechnung: Zeile FLAECHE:START:ENDE (bis zu 4)",
                                                              "incidence series: row SURFACE:START:END (up to 4)"))
                    ->type_name("F:S:E")
                    ->allow_extra_args(false);
    auto* winkel = befehl->add_option("--anstellwinkel", a.anstellwinkel,
                                      Sprachwahl("Anstellwinkel-Berechnung von START bis ENDE in Grad (negativ: --anstellwinkel=-2:6)",
                                                 "angle-of-attack series from START to END in degrees (negative: --anstellwinkel=-2:6)"))
                       ->type_name("S:E");
    klappen->excludes(ewd)->excludes(winkel);
    ewd->excludes(winkel);
    befehl->add_option("--schritte", a.schritte, Sprachwahl("Anzahl Schritte q (die Reihe hat q + 1 Punkte)",
                                                            "number of steps q (the series has q + 1 points)"));
    befehl->add_option("--fix", a.fix, Sprachwahl("was jede Auslegung festhält (Klappen- und EWD-Reihe)",
                                                  "what every design keeps fixed (flap and incidence series)"))
        ->check(CLI::IsMember({"schwerpunkt", "ca", "anstellwinkel"}));
    befehl->add_option("--bemerkung", a.bemerkung, Sprachwahl("Bemerkung zur Gesamtpolare",
                                                              "remark on the total polar"));
    befehl->add_option("--out", a.ausgabe, Sprachwahl("Polardatei (.VELPOL) schreiben",
                                                      "write the polar file (.VELPOL)"));
    RechenoptionenHinzufuegen(*befehl, a.rechnen);
    befehl->callback([&lauf] { lauf = [] { return Ausfuehren(a); }; });
}
