// Flight-state directions from angle of attack and sideslip.
#include "geometry/Flugzustand.h"

#include <cmath>

#include "common/Vektor.h"
#include "model/T_FLUGZEUG.h"

void Flugzustandsvektoren(TFLUGZEUG& flugzeug)
{
    const Extended a = flugzeug.Anstellwinkel / GradProRad;
    const Extended b = flugzeug.Schiebewinkel / GradProRad;
    flugzeug.Anstroemrichtung = {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
    flugzeug.Auftriebsrichtung = {-std::sin(a) * std::cos(b), -std::sin(a) * std::sin(b), std::cos(a)};
    flugzeug.Seitenkraftrichtung = Kreuzprodukt(flugzeug.Auftriebsrichtung, flugzeug.Anstroemrichtung);
}
