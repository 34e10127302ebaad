// Defaults of the model records, the owned lists, segment copies and the two "Neu" operations.
#include <gtest/gtest.h>

#include "common/TestHilfe.h"
#include "model/Modellbearbeitung.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

TEST(Szenenmodell, NeuesFlugzeugHatDieVorgaben)
{
    const auto szene = NeuesFlugzeug();
    ASSERT_NE(szene->Flugzeug, nullptr);
    const TFLUGZEUG& f = *szene->Flugzeug;
    EXPECT_EQ(szene->Name, "Noname");
    EXPECT_TRUE(szene->Panelliste.empty());
    EXPECT_EQ(f.Flaechen.Count(), 0);
    EXPECT_EQ(f.Konstrukteur, "Noname");
    EXPECT_EQ(f.Bezeichnung, "Noname");
    EXPECT_TRUE(f.NullpunktSichtbar);
    EXPECT_EQ(f.AnsichtPosition.z, 2.0L);
    EXPECT_EQ(f.Betrachtungswinkel.x, 20.0L);
    EXPECT_EQ(f.Betrachtungswinkel.y, 20.0L);
    EXPECT_EQ(f.Betrachtungswinkel.z, 0.0L);
    EXPECT_EQ(f.Klappengruppenbeschreibung[0], "Einzelklappe");
    for (int n = 1; n < AnzahlKlappengruppen; ++n) EXPECT_EQ(f.Klappengruppenbeschreibung[n], "leer") << n;
    for (const auto& z : f.GesamtpolarEwd) EXPECT_EQ(z.Flaeche, -1);
    for (const auto& z : f.GesamtpolarHaupt) EXPECT_EQ(z.Klappengruppe, 0);
    EXPECT_EQ(f.MaxIteration, 15);
    EXPECT_EQ(f.AnzahlNachlaufelemente, 10);
    EXPECT_EQ(f.LaengeNachlaufelemente, 1.0L);
    EXPECT_EQ(f.LaengeMarkierungslinien, 0.05L);
    EXPECT_EQ(f.Auslegungsnummer, 1);
    EXPECT_EQ(f.GesamtpolarSchrittzahl, 1);
    EXPECT_EQ(f.PolarAnstellwinkelEnde, 5.0L);
    EXPECT_EQ(f.Momentenrichtung, (std::array<int, 3>{1, 1, 1}));
}

TEST(Szenenmodell, ListenzugriffAusserhalbGibtNichts)
{
    TFLUGZEUG f;
    f.Flaechen.Add(std::make_unique<TFLAECHE>(TFlaechenArt::Rumpf));
    TFLAECHE& fl = *f.Flaechen.Get(0);
    fl.Segmente.Add(std::make_unique<TSEGMENT>());
    for (const int i : {-1, 1}) {
        EXPECT_EQ(f.Flaechen.Get(i), nullptr) << i;
        EXPECT_EQ(fl.Segmente.Get(i), nullptr) << i;
    }
    EXPECT_EQ(fl.Segmentbreite(5), 0.0L);
}

TEST(Szenenmodell, EinfuegenUndLoeschenHaltenDieReihenfolge)
{
    TFLAECHE fl(TFlaechenArt::Fluegel);
    for (const Extended b : {-0.5L, 0.5L}) {
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = b;
        fl.Segmente.Add(std::move(s));
    }
    auto mitte = std::make_unique<TSEGMENT>();
    mitte->Segmentbreite = -0.1L;
    const TSEGMENT* adresse = mitte.get();
    fl.Segmente.Insert(1, std::move(mitte));
    ASSERT_EQ(fl.Segmente.Count(), 3);
    EXPECT_EQ(fl.Segmente.Get(1), adresse);
    EXPECT_EQ(fl.Segmentbreite(0), -0.5L);
    EXPECT_EQ(fl.Segmentbreite(2), 0.5L);
    fl.Segmente.Delete(0);
    ASSERT_EQ(fl.Segmente.Count(), 2);
    EXPECT_EQ(fl.Segmente.Get(0), adresse);
    fl.Segmente.Delete(7);
    EXPECT_EQ(fl.Segmente.Count(), 2);
}

TEST(Szenenmodell, FlaecheUndSegmentVorgaben)
{
    const TFLAECHE f(TFlaechenArt::Seitenleitwerk);
    EXPECT_EQ(f.Art, TFlaechenArt::Seitenleitwerk);
    EXPECT_EQ(f.Bezeichnung, "noname");
    EXPECT_TRUE(f.Alfa0Cm0Optimierung);
    EXPECT_EQ(f.AnzahlPanelsX, 8);
    EXPECT_EQ(f.VerteilungX, TVerteilung::Linear);
    EXPECT_EQ(f.AnzahlPanelsVolumendarstellung, 30);
    EXPECT_EQ(f.Masse, 0.2L);
    EXPECT_EQ(f.Zirkulationsvorgabe, 1.0L);
    ASSERT_NE(f.Wurzelprofil, nullptr);
    EXPECT_EQ(f.Wurzelprofil->Anzahl(), 0);
    EXPECT_TRUE(f.Sichtbar && f.DxfAuswahl && f.StlAuswahl);
    EXPECT_EQ(f.Rand2D, 20);
    EXPECT_EQ(f.Panelraster.RowCount(), 0);
    EXPECT_EQ(f.Ergebnisraster.RowCount(), 0);

    const TSEGMENT s;
    EXPECT_EQ(s.AnzahlPanelsY, 1);
    EXPECT_EQ(s.VerteilungY, TVerteilung::Linear);
    EXPECT_EQ(s.KlappentiefeLinks, 25.0L);
    EXPECT_EQ(s.KlappentiefeRechts, 25.0L);
    EXPECT_EQ(s.Klappengruppe, 0);
    EXPECT_FALSE(s.Klappeninverse);
    ASSERT_NE(s.Segmentprofil, nullptr);
}

TEST(Szenenmodell, SegmentkopieUebernimmtDieDateifelderUndNichtDieSchnitte)
{
    TSEGMENT s;
    s.Segmentbreite = -0.4L;
    s.Profiltiefe = 0.18L;
    s.BezugspunktProfiltiefe = 25.0L;
    s.Verwindungswinkel = -1.5L;
    s.VFormWinkel = 3.0L;
    s.Pfeilwinkel = 2.0L;
    s.BezugspunktPfeilwinkel = 30.0L;
    s.AnzahlPanelsY = 7;
    s.VerteilungY = TVerteilung::SinR;
    s.KlappentiefeLinks = 20.0L;
    s.KlappentiefeRechts = 22.0L;
    s.Klappenausschlag = 5.0L;
    s.Klappengruppe = 3;
    s.Klappeninverse = true;
    s.FlagManBeiwerte = true;
    s.Alfa0Man = -2.1L;
    s.Cm0Man = -0.05L;
    s.Segmentprofil->SetDefault();
    s.Gitterschnitte.push_back(std::make_unique<TProfil>());
    s.VorderkanteX = 0.3L;

    const auto k = s.Copy();
    EXPECT_EQ(k->Segmentbreite, s.Segmentbreite);
    EXPECT_EQ(k->Profiltiefe, s.Profiltiefe);
    EXPECT_EQ(k->BezugspunktProfiltiefe, s.BezugspunktProfiltiefe);
    EXPECT_EQ(k->Verwindungswinkel, s.Verwindungswinkel);
    EXPECT_EQ(k->VFormWinkel, s.VFormWinkel);
    EXPECT_EQ(k->Pfeilwinkel, s.Pfeilwinkel);
    EXPECT_EQ(k->BezugspunktPfeilwinkel, s.BezugspunktPfeilwinkel);
    EXPECT_EQ(k->AnzahlPanelsY, 7);
    EXPECT_EQ(k->VerteilungY, TVerteilung::SinR);
    EXPECT_EQ(k->KlappentiefeLinks, 20.0L);
    EXPECT_EQ(k->KlappentiefeRechts, 22.0L);
    EXPECT_EQ(k->Klappenausschlag, 5.0L);
    EXPECT_EQ(k->Klappengruppe, 3);
    EXPECT_TRUE(k->Klappeninverse);
    EXPECT_TRUE(k->FlagManBeiwerte);
    EXPECT_EQ(k->Alfa0Man, -2.1L);
    EXPECT_EQ(k->Cm0Man, -0.05L);
    ASSERT_NE(k->Segmentprofil, s.Segmentprofil);
    EXPECT_EQ(k->Segmentprofil->Anzahl(), 35);
    EXPECT_EQ(k->Segmentprofil->Dateiname, "Naca0010.dat");
    EXPECT_TRUE(k->Gitterschnitte.empty());
    EXPECT_EQ(k->VorderkanteX, 0.0L);
}

TEST(Szenenmodell, NeueFlaecheHinterDerHintersten)
{
    TFLUGZEUG f;
    EXPECT_EQ(NeueFlaecheAnhaengen(f), 0);
    const TFLAECHE& erste = *f.Flaechen.Get(0);
    EXPECT_EQ(erste.Art, TFlaechenArt::Fluegel);
    EXPECT_EQ(erste.Position.x, 0.0L);
    EXPECT_EQ(erste.Position.z, 0.0L);
    EXPECT_EQ(erste.Profiltiefe, 0.2L);
    EXPECT_EQ(erste.AnzahlPanelsX, 4);
    EXPECT_EQ(erste.Wurzelprofil->Anzahl(), 35);
    ASSERT_EQ(erste.Segmente.Count(), 2);
    EXPECT_EQ(erste.Segmentbreite(0), -0.5L);
    EXPECT_EQ(erste.Segmentbreite(1), 0.5L);
    for (const auto& s : erste.Segmente) {
        EXPECT_EQ(s->Profiltiefe, 0.2L);
        EXPECT_EQ(s->AnzahlPanelsY, 1);
        EXPECT_EQ(s->KlappentiefeLinks, 25.0L);
        EXPECT_EQ(s->Segmentprofil->Dateiname, "Naca0010.dat");
    }

    // The rearmost surface counts, not the last one added.
    f.Flaechen.Get(0)->Position = {1.0L, 0.3L, 0.05L};
    f.Flaechen.Add(std::make_unique<TFLAECHE>(TFlaechenArt::Rumpf));
    EXPECT_EQ(NeueFlaecheAnhaengen(f), 2);
    EXPECT_EQ(f.AktuelleFlaeche, 2);
    const TFLAECHE& dritte = *f.Flaechen.Get(2);
    EXPECT_TRUE(NaheL(dritte.Position.x, 1.2L, 1e-18L));
    EXPECT_EQ(dritte.Position.y, 0.0L);
    EXPECT_TRUE(NaheL(dritte.Position.z, 0.15L, 1e-18L));
}
