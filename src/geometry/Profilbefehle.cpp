// The profile commands of a surface and the blended section at the marker.
#include "geometry/Profilbefehle.h"

#include "model/T_SEGMENT.h"
#include "profile/T_Profil.h"

TProfilziel AktuellesProfilziel(const TFLUGZEUG& flugzeug, bool segment)
{
    const TFLAECHE* fl = flugzeug.Flaechen.Get(flugzeug.AktuelleFlaeche);
    if (!fl) return {};
    if (!segment) return {flugzeug.AktuelleFlaeche, -1};
    if (!fl->Segmente.Get(fl->AktuellesSegment)) return {};
    return {flugzeug.AktuelleFlaeche, fl->AktuellesSegment};
}

TProfil* Zielprofil(TFLUGZEUG& flugzeug, const TProfilziel& ziel)
{
    TFLAECHE* fl = flugzeug.Flaechen.Get(ziel.Flaeche);
    if (!fl) return nullptr;
    if (ziel.Segment < 0) return fl->Wurzelprofil.get();
    TSEGMENT* s = fl->Segmente.Get(ziel.Segment);
    return s ? s->Segmentprofil.get() : nullptr;
}

bool ProfilUebernehmen(TBearbeitung& b, const TProfilziel& ziel, const std::filesystem::path& datei)
{
    TProfil* profil = Zielprofil(b.Flugzeug, ziel);
    if (!profil) return false;
    profil->LoadDat(datei);
    Bearbeitungsende(b, b.Flugzeug.Flaechen.Get(ziel.Flaeche), true);
    return true;
}

bool ProfilInvertieren(TBearbeitung& b, const TProfilziel& ziel)
{
    TProfil* profil = Zielprofil(b.Flugzeug, ziel);
    if (!profil) return false;
    profil->Invertieren();
    Bearbeitungsende(b, b.Flugzeug.Flaechen.Get(ziel.Flaeche), ziel.Segment >= 0);
    return true;
}

bool StrakEinbauen(TBearbeitung& b)
{
    const TProfilziel ziel = AktuellesProfilziel(b.Flugzeug, true);
    TProfil* profil = Zielprofil(b.Flugzeug, ziel);
    if (!profil) return false;
    profil->Dateiname = "strak";
    Bearbeitungsende(b, b.Flugzeug.Flaechen.Get(ziel.Flaeche), true);
    return true;
}

namespace {

/// Span position of a segment end: the leading edge, the last point of a plan-view section.
Extended Endstation(const TProfil& schnitt) { return schnitt.Punkte().back().Y; }

}  // namespace

std::unique_ptr<TProfil> Profilschnitt(const TFLAECHE& flaeche, Extended station)
{
    const int j = flaeche.AktuellesSegment;
    const TSEGMENT* s = flaeche.Segmente.Get(j);
    if (!s || s->Grundrissschnitte.empty() || s->Grundrissschnitte.front()->Anzahl() == 0 ||
        s->Grundrissschnitte.back()->Anzahl() == 0)
        return nullptr;
    const TProfil* wurzel = flaeche.Wurzelprofil.get();
    const TProfil* a = nullptr;  // left end
    const TProfil* b = nullptr;  // right end
    if (flaeche.Segmente.Count() == 1) {
        a = s->Segmentbreite >= 0.0L ? wurzel : s->Segmentprofil.get();
        b = s->Segmentbreite >= 0.0L ? s->Segmentprofil.get() : wurzel;
    } else if (s->Segmentbreite < 0.0L) {
        a = s->Segmentprofil.get();
        const TSEGMENT* weiter = flaeche.Segmente.Get(j + 1);
        b = weiter && weiter->Segmentbreite < 0.0L ? weiter->Segmentprofil.get() : wurzel;
    } else if (s->Segmentbreite > 0.0L) {
        b = s->Segmentprofil.get();
        const TSEGMENT* vorher = flaeche.Segmente.Get(j - 1);
        a = vorher && vorher->Segmentbreite > 0.0L ? vorher->Segmentprofil.get() : wurzel;
    } else {
        return nullptr;
    }
    auto schnitt = std::make_unique<TProfil>();
    schnitt->Mischen(a, Endstation(*s->Grundrissschnitte.front()), b, Endstation(*s->Grundrissschnitte.back()), station);
    return schnitt;
}
