// The three formatted exports.
#include "results/Formatexport.h"

#include <cmath>
#include <ctime>
#include <initializer_list>

#include "common/Host.h"
#include "common/Mathe.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "model/TErgebnis.h"
#include "geometry/Parameteraenderungen.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "profile/Profilbeiwerte.h"
#include "profile/T_Profil.h"
#include "results/Ergebnisfelder.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"
#include "results/Polartabelle.h"
#include "results/Werteausgabe.h"

namespace {

constexpr const char* Programmkennung = "VELION Vers. 01.215 25.01.2015";

/// The lines of one export, each built from cells.
class TExporttext {
public:
    TExporttext(const THost& host, const TExportoptionen& o) : host_(host), o_(o)
    {
        zeilen_.push_back(Programmkennung);
        zeilen_.push_back(o.Zeitstempel.empty() ? ExportZeitstempel() : o.Zeitstempel);
    }

    void Zellen(std::initializer_list<std::string> zellen)
    {
        std::string zeile;
        for (const std::string& z : zellen) {
            if (&z != zellen.begin()) zeile += o_.Zellentrenner;
            zeile += z;
        }
        zeilen_.push_back(zeile);
    }
    void Zellen(const std::vector<std::string>& zellen)
    {
        std::string zeile;
        for (std::size_t i = 0; i < zellen.size(); ++i) zeile += (i ? std::string(1, o_.Zellentrenner) : "") + zellen[i];
        zeilen_.push_back(zeile);
    }

    std::string T(int n) const { return host_.Ausgabetext(n); }
    std::string Zahl(long double wert, int dezimalen = 5) const { return RealToText(wert, 0, dezimalen, o_.Dezimaltrenner); }
    std::string Acht(long double wert, int dezimalen = 5) const { return AchtStellen(wert, dezimalen, o_.Dezimaltrenner); }
    char Dezimaltrenner() const { return o_.Dezimaltrenner; }

    /// Key, label (output text n plus `einheit`) and a real value.
    void Wert(const std::string& schluessel, int n, long double wert, const std::string& einheit = {})
    {
        Zellen({schluessel, T(n) + einheit, Zahl(wert)});
    }
    void Text(const std::string& schluessel, int n, const std::string& wert) { Zellen({schluessel, T(n), wert}); }
    void Ganz(const std::string& schluessel, int n, long long wert) { Zellen({schluessel, T(n), std::to_string(wert)}); }

    std::vector<std::string> Zeilen() { return std::move(zeilen_); }

private:
    const THost& host_;
    const TExportoptionen& o_;
    std::vector<std::string> zeilen_;
};

/// The profile lines: file name, point count, then X and Z of every point.
void Profilzeilen(TExporttext& t, const std::string& schluessel, const TProfil& p)
{
    t.Text(schluessel + "-PR", 212, p.Dateiname);
    t.Ganz(schluessel + "-PR_ANZ", 213, p.Anzahl());
    for (int k = 0; k < p.Anzahl(); ++k) {
        const std::string nr = std::to_string(k);
        t.Zellen({schluessel + "-PRX-" + nr, t.T(214) + " " + nr, t.Zahl(p.Punkt(k)->X)});
        t.Zellen({schluessel + "-PRZ-" + nr, t.T(215) + " " + nr, t.Zahl(p.Punkt(k)->Z)});
    }
}

/// Label of series row k of a polar group in the description lines and in the column heading.
std::string Reihenspalte(const TExporttext& t, const TPolargruppe& g, int k)
{
    if (g.Art == PolarartKlappen) return t.T(174) + std::to_string(g.Gruppe[k]);
    if (g.Art == PolarartEwd) return t.T(175) + std::to_string(g.Gruppe[k]);
    return "n.u.";
}

}  // namespace

std::string ExportZeitstempel()
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char puffer[32];
    std::strftime(puffer, sizeof puffer, "%d.%m.%Y %H:%M:%S", &t);
    return puffer;
}

std::vector<std::string> GeometrieExport(TFLUGZEUG* flugzeug, const THost& host, const TExportoptionen& optionen)
{
    TExporttext t(host, optionen);
    if (!flugzeug) return t.Zeilen();
    TFLUGZEUG& f = *flugzeug;
    t.Ganz("F-ANZ", 185, 1);
    const std::string a = "F-0";
    t.Text(a + "-1", 5, f.Konstrukteur);
    t.Text(a + "-2", 186, f.Bezeichnung);
    t.Wert(a + "-3", 187, f.AnsichtPosition.x);
    t.Wert(a + "-4", 188, f.AnsichtPosition.y);
    t.Wert(a + "-5", 189, f.AnsichtPosition.z);
    t.Wert(a + "-6", 190, f.ZusaetzlicheMassen);
    t.Wert(a + "-7", 191, f.Anstellwinkel);
    t.Wert(a + "-8", 128, f.AuslegungsCa);
    t.Wert(a + "-9", 192, f.Stabilitaetsmass);
    t.Wert(a + "-10", 193, f.SchwerpunktX);
    t.Wert(a + "-11", 194, f.FlugGeschwindigkeit);
    t.Wert(a + "-12", 195, f.Schiebewinkel);
    t.Wert(a + "-13", 196, f.Flughoehe);
    t.Ganz(a + "-FL_ANZ", 197, f.Flaechen.Count());
    for (int j = 0; j < f.Flaechen.Count(); ++j) {
        TFLAECHE& fl = *f.Flaechen.Get(j);
        const std::string s = a + "-FL-" + std::to_string(j);
        BerechneBeiwerte(*fl.Wurzelprofil);
        t.Text(s + "-1", 198, fl.Bezeichnung);
        t.Wert(s + "-2", 199, fl.Position.x);
        t.Wert(s + "-3", 200, fl.Position.y);
        t.Wert(s + "-4", 201, fl.Position.z);
        t.Wert(s + "-5", 202, fl.Einstellwinkel);
        t.Wert(s + "-6", 203, fl.Profiltiefe);
        t.Wert(s + "-7", 204, fl.Verwindungswinkel);
        t.Ganz(s + "-8", 205, fl.AnzahlPanelsX);
        t.Text(s + "-9", 206, std::string(Verteilungswort(fl.VerteilungX)));
        t.Wert(s + "-10", 207, fl.Masse);
        t.Wert(s + "-11", 208, fl.Wurzelprofil->Beiwert(TProfil::Alfa0));
        t.Wert(s + "-12", 209, fl.Alfa0Man);
        t.Wert(s + "-13", 210, fl.Wurzelprofil->Beiwert(TProfil::Cm0));
        t.Wert(s + "-14", 211, fl.Cm0Man);
        t.Zellen({s + "-15", t.T(230), t.Zahl(fl.Wurzelprofil->Querschnittsflaeche(fl.Profiltiefe), 7)});
        Profilzeilen(t, s, *fl.Wurzelprofil);
        t.Ganz(s + "-SEG_ANZ", 216, fl.Segmente.Count());
        for (int m = 0; m < fl.Segmente.Count(); ++m) {
            TSEGMENT& seg = *fl.Segmente.Get(m);
            const std::string g = s + "-SEG-" + std::to_string(m);
            BerechneBeiwerte(*seg.Segmentprofil);
            t.Wert(g + "-1", 217, seg.Segmentbreite);
            t.Wert(g + "-2", 218, seg.Profiltiefe);
            t.Wert(g + "-3", 204, seg.Verwindungswinkel);
            t.Wert(g + "-4", 219, seg.VFormWinkel);
            t.Wert(g + "-5", 220, BezugslinienPfeilwinkel(fl, m, fl.Segmente.Get(m)->BezugspunktPfeilwinkel));
            t.Wert(g + "-6", 221, seg.BezugspunktPfeilwinkel);
            t.Ganz(g + "-7", 222, seg.AnzahlPanelsY);
            t.Text(g + "-8", 223, std::string(Verteilungswort(seg.VerteilungY)));
            t.Wert(g + "-9", 224, seg.KlappentiefeLinks);
            t.Wert(g + "-10", 225, seg.KlappentiefeRechts);
            t.Wert(g + "-11", 226, seg.Klappenausschlag);
            t.Ganz(g + "-12", 227, seg.Klappengruppe);
            const bool gruppeBekannt = seg.Klappengruppe >= 0 && seg.Klappengruppe < AnzahlKlappengruppen;
            t.Text(g + "-13", 228, gruppeBekannt ? f.Klappengruppenbeschreibung[seg.Klappengruppe] : std::string());
            t.Wert(g + "-14", 208, seg.Segmentprofil->Beiwert(TProfil::Alfa0));
            t.Wert(g + "-15", 209, seg.Alfa0Man);
            t.Wert(g + "-16", 210, seg.Segmentprofil->Beiwert(TProfil::Cm0));
            t.Wert(g + "-17", 211, seg.Cm0Man);
            t.Zellen({g + "-18", t.T(230), t.Zahl(seg.Segmentprofil->Querschnittsflaeche(seg.Profiltiefe), 7)});
            Profilzeilen(t, g, *seg.Segmentprofil);
        }
    }
    return t.Zeilen();
}

std::vector<std::string> WerteExport(TFLUGZEUG* flugzeug, const THost& host, const TExportoptionen& optionen)
{
    TExporttext t(host, optionen);
    if (!flugzeug) return t.Zeilen();
    TFLUGZEUG& f = *flugzeug;
    FlugzeugseiteVorbereiten(f, host);
    const bool gueltig = host.Flags.ErgebnisseGueltig;
    // A computed value: its cell stays empty while the results are not valid.
    const auto berechnet = [&](const std::string& schluessel, std::string label, long double wert) {
        t.Zellen({schluessel, std::move(label), gueltig ? t.Zahl(wert) : std::string()});
    };
    t.Ganz("BW-F-ANZ", 185, 1);
    const std::string b = "BW-F-0";
    t.Text(b + "-1", 5, f.Konstrukteur);
    t.Text(b + "-2", 186, f.Bezeichnung);
    t.Wert(b + "-3", 12, f.Anstellwinkel, " [°]");
    t.Wert(b + "-4", 13, f.Schiebewinkel, " [°]");
    t.Wert(b + "-5", 10, f.Gesamtmasse, " [kg]");
    t.Wert(b + "-6", 44, f.FlaecheWahrGesamt, " [m^2]");
    t.Wert(b + "-7", 7, f.FlaecheHorizontalGesamt, " [m^2]");
    t.Wert(b + "-8", 45, f.FlaecheSeitlichGesamt, " [m^2]");
    t.Wert(b + "-9", 9, f.Bezugstiefe, " [m]");
    t.Wert(b + "-10", 231, f.Flaechenbelastung, " [kg/m^2]");
    t.Wert(b + "-11", 231, f.Flaechenbelastung * 10.0L, " [g/dm^2]");
    int nr = 12;
    for (const TFlugzeugergebnis& e : Flugzeugergebnisse()) {
        const std::string einheit = *e.Einheit ? std::string(" [") + e.Einheit + "]" : std::string();
        berechnet(b + "-" + std::to_string(nr++), t.T(e.Text) + einheit, e.Wert(f));
    }
    t.Ganz(b + "-FL_ANZ", 197, f.Flaechen.Count());
    for (int j = 0; j < f.Flaechen.Count(); ++j) {
        const TFLAECHE& fl = *f.Flaechen.Get(j);
        const std::string s = b + "-FL-" + std::to_string(j);
        t.Text(s + "-1", 198, fl.Bezeichnung);
        t.Wert(s + "-2", 35, fl.FlaecheWahr, " [m^2]");
        t.Wert(s + "-3", 26, fl.FlaecheHorizontal, " [m^2]");
        t.Wert(s + "-4", 33, fl.FlaecheSeitlich, " [m^2]");
        t.Wert(s + "-5", 39, fl.Spannweite, " [m]");
        t.Wert(s + "-6", 40, fl.Streckung);
        t.Wert(s + "-7", 27, fl.Bezugstiefe, " [m]");
        int k = 8;
        for (const TFlaechenergebnis& e : Flaechenergebnisse())
            berechnet(s + "-" + std::to_string(k++), t.T(e.Text), e.Wert(fl));

        // The strip table.
        t.Zellen({s, t.T(28)});
        t.Ganz(s + "-ANZ_PAN_Y", 232, fl.Ergebnisraster.RowCount());
        t.Zellen({s + "-" + t.T(101), "", t.T(102), t.T(103), t.T(104), t.T(107), t.T(108), t.T(29) + "[m]",
                  t.T(30) + "[m]", t.T(48), t.T(109), t.T(110), t.T(111), t.T(112), t.T(113), t.T(114), t.T(115)});
        if (!gueltig) continue;
        const struct {
            int slot;
            int dezimalen;
        } spalten[] = {{SlotGamma, 5}, {SlotCa, 5},     {SlotCwi, 5},        {SlotAi, 5},        {SlotRe, 0},
                       {SlotStreifentiefe, 5}, {SlotStreifenbreite, 5}, {SlotSegmentnummer, -1}, {SlotCaMin, 5},
                       {SlotCaMax, 5}, {SlotAbrissOben, 0}, {SlotAbrissUnten, 0}, {SlotCwv, 5}, {SlotBlaseOben, 0},
                       {SlotBlaseUnten, 0}};
        for (int streifen = 0; streifen < fl.Ergebnisraster.RowCount(); ++streifen) {
            std::vector<std::string> zellen = {s + "-P" + std::to_string(streifen), ""};
            for (const auto& sp : spalten) {
                const TErgebnis* e = fl.Ergebnisraster.Get(streifen, sp.slot);
                const Extended wert = e ? e->Wert : 0.0L;
                zellen.push_back(sp.dezimalen < 0 ? std::to_string(static_cast<long long>(std::nearbyint(wert)))
                                                  : t.Acht(wert, sp.dezimalen));
            }
            t.Zellen(zellen);
        }
    }
    return t.Zeilen();
}

std::vector<std::string> PolarenExport(const TPolarliste& liste, const THost& host, const TExportoptionen& optionen)
{
    TExporttext t(host, optionen);
    t.Ganz("POL-ANZ", 233, liste.Count());
    for (int i = 0; i < liste.Count(); ++i) {
        const TPolargruppe& g = *liste.Get(i);
        const std::string p = "POL-" + std::to_string(i);
        const int arttext = g.Art >= PolarartKlappen && g.Art <= PolarartAnstellwinkel ? 148 + g.Art : 0;
        const int fixtext = g.Fix >= FixAnstellwinkel && g.Fix <= FixCa ? 170 + g.Fix : 0;
        t.Text(p + "-1", 234, arttext ? t.T(arttext) : std::string());
        t.Text(p + "-2", 141, g.Flugszene);
        t.Text(p + "-3", 235, fixtext ? t.T(fixtext) : std::string());
        t.Text(p + "-4", 142, g.Bemerkung);
        for (int k = 0; k < 4; ++k) {
            const std::string schluessel = p + "-" + std::to_string(k + 5);
            if (g.Art == PolarartKlappen)
                t.Zellen({schluessel, t.T(182) + " " + Reihenspalte(t, g, k), g.Gruppentext[k]});
            else if (g.Art == PolarartEwd)
                t.Zellen({schluessel, t.T(177) + " " + Reihenspalte(t, g, k), g.Gruppentext[k]});
            else
                t.Zellen({schluessel, "n.u."});
        }
        t.Ganz(p + "-ANZ-PZ", 236, static_cast<long long>(g.Zeilen.size()));
        std::vector<std::string> kopf = {p + "-PZ", "", "", t.T(127)};
        for (int k = 0; k < 4; ++k) kopf.push_back(Reihenspalte(t, g, k));
        for (int n : {128, 129, 130, 131, 132, 133, 134, 135, 136, 138, 139, 137}) kopf.push_back(t.T(n));
        t.Zellen(kopf);
        for (std::size_t k = 0; k < g.Zeilen.size(); ++k) {
            const TPolarzeile& z = g.Zeilen[k];
            std::vector<std::string> zellen = {p + "-PZ" + std::to_string(k), "", ""};
            for (int w = 0; w < PolarwertAnzahl; ++w) zellen.push_back(t.Acht(Polarwert(z, w)));
            zellen.push_back(InfoKlartext(z.Info, host, t.Dezimaltrenner()));
            t.Zellen(zellen);
        }
    }
    return t.Zeilen();
}

std::filesystem::path ExportdateiName(const std::filesystem::path& gewaehlt, const std::string& endung)
{
    if (gewaehlt.extension().empty()) return std::filesystem::path(gewaehlt.string() + endung);
    return gewaehlt;
}

std::filesystem::path ExportSpeichern(const std::vector<std::string>& zeilen, const std::filesystem::path& gewaehlt,
                                      const std::string& endung)
{
    const std::filesystem::path datei = ExportdateiName(gewaehlt, endung);
    SchreibeTextzeilen(datei, zeilen);
    return datei;
}
