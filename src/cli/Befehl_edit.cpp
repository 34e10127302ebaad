// velion-cli edit: the editing operations and the import in batch. The operations run in the order
// given on the scene in memory; only when every one applied is the result written, atomically.
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbearbeitung.h"
#include "geometry/Parameteraenderungen.h"
#include "import/Import.h"
#include "model/T_Szene.h"

namespace {

/// An operation that does not apply to this scene: named with its option, nothing is written.
class ENichtAnwendbar : public EVelionFehler {
public:
    ENichtAnwendbar(const std::string& option, const std::string& wert, const std::string& grund)
        : EVelionFehler(option + " " + wert + ": " + grund)
    {
    }
};

struct TEditOptionen {
    std::string Ein, Aus, Sprache;
    std::string Flaeche;                 ///< --flaeche for --skalieren: one surface instead of the aircraft
    std::string Massen = "unveraendert";
    std::vector<std::string> Ohne;       ///< the scaling window's check boxes left unticked
    std::string Teilung = "hinterkante";
};

std::string KeineFlaeche() { return Sprachwahl("das Flugzeug hat keine Fläche", "the aircraft has no surface"); }

int Ganzzahl(const std::string& option, const std::string& text)
{
    try {
        return TextToInt(text);
    } catch (const EKonvertierung&) {
        throw ENichtAnwendbar(option, text, Sprachwahl("erwartet wird ein Index (ganze Zahl ab 0)",
                                                       "expected an index (whole number from 0)"));
    }
}

Extended Zahl(const std::string& option, const std::string& text)
{
    try {
        return TextToReal(text);
    } catch (const EKonvertierung&) {
        throw ENichtAnwendbar(option, text, Sprachwahl("erwartet wird eine Zahl", "expected a number"));
    }
}

std::vector<std::string> Teile(const std::string& text, char trenner)
{
    std::vector<std::string> teile;
    std::size_t a = 0;
    for (;;) {
        const std::size_t e = text.find(trenner, a);
        teile.push_back(text.substr(a, e - a));
        if (e == std::string::npos) return teile;
        a = e + 1;
    }
}

/// Makes surface `text` (and segment, "I:J") current; refuses indices outside the scene.
TFLAECHE& Waehlen(TFLUGZEUG& fz, const std::string& option, const std::string& text, bool segmentNoetig, int* segment = nullptr)
{
    const std::vector<std::string> teile = Teile(text, ':');
    if (teile.size() > 2 || (segmentNoetig && teile.size() != 2))
        throw ENichtAnwendbar(option, text, segmentNoetig ? Sprachwahl("erwartet wird FLAECHE:SEGMENT",
                                                                       "expected SURFACE:SEGMENT")
                                           : Sprachwahl("erwartet wird FLAECHE oder FLAECHE:SEGMENT",
                                                        "expected SURFACE or SURFACE:SEGMENT"));
    const int i = Ganzzahl(option, teile[0]);
    if (i < 0 || i >= fz.Flaechen.Count())
        throw ENichtAnwendbar(option, text,
                              fz.Flaechen.Count() == 0
                                  ? KeineFlaeche()
                                  : Sprachwahl("keine solche Fläche (vorhanden: 0 bis ",
                                               "no such surface (present: 0 to ") +
                                        std::to_string(fz.Flaechen.Count() - 1) + ")");
    TFLAECHE& f = *fz.Flaechen.Get(i);
    fz.AktuelleFlaeche = i;
    if (teile.size() == 2) {
        const int j = Ganzzahl(option, teile[1]);
        if (j < 0 || j >= f.Segmente.Count())
            throw ENichtAnwendbar(option, text,
                                  Sprachwahl("keine solche Segmentnummer (Fläche ",
                                             "no such segment number (surface ") +
                                      std::to_string(i) + Sprachwahl(" hat die Segmente 0 bis ",
                                                                     " has the segments 0 to ") +
                                      std::to_string(f.Segmente.Count() - 1) + ")");
        f.AktuellesSegment = j;
        if (segment) *segment = j;
    } else if (segment) {
        *segment = -1;
    }
    return f;
}

TSkalierung Skalierwahl(const TEditOptionen& o)
{
    TSkalierung w;
    w.Massen = o.Massen == "linear" ? TMassenregel::Linear : o.Massen == "quadratisch" ? TMassenregel::Quadratisch : TMassenregel::Unveraendert;
    for (const std::string& aus : o.Ohne) {
        if (aus == "profiltiefen") w.Profiltiefen = false;
        if (aus == "segmentbreiten") w.Segmentbreiten = false;
        if (aus == "position-x") w.PositionX = false;
        if (aus == "position-y") w.PositionY = false;
        if (aus == "position-z") w.PositionZ = false;
        if (aus == "rumpfquerschnitt") w.Rumpfquerschnitt = false;
        if (aus == "nachlauflaengen") w.Nachlauflaengen = false;
    }
    return w;
}

/// Runs one operation; returns a line for the report.
std::string Ausfuehren(TBearbeitung& b, const TEditOptionen& o, const std::string& option, const std::string& wert)
{
    TFLUGZEUG& fz = b.Flugzeug;
    const TTeilungstiefe teilung = o.Teilung == "linear" ? TTeilungstiefe::ProfiltiefeLinearHalten : TTeilungstiefe::HinterkanteGerade;
    auto verweigert = [&](const std::string& grund) { return ENichtAnwendbar(option, wert, grund); };
    if (option == "--skalieren") {
        const Extended faktor = Zahl(option, wert);
        if (!(faktor > 0.0L)) throw verweigert(Sprachwahl("der Faktor muss größer als 0 sein",
                                                          "the factor must be greater than 0"));
        int flaeche = -1;
        if (!o.Flaeche.empty()) {
            Waehlen(fz, "--flaeche", o.Flaeche, false);
            flaeche = fz.AktuelleFlaeche;
        }
        if (!Skalieren(b, faktor, Skalierwahl(o), flaeche)) throw verweigert(KeineFlaeche());
        return Sprachwahl("skaliert mit ", "scaled by ") + wert +
               (flaeche < 0 ? Sprachwahl(" (Flugzeug)", " (aircraft)") : Sprachwahl(" (Fläche ",
                                                                                    " (surface ") + o.Flaeche + ")");
    }
    if (option == "--nullpunkt") {
        const std::vector<std::string> d = Teile(wert, ',');
        if (d.size() != 3) throw verweigert(Sprachwahl("erwartet wird DX,DY,DZ in m", "expected DX,DY,DZ in m"));
        if (!Nullpunktverschiebung(b, {Zahl(option, d[0]), Zahl(option, d[1]), Zahl(option, d[2])}))
            throw verweigert(KeineFlaeche());
        return Sprachwahl("Nullpunkt verschoben um ", "origin moved by ") + wert + " m";
    }
    if (option == "--spiegeln") {
        int segment = -1;
        TFLAECHE& f = Waehlen(fz, option, wert, false, &segment);
        // Without a segment the right half is the original, as it is drawn and edited mostly.
        if (segment < 0) f.AktuellesSegment = f.Segmente.Count() - 1;
        if (!FlaecheSpiegeln(b))
            throw verweigert(Sprachwahl("das Segment hat die Breite 0 (keine Seite zum Spiegeln)",
                                        "the segment has the width 0 (no side to mirror)"));
        return Sprachwahl("gespiegelt: Fläche ", "mirrored: surface ") + std::to_string(fz.AktuelleFlaeche) +
               Sprachwahl(", jetzt ", ", now ") + std::to_string(f.Segmente.Count()) + Sprachwahl(" Segmente",
                                                                                                  " segments");
    }
    if (option == "--kopieren") {
        Waehlen(fz, option, wert, false);
        FlaecheKopie(b);
        return Sprachwahl("kopiert: Fläche ", "copied: surface ") + wert + Sprachwahl(" als Fläche ", " as surface ") +
               std::to_string(fz.AktuelleFlaeche);
    }
    if (option == "--loeschen") {
        Waehlen(fz, option, wert, false);
        if (!FlaecheLoeschen(b)) throw verweigert(Sprachwahl("die Fläche wurde nicht gelöscht",
                                                             "the surface was not deleted"));
        return Sprachwahl("gelöscht: Fläche ", "deleted: surface ") + wert;
    }
    if (option == "--teilen") {
        Waehlen(fz, option, wert, true);
        if (!SegmentSplitten(b, 0.5L, teilung))
            throw verweigert(Sprachwahl("ein Segment der Breite 0 lässt sich nicht teilen",
                                        "a segment of width 0 cannot be split"));
        return Sprachwahl("geteilt: Segment ", "split: segment ") + wert;
    }
    if (option == "--ellipse") {
        const int vorher = fz.Flaechen.Count();
        if (!ElliptischeFlaeche(b, wert))
            throw verweigert(Sprachwahl("erwartet wird eine ganze Zahl von Segmenten je Seite, größer als 0",
                                        "expected a whole number of segments per side, greater than 0"));
        return Sprachwahl("elliptische Fläche ", "elliptic surface ") + std::to_string(vorher) + Sprachwahl(" mit ",
                                                                                                            " with ") +
               wert + Sprachwahl(" Segmenten je Seite", " segments per side");
    }
    if (option == "--panels-auto") {
        int segment = -1;
        TFLAECHE& f = Waehlen(fz, option, wert, false, &segment);
        const int von = segment < 0 ? 0 : segment;
        const int bis = segment < 0 ? f.Segmente.Count() - 1 : segment;
        for (int j = von; j <= bis; ++j) {
            f.AktuellesSegment = j;
            if (!Panelautomatik(b))
                throw verweigert("Segment " + std::to_string(j) + Sprachwahl(" hat die Breite 0", " has the width 0"));
        }
        return Sprachwahl("Panelautomatik: Fläche ", "automatic panels: surface ") + wert;
    }
    if (option == "--import") {
        if (ImportformatAusDatei(wert) == TImportformat::Unbekannt)
            throw verweigert(Sprachwahl("erwartet wird eine Datei .vel, .Tt4, .Tx4 oder .FLG",
                                        "expected a file .vel, .Tt4, .Tx4 or .FLG"));
        const int n = Importieren(b, wert);
        return Sprachwahl("importiert: ", "imported: ") + std::to_string(n) + Sprachwahl(" Fläche(n) aus ",
                                                                                         " surface(s) from ") + wert;
    }
    throw EVelionFehler(Sprachwahl("unbekannte Operation ", "unknown operation ") + option);
}

/// The operation options: name, value, help in German and in English.
const char* const Operationen[][4] = {
    {"--skalieren", "FAKTOR", "Flugzeug (oder mit --flaeche eine Fläche) skalieren",
     "scale the aircraft (or with --flaeche one surface)"},
    {"--nullpunkt", "DX,DY,DZ", "alle Flächen gegen den Nullpunkt verschieben [m]", "move all surfaces against the origin [m]"},
    {"--spiegeln", "FLAECHE[:SEGMENT]", "die Seite des Segments (Vorgabe: rechte Hälfte) auf die andere spiegeln",
     "mirror the side of the segment (default: right half) onto the other"},
    {"--kopieren", "FLAECHE", "Fläche kopieren", "copy a surface"},
    {"--loeschen", "FLAECHE", "Fläche löschen", "delete a surface"},
    {"--teilen", "FLAECHE:SEGMENT", "Segment in der Mitte teilen", "split a segment in the middle"},
    {"--ellipse", "N", "elliptische Fläche mit N Segmenten je Seite anhängen", "append an elliptic surface with N segments per side"},
    {"--panels-auto", "FLAECHE[:SEGMENT]", "Panelautomatik für ein Segment oder alle Segmente der Fläche",
     "automatic panels for one segment or all segments of the surface"},
    {"--import", "DATEI", "Flächen aus .vel, .Tt4, .Tx4 oder .FLG anhängen", "append surfaces from .vel, .Tt4, .Tx4 or .FLG"},
};

}  // namespace

void RegistriereEdit(CLI::App& app, TLauf& lauf)
{
    static TEditOptionen o;
    CLI::App* befehl = app.add_subcommand("edit", Sprachwahl("Bearbeitungsoperationen und Import, der Reihe nach; schreibt das Ergebnis",
                                                             "editing operations and import, in the order given; writes the result"));
    befehl->add_option("SZENE", o.Ein, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("--out", o.Aus, Sprachwahl("neue Szenendatei (ersetzt eine vorhandene erst, wenn alles gelang)",
                                                  "new scene file (replaces an existing one only when everything succeeded)"))->required()->type_name("DATEI");
    for (const auto& op : Operationen)
        befehl->add_option(op[0])->description(Sprachwahl(op[2], op[3]))->type_name(op[1])->expected(1)->take_all();
    befehl->add_option("--flaeche", o.Flaeche, Sprachwahl("--skalieren wirkt nur auf diese Fläche (ohne Positionen)",
                                                          "--skalieren acts on this surface only (without positions)"))->type_name("I");
    befehl->add_option("--massen", o.Massen, Sprachwahl("Massen beim Skalieren: unveraendert, linear oder quadratisch",
                                                        "masses when scaling: unveraendert, linear or quadratisch"))
        ->check(CLI::IsMember({"unveraendert", "linear", "quadratisch"}));
    befehl->add_option("--ohne", o.Ohne, Sprachwahl("beim Skalieren nicht ändern (mehrfach): profiltiefen, segmentbreiten, position-x, position-y, position-z, rumpfquerschnitt, nachlauflaengen",
                                                    "leave unchanged when scaling (repeatable): profiltiefen, segmentbreiten, position-x, position-y, position-z, rumpfquerschnitt, nachlauflaengen"))
        ->check(CLI::IsMember({"profiltiefen", "segmentbreiten", "position-x", "position-y", "position-z", "rumpfquerschnitt", "nachlauflaengen"}))
        ->take_all();
    befehl->add_option("--teilung", o.Teilung, Sprachwahl("Profiltiefe des neuen Schnitts beim Teilen: hinterkante (gerade Hinterkante) oder linear",
                                                          "chord of the new section when splitting: hinterkante (straight trailing edge) or linear"))
        ->check(CLI::IsMember({"hinterkante", "linear"}));
    SpracheOptionHinzufuegen(*befehl, o.Sprache);
    befehl->callback([&lauf, befehl] {
        // The operations in the order given: every value of an operation option in parse order.
        std::vector<std::pair<std::string, std::string>> folge;
        std::map<const CLI::Option*, std::size_t> genutzt;
        for (const CLI::Option* opt : befehl->parse_order()) {
            bool operation = false;
            for (const auto& op : Operationen) operation = operation || opt->get_name() == op[0];
            if (!operation) continue;
            folge.emplace_back(opt->get_name(), opt->results().at(genutzt[opt]++));
        }
        lauf = [folge] {
            TKonsolenHost host(true, o.Sprache);
            AusgabedateiPruefen(o.Aus, {});
            const TGeladeneSzene g = LadeSzene(o.Ein, host);
            if (folge.empty())
                throw EVelionFehler(Sprachwahl("keine Operation angegeben (z. B. --spiegeln 0); es wird nichts geschrieben",
                                               "no operation given (e.g. --spiegeln 0); nothing is written"));
            TBearbeitung b{*g.Szene->Flugzeug, host, g.Schalter.ImmerSpiegeln};
            std::vector<std::string> bericht;
            for (const auto& [option, wert] : folge) {
                try {
                    bericht.push_back(Ausfuehren(b, o, option, wert));
                } catch (const ENichtAnwendbar& e) {
                    std::cerr << Aufruftext(302, "Fehler: %1", {e.what()})
                              << Sprachwahl("; es wird nichts geschrieben", "; nothing is written") << '\n';
                    return 2;
                }
            }
            WriteScene(o.Aus, *g.Szene, g.Schalter);
            for (const std::string& zeile : bericht) std::cout << zeile << '\n';
            std::cout << Sprachwahl("geschrieben: ",
                                    "written: ") << o.Aus << " (" << g.Szene->Flugzeug->Flaechen.Count()
                      << Sprachwahl(" Flächen)", " surfaces)") << '\n';
            return 0;
        };
    });
}
