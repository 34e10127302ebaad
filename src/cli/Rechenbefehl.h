// What the computing commands (run, design) share: the solver and output options, Ctrl-C as a stop
// request, and the strip results in a report.
#pragma once

#include <atomic>
#include <csignal>
#include <string>

#include <CLI/CLI.hpp>

#include "solver/Loeser.h"

class TBericht;
class TFLAECHE;

struct TRechenargumente {
    int Threads = 0;              ///< 0: one worker per processor
    bool KeinMultithread = false;
    std::string Loeser = "schnell";  ///< "schnell" or "genau"
    bool Json = false;
    bool Still = false;
    std::string Sprache;
};

/// --threads, --no-multithread, --loeser, --json, --quiet and --sprache.
void RechenoptionenHinzufuegen(CLI::App& befehl, TRechenargumente& a);

/// The solver settings the options ask for.
TLoeserEinstellungen Loesereinstellungen(const TRechenargumente& a);

/// While alive, Ctrl-C requests a stop of the computation instead of ending the program; a second
/// Ctrl-C (the handler resets itself) ends it at once.
class TSigintStopp {
public:
    explicit TSigintStopp(std::atomic<bool>& stopp);
    ~TSigintStopp();
    TSigintStopp(const TSigintStopp&) = delete;
    TSigintStopp& operator=(const TSigintStopp&) = delete;

private:
    struct sigaction vorher_ {};
};

/// Every slot of strip `streifen` that holds a record, keyed by slot name.
void StreifenBericht(const TFLAECHE& flaeche, int streifen, TBericht& b);
