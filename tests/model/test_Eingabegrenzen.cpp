// The limits table of the input fields: what each field accepts, which error text answers a text
// that does not parse or a value out of range, and the rounding of what is stored.
#include <gtest/gtest.h>

#include "common/TestHilfe.h"
#include "common/Zahlentext.h"
#include "model/Eingabegrenzen.h"

namespace {

struct TFall {
    const char* name;
    TEingabefeld feld;
    const char* text;
    bool angenommen;
    int fehlertext;
    Extended wert;
};

constexpr TFall Faelle[] = {
    {"EinstellwinkelGrenzeOben", TEingabefeld::Einstellwinkel, "90", true, 0, 90.0L},
    {"EinstellwinkelUeber", TEingabefeld::Einstellwinkel, "90.00001", false, 5, 0},
    {"EinstellwinkelKomma", TEingabefeld::Einstellwinkel, "-2,5", true, 0, -2.5L},
    {"EinstellwinkelKeineZahl", TEingabefeld::Einstellwinkel, "zwei", false, 2, 0},
    {"SchiebewinkelUnter", TEingabefeld::Schiebewinkel, "-91", false, 5, 0},
    {"AnstellwinkelUeber", TEingabefeld::Anstellwinkel, "91", false, 5, 0},
    {"AuslegungsCaZweiPi", TEingabefeld::AuslegungsCa, "-6.283185307179586", true, 0, -6.28319L},
    {"AuslegungsCaUeber", TEingabefeld::AuslegungsCa, "6.3", false, 20, 0},
    {"StabilitaetsmassUnter", TEingabefeld::Stabilitaetsmass, "-100.001", false, 29, 0},
    {"FlugGeschwindigkeitNull", TEingabefeld::FlugGeschwindigkeit, "0", false, 21, 0},
    {"FlugGeschwindigkeitRundetAufNull", TEingabefeld::FlugGeschwindigkeit, "0.000004", false, 21, 0},
    {"FlugGeschwindigkeitKleinste", TEingabefeld::FlugGeschwindigkeit, "0.00001", true, 0, 0.00001L},
    {"ProfiltiefeGerundet", TEingabefeld::Profiltiefe, "0.1234567", true, 0, 0.12346L},
    {"ProfiltiefeKleinste", TEingabefeld::Profiltiefe, "0.00001", true, 0, 0.00001L},
    {"ProfiltiefeNull", TEingabefeld::Profiltiefe, "0", false, 3, 0},
    {"SegmentbreiteNegativ", TEingabefeld::Segmentbreite, "-0.3", false, 3, 0},
    {"PfeilwinkelGrenze", TEingabefeld::Pfeilwinkel, "-89", true, 0, -89.0L},
    {"PfeilwinkelUeber", TEingabefeld::Pfeilwinkel, "89.5", false, 9, 0},
    {"VerwindungUeber", TEingabefeld::Verwindungswinkel, "45.1", false, 13, 0},
    {"KlappenausschlagUnter", TEingabefeld::Klappenausschlag, "-46", false, 13, 0},
    {"KlappentiefeLinksKeineZahl", TEingabefeld::KlappentiefeLinks, "x", false, 4, 0},
    {"KlappentiefeLinksUeber", TEingabefeld::KlappentiefeLinks, "101", false, 4, 0},
    {"KlappentiefeRechtsKeineZahl", TEingabefeld::KlappentiefeRechts, "x", false, 2, 0},
    {"KlappentiefeRechtsUeber", TEingabefeld::KlappentiefeRechts, "100.5", false, 4, 0},
    {"BezugspunktNull", TEingabefeld::Bezugspunkt, "0", true, 0, 0.0L},
    {"BezugspunktUnter", TEingabefeld::Bezugspunkt, "-1", false, 4, 0},
    {"PanelsEins", TEingabefeld::AnzahlPanels, "1", true, 0, 1.0L},
    {"PanelsNull", TEingabefeld::AnzahlPanels, "0", false, 10, 0},
    {"PanelsKeineGanzzahl", TEingabefeld::AnzahlPanels, "4.5", false, 10, 0},
    {"VolumenpanelsNeun", TEingabefeld::AnzahlPanelsVolumendarstellung, "9", false, 30, 0},
    {"VolumenpanelsKeineZahl", TEingabefeld::AnzahlPanelsVolumendarstellung, "viele", false, 30, 0},
    {"MaxIterationNull", TEingabefeld::MaxIteration, "0", false, 15, 0},
    {"MaxIterationKeineZahl", TEingabefeld::MaxIteration, "x", false, 14, 0},
    {"SchrittzahlNull", TEingabefeld::GesamtpolarSchrittzahl, "0", false, 3, 0},
    {"SchrittzahlKeineZahl", TEingabefeld::GesamtpolarSchrittzahl, "", false, 14, 0},
    {"MasseNegativ", TEingabefeld::Masse, "-0.001", false, 18, 0},
    {"MasseNull", TEingabefeld::Masse, "0", true, 0, 0.0L},
    {"FlughoeheWasser", TEingabefeld::Flughoehe, "-1", true, 0, -1.0L},
    {"FlughoeheUnter", TEingabefeld::Flughoehe, "-1.5", false, 18, 0},
    {"InterferenzNegativ", TEingabefeld::InterferenzWiderstand, "-0.1", false, 3, 0},
    {"RumpfNegativ", TEingabefeld::Rumpf, "-0.1", false, 21, 0},
    {"KlappengruppeGeklemmtOben", TEingabefeld::Klappengruppe, "150", true, 0, 99.0L},
    {"KlappengruppeGeklemmtUnten", TEingabefeld::Klappengruppe, "-3", true, 0, 0.0L},
    {"KlappengruppeKeineZahlOhneMeldung", TEingabefeld::Klappengruppe, "x", false, 0, 0},
    {"FreiGross", TEingabefeld::Frei, "-12345.678901", true, 0, -12345.6789L},
    {"FreiKeineZahl", TEingabefeld::Frei, "1.234,5", false, 2, 0},
    {"UnendlichIstKeineZahl", TEingabefeld::Masse, "+Inf", false, 2, 0},
};

}  // namespace

TEST(Eingabegrenzen, TabelleDerFaelle)
{
    for (const TFall& f : Faelle) {
        SCOPED_TRACE(f.name);
        const TEingabepruefung p = EingabePruefen(f.feld, f.text);
        EXPECT_EQ(p.Angenommen, f.angenommen);
        EXPECT_EQ(p.Fehlertext, f.fehlertext);
        if (f.angenommen) {
            EXPECT_TRUE(NaheL(p.Wert, f.wert, 1e-15L));
        }
    }
}

TEST(Eingabegrenzen, AbgelehnteEingabeMeldetUndLaesstDenWert)
{
    TAufzeichnenderHost host;
    Extended winkel = 3.0L;
    EXPECT_FALSE(EingabeUebernehmen(host, TEingabefeld::Verwindungswinkel, "50", winkel));
    EXPECT_EQ(winkel, 3.0L);
    EXPECT_TRUE(EingabeUebernehmen(host, TEingabefeld::Verwindungswinkel, "-4.000004", winkel));
    EXPECT_EQ(winkel, RoundReal(5, -4.0L));
    int panels = 8;
    EXPECT_FALSE(EingabeUebernehmen(host, TEingabefeld::AnzahlPanels, "-2", panels));
    EXPECT_EQ(panels, 8);
    EXPECT_TRUE(EingabeUebernehmen(host, TEingabefeld::AnzahlPanels, "12", panels));
    EXPECT_EQ(panels, 12);
    int gruppe = 4;
    EXPECT_FALSE(EingabeUebernehmen(host, TEingabefeld::Klappengruppe, "vier", gruppe));
    EXPECT_EQ(gruppe, 4);
    EXPECT_EQ(host.Fehlertexte, (std::vector<int>{13, 10}));
    EXPECT_TRUE(host.Flags.FehlertextGezeigt);
}

TEST(Eingabegrenzen, IndexWirdInDieListeGeklemmt)
{
    int index = 1;
    EXPECT_TRUE(IndexUebernehmen("7", 3, index));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(IndexUebernehmen("-1", 3, index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(IndexUebernehmen("2", 0, index));
    EXPECT_EQ(index, 0);
    index = 1;
    EXPECT_FALSE(IndexUebernehmen("eins", 3, index));
    EXPECT_EQ(index, 1);
}
