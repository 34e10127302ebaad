// The fast solution against the exact one: the same coefficients, the same circulations and the
// same results on every example and test aircraft, with and without wake alignment; its thread
// independence; and a singular system reported as by the exact solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

#include "common/Host.h"
#include "common/TestHilfe.h"
#include "control/LaufHost.h"
#include "control/Rechenlauf.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "model/TErgebnis.h"
#include "evaluation/Testflugzeuge.h"
#include "geometry/Szenenaufbau.h"
#include "model/TSchalter.h"
#include "solver/Gleichungssystem.h"
#include "solver/Schnellloeser.h"

namespace {

namespace fs = std::filesystem;

/// |a - b| within `relativ` of the larger magnitude, or within 1e-12 for values near zero; with
/// `relativ` 0 the two must be equal.
::testing::AssertionResult Gleich(Extended a, Extended b, Extended relativ, const std::string& was)
{
    const Extended grenze = relativ > 0.0L ? std::max(relativ * std::max(std::fabs(a), std::fabs(b)), 1e-12L) : 0.0L;
    if (a == b || std::fabs(a - b) <= grenze) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << was << ": " << static_cast<double>(a) << " against "
                                         << static_cast<double>(b) << " (difference "
                                         << static_cast<double>(a - b) << ")";
}

struct TFlugzeugfall {
    std::string name;
    std::function<std::unique_ptr<TSZENE>()> szene;
};

std::unique_ptr<TSZENE> Beispiel(const char* datei)
{
    THost host;
    TSchalter schalter;
    auto szene = SzeneLadenUndAufbauen(fs::path(VELION_EXAMPLES) / datei, schalter, host);
    return szene;
}

std::unique_ptr<TSZENE> MitWinkeln(std::unique_ptr<TSZENE> szene, Extended alfa, Extended beta)
{
    szene->Flugzeug->Anstellwinkel = alfa;
    szene->Flugzeug->Schiebewinkel = beta;
    return szene;
}

const std::vector<TFlugzeugfall>& Flugzeugfaelle()
{
    static const std::vector<TFlugzeugfall> faelle = {
        {"Nurfluegel.vel", [] { return Beispiel("Nurfluegel.vel"); }},
        {"Rechteckfluegel.vel", [] { return Beispiel("Rechteckfluegel.vel"); }},
        {"Segler.vel", [] { return Beispiel("Segler.vel"); }},
        {"Rechteckfluegel", [] { return MitWinkeln(testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 3), 5.0L, 0.0L); }},
        {"RechteckfluegelCosinus",
         [] { return MitWinkeln(testflugzeuge::Rechteckfluegel(2.0L, 0.25L, 5, 8, TVerteilung::Cos), 4.0L, 0.0L); }},
        {"Ellipsenfluegel", [] { return MitWinkeln(testflugzeuge::Ellipsenfluegel(2.0L, 0.3L, 3, 8), 3.0L, 0.0L); }},
        {"SymmetrischesFlugzeug", [] { return MitWinkeln(testflugzeuge::SymmetrischesFlugzeug(), 2.0L, 0.0L); }},
        {"SymmetrischesFlugzeugSchiebend", [] { return MitWinkeln(testflugzeuge::SymmetrischesFlugzeug(), 3.0L, 4.0L); }},
        {"NegativerAnstellwinkel", [] { return MitWinkeln(testflugzeuge::SymmetrischesFlugzeug(), -6.0L, 0.0L); }},
    };
    return faelle;
}

struct TNachlauf {
    const char* name;
    bool einzel;
    bool komplett;
};

const TNachlauf Nachlaeufe[] = {{"ohneAusrichtung", false, false}, {"komplett", false, true}, {"einzeln", true, false}};

void Rechne(TSZENE& szene, const TNachlauf& nachlauf, TLoesungsverfahren verfahren, int threads)
{
    TSchalter schalter;
    schalter.Nachlaufkorrektur = nachlauf.einzel;
    schalter.NachlaufkorrekturKomplett = nachlauf.komplett;
    TRechenoptionen o;
    o.Loeser.Verfahren = verfahren;
    o.Loeser.Prozessorzahl = threads;
    o.Loeser.Multithread = threads > 1;
    GesamtmasseBerechnen(*szene.Flugzeug);
    THost host;
    ASSERT_EQ(Rechenlauf(szene, schalter, o, host), 0);
    ASSERT_TRUE(host.Flags.ErgebnisseGueltig);
}

/// Every aircraft and surface coefficient within `beiwerte`, every strip value and bound
/// circulation within `streifen`, relative.
void Vergleiche(const TSZENE& a, const TSZENE& b, Extended beiwerte, Extended streifen)
{
    const TFLUGZEUG& x = *a.Flugzeug;
    const TFLUGZEUG& y = *b.Flugzeug;
    const std::pair<const char*, Extended TFLUGZEUG::*> flugzeug[] = {
        {"AuslegungsCa", &TFLUGZEUG::AuslegungsCa},
        {"CS", &TFLUGZEUG::CS},
        {"CWi", &TFLUGZEUG::CWi},
        {"FlugGeschwindigkeit", &TFLUGZEUG::FlugGeschwindigkeit},
        {"SchwerpunktX", &TFLUGZEUG::SchwerpunktX},
        {"AuftriebspunktY", &TFLUGZEUG::AuftriebspunktY},
        {"WiderstandspunktY", &TFLUGZEUG::WiderstandspunktY},
        {"WiderstandspunktZ", &TFLUGZEUG::WiderstandspunktZ},
        {"SeitenkraftpunktX", &TFLUGZEUG::SeitenkraftpunktX},
        {"SeitenkraftpunktZ", &TFLUGZEUG::SeitenkraftpunktZ},
        {"CmxNullpunkt", &TFLUGZEUG::CmxNullpunkt},
        {"CmyNullpunkt", &TFLUGZEUG::CmyNullpunkt},
        {"CmzNullpunkt", &TFLUGZEUG::CmzNullpunkt},
        {"Cmx", &TFLUGZEUG::Cmx},
        {"Cmy", &TFLUGZEUG::Cmy},
        {"Cmz", &TFLUGZEUG::Cmz},
    };
    for (const auto& [name, feld] : flugzeug) EXPECT_TRUE(Gleich(x.*feld, y.*feld, beiwerte, name));

    ASSERT_EQ(x.Flaechen.Count(), y.Flaechen.Count());
    const std::pair<const char*, Extended TFLAECHE::*> flaeche[] = {
        {"CA", &TFLAECHE::CA},     {"CS", &TFLAECHE::CS},
        {"CWi", &TFLAECHE::CWi},   {"Cwi", &TFLAECHE::Cwi},
        {"CwiElliptisch", &TFLAECHE::CwiElliptisch}, {"CwiVerhaeltnis", &TFLAECHE::CwiVerhaeltnis},
    };
    for (int f = 0; f < x.Flaechen.Count(); ++f) {
        const TFLAECHE& fx = *x.Flaechen.Get(f);
        const TFLAECHE& fy = *y.Flaechen.Get(f);
        const std::string fl = "Fläche " + std::to_string(f) + " ";
        for (const auto& [name, feld] : flaeche) EXPECT_TRUE(Gleich(fx.*feld, fy.*feld, beiwerte, fl + name));
        ASSERT_EQ(fx.Panelraster.RowCount(), fy.Panelraster.RowCount());
        for (int j = 0; j < fx.Panelraster.RowCount(); ++j) {
            for (int slot = 0; slot < ErgebnisSlotAnzahl; ++slot) {
                const TErgebnis* ex = fx.Ergebnisraster.Get(j, slot);
                const TErgebnis* ey = fy.Ergebnisraster.Get(j, slot);
                ASSERT_EQ(ex == nullptr, ey == nullptr);
                if (ex == nullptr) continue;
                const std::string was = fl + "Streifen " + std::to_string(j) + " Slot " + std::to_string(slot);
                EXPECT_TRUE(Gleich(ex->Wert, ey->Wert, streifen, was));
                for (const auto v : {&T3Vektor::x, &T3Vektor::y, &T3Vektor::z}) {
                    EXPECT_TRUE(Gleich(ex->Vektor.*v, ey->Vektor.*v, streifen, was + " Vektor"));
                    EXPECT_TRUE(Gleich(ex->Punkt.*v, ey->Punkt.*v, streifen, was + " Punkt"));
                }
            }
            for (int k = 0; k < fx.Panelraster.Count(j); ++k)
                EXPECT_TRUE(Gleich(fx.Panelraster.Get(j, k)->GebundenerWirbel.Zirkulation,
                                   fy.Panelraster.Get(j, k)->GebundenerWirbel.Zirkulation, streifen,
                                   fl + "Zirkulation " + std::to_string(j) + "/" + std::to_string(k)));
        }
    }
}

}  // namespace

TEST(Schnellloeser, AgreesWithTheExactMethodOnEveryAircraft)
{
    for (const TFlugzeugfall& fall : Flugzeugfaelle())
        for (const TNachlauf& nachlauf : Nachlaeufe) {
            SCOPED_TRACE(fall.name + " " + nachlauf.name);
            auto genau = fall.szene();
            auto schnell = fall.szene();
            ASSERT_NO_FATAL_FAILURE(Rechne(*genau, nachlauf, TLoesungsverfahren::Genau, 2));
            ASSERT_NO_FATAL_FAILURE(Rechne(*schnell, nachlauf, TLoesungsverfahren::Schnell, 2));
            Vergleiche(*schnell, *genau, 1e-10L, 1e-9L);
        }
}

TEST(Schnellloeser, ThreadCountChangesTheFastResultOnlyInTheLastDigits)
{
    // The exact method is bit-identical across thread counts; the fast one to 1e-13.
    for (const TLoesungsverfahren verfahren : {TLoesungsverfahren::Genau, TLoesungsverfahren::Schnell}) {
        SCOPED_TRACE(verfahren == TLoesungsverfahren::Genau ? "genau" : "schnell");
        auto eins = testflugzeuge::SymmetrischesFlugzeug();
        auto zwei = testflugzeuge::SymmetrischesFlugzeug();
        ASSERT_NO_FATAL_FAILURE(Rechne(*eins, Nachlaeufe[1], verfahren, 1));
        ASSERT_NO_FATAL_FAILURE(Rechne(*zwei, Nachlaeufe[1], verfahren, 2));
        Vergleiche(*zwei, *eins, verfahren == TLoesungsverfahren::Genau ? 0.0L : 1e-13L,
                   verfahren == TLoesungsverfahren::Genau ? 0.0L : 1e-13L);
    }
}

TEST(Schnellloeser, CoefficientsAreTheExactOnesToDoublePrecision)
{
    auto szene = MitWinkeln(testflugzeuge::SymmetrischesFlugzeug(), 3.0L, 2.0L);
    ASSERT_NO_FATAL_FAILURE(Rechne(*szene, Nachlaeufe[1], TLoesungsverfahren::Genau, 1));
    THost host;
    TGleichungssystem genau(szene->Panelliste, szene->Flugzeug->Anstroemrichtung);
    genau.Leeren();
    ASSERT_TRUE(BaueSystem(genau, host));
    TSchnellesSystem schnell(szene->Panelliste, szene->Flugzeug->Anstroemrichtung);
    TLoeserEinstellungen e;
    e.Prozessorzahl = 2;
    ASSERT_TRUE(Aufbauen(schnell, host, e));
    const int n = genau.N();
    ASSERT_EQ(schnell.N(), n);
    for (int i = 0; i < n; ++i) {
        const std::span<const Extended> zeile = genau.Zeile(i);
        Extended groesster = 0.0L;
        for (int j = 0; j < n; ++j) groesster = std::max(groesster, std::fabs(zeile[static_cast<std::size_t>(j)]));
        for (int j = 0; j < n; ++j)
            ASSERT_LE(std::fabs(schnell.Koeffizient(i, j) - zeile[static_cast<std::size_t>(j)]), 1e-14L * groesster)
                << "row " << i << ", column " << j;
        EXPECT_EQ(schnell.RechteSeite(i), zeile[static_cast<std::size_t>(n)]) << "row " << i;
    }
}

TEST(Schnellloeser, RefinementReachesTheExtendedResidual)
{
    // The correction of the last step is at the level of Extended rounding, far below what a
    // plain double solution leaves.
    auto szene = MitWinkeln(testflugzeuge::Rechteckfluegel(2.0L, 0.25L, 6, 10, TVerteilung::Cos), 5.0L, 0.0L);
    ASSERT_NO_FATAL_FAILURE(Rechne(*szene, Nachlaeufe[0], TLoesungsverfahren::Genau, 1));
    THost host;
    TSchnellesSystem schnell(szene->Panelliste, szene->Flugzeug->Anstroemrichtung);
    ASSERT_TRUE(Aufbauen(schnell, host, TLoeserEinstellungen{}));
    ASSERT_EQ(schnell.Loesen(host, 1), TLoesung::Geloest);
    EXPECT_GE(schnell.Verfeinerungsschritte(), 1);
    const int n = schnell.N();
    Extended groesstesResiduum = 0.0L;
    Extended groessteRechteSeite = 0.0L;
    for (int i = 0; i < n; ++i) {
        Extended r = schnell.RechteSeite(i);
        for (int j = 0; j < n; ++j)
            r -= static_cast<Extended>(schnell.Koeffizient(i, j)) * szene->Panelliste[static_cast<std::size_t>(j)]->GebundenerWirbel.Zirkulation;
        groesstesResiduum = std::max(groesstesResiduum, std::fabs(r));
        groessteRechteSeite = std::max(groessteRechteSeite, std::fabs(schnell.RechteSeite(i)));
    }
    EXPECT_LT(groesstesResiduum, 1e-17L * groessteRechteSeite);
}

TEST(Schnellloeser, SingularSystemIsReportedWithoutCirculations)
{
    auto szene = testflugzeuge::DoppelterFluegel();
    TLaufHost host;
    TRechenoptionen o;
    o.Loeser.Verfahren = TLoesungsverfahren::Schnell;
    EXPECT_EQ(Rechenlauf(*szene, TSchalter{}, o, host), FehlertextSystemNichtLoesbar);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{FehlertextSystemNichtLoesbar});
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
    for (const TPAN* p : szene->Panelliste) EXPECT_EQ(p->GebundenerWirbel.Zirkulation, 100000.0L);
}
