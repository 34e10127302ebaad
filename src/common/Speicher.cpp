// Physical memory against the size of a lattice's equation system.
#include "common/Speicher.h"

#include <unistd.h>

#include "common/Extended.h"

bool SystemPasstInDenSpeicher(std::size_t n)
{
    const long seiten = ::sysconf(_SC_PHYS_PAGES);
    const long seite = ::sysconf(_SC_PAGE_SIZE);
    if (seiten <= 0 || seite <= 0) return true;  // unknown: let the allocation decide
    // Computed in floating point: the product of a damaged panel count must not wrap around.
    const long double bedarf = static_cast<long double>(n) * (static_cast<long double>(n) + 1.0L) * sizeof(Extended);
    return bedarf <= 0.8L * static_cast<long double>(seiten) * static_cast<long double>(seite);
}
