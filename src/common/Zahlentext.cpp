// Locale-independent number text: parser, fixed-notation writer and rounding.
#include "common/Zahlentext.h"

#include <charconv>
#include <cmath>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"

namespace {

std::string_view OhneRand(std::string_view t)
{
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.empty() && leer(t.front())) t.remove_prefix(1);
    while (!t.empty() && leer(t.back())) t.remove_suffix(1);
    return t;
}

bool GleichOhneGross(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto klein = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (klein(a[i]) != klein(b[i])) return false;
    }
    return true;
}

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Extended TextToReal(std::string_view text)
{
    const std::string_view t = OhneRand(text);
    if (GleichOhneGross(t, "+inf") || GleichOhneGross(t, "inf")) return std::numeric_limits<Extended>::infinity();
    if (GleichOhneGross(t, "-inf")) return -std::numeric_limits<Extended>::infinity();

    // Both separators count the same; the number then reads with "." for from_chars.
    std::string zahl;
    std::size_t i = 0;
    bool negativ = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativ = t[i++] == '-';
    int ziffern = 0;
    bool trenner = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (Ziffer(c)) {
            zahl += c;
            ++ziffern;
        } else if (c == '.' || c == ',') {
            if (trenner) throw EKonvertierung(std::string(text), Sprachwahl("eine Zahl", "a number"));
            trenner = true;
            zahl += '.';
        } else {
            break;
        }
    }
    if (ziffern == 0) throw EKonvertierung(std::string(text), Sprachwahl("eine Zahl", "a number"));
    if (i < t.size()) {
        if (t[i] != 'e' && t[i] != 'E') throw EKonvertierung(std::string(text), Sprachwahl("eine Zahl", "a number"));
        zahl += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) zahl += t[i++];
        int exponentziffern = 0;
        for (; i < t.size() && Ziffer(t[i]); ++i, ++exponentziffern) zahl += t[i];
        if (exponentziffern == 0 || i != t.size()) throw EKonvertierung(std::string(text), Sprachwahl("eine Zahl", "a number"));
    }
    Extended wert = 0.0L;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (ende != zahl.data() + zahl.size() || (fehler != std::errc() && fehler != std::errc::result_out_of_range))
        throw EKonvertierung(std::string(text), Sprachwahl("eine Zahl", "a number"));
    if (fehler == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow or underflow; the exponent tells which.
        const bool gross = zahl.find('e') != std::string::npos && zahl[zahl.find('e') + 1] != '-';
        wert = gross ? std::numeric_limits<Extended>::infinity() : 0.0L;
    }
    return negativ ? -wert : wert;
}

std::string RealToText(Extended wert, int breite, int dezimalen, char trennzeichen)
{
    std::string text;
    if (std::isnan(wert)) {
        text = "NaN";
    } else if (std::isinf(wert)) {
        text = wert > 0 ? "+Inf" : "-Inf";
    } else {
        char puffer[128];
        const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, dezimalen);
        if (ergebnis.ec == std::errc()) {
            text.assign(puffer, ergebnis.ptr);
        } else {
            // Beyond about 100 digits: no file or field holds such values; keep the scientific form.
            const auto wissenschaftlich = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, dezimalen);
            text.assign(puffer, wissenschaftlich.ptr);
        }
        // A value that rounds to zero is written without its sign.
        if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    }
    if (trennzeichen != '.')
        for (char& c : text)
            if (c == '.') c = trennzeichen;
    if (breite > 0 && static_cast<int>(text.size()) > breite) text.resize(breite);
    return text;
}

Extended RoundReal(int dezimalen, Extended wert)
{
    const std::string text = RealToText(wert, 0, dezimalen, '.');
    if (text == "+Inf" || text == "-Inf") return 1e18L;
    if (text == "NaN") return wert;
    return TextToReal(text);
}

int TextToInt(std::string_view text)
{
    std::string_view t = OhneRand(text);
    if (t.size() > 1 && t.front() == '+' && t[1] != '-') t.remove_prefix(1);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (t.empty() || fehler != std::errc() || ende != t.data() + t.size()) throw EKonvertierung(std::string(text), Sprachwahl("eine ganze Zahl", "a whole number"));
    return wert;
}
