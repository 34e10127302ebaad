// Lattice table of velion-cli info --lattice.
#include "cli/Gitterdatei.h"

#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"

namespace {

constexpr int Dezimalen = 12;

void Anfuegen(std::string& zeile, Extended wert)
{
    zeile += ',';
    zeile += RealToText(wert, 0, Dezimalen);
}

void Anfuegen(std::string& zeile, const T3Vektor& v)
{
    Anfuegen(zeile, v.x);
    Anfuegen(zeile, v.y);
    Anfuegen(zeile, v.z);
}

}  // namespace

std::vector<std::string> GitterTabelle(const TFLUGZEUG& flugzeug)
{
    std::vector<std::string> zeilen;
    std::string kopf = "Flaeche,Segment,Streifen,Spalte";
    for (int e = 0; e < 4; ++e)
        for (const char* achse : {"X", "Y", "Z"}) kopf += ",P" + std::to_string(e) + achse;
    kopf += ",AufpunktX,AufpunktY,AufpunktZ,NormaleX,NormaleY,NormaleZ,Flaecheninhalt";
    zeilen.push_back(kopf);
    for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) {
        const TLIST2D<TPAN>& raster = flugzeug.Flaechen.Get(i)->Panelraster;
        for (int r = 0; r < raster.RowCount(); ++r) {
            for (int k = 0; k < raster.Count(r); ++k) {
                const TPAN* p = raster.Get(r, k);
                if (p == nullptr) continue;
                std::string zeile = std::to_string(i) + ',' + std::to_string(p->Segment) + ',' + std::to_string(r) +
                                    ',' + std::to_string(k);
                for (const TPUNKT& e : p->Ecken) Anfuegen(zeile, T3Vektor{e.X, e.Y, e.Z});
                Anfuegen(zeile, p->Aufpunkt);
                Anfuegen(zeile, p->Normale);
                Anfuegen(zeile, p->Flaecheninhalt);
                zeilen.push_back(std::move(zeile));
            }
        }
    }
    return zeilen;
}

void SchreibeGitterdatei(const std::filesystem::path& datei, const TFLUGZEUG& flugzeug)
{
    SchreibeTextzeilen(datei, GitterTabelle(flugzeug));
}
