// Messages of the core's exceptions.
#include "common/Fehler.h"

#include "common/Meldungssprache.h"

namespace {
std::string DateiMeldung(const std::string& datei, int zeile, const std::string& zeilentext, const std::string& erwartet)
{
    std::string m = datei;
    if (zeile > 0) m += Sprachwahl(", Zeile ", ", line ") + std::to_string(zeile);
    if (!zeilentext.empty()) m += ": \"" + zeilentext + "\"";
    m += Sprachwahl(": erwartet wird ", ": expected ") + erwartet;
    return m;
}
}  // namespace

EKonvertierung::EKonvertierung(const std::string& text, const std::string& erwartet)
    : EVelionFehler("\"" + text + Sprachwahl("\" ist keine gültige Angabe, erwartet: ", "\" is not a valid value, expected: ") + erwartet), text_(text), erwartet_(erwartet)
{
}

EDatei::EDatei(const std::string& datei, int zeile, const std::string& zeilentext, const std::string& erwartet)
    : EVelionFehler(DateiMeldung(datei, zeile, zeilentext, erwartet)), datei_(datei), zeile_(zeile)
{
}
