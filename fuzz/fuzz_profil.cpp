// Fuzz target of the airfoil reader: any bytes are either a profile or a file error with a reason;
// a profile that reads has finite coordinates.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzDatei.h"
#include "common/Fehler.h"
#include "profile/T_Profil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::filesystem::path datei = FuzzDatei(daten, groesse, ".dat");
    TProfil profil;
    try {
        profil.LoadDat(datei);
    } catch (const EVelionFehler&) {
        return 0;
    }
    for (int i = 0; i < profil.Anzahl(); ++i) {
        const TKoordinate* p = profil.Punkt(i);
        if (!std::isfinite(p->X) || !std::isfinite(p->Z)) {
            std::fprintf(stderr, "point %d is not finite\n", i);
            std::abort();
        }
    }
    return 0;
}
