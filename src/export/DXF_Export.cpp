// The DXF export: ribs from the volume sections (with strak ribs between them), drawn as a 3D model,
// a three-view, a building plan per surface and flat rib sections, each group offset beside the last.
#include "export/DXF_Export.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "common/Host.h"
#include "common/Zahlentext.h"
#include "export/Exportflaechen.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"

const std::vector<std::string>& DxfEbenenNamen()
{
    static const std::vector<std::string> namen{
        "3D-Haut",          "3D-Profilkontur",           "3D-Profilsehnen",      "3D-Profil-Nummerierung",
        "3D-Nasen-Endleiste", "2D-Real-Profile",         "2D-Real-Profilnummerierung", "2D-Real-Aussenkontur",
        "2D-Bau-Aussenkontur", "2D-Bau-Profile",         "2D-Bau-Profilnummerierung", "2D-Bau-V-Formwinkel",
        "Profilschnitte-Kontur", "Profilschnitt-Profilsehnen", "Profilschnitte-Nummerierung"};
    return namen;
}

namespace {

constexpr int DxfFarbe[DxfEbenenAnzahl] = {1, 2, 6, 7, 5, 2, 7, 5, 5, 2, 7, 7, 4, 6, 7};

/// One rib: a copy of a volume section in surface coordinates [m], numbered over the whole export.
struct TRippe {
    std::unique_ptr<TProfil> Profil;
    int Rippennummer = 0;
    int Flaeche = 0;
};

/// A surface taking part in the export, with its private copy carrying the strak sections.
struct TExportflaeche {
    int Index = 0;
    const TFLAECHE* Original = nullptr;
    std::unique_ptr<TFLAECHE> Kopie;
};

TKoordinate Mitte(const TKoordinate& a, const TKoordinate& b)
{
    return {(a.X + b.X) / 2.0L, (a.Y + b.Y) / 2.0L, (a.Z + b.Z) / 2.0L};
}

TKoordinate EndleistenMitte(const TProfil& p) { return Mitte(p.Punkte().front(), p.Punkte().back()); }
TKoordinate Nase(const TProfil& p) { return *p.Punkt(p.NasenIndex()); }
TKoordinate Endleiste(const TProfil& p) { return *p.Punkt(p.Extremum(0, TProfil::TExtremart::Groesstes).Index); }

std::string Grad(Extended winkel) { return RealToText(winkel, 0, 5) + "°"; }

class TDxfZeichner {
public:
    TDxfZeichner(const TFLUGZEUG& flugzeug, const TDxfOptionen& o, THost& host) : flugzeug_(flugzeug), o_(o), host_(host)
    {
    }

    Tdxf Zeichnen()
    {
        f_ = o_.Einheitenfaktor;
        dxf_.TextHoeheSetzen(o_.Schrifthoehe * f_);
        RippenlisteBauen();
        Schichten3D();
        if (o_.An(TDxfEbene::RealProfile)) Dreiseitenansicht();
        Bauplan();
        if (o_.An(TDxfEbene::SchnittKontur)) Profilschnitte();
        dxf_.AnsichtHoeheSetzen(std::fabs(min_[1]) + std::fabs(max_[1]));
        dxf_.AnsichtVerhaeltnisSetzen(1.6L);
        dxf_.AnsichtMitteSetzen((min_[0] + max_[0]) / 2.0L, (min_[1] + max_[1]) / 2.0L);
        return std::move(dxf_);
    }

private:
    const TFLUGZEUG& flugzeug_;
    const TDxfOptionen& o_;
    THost& host_;
    Tdxf dxf_;
    Extended f_ = 1.0L;
    T3Vektor versatz_;
    Extended min_[3] = {10000.0L, 10000.0L, 10000.0L};
    Extended max_[3] = {-10000.0L, -10000.0L, -10000.0L};
    std::vector<TExportflaeche> flaechen_;
    std::vector<TRippe> rippen_;

    void Ebene(TDxfEbene e)
    {
        dxf_.FarbeSetzen(DxfFarbe[static_cast<int>(e)]);
        dxf_.LayerSetzen(DxfEbenenNamen()[static_cast<size_t>(e)]);
    }

    bool An(TDxfEbene e, TDxfEbene braucht) const { return o_.An(e) && o_.An(braucht); }

    void Ausdehnen(const TKoordinate& p)
    {
        const Extended k[3] = {p.X, p.Y, p.Z};
        for (int i = 0; i < 3; ++i) {
            min_[i] = std::min(min_[i], k[i]);
            max_[i] = std::max(max_[i], k[i]);
        }
    }

    /// Common transform: (point + surface position) * unit + offset.
    TKoordinate Raum(const TKoordinate& p, const TFLAECHE& flaeche) const
    {
        return {(p.X + flaeche.Position.x) * f_ + versatz_.x, (p.Y + flaeche.Position.y) * f_ + versatz_.y,
                (p.Z + flaeche.Position.z) * f_ + versatz_.z};
    }

    TKoordinate Eben(const TKoordinate& p) const
    {
        return {p.X * f_ + versatz_.x, p.Y * f_ + versatz_.y, p.Z * f_ + versatz_.z};
    }

    void Scheitel(int art, const TKoordinate& p)
    {
        Ausdehnen(p);
        dxf_.Scheitelpunkt(art, p.X, p.Y, p.Z);
    }

    void Polylinie(int art, const std::vector<TKoordinate>& punkte)
    {
        dxf_.PolylinieBeginnen(art);
        for (const TKoordinate& p : punkte) Scheitel(art, p);
        dxf_.PolylinieBeenden();
    }

    void Linie(const TKoordinate& a, const TKoordinate& b)
    {
        Ausdehnen(a);
        Ausdehnen(b);
        dxf_.Linie(a.X, a.Y, a.Z, b.X, b.Y, b.Z);
    }

    /// A label placed a centimetre (in the output unit) right of its anchor.
    void Beschriftung(const std::string& text, const TKoordinate& anker)
    {
        const TKoordinate p{anker.X + 0.01L * f_, anker.Y, anker.Z};
        Ausdehnen(p);
        dxf_.Text(text, p.X, p.Y, p.Z);
    }

    static std::string Rippenname(int nummer) { return "R" + std::to_string(nummer); }

    void RippenlisteBauen()
    {
        int nummer = 0;
        for (int i = 0; i < flugzeug_.Flaechen.Count(); ++i) {
            const TFLAECHE& original = *flugzeug_.Flaechen.Get(i);
            if (!original.DxfAuswahl) continue;
            TExportflaeche e{i, &original, Exportkopie(original, host_)};
            if (o_.Strakprofile) StrakschnitteEinfuegen(*e.Kopie, original, o_.Rippenabstand, host_);
            for (const TProfil* s : Volumenschnittfolge(*e.Kopie)) {
                auto kopie = std::make_unique<TProfil>();
                kopie->Assign(s);
                rippen_.push_back({std::move(kopie), nummer++, i});
            }
            flaechen_.push_back(std::move(e));
        }
    }

    const TFLAECHE& Flaeche(int index) const { return *flugzeug_.Flaechen.Get(index); }

    void Schichten3D()
    {
        versatz_ = {};
        if (o_.An(TDxfEbene::Haut3D)) {
            Ebene(TDxfEbene::Haut3D);
            for (size_t r = 0; r + 1 < rippen_.size(); ++r) {
                if (rippen_[r].Flaeche != rippen_[r + 1].Flaeche) continue;
                const TFLAECHE& fl = Flaeche(rippen_[r].Flaeche);
                const TProfil& a = *rippen_[r].Profil;
                const TProfil& b = *rippen_[r + 1].Profil;
                for (int d = 0; d + 1 < std::min(a.Anzahl(), b.Anzahl()); ++d) {
                    const TKoordinate p[4] = {Raum(*a.Punkt(d), fl), Raum(*b.Punkt(d), fl), Raum(*b.Punkt(d + 1), fl),
                                              Raum(*a.Punkt(d + 1), fl)};
                    for (const TKoordinate& q : p) Ausdehnen(q);
                    dxf_.Flaeche3D(p[0].X, p[0].Y, p[0].Z, p[1].X, p[1].Y, p[1].Z, p[2].X, p[2].Y, p[2].Z, p[3].X,
                                   p[3].Y, p[3].Z);
                }
            }
        }
        if (o_.An(TDxfEbene::Profilkontur3D)) {
            for (const TRippe& r : rippen_) {
                const TFLAECHE& fl = Flaeche(r.Flaeche);
                Ebene(TDxfEbene::Profilkontur3D);
                std::vector<TKoordinate> punkte;
                for (const TKoordinate& p : r.Profil->Punkte()) punkte.push_back(Raum(p, fl));
                Polylinie(1, punkte);
                if (o_.An(TDxfEbene::Profilsehnen3D)) {
                    Ebene(TDxfEbene::Profilsehnen3D);
                    Linie(Raum(EndleistenMitte(*r.Profil), fl), Raum(Nase(*r.Profil), fl));
                }
                if (o_.An(TDxfEbene::Nummerierung3D) && r.Profil->Anzahl() > 0) {
                    Ebene(TDxfEbene::Nummerierung3D);
                    Beschriftung(Rippenname(r.Rippennummer), Raum(r.Profil->Punkte().front(), fl));
                }
            }
        }
        if (o_.An(TDxfEbene::NasenEndleiste3D)) {
            Ebene(TDxfEbene::NasenEndleiste3D);
            for (const TExportflaeche& e : flaechen_) {
                for (const auto& s : e.Original->Segmente) {
                    if (s->Volumenschnitte.empty()) continue;
                    const TProfil& erster = *s->Volumenschnitte.front();
                    const TProfil& letzter = *s->Volumenschnitte.back();
                    Linie(Raum(EndleistenMitte(erster), *e.Original), Raum(EndleistenMitte(letzter), *e.Original));
                    Linie(Raum(Nase(erster), *e.Original), Raum(Nase(letzter), *e.Original));
                }
            }
        }
    }

    void Dreiseitenansicht()
    {
        // Frame of the views: the lattice's corner points of the whole aircraft [m].
        Extended bMinZ = 10000.0L, bMaxX = -10000.0L, bMaxY = -10000.0L;
        for (const auto& fl : flugzeug_.Flaechen)
            for (const auto& pan : fl->Gitterpanels)
                for (const TPUNKT& e : pan->Ecken) {
                    bMinZ = std::min(bMinZ, e.Z);
                    bMaxX = std::max(bMaxX, e.X);
                    bMaxY = std::max(bMaxY, e.Y);
                }
        struct TAnsicht {
            int achseX, achseY;  // coordinates of the point that become drawing x and y
            Extended versatzX, versatzY;
        };
        const TAnsicht ansichten[3] = {
            {0, 1, 0.0L, 2.0L * bMaxY * f_ + 200.0L},
            {2, 1, std::fabs(bMinZ) * f_ + bMaxX * f_ + 200.0L, 2.0L * bMaxY * f_ + 200.0L},
            {0, 2, 0.0L, std::fabs(bMinZ) * f_ + 3.0L * bMaxY * f_ + 400.0L},
        };
        for (const TAnsicht& a : ansichten) {
            versatz_ = {a.versatzX, a.versatzY, 0.0L};
            const auto projiziert = [&](const TKoordinate& p, const TFLAECHE& fl) {
                const Extended k[3] = {(p.X + fl.Position.x) * f_, (p.Y + fl.Position.y) * f_,
                                       (p.Z + fl.Position.z) * f_};
                return TKoordinate{k[a.achseX] + versatz_.x, k[a.achseY] + versatz_.y, 0.0L};
            };
            for (const TExportflaeche& e : flaechen_) {
                const TFLAECHE& fl = *e.Original;
                std::vector<const TRippe*> eigene;
                for (const TRippe& r : rippen_)
                    if (r.Flaeche == e.Index && r.Profil->Anzahl() > 0) eigene.push_back(&r);
                if (eigene.empty()) continue;
                for (const TRippe* r : eigene) {
                    Ebene(TDxfEbene::RealProfile);
                    std::vector<TKoordinate> punkte;
                    for (const TKoordinate& p : r->Profil->Punkte()) punkte.push_back(projiziert(p, fl));
                    Polylinie(0, punkte);
                    if (o_.An(TDxfEbene::RealNummerierung)) {
                        Ebene(TDxfEbene::RealNummerierung);
                        Beschriftung(Rippenname(r->Rippennummer), projiziert(r->Profil->Punkte().front(), fl));
                    }
                }
                if (o_.An(TDxfEbene::RealAussenkontur)) {
                    Ebene(TDxfEbene::RealAussenkontur);
                    std::vector<TKoordinate> umriss{projiziert(Endleiste(*eigene.front()->Profil), fl)};
                    for (const TRippe* r : eigene) umriss.push_back(projiziert(Nase(*r->Profil), fl));
                    for (auto r = eigene.rbegin(); r != eigene.rend(); ++r)
                        umriss.push_back(projiziert(Endleiste(*(*r)->Profil), fl));
                    Polylinie(0, umriss);
                }
            }
        }
    }

    /// Leftmost and rightmost planform x of a surface copy, each counted from 0.
    static std::pair<Extended, Extended> Grundrissbereich(const TFLAECHE& kopie)
    {
        Extended xmin = 0.0L, xmax = 0.0L;
        for (const auto& s : kopie.Segmente)
            for (const auto& g : s->Grundrissschnitte)
                for (const TKoordinate& p : g->Punkte()) {
                    xmin = std::min(xmin, p.X);
                    xmax = std::max(xmax, p.X);
                }
        return {xmin, xmax};
    }

    /// Offsets each surface's plan beside the last: first past its leftmost point, then past its
    /// rightmost one (for surfaces after the first the leftmost part counts twice, which widens the
    /// gap before them).
    template <class Zeichnen>
    void BauplanDurchgang(Extended start, Zeichnen zeichnen)
    {
        Extended x = start;
        for (const TExportflaeche& e : flaechen_) {
            const auto [xmin, xmax] = Grundrissbereich(*e.Kopie);
            x = std::fabs(xmin * f_) + x + 200.0L;
            versatz_ = {x, 0.0L, 0.0L};
            zeichnen(e);
            x = e.Index == 0 ? x + xmax * f_ + 200.0L : std::fabs(xmax * f_) + (std::fabs(xmin * f_) + x) + 200.0L;
        }
    }

    static const TProfil* ErsterGrundriss(const TSEGMENT& s)
    {
        return s.Grundrissschnitte.empty() ? nullptr : s.Grundrissschnitte.front().get();
    }

    void Bauplan()
    {
        const Extended start = max_[0] + 100.0L;
        if (o_.An(TDxfEbene::BauAussenkontur))
            BauplanDurchgang(start, [&](const TExportflaeche& e) { Bauumriss(*e.Kopie); });
        if (o_.An(TDxfEbene::BauProfile)) {
            int zaehler = 0;
            BauplanDurchgang(start, [&](const TExportflaeche& e) { Baurippen(*e.Kopie, zaehler); });
        }
    }

    void Bauumriss(const TFLAECHE& kopie)
    {
        std::vector<const TSEGMENT*> segmente;
        for (const auto& s : kopie.Segmente)
            if (ErsterGrundriss(*s)) segmente.push_back(s.get());
        if (segmente.empty()) return;
        std::vector<TKoordinate> umriss;
        for (const TSEGMENT* s : segmente) umriss.push_back(Eben(ErsterGrundriss(*s)->Punkte().back()));
        const TProfil& letzter = *segmente.back()->Grundrissschnitte.back();
        umriss.push_back(Eben(letzter.Punkte().back()));
        umriss.push_back(Eben(letzter.Punkte().front()));
        for (auto s = segmente.rbegin(); s != segmente.rend(); ++s)
            umriss.push_back(Eben(ErsterGrundriss(**s)->Punkte().front()));
        umriss.push_back(Eben(ErsterGrundriss(*segmente.front())->Punkte().back()));
        Ebene(TDxfEbene::BauAussenkontur);
        Polylinie(0, umriss);
    }

    /// Twist at the left end of segment j, which its building-plan rib carries; none for a segment
    /// of width 0.
    static std::optional<Extended> LinkeVerwindung(const TFLAECHE& kopie, int j)
    {
        const Extended w = kopie.Segmentbreite(j);
        if (w < 0.0L) return kopie.Segmente.Get(j)->Verwindungswinkel;
        if (w == 0.0L) return std::nullopt;
        if (j == 0 || kopie.Segmentbreite(j - 1) < 0.0L) return kopie.Verwindungswinkel;
        return kopie.Segmente.Get(j - 1)->Verwindungswinkel;
    }

    void Baurippe(const TProfil& g, std::optional<Extended> verwindung, int& zaehler)
    {
        Ebene(TDxfEbene::BauProfile);
        Linie(Eben(g.Punkte().back()), Eben(g.Punkte().front()));
        if (!o_.An(TDxfEbene::BauNummerierung)) return;
        Ebene(TDxfEbene::BauNummerierung);
        std::string text = Rippenname(zaehler++);
        if (verwindung) text += " " + Grad(*verwindung);
        Beschriftung(text, Eben(g.Punkte().front()));
    }

    void Baurippen(const TFLAECHE& kopie, int& zaehler)
    {
        int letztes = -1;
        for (int j = 0; j < kopie.Segmente.Count(); ++j) {
            const TSEGMENT& s = *kopie.Segmente.Get(j);
            const TProfil* erster = ErsterGrundriss(s);
            if (!erster) continue;
            Baurippe(*erster, LinkeVerwindung(kopie, j), zaehler);
            if (o_.An(TDxfEbene::BauVForm)) {
                Ebene(TDxfEbene::BauVForm);
                Beschriftung("VW=" + Grad(s.VFormWinkel),
                             Mitte(Eben(erster->Punkte().back()), Eben(s.Grundrissschnitte.back()->Punkte().back())));
            }
            letztes = j;
        }
        if (letztes < 0) return;
        // The closing rib at the right end: the segment's own section when it lies right of the
        // root, the root section when the whole surface lies left of it.
        const Extended w = kopie.Segmentbreite(letztes);
        std::optional<Extended> verwindung;
        if (w > 0.0L) verwindung = kopie.Segmente.Get(letztes)->Verwindungswinkel;
        else if (w < 0.0L) verwindung = kopie.Verwindungswinkel;
        Baurippe(*kopie.Segmente.Get(letztes)->Grundrissschnitte.back(), verwindung, zaehler);
    }

    void Profilschnitte()
    {
        versatz_ = {max_[0] + 300.0L, 0.0L, 0.0L};
        for (const TRippe& r : rippen_) {
            if (r.Profil->Anzahl() < 3) continue;
            TProfil eben;
            eben.Assign(r.Profil.get());
            eben.Ausrichten();
            TProfil normiert;
            normiert.Assign(&eben);
            const Extended s = normiert.Normieren();
            const std::unique_ptr<TProfil> schnitt = normiert.Neuverteilen(o_.Exportaufloesung);
            for (int i = 0; i < schnitt->Anzahl(); ++i) {
                schnitt->Punkt(i)->X /= s;
                schnitt->Punkt(i)->Z /= s;
            }
            versatz_.y = std::fabs(schnitt->Extremum(2, TProfil::TExtremart::Kleinstes).Wert * f_) + versatz_.y;
            const auto inEbene = [&](const TKoordinate& p) {
                return TKoordinate{p.X * f_ + versatz_.x, p.Z * f_ + versatz_.y, p.Y * f_ + versatz_.z};
            };
            Ebene(TDxfEbene::SchnittKontur);
            std::vector<TKoordinate> punkte;
            for (const TKoordinate& p : schnitt->Punkte()) punkte.push_back(inEbene(p));
            Polylinie(0, punkte);
            if (o_.An(TDxfEbene::SchnittSehnen)) {
                Ebene(TDxfEbene::SchnittSehnen);
                Linie(inEbene(EndleistenMitte(*schnitt)), inEbene(Nase(*schnitt)));
            }
            if (o_.An(TDxfEbene::SchnittNummerierung)) {
                Ebene(TDxfEbene::SchnittNummerierung);
                Beschriftung(Rippenname(r.Rippennummer), inEbene(schnitt->Punkte().front()));
            }
            versatz_.y = schnitt->Extremum(2, TProfil::TExtremart::Groesstes).Wert * f_ + versatz_.y + 30.0L;
        }
    }
};

} // namespace

Tdxf DxfZeichnung(const TFLUGZEUG& flugzeug, const TDxfOptionen& optionen, THost& host)
{
    return TDxfZeichner(flugzeug, optionen, host).Zeichnen();
}

bool DxfExportieren(TSZENE& szene, const TDxfOptionen& optionen, const std::filesystem::path& datei, THost& host)
{
    if (optionen.Exportaufloesung < KleinsteExportaufloesung) {
        host.Fehlertext(45);
        return false;
    }
    TExportaufloesung aufloesung(*szene.Flugzeug, optionen.Exportaufloesung, host);
    DxfZeichnung(*szene.Flugzeug, optionen, host).Schreiben(datei);
    return true;
}
