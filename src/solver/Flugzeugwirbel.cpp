// Aircraft-wide vortex sums over the surfaces.
#include "solver/Flugzeugwirbel.h"

#include "model/T_FLUGZEUG.h"
#include "solver/Wirbelsystem.h"

void InduzierteGeschwindigkeit(const TFLUGZEUG& flugzeug, const T3Vektor& P, T3Vektor& V)
{
    for (const auto& f : flugzeug.Flaechen) InduzierteGeschwindigkeit(f->Panelraster, P, V);
}

void VerteileZirkulation(TFLUGZEUG& flugzeug)
{
    for (const auto& f : flugzeug.Flaechen) VerteileZirkulation(f->Panelraster);
}
