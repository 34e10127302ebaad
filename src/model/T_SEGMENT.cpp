// Segment construction and copy.
#include "model/T_SEGMENT.h"

#include "profile/T_Profil.h"

TSEGMENT::TSEGMENT() : Segmentprofil(std::make_unique<TProfil>()) {}

TSEGMENT::~TSEGMENT() = default;

std::unique_ptr<TSEGMENT> TSEGMENT::Copy() const
{
    auto s = std::make_unique<TSEGMENT>();
    s->Segmentbreite = Segmentbreite;
    s->Profiltiefe = Profiltiefe;
    s->BezugspunktProfiltiefe = BezugspunktProfiltiefe;
    s->Verwindungswinkel = Verwindungswinkel;
    s->VFormWinkel = VFormWinkel;
    s->Pfeilwinkel = Pfeilwinkel;
    s->BezugspunktPfeilwinkel = BezugspunktPfeilwinkel;
    s->AnzahlPanelsY = AnzahlPanelsY;
    s->VerteilungY = VerteilungY;
    s->KlappentiefeLinks = KlappentiefeLinks;
    s->KlappentiefeRechts = KlappentiefeRechts;
    s->Klappenausschlag = Klappenausschlag;
    s->Klappengruppe = Klappengruppe;
    s->Klappeninverse = Klappeninverse;
    s->FlagManBeiwerte = FlagManBeiwerte;
    s->Alfa0Man = Alfa0Man;
    s->Cm0Man = Cm0Man;
    s->Segmentprofil->Assign(Segmentprofil.get());
    return s;
}
