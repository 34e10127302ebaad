// Names and kinds of the strip result slots.
#include "model/TErgebnis.h"

const char* ErgebnisSlotName(int slot)
{
    switch (slot) {
    case SlotGamma: return "Gamma";
    case SlotCa: return "Ca";
    case SlotCwi: return "Cwi";
    case SlotAi: return "Ai";
    case SlotStreifentiefe: return "Streifentiefe";
    case SlotStreifenbreite: return "Streifenbreite";
    case SlotRe: return "Re";
    case SlotStreifenkraft: return "Streifenkraft";
    case SlotStreifennormale: return "Streifennormale";
    case SlotSegmentnummer: return "Segmentnummer";
    case SlotAlfaGeometrisch: return "AlfaGeometrisch";
    case SlotAlfaEffektiv: return "AlfaEffektiv";
    case SlotAlfaMin: return "AlfaMin";
    case SlotAlfaMax: return "AlfaMax";
    case SlotCaMin: return "CaMin";
    case SlotCaMax: return "CaMax";
    case SlotCwv: return "Cwv";
    case SlotXOben: return "XOben";
    case SlotXUnten: return "XUnten";
    case SlotAbrissOben: return "AbrissOben";
    case SlotAbrissUnten: return "AbrissUnten";
    case SlotVorderkante: return "Vorderkante";
    case SlotHinterkante: return "Hinterkante";
    case SlotBlaseOben: return "BlaseOben";
    case SlotBlaseUnten: return "BlaseUnten";
    default: return nullptr;
    }
}

TErgebnisArt ErgebnisSlotArt(int slot)
{
    switch (slot) {
    case SlotVorderkante:
    case SlotHinterkante: return TErgebnisArt::Punkt;
    case SlotStreifenkraft:
    case SlotStreifennormale: return TErgebnisArt::Vektor;
    default: return TErgebnisArt::Wert;
    }
}
