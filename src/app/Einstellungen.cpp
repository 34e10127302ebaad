// Reading and writing "Velion.ini".
#include "app/Einstellungen.h"

#include <cstdint>
#include <utility>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"

namespace {

constexpr TFarbwert GroessteFarbe = 16777215;
const char* const Klappenblock = "[KLAPPENGRUPPENFARBEN]";
const char* const Polarenblock = "[GESAMTPOLARENFARBEN]";

/// The sixteen display colours with their keys, in file order.
std::vector<std::pair<const char*, TFarbwert*>> Farbschluessel(TEinstellungen& e)
{
    return {{"HINTERGRUNDFARBE=", &e.Hintergrundfarbe},
            {"PANELFARBE=", &e.Panelfarbe},
            {"MARKIERUNGSFARBE=", &e.Markierungsfarbe},
            {"SYMMETRIECHECKFARBE=", &e.Symmetriecheckfarbe},
            {"GAMMA_LINIE_FARBE=", &e.GammaLinieFarbe},
            {"GAMMA_VORGABE_LINIE_FARBE=", &e.GammaVorgabeLinieFarbe},
            {"CA_LINIE_FARBE=", &e.CaLinieFarbe},
            {"CA_MAX_LINIE_FARBE=", &e.CaMaxLinieFarbe},
            {"CWI_LINIE_FARBE=", &e.CwiLinieFarbe},
            {"CWV_LINIE_FARBE=", &e.CwvLinieFarbe},
            {"CWG_LINIE_FARBE=", &e.CwgLinieFarbe},
            {"AI_LINIE_FARBE=", &e.AiLinieFarbe},
            {"RE_LINIE_FARBE=", &e.ReLinieFarbe},
            {"STROEMUNGSABRISS_FARBE=", &e.StroemungsabrissFarbe},
            {"BLASENWARNUNG_OBEN_FARBE=", &e.BlasenwarnungObenFarbe},
            {"BLASENWARNUNG_UNTEN_FARBE=", &e.BlasenwarnungUntenFarbe}};
}

std::vector<std::pair<const char*, bool*>> Schalterschluessel(TEinstellungen& e)
{
    return {{"OGL_FONT_FLAG=", &e.OglFontFlag},
            {"MARKIERUNGSBALKEN_ALS_KREUZ=", &e.MarkierungsbalkenAlsKreuz},
            {"INVERTIERE_3D_ZOOMM=", &e.Invertiere3DZoom},
            {"MULTITHREAD_AKTIV=", &e.MultithreadAktiv}};
}

const char* Wahrheit(bool b) { return b ? "TRUE" : "FALSE"; }

/// The value after the first "=", not trimmed.
std::string Wert(const std::string& zeile)
{
    const auto p = zeile.find('=');
    return p == std::string::npos ? std::string() : zeile.substr(p + 1);
}

/// The integer of `text` when it is one and lies in von..bis.
bool GanzzahlIn(const std::string& text, long long von, long long bis, int& ziel)
{
    try {
        const int n = TextToInt(text);
        if (n < von || n > bis) return false;
        ziel = n;
        return true;
    } catch (const EKonvertierung&) {
        return false;
    }
}

void Tabellenblock(const std::vector<std::string>& zeilen, std::size_t i, const char* block, std::array<TFarbwert, 100>& tabelle,
                   std::vector<std::string>& verworfen)
{
    for (int j = 0; j < 100; ++j) {
        if (i + 1 + j >= zeilen.size()) return;
        const std::string& z = zeilen[i + 1 + j];
        // A line that does not start with its entry number leaves the entry as it is.
        if (!z.starts_with(std::to_string(j))) continue;
        if (!GanzzahlIn(Wert(z), 0, GroessteFarbe, tabelle[j])) verworfen.push_back(std::string(block) + " " + std::to_string(j) + "=");
    }
}

}  // namespace

std::vector<std::string> EinstellungenZeilen(const TEinstellungen& eingabe)
{
    TEinstellungen e = eingabe;
    std::vector<std::string> z{"[SYSTEMFARBEN]"};
    for (const auto& [schluessel, farbe] : Farbschluessel(e)) z.push_back(schluessel + std::to_string(*farbe));
    for (const auto& [block, tabelle] : {std::pair{Klappenblock, &e.Klappengruppenfarben}, std::pair{Polarenblock, &e.Gesamtpolarenfarben}}) {
        z.push_back("");
        z.push_back(block);
        for (int j = 0; j < 100; ++j) z.push_back(std::to_string(j) + "=" + std::to_string((*tabelle)[j]));
    }
    z.insert(z.end(), {"", "[VERZEICHNISSE]", "VERZEICHNIS_FLUGZSZENEN=" + e.VerzeichnisFlugzszenen,
                       "VERZEICHNIS_PROFILE=" + e.VerzeichnisProfile, "", "[SPRACHEN]"});
    for (const std::string& s : e.VerfuegbareSprachen) z.push_back("VERFÜGBARE SPRACHE=" + s);
    z.insert(z.end(), {"EINGESTELLTE SPRACHE=" + e.EingestellteSprache, "", "[SONSTIGES]",
                       std::string("OGL_FONT_FLAG=") + Wahrheit(e.OglFontFlag), "ANZAHL UNDO-FILES=" + std::to_string(e.AnzahlUndoFiles),
                       std::string("MARKIERUNGSBALKEN_ALS_KREUZ=") + Wahrheit(e.MarkierungsbalkenAlsKreuz),
                       std::string("INVERTIERE_3D_ZOOMM=") + Wahrheit(e.Invertiere3DZoom),
                       std::string("MULTITHREAD_AKTIV=") + Wahrheit(e.MultithreadAktiv), "CHEFTASTE=" + std::to_string(e.Cheftaste)});
    return z;
}

TEinstellungen EinstellungenAusZeilen(const std::vector<std::string>& zeilen, std::vector<std::string>& verworfen)
{
    TEinstellungen e;
    const auto farben = Farbschluessel(e);
    const auto schalter = Schalterschluessel(e);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (z.starts_with(Klappenblock) || z.starts_with(Polarenblock)) {
            const bool klappen = z.starts_with(Klappenblock);
            Tabellenblock(zeilen, i, klappen ? Klappenblock : Polarenblock, klappen ? e.Klappengruppenfarben : e.Gesamtpolarenfarben,
                          verworfen);
            i += 101;  // the block and the line after it, which the program leaves empty
            continue;
        }
        for (const auto& [schluessel, farbe] : farben)
            if (z.starts_with(schluessel) && !GanzzahlIn(Wert(z), 0, GroessteFarbe, *farbe)) verworfen.push_back(schluessel);
        for (const auto& [schluessel, wert] : schalter)
            if (z.starts_with(schluessel)) *wert = Wert(z) == "TRUE";
        if (z.starts_with("VERZEICHNIS_FLUGZSZENEN=")) e.VerzeichnisFlugzszenen = Wert(z);
        if (z.starts_with("VERZEICHNIS_PROFILE=")) e.VerzeichnisProfile = Wert(z);
        if (z.starts_with("VERFÜGBARE SPRACHE=")) e.VerfuegbareSprachen.push_back(Wert(z));
        if (z.starts_with("EINGESTELLTE SPRACHE=")) e.EingestellteSprache = Wert(z);
        if (z.starts_with("ANZAHL UNDO-FILES=") && !GanzzahlIn(Wert(z), MinAnzahlUndoFiles, MaxAnzahlUndoFiles, e.AnzahlUndoFiles))
            verworfen.push_back("ANZAHL UNDO-FILES=");
        if (z.starts_with("CHEFTASTE=")) {
            // A key code keeps its low 8 bits, as the key handler compares them.
            int taste = 0;
            if (GanzzahlIn(Wert(z), INT32_MIN, INT32_MAX, taste))
                e.Cheftaste = taste & 0xFF;
            else
                verworfen.push_back("CHEFTASTE=");
        }
    }
    return e;
}

TEinstellungen EinstellungenLesen(const std::filesystem::path& datei, std::vector<std::string>& verworfen)
{
    std::vector<std::string> zeilen;
    try {
        zeilen = LeseTextzeilen(datei);
    } catch (const EVelionFehler&) {
        return TEinstellungen{};
    }
    return EinstellungenAusZeilen(zeilen, verworfen);
}

void EinstellungenSchreiben(const std::filesystem::path& datei, const TEinstellungen& e)
{
    SchreibeTextzeilen(datei, EinstellungenZeilen(e));
}

std::filesystem::path Einstellungsdatei(const std::filesystem::path& datenordner) { return datenordner / "Velion.ini"; }

std::string VerworfenMeldung(const THost& host, const std::vector<std::string>& verworfen)
{
    if (verworfen.empty()) return {};
    std::string meldung = host.Ausgabetext(300);
    for (std::size_t i = 0; i < verworfen.size(); ++i) meldung += (i > 0 ? ", " : "") + verworfen[i];
    return meldung;
}

std::string AusweichordnerMeldung(const THost& host, const std::filesystem::path& ordner)
{
    return host.Ausgabetext(301) + ordner.string();
}
