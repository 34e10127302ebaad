// Aircraft construction.
#include "model/T_FLUGZEUG.h"

TFLUGZEUG::TFLUGZEUG()
{
    Klappengruppenbeschreibung.fill("leer");
    Klappengruppenbeschreibung[0] = "Einzelklappe";
}

TFLUGZEUG::~TFLUGZEUG() = default;
