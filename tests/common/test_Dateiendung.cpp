// Saved files keep exactly the extension their format asks for.
#include <gtest/gtest.h>

#include "common/Dateiendung.h"

TEST(Dateiendung, NamesEndInTheirFormatsExtension)
{
    const struct {
        const char* Gewaehlt;
        const char* Endung;
        const char* Soll;
    } faelle[] = {{"/p/flach", ".dat", "/p/flach.dat"},       {"/p/flach.txt", ".dat", "/p/flach.dat"},
                  {"/p/flach.dat", ".dat", "/p/flach.dat"},   {"/p/flach.DAT", ".dat", "/p/flach.dat"},
                  {"/p.q/a.b.txt", ".dat", "/p.q/a.dat"},     {"/p/Segler.dxf", ".DXF", "/p/Segler.DXF"},
                  {"/p/Segler", ".STL", "/p/Segler.STL"},     {"/p/.versteckt", ".DXF", "/p/.versteckt.DXF"}};
    for (const auto& f : faelle) EXPECT_EQ(DateinameMitEndung(f.Gewaehlt, f.Endung), std::filesystem::path(f.Soll)) << f.Gewaehlt;
}
