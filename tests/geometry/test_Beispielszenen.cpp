// Every example scene loads, builds and yields a lattice of finite numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/Host.h"
#include "geometry/Gitterbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "profile/T_Profil.h"

namespace {

bool Endlich(const T3Vektor& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

::testing::AssertionResult EndlicheSchnitte(const std::vector<std::unique_ptr<TProfil>>& schnitte)
{
    for (const auto& s : schnitte)
        for (const TKoordinate& p : s->Punkte())
            if (!std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
                return ::testing::AssertionFailure() << "non-finite section point";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Beispielszenen, BauenOhneNichtEndlicheKoordinaten)
{
    int szenen = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(VELION_EXAMPLES)) {
        if (eintrag.path().extension() != ".vel") continue;
        SCOPED_TRACE(eintrag.path().filename().string());
        ++szenen;
        THost host;
        TSchalter schalter;
        const auto szene = SzeneLadenUndAufbauen(eintrag.path(), schalter, host);
        const TFLUGZEUG& flugzeug = *szene->Flugzeug;
        ASSERT_GT(flugzeug.Flaechen.Count(), 0);
        EXPECT_GT(AnzahlPanels(flugzeug), 0);
        for (const auto& f : flugzeug.Flaechen) {
            for (const auto& s : f->Segmente) {
                EXPECT_TRUE(EndlicheSchnitte(s->Gitterschnitte));
                EXPECT_TRUE(EndlicheSchnitte(s->Klappengitterschnitte));
                EXPECT_TRUE(EndlicheSchnitte(s->Grundrissschnitte));
                EXPECT_TRUE(EndlicheSchnitte(s->Volumenschnitte));
                EXPECT_TRUE(EndlicheSchnitte(s->Klappenvolumenschnitte));
            }
            for (const auto* panels : {&f->Gitterpanels, &f->Volumenpanels}) {
                for (const auto& p : *panels) {
                    for (const TPUNKT& e : p->Ecken) EXPECT_TRUE(Endlich({e.X, e.Y, e.Z}));
                    EXPECT_TRUE(Endlich(p->Aufpunkt));
                    EXPECT_TRUE(Endlich(p->Normale));
                    EXPECT_TRUE(std::isfinite(p->Flaecheninhalt));
                    for (const TWirbel& w : p->WirbelLinks) EXPECT_TRUE(Endlich(w.Ende));
                }
            }
            for (const Extended wert : {f->FlaecheHorizontal, f->FlaecheWahr, f->Bezugstiefe, f->Spannweite, f->Streckung})
                EXPECT_TRUE(std::isfinite(wert));
            EXPECT_GT(f->FlaecheWahr, 0.0L);
        }
    }
    EXPECT_GE(szenen, 3);
}
