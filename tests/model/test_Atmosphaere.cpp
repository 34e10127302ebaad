// Standard atmosphere: table rows, interpolation between them and the ends of the table.
#include "model/Atmosphaere.h"

#include <gtest/gtest.h>

#include "common/TestHilfe.h"

TEST(Atmosphaere, DichteAusHoehe)
{
    struct Fall {
        const char* name;
        Extended h;
        Extended rho;
    };
    const Fall faelle[] = {
        {"below sea level", -5.0L, 1.225L},    {"sea level", 0.0L, 1.225L},
        {"between rows", 500.0L, 1.1685L},     {"on a row", 6000.0L, 0.66L},
        {"last interval", 24500.0L, 0.0435L},  {"top of table", 25000.0L, 0.04L},
        {"above table", 30000.0L, 0.04L},      {"just below a row", 999.999L, 1.112000113L},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(NaheL(DichteAusHoehe(f.h), f.rho, 1e-12L));
    }
}

TEST(Atmosphaere, HoeheAusDichte)
{
    struct Fall {
        const char* name;
        Extended rho;
        Extended h;
    };
    const Fall faelle[] = {
        {"water", 1000.0L, -1.0L},
        {"sea level", 1.225L, 0.0L},
        {"between 1.225 and 1.2251", 1.22505L, 0.0L},
        {"between rows", 1.1685L, 500.0L},
        {"on a row", 0.66L, 6000.0L},
        {"last row", 0.04L, 25000.0L},
        {"below table", 0.03L, 25000.0L},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(NaheL(HoeheAusDichte(f.rho), f.h, 1e-9L));
    }
}

TEST(Atmosphaere, HinUndZurueck)
{
    for (Extended h = 0.0L; h < 25000.0L; h += 373.0L) {
        SCOPED_TRACE(static_cast<double>(h));
        EXPECT_TRUE(NaheL(HoeheAusDichte(DichteAusHoehe(h)), h, 1e-8L));
    }
}
