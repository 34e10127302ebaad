// Scene file writer and reader. Each block's keys are listed once, in writer order, in a function
// that both the writer and the reader walk, so the two cannot drift apart.
#include "model/Szenendatei.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <concepts>
#include <ctime>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <type_traits>
#include <vector>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "model/Eingabegrenzen.h"
#include "profile/T_Profil.h"

namespace {

/// Marks a chord that no line of its block has set.
const Extended KeineProfiltiefe = std::numeric_limits<Extended>::quiet_NaN();

constexpr std::string_view Kennung = "VELION Vers. 01.215 25.01.2015";
constexpr Extended KleinsteProfiltiefe = 0.00001L;

// ---------------------------------------------------------------------------------------------
// The keys of each block, in writer order. `v` is the writer (const model) or the line reader.

template <class Z>
    requires std::same_as<std::remove_const_t<Z>, TGesamtpolarHauptZeile>
auto Felder(Z& z)
{
    return std::tie(z.Klappengruppe, z.Start, z.Ende);
}

template <class Z>
    requires std::same_as<std::remove_const_t<Z>, TGesamtpolarEwdZeile>
auto Felder(Z& z)
{
    return std::tie(z.Flaeche, z.Start, z.Ende);
}

template <class V, class F, class S>
void FlugzeugSchluessel(V& v, F& f, S& s)
{
    v.Text("KONSTRUKTEUR=", f.Konstrukteur);
    v.Text("BEZEICHNUNG=", f.Bezeichnung);
    v.Wahr("NULLPUNKT SICHTBAR=", f.NullpunktSichtbar);
    v.Feld("POSITION X,Y,Z=", TEingabefeld::Frei, f.AnsichtPosition.x, f.AnsichtPosition.y, f.AnsichtPosition.z);
    v.Werte("BETRACHTUNGSWINKEL X,Y,Z=", f.Betrachtungswinkel.x, f.Betrachtungswinkel.y, f.Betrachtungswinkel.z);
    v.Werte("LAENGE MARKIERUNGSLINIEN=", f.LaengeMarkierungslinien);
    v.Feld("ZUSAETZLICHE MASSEN=", TEingabefeld::Masse, f.ZusaetzlicheMassen);
    v.Zielwert("ANSTELLWINKEL=", f.Anstellwinkel);
    v.Zielwert("CA=", f.AuslegungsCa);
    v.Zielwert("STABILITAETSMASS=", f.Stabilitaetsmass);
    v.Zielwert("SCHWERPUNKT X=", f.SchwerpunktX);
    v.Zielwert("FLUG_GESCHWINDIGKEIT=", f.FlugGeschwindigkeit);
    v.Feld("SCHIEBEWINKEL=", TEingabefeld::Schiebewinkel, f.Schiebewinkel);
    v.Feld("FLUGHOEHE=", TEingabefeld::Flughoehe, f.Flughoehe);
    v.Feld("LUFTDICHTE=", TEingabefeld::Masse, f.Luftdichte);
    v.Feld("AUSLEGUNGSNUMMER=", TEingabefeld::Auslegungsnummer, f.Auslegungsnummer);
    v.Feld("MAX_INTERATION=", TEingabefeld::MaxIteration, f.MaxIteration);
    v.Feld("ANZAHL_NACHLAUFELEMENTE=", TEingabefeld::AnzahlNachlaufelemente, f.AnzahlNachlaufelemente);
    v.Feld("LAENGE_NACHLAUFELEMENTE=", TEingabefeld::LaengeNachlaufelemente, f.LaengeNachlaufelemente);
    v.WahrGenau("NACHLAUFKORREKTUR=", s.Nachlaufkorrektur);
    v.WahrGenau("NACHLAUFKORREKTUR_KOMPLETT=", s.NachlaufkorrekturKomplett);
    v.Feld("INTERFERENZ_WIDERSTAND=", TEingabefeld::InterferenzWiderstand, f.InterferenzWiderstand);
    v.Feld("RUMPF_WIDERSTAND=", TEingabefeld::Rumpf, f.RumpfWiderstand);
    v.Feld("RUMPF_QUERSCHNITTFLAECHE=", TEingabefeld::Rumpf, f.RumpfQuerschnittflaeche);
    v.WahrGenau("BLASENWIDERSTAND_RECHNEN=", s.BlasenwiderstandRechnen);
    v.Zeilen("GESAMTPOLARBERECHNUNG_HAUPT", f.GesamtpolarHaupt);
    v.Zeilen("GESAMTPOLARBERECHNUNG_EWD", f.GesamtpolarEwd);
    v.Feld("GESAMTPOLARBERECHNUNG_SCHRITTZAHL=", TEingabefeld::GesamtpolarSchrittzahl, f.GesamtpolarSchrittzahl);
    v.Beschreibungen("BESCHREIBUNG_KLAPPENGRUPPE", f.Klappengruppenbeschreibung);
}

template <class V, class F>
void FlaecheSchluessel(V& v, F& f)
{
    v.Art("ART=", f.Art);
    v.Text("BEZEICHNUNG=", f.Bezeichnung);
    v.Feld("POSITION X,Y,Z=", TEingabefeld::Frei, f.Position.x, f.Position.y, f.Position.z);
    v.Wahr("ALFA0_CM0_OPTIMIERUNG=", f.Alfa0Cm0Optimierung);
    v.Feld("EINSTELLWINKEL=", TEingabefeld::Einstellwinkel, f.Einstellwinkel);
    v.Profiltiefe("PROFILTIEFE=", f.Profiltiefe);
    v.Feld("BEZUGSPUNKT_PROFILTIEFE=", TEingabefeld::Bezugspunkt, f.BezugspunktProfiltiefe);
    v.Feld("VERWINDUNGSWINKEL=", TEingabefeld::Verwindungswinkel, f.Verwindungswinkel);
    v.Feld("ANZAHL PANELS X=", TEingabefeld::AnzahlPanels, f.AnzahlPanelsX);
    v.Verteilung("VERTEILUNG=", f.VerteilungX);
    v.Feld("ANZAHL PANELS VOLUMENDARSTELLUNG=", TEingabefeld::AnzahlPanelsVolumendarstellung, f.AnzahlPanelsVolumendarstellung);
    v.Feld("MASSE=", TEingabefeld::Masse, f.Masse);
    v.Wahr("FLAG_MAN_BEIWERTE=", f.FlagManBeiwerte);
    v.Feld("ALFA0_MAN=", TEingabefeld::Frei, f.Alfa0Man);
    v.Feld("CM0_MAN=", TEingabefeld::Frei, f.Cm0Man);
    v.Feld("ZIRKULATIONSVORGABE=", TEingabefeld::Frei, f.Zirkulationsvorgabe);
}

template <class V, class S>
void SegmentSchluessel(V& v, S& s)
{
    v.Feld("SEGMENTBREITE=", TEingabefeld::Segmentbreite, s.Segmentbreite);
    v.Profiltiefe("PROFILTIEFE=", s.Profiltiefe);
    v.Feld("BEZUGSPUNKT_PROFILTIEFE=", TEingabefeld::Bezugspunkt, s.BezugspunktProfiltiefe);
    v.Feld("VERWINDUNGSWINKEL=", TEingabefeld::Verwindungswinkel, s.Verwindungswinkel);
    v.Feld("V-FORM_WINKEL=", TEingabefeld::Frei, s.VFormWinkel);
    v.Feld("PFEILWINKEL=", TEingabefeld::Einstellwinkel, s.Pfeilwinkel);
    v.Feld("BEZUGSPUNKT_PFEILWINKEL=", TEingabefeld::Bezugspunkt, s.BezugspunktPfeilwinkel);
    v.Feld("ANZAHL PANELS Y=", TEingabefeld::AnzahlPanels, s.AnzahlPanelsY);
    v.Verteilung("VERTEILUNG=", s.VerteilungY);
    v.Feld("KLAPPENTIEFE LINKS,RECHTS=", TEingabefeld::KlappentiefeLinks, s.KlappentiefeLinks, s.KlappentiefeRechts);
    v.Feld("KLAPPENAUSSCHLAG=", TEingabefeld::Klappenausschlag, s.Klappenausschlag);
    v.Werte("KLAPPENGRUPPE=", s.Klappengruppe);
    v.Wahr("KLAPPENINVERSE=", s.Klappeninverse);
    v.Wahr("FLAG_MAN_BEIWERTE=", s.FlagManBeiwerte);
    v.Feld("ALFA0_MAN=", TEingabefeld::Frei, s.Alfa0Man);
    v.Feld("CM0_MAN=", TEingabefeld::Frei, s.Cm0Man);
}

template <class V, class S>
void SchalterSchluessel(V& v, S& s)
{
    v.Wahr("BUTTON GESAMT FLUGZEUG DARSTELLUNG=", s.GesamtFlugzeugDarstellung);
    v.Wahr("BUTTON KLAPPEN WINKEL AUSGABE=", s.KlappenwinkelAusgabe);
    v.Wahr("BUTTON CWI LOKAL=", s.CwiLokal);
    v.Wahr("BUTTON CWV LOKAL=", s.CwvLokal);
    v.Wahr("BUTTON CWG LOKAL=", s.CwgLokal);
    v.Wahr("BUTTON GAMMA LOKAL=", s.GammaLokal);
    v.Wahr("BUTTON GAMMA VORGABE=", s.GammaVorgabe);
    v.Wahr("CHECKBOX GAMMA VORGABE INTEGRAL=", s.GammaVorgabeIntegral);
    v.Wahr("BUTTON CA LOKAL=", s.CaLokal);
    v.Wahr("CHECKBOX CA LOKAL MIN MAX=", s.CaLokalMinMax);
    v.Wahr("BUTTON AI LOKAL=", s.AiLokal);
    v.Wahr("BUTTON BLASENWARNUNG=", s.Blasenwarnung);
    v.Wahr("BUTTON RE LOKAL=", s.ReLokal);
    v.Wahr("BUTTON XD=", s.XD);
    v.Wahr("BUTTON XS=", s.XS);
    v.Wahr("BUTTON XN=", s.XN);
    v.Wahr("ROTIEREN=", s.Rotieren);
    v.Wahr("VERSCHIEBEN=", s.Verschieben);
    v.Wahr("ZOOMEN=", s.Zoomen);
    v.Wahr("BEARBEITEN=", s.Bearbeiten);
    v.Wahr("GEFÜLLTE PANELS=", s.GefuelltePanels);
    v.Wahr("VERDECKTE LINIEN=", s.VerdeckteLinien);
    v.Wahr("ANSTROEMVEKTOR_ZEICHNEN=", s.AnstroemvektorZeichnen);
    v.Wahr("FREIE_WIRBEL_ZEICHNEN=", s.FreieWirbelZeichnen);
    v.Wahr("GEBUNDENE_WIRBEL_ZEICHNEN=", s.GebundeneWirbelZeichnen);
    v.Wahr("SEGMENTKANTENMARKIERUNG_ZEICHNEN=", s.SegmentkantenmarkierungZeichnen);
    v.Wahr("PANELNORMALVEKTOREN_ZEICHNEN=", s.PanelnormalvektorenZeichnen);
    v.Wahr("PANELKRAFTVEKTOREN_ZEICHNEN=", s.PanelkraftvektorenZeichnen);
    v.Wahr("VOLUMENMODELL_ZEICHNEN=", s.VolumenmodellZeichnen);
    v.Wahr("MOMENTENDREHRICHTUNG_ZEICHNEN=", s.MomentendrehrichtungZeichnen);
    v.Wahr("IMMER SPIEGELN=", s.ImmerSpiegeln);
}

template <class V, class S>
void EinstellungenSchluessel(V& v, S& s)
{
    v.Werte("SPLITTERPOS=", s.Splitterposition);
}

// ---------------------------------------------------------------------------------------------
// Writing.

std::string Zahl(Extended w) { return RealToText(w, 0, 5, '.'); }
std::string Zahl(int w) { return std::to_string(w); }

class TSchreiber {
public:
    explicit TSchreiber(std::vector<std::string>& zeilen) : z_(zeilen) {}

    void Text(std::string_view k, const std::string& wert) { Zeile(k, wert); }
    void Wahr(std::string_view k, bool wert) { Zeile(k, wert ? "TRUE" : "FALSE"); }
    void WahrGenau(std::string_view k, bool wert) { Wahr(k, wert); }
    void Zielwert(std::string_view k, Extended wert) { Werte(k, wert); }
    void Profiltiefe(std::string_view k, Extended wert) { Werte(k, wert); }

    template <class... W>
    void Feld(std::string_view k, TEingabefeld /*feld*/, const W&... werte)
    {
        Werte(k, werte...);
    }

    template <class... W>
    void Werte(std::string_view k, const W&... werte)
    {
        std::string text;
        ((text += (text.empty() ? "" : " ") + Zahl(werte)), ...);
        Zeile(k, text);
    }

    void Art(std::string_view k, TFlaechenArt art) { Zeile(k, Artwort(art)); }

    void Verteilung(std::string_view k, TVerteilung verteilung)
    {
        Zeile(k, Verteilungswort(verteilung));
    }

    template <class Z, std::size_t N>
    void Zeilen(std::string_view wort, const std::array<Z, N>& zeilen)
    {
        for (std::size_t n = 0; n < N; ++n) {
            const std::string k = std::string(wort) + std::to_string(n) + "=";
            std::apply([&](const auto&... w) { Werte(k, w...); }, Felder(zeilen[n]));
        }
    }

    void Beschreibungen(std::string_view wort, const std::array<std::string, AnzahlKlappengruppen>& texte)
    {
        // Entry 0 is fixed ("Einzelklappe") and never written; unused entries read "leer".
        for (std::size_t n = 1; n < texte.size(); ++n)
            if (texte[n] != "leer") Zeile(std::string(wort) + std::to_string(n) + "=", texte[n]);
    }

    void Zeile(std::string_view k, std::string_view wert) { z_.push_back(std::string(k) + std::string(wert)); }
    void Zeile(std::string_view ganz) { z_.emplace_back(ganz); }

private:
    std::vector<std::string>& z_;
};

void SchreibeProfil(TSchreiber& w, const TProfil& p)
{
    w.Zeile("[PROFIL]");
    w.Zeile("PROFILDATEINAME=", p.Dateiname);
    for (int k = 0; k < p.Anzahl(); ++k) {
        const TKoordinate* q = p.Punkt(k);
        w.Zeile("PK" + std::to_string(k) + "=", Zahl(q->X) + " " + Zahl(q->Z));
    }
    w.Zeile("[PROFIL ENDE]");
}

std::string Zeitstempel()
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &ortszeit);
    return std::string(text, n);
}

std::vector<std::string> Szenenzeilen(const TFLUGZEUG& f, const TSchalter& s)
{
    std::vector<std::string> zeilen;
    TSchreiber w(zeilen);
    w.Zeile(Kennung);
    w.Zeile(Zeitstempel());
    w.Zeile("");
    w.Zeile("[FLUGZEUG]");
    FlugzeugSchluessel(w, f, s);
    for (int i = 0; i < f.Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *f.Flaechen.Get(i);
        w.Zeile("[FLAECHE" + std::to_string(i) + "]");
        FlaecheSchluessel(w, fl);
        SchreibeProfil(w, *fl.Wurzelprofil);
        for (int j = 0; j < fl.Segmente.Count(); ++j) {
            const TSEGMENT& seg = *fl.Segmente.Get(j);
            w.Zeile("[SEGMENT" + std::to_string(j) + "]");
            SegmentSchluessel(w, seg);
            SchreibeProfil(w, *seg.Segmentprofil);
            w.Zeile("[SEGMENT ENDE]");
        }
        w.Zeile("[FLAECHE ENDE]");
    }
    w.Zeile("[FLUGZEUG ENDE]");
    w.Zeile("");
    w.Zeile("[SCHALTER]");
    SchalterSchluessel(w, s);
    w.Zeile("[SCHALTER ENDE]");
    w.Zeile("");
    w.Zeile("[EINSTELLUNGEN]");
    EinstellungenSchluessel(w, s);
    w.Zeile("[EINSTELLUNGEN ENDE]");
    return zeilen;
}

// ---------------------------------------------------------------------------------------------
// Reading.

// Splits a value into the blank-separated numbers of one line; a different count is no number.
std::vector<std::string_view> Teile(std::string_view wert, std::size_t anzahl)
{
    std::vector<std::string_view> teile;
    std::size_t i = 0;
    while (i < wert.size()) {
        while (i < wert.size() && (wert[i] == ' ' || wert[i] == '\t')) ++i;
        if (i == wert.size()) break;
        const std::size_t anfang = i;
        while (i < wert.size() && wert[i] != ' ' && wert[i] != '\t') ++i;
        teile.push_back(wert.substr(anfang, i - anfang));
    }
    if (teile.size() != anzahl) {
        const std::string erwartet = anzahl == 1 ? Sprachwahl("eine Zahl", "a number")
                                                  : std::to_string(anzahl) + Sprachwahl(" Zahlen, durch Leerzeichen getrennt", " numbers, separated by blanks");
        throw EKonvertierung(std::string(wert), erwartet);
    }
    return teile;
}

void Lese(std::string_view text, Extended& ziel) { ziel = TextToReal(text); }
void Lese(std::string_view text, int& ziel) { ziel = TextToInt(text); }

template <class... W>
void LeseWerte(std::string_view wert, W&... ziele)
{
    const auto teile = Teile(wert, sizeof...(W));
    std::size_t i = 0;
    (Lese(teile[i++], ziele), ...);
}

// Tests one line against the keys of its block; the first key the line starts with takes it.
class TZeilenleser {
public:
    explicit TZeilenleser(std::string_view zeile) : zeile_(zeile) {}

    std::string_view Schluessel() const { return schluessel_; }

    void Text(std::string_view k, std::string& ziel)
    {
        if (Trifft(k)) ziel = std::string(wert_);
    }

    // Most booleans look at the first four characters only.
    void Wahr(std::string_view k, bool& ziel)
    {
        if (Trifft(k)) ziel = wert_.substr(0, 4) == "TRUE";
    }

    void WahrGenau(std::string_view k, bool& ziel)
    {
        if (Trifft(k)) ziel = wert_ == "TRUE";
    }

    // The design targets come from input fields that may hold anything: no number reads as 0.
    void Zielwert(std::string_view k, Extended& ziel)
    {
        if (!Trifft(k)) return;
        try {
            LeseWerte(wert_, ziel);
        } catch (const EKonvertierung&) {
            ziel = 0.0L;
        }
    }

    void Profiltiefe(std::string_view k, Extended& ziel)
    {
        if (!Trifft(k)) return;
        Extended wert = 0.0L;
        LeseWerte(wert_, wert);
        if (!WertZulaessig(TEingabefeld::Frei, wert)) throw EKonvertierung(std::string(wert_), Wertebereich(TEingabefeld::Frei));
        ziel = wert < KleinsteProfiltiefe ? KleinsteProfiltiefe : wert;
    }

    /// Values of an input field: read into temporaries and stored only when every one lies inside
    /// the field's limits, so a damaged file never hands the geometry a value no field would take.
    template <class... W>
    void Feld(std::string_view k, TEingabefeld feld, W&... ziele)
    {
        if (!Trifft(k)) return;
        std::tuple<W...> werte;
        std::apply([&](auto&... w) { LeseWerte(wert_, w...); }, werte);
        std::apply([&](const auto&... w) {
            if (!(WertZulaessig(feld, static_cast<Extended>(w)) && ...))
                throw EKonvertierung(std::string(wert_), Wertebereich(feld));
        }, werte);
        std::tie(ziele...) = werte;
    }

    template <class... W>
    void Werte(std::string_view k, W&... ziele)
    {
        if (Trifft(k)) LeseWerte(wert_, ziele...);
    }

    // An unknown word (also one in lower case) leaves the field as it is.
    void Art(std::string_view k, TFlaechenArt& ziel)
    {
        if (!Trifft(k)) return;
        for (const auto& a : ArtWoerter)
            if (a.Wort == wert_) ziel = a.Art;
    }

    void Verteilung(std::string_view k, TVerteilung& ziel)
    {
        if (!Trifft(k)) return;
        for (const auto& a : VerteilungWoerter)
            if (a.Wort == wert_) ziel = a.Verteilung;
    }

    template <class Z, std::size_t N>
    void Zeilen(std::string_view wort, std::array<Z, N>& zeilen)
    {
        const int n = Zeilennummer(wort, N);
        if (n >= 0) std::apply([&](auto&... w) { LeseWerte(wert_, w...); }, Felder(zeilen[n]));
    }

    void Beschreibungen(std::string_view wort, std::array<std::string, AnzahlKlappengruppen>& texte)
    {
        const int n = Zeilennummer(wort, texte.size());
        if (n >= 0) texte[n] = std::string(wert_);
    }

private:
    bool Trifft(std::string_view k)
    {
        if (!schluessel_.empty() || !zeile_.starts_with(k)) return false;
        schluessel_ = k;
        wert_ = zeile_.substr(k.size());
        return true;
    }

    // The row number between the key word and the first "="; -1 when the line is not of this key
    // or the row lies outside the table (such a line is left unused).
    int Zeilennummer(std::string_view wort, std::size_t zeilen)
    {
        if (!schluessel_.empty() || !zeile_.starts_with(wort)) return -1;
        const std::size_t gleich = zeile_.find('=');
        if (gleich == std::string_view::npos) return -1;
        schluessel_ = zeile_.substr(0, gleich + 1);
        wert_ = zeile_.substr(gleich + 1);
        const int n = TextToInt(zeile_.substr(wort.size(), gleich - wort.size()));
        return n >= 0 && static_cast<std::size_t>(n) < zeilen ? n : -1;
    }

    std::string_view zeile_;
    std::string_view schluessel_;
    std::string_view wert_;
};

// A line as it may be shown in a message: control bytes of a damaged file made visible, long
// lines cut.
std::string Zeigbar(std::string_view zeile)
{
    constexpr std::size_t Hoechstens = 80;
    std::string t;
    for (const char c : zeile.substr(0, Hoechstens)) t += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (zeile.size() > Hoechstens) t += "...";
    return t;
}

// A line in its plain form: leading blanks, blanks before the first "=" and blanks after a block
// marker removed, so hand-edited lines ("PROFILTIEFE = 0.2", indented keys, "[FLAECHE ENDE] ")
// read as the program's own.
std::string Schlicht(std::string_view zeile)
{
    constexpr std::string_view Leer = " \t";
    const auto trimmen = [&](std::string_view t) {
        const std::size_t a = t.find_first_not_of(Leer);
        if (a == std::string_view::npos) return std::string_view{};
        return t.substr(a, t.find_last_not_of(Leer) - a + 1);
    };
    const std::size_t anfang = zeile.find_first_not_of(Leer);
    if (anfang == std::string_view::npos) return {};
    zeile.remove_prefix(anfang);
    if (zeile.starts_with('[')) return std::string(trimmen(zeile));
    // The value keeps its blanks: a name may carry them, and numbers are split on blanks anyway.
    const std::size_t gleich = zeile.find('=');
    if (gleich == std::string_view::npos) return std::string(zeile);
    return std::string(trimmen(zeile.substr(0, gleich))) + std::string(zeile.substr(gleich));
}

// The markers that open or end one of the scene's blocks.
bool Blockmarke(std::string_view zeile)
{
    for (const std::string_view b : {"[FLUGZEUG", "[FLAECHE", "[SEGMENT", "[PROFIL", "[SCHALTER", "[EINSTELLUNGEN"})
        if (zeile.starts_with(b)) return true;
    return false;
}

class TSzenenleser {
public:
    TSzenenleser(const std::filesystem::path& datei, const std::vector<std::string>& zeilen, const TSzenenAufbau& aufbau)
        : datei_(datei.string()), zeilen_(zeilen), aufbau_(aufbau)
    {
    }

    void Lesen(TFLUGZEUG& flugzeug, TSchalter& schalter)
    {
        bool flugzeugGelesen = false;
        while (i_ < zeilen_.size()) {
            const std::string z = Schlicht(zeilen_[i_++]);
            if (z.starts_with("[FLUGZEUG")) {
                LeseFlugzeug(flugzeug, schalter);
                flugzeugGelesen = true;
            } else if (z.starts_with("[SCHALTER")) {
                // Applied only when the block is complete: a broken block leaves the switches alone.
                TSchalter neu = schalter;
                Block("[SCHALTER ENDE]", {}, [&](const std::string& zeile) { Schluesselzeile(zeile, [&](auto& v) { SchalterSchluessel(v, neu); }); });
                schalter = neu;
            } else if (z.starts_with("[EINSTELLUNGEN")) {
                TSchalter neu = schalter;
                Block("[EINSTELLUNGEN ENDE]", {}, [&](const std::string& zeile) { Schluesselzeile(zeile, [&](auto& v) { EinstellungenSchluessel(v, neu); }); });
                schalter.Splitterposition = neu.Splitterposition;
            }
        }
        if (!flugzeugGelesen) throw EDatei(datei_, 0, "", Sprachwahl("eine Velion-Flugzeugszene mit einem Block [FLUGZEUG]", "a Velion aircraft scene with a block [FLUGZEUG]"));
    }

private:
    // Hands every line of the block just opened to `zeile`, in its plain form, up to its end
    // marker. A file that ends first, or a block marker that does not belong here (another
    // block's opening or end while this one is still open), is an error naming both lines:
    // reading on would merge two blocks into one.
    template <class Fn>
    void Block(std::string_view ende, std::initializer_list<std::string_view> unterbloecke, Fn&& zeile)
    {
        Block(i_ - 1, ende, unterbloecke, zeile);
    }

    /// The same for a block whose opening line `kopf` lies further back than the last line read.
    template <class Fn>
    void Block(std::size_t kopf, std::string_view ende, std::initializer_list<std::string_view> unterbloecke, Fn&& zeile)
    {
        const auto offen = [&] {
            return Sprachwahl("die Endmarke \"", "the end mark \"") + std::string(ende) + Sprachwahl("\" des Blocks aus Zeile ", "\" of the block from line ") +
                   std::to_string(kopf + 1);
        };
        while (true) {
            if (i_ >= zeilen_.size())
                throw EDatei(datei_, static_cast<int>(kopf + 1), Zeigbar(zeilen_[kopf]),
                             Sprachwahl("die Endmarke \"", "the end mark \"") + std::string(ende) +
                                 Sprachwahl("\" des Blocks vor dem Dateiende", "\" of the block before the end of the file"));
            const std::string z = Schlicht(zeilen_[i_++]);
            if (z == ende) return;
            if (Blockmarke(z) && std::none_of(unterbloecke.begin(), unterbloecke.end(), [&](std::string_view u) { return z.starts_with(u); }))
                throw EDatei(datei_, static_cast<int>(i_), Zeigbar(z), offen() + Sprachwahl(" vor dieser Zeile", " before this line"));
            zeile(z);
        }
    }

    // Runs the block's key list over one line; a value that is no number ends the reading with
    // the line, its number and what the key expects.
    template <class Schluesselliste>
    void Schluesselzeile(const std::string& zeile, Schluesselliste&& liste)
    {
        TZeilenleser leser(zeile);
        try {
            liste(leser);
        } catch (const EKonvertierung& e) {
            const std::string schluessel = "\"" + std::string(leser.Schluessel()) + "\"";
            throw EDatei(datei_, static_cast<int>(i_), Zeigbar(zeile),
                         DeutscheMeldungen() ? "nach " + schluessel + " " + e.Erwartet() : e.Erwartet() + " after " + schluessel);
        }
    }

    void LeseFlugzeug(TFLUGZEUG& f, TSchalter& s)
    {
        Block("[FLUGZEUG ENDE]", {"[FLAECHE"}, [&](const std::string& z) {
            if (z.starts_with("[FLAECHE")) {
                auto flaeche = LeseFlaeche();
                if (aufbau_.FlaecheBauen) aufbau_.FlaecheBauen(*flaeche);
                f.Flaechen.Add(std::move(flaeche));
            } else {
                Schluesselzeile(z, [&](auto& v) { FlugzeugSchluessel(v, f, s); });
            }
        });
    }

    std::unique_ptr<TFLAECHE> LeseFlaeche()
    {
        auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
        const std::size_t kopf = i_ - 1;
        f->Profiltiefe = KeineProfiltiefe;
        Block("[FLAECHE ENDE]", {"[SEGMENT", "[PROFIL]"}, [&](const std::string& z) {
            if (z.starts_with("[SEGMENT"))
                f->Segmente.Add(LeseSegment());
            else if (z.starts_with("[PROFIL]"))
                LeseProfil(*f->Wurzelprofil);
            else
                Schluesselzeile(z, [&](auto& v) { FlaecheSchluessel(v, *f); });
        });
        ProfiltiefeGesetzt(kopf, f->Profiltiefe);
        return f;
    }

    std::unique_ptr<TSEGMENT> LeseSegment()
    {
        auto s = std::make_unique<TSEGMENT>();
        const std::size_t kopf = i_ - 1;
        s->Profiltiefe = KeineProfiltiefe;
        Block("[SEGMENT ENDE]", {"[PROFIL]"}, [&](const std::string& z) {
            if (z.starts_with("[PROFIL]"))
                LeseProfil(*s->Segmentprofil);
            else
                Schluesselzeile(z, [&](auto& v) { SegmentSchluessel(v, *s); });
        });
        ProfiltiefeGesetzt(kopf, s->Profiltiefe);
        return s;
    }

    /// A surface or segment needs its chord: without a "PROFILTIEFE=" line it would silently be
    /// built with none, and a run would give a plausible but wrong lift.
    void ProfiltiefeGesetzt(std::size_t kopf, Extended profiltiefe) const
    {
        if (std::isnan(profiltiefe))
            throw EDatei(datei_, static_cast<int>(kopf + 1), Zeigbar(zeilen_[kopf]),
                         Sprachwahl("eine Zeile \"PROFILTIEFE=\" mit der Profiltiefe in diesem Block",
                                    "a line \"PROFILTIEFE=\" with the chord in this block"));
    }

    // A second profile block replaces the first rather than extending it.
    void LeseProfil(TProfil& p)
    {
        p.ClearPunkte();
        p.Dateiname.clear();
        const std::size_t kopf = i_ - 1;
        if (i_ < zeilen_.size() && zeilen_[i_].starts_with("PROFILDATEINAME=")) p.Dateiname = zeilen_[i_++].substr(16);
        Block(kopf, "[PROFIL ENDE]", {}, [&](const std::string& z) {
            if (!z.starts_with("PK")) return;
            if (p.Anzahl() >= TProfil::MaxPunkte)
                throw EDatei(datei_, static_cast<int>(i_), Zeigbar(z),
                             Sprachwahl("höchstens ", "at most ") + std::to_string(TProfil::MaxPunkte) + Sprachwahl(" Punkte je Profil", " points per profile"));
            TKoordinate k;
            const std::size_t gleich = z.find('=');
            try {
                if (gleich == std::string::npos) throw EKonvertierung(z, "PKn=x z");
                LeseWerte(std::string_view(z).substr(gleich + 1), k.X, k.Z);
            } catch (const EKonvertierung& e) {
                throw EDatei(datei_, static_cast<int>(i_), Zeigbar(z), Sprachwahl("ein Profilpunkt \"PKn=x z\": ", "a profile point \"PKn=x z\": ") + e.Erwartet());
            }
            p.AddPunkt(k);
        });
    }

    std::string datei_;
    const std::vector<std::string>& zeilen_;
    const TSzenenAufbau& aufbau_;
    std::size_t i_ = 0;
};

}  // namespace

void WriteScene(const std::filesystem::path& datei, const TSZENE& szene, const TSchalter& schalter)
{
    const TFLUGZEUG ohne;
    SchreibeTextzeilen(datei, Szenenzeilen(szene.Flugzeug ? *szene.Flugzeug : ohne, schalter));
}

void ReadScene(const std::filesystem::path& datei, TSZENE& szene, TSchalter& schalter, const TSzenenAufbau& aufbau)
{
    const std::vector<std::string> zeilen = LeseTextzeilen(datei);
    if (!szene.Flugzeug) szene.Flugzeug = std::make_unique<TFLUGZEUG>();
    TSzenenleser(datei, zeilen, aufbau).Lesen(*szene.Flugzeug, schalter);
    if (aufbau.GitterAufbauen) aufbau.GitterAufbauen(*szene.Flugzeug);
}

std::string SzenennameAusDatei(const std::filesystem::path& datei) { return datei.stem().string(); }

std::unique_ptr<TSZENE> SzeneLaden(const std::filesystem::path& datei, TSchalter& schalter, const TSzenenAufbau& aufbau)
{
    auto szene = std::make_unique<TSZENE>();
    szene->Flugzeug = std::make_unique<TFLUGZEUG>();
    szene->Name = SzenennameAusDatei(datei);
    ReadScene(datei, *szene, schalter, aufbau);
    return szene;
}
