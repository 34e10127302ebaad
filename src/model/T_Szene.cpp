// Scene construction and the new-aircraft operation.
#include "model/T_Szene.h"

TSZENE::TSZENE() = default;

TSZENE::~TSZENE() = default;

std::unique_ptr<TSZENE> NeuesFlugzeug()
{
    auto szene = std::make_unique<TSZENE>();
    szene->Flugzeug = std::make_unique<TFLUGZEUG>();
    szene->Flugzeug->AnsichtPosition = {0.0L, 0.0L, 2.0L};
    szene->Flugzeug->Betrachtungswinkel = {20.0L, 20.0L, 0.0L};
    szene->Flugzeug->NullpunktSichtbar = true;
    szene->Name = "Noname";
    return szene;
}
