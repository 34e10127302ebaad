// STL export: the binary layout, triangle counts, outward normals, skin area and, for the closed
// body, watertightness and enclosed volume, checked on every example scene.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/Host.h"
#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "export/Exportflaechen.h"
#include "export/STL_Export.h"
#include "geometry/Szenenaufbau.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "export/Netz.h"

namespace {

std::unique_ptr<TSZENE> Laden(const std::string& name, THost& host)
{
    TSchalter schalter;
    return SzeneLadenUndAufbauen(std::filesystem::path(VELION_EXAMPLES) / (name + ".vel"), schalter, host);
}

std::vector<std::string> Beispiele()
{
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(VELION_EXAMPLES))
        if (e.path().extension() == ".vel") namen.push_back(e.path().stem().string());
    return namen;
}

/// Points of a section as the builder makes them from a resolution.
int Konturpunkte(int aufloesung) { return 2 * (aufloesung / 2) + 1; }

} // namespace

TEST(STLKoerper, WritesBlankPaddedHeaderCountAndFiftyBytesPerTriangle)
{
    STL_Koerper k;
    k.KopfSetzen("Segler");
    k.DreieckHinzufuegen(STL_Dreieck::Aus({0, 0, 0}, {1, 0, 0}, {0, 1, 0}));
    k.DreieckHinzufuegen(STL_Dreieck::Aus({0, 0, 0}, {1, 0, 0}, {2, 0, 0}));  // on one line
    const std::string s = k.Inhalt();
    ASSERT_EQ(s.size(), 84u + 2u * 50u);
    EXPECT_EQ(s.substr(0, 80), "Segler" + std::string(74, ' '));
    std::uint32_t n = 0;
    std::memcpy(&n, s.data() + 80, 4);
    EXPECT_EQ(n, 2u);
    float f[12];
    std::memcpy(f, s.data() + 84, sizeof f);
    // (p - q) x (q - r) of a counter-clockwise triangle in the x-y plane points up
    EXPECT_EQ(f[0], 0.0F);
    EXPECT_EQ(f[1], 0.0F);
    EXPECT_EQ(f[2], 1.0F);
    EXPECT_EQ(f[9], 0.0F);  // third corner x
    EXPECT_EQ(f[10], 1.0F);
    std::uint16_t attribut = 1;
    std::memcpy(&attribut, s.data() + 84 + 48, 2);
    EXPECT_EQ(attribut, 0);
    EXPECT_EQ(k.Dreiecke()[1].Normale, (TStlPunkt{0, 0, 0}));

    k.KopfSetzen(std::string(100, 'x'));
    EXPECT_EQ(k.Kopf(), std::string(80, 'x'));

    const auto datei = std::filesystem::path(::testing::TempDir()) / "velion_stl_kopf.stl";
    SchreibeDateiAtomar(datei, "alt");
    k.Schreiben(datei);
    EXPECT_EQ(LeseDateiRoh(datei), k.Inhalt());
    std::filesystem::remove(datei);
}

TEST(STLExport, EveryExampleGivesCountsNormalsAreaAndAClosedBodyOfTheSectionVolume)
{
    for (const std::string& name : Beispiele()) {
        SCOPED_TRACE(name);
        THost host;
        auto szene = Laden(name, host);
        TFLUGZEUG& flugzeug = *szene->Flugzeug;
        TStlOptionen o;
        o.Exportaufloesung = 40;
        TExportaufloesung aufloesung(flugzeug, o.Exportaufloesung, host);

        // References from the section contours alone, in output units (mm).
        long long erwarteteDreiecke = 0;
        double haut = 0.0;
        double volumen = 0.0;
        const double f = static_cast<double>(o.Einheitenfaktor);
        for (const auto& fl : flugzeug.Flaechen) {
            const auto schnitte = Volumenschnittfolge(*fl);
            erwarteteDreiecke += 2LL * (Konturpunkte(o.Exportaufloesung) - 1) * (static_cast<long long>(schnitte.size()) - 1);
            int paar = 0;
            for (const auto& s : fl->Segmente) {
                if (s->Volumenschnitte.empty()) continue;
                const TProfil& a = *schnitte[static_cast<size_t>(paar)];
                const TProfil& b = *schnitte[static_cast<size_t>(paar + 1)];
                const double breite = std::fabs(static_cast<double>(s->Segmentbreite));
                haut += breite * (netz::Umfang(a) + netz::Umfang(b)) / 2.0 * f * f;
                const double qa = netz::Querschnitt(a);
                const double qb = netz::Querschnitt(b);
                volumen += breite * (qa + qb + std::sqrt(qa * qb)) / 3.0 * f * f * f;
                ++paar;
            }
        }

        const STL_Koerper offen = StlKoerper(flugzeug, o, host);
        EXPECT_EQ(static_cast<long long>(offen.Dreiecke().size()), erwarteteDreiecke);
        EXPECT_NEAR(netz::Gesamtflaeche(offen.Dreiecke()), haut, 0.01 * haut);
        for (const STL_Dreieck& d : offen.Dreiecke()) {
            const double n = netz::Laenge(netz::Vd(d.Normale));
            const netz::V umlauf = netz::Kreuz(netz::Minus(netz::Vd(d.Ecke2), netz::Vd(d.Ecke1)),
                                               netz::Minus(netz::Vd(d.Ecke3), netz::Vd(d.Ecke1)));
            if (n == 0.0) {
                EXPECT_LT(netz::Laenge(umlauf), 1e-6);
                continue;
            }
            EXPECT_NEAR(n, 1.0, 1e-5);
            EXPECT_GT(netz::Punkt(netz::Vd(d.Normale), umlauf), 0.0);  // the normal agrees with the winding
        }

        o.Geschlossen = true;
        const STL_Koerper zu = StlKoerper(flugzeug, o, host);
        const netz::TKantenbefund k = netz::Kanten(zu.Dreiecke());
        EXPECT_EQ(k.Offen, 0);
        EXPECT_EQ(k.Mehrfach, 0);
        EXPECT_EQ(k.Gleichlaeufig, 0);
        // Consistent winding with a positive volume: every normal points out of the body.
        EXPECT_NEAR(netz::Volumen(zu.Dreiecke()), volumen, 0.02 * volumen);
        // The closed body is the open skin plus its closing triangles.
        EXPECT_GT(zu.Dreiecke().size(), offen.Dreiecke().size());
    }
}

TEST(STLExport, MirroredHalvesFaceOutwardOnBothSides)
{
    THost host;
    auto szene = Laden("Rechteckfluegel", host);
    const STL_Koerper k = StlKoerper(*szene->Flugzeug, {}, host);
    int obenLinks = 0;
    int obenRechts = 0;
    for (const STL_Dreieck& d : k.Dreiecke()) {
        const double y = (d.Ecke1[1] + d.Ecke2[1] + d.Ecke3[1]) / 3.0;
        const double z = (d.Ecke1[2] + d.Ecke2[2] + d.Ecke3[2]) / 3.0;
        // Above the chord plane the skin faces up, below it down.
        if (std::fabs(z) > 3.0) {
            EXPECT_EQ(d.Normale[2] > 0.0F, z > 0.0);
        }
        if (z > 3.0) ++(y < 0.0 ? obenLinks : obenRechts);
    }
    EXPECT_GT(obenLinks, 0);
    EXPECT_EQ(obenLinks, obenRechts);
}

TEST(STLExport, RefusesResolutionBelowTenAndRestoresTheSurfaces)
{
    TAufzeichnenderHost host;
    auto szene = Laden("Segler", host);
    const int vorher = szene->Flugzeug->Flaechen.Get(0)->AnzahlPanelsVolumendarstellung;
    const auto datei = std::filesystem::path(::testing::TempDir()) / "velion_stl_aufloesung.stl";
    std::filesystem::remove(datei);
    TStlOptionen o;
    o.Exportaufloesung = 9;
    EXPECT_FALSE(StlExportieren(*szene, o, datei, host));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{45});
    EXPECT_FALSE(std::filesystem::exists(datei));

    o.Exportaufloesung = 12;
    host.Flags.ErgebnisseGueltig = true;
    EXPECT_TRUE(StlExportieren(*szene, o, datei, host));
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
    EXPECT_EQ(szene->Flugzeug->Flaechen.Get(0)->AnzahlPanelsVolumendarstellung, vorher);
    EXPECT_EQ(LeseDateiRoh(datei).substr(0, 80), szene->Name + std::string(80 - szene->Name.size(), ' '));
    std::filesystem::remove(datei);
}
