// The four import readers: each turns its file into complete surfaces first, then appends them.
#include "import/Import.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Meldungssprache.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/Eingabegrenzen.h"
#include "model/Szenendatei.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

namespace fs = std::filesystem;

namespace {


/// The surfaces of one import step (one wing of a project file, or the whole file otherwise).
using TFlaechengruppe = std::vector<std::unique_ptr<TFLAECHE>>;

std::string Gross(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

/// x and z that put imported surfaces behind and above the rearmost existing one.
T3Vektor Platzierungsversatz(const TFLUGZEUG& fz)
{
    T3Vektor d;
    if (fz.Flaechen.Count() == 0) return d;
    Extended x = -10000.0L;
    for (const auto& f : fz.Flaechen)
        if (f->Position.x > x) {
            x = f->Position.x + 0.2L;
            d.z = f->Position.z + 0.1L;
        }
    d.x = x;
    return d;
}

/// Refuses `datei` when a chord or a segment width it gives lies outside what the input fields take.
void MasseGueltig(const fs::path& datei, const TFLAECHE& f)
{
    const auto pruefen = [&](TEingabefeld feld, Extended wert, const std::string& deutsch, const char* englisch) {
        if (!WertZulaessig(feld, wert))
            throw EDatei(datei.string(), 0, RealToText(wert, 0, 5, '.'),
                         DeutscheMeldungen() ? deutsch + Wertebereich(feld) : Wertebereich(feld) + englisch);
    };
    pruefen(TEingabefeld::Profiltiefe, f.Profiltiefe, "als Profiltiefe der Wurzel ", " as the chord of the root");
    for (const auto& seg : f.Segmente) {
        pruefen(TEingabefeld::Profiltiefe, seg->Profiltiefe, "als Profiltiefe eines Schnitts ", " as the chord of a section");
        pruefen(TEingabefeld::Segmentbreite, seg->Segmentbreite, "als Segmentbreite ", " as a segment width");
    }
}

/// A wing of a project file as a surface: the root section and its segments, all with the default
/// profile and the automatic spanwise panel count. Refused before anything is built when a chord or
/// width lies outside the input limits or the panels would not fit into the memory.
std::unique_ptr<TFLAECHE> Projektfluegel(const fs::path& datei, Extended wurzeltiefe, const std::vector<Extended>& breiten,
                                        const std::vector<Extended>& tiefen, const std::vector<Extended>& vorderkanten)
{
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Profiltiefe = wurzeltiefe;
    f->AnzahlPanelsX = 4;
    f->Wurzelprofil->SetDefault();
    for (std::size_t j = 0; j < breiten.size(); ++j) {
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = breiten[j];
        s->Profiltiefe = tiefen[j];
        s->Pfeilwinkel = std::atan((vorderkanten[j + 1] - vorderkanten[j]) / breiten[j]) * GradJeRadiant;
        s->Segmentprofil->SetDefault();
        f->Segmente.Add(std::move(s));
        f->Segmente.Get(static_cast<int>(j))->AnzahlPanelsY = AutomatischePanelsY(*f, static_cast<int>(j));
    }
    MasseGueltig(datei, *f);
    PanelzahlPruefen(datei, Panelzahl(*f));
    return f;
}

/// One half-wing (built right of the root) at its place: mirrored into one surface when it starts
/// at the centre line, else the right half at +y and a mirrored copy as the left half at -y.
TFlaechengruppe Fluegelhaelften(std::unique_ptr<TFLAECHE> f, const T3Vektor& position, Extended wurzelabstand, THost& host)
{
    TFlaechengruppe gruppe;
    f->Position = {position.x, wurzelabstand, position.z};
    if (wurzelabstand == 0.0L) {
        Spiegeln(*f, host);
        gruppe.push_back(std::move(f));
        return gruppe;
    }
    auto links = FlaecheKopieren(*f);
    Spiegeln(*links, host);
    while (links->Segmente.Count() > 0 && links->Segmente.Get(links->Segmente.Count() - 1)->Segmentbreite > 0.0L)
        links->Segmente.Delete(links->Segmente.Count() - 1);
    links->AktuellesSegment = links->Segmente.Count() - 1;
    links->Position.y = -wurzelabstand;
    gruppe.push_back(std::move(f));
    gruppe.push_back(std::move(links));
    return gruppe;
}

// ----- scene file -----

std::vector<TFlaechengruppe> SzeneLesen(const fs::path& datei, const TFLUGZEUG& ziel)
{
    TSZENE quelle;
    TSchalter schalter;
    ReadScene(datei, quelle, schalter);
    const T3Vektor d = Platzierungsversatz(ziel);
    TFlaechengruppe gruppe;
    for (const auto& q : quelle.Flugzeug->Flaechen) {
        // The geometry of each surface travels; its manual profile values and the circulation help
        // curve belong to the other aircraft's design and keep their defaults.
        auto f = std::make_unique<TFLAECHE>(q->Art);
        f->Bezeichnung = q->Bezeichnung;
        f->Position = {q->Position.x + d.x, q->Position.y, q->Position.z + d.z};
        f->Alfa0Cm0Optimierung = q->Alfa0Cm0Optimierung;
        f->Einstellwinkel = q->Einstellwinkel;
        f->Profiltiefe = q->Profiltiefe;
        f->BezugspunktProfiltiefe = q->BezugspunktProfiltiefe;
        f->Verwindungswinkel = q->Verwindungswinkel;
        f->AnzahlPanelsX = q->AnzahlPanelsX;
        f->VerteilungX = q->VerteilungX;
        f->AnzahlPanelsVolumendarstellung = q->AnzahlPanelsVolumendarstellung;
        f->Masse = q->Masse;
        f->Wurzelprofil->Assign(q->Wurzelprofil.get());
        for (const auto& s : q->Segmente) {
            auto k = s->Copy();
            k->FlagManBeiwerte = false;
            k->Alfa0Man = 0.0L;
            k->Cm0Man = 0.0L;
            f->Segmente.Add(std::move(k));
        }
        gruppe.push_back(std::move(f));
    }
    std::vector<TFlaechengruppe> gruppen;
    gruppen.push_back(std::move(gruppe));
    return gruppen;
}

// ----- older project file (.Tt4) -----

class TZeilenleser {
public:
    TZeilenleser(const fs::path& datei) : datei_(datei), zeilen_(LeseTextzeilen(datei)) {}

    Extended Zahl(const std::string& bedeutung)
    {
        const std::string& z = Zeile(bedeutung);
        try {
            return TextToReal(z);
        } catch (const EKonvertierung&) {
            throw EDatei(datei_.string(), naechste_, z, bedeutung);
        }
    }

    int Ganzzahl(const std::string& bedeutung, int von, int bis)
    {
        const std::string& z = Zeile(bedeutung);
        int n = 0;
        try {
            n = TextToInt(z);
        } catch (const EKonvertierung&) {
            throw EDatei(datei_.string(), naechste_, z, bedeutung);
        }
        if (n < von || n > bis) throw EDatei(datei_.string(), naechste_, z, bedeutung);
        return n;
    }

private:
    const std::string& Zeile(const std::string& bedeutung)
    {
        if (naechste_ >= static_cast<int>(zeilen_.size()))
            throw EDatei(datei_.string(), naechste_ + 1, "", bedeutung + Sprachwahl(" (die Datei endet vorher)", " (the file ends before)"));
        return zeilen_[naechste_++];
    }

    fs::path datei_;
    std::vector<std::string> zeilen_;
    int naechste_ = 0;
};

std::vector<TFlaechengruppe> Tt4Lesen(const fs::path& datei, const TFLUGZEUG& ziel, THost& host)
{
    TZeilenleser l(datei);
    const T3Vektor d = Platzierungsversatz(ziel);
    const int fluegel = l.Ganzzahl(Sprachwahl("die Zahl der Flügel (ganze Zahl ab 1)", "the number of wings (a whole number of at least 1)"), 1, 1000);
    std::vector<TFlaechengruppe> gruppen;
    for (int w = 0; w < fluegel; ++w) {
        const int n = l.Ganzzahl(Sprachwahl("die Zahl der Segmente des Flügels (1 bis 4)", "the number of segments of the wing (1 to 4)"), 1, 4);
        std::vector<Extended> tiefen(5), breiten(4), x(5, 0.0L);
        for (Extended& c : tiefen) c = l.Zahl(Sprachwahl("eine Profiltiefe in mm", "a chord in mm")) / 1000.0L;
        const Extended wurzelabstand = l.Zahl(Sprachwahl("den Abstand der Flügelwurzel von der Mitte in mm", "the distance of the wing root from the centre in mm")) / 1000.0L;
        for (Extended& b : breiten) {
            b = l.Zahl(Sprachwahl("eine Segmentspannweite in mm", "a segment span in mm")) / 1000.0L;
            if (b == 0.0L) b = 0.001L;
        }
        for (int k = 1; k < 5; ++k) x[k] = l.Zahl(Sprachwahl("die Vorderkante x eines Schnitts in mm", "the leading edge x of a section in mm")) / 1000.0L;
        T3Vektor position;
        position.x = l.Zahl(Sprachwahl("die Flügelposition X in mm", "the wing position X in mm")) / 1000.0L + d.x;
        position.z = l.Zahl(Sprachwahl("die Flügelposition Z in mm", "the wing position Z in mm")) / 1000.0L + d.z;
        auto f = Projektfluegel(datei, tiefen[0], std::vector<Extended>(breiten.begin(), breiten.begin() + n),
                                std::vector<Extended>(tiefen.begin() + 1, tiefen.begin() + 1 + n), x);
        gruppen.push_back(Fluegelhaelften(std::move(f), position, wurzelabstand, host));
    }
    return gruppen;
}

// ----- newer project file (.Tx4) -----

/// The tags and values of a tagged file, each with its line.
struct TMarke {
    std::string Text;
    int Zeile;
};

std::vector<TMarke> Marken(const std::vector<std::string>& zeilen)
{
    std::vector<TMarke> marken;
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        const std::string& z = zeilen[i];
        std::size_t p = 0;
        while (p < z.size()) {
            if (z[p] == '<') {
                const std::size_t ende = z.find('>', p);
                if (ende == std::string::npos) {
                    marken.push_back({z.substr(p), i + 1});
                    break;
                }
                marken.push_back({z.substr(p, ende - p + 1), i + 1});
                p = ende + 1;
                continue;
            }
            const std::size_t ende = std::min(z.find('<', p), z.size());
            std::string wert = z.substr(p, ende - p);
            const auto a = wert.find_first_not_of(" \t");
            if (a != std::string::npos) marken.push_back({wert.substr(a, wert.find_last_not_of(" \t") - a + 1), i + 1});
            p = ende;
        }
    }
    return marken;
}

struct TTx4Schnitt {
    Extended X = 0.0L, Y = 0.0L, Chord = 0.0L;
};

struct TTx4Fluegel {
    Extended PositionX = 0.0L, PositionZ = 0.0L;
    std::vector<TTx4Schnitt> Schnitte;
};

class TTx4Leser {
public:
    TTx4Leser(const fs::path& datei) : datei_(datei), marken_(Marken(LeseTextzeilen(datei))) {}

    std::vector<TTx4Fluegel> Fluegel()
    {
        std::vector<TTx4Fluegel> fluegel;
        while (i_ < marken_.size()) {
            const std::string& m = marken_[i_++].Text;
            if (m == "<comment>") {
                while (i_ < marken_.size() && marken_[i_].Text != "</comment>") ++i_;
                ++i_;
            } else if (m == "<wing>") {
                fluegel.push_back(EinFluegel());
            }
        }
        if (fluegel.empty()) throw EDatei(datei_.string(), 0, "", Sprachwahl("mindestens ein Element <wing>", "at least one element <wing>"));
        return fluegel;
    }

private:
    TTx4Fluegel EinFluegel()
    {
        TTx4Fluegel f;
        for (;;) {
            const std::string& m = Naechste("</wing>");
            if (m == "</wing>") break;
            if (m == "<wing_position>") {
                for (;;) {
                    const std::string& p = Naechste("</wing_position>");
                    if (p == "</wing_position>") break;
                    if (p == "<x>") f.PositionX = Zahl(Sprachwahl("die Flügelposition x in mm", "the wing position x in mm"));
                    if (p == "<z>") f.PositionZ = Zahl(Sprachwahl("die Flügelposition z in mm", "the wing position z in mm"));
                }
            } else if (m == "<section>") {
                TTx4Schnitt s;
                for (;;) {
                    const std::string& p = Naechste("</section>");
                    if (p == "</section>") break;
                    if (p == "<x>") s.X = Zahl(Sprachwahl("die Vorderkante x in mm", "the leading edge x in mm"));
                    if (p == "<y>") s.Y = Zahl("y in mm");
                    if (p == "<chord>") s.Chord = Zahl(Sprachwahl("die Profiltiefe in mm", "the chord in mm"));
                }
                f.Schnitte.push_back(s);
            }
        }
        if (f.Schnitte.size() < 2)
            throw EDatei(datei_.string(), marken_[i_ - 1].Zeile, marken_[i_ - 1].Text, Sprachwahl("mindestens zwei <section> je <wing>", "at least two <section> per <wing>"));
        return f;
    }

    const std::string& Naechste(const char* ende)
    {
        if (i_ >= marken_.size()) throw EDatei(datei_.string(), marken_.empty() ? 0 : marken_.back().Zeile, "", std::string(ende) + Sprachwahl(" (die Datei endet vorher)", " (the file ends before)"));
        return marken_[i_++].Text;
    }

    Extended Zahl(const std::string& bedeutung)
    {
        if (i_ >= marken_.size()) throw EDatei(datei_.string(), marken_.back().Zeile, "", bedeutung);
        const TMarke& m = marken_[i_++];
        try {
            return TextToReal(m.Text);
        } catch (const EKonvertierung&) {
            throw EDatei(datei_.string(), m.Zeile, m.Text, bedeutung);
        }
    }

    fs::path datei_;
    std::vector<TMarke> marken_;
    std::size_t i_ = 0;
};

std::vector<TFlaechengruppe> Tx4Lesen(const fs::path& datei, THost& host)
{
    TTx4Leser leser(datei);
    std::vector<TFlaechengruppe> gruppen;
    for (const TTx4Fluegel& w : leser.Fluegel()) {
        std::vector<Extended> breiten, tiefen, x;
        x.push_back(w.Schnitte[0].X / 1000.0L);
        for (std::size_t k = 1; k < w.Schnitte.size(); ++k) {
            // A segment of no span would have no sweep; it gets 1 mm as in the older format.
            const Extended b = w.Schnitte[k].Y / 1000.0L;
            breiten.push_back(b == 0.0L ? 0.001L : b);
            tiefen.push_back(w.Schnitte[k].Chord / 1000.0L);
            x.push_back(w.Schnitte[k].X / 1000.0L);
        }
        auto f = Projektfluegel(datei, w.Schnitte[0].Chord / 1000.0L, breiten, tiefen, x);
        T3Vektor position;
        position.x = w.PositionX / 1000.0L;
        position.z = w.PositionZ / 1000.0L;
        gruppen.push_back(Fluegelhaelften(std::move(f), position, w.Schnitte[0].Y / 1000.0L, host));
    }
    return gruppen;
}

// ----- flying-wing file (.FLG) -----

class TFlgTabelle {
public:
    int Zeilen = -1;
    std::map<std::pair<int, int>, std::pair<std::string, int>> Zellen;  ///< (column, row) -> text, file line

    Extended Zahl(const fs::path& datei, int spalte, int zeile, const std::string& bedeutung) const
    {
        const auto it = Zellen.find({spalte, zeile});
        if (it == Zellen.end())
            throw EDatei(datei.string(), 0, std::to_string(spalte) + "," + std::to_string(zeile) + "=",
                         bedeutung + Sprachwahl(" (die Zelle fehlt)", " (the cell is missing)"));
        try {
            return TextToReal(it->second.first);
        } catch (const EKonvertierung&) {
            throw EDatei(datei.string(), it->second.second, it->second.first, bedeutung);
        }
    }

    std::string Text(int spalte, int zeile) const
    {
        const auto it = Zellen.find({spalte, zeile});
        return it == Zellen.end() ? std::string() : it->second.first;
    }
};

/// The profile of section row `zeile`: X from row 0, Z from that row, columns 9 to 69.
void FlgProfil(TProfil& p, const TFlgTabelle& t, int zeile, const fs::path& datei)
{
    p.ClearPunkte();
    for (int spalte = 9; spalte <= 69; ++spalte) {
        TKoordinate k;
        k.X = t.Zahl(datei, spalte, 0, Sprachwahl("eine Profilstelle x", "a profile station x"));
        k.Z = t.Zahl(datei, spalte, zeile, Sprachwahl("eine Profilkoordinate z", "a profile coordinate z"));
        p.AddPunkt(k);
    }
    p.Dateiname = t.Text(6, zeile);
}

struct TFlgDatei {
    TFlgTabelle Schnitte, Klappen;
    Extended Anstellwinkel = 0.0L, Masse = 0.0L, Flughoehe = 0.0L, GammaVorgabe = 0.0L;
};

TFlgDatei FlgEinlesen(const fs::path& datei)
{
    const std::vector<std::string> zeilen = LeseTextzeilen(datei);
    TFlgDatei d;
    enum { Keiner, Geometrie, Klappen, Umgebung } abschnitt = Keiner;
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        const std::string& z = zeilen[i];
        if (z.starts_with("[Tragflaechengeometrie]")) { abschnitt = Geometrie; continue; }
        if (z.starts_with("[Klappendaten]")) { abschnitt = Klappen; continue; }
        if (z.starts_with("[Umgebungseinstellungen]")) { abschnitt = Umgebung; continue; }
        if (z.empty()) { abschnitt = Keiner; continue; }
        const auto gleich = z.find('=');
        const std::string wert = gleich == std::string::npos ? std::string() : z.substr(gleich + 1);
        auto zahl = [&](const std::string& bedeutung) {
            try {
                return TextToReal(wert);
            } catch (const EKonvertierung&) {
                throw EDatei(datei.string(), i + 1, z, bedeutung);
            }
        };
        if (abschnitt == Geometrie || abschnitt == Klappen) {
            TFlgTabelle& t = abschnitt == Geometrie ? d.Schnitte : d.Klappen;
            if (z.starts_with(abschnitt == Geometrie ? "Anzahl Knickstellen" : "Anzahl Klappen")) {
                try {
                    t.Zeilen = TextToInt(wert) + 1;
                } catch (const EKonvertierung&) {
                    throw EDatei(datei.string(), i + 1, z, Sprachwahl("eine ganze Zahl nach \"=\"", "a whole number after \"=\""));
                }
            } else if (!z.empty() && std::isdigit(static_cast<unsigned char>(z[0]))) {
                const auto komma = z.find(',');
                if (komma == std::string::npos || gleich == std::string::npos || komma > gleich)
                    throw EDatei(datei.string(), i + 1, z, Sprachwahl("eine Zelle als Spalte,Zeile=Text", "a cell as column,row=text"));
                try {
                    t.Zellen[{TextToInt(z.substr(0, komma)), TextToInt(z.substr(komma + 1, gleich - komma - 1))}] = {wert, i + 1};
                } catch (const EKonvertierung&) {
                    throw EDatei(datei.string(), i + 1, z, Sprachwahl("eine Zelle als Spalte,Zeile=Text", "a cell as column,row=text"));
                }
            }
        } else if (abschnitt == Umgebung) {
            if (z.starts_with("Anstellwinkel=")) d.Anstellwinkel = zahl(Sprachwahl("einen Anstellwinkel", "an angle of attack"));
            if (z.starts_with("Masse=")) d.Masse = zahl(Sprachwahl("eine Masse", "a mass"));
            if (z.starts_with("Flughoehe=")) d.Flughoehe = zahl(Sprachwahl("eine Flughöhe", "a flight altitude"));
            if (z.starts_with("Gamma-Vorgabe=")) d.GammaVorgabe = zahl(Sprachwahl("eine Gamma-Vorgabe", "a prescribed Gamma"));
        }
    }
    // Three section rows make the smallest wing: two segments about the root.
    if (d.Schnitte.Zeilen < 4)
        throw EDatei(datei.string(), 0, "", Sprachwahl("[Tragflaechengeometrie] mit \"Anzahl Knickstellen=\" von mindestens 3", "[Tragflaechengeometrie] with \"Anzahl Knickstellen=\" of at least 3"));
    return d;
}

std::unique_ptr<TFLAECHE> FlgFlaeche(const TFlgDatei& d, const fs::path& datei)
{
    const TFlgTabelle& t = d.Schnitte;
    const int r0 = t.Zeilen / 2;
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Bezeichnung = datei.stem().string();
    f->Profiltiefe = t.Zahl(datei, 3, r0, Sprachwahl("die Profiltiefe der Wurzel in m", "the chord of the root in m"));
    f->Verwindungswinkel = t.Zahl(datei, 4, r0, Sprachwahl("den Verwindungswinkel der Wurzel", "the twist of the root"));
    f->AnzahlPanelsX = 4;
    FlgProfil(*f->Wurzelprofil, t, r0, datei);
    for (int i = 1; i <= t.Zeilen - 2; ++i) {
        Extended ya = t.Zahl(datei, 0, i, Sprachwahl("die Spannweitenstelle y eines Schnitts", "the span station y of a section"));
        Extended yb = t.Zahl(datei, 0, i + 1, Sprachwahl("die Spannweitenstelle y eines Schnitts", "the span station y of a section"));
        if (ya > 0.0L || yb > 0.0L) std::swap(ya, yb);
        if (ya == yb) throw EDatei(datei.string(), 0, t.Text(0, i), Sprachwahl("Schnitte an verschiedenen Stellen y (zwei liegen bei derselben)", "sections at different stations y (two lie at the same)"));
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = ya - yb;
        const int aussen = s->Segmentbreite >= 0.0L ? i + 1 : i;
        s->Profiltiefe = t.Zahl(datei, 3, aussen, Sprachwahl("die Profiltiefe eines Schnitts", "the chord of a section"));
        s->Verwindungswinkel = t.Zahl(datei, 4, aussen, Sprachwahl("den Verwindungswinkel eines Schnitts", "the twist of a section"));
        FlgProfil(*s->Segmentprofil, t, aussen, datei);
        const Extended xa = t.Zahl(datei, 1, i, Sprachwahl("die Vorderkante x eines Schnitts", "the leading edge x of a section"));
        const Extended xb = t.Zahl(datei, 1, i + 1, Sprachwahl("die Vorderkante x eines Schnitts", "the leading edge x of a section"));
        s->Pfeilwinkel = std::atan((xb - xa) / s->Segmentbreite) * GradJeRadiant;
        s->KlappentiefeLinks = d.Klappen.Zahl(datei, 2, i, Sprachwahl("die linke Klappentiefe in %", "the left flap depth in %"));
        s->KlappentiefeRechts = d.Klappen.Zahl(datei, 4, i, Sprachwahl("die rechte Klappentiefe in %", "the right flap depth in %"));
        s->Klappengruppe = static_cast<int>(d.Klappen.Zahl(datei, 5, i, Sprachwahl("die Klappengruppe", "the flap group")));
        s->Klappenausschlag = d.Klappen.Zahl(datei, 6, i, Sprachwahl("den Klappenausschlag", "the flap angle"));
        f->Segmente.Add(std::move(s));
    }
    return f;
}

/// The end of each import step.
void Importende(TBearbeitung& b, bool aktuelleSetzen)
{
    if (aktuelleSetzen) b.Flugzeug.AktuelleFlaeche = b.Flugzeug.Flaechen.Count() - 1;
    GitterAufbauen(b.Flugzeug, b.Host.Flags);
    b.Host.SnapshotErstellen();
    b.Host.Flags.Stoppanforderung = true;  // a computation in progress no longer fits the aircraft
    b.Host.Aktualisieren();
    b.Host.NeuZeichnen();
}

}  // namespace

TImportformat ImportformatAusDatei(const fs::path& datei)
{
    const std::string endung = Gross(datei.extension().string());
    if (endung == ".VEL") return TImportformat::Szene;
    if (endung == ".TT4") return TImportformat::Tt4;
    if (endung == ".TX4") return TImportformat::Tx4;
    if (endung == ".FLG") return TImportformat::Flg;
    return TImportformat::Unbekannt;
}

int Importieren(TBearbeitung& b, const fs::path& datei)
{
    const TImportformat format = ImportformatAusDatei(datei);
    if (format == TImportformat::Flg) {
        const TFlgDatei d = FlgEinlesen(datei);
        auto f = FlgFlaeche(d, datei);
        MasseGueltig(datei, *f);
        PanelzahlPruefen(datei, Panelzahl(b.Flugzeug) + Panelzahl(*f));
        BaueFlaeche(*f, b.Host);
        TFLUGZEUG& fz = b.Flugzeug;
        TFLAECHE& neu = *f;
        fz.AktuelleFlaeche = fz.Flaechen.Add(std::move(f));
        if (fz.Flaechen.Count() == 1) {
            fz.Anstellwinkel = d.Anstellwinkel;
            fz.Flughoehe = d.Flughoehe;
            neu.Masse = d.Masse;
            neu.Zirkulationsvorgabe = d.GammaVorgabe;
        }
        Platzieren(fz, neu);
        Importende(b, true);
        return 1;
    }
    std::vector<TFlaechengruppe> gruppen;
    switch (format) {
    case TImportformat::Szene: gruppen = SzeneLesen(datei, b.Flugzeug); break;
    case TImportformat::Tt4: gruppen = Tt4Lesen(datei, b.Flugzeug, b.Host); break;
    case TImportformat::Tx4: gruppen = Tx4Lesen(datei, b.Host); break;
    default: return 0;
    }
    // Chords and widths were checked as each surface was read (scene reader, project wings); the
    // panels count for the whole aircraft.
    long double panels = Panelzahl(b.Flugzeug);
    for (const TFlaechengruppe& gruppe : gruppen)
        for (const auto& f : gruppe) panels += Panelzahl(*f);
    PanelzahlPruefen(datei, panels);
    int anzahl = 0;
    for (TFlaechengruppe& gruppe : gruppen) {
        for (auto& f : gruppe) {
            BaueFlaeche(*f, b.Host);
            b.Flugzeug.Flaechen.Add(std::move(f));
            ++anzahl;
        }
        Importende(b, format != TImportformat::Szene);
    }
    return anzahl;
}
