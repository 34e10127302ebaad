// DXF export content: ribs and their flat chords, strak spacing, the unrolled building plan, layer
// switches and the unscaled gaps of the layout, read back from the written drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "common/Host.h"
#include "common/TestHilfe.h"
#include "export/DXF_Export.h"
#include "export/Dxfinhalt.h"
#include "export/Exportflaechen.h"
#include "geometry/Szenenaufbau.h"
#include "model/Endwerte.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"

namespace {

std::unique_ptr<TSZENE> Laden(const std::string& name, THost& host)
{
    TSchalter schalter;
    return SzeneLadenUndAufbauen(std::filesystem::path(VELION_EXAMPLES) / (name + ".vel"), schalter, host);
}

std::vector<TDxfEntitaet> Zeichnung(const TFLUGZEUG& flugzeug, const TDxfOptionen& o, THost& host)
{
    return DxfEntitaeten(DxfZeichnung(flugzeug, o, host).Inhalt());
}

/// Only surface `index` takes part.
void NurFlaeche(TFLUGZEUG& flugzeug, int index)
{
    for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) flugzeug.Flaechen.Get(i)->DxfAuswahl = i == index;
}

double Laenge2D(const TDxfEntitaet& linie) { return std::hypot(linie.W(11) - linie.W(10), linie.W(21) - linie.W(20)); }

TDxfOptionen Nur(std::initializer_list<TDxfEbene> ebenen)
{
    TDxfOptionen o;
    o.Ebenen.assign(DxfEbenenAnzahl, false);
    for (TDxfEbene e : ebenen) o.Ebenen[static_cast<size_t>(e)] = true;
    return o;
}

} // namespace

TEST(DXFExport, RibsAreTheSegmentEndsAndEachFlatChordIsTheSectionChordInTheUnit)
{
    struct Fall {
        const char* name;
        Extended faktor;
    } faelle[] = {{"mm", 1000.0L}, {"m", 1.0L}, {"inch", 39.37L}};
    THost host;
    auto szene = Laden("Segler", host);
    TFLUGZEUG& flugzeug = *szene->Flugzeug;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TDxfOptionen o = Nur({TDxfEbene::Profilkontur3D, TDxfEbene::Nummerierung3D, TDxfEbene::SchnittKontur,
                              TDxfEbene::SchnittSehnen});
        o.Strakprofile = false;
        o.Einheitenfaktor = fall.faktor;
        const auto alle = Zeichnung(flugzeug, o, host);
        std::vector<double> sehnen;
        for (const auto& fl : flugzeug.Flaechen) {
            for (int j = 0; j < fl->Segmente.Count(); ++j) sehnen.push_back(double(Endprofiltiefen(*fl, j).first));
            sehnen.push_back(double(Endprofiltiefen(*fl, fl->Segmente.Count() - 1).second));
        }
        const auto konturen = AufLayer(alle, "3D-Profilkontur");
        const auto nummern = AufLayer(alle, "3D-Profil-Nummerierung");
        const auto flach = AufLayer(alle, "Profilschnitt-Profilsehnen");
        ASSERT_EQ(konturen.size(), sehnen.size());
        ASSERT_EQ(flach.size(), sehnen.size());
        ASSERT_EQ(nummern.size(), sehnen.size());
        for (size_t r = 0; r < sehnen.size(); ++r) {
            SCOPED_TRACE(r);
            EXPECT_EQ(nummern[r].Text, "R" + std::to_string(r));
            EXPECT_EQ(konturen[r].Scheitel.size(), size_t(2 * (o.Exportaufloesung / 2) + 1));
            EXPECT_NEAR(Laenge2D(flach[r]), sehnen[r] * double(fall.faktor), 0.002 * sehnen[r] * double(fall.faktor));
        }
    }
}

TEST(DXFExport, StrakRibsKeepTheSpacingAndThePlanUnrollsTheDihedral)
{
    THost host;
    auto szene = Laden("Segler", host);
    TFLUGZEUG& flugzeug = *szene->Flugzeug;
    for (const Extended abstand : {0.1L, 0.07L}) {
        for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) {
            SCOPED_TRACE(std::to_string(double(abstand)) + " m, surface " + std::to_string(i));
            const TFLAECHE& fl = *flugzeug.Flaechen.Get(i);
            NurFlaeche(flugzeug, i);
            TDxfOptionen o = Nur({TDxfEbene::NasenEndleiste3D, TDxfEbene::BauAussenkontur, TDxfEbene::BauProfile});
            o.Rippenabstand = abstand;
            const auto alle = Zeichnung(flugzeug, o, host);

            size_t erwarteteRippen = 1;
            double breiten = 0.0;
            for (const auto& s : fl.Segmente) {
                const double b = std::fabs(double(s->Segmentbreite));
                erwarteteRippen += size_t(std::max(1.0, std::ceil(b / double(abstand) - 1e-9)));
                breiten += b;
            }
            // Ribs in span order: the noses of the plan lines run from the left end to the right end.
            const auto rippen = AufLayer(alle, "2D-Bau-Profile");
            ASSERT_EQ(rippen.size(), erwarteteRippen);
            for (size_t r = 1; r < rippen.size(); ++r) {
                const double abstandY = rippen[r].W(20) - rippen[r - 1].W(20);
                EXPECT_GT(abstandY, 0.0);
                EXPECT_LE(abstandY, double(abstand) * 1000.0 + 1e-4);
            }

            // The plan's span is the sum of the widths, and so the true length of the leading edge
            // in the front view, however the segments are tilted.
            const auto umriss = AufLayer(alle, "2D-Bau-Aussenkontur");
            ASSERT_EQ(umriss.size(), 1u);
            double yMin = 1e30, yMax = -1e30;
            for (const auto& p : umriss[0].Scheitel) {
                yMin = std::min(yMin, p[1]);
                yMax = std::max(yMax, p[1]);
            }
            EXPECT_NEAR(yMax - yMin, breiten * 1000.0, 1e-3);
            double vorderkante = 0.0;
            const auto kanten = AufLayer(alle, "3D-Nasen-Endleiste");
            for (size_t k = 1; k < kanten.size(); k += 2)
                vorderkante += std::hypot(kanten[k].W(21) - kanten[k].W(20), kanten[k].W(31) - kanten[k].W(30));
            EXPECT_NEAR(vorderkante, breiten * 1000.0, 1e-3 * breiten * 1000.0);
        }
    }
}

TEST(DXFExport, LayersNeedTheirGroupHead)
{
    THost host;
    auto szene = Laden("Rechteckfluegel", host);
    struct Fall {
        const char* name;
        TDxfOptionen optionen;
        const char* fehlend;
    } faelle[] = {
        {"outline without real profiles", Nur({TDxfEbene::RealAussenkontur, TDxfEbene::RealNummerierung}), "2D-Real-"},
        {"chords without 3D contours", Nur({TDxfEbene::Profilsehnen3D, TDxfEbene::Nummerierung3D}), "3D-Profil"},
        {"numbers without plan ribs", Nur({TDxfEbene::BauNummerierung, TDxfEbene::BauVForm}), "2D-Bau-"},
        {"chords without flat contours", Nur({TDxfEbene::SchnittSehnen, TDxfEbene::SchnittNummerierung}), "Profilschnitt"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const auto alle = Zeichnung(*szene->Flugzeug, f.optionen, host);
        EXPECT_TRUE(alle.empty());
    }
    TDxfOptionen o = Nur({TDxfEbene::RealProfile, TDxfEbene::RealAussenkontur});
    o.Strakprofile = false;
    const auto alle = Zeichnung(*szene->Flugzeug, o, host);
    // Three views, each of every rib and one outline.
    EXPECT_EQ(AufLayer(alle, "2D-Real-Profile").size(), 3u * size_t(szene->Flugzeug->Flaechen.Get(0)->Segmente.Count() + 1));
    EXPECT_EQ(AufLayer(alle, "2D-Real-Aussenkontur").size(), 3u);
    EXPECT_TRUE(AufLayer(alle, "2D-Real-Profilnummerierung").empty());
}

TEST(DXFExport, GapsBetweenTheDrawingsAreDrawingUnits)
{
    THost host;
    auto szene = Laden("Rechteckfluegel", host);
    TDxfOptionen o;
    o.Einheitenfaktor = 1.0L;
    const auto alle = Zeichnung(*szene->Flugzeug, o, host);
    double rechtsVorPlan = -1e30;
    double planLinks = 1e30;
    const auto x = [](const TDxfEntitaet& e, auto auswahl) {
        double w = e.Art == "POLYLINE" ? e.Scheitel.front()[0] : e.W(10);
        for (const auto& p : e.Scheitel) w = auswahl(w, p[0]);
        if (e.Werte.count(11)) w = auswahl(w, e.W(11));
        return w;
    };
    for (const auto& e : alle) {
        if (e.Art == "TEXT") continue;
        if (e.Layer.rfind("2D-Bau-", 0) == 0) planLinks = std::min(planLinks, x(e, [](double a, double b) { return std::min(a, b); }));
        else if (e.Layer.rfind("Profilschnitt", 0) != 0)
            rechtsVorPlan = std::max(rechtsVorPlan, x(e, [](double a, double b) { return std::max(a, b); }));
    }
    // A 1 m wing in metres: the plan still starts a hundred units and more to the right.
    EXPECT_GT(planLinks - rechtsVorPlan, 100.0);
    EXPECT_LT(rechtsVorPlan, 500.0);
}

TEST(DXFExport, RefusesResolutionBelowTenAndInvalidatesResults)
{
    TAufzeichnenderHost host;
    auto szene = Laden("Rechteckfluegel", host);
    const auto datei = std::filesystem::path(::testing::TempDir()) / "velion_dxf_aufloesung.dxf";
    std::filesystem::remove(datei);
    TDxfOptionen o;
    o.Exportaufloesung = 9;
    EXPECT_FALSE(DxfExportieren(*szene, o, datei, host));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{45});
    EXPECT_FALSE(std::filesystem::exists(datei));
    o.Exportaufloesung = 10;
    host.Flags.ErgebnisseGueltig = true;
    EXPECT_TRUE(DxfExportieren(*szene, o, datei, host));
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
    EXPECT_EQ(szene->Flugzeug->Flaechen.Get(0)->AnzahlPanelsVolumendarstellung, 30);
    EXPECT_FALSE(DxfEntitaeten(LeseDateiRoh(datei)).empty());
    std::filesystem::remove(datei);
}
