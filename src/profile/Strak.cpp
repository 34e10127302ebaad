// Blending of two section profiles and the strak rule of a surface.
#include "profile/Strak.h"

#include <algorithm>

#include "common/Mathe.h"

namespace {

const char* const StrakName = "strak";

bool IstStrak(const TProfil& p) { return p.Dateiname == StrakName; }

}  // namespace

void TProfil::Mischen(const TProfil* a, Extended stationA, const TProfil* b, Extended stationB, Extended station)
{
    if (a == nullptr || b == nullptr || a->Anzahl() == 0 || b->Anzahl() == 0) return;
    const int n = std::max(a->Anzahl(), b->Anzahl());
    // Copies first: this profile may be one of the two.
    TProfil kopieA = *a;
    TProfil kopieB = *b;
    punkte_.clear();
    Panels2D.clear();

    if (kopieA.Anzahl() != kopieB.Anzahl()) {
        // Each contour is resampled in its own chord frame and put back where it lay. Even n gives
        // n + 1 points for both; all of them are blended.
        for (TProfil* kopie : {&kopieA, &kopieB}) {
            const Extended winkel = kopie->Entdrehen();
            const Extended faktor = kopie->Normieren();
            TProfil neu = *kopie->CosinusVerteilung(n);
            neu.Drehen(0, neu.Anzahl() - 1, -winkel, 0.0L, 0.0L);
            for (TKoordinate& p : neu.punkte_) {
                p.X /= faktor;
                p.Z /= faktor;
            }
            *kopie = std::move(neu);
        }
    }
    for (TKoordinate& p : kopieA.punkte_) p.Y = stationA;
    for (TKoordinate& p : kopieB.punkte_) p.Y = stationB;

    for (int k = 0; k < kopieA.Anzahl(); ++k) {
        const TKoordinate& pa = kopieA.punkte_[k];
        const TKoordinate& pb = kopieB.punkte_[k];
        AddPunkt({Interpolieren(station, stationA, pa.X, stationB, pb.X), station,
                  Interpolieren(station, stationA, pa.Z, stationB, pb.Z)});
    }
}

void StrakAnwenden(const std::vector<TStrakschnitt>& schnitte)
{
    // The listed copies carry their station in the Y of every point.
    const int anzahl = static_cast<int>(schnitte.size());
    std::vector<TProfil> liste;
    std::vector<Extended> stationen;
    liste.reserve(anzahl);
    for (const TStrakschnitt& s : schnitte) {
        TProfil kopie = *s.Profil;
        Extended station = kopie.Anzahl() > 0 ? kopie.Punkt(0)->Y : 0.0L;
        if (s.Station) {
            station = *s.Station;
            for (int k = 0; k < kopie.Anzahl(); ++k) kopie.Punkt(k)->Y = station;
        }
        liste.push_back(std::move(kopie));
        stationen.push_back(station);
    }

    for (int i = 0; i < anzahl; ++i) {
        if (!IstStrak(liste[i])) continue;
        int unten = i - 1;
        while (unten >= 0 && IstStrak(liste[unten])) --unten;
        int oben = i + 1;
        while (oben < anzahl && IstStrak(liste[oben])) ++oben;
        if (oben >= anzahl) oben = unten;
        if (unten < 0) unten = oben;
        if (unten < 0) continue;  // no section to blend from

        const TProfil* unteres = &liste[unten];
        const TProfil* oberes = &liste[oben];
        std::unique_ptr<TProfil> neuUnten;
        std::unique_ptr<TProfil> neuOben;
        if (unteres->Dateiname != oberes->Dateiname || unteres->Anzahl() != oberes->Anzahl()) {
            const int n = std::max(unteres->Anzahl(), oberes->Anzahl());
            neuUnten = unteres->Neuverteilen(n);
            neuOben = oberes->Neuverteilen(n);
            unteres = neuUnten.get();
            oberes = neuOben.get();
        }

        TProfil& strak = liste[i];
        const Extended s = stationen[i];
        strak.ClearPunkte();
        for (int k = 0; k < unteres->Anzahl(); ++k) {
            const TKoordinate& pu = *unteres->Punkt(k);
            strak.AddPunkt({pu.X, s, Interpolieren(s, stationen[unten], pu.Z, stationen[oben], oberes->Punkt(k)->Z)});
        }
        strak.Titel = "Strak aus " + liste[unten].Dateiname + " und " + liste[oben].Dateiname;
        schnitte[i].Profil->Assign(&strak);
    }
}
