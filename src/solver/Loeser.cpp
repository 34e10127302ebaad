// Gauss elimination and BiCGSTAB for the bound circulations.
#include "solver/Loeser.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "solver/T_Thread_Szene.h"

void Loesungsfortschritt(THost& host, int position, int maximum)
{
    host.Fortschritt(TFortschrittsbalken::Haupt, position, maximum);
    host.Fortschritt(TFortschrittsbalken::Neben, position, maximum);
}

TLoesung LoesungGestoppt(THost& host, int maximum, bool statusLoeschen)
{
    Loesungsfortschritt(host, 0, maximum);
    host.Flags.RechnungLaeuft = false;
    host.NeuZeichnen();
    if (statusLoeschen) host.Statustext("");
    return TLoesung::Gestoppt;
}

TLoesung LoesungNichtLoesbar(THost& host, int maximum, const std::string& grund)
{
    Loesungsfortschritt(host, 0, maximum);
    host.Statustext(Sprachwahl("Gleichungssystem nicht lösbar: ", "Equation system not solvable: ") + grund);
    host.Fehlertext(FehlertextSystemNichtLoesbar);
    return TLoesung::Fehlgeschlagen;
}

namespace {

void PruefeVollstaendig(const TGleichungssystem& system)
{
    if (!system.Vollstaendig())
        throw EVelionFehler(Sprachwahl("Das Gleichungssystem ist nicht vollständig aufgebaut; es kann nicht gelöst werden",
                                       "The equation system is not completely assembled; it cannot be solved"));
}

bool RechteSeiteNull(const TGleichungssystem& system)
{
    for (int i = 0; i < system.N(); ++i)
        if (system.Zeile(i)[static_cast<std::size_t>(system.N())] != 0.0L) return false;
    return true;
}

void SchreibeZirkulationen(TGleichungssystem& system, const TVector& x)
{
    for (int i = 0; i < system.N(); ++i) system.Panel(i).GebundenerWirbel.Zirkulation = x[static_cast<std::size_t>(i)];
}

bool Endlich(const TVector& x)
{
    return std::all_of(x.begin(), x.end(), [](Extended v) { return std::isfinite(v); });
}

std::string PanelText(const TGleichungssystem& system, int i)
{
    const TPAN& p = system.Panel(i);
    // Counted from 0 like the surfaces and strips of info, run and the lattice table.
    return "Panel " + std::to_string(i) + Sprachwahl(" (Fläche ", " (surface ") + std::to_string(p.Flaeche) +
           Sprachwahl(", Streifen ", ", strip ") + std::to_string(p.Streifen) + Sprachwahl(", Spalte ", ", column ") +
           std::to_string(p.Spalte) + ")";
}

/// A divisor BiCGSTAB can go on with.
bool Brauchbar(Extended wert) { return wert != 0.0L && std::isfinite(wert); }

}  // namespace

TLoesung LoeseDirekt(TGleichungssystem& system, THost& host)
{
    const int n = system.N();
    const std::size_t nn = static_cast<std::size_t>(n);
    const std::atomic<bool>& stopp = host.Flags.Stoppanforderung;
    if (stopp) return LoesungGestoppt(host, n - 1, true);
    PruefeVollstaendig(system);
    host.StatustextNr(AusgabetextLoesung);
    Loesungsfortschritt(host, 0, n - 1);
    if (RechteSeiteNull(system)) {
        SchreibeZirkulationen(system, TVector(nn, 0.0L));
        Loesungsfortschritt(host, 0, n - 1);
        return TLoesung::Geloest;
    }

    // Row i, column c of the working copy; column n is the right-hand side.
    const std::size_t breite = nn + 1;
    std::vector<Extended> a(nn * breite);
    const auto at = [&](std::size_t zeile, std::size_t spalte) -> Extended& { return a[zeile * breite + spalte]; };
    for (std::size_t i = 0; i < nn; ++i) {
        const std::span<const Extended> zeile = system.Zeile(static_cast<int>(i));
        for (std::size_t c = 0; c < breite; ++c) {
            if (stopp.load(std::memory_order_relaxed)) return LoesungGestoppt(host, n - 1, true);
            at(i, c) = zeile[c];
        }
    }

    for (std::size_t k = 0; k + 1 < nn; ++k) {
        host.Ereignisschleife();
        Loesungsfortschritt(host, static_cast<int>(k), n - 1);
        const Extended pivot = at(k, k);
        if (!Brauchbar(pivot))
            return LoesungNichtLoesbar(host, n - 1, "Pivot " + std::to_string(static_cast<double>(pivot)) + Sprachwahl(" bei ", " at ") +
                                                 PanelText(system, static_cast<int>(k)));
        const Extended* pivotzeile = &at(k, 0);
        for (std::size_t r = k + 1; r < nn; ++r) {
            if (stopp.load(std::memory_order_relaxed)) return LoesungGestoppt(host, n - 1, false);
            Extended* zeile = &at(r, 0);
            const Extended f = -zeile[k] / pivot;
            for (std::size_t c = k; c < breite; ++c) zeile[c] = zeile[c] + f * pivotzeile[c];
        }
    }

    TVector x(nn, 0.0L);
    for (std::size_t r = nn; r-- > 0;) {
        if (!Brauchbar(at(r, r)))
            return LoesungNichtLoesbar(host, n - 1, "Pivot " + std::to_string(static_cast<double>(at(r, r))) + Sprachwahl(" bei ", " at ") +
                                                 PanelText(system, static_cast<int>(r)));
        x[r] = at(r, nn);
        for (std::size_t c = r + 1; c < nn; ++c) x[r] = x[r] - at(r, c) * x[c];
        x[r] = x[r] / at(r, r);
    }
    if (!Endlich(x)) return LoesungNichtLoesbar(host, n - 1, Sprachwahl("die Lösung enthält ungültige Werte", "the solution holds invalid values"));
    SchreibeZirkulationen(system, x);
    Loesungsfortschritt(host, 0, n - 1);
    return TLoesung::Geloest;
}

TIteration LoeseIterativ(TGleichungssystem& system, THost& host, int threads)
{
    const int n = system.N();
    const std::size_t nn = static_cast<std::size_t>(n);
    if (host.Flags.Stoppanforderung) return TIteration::NichtKonvergiert;
    PruefeVollstaendig(system);
    const TMatrix A = Koeffizientenmatrix(system);
    TVector b(nn);
    for (std::size_t i = 0; i < nn; ++i) b[i] = system.Zeile(static_cast<int>(i))[nn];

    host.StatustextNr(AusgabetextLoesung);
    Loesungsfortschritt(host, 0, 100);
    if (RechteSeiteNull(system)) {
        SchreibeZirkulationen(system, TVector(nn, 0.0L));
        Loesungsfortschritt(host, 0, 100);
        return TIteration::Konvergiert;
    }
    const auto produkt = [&](const TVector& ein, TVector& aus) {
        if (threads > 0)
            MatrixVektorParallel(A, ein, aus, threads, host);
        else
            MatrixVektor(n, A, ein, aus);
    };

    TVector x(nn, 0.0L);
    TVector r;
    Residuum(n, A, x, r, b, threads, host);
    const TVector r0 = r;
    Extended rhoAlt = 1.0L;
    Extended alpha = 1.0L;
    Extended omega = 1.0L;
    TVector v(nn, 0.0L);
    TVector p(nn, 0.0L);
    TVector s(nn, 0.0L);
    TVector t(nn, 0.0L);
    int position = 0;
    int schritt = 5;

    TIteration ergebnis = TIteration::NichtKonvergiert;
    // A zero or non-finite divisor ends the iteration before it can spoil x; the direct solver follows.
    const auto zusammenbruch = [&](long long l, const char* groesse) {
        host.Statustext(Sprachwahl("BiCGSTAB bricht in Schritt ", "BiCGSTAB breaks down in step ") + std::to_string(l) +
                        Sprachwahl(" ab (", " (") + groesse +
                        Sprachwahl(" ist 0 oder ungültig); die direkte Lösung folgt", " is 0 or invalid); the direct solution follows"));
    };
    const long long grenze = 2LL * n - 2;
    for (long long l = 1; l <= 2LL * n; ++l) {
        position += schritt;
        if (position > 100 || position < 0) schritt = -schritt;
        Loesungsfortschritt(host, position, 100);
        host.Ereignisschleife();

        const Extended rho = Skalarprodukt(n, r0, r);
        if (!Brauchbar(rho)) {
            zusammenbruch(l, "r0·r");
            break;
        }
        const Extended beta = (rho / rhoAlt) * (alpha / omega);
        for (std::size_t k = 0; k < nn; ++k) p[k] = r[k] + beta * (p[k] - omega * v[k]);
        produkt(p, v);
        const Extended r0v = Skalarprodukt(n, r0, v);
        if (!Brauchbar(r0v) || !std::isfinite(rho / r0v)) {
            zusammenbruch(l, "r0·v");
            break;
        }
        alpha = rho / r0v;
        for (std::size_t k = 0; k < nn; ++k) s[k] = r[k] - alpha * v[k];
        const Extended ss = Skalarprodukt(n, s, s);
        if (!(ss < 1e-16L)) {
            produkt(s, t);
            const Extended tt = Skalarprodukt(n, t, t);
            const Extended ts = Skalarprodukt(n, t, s);
            if (!Brauchbar(tt) || !std::isfinite(ts / tt)) {
                zusammenbruch(l, "t·t");
                break;
            }
            omega = ts / tt;
        }
        for (std::size_t k = 0; k < nn; ++k) x[k] = x[k] + alpha * p[k] + omega * s[k];
        if (ss < 1e-16L) {
            ergebnis = TIteration::Konvergiert;
            break;
        }
        if (l == grenze) break;
        if (omega == 0.0L) {
            zusammenbruch(l, "omega");
            break;
        }
        for (std::size_t k = 0; k < nn; ++k) r[k] = s[k] - omega * t[k];
        rhoAlt = rho;
        if (host.Flags.Stoppanforderung) break;
    }
    if (Endlich(x)) SchreibeZirkulationen(system, x);
    Loesungsfortschritt(host, 0, 100);
    return ergebnis;
}

bool ParallelAufbauen(const TLoeserEinstellungen& e) { return e.Prozessorzahl > 1 && e.Multithread; }

bool IterativLoesen(int n, const TLoeserEinstellungen& e) { return n > e.DirektBisPanelzahl && e.Multithread; }

bool Aufbauen(TGleichungssystem& system, THost& host, const TLoeserEinstellungen& e)
{
    if (ParallelAufbauen(e)) return BaueSystemParallel(system, host, e.Prozessorzahl);
    return BaueSystem(system, host);
}

TLoesung Loesen(TGleichungssystem& system, THost& host, const TLoeserEinstellungen& e)
{
    if (IterativLoesen(system.N(), e) &&
        LoeseIterativ(system, host, std::max(1, e.Prozessorzahl)) == TIteration::Konvergiert)
        return TLoesung::Geloest;
    return LoeseDirekt(system, host);
}
