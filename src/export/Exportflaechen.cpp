// The volume resolution of an export, the private surface copies with their strak sections, and the
// run of volume sections along a surface.
#include "export/Exportflaechen.h"

#include <cmath>

#include "common/Host.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Flaechenbearbeitung.h"
#include "geometry/Gitterbau.h"
#include "model/T_FLUGZEUG.h"
#include "profile/T_Profil.h"

TExportaufloesung::TExportaufloesung(TFLUGZEUG& flugzeug, int aufloesung, THost& host)
    : flugzeug_(flugzeug), host_(host)
{
    for (const auto& f : flugzeug_.Flaechen) {
        gemerkt_.push_back(f->AnzahlPanelsVolumendarstellung);
        f->AnzahlPanelsVolumendarstellung = aufloesung;
    }
    Neubauen();
}

TExportaufloesung::~TExportaufloesung()
{
    int i = 0;
    for (const auto& f : flugzeug_.Flaechen) f->AnzahlPanelsVolumendarstellung = gemerkt_[static_cast<size_t>(i++)];
    Neubauen();
}

void TExportaufloesung::Neubauen()
{
    for (const auto& f : flugzeug_.Flaechen) BaueFlaeche(*f, host_);
    GitterAufbauen(flugzeug_, host_.Flags);
    host_.Aktualisieren();
    host_.NeuZeichnen();
}

std::unique_ptr<TFLAECHE> Exportkopie(const TFLAECHE& original, THost& host)
{
    auto kopie = FlaecheKopieren(original);
    kopie->AnzahlPanelsVolumendarstellung = original.AnzahlPanelsVolumendarstellung;
    BaueFlaeche(*kopie, host);
    return kopie;
}

namespace {

/// Span position of the leading edge of a planform section.
Extended NasenY(const TProfil& grundriss) { return grundriss.Punkte().back().Y; }

/// Cuts the segment whose planform leading edges enclose span position m (compared at 4 decimals)
/// in two, as the editor's "Splitten Pos. Y" does with a straight trailing edge; a position on a
/// segment's end cuts nothing. Returns whether a cut was made.
bool SchneideBeiY(TFLAECHE& f, Extended m, THost& host)
{
    const Extended mGerundet = RoundReal(4, m);
    for (int j = 0; j < f.Segmente.Count(); ++j) {
        const TSEGMENT& s = *f.Segmente.Get(j);
        if (s.Grundrissschnitte.empty()) continue;
        const Extended yL = NasenY(*s.Grundrissschnitte.front());
        const Extended yR = NasenY(*s.Grundrissschnitte.back());
        const Extended links = RoundReal(4, std::min(yL, yR));
        const Extended rechts = RoundReal(4, std::max(yL, yR));
        if (mGerundet < links || mGerundet > rechts) continue;
        if (mGerundet == links || mGerundet == rechts) return false;
        if (!SegmentBeiYTeilen(f, j, m, TTeilungstiefe::HinterkanteGerade)) return false;
        BaueFlaeche(f, host);
        return true;
    }
    return false;
}

} // namespace

void StrakschnitteEinfuegen(TFLAECHE& kopie, const TFLAECHE& original, Extended rippenabstand, THost& host)
{
    if (!(rippenabstand > 0.0L)) return;
    for (const auto& s : original.Segmente) {
        if (s->Grundrissschnitte.empty()) continue;
        const Extended y0 = NasenY(*s->Grundrissschnitte.front());
        const Extended b = std::fabs(s->Segmentbreite);
        // Enough pieces that none is wider than the spacing asked for; a width that is a whole
        // multiple of it, up to rounding, needs no extra piece.
        const long long n = static_cast<long long>(std::ceil(b / rippenabstand - 1e-9L));
        if (n < 2) continue;
        for (long long k = 1; k < n; ++k) SchneideBeiY(kopie, y0 + static_cast<Extended>(k) * b / static_cast<Extended>(n), host);
    }
}

std::vector<const TProfil*> Volumenschnittfolge(const TFLAECHE& flaeche)
{
    std::vector<const TProfil*> folge;
    const TSEGMENT* letztes = nullptr;
    for (const auto& s : flaeche.Segmente) {
        if (s->Volumenschnitte.empty()) continue;
        for (size_t i = 0; i + 1 < s->Volumenschnitte.size(); ++i) folge.push_back(s->Volumenschnitte[i].get());
        letztes = s.get();
    }
    if (letztes) folge.push_back(letztes->Volumenschnitte.back().get());
    return folge;
}
