// The total-polar series and the inputs of its page.
#include "control/Gesamtpolare.h"

#include <algorithm>
#include <memory>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Zahlentext.h"
#include "control/Rechenlauf.h"
#include "model/TErgebnis.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Klappen.h"
#include "model/Eingabegrenzen.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "model/T_Szene.h"
#include "results/Polarliste.h"

namespace {

constexpr int FehlerKlappengruppe = 39;
constexpr int FehlerFlaechennummer = 41;
constexpr int FehlerFlaechennummerText = 23;
constexpr int FehlerSchritt = 42;

bool KlappengruppeVorhanden(const TFLUGZEUG& f, int gruppe)
{
    for (const auto& fl : f.Flaechen)
        for (const auto& s : fl->Segmente)
            if (s->Klappengruppe == gruppe) return true;
    return false;
}

/// Reads start and end of every row the test `genutzt` keeps; false at the first refused angle.
template <class Zeile>
bool WinkelLesen(THost& host, std::array<Zeile, 4>& ziel, const std::array<TPolartabellenzeile, 4>& zeilen,
                 const std::array<bool, 4>& gelesen)
{
    for (int r = 0; r < 4; ++r) {
        if (!gelesen[r]) continue;
        if (!EingabeUebernehmen(host, TEingabefeld::Klappenausschlag, zeilen[r].Start, ziel[r].Start)) return false;
        if (!EingabeUebernehmen(host, TEingabefeld::Klappenausschlag, zeilen[r].Ende, ziel[r].Ende)) return false;
    }
    return true;
}

/// Of two rows with the same number the later one is cleared; returns which rows keep theirs.
template <class Zeile, class Nummer>
std::array<bool, 4> DoppelteLeeren(std::array<Zeile, 4>& ziel, Nummer nummer, const Zeile& leer)
{
    std::array<bool, 4> bleibt{true, true, true, true};
    for (int r = 0; r < 4; ++r)
        for (int s = r + 1; s < 4; ++s)
            if (bleibt[r] && bleibt[s] && ziel[r].*nummer == ziel[s].*nummer) {
                ziel[s] = leer;
                bleibt[s] = false;
            }
    return bleibt;
}

int Auslegungsziel(TPolarfixierung fix)
{
    switch (fix) {
    case TPolarfixierung::Ca: return ZielAuslegungsCa;
    case TPolarfixierung::Anstellwinkel: return ZielAnstellwinkel;
    default: return ZielSchwerpunkt;
    }
}

int Fixcode(TPolarfixierung fix)
{
    switch (fix) {
    case TPolarfixierung::Ca: return FixCa;
    case TPolarfixierung::Anstellwinkel: return FixAnstellwinkel;
    default: return FixSchwerpunkt;
    }
}

/// One stepped row of the series: whether it counts, and its current value between low and high.
struct TReihenwert {
    bool Aktiv = false;
    int Nummer = 0;
    Extended Hoch = 0.0L;
    Extended Tief = 0.0L;
    Extended Wert = 0.0L;
};

class TSerie {
public:
    TSerie(TSZENE& szene, const TSchalter& schalter, THost& host, const TGesamtpolaroptionen& optionen)
        : szene_(szene), f_(*szene.Flugzeug), schalter_(schalter), host_(host), o_(optionen)
    {
    }

    /// Runs the steps; the group is complete when the result says Fertig.
    TGesamtpolarergebnis Ausfuehren(TPolargruppe& gruppe)
    {
        Beschreiben(gruppe);
        const int q = std::max(1, f_.GesamtpolarSchrittzahl);
        for (int s = 1; s <= q + 1; ++s) {
            if (o_.Fortschritt) o_.Fortschritt(std::min(s, q), q);
            if (!Setzen()) return Ende(TGesamtpolarausgang::Gestoppt);
            GitterAufbauen(f_, host_.Flags);
            Auslegungsberechnung(szene_, schalter_, host_, o_.Auslegung);
            if (host_.Flags.Stoppanforderung) return Ende(TGesamtpolarausgang::Gestoppt);
            std::string info;
            if (host_.Flags.FehlertextGezeigt) {
                if (host_.Fehlertext(FehlerSchritt) != KnopfYES) return Ende(TGesamtpolarausgang::Abgebrochen);
                host_.Flags.FehlertextGezeigt = false;
                info = "FB ";
                ++ergebnis_.Fehlschritte;
            }
            if (!Infotext(info)) return Ende(TGesamtpolarausgang::Gestoppt);
            gruppe.Zeilen.push_back(Zeile(info));
            ++ergebnis_.Schritte;
            Weiterschalten(q);
        }
        return Ende(TGesamtpolarausgang::Fertig);
    }

private:
    void Beschreiben(TPolargruppe& g)
    {
        g.Flugszene = szene_.Name + ".vel";
        g.Bemerkung = o_.Bemerkung;
        const int anzahl = f_.Flaechen.Count();
        for (int r = 0; r < 4; ++r) {
            TReihenwert& w = reihen_[r];
            if (o_.Reihe == TPolarreihe::Klappen) {
                const TGesamtpolarHauptZeile& z = f_.GesamtpolarHaupt[r];
                w = {z.Klappengruppe > 0, z.Klappengruppe, std::max(z.Start, z.Ende), std::min(z.Start, z.Ende), 0.0L};
                g.Gruppe[r] = z.Klappengruppe;
                if (z.Klappengruppe > 0 && z.Klappengruppe < AnzahlKlappengruppen)
                    g.Gruppentext[r] = f_.Klappengruppenbeschreibung[z.Klappengruppe];
            } else if (o_.Reihe == TPolarreihe::Ewd) {
                const TGesamtpolarEwdZeile& z = f_.GesamtpolarEwd[r];
                w = {z.Flaeche >= 0 && z.Flaeche < anzahl, z.Flaeche, std::max(z.Start, z.Ende), std::min(z.Start, z.Ende), 0.0L};
                g.Gruppe[r] = z.Flaeche;
                if (w.Aktiv) g.Gruppentext[r] = f_.Flaechen.Get(z.Flaeche)->Bezeichnung;
            } else {
                g.Gruppe[r] = 0;
                g.Gruppentext[r] = "n.u.";
            }
            w.Wert = w.Hoch;
        }
        if (o_.Reihe == TPolarreihe::Anstellwinkel) {
            g.Art = PolarartAnstellwinkel;
            g.Fix = FixKeiner;
            f_.Auslegungsnummer = ZielAnstellwinkel;
            f_.Anstellwinkel = f_.PolarAnstellwinkelStart;
        } else {
            g.Art = o_.Reihe == TPolarreihe::Klappen ? PolarartKlappen : PolarartEwd;
            g.Fix = Fixcode(o_.Fixierung);
            f_.Auslegungsnummer = Auslegungsziel(o_.Fixierung);
        }
    }

    /// Step c.1: the current values into the model; false when a stop was requested meanwhile.
    bool Setzen()
    {
        if (o_.Reihe == TPolarreihe::Klappen) {
            for (const auto& fl : f_.Flaechen)
                for (int j = 0; j < fl->Segmente.Count(); ++j) {
                    host_.Ereignisschleife();
                    if (host_.Flags.Stoppanforderung) return false;
                    TSEGMENT& seg = *fl->Segmente.Get(j);
                    for (const TReihenwert& w : reihen_)
                        if (w.Aktiv && w.Nummer == seg.Klappengruppe) {
                            seg.Klappenausschlag = w.Wert;
                            KlappeAnwenden(*fl, j);
                        }
                }
        } else if (o_.Reihe == TPolarreihe::Ewd) {
            for (const TReihenwert& w : reihen_) {
                host_.Ereignisschleife();
                if (host_.Flags.Stoppanforderung) return false;
                if (!w.Aktiv) continue;
                TFLAECHE& fl = *f_.Flaechen.Get(w.Nummer);
                fl.Einstellwinkel = w.Wert;
                BaueFlaeche(fl, host_);
            }
        } else {
            host_.Aktualisieren();
            host_.Ereignisschleife();
            if (host_.Flags.Stoppanforderung) return false;
        }
        return true;
    }

    /// Step c.4: the stall shares of every surface and the lift and stability marks.
    bool Infotext(std::string& info)
    {
        for (int i = 0; i < f_.Flaechen.Count(); ++i) {
            if (host_.Flags.Stoppanforderung) return false;
            const TFLAECHE& fl = *f_.Flaechen.Get(i);
            Extended oben = 0.0L, unten = 0.0L;
            bool hatOben = false, hatUnten = false;
            for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j) {
                const auto wert = [&](int slot) {
                    const TErgebnis* e = fl.Ergebnisraster.Get(j, slot);
                    return e ? e->Wert : 0.0L;
                };
                const Extended flaeche = wert(SlotStreifentiefe) * wert(SlotStreifenbreite);
                if (wert(SlotAbrissOben) == 1.0L) {
                    oben += flaeche;
                    hatOben = true;
                }
                if (wert(SlotAbrissUnten) == 1.0L) {
                    unten += flaeche;
                    hatUnten = true;
                }
            }
            const std::string fl_i = "FL" + std::to_string(i) + " ";
            const auto prozent = [&](Extended summe) {
                return RealToText(summe / fl.FlaecheWahr * 100.0L, 8, 1, o_.Dezimaltrenner);
            };
            if (hatOben) info += fl_i + "ABO" + prozent(oben) + " ";
            if (hatUnten) info += fl_i + "ABU" + prozent(unten) + " ";
        }
        if (!(f_.AuslegungsCa >= 0.0L)) info += "NRF ";
        if (!(f_.Stabilitaetsmass > 0.0L)) info += "ISF ";
        return true;
    }

    TPolarzeile Zeile(const std::string& info) const
    {
        TPolarzeile z;
        z.Alfa = static_cast<double>(f_.Anstellwinkel);
        for (int r = 0; r < 4; ++r)
            z.Gr[r] = o_.Reihe == TPolarreihe::Anstellwinkel ? 0.0 : static_cast<double>(reihen_[r].Wert);
        z.Ca = static_cast<double>(f_.AuslegungsCa);
        z.Cw = static_cast<double>(f_.CW);
        z.Geschwindigkeit = static_cast<double>(f_.FlugGeschwindigkeit);
        z.Sinkgeschwindigkeit = static_cast<double>(f_.Sinkgeschwindigkeit);
        z.Gleitzahl = static_cast<double>(f_.Gleitzahl);
        z.Steigzahl = static_cast<double>(f_.Steigzahl);
        z.Gleitwinkel = static_cast<double>(f_.Gleitwinkel);
        z.Schwerpunkt = static_cast<double>(f_.SchwerpunktX);
        z.Stabilitaetsmass = static_cast<double>(f_.Stabilitaetsmass);
        z.Neutralpunkt = static_cast<double>(f_.Neutralpunkt);
        z.Widerstand = static_cast<double>(f_.Widerstand);
        z.Info = info;
        return z;
    }

    /// Step c.6: the next values, downwards from high to low; the angle series runs from its start
    /// to its end in the order given.
    void Weiterschalten(int q)
    {
        if (o_.Reihe == TPolarreihe::Anstellwinkel) {
            f_.Anstellwinkel += (f_.PolarAnstellwinkelEnde - f_.PolarAnstellwinkelStart) / q;
            return;
        }
        for (TReihenwert& w : reihen_) {
            if (w.Aktiv) w.Wert -= (w.Hoch - w.Tief) / q;
            if (w.Wert < w.Tief) w.Wert = w.Tief;
        }
    }

    TGesamtpolarergebnis Ende(TGesamtpolarausgang ausgang)
    {
        ergebnis_.Ausgang = ausgang;
        return ergebnis_;
    }

    TSZENE& szene_;
    TFLUGZEUG& f_;
    const TSchalter& schalter_;
    THost& host_;
    const TGesamtpolaroptionen& o_;
    std::array<TReihenwert, 4> reihen_;
    TGesamtpolarergebnis ergebnis_;
};

}  // namespace

bool KlappentabelleLesen(THost& host, TFLUGZEUG& f, const std::array<TPolartabellenzeile, 4>& zeilen)
{
    for (int r = 0; r < 4; ++r) {
        int gruppe = -1;
        try {
            gruppe = TextToInt(zeilen[r].Nummer);
        } catch (const EKonvertierung&) {
        }
        if (gruppe < 0 || gruppe >= AnzahlKlappengruppen) {
            host.Fehlertext(FehlerKlappengruppe);
            return false;
        }
        if (gruppe >= 1 && !KlappengruppeVorhanden(f, gruppe)) {
            f.GesamtpolarHaupt[r] = {};
            return false;
        }
        f.GesamtpolarHaupt[r].Klappengruppe = gruppe;
    }
    const auto gelesen = DoppelteLeeren(f.GesamtpolarHaupt, &TGesamtpolarHauptZeile::Klappengruppe, TGesamtpolarHauptZeile{});
    return WinkelLesen(host, f.GesamtpolarHaupt, zeilen, gelesen);
}

bool EwdTabelleLesen(THost& host, TFLUGZEUG& f, const std::array<TPolartabellenzeile, 4>& zeilen)
{
    std::array<bool, 4> genutzt{};
    for (int r = 0; r < 4; ++r) {
        int flaeche = 0;
        try {
            flaeche = TextToInt(zeilen[r].Nummer);
        } catch (const EKonvertierung&) {
            host.Fehlertext(FehlerFlaechennummerText);
            return false;
        }
        if (flaeche < -1) {
            host.Fehlertext(FehlerFlaechennummer);
            return false;
        }
        if (flaeche == -1 || flaeche >= f.Flaechen.Count()) {
            f.GesamtpolarEwd[r] = {};
            if (flaeche == -1) continue;
            return false;
        }
        f.GesamtpolarEwd[r].Flaeche = flaeche;
        genutzt[r] = true;
    }
    std::array<bool, 4> gelesen = DoppelteLeeren(f.GesamtpolarEwd, &TGesamtpolarEwdZeile::Flaeche, TGesamtpolarEwdZeile{});
    for (int r = 0; r < 4; ++r) gelesen[r] = gelesen[r] && genutzt[r];
    return WinkelLesen(host, f.GesamtpolarEwd, zeilen, gelesen);
}

TPolarreihe GespeicherteReihe(const TFLUGZEUG& f)
{
    for (const auto& z : f.GesamtpolarHaupt)
        if (z.Klappengruppe > 0) return TPolarreihe::Klappen;
    for (const auto& z : f.GesamtpolarEwd)
        if (z.Flaeche >= 0 && z.Flaeche < f.Flaechen.Count()) return TPolarreihe::Ewd;
    return TPolarreihe::Anstellwinkel;
}

TGesamtpolarZustand GesamtpolarZustandLesen(const TFLUGZEUG& f)
{
    TGesamtpolarZustand z;
    z.Auslegungsnummer = f.Auslegungsnummer;
    z.Eingaben = AuslegungseingabenLesen(f);
    z.Luftdichte = f.Luftdichte;
    for (const auto& fl : f.Flaechen) {
        z.Einstellwinkel.push_back(fl->Einstellwinkel);
        std::vector<Extended>& klappen = z.Klappenausschlag.emplace_back();
        for (const auto& s : fl->Segmente) klappen.push_back(s->Klappenausschlag);
    }
    return z;
}

void GesamtpolarZustandWiederherstellen(TFLUGZEUG& f, const TGesamtpolarZustand& z, THost& host)
{
    f.Auslegungsnummer = z.Auslegungsnummer;
    f.Anstellwinkel = z.Eingaben.Anstellwinkel;
    f.AuslegungsCa = z.Eingaben.AuslegungsCa;
    f.Stabilitaetsmass = z.Eingaben.Stabilitaetsmass;
    f.SchwerpunktX = z.Eingaben.SchwerpunktX;
    f.FlugGeschwindigkeit = z.Eingaben.FlugGeschwindigkeit;
    f.Luftdichte = z.Luftdichte;
    for (int i = 0; i < f.Flaechen.Count() && i < static_cast<int>(z.Einstellwinkel.size()); ++i) {
        TFLAECHE& fl = *f.Flaechen.Get(i);
        fl.Einstellwinkel = z.Einstellwinkel[i];
        for (int j = 0; j < fl.Segmente.Count() && j < static_cast<int>(z.Klappenausschlag[i].size()); ++j)
            fl.Segmente.Get(j)->Klappenausschlag = z.Klappenausschlag[i][j];
        BaueFlaeche(fl, host);
    }
    GitterAufbauen(f, host.Flags);
    host.Aktualisieren();
}

TGesamtpolarergebnis GesamtpolarBerechnen(TSZENE& szene, const TSchalter& schalter, THost& host, TPolarliste& liste,
                                          const TGesamtpolaroptionen& optionen)
{
    if (optionen.ListeLoeschen) liste.ListeLeeren();
    host.Flags.GesamtpolarLaeuft = true;
    host.Flags.FehlertextGezeigt = false;
    const TGesamtpolarZustand zustand = GesamtpolarZustandLesen(*szene.Flugzeug);
    host.Flags.Stoppanforderung = false;

    auto gruppe = std::make_unique<TPolargruppe>();
    const TGesamtpolarergebnis ergebnis = TSerie(szene, schalter, host, optionen).Ausfuehren(*gruppe);
    if (ergebnis.Ausgang == TGesamtpolarausgang::Fertig) {
        liste.GruppeHinzufuegen(std::move(gruppe));
        liste.Geaendert = true;
    } else {
        host.Flags.RechnungLaeuft = false;
    }
    if (optionen.Fortschritt) optionen.Fortschritt(0, szene.Flugzeug->GesamtpolarSchrittzahl);
    GesamtpolarZustandWiederherstellen(*szene.Flugzeug, zustand, host);
    host.NeuZeichnen();
    host.Flags.GesamtpolarLaeuft = false;
    return ergebnis;
}

void GesamtpolarStoppen(THost& host) { BerechnungStoppen(host); }
