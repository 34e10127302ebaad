// Options, Ctrl-C handling and strip reports of the computing commands.
#include "cli/Rechenbefehl.h"

#include <algorithm>

#include "cli/Aufrufsprache.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "model/TErgebnis.h"
#include "model/T_FLAECHE.h"

namespace {

/// The largest --threads the command line takes.
constexpr int HoechsteThreadzahl = 1024;

// The stop request the SIGINT handler sets. Storing into a lock-free atomic is all a handler may
// safely do; the computation notices the request at its next check.
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::atomic<bool>*>::is_always_lock_free);
std::atomic<std::atomic<bool>*> sigintStopp{nullptr};

extern "C" void BeiSigint(int)
{
    if (std::atomic<bool>* stopp = sigintStopp.load()) stopp->store(true);
}

}  // namespace

void RechenoptionenHinzufuegen(CLI::App& befehl, TRechenargumente& a)
{
    befehl.add_option("--threads", a.Threads, Sprachwahl("Zahl der Rechenthreads, 0 = einer je Prozessor (Vorgabe)",
                                                         "number of computing threads, 0 = one per processor (default)"))
        ->check(Ganzzahlbereich(0, HoechsteThreadzahl));
    befehl.add_flag("--no-multithread", a.KeinMultithread, Sprachwahl("seriell aufbauen und direkt lösen",
                                                                      "build serially and solve directly"));
    befehl.add_option("--loeser", a.Loeser,
                      Sprachwahl("schnell: double mit LU-Zerlegung und Nachiteration (Vorgabe); genau: alles in Extended",
                                 "schnell: double with LU decomposition and refinement (default); genau: everything in Extended"))
        ->check(CLI::IsMember({"schnell", "genau"}));
    befehl.add_flag("--json", a.Json, Sprachwahl("ein JSON-Objekt auf stdout", "one JSON object on stdout"));
    befehl.add_flag("--quiet", a.Still, Sprachwahl("kein Fortschritt auf stderr", "no progress on stderr"));
    SpracheOptionHinzufuegen(befehl, a.Sprache);
}

TLoeserEinstellungen Loesereinstellungen(const TRechenargumente& a)
{
    TLoeserEinstellungen e;
    e.Multithread = !a.KeinMultithread;
    e.Verfahren = a.Loeser == "genau" ? TLoesungsverfahren::Genau : TLoesungsverfahren::Schnell;
    // More workers than a few per processor only cost thread starts; the rows are shared anyway.
    if (a.Threads > 0) e.Prozessorzahl = std::min(a.Threads, 4 * Prozessorzahl());
    return e;
}

TSigintStopp::TSigintStopp(std::atomic<bool>& stopp)
{
    sigintStopp.store(&stopp);
    // A program started with SIGINT ignored (a background job) keeps ignoring it.
    sigaction(SIGINT, nullptr, &vorher_);
    if (vorher_.sa_handler == SIG_IGN) return;
    struct sigaction aktion {};
    aktion.sa_handler = BeiSigint;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &aktion, &vorher_);
}

TSigintStopp::~TSigintStopp()
{
    sigaction(SIGINT, &vorher_, nullptr);
    sigintStopp.store(nullptr);
}

void StreifenBericht(const TFLAECHE& fl, int j, TBericht& b)
{
    for (int slot = 0; slot < ErgebnisSlotAnzahl; ++slot) {
        const TErgebnis* e = fl.Ergebnisraster.Get(j, slot);
        const char* name = ErgebnisSlotName(slot);
        if (!e || !name) continue;
        switch (ErgebnisSlotArt(slot)) {
        case TErgebnisArt::Wert: b.Zahl(name, name, e->Wert); break;
        case TErgebnisArt::Punkt: b.Vektor(name, name, e->Punkt); break;
        case TErgebnisArt::Vektor: b.Vektor(name, name, e->Vektor); break;
        }
    }
}
