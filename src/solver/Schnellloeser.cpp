// Fast assembly, LU factorisation and refinement of the lattice's system.
#include "solver/Schnellloeser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include <sys/mman.h>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "solver/T_Thread_Szene.h"
#include "solver/Wirbelinduktion.h"

extern "C" {
// LAPACK (OpenBLAS) with 32-bit integers; the trailing length belongs to the character argument.
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgetrs_(const char* trans, const int* n, const int* nrhs, const double* a, const int* lda, const int* ipiv,
             double* b, const int* ldb, int* info, std::size_t transLaenge);
void openblas_set_num_threads(int threads);
}

namespace {

/// At most this many refinement steps; they end earlier when a correction no longer halves.
constexpr int HoechsteVerfeinerung = 6;

Extended Betragsmaximum(const std::vector<Extended>& v)
{
    Extended m = 0.0L;
    for (const Extended w : v) m = std::max(m, std::fabs(w));
    return m;
}

}  // namespace

TSchnellesSystem::TSchnellesSystem(std::span<TPAN* const> panelliste, const T3Vektor& anstroemrichtung)
    : panels_(panelliste.begin(), panelliste.end()), seitenlinien_(Seitenlinien(panelliste))
{
    const std::size_t n = panels_.size();
    for (std::size_t j = 0; j < n; ++j) PruefeTabelle(*panels_[j], static_cast<int>(j));

    std::size_t segmente = 0;
    for (const TPAN* p : seitenlinien_.panels)
        if (p != nullptr) segmente += p->WirbelLinks.size() + p->WirbelRechts.size();
    seitensegmente_.Reservieren(segmente);
    versatz_.reserve(2 * seitenlinien_.panels.size() + 1);
    for (const TPAN* p : seitenlinien_.panels) {
        versatz_.push_back(static_cast<std::uint32_t>(seitensegmente_.Anzahl()));
        if (p != nullptr)
            for (const TWirbel& w : p->WirbelLinks) seitensegmente_.Anhaengen(w);
        versatz_.push_back(static_cast<std::uint32_t>(seitensegmente_.Anzahl()));
        if (p != nullptr)
            for (const TWirbel& w : p->WirbelRechts) seitensegmente_.Anhaengen(w);
    }
    versatz_.push_back(static_cast<std::uint32_t>(seitensegmente_.Anzahl()));

    gebunden_.Reservieren(n);
    aufpunkte_.reserve(n);
    normalen_.reserve(n);
    b_.reserve(n);
    for (const TPAN* p : panels_) {
        gebunden_.Anhaengen(p->GebundenerWirbel);
        aufpunkte_.push_back(PunktD(p->Aufpunkt));
        normalen_.push_back(PunktD(p->Normale));
        b_.push_back(-VierPi * Skalarprodukt3D(anstroemrichtung, p->Normale));
    }
    a_ = Block(n * n);
    lu_ = Block(n * n);
}

TSchnellesSystem::TBlock TSchnellesSystem::Block(std::size_t n)
{
    // Aligned to and advised for huge pages: a matrix of some hundred megabytes then costs a few
    // hundred page faults instead of some ten thousand.
    constexpr std::size_t Seite = std::size_t{2} << 20;
    const std::size_t bytes = std::max<std::size_t>((n * sizeof(double) + Seite - 1) / Seite * Seite, Seite);
    void* p = std::aligned_alloc(Seite, bytes);
    if (p == nullptr) throw std::bad_alloc();
    ::madvise(p, bytes, MADV_HUGEPAGE);
    return TBlock(static_cast<double*>(p));
}

void TSchnellesSystem::BaueZeile(int i)
{
    const std::size_t n = panels_.size();
    const TSeitenlinien& s = seitenlinien_;
    const std::size_t slots = s.panels.size();
    const std::size_t ii = static_cast<std::size_t>(i);

    thread_local std::vector<double> kSeite;
    thread_local std::vector<double> kGebunden;
    thread_local std::vector<double> links;
    thread_local std::vector<double> rechts;
    kSeite.resize(seitensegmente_.Anzahl());
    kGebunden.resize(n);
    links.assign(slots, 0.0);
    rechts.assign(slots, 0.0);
    seitensegmente_.Normalkerne(aufpunkte_[ii], normalen_[ii], kSeite.data());
    gebunden_.Normalkerne(aufpunkte_[ii], normalen_[ii], kGebunden.data());

    // Per slot the kernels of its two lists, then summed from the trailing edge forward so that a
    // slot holds its whole leg from that column rearwards.
    for (std::size_t k = 0; k < slots; ++k) {
        double summe = 0.0;
        for (std::uint32_t w = versatz_[2 * k]; w < versatz_[2 * k + 1]; ++w) summe += kSeite[w];
        links[k] = summe;
        summe = 0.0;
        for (std::uint32_t w = versatz_[2 * k + 1]; w < versatz_[2 * k + 2]; ++w) summe += kSeite[w];
        rechts[k] = summe;
    }
    for (std::size_t k = slots; k-- > 0;) {
        const std::int32_t weiter = s.naechster[k];
        if (weiter < 0) continue;
        links[k] += links[static_cast<std::size_t>(weiter)];
        rechts[k] += rechts[static_cast<std::size_t>(weiter)];
    }

    double* zeile = a_.get() + ii * n;
    double* kopie = lu_.get() + ii * n;
    for (std::size_t j = 0; j < n; ++j) {
        double wert = kGebunden[j];
        if (const std::int32_t lb = s.linkesBein[j]; lb >= 0) wert -= links[static_cast<std::size_t>(lb)];
        if (const std::int32_t rb = s.rechtesBein[j]; rb >= 0)
            wert += s.rechtsAusLinks[j] != 0 ? links[static_cast<std::size_t>(rb)] : rechts[static_cast<std::size_t>(rb)];
        zeile[j] = wert;
        kopie[j] = wert;
    }
}

TLoesung TSchnellesSystem::Loesen(THost& host, int threads)
{
    const int n = N();
    const std::size_t nn = panels_.size();
    const std::atomic<bool>& stopp = host.Flags.Stoppanforderung;
    schritte_ = 0;
    if (stopp) return LoesungGestoppt(host, n - 1, true);
    host.StatustextNr(AusgabetextLoesung);
    Loesungsfortschritt(host, 0, n - 1);
    if (stopp) return LoesungGestoppt(host, n - 1, true);
    const auto schreibe = [&](const std::vector<Extended>& x) {
        for (std::size_t i = 0; i < nn; ++i) panels_[i]->GebundenerWirbel.Zirkulation = x[i];
        Loesungsfortschritt(host, 0, n - 1);
        return TLoesung::Geloest;
    };
    if (std::all_of(b_.begin(), b_.end(), [](Extended w) { return w == 0.0L; }))
        return schreibe(std::vector<Extended>(nn, 0.0L));

    // The rows of a_ are the columns of its transpose, which LAPACK sees: P A^T = L U, and the
    // system A x = b is then solved as the transposed one.
    double* lu = lu_.get();
    std::vector<int> pivot(nn);
    int info = 0;
    openblas_set_num_threads(std::max(1, threads));
    dgetrf_(&n, &n, lu, &n, pivot.data(), &info);
    host.Ereignisschleife();
    if (info < 0) throw EVelionFehler(Sprachwahl("LU-Zerlegung: ungültiges Argument ", "LU factorisation: invalid argument ") + std::to_string(-info));
    // A pivot at the rounding level of the factorisation is a zero pivot that rounding disguised:
    // two panels in the same place give such a system, and its "solution" would be noise.
    double groesster = 0.0;
    for (std::size_t k = 0; k < nn * nn; ++k) groesster = std::max(groesster, std::fabs(a_[k]));
    const double nullpivot = static_cast<double>(n) * std::numeric_limits<double>::epsilon() * groesster;
    for (int k = 0; k < n && info == 0; ++k) {
        const double pivotwert = lu[static_cast<std::size_t>(k) * nn + static_cast<std::size_t>(k)];
        if (!(std::fabs(pivotwert) > nullpivot)) info = k + 1;
    }
    if (info > 0)
        return LoesungNichtLoesbar(host, n - 1, Sprachwahl("Pivot 0 in Schritt ", "Pivot 0 in step ") + std::to_string(info) +
                                             Sprachwahl(" der LU-Zerlegung (", " of the LU factorisation (") + std::to_string(n) +
                                             Sprachwahl(" Panels)", " panels)"));
    const auto loese = [&](std::vector<double>& rechts) {
        const char trans = 'T';
        const int eins = 1;
        int fehler = 0;
        dgetrs_(&trans, &n, &eins, lu, &n, pivot.data(), rechts.data(), &n, &fehler, 1);
    };

    std::vector<double> d(nn);
    for (std::size_t i = 0; i < nn; ++i) d[i] = static_cast<double>(b_[i]);
    loese(d);
    std::vector<Extended> x(d.begin(), d.end());

    // Refinement: r = b - A x with Extended sums (each row in column order, so the result does not
    // depend on the thread count), the correction from the same factors.
    std::vector<Extended> r(nn);
    const int t = std::max(1, std::min(threads, n));
    const auto residuum = [&] {
        std::vector<std::unique_ptr<TArbeiter>> arbeiter;
        for (int h = 0; h < t; ++h) {
            const std::size_t von = nn * static_cast<std::size_t>(h) / static_cast<std::size_t>(t);
            const std::size_t bis = nn * static_cast<std::size_t>(h + 1) / static_cast<std::size_t>(t);
            arbeiter.push_back(std::make_unique<TArbeitsauftrag>([&, von, bis] {
                for (std::size_t i = von; i < bis; ++i) {
                    const double* zeile = a_.get() + i * nn;
                    Extended summe = b_[i];
                    for (std::size_t j = 0; j < nn; ++j) summe -= static_cast<Extended>(zeile[j]) * x[j];
                    r[i] = summe;
                }
            }));
        }
        LassArbeiten(arbeiter, host, [] {});
    };
    Extended letzte = 0.0L;
    for (int k = 0; k < HoechsteVerfeinerung; ++k) {
        if (stopp) return LoesungGestoppt(host, n - 1, true);
        residuum();
        for (std::size_t i = 0; i < nn; ++i) d[i] = static_cast<double>(r[i]);
        loese(d);
        Extended korrektur = 0.0L;
        for (std::size_t i = 0; i < nn; ++i) {
            x[i] += d[i];
            korrektur = std::max(korrektur, std::fabs(static_cast<Extended>(d[i])));
        }
        schritte_ = k + 1;
        if (!std::isfinite(korrektur)) break;
        // Done when the correction is lost in x or has stopped shrinking (the limit that the
        // condition of the system and the Extended residual set).
        if (korrektur <= 1e-19L * Betragsmaximum(x) || (k > 0 && korrektur > 0.5L * letzte)) break;
        letzte = korrektur;
    }
    if (!std::all_of(x.begin(), x.end(), [](Extended w) { return std::isfinite(w); }))
        return LoesungNichtLoesbar(host, n - 1, Sprachwahl("die Lösung enthält ungültige Werte", "the solution holds invalid values"));
    return schreibe(x);
}

bool Aufbauen(TSchnellesSystem& system, THost& host, const TLoeserEinstellungen& e)
{
    if (ParallelAufbauen(e))
        return BaueZeilenParallel(system.N(), host, e.Prozessorzahl, [&system](int i) { system.BaueZeile(i); });
    return BaueZeilen(system.N(), host, [&](int i) {
        system.BaueZeile(i);
        host.Ereignisschleife();
    });
}

int Rechenthreads(const TLoeserEinstellungen& e) { return ParallelAufbauen(e) ? e.Prozessorzahl : 1; }
