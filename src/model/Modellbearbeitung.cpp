// Coupled edits of model fields and the starting shape of a new surface.
#include "model/Modellbearbeitung.h"

#include <cmath>

#include "model/Atmosphaere.h"
#include "model/Eingabegrenzen.h"
#include "profile/T_Profil.h"

namespace {

constexpr Extended DichteWasser = 1000.0L;
constexpr Extended DichteLuft = 1.225L;

}  // namespace

bool SegmentbreiteEingeben(THost& host, TSEGMENT& segment, std::string_view text)
{
    Extended breite = 0.0L;
    if (!EingabeUebernehmen(host, TEingabefeld::Segmentbreite, text, breite)) return false;
    segment.Segmentbreite = segment.Segmentbreite < 0.0L ? -breite : breite;
    return true;
}

bool FlughoeheEingeben(THost& host, TFLUGZEUG& flugzeug, std::string_view text)
{
    if (!EingabeUebernehmen(host, TEingabefeld::Flughoehe, text, flugzeug.Flughoehe)) return false;
    if (std::nearbyint(flugzeug.Flughoehe) == -1.0L) flugzeug.Luftdichte = DichteWasser;
    return true;
}

bool LuftdichteEingeben(THost& host, TFLUGZEUG& flugzeug, std::string_view text)
{
    if (!EingabeUebernehmen(host, TEingabefeld::Masse, text, flugzeug.Luftdichte)) return false;
    flugzeug.Flughoehe = HoeheAusDichte(flugzeug.Luftdichte);
    return true;
}

void WasserLuftSetzen(TFLUGZEUG& flugzeug, bool wasser)
{
    flugzeug.Luftdichte = wasser ? DichteWasser : DichteLuft;
    flugzeug.Flughoehe = HoeheAusDichte(flugzeug.Luftdichte);
}

bool BezugspunktProfiltiefeEingeben(THost& host, TFLAECHE& flaeche, std::string_view text)
{
    if (!EingabeUebernehmen(host, TEingabefeld::Bezugspunkt, text, flaeche.BezugspunktProfiltiefe)) return false;
    for (const auto& s : flaeche.Segmente) s->BezugspunktProfiltiefe = flaeche.BezugspunktProfiltiefe;
    return true;
}

bool BezugspunktPfeilwinkelEingeben(THost& host, TFLAECHE& flaeche, std::string_view text)
{
    Extended wert = 0.0L;
    if (!EingabeUebernehmen(host, TEingabefeld::Bezugspunkt, text, wert)) return false;
    for (const auto& s : flaeche.Segmente) s->BezugspunktPfeilwinkel = wert;
    return true;
}

int NeueFlaecheAnhaengen(TFLUGZEUG& flugzeug)
{
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Profiltiefe = 0.2L;
    f->AnzahlPanelsX = 4;
    f->Wurzelprofil->SetDefault();
    for (const Extended breite : {-0.5L, 0.5L}) {
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = breite;
        s->Profiltiefe = 0.2L;
        s->Segmentprofil->SetDefault();
        f->Segmente.Add(std::move(s));
    }
    // Behind and above the rearmost surface (the first of equals), so the two do not overlap.
    const TFLAECHE* hinten = nullptr;
    for (const auto& g : flugzeug.Flaechen)
        if (!hinten || g->Position.x > hinten->Position.x) hinten = g.get();
    if (hinten) f->Position = {hinten->Position.x + 0.2L, 0.0L, hinten->Position.z + 0.1L};
    flugzeug.AktuelleFlaeche = flugzeug.Flaechen.Add(std::move(f));
    return flugzeug.AktuelleFlaeche;
}
