// Text of the results pages and the result file.
#include "results/Werteausgabe.h"

#include <cmath>
#include <initializer_list>

#include "common/Dateiendung.h"
#include "common/Host.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "evaluation/Nachlaufnaehe.h"
#include "results/Ergebnisfelder.h"
#include "model/TErgebnis.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"

namespace {

/// Builds the lines of one page: labels from the output texts, values only where allowed.
class TSeite {
public:
    TSeite(const THost& host, char trennzeichen, bool gueltig) : host_(host), trenner_(trennzeichen), gueltig_(gueltig) {}

    std::string Zahl(Extended wert) const { return RealToText(wert, 0, 5, trenner_); }

    void Leer() { zeilen_.emplace_back(); }
    void Ueberschrift(int text) { zeilen_.push_back(host_.Ausgabetext(text)); }

    /// Output text, " = " and the value text; the value only for input values or valid results.
    void Text(int text, const std::string& wert, bool nurMitErgebnis)
    {
        std::string zeile = host_.Ausgabetext(text) + " = ";
        if (!nurMitErgebnis || gueltig_) zeile += wert;
        zeilen_.push_back(std::move(zeile));
    }
    void Wert(int text, Extended wert, const char* einheit, bool nurMitErgebnis)
    {
        Text(text, Zahl(wert) + einheit, nurMitErgebnis);
    }
    void Ergebnis(int text, Extended wert, const char* einheit = "") { Wert(text, wert, einheit, true); }
    void Eingabe(int text, Extended wert, const char* einheit = "") { Wert(text, wert, einheit, false); }

    void Zeile(std::string zeile) { zeilen_.push_back(std::move(zeile)); }
    bool Gueltig() const { return gueltig_; }
    const THost& Host() const { return host_; }
    char Trenner() const { return trenner_; }
    std::vector<std::string> Zeilen() { return std::move(zeilen_); }

private:
    const THost& host_;
    char trenner_;
    bool gueltig_;
    std::vector<std::string> zeilen_;
};

/// One cell of the strip table: the first 8 characters of the value text.
std::string Zelle(Extended wert, int dezimalen, char trenner) { return RealToText(wert, 8, dezimalen, trenner); }

Extended Slotwert(const TFLAECHE& flaeche, int streifen, int slot)
{
    const TErgebnis* e = flaeche.Ergebnisraster.Get(streifen, slot);
    return e ? e->Wert : 0.0L;
}

std::string Streifenzeile(const TFLAECHE& flaeche, int streifen, bool gueltig, char trenner)
{
    std::string zeile = std::to_string(streifen) + ") ";
    if (!gueltig) return zeile;
    struct TSpalte {
        int slot;
        int dezimalen;
    };
    static constexpr TSpalte spalten[] = {
        {SlotGamma, 5}, {SlotCa, 5},        {SlotCwi, 5},        {SlotAi, 5},         {SlotRe, 0},
        {SlotStreifentiefe, 5}, {SlotStreifenbreite, 5}, {SlotSegmentnummer, -1}, {SlotCaMin, 5}, {SlotCaMax, 5},
        {SlotAbrissOben, 0}, {SlotAbrissUnten, 0}, {SlotCwv, 5}, {SlotBlaseOben, 0}, {SlotBlaseUnten, 0},
    };
    for (const TSpalte& s : spalten) {
        const Extended wert = Slotwert(flaeche, streifen, s.slot);
        zeile += '\t';
        if (s.dezimalen < 0) {
            // The segment index is an integral value kept as a real.
            zeile += Zelle(std::nearbyint(wert), 0, trenner);
        } else {
            zeile += Zelle(wert, s.dezimalen, trenner);
        }
    }
    return zeile;
}

}  // namespace

std::string Einsetzen(std::string text, std::initializer_list<std::string> woerter)
{
    int nummer = 1;
    for (const std::string& wort : woerter) {
        const std::string marke = "%" + std::to_string(nummer++);
        const auto stelle = text.find(marke);
        if (stelle != std::string::npos) text.replace(stelle, marke.size(), wort);
    }
    return text;
}

std::string Seitentitel(const TFLUGZEUG& flugzeug, int seite, const THost& host)
{
    if (seite == 0) return host.Ausgabetext(3);
    const TFLAECHE* flaeche = flugzeug.Flaechen.Get(seite - 1);
    return std::to_string(seite - 1) + ") " + (flaeche ? flaeche->Bezeichnung : std::string());
}

void FlugzeugseiteVorbereiten(TFLUGZEUG& f, const THost& host)
{
    if (!host.Flags.ErgebnisseGueltig) {
        GesamtmasseBerechnen(f);
        Gesamtbezugswerte(f);
    }
    // An aircraft without horizontal area (a fin alone) carries no wing loading.
    f.Flaechenbelastung = f.FlaecheHorizontalGesamt != 0.0L ? f.Gesamtmasse / f.FlaecheHorizontalGesamt : 0.0L;
}

std::vector<std::string> FlugzeugText(TFLUGZEUG& f, const THost& host, char trennzeichen)
{
    FlugzeugseiteVorbereiten(f, host);
    TSeite s(host, trennzeichen, host.Flags.ErgebnisseGueltig);
    s.Text(5, f.Konstrukteur, false);
    s.Text(6, f.Bezeichnung, false);
    s.Leer();
    s.Eingabe(12, f.Anstellwinkel, "°");
    s.Eingabe(13, f.Schiebewinkel, "°");
    s.Eingabe(10, f.Gesamtmasse, "kg");
    s.Leer();
    s.Eingabe(44, f.FlaecheWahrGesamt, "m^2");
    s.Eingabe(7, f.FlaecheHorizontalGesamt, "m^2");
    s.Eingabe(45, f.FlaecheSeitlichGesamt, "m^2");
    s.Eingabe(9, f.Bezugstiefe, "m");
    s.Leer();
    s.Text(231, s.Zahl(f.Flaechenbelastung) + "kg/m^2 = " + s.Zahl(f.Flaechenbelastung * 10.0L) + "g/dm^2", false);
    s.Eingabe(238, f.Luftdichte, "kg/m^3");
    s.Leer();
    for (const TFlugzeugergebnis& e : Flugzeugergebnisse()) {
        if (e.Abschnitt != 0) s.Leer();
        if (e.Abschnitt > 0) s.Ueberschrift(e.Abschnitt);
        const Extended wert = e.Wert(f);
        switch (e.Form) {
        case TSeitenform::Zahl: s.Ergebnis(e.Text, wert, e.Seiteneinheit); break;
        case TSeitenform::MitKmh:
            s.Text(e.Text, s.Zahl(wert) + e.Seiteneinheit + " = " + s.Zahl(wert * 3.6L) + "km/h", true);
            break;
        case TSeitenform::MitAbstand:
            s.Text(e.Text,
                   s.Zahl(wert) + e.Seiteneinheit + " = " + s.Zahl(f.Neutralpunkt - f.SchwerpunktX) + "m" +
                       host.Ausgabetext(47),
                   true);
            break;
        }
    }
    const TRobusterNeutralpunkt& r = f.NeutralpunktRobust;
    if (r.Gueltig) {
        // After all other values, so that every line before keeps its place.
        s.Leer();
        s.Ergebnis(350, r.Neutralpunkt, "m");
        s.Text(351,
               s.Zahl(r.Stabilitaetsmass) + "% = " + s.Zahl(r.Neutralpunkt - f.SchwerpunktX) + "m" + host.Ausgabetext(47),
               true);
        if (s.Gueltig())
            for (std::string& zeile : NeutralpunktWarnung(f, host, trennzeichen)) s.Zeile(std::move(zeile));
    }
    return s.Zeilen();
}

std::vector<std::string> NeutralpunktWarnung(const TFLUGZEUG& f, const THost& host, char trennzeichen)
{
    std::vector<std::string> zeilen;
    if (!NeutralpunktWeichtAb(f)) return zeilen;
    const TRobusterNeutralpunkt& r = f.NeutralpunktRobust;
    const Extended prozent = std::fabs(r.Neutralpunkt - f.Neutralpunkt) / f.Bezugstiefe * 100.0L;
    zeilen.push_back(Einsetzen(host.Ausgabetext(352), {RealToText(prozent, 0, 1, trennzeichen)}));
    const TNachlaufnaehe& n = r.Naehe;
    if (n.Nachlaufflaeche >= 0)
        zeilen.push_back(Einsetzen(host.Ausgabetext(353), {Seitentitel(f, n.Nachlaufflaeche + 1, host),
                                                           RealToText(n.Abstand * 1000.0L, 0, 1, trennzeichen),
                                                           Seitentitel(f, n.Flaeche + 1, host)}));
    return zeilen;
}

std::vector<std::string> FlaechenText(const TFLAECHE& fl, const THost& host, char trennzeichen)
{
    const bool gueltig = host.Flags.ErgebnisseGueltig;
    TSeite s(host, trennzeichen, gueltig);
    s.Text(25, fl.Bezeichnung, false);
    s.Leer();
    s.Eingabe(35, fl.FlaecheWahr, "m^2");
    s.Eingabe(26, fl.FlaecheHorizontal, "m^2");
    s.Eingabe(33, fl.FlaecheSeitlich, "m^2");
    s.Eingabe(39, fl.Spannweite, "m");
    s.Eingabe(40, fl.Streckung);
    s.Eingabe(27, fl.Bezugstiefe, "m");
    s.Leer();
    for (const TFlaechenergebnis& e : Flaechenergebnisse()) s.Ergebnis(e.Text, e.Wert(fl));
    s.Leer();
    s.Ueberschrift(28);
    s.Leer();

    std::string kopf;
    for (int text : {101, 102, 103, 104, 107, 108}) kopf += host.Ausgabetext(text) + '\t';
    kopf += host.Ausgabetext(29) + "[m]\t" + host.Ausgabetext(30) + "[m]";
    for (int text : {48, 109, 110, 111, 112, 113, 114, 115}) kopf += '\t' + host.Ausgabetext(text);
    s.Zeile(kopf);
    for (int streifen = 0; streifen < fl.Panelraster.RowCount(); ++streifen)
        s.Zeile(Streifenzeile(fl, streifen, gueltig, trennzeichen));
    return s.Zeilen();
}

std::filesystem::path ErgebnisdateiName(const std::filesystem::path& gewaehlt)
{
    return DateinameMitEndung(gewaehlt, ".VelOut");
}

std::filesystem::path ErgebnisdateiSpeichern(TFLUGZEUG& f, const THost& host, const std::filesystem::path& gewaehlt,
                                             char trennzeichen)
{
    if (!host.Flags.ErgebnisseGueltig) return {};
    std::vector<std::string> zeilen;
    const auto anhaengen = [&zeilen](const std::string& kopf, std::vector<std::string> text, const std::string& ende) {
        zeilen.push_back(kopf);
        for (std::string& z : text) zeilen.push_back(std::move(z));
        zeilen.push_back(ende);
        zeilen.emplace_back();
    };
    anhaengen("[GESAMTES FLUGZEUG]", FlugzeugText(f, host, trennzeichen), "[GESAMTES FLUGZEUG ENDE]");
    for (int i = 0; i < f.Flaechen.Count(); ++i)
        anhaengen("[FLAECHE " + std::to_string(i + 1) + "]", FlaechenText(*f.Flaechen.Get(i), host, trennzeichen),
                  "[FLAECHE ENDE]");
    const std::filesystem::path datei = ErgebnisdateiName(gewaehlt);
    SchreibeTextzeilen(datei, zeilen);
    return datei;
}
