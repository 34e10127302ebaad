// Aircraft reference values and total mass.
#include "evaluation/Gesamtbezugswerte.h"

#include <cmath>

#include "common/Mathe.h"
#include "model/Atmosphaere.h"
#include "model/T_FLUGZEUG.h"

void Gesamtbezugswerte(TFLUGZEUG& flugzeug)
{
    if (std::nearbyint(flugzeug.Flughoehe) != -1.0L) flugzeug.Luftdichte = DichteAusHoehe(flugzeug.Flughoehe);

    Extended horizontal = 0.0L;
    Extended seitlich = 0.0L;
    Extended wahr = 0.0L;
    Extended gewichteteTiefe = 0.0L;
    Extended gewicht = 0.0L;
    // The chord of the first surface with the largest horizontal area stands in when no surface
    // carries weight (all spans or areas 0).
    const TFLAECHE* groesste = nullptr;
    for (const auto& f : flugzeug.Flaechen) {
        horizontal += f->FlaecheHorizontal;
        seitlich += f->FlaecheSeitlich;
        wahr += f->FlaecheWahr;
        // Long spans weigh more: the chord of a big wing matters more than that of a tailplane.
        const Extended g = Potenz(f->Spannweite, 2.5L) * f->FlaecheWahr;
        gewichteteTiefe += g * f->Bezugstiefe;
        gewicht += g;
        if (groesste == nullptr || f->FlaecheHorizontal > groesste->FlaecheHorizontal) groesste = f.get();
    }
    flugzeug.FlaecheHorizontalGesamt = horizontal;
    flugzeug.FlaecheSeitlichGesamt = seitlich;
    flugzeug.FlaecheWahrGesamt = wahr;
    if (gewicht != 0.0L)
        flugzeug.Bezugstiefe = gewichteteTiefe / gewicht;
    else
        flugzeug.Bezugstiefe = groesste != nullptr ? groesste->Bezugstiefe : 0.0L;
}

void GesamtmasseBerechnen(TFLUGZEUG& flugzeug)
{
    Extended masse = flugzeug.ZusaetzlicheMassen;
    for (const auto& f : flugzeug.Flaechen) masse += f->Masse;
    flugzeug.Gesamtmasse = masse;
}
