// Reading and writing the polar files.
#include "results/Polardatei.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "results/Polarliste.h"

namespace {

constexpr int FehlerCsvSpeichern = 47;

bool Beginnt(std::string_view zeile, std::string_view anfang) { return zeile.substr(0, anfang.size()) == anfang; }

/// The kind of group a section header starts, 0 for any other line.
int ArtAusKopf(std::string_view zeile)
{
    for (int art : {PolarartKlappen, PolarartEwd, PolarartAnstellwinkel})
        if (Beginnt(zeile, PolarartKopf(art))) return art;
    return PolarartUnbekannt;
}

int FixAusText(std::string_view text)
{
    for (int fix : {FixAnstellwinkel, FixSchwerpunkt, FixCa})
        if (Beginnt(text, PolarfixText(fix))) return fix;
    return FixKeiner;
}

/// A series row's number and text from "number text": the number is made of the digits and minus
/// signs before the first blank (trailing minus signs dropped, 0 when nothing is left); the text is
/// what follows the first blank. Only the first word counts, so a description with digits in it
/// ("Leitwerk 2") cannot change the number.
void GruppeLesen(std::string_view wert, int& nummer, std::string& text)
{
    const std::size_t blank = wert.find(' ');
    text = blank == std::string_view::npos ? std::string() : std::string(wert.substr(blank + 1));
    std::string ziffern;
    for (char c : wert.substr(0, blank))
        if ((c >= '0' && c <= '9') || c == '-') ziffern += c;
    while (!ziffern.empty() && ziffern.back() == '-') ziffern.pop_back();
    nummer = ziffern.empty() ? 0 : TextToInt(ziffern);
}

std::string Einstellig(double prozent, char trennzeichen) { return RealToText(prozent, 8, 1, trennzeichen); }

/// The old table's plain-language info turned into the info codes, in the order the words stand.
/// Besides the old "Flügel 0, Ablösungen ..." it takes the words the polar table writes today
/// ("Flügel 0 Ablösungen ...", "Instabil"), so a table copied from the polar window reads back whole.
std::string AlteInfoUmsetzen(std::string_view text, char trennzeichen)
{
    static constexpr std::string_view Fehlberechnung = "Fehlberechnung!";
    static constexpr std::string_view Instabil = "Instabil";
    static constexpr std::string_view Fluegel = "Flügel ";
    static constexpr std::string_view Rueckenflug = "Nur im Rückenflug!";
    static constexpr std::string_view Unten = "Ablösungen unten";
    static constexpr std::string_view Oben = "Ablösungen oben";
    std::string codes;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t fb = text.find(Fehlberechnung, pos);
        const std::size_t fl = text.find(Fluegel, pos);
        const std::size_t nrf = text.find(Rueckenflug, pos);
        const std::size_t isf = text.find(Instabil, pos);
        const std::size_t naechste = std::min({fb, fl, nrf, isf});
        if (naechste == std::string_view::npos) return codes;
        if (naechste == isf) {
            codes += "ISF ";
            pos = isf + Instabil.size();
        } else if (naechste == fb) {
            codes += "FB ";
            pos = fb + Fehlberechnung.size();
        } else if (naechste == nrf) {
            codes += "NRF ";
            pos = nrf + Rueckenflug.size();
        } else {
            pos = fl + Fluegel.size();
            std::size_t ende = pos;
            while (ende < text.size() && std::isdigit(static_cast<unsigned char>(text[ende]))) ++ende;
            if (ende == pos || ende >= text.size() || (text[ende] != ',' && text[ende] != ' ')) continue;
            codes += "FL" + std::string(text.substr(pos, ende - pos)) + " ";
            pos = ende + 1;
            const std::size_t prozent = text.find('%', pos);
            const std::string_view abschnitt = text.substr(pos, prozent == std::string_view::npos ? std::string_view::npos : prozent - pos);
            for (const auto& [wort, code] : {std::pair{Unten, "ABU"}, std::pair{Oben, "ABO"}}) {
                const std::size_t w = abschnitt.find(wort);
                if (w == std::string_view::npos) continue;
                const double p = static_cast<double>(TextToReal(abschnitt.substr(w + wort.size())));
                codes += code + Einstellig(p, trennzeichen) + " ";
                break;
            }
            if (prozent != std::string_view::npos) pos = prozent + 1;
        }
    }
}

/// Splits a line at its tabs.
std::vector<std::string_view> Spalten(std::string_view zeile)
{
    std::vector<std::string_view> spalten;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        spalten.push_back(zeile.substr(anfang, tab == std::string_view::npos ? std::string_view::npos : tab - anfang));
        if (tab == std::string_view::npos) return spalten;
        anfang = tab + 1;
    }
}

/// One row of the old table: 14 numbers, the neutral point and the drag when the heading named
/// them, then the info. A missing number column counts as a text that is no number.
TPolarzeile AlteZeileLesen(std::string_view zeile, bool neutralpunkt, bool widerstand, char trennzeichen)
{
    const std::vector<std::string_view> spalten = Spalten(zeile);
    std::size_t s = 0;
    const auto zahl = [&]() { return static_cast<double>(TextToReal(s < spalten.size() ? spalten[s++] : std::string_view())); };
    TPolarzeile z;
    for (int i = 0; i < 14; ++i) Polarwert(z, i) = zahl();
    if (neutralpunkt) z.Neutralpunkt = zahl();
    if (widerstand) z.Widerstand = zahl();
    if (s < spalten.size()) z.Info = AlteInfoUmsetzen(spalten[s], trennzeichen);
    return z;
}

}  // namespace

std::string AchtStellen(long double wert, int dezimalen, char trennzeichen)
{
    std::string text = RealToText(wert, 0, dezimalen, trennzeichen);
    const std::size_t ganzteil = text.find(trennzeichen);
    const std::size_t breite = std::max<std::size_t>(8, ganzteil == std::string::npos ? text.size() : ganzteil);
    if (text.size() > breite) text.resize(breite);
    return text;
}

std::vector<std::string> PolarenSchreiben(const TPolarliste& liste, char trennzeichen)
{
    std::vector<std::string> zeilen;
    for (const auto& g : liste) {
        if (g->Art != PolarartUnbekannt) zeilen.emplace_back(PolarartKopf(g->Art));
        zeilen.push_back("FLUGSZENE=" + g->Flugszene);
        if (g->Fix != FixKeiner) zeilen.push_back(std::string("FIX=") + PolarfixText(g->Fix));
        zeilen.push_back("BEMERKUNG=" + g->Bemerkung);
        for (int k = 0; k < 4; ++k)
            zeilen.push_back("GRUPPE" + std::to_string(k + 1) + "=" + std::to_string(g->Gruppe[k]) + " " + g->Gruppentext[k]);
        zeilen.emplace_back();
        for (const TPolarzeile& z : g->Zeilen) {
            zeilen.emplace_back("[ZEILE]");
            for (int i = 0; i < PolarwertAnzahl; ++i)
                zeilen.push_back(std::string(PolarwertSchluessel(i)) + "=" + Polarzahl(Polarwert(z, i), trennzeichen));
            zeilen.push_back("INFO=" + z.Info);
            zeilen.emplace_back("[ZEILE_ENDE]");
            zeilen.emplace_back();
        }
        zeilen.emplace_back("[POLAR_ENDE]");
        zeilen.emplace_back();
    }
    return zeilen;
}

TPolarlesung PolarenLesen(TPolarliste& liste, const std::vector<std::string>& zeilen)
{
    TPolarlesung lesung;
    std::unique_ptr<TPolargruppe> gruppe;
    std::unique_ptr<TPolarzeile> zeile;
    const auto zeileAnhaengen = [&] {
        if (zeile) gruppe->Zeilen.push_back(*zeile);
        zeile.reset();
    };
    const auto gruppeAnhaengen = [&] {
        zeileAnhaengen();
        liste.GruppeHinzufuegen(std::move(gruppe));
        ++lesung.Gruppen;
    };
    for (std::size_t n = 0; n < zeilen.size(); ++n) {
        const std::string_view z = zeilen[n];
        const std::string_view wert = z.substr(std::min(z.size(), z.find('=') + 1));
        try {
            if (!gruppe) {
                if (const int art = ArtAusKopf(z)) {
                    gruppe = std::make_unique<TPolargruppe>();
                    gruppe->Art = art;
                }
            } else if (Beginnt(z, "[POLAR_ENDE]")) {
                gruppeAnhaengen();
            } else if (zeile) {
                if (Beginnt(z, "[ZEILE_ENDE]")) {
                    zeileAnhaengen();
                } else if (Beginnt(z, "INFO=")) {
                    zeile->Info = wert;
                } else {
                    for (int i = 0; i < PolarwertAnzahl; ++i)
                        if (Beginnt(z, std::string(PolarwertSchluessel(i)) + "=")) {
                            Polarwert(*zeile, i) = static_cast<double>(TextToReal(wert));
                            break;
                        }
                }
            } else if (Beginnt(z, "[ZEILE]")) {
                zeile = std::make_unique<TPolarzeile>();
            } else if (Beginnt(z, "FLUGSZENE=")) {
                gruppe->Flugszene = wert;
            } else if (Beginnt(z, "BEMERKUNG=")) {
                gruppe->Bemerkung = wert;
            } else if (Beginnt(z, "FIX=")) {
                gruppe->Fix = FixAusText(wert);
            } else {
                for (int k = 0; k < 4; ++k)
                    if (Beginnt(z, "GRUPPE" + std::to_string(k + 1) + "="))
                        GruppeLesen(wert, gruppe->Gruppe[k], gruppe->Gruppentext[k]);
            }
        } catch (const EKonvertierung&) {
            lesung.Fehlerzeile = static_cast<int>(n) + 1;
            lesung.Fehlerinhalt = zeilen[n];
            return lesung;
        }
    }
    if (gruppe) gruppeAnhaengen();
    return lesung;
}

TPolarlesung AltePolarenLesen(TPolarliste& liste, const std::vector<std::string>& zeilen, char trennzeichen)
{
    TPolarlesung lesung;
    std::size_t n = 0;
    const auto naechste = [&]() -> std::string_view { return n < zeilen.size() ? std::string_view(zeilen[n++]) : std::string_view(); };
    while (n < zeilen.size()) {
        const int art = ArtAusKopf(zeilen[n++]);
        if (art == PolarartUnbekannt) continue;
        auto gruppe = std::make_unique<TPolargruppe>();
        gruppe->Art = art;
        try {
            std::string_view z = naechste();
            if (Beginnt(z, "FLUGSZENE=")) gruppe->Flugszene = z.substr(10);
            // A series without fix mode has no fix line in the table the polar window writes.
            z = naechste();
            if (!Beginnt(z, "BEMERKUNG=")) {
                gruppe->Fix = FixAusText(z);
                z = naechste();
            }
            if (Beginnt(z, "BEMERKUNG=")) gruppe->Bemerkung = z.substr(10);
            for (int k = 0; k < 4; ++k) {
                z = naechste();
                if (z == "n.u.") {
                    gruppe->Gruppe[k] = 0;
                    gruppe->Gruppentext[k] = "n.u.";
                } else {
                    GruppeLesen(z, gruppe->Gruppe[k], gruppe->Gruppentext[k]);
                }
            }
            naechste();
            const std::string_view kopf = naechste();
            const bool mitZeilen = Beginnt(kopf, "Alfa");
            const bool neutralpunkt = kopf.find("XN. [m]") != std::string_view::npos;
            const bool widerstand = kopf.find("W [N]") != std::string_view::npos;
            while (n < zeilen.size()) {
                z = zeilen[n++];
                if (Beginnt(z, "[POLAR ENDE]")) break;
                if (mitZeilen && !z.empty()) gruppe->Zeilen.push_back(AlteZeileLesen(z, neutralpunkt, widerstand, trennzeichen));
            }
        } catch (const EKonvertierung&) {
            lesung.Fehlerzeile = static_cast<int>(n);
            lesung.Fehlerinhalt = zeilen[n - 1];
            return lesung;
        }
        liste.GruppeHinzufuegen(std::move(gruppe));
        ++lesung.Gruppen;
    }
    return lesung;
}

std::optional<std::filesystem::path> PolardateiName(const std::filesystem::path& gewaehlt)
{
    std::string endung = gewaehlt.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (endung == ".CSV") return std::nullopt;
    if (gewaehlt.extension().empty()) return std::filesystem::path(gewaehlt.string() + ".VELPOL");
    if (gewaehlt.extension() == ".VELPOL") return gewaehlt;
    const std::string name = gewaehlt.filename().string();
    return gewaehlt.parent_path() / (name.substr(0, name.find('.')) + ".VELPOL");
}

std::filesystem::path PolarenSpeichern(const TPolarliste& liste, const std::filesystem::path& gewaehlt, THost& host,
                                       char trennzeichen)
{
    const std::optional<std::filesystem::path> name = PolardateiName(gewaehlt);
    if (!name) {
        host.Fehlertext(FehlerCsvSpeichern);
        return {};
    }
    SchreibeTextzeilen(*name, PolarenSchreiben(liste, trennzeichen));
    return *name;
}

std::optional<TPolarlesung> PolarenDazuladen(TPolarliste& liste, const std::filesystem::path& datei, char trennzeichen)
{
    std::string endung = datei.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (endung != ".CSV" && endung != ".VELPOL") return std::nullopt;
    const std::vector<std::string> zeilen = LeseTextzeilen(datei);
    return endung == ".CSV" ? AltePolarenLesen(liste, zeilen, trennzeichen) : PolarenLesen(liste, zeilen);
}
