// The computed result fields of the aircraft and of a surface, in the order of the results pages:
// each with its key (the model's field name, the JSON key), the output text of its caption, its unit
// and how its value is read. The results pages and the result file, the value export and the
// console reports all read these tables, so a new result is added here once.
#pragma once

#include <span>
#include <string_view>

#include "common/Extended.h"

class TFLUGZEUG;
class TFLAECHE;

/// How the results page writes an aircraft result after its caption and " = ".
enum class TSeitenform {
    Zahl,        ///< the number and its page unit
    MitKmh,      ///< a speed: "<v>m/s = <3.6 v>km/h"
    MitAbstand,  ///< the static margin: "<%>% = <neutral point - centre of gravity>m" and output text 47
};

struct TFlugzeugergebnis {
    const char* Schluessel;     ///< the model's field name; nullptr where the JSON carries the value otherwise
    int Text;                   ///< output text of the caption
    const char* Einheit;        ///< unit ("" none): on the console after a space, in the value export in brackets
    const char* Seiteneinheit;  ///< the unit as the results page writes it, right after the number
    Extended (*Wert)(const TFLUGZEUG&);
    int Abschnitt = 0;  ///< on the page: 0 follows on, -1 a blank line before, n > 0 a blank line and heading n
    TSeitenform Form = TSeitenform::Zahl;
};

struct TFlaechenergebnis {
    const char* Schluessel;  ///< the model's field name
    int Text;                ///< output text of the caption
    Extended (*Wert)(const TFLAECHE&);
};

/// The aircraft's computed results in page order.
std::span<const TFlugzeugergebnis> Flugzeugergebnisse();

/// A surface's computed results in page order.
std::span<const TFlaechenergebnis> Flaechenergebnisse();

/// The aircraft result with this key; throws std::out_of_range for an unknown key (a programming error).
const TFlugzeugergebnis& Flugzeugergebnis(std::string_view schluessel);

/// The surface result with this key; throws std::out_of_range for an unknown key.
const TFlaechenergebnis& Flaechenergebnis(std::string_view schluessel);
