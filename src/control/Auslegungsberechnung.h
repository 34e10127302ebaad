// The design computation for steady flight: computation runs at chosen angles of attack until the
// chosen target (angle of attack, design lift coefficient, stability margin, centre of gravity or
// flight speed) is met, then neutral point, profile evaluation and the transfer file.
#pragma once

#include <filesystem>
#include <string>

#include "common/Extended.h"
#include "control/Rechenlauf.h"

class TSZENE;
class TFLUGZEUG;
class THost;
struct TSchalter;

struct TAuslegungsoptionen {
    TRechenoptionen Rechnen;
    /// Folder of "transfer.txt"; empty: no transfer file.
    std::filesystem::path Transferordner;
    /// Three more runs after the target is met: at the final angle plus and minus 2° for the
    /// robust neutral point, then at the final angle again.
    bool RobusterNeutralpunkt = true;
};

enum class TAuslegungsausgang {
    Erfolg,       ///< target met (or, for targets 2 and 5, the iteration limit reached)
    Fehlschlag,   ///< an error text was raised; the inputs are restored
    Gestoppt,     ///< a stop request ended a run; the inputs are restored
    ZuWenigMasse  ///< total mass below 1 g: nothing was computed
};

struct TAuslegungsergebnis {
    TAuslegungsausgang Ausgang = TAuslegungsausgang::Erfolg;
    int Fehlertext = 0;          ///< number of the error text raised, 0 for none
    bool ZielErreicht = false;   ///< the target tolerance was met (not merely the iteration limit)
    bool Profilauswertung = false;  ///< the profile evaluation ran to its end
    int Iterationsschritt = 0;   ///< last value of the iteration display
    int Laeufe = 0;              ///< computation runs made
    double SekundenLaeufe = 0.0;             ///< time spent in the computation runs
    double SekundenProfilauswertung = 0.0;   ///< time spent in the profile evaluation
    std::filesystem::path Transferdatei;     ///< the transfer file written, empty for none
    /// Why the transfer file could not be written; the results of the computation stand.
    std::string Transferfehler;
    std::string NichtEndlich;  ///< the first result that was no finite number, when that failed it
};

/// The five inputs a design computation may change, saved at its start.
struct TAuslegungseingaben {
    Extended Anstellwinkel = 0.0L;
    Extended AuslegungsCa = 0.0L;
    Extended Stabilitaetsmass = 0.0L;
    Extended SchwerpunktX = 0.0L;
    Extended FlugGeschwindigkeit = 0.0L;
};

TAuslegungseingaben AuslegungseingabenLesen(const TFLUGZEUG& flugzeug);

/// The abort path: restores the saved inputs, rebuilds the lattice, records an undo state and
/// marks the results invalid. No transfer file is written.
void AuslegungZuruecksetzen(TFLUGZEUG& flugzeug, const TAuslegungseingaben& eingaben, THost& host);

/// One design computation ("Berechnung starten") with the target `Auslegungsnummer` of the aircraft.
/// The host receives the error texts and progress; its stop request is cleared at the start.
TAuslegungsergebnis Auslegungsberechnung(TSZENE& szene, const TSchalter& schalter, THost& host,
                                         const TAuslegungsoptionen& optionen);

/// Writes "transfer.txt" (date, time, density, drag force, speed, drag coefficient, true area and
/// total mass as key TAB value) into `ordner`, replacing an existing file atomically; returns its
/// path. Throws EDatei on a write error.
std::filesystem::path TransferDateiSchreiben(const TFLUGZEUG& flugzeug, const std::filesystem::path& ordner);
