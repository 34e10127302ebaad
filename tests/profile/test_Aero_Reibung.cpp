// The profile drag's friction and bubble parts, pinned to values worked out by hand from the
// flat-plate laws (tests/data/reibung_von_hand.py): what the drag adds to a quarter of the pressure
// drag on a coarse NACA 0012 with chosen separation points.
#include <gtest/gtest.h>

#include <cmath>

#include "AeroTestprofile.h"
#include "profile/PanelVerfahren.h"
#include "profile/Streifenanalyse.h"

TEST(AeroReibung, ReibungUndBlasenwiderstandWieVonHandGerechnet)
{
    const struct {
        const char* name;
        int re, su, sl;
        bool blase;
        Extended alfa, alfaMax, alfaMin;
        Extended reibung;  ///< friction plus bubble drag, from the script
        bool blaseOben, blaseUnten;
    } faelle[] = {
        // Printed by tests/data/reibung_von_hand.py.
        {"laminar_bis_zur_mitte_mit_blasen", 150000, 5, 15, true, 2.0L, 10.0L, -10.0L, 0.01836901650307516L, true, true},
        {"laminar_bis_zur_mitte_ohne_blasen", 150000, 5, 15, false, 2.0L, 10.0L, -10.0L, 0.01166392865948969L, false, false},
        {"oben_abgerissen", 150000, 5, 15, false, 12.0L, 10.0L, -10.0L, 0.01737227962090074L, false, false},
        {"unten_abgerissen", 150000, 5, 15, false, -12.0L, 10.0L, -10.0L, 0.017372279620900738L, false, false},
        {"ueberkritisch_keine_blase", 300000, 5, 15, true, 2.0L, 10.0L, -10.0L, 0.00918063752114314L, false, false},
        {"umschlag_hinten_keine_blase", 150000, 3, 17, true, 2.0L, 10.0L, -10.0L, 0.010140151263661563L, false, false},
        {"ganz_laminar", 1000000, 0, 20, false, 0.0L, 10.0L, -10.0L, 0.003496691442396536L, false, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TProfil profil = NacaProfil(0.0L, 0.0L, 0.12L, 10, TNacaDicke::Senkrecht);
        ASSERT_EQ(profil.Anzahl(), 21);
        ASSERT_EQ(profil.NasenIndex(), 10);
        TProfil druck = profil;
        PanelVerfahren(druck, f.alfa);
        const Extended cwp = PanelKraefte(druck, f.alfa).Cwp;

        const TProfilwiderstand w =
            Profilwiderstand(profil, {f.su, f.sl}, f.blase, f.re, f.alfaMax, f.alfaMin, f.alfa);
        EXPECT_NEAR(w.Cw - std::fabs(cwp) / 4.0L, f.reibung, 1e-14L);
        EXPECT_EQ(w.BlaseOben, f.blaseOben);
        EXPECT_EQ(w.BlaseUnten, f.blaseUnten);
    }
}
