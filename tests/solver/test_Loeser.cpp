// Direct and iterative solution, their failure reports, the stop request and the choice between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <thread>
#include <string>
#include <vector>

#include "common/TestHilfe.h"
#include "solver/Gleichungssystem.h"
#include "solver/Loeser.h"
#include "solver/Rechteckfluegel.h"
#include "solver/StoppHost.h"
#include "solver/T_Thread_Szene.h"
#include "solver/Wirbelsystem.h"

namespace {

TFluegelmass Rechteck(int panelsX, int panelsY, Extended spannweite = 1.6L)
{
    TFluegelmass m;
    m.Spannweite = spannweite;
    m.Tiefe = 0.2L;
    m.PanelsX = panelsX;
    m.PanelsY = panelsY;
    return m;
}

/// Lattice, assembled system and a host, ready to solve.
struct TAufgabe {
    TTestgitter Gitter;
    TGleichungssystem System;
    TStoppHost Host;

    TAufgabe(const std::vector<TFluegelmass>& masse, Extended alpha)
        : Gitter(masse, alpha), System(Gitter.Panelliste, Gitter.Anstroemrichtung)
    {
        System.Leeren();
        EXPECT_TRUE(BaueSystem(System, Host));
    }

    std::vector<Extended> Zirkulationen() const
    {
        std::vector<Extended> g;
        for (const TPAN* p : Gitter.Panelliste) g.push_back(p->GebundenerWirbel.Zirkulation);
        return g;
    }
    void SetzeZirkulationen(Extended wert)
    {
        for (TPAN* p : Gitter.Panelliste) p->GebundenerWirbel.Zirkulation = wert;
    }
    /// Replaces the assembled rows by the given ones (N rows of N + 1 values).
    void SetzeSystem(const std::vector<std::vector<Extended>>& zeilen)
    {
        for (std::size_t i = 0; i < zeilen.size(); ++i)
            std::copy(zeilen[i].begin(), zeilen[i].end(), Gitter.Panelliste[i]->Einflusskoeffizienten.begin());
    }
};

/// |a - b| / |a| in the 2-norm.
Extended RelativeAbweichung(const std::vector<Extended>& a, const std::vector<Extended>& b)
{
    Extended differenz = 0;
    Extended betrag = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        differenz += (a[i] - b[i]) * (a[i] - b[i]);
        betrag += a[i] * a[i];
    }
    return std::sqrt(differenz / betrag);
}

/// max |a - b| / max |a|.
Extended GroessteRelativeAbweichung(const std::vector<Extended>& a, const std::vector<Extended>& b)
{
    Extended groesste = 0;
    Extended skala = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        groesste = std::max(groesste, std::fabs(a[i] - b[i]));
        skala = std::max(skala, std::fabs(a[i]));
    }
    return groesste / skala;
}

}  // namespace

TEST(Loeser, DirektUndIterativStimmenUeberein)
{
    TAufgabe a({Rechteck(5, 162)}, 5.0L);
    ASSERT_GT(a.System.N(), 800);
    ASSERT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Geloest);
    const std::vector<Extended> direkt = a.Zirkulationen();

    std::vector<std::vector<Extended>> iterativ;
    for (int threads : {0, 1, 2}) {
        SCOPED_TRACE(threads);
        a.SetzeZirkulationen(100000.0L);
        EXPECT_EQ(LoeseIterativ(a.System, a.Host, threads), TIteration::Konvergiert);
        iterativ.push_back(a.Zirkulationen());
        // BiCGSTAB stops at |s|^2 < 1e-16 absolute; with |b| about 30 here that leaves 9.6e-11 in
        // the 2-norm (1.9e-10 in the largest single circulation).
        const Extended abweichung = RelativeAbweichung(direkt, iterativ.back());
        EXPECT_LE(abweichung, 1e-10L) << static_cast<double>(abweichung);
    }
    // The products sum every row in the same order whatever the thread count.
    EXPECT_EQ(iterativ[0], iterativ[1]);
    EXPECT_EQ(iterativ[1], iterativ[2]);
    EXPECT_TRUE(a.Host.Fehlertexte.empty());
}

TEST(Loeser, LoesungErfuelltDieRandbedingung)
{
    // After distributing the circulations, the velocity that all vortex elements induce cancels the
    // free stream's normal component at every control point (up to the shortened 4 pi of the
    // velocity routine): assembly, leg walk, distribution and velocity routine agree.
    TFluegelmass m = Rechteck(4, 16);
    m.Pfeil = 0.3L;
    m.VForm = 0.1L;
    m.Zuspitzung = 0.5L;
    TAufgabe a({m}, 7.0L);
    ASSERT_EQ(Loesen(a.System, a.Host, TLoeserEinstellungen{}), TLoesung::Geloest);
    TLIST2D<TPAN>& raster = a.Gitter.Flaechen[0]->Panelraster;
    VerteileZirkulation(raster);
    for (const TPAN* p : a.Gitter.Panelliste) {
        T3Vektor v = a.Gitter.Anstroemrichtung;
        InduzierteGeschwindigkeit(raster, p->Aufpunkt, v);
        EXPECT_TRUE(NaheL(Skalarprodukt3D(v, p->Normale), 0.0L, 1e-9L));
    }
}

TEST(Loeser, FlacherFluegelWieKlassischeHufeisenwirbel)
{
    // A flat rectangular wing at 1 degree against the textbook lattice written out here: horseshoes
    // with straight legs to infinity along x, Biot-Savart of a finite segment, Gauss elimination
    // with row pivoting. The lattice's legs follow the panel edges and then the free stream, which
    // differs from straight legs by the wake's tilt only.
    const Extended alpha = 1.0L;
    TAufgabe a({Rechteck(4, 12)}, alpha);
    ASSERT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Geloest);
    const std::vector<Extended> gitter = a.Zirkulationen();

    const auto segment = [](const T3Vektor& A, const T3Vektor& B, const T3Vektor& P) {
        const T3Vektor r0 = Vektordifferenz(B, A), r1 = Vektordifferenz(P, A), r2 = Vektordifferenz(P, B);
        const T3Vektor k = Kreuzprodukt(r1, r2);
        const Extended f = (Skalarprodukt3D(r0, r1) / Vektorbetrag(r1) - Skalarprodukt3D(r0, r2) / Vektorbetrag(r2)) /
                           (4 * std::numbers::pi_v<Extended> * Skalarprodukt3D(k, k));
        return Vektorskalierung(f, k);
    };
    const std::size_t n = a.Gitter.Panelliste.size();
    std::vector<std::vector<Extended>> M(n, std::vector<Extended>(n + 1));
    const T3Vektor fern{1e9L, 0, 0};
    const Extended sinA = std::sin(alpha / 57.29577951308232L);
    for (std::size_t i = 0; i < n; ++i) {
        const TPAN& e = *a.Gitter.Panelliste[i];
        for (std::size_t j = 0; j < n; ++j) {
            const TPAN& q = *a.Gitter.Panelliste[j];
            T3Vektor v = segment(q.ViertelpunktLinks, q.ViertelpunktRechts, e.Aufpunkt);
            v = Vektorsumme(v, segment(Vektorsumme(q.ViertelpunktLinks, fern), q.ViertelpunktLinks, e.Aufpunkt));
            v = Vektorsumme(v, segment(q.ViertelpunktRechts, Vektorsumme(q.ViertelpunktRechts, fern), e.Aufpunkt));
            M[i][j] = v.z;
        }
        M[i][n] = -sinA;
    }
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t r = k + 1; r < n; ++r)
            if (std::fabs(M[r][k]) > std::fabs(M[pivot][k])) pivot = r;
        std::swap(M[k], M[pivot]);
        for (std::size_t r = k + 1; r < n; ++r) {
            const Extended f = M[r][k] / M[k][k];
            for (std::size_t c = k; c <= n; ++c) M[r][c] -= f * M[k][c];
        }
    }
    std::vector<Extended> klassisch(n);
    for (std::size_t r = n; r-- > 0;) {
        Extended x = M[r][n];
        for (std::size_t c = r + 1; c < n; ++c) x -= M[r][c] * klassisch[c];
        klassisch[r] = x / M[r][r];
    }
    const Extended abweichung = GroessteRelativeAbweichung(klassisch, gitter);
    EXPECT_LE(abweichung, 1e-4L) << static_cast<double>(abweichung);  // 1.5e-5 when written
}

TEST(Loeser, ParallelesProduktGleichtDemSeriellen)
{
    const int n = 7;
    std::vector<Extended> block(static_cast<std::size_t>(n * (n + 1)));
    for (std::size_t k = 0; k < block.size(); ++k) block[k] = std::sin(static_cast<Extended>(k) * 0.37L) / (1 + k % 5);
    const TMatrix A{block.data(), n, n, n + 1};
    TVector x(n);
    for (int k = 0; k < n; ++k) x[static_cast<std::size_t>(k)] = 1.0L / (k + 1);
    TVector seriell;
    MatrixVektor(n, A, x, seriell);
    // Every row is one sum over its columns in order, however rows are grouped for speed.
    for (int i = 0; i < n; ++i) {
        Extended zeile = 0;
        for (int c = 0; c < n; ++c) zeile += block[static_cast<std::size_t>(i * (n + 1) + c)] * x[static_cast<std::size_t>(c)];
        EXPECT_EQ(seriell[static_cast<std::size_t>(i)], zeile) << i;
    }
    TAufzeichnenderHost host;
    for (int threads : {1, 2, 5, 9}) {
        SCOPED_TRACE(threads);
        TVector y(2, 0.0L);  // wrong length on purpose: the product sets it
        MatrixVektorParallel(A, x, y, threads, host);
        EXPECT_EQ(y, seriell);
    }
}

/// A worker that is still busy when the waiting thread's host fails.
class TLangsamerArbeiter : public TArbeiter {
public:
    std::atomic<bool> Zuende{false};

protected:
    void Arbeiten() override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Zuende = true;
    }
};

TEST(Loeser, WerfenderHostWartetAufAlleArbeiter)
{
    // The host's event loop throws while the workers still run: LassArbeiten must join them
    // before the exception leaves, or the workers outlive the objects they use.
    struct TWerfenderHost : THost {
        void Ereignisschleife() override { throw std::runtime_error("Fenster geschlossen"); }
    } host;
    std::vector<std::unique_ptr<TArbeiter>> worker;
    for (int i = 0; i < 3; ++i) worker.push_back(std::make_unique<TLangsamerArbeiter>());
    EXPECT_THROW(LassArbeiten(worker, host, [] {}), std::runtime_error);
    for (const auto& w : worker) {
        EXPECT_TRUE(w->Fertig());
        EXPECT_TRUE(static_cast<TLangsamerArbeiter&>(*w).Zuende);
    }

    // The same when the per-pass callback throws.
    TAufzeichnenderHost ruhig;
    worker.clear();
    for (int i = 0; i < 2; ++i) worker.push_back(std::make_unique<TLangsamerArbeiter>());
    EXPECT_THROW(LassArbeiten(worker, ruhig, [] { throw std::logic_error("Anzeige"); }), std::logic_error);
    for (const auto& w : worker) EXPECT_TRUE(w->Fertig());
}

TEST(Loeser, NullRechteSeiteGibtNullZirkulation)
{
    TAufgabe a({Rechteck(3, 6)}, 0.0L);  // flat wing at zero incidence
    for (int weg = 0; weg < 2; ++weg) {
        SCOPED_TRACE(weg);
        a.SetzeZirkulationen(100000.0L);
        if (weg == 0)
            EXPECT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Geloest);
        else
            EXPECT_EQ(LoeseIterativ(a.System, a.Host, 2), TIteration::Konvergiert);
        for (Extended g : a.Zirkulationen()) EXPECT_EQ(g, 0.0L);
    }
    EXPECT_TRUE(a.Host.Fehlertexte.empty());
}

TEST(Loeser, UnloesbaresSystemWirdGemeldet)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    struct TFall {
        std::string name;
        std::vector<std::vector<Extended>> zeilen;
    };
    const std::vector<TFall> faelle = {
        {"Singulaer", {{1, 2, 1}, {2, 4, 1}}},
        {"NullpivotZuerst", {{0, 1, 1}, {1, 0, 1}}},  // regular, but elimination does not pivot
        {"NaNKoeffizient", {{1, nan, 1}, {0, 1, 1}}},
        {"UnendlicheRechteSeite", {{1, 0, inf}, {0, 1, 1}}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TAufgabe a({Rechteck(2, 1)}, 5.0L);
        ASSERT_EQ(a.System.N(), 2);
        a.SetzeSystem(f.zeilen);
        a.SetzeZirkulationen(100000.0L);
        EXPECT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Fehlgeschlagen);
        EXPECT_EQ(a.Host.Fehlertexte, std::vector<int>{FehlertextSystemNichtLoesbar});
        EXPECT_TRUE(a.Host.Flags.FehlertextGezeigt);
        if (f.name == "Singulaer") {
            // The panel is named as info and run count: surfaces, strips and columns from 0.
            const auto& texte = a.Host.Statustexte;
            EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const std::string& t) {
                return t.find("Panel 1 (Fläche 0, Streifen 0, Spalte 1)") != std::string::npos;
            })) << ::testing::PrintToString(texte);
        }
        for (Extended g : a.Zirkulationen()) EXPECT_EQ(g, 100000.0L);
        // The iterative solver never hands on a non-finite iterate (the regular one it even solves).
        LoeseIterativ(a.System, a.Host, 1);
        for (Extended g : a.Zirkulationen()) EXPECT_TRUE(std::isfinite(g));
    }
}

TEST(Loeser, ZusammenbruchVonBiCGSTABFuehrtZurDirektenLoesung)
{
    // r0 . (A r0) = 0 at the first step: the literal iteration would divide by zero.
    TAufgabe a({Rechteck(2, 1)}, 5.0L);
    a.SetzeSystem({{1, 1, 0}, {-1, 0, 1}});
    EXPECT_EQ(LoeseIterativ(a.System, a.Host, 2), TIteration::NichtKonvergiert);
    ASSERT_FALSE(a.Host.Statustexte.empty());
    EXPECT_NE(a.Host.Statustexte.back().find("BiCGSTAB"), std::string::npos);
    for (Extended g : a.Zirkulationen()) EXPECT_TRUE(std::isfinite(g));

    TLoeserEinstellungen e;
    e.Prozessorzahl = 2;
    e.DirektBisPanelzahl = 1;
    EXPECT_EQ(Loesen(a.System, a.Host, e), TLoesung::Geloest);
    EXPECT_EQ(a.Zirkulationen(), (std::vector<Extended>{-1, 1}));
    EXPECT_TRUE(a.Host.Fehlertexte.empty());
}

TEST(Loeser, IterationsgrenzeFuehrtZurDirektenLoesung)
{
    // A cyclic shift plus 0.3 times the identity: eigenvalues on a circle around the origin, on
    // which BiCGSTAB stagnates; it runs its 2N - 2 passes and the direct solution is the one kept.
    const int n = 20;
    TAufgabe a({Rechteck(1, n)}, 5.0L);
    std::vector<std::vector<Extended>> zeilen(n, std::vector<Extended>(n + 1, 0.0L));
    for (int i = 0; i < n; ++i) {
        zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 0.3L;
        zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>((i + 1) % n)] = 1.0L;
        zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>(n)] = i % 3 + 1;
    }
    a.SetzeSystem(zeilen);
    ASSERT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Geloest);
    const std::vector<Extended> direkt = a.Zirkulationen();
    for (int i = 0; i < n; ++i) {
        const Extended zeile = 0.3L * direkt[static_cast<std::size_t>(i)] + direkt[static_cast<std::size_t>((i + 1) % n)];
        // Elimination without pivoting grows by 1/0.3 per row here.
        EXPECT_TRUE(NaheL(zeile, i % 3 + 1, 1e-8L));
    }

    a.SetzeZirkulationen(100000.0L);
    EXPECT_EQ(LoeseIterativ(a.System, a.Host, 2), TIteration::NichtKonvergiert);
    for (Extended g : a.Zirkulationen()) EXPECT_NE(g, 100000.0L);  // the last iterate is written

    a.SetzeZirkulationen(100000.0L);
    a.Host.Maxima.clear();
    TLoeserEinstellungen e;
    e.Prozessorzahl = 2;
    e.DirektBisPanelzahl = n - 1;
    EXPECT_EQ(Loesen(a.System, a.Host, e), TLoesung::Geloest);
    EXPECT_EQ(a.Zirkulationen(), direkt);
    EXPECT_EQ(a.Host.Maxima, (std::vector<int>{100, n - 1}));  // the iterative bar first, then the direct one
    EXPECT_TRUE(a.Host.Fehlertexte.empty());
}

TEST(Loeser, AuswahlDesVerfahrens)
{
    struct TFall {
        int n;
        bool multithread;
        int prozessoren;
        bool parallel;
        bool iterativ;
    };
    const std::vector<TFall> faelle = {
        {800, true, 2, true, false},  {801, true, 2, true, true},   {801, false, 2, false, false},
        {5000, true, 1, false, true}, {100, false, 8, false, false}, {100, true, 8, true, false},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.n) + " " + std::to_string(f.multithread) + " " + std::to_string(f.prozessoren));
        TLoeserEinstellungen e;
        e.Multithread = f.multithread;
        e.Prozessorzahl = f.prozessoren;
        EXPECT_EQ(ParallelAufbauen(e), f.parallel);
        EXPECT_EQ(IterativLoesen(f.n, e), f.iterativ);
    }
    EXPECT_GE(Prozessorzahl(), 1);
}

TEST(Loeser, StoppWaehrendDerLoesung)
{
    {
        SCOPED_TRACE("direkt");
        TAufgabe a({Rechteck(4, 30)}, 5.0L);
        a.SetzeZirkulationen(100000.0L);
        a.Host.Flags.RechnungLaeuft = true;
        const long long start = a.Host.Ereignisse;
        a.Host.StoppWenn = [start](const TStoppHost& h) { return h.Ereignisse - start >= 10; };
        EXPECT_EQ(LoeseDirekt(a.System, a.Host), TLoesung::Gestoppt);
        EXPECT_FALSE(a.Host.Flags.RechnungLaeuft);
        for (Extended g : a.Zirkulationen()) EXPECT_EQ(g, 100000.0L);
    }
    {
        SCOPED_TRACE("iterativ");
        const int n = 20;
        TAufgabe a({Rechteck(1, n)}, 5.0L);
        std::vector<std::vector<Extended>> zeilen(n, std::vector<Extended>(n + 1, 0.0L));
        for (int i = 0; i < n; ++i) {
            zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 0.3L;
            zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>((i + 1) % n)] = 1.0L;
            zeilen[static_cast<std::size_t>(i)][static_cast<std::size_t>(n)] = i % 3 + 1;
        }
        a.SetzeSystem(zeilen);
        a.SetzeZirkulationen(100000.0L);
        const long long start = a.Host.Ereignisse;
        a.Host.StoppWenn = [start](const TStoppHost& h) { return h.Ereignisse - start >= 3; };
        TLoeserEinstellungen e;
        e.DirektBisPanelzahl = 1;
        e.Prozessorzahl = 2;
        // BiCGSTAB leaves its loop, the direct solver after it returns at once.
        EXPECT_EQ(Loesen(a.System, a.Host, e), TLoesung::Gestoppt);
        EXPECT_LT(a.Host.Ereignisse - start, 2LL * n);
        EXPECT_EQ(a.Host.Maxima.back(), n - 1);
        for (Extended g : a.Zirkulationen()) EXPECT_TRUE(std::isfinite(g));
    }
}
