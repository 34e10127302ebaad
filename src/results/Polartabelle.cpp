// The table text of the polar window and the plain-language info.
#include "results/Polartabelle.h"

#include <sstream>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Zahlentext.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"

namespace {

// Output texts of the table.
constexpr int TextAlfa = 127;
constexpr int TextFlugszene = 141;
constexpr int TextBemerkung = 142;
constexpr int TextInfo = 137;
constexpr int TextPolarEnde = 152;
constexpr int TextKlappe = 174;
constexpr int TextFlaeche = 175;
constexpr int TextFluegel = 177;
constexpr int TextAbloesungOben = 178;
constexpr int TextAbloesungUnten = 179;
constexpr int TextRueckenflug = 180;
constexpr int TextFehlberechnung = 181;
constexpr int TextInstabil = 38;
/// Titles of Ca .. Widerstand in column order (138 and 139 follow the stability margin).
constexpr int Wertetitel[] = {128, 129, 130, 131, 132, 133, 134, 135, 136, 138, 139};

bool Beginnt(const std::string& text, const char* anfang) { return text.rfind(anfang, 0) == 0; }

/// Text 149, 150 or 151 for the kind, 171, 172 or 173 for the fix; 0 for none.
int Arttext(int art) { return art >= PolarartKlappen && art <= PolarartAnstellwinkel ? 148 + art : 0; }
int Fixtext(int fix) { return fix >= FixAnstellwinkel && fix <= FixCa ? 170 + fix : 0; }

/// The name of series row k in the heading: "Klappe1", "Fläche0" or "n.u.".
std::string Reihenname(const TPolargruppe& g, int k, const THost& host)
{
    if (g.Art == PolarartKlappen) return host.Ausgabetext(TextKlappe) + std::to_string(g.Gruppe[k]);
    if (g.Art == PolarartEwd) return host.Ausgabetext(TextFlaeche) + std::to_string(g.Gruppe[k]);
    return "n.u.";
}

}  // namespace

std::string InfoKlartext(const std::string& info, const THost& host, char trennzeichen)
{
    std::istringstream codes(info);
    std::vector<std::string> liste;
    for (std::string code; codes >> code;) liste.push_back(code);
    std::string text;
    const auto abloesung = [&](const std::string& code) -> bool {
        const bool oben = Beginnt(code, "ABO");
        if (!oben && !Beginnt(code, "ABU")) return false;
        try {
            const std::string p = RealToText(TextToReal(code.substr(3)), 8, 1, trennzeichen);
            text += host.Ausgabetext(oben ? TextAbloesungOben : TextAbloesungUnten) + " " + p + "%, ";
        } catch (const EKonvertierung&) {
            // A percentage that is no number: the entry is left out like an unknown code.
        }
        return true;
    };
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const std::string& code = liste[i];
        if (code == "FB") {
            text += host.Ausgabetext(TextFehlberechnung) + ", ";
        } else if (code == "NRF") {
            text += host.Ausgabetext(TextRueckenflug) + ", ";
        } else if (code == "ISF") {
            text += host.Ausgabetext(TextInstabil) + ", ";
        } else if (Beginnt(code, "FL") && code.size() > 2) {
            text += host.Ausgabetext(TextFluegel) + " " + code.substr(2) + " ";
            if (i + 1 < liste.size() && abloesung(liste[i + 1])) ++i;
        } else {
            abloesung(code);
        }
    }
    return text;
}

std::vector<std::string> PolartabelleText(const TPolarliste& liste, const THost& host, char trennzeichen)
{
    std::vector<std::string> zeilen;
    for (const auto& g : liste) {
        if (const int n = Arttext(g->Art)) zeilen.push_back(host.Ausgabetext(n));
        zeilen.push_back(host.Ausgabetext(TextFlugszene) + "=" + g->Flugszene);
        if (const int n = Fixtext(g->Fix)) zeilen.push_back(host.Ausgabetext(n));
        zeilen.push_back(host.Ausgabetext(TextBemerkung) + "=" + g->Bemerkung);
        if (g->Art != PolarartUnbekannt)
            for (int k = 0; k < 4; ++k)
                zeilen.push_back(g->Art == PolarartAnstellwinkel ? std::string("n.u.")
                                                                 : Reihenname(*g, k, host) + " " + g->Gruppentext[k]);
        zeilen.emplace_back();
        std::string kopf = host.Ausgabetext(TextAlfa) + "\t";
        for (int k = 0; k < 4; ++k) kopf += Reihenname(*g, k, host) + "\t";
        for (int n : Wertetitel) kopf += host.Ausgabetext(n) + "\t";
        zeilen.push_back(kopf + host.Ausgabetext(TextInfo));
        for (const TPolarzeile& z : g->Zeilen) {
            std::string zeile;
            for (int i = 0; i < PolarwertAnzahl; ++i) zeile += Polarzahl(Polarwert(z, i), trennzeichen) + "\t";
            zeilen.push_back(zeile + InfoKlartext(z.Info, host, trennzeichen));
        }
        zeilen.push_back(host.Ausgabetext(TextPolarEnde));
        zeilen.emplace_back();
    }
    return zeilen;
}
