// The strip result grid of a surface and the records it owns: cells are filled on demand, keep
// their address while the grid grows, and are reused after the grid is emptied.
#include <gtest/gtest.h>

#include "model/T_FLAECHE.h"

TEST(Ergebnisraster, CellsAreMadeZeroedAndStayWhereTheyAre)
{
    TFLAECHE f(TFlaechenArt::Fluegel);
    TErgebnis* ca = f.ErgebnisSetzen(0, SlotCa);
    ASSERT_NE(ca, nullptr);
    EXPECT_EQ(f.Ergebnisraster.Get(0, SlotCa), ca);
    EXPECT_EQ(ca->Wert, 0.0L);
    ca->Wert = 0.7L;
    EXPECT_EQ(f.ErgebnisSetzen(0, SlotCa), ca) << "a filled cell is not replaced";
    EXPECT_EQ(f.Ergebnisraster.Get(0, SlotGamma), nullptr) << "untouched slots stay absent";

    for (int j = 1; j < 200; ++j) f.ErgebnisSetzen(j, SlotRe)->Wert = j;
    EXPECT_EQ(f.Ergebnisraster.Get(0, SlotCa), ca);
    EXPECT_EQ(ca->Wert, 0.7L) << "later strips do not move earlier records";
    EXPECT_EQ(f.Ergebnisraster.Get(150, SlotRe)->Wert, 150.0L);
}

TEST(Ergebnisraster, EmptiedGridReusesItsRecords)
{
    TFLAECHE f(TFlaechenArt::Fluegel);
    for (int j = 0; j < 5; ++j) f.ErgebnisSetzen(j, SlotHinterkante)->Punkt = {1.0L, 2.0L, 3.0L};
    TErgebnis* alt = f.Ergebnisraster.Get(3, SlotHinterkante);
    const auto zeilen = f.Ergebnisspeicher.size();

    f.Ergebnisraster.Clear();
    EXPECT_EQ(f.Ergebnisraster.Get(3, SlotHinterkante), nullptr);
    TErgebnis* neu = f.ErgebnisSetzen(3, SlotHinterkante);
    EXPECT_EQ(neu, alt);
    EXPECT_EQ(neu->Punkt.x, 0.0L) << "a reused record starts from zero";
    EXPECT_EQ(f.Ergebnisspeicher.size(), zeilen);
}

TEST(Ergebnisraster, CellsOutsideTheSlotsAreRefused)
{
    TFLAECHE f(TFlaechenArt::Fluegel);
    EXPECT_EQ(f.ErgebnisSetzen(-1, SlotCa), nullptr);
    EXPECT_EQ(f.ErgebnisSetzen(0, -1), nullptr);
    EXPECT_EQ(f.ErgebnisSetzen(0, ErgebnisSlotAnzahl), nullptr);
    EXPECT_EQ(f.Ergebnisraster.RowCount(), 0);
}
