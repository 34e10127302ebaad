// Numbers as text, independent of the process locale: files always write ".", input fields may
// carry "." or ",", and reals are rounded through their fixed-notation text.
#pragma once

#include <string>
#include <string_view>

#include "common/Extended.h"

/// Parses a decimal number with "." or "," as separator (optional sign, digits, one separator,
/// optional exponent; blanks around it are ignored; "+Inf"/"-Inf" as written by RealToText).
/// Throws EKonvertierung when the text is no number.
Extended TextToReal(std::string_view text);

/// Fixed notation with exactly `dezimalen` decimals; "+Inf"/"-Inf" for infinities, "NaN" for an
/// undefined value. The separator replaces "."; a `breite` > 0 keeps only that many leading
/// characters (a cut, not a rounding).
std::string RealToText(Extended wert, int breite, int dezimalen, char trennzeichen = '.');

/// Rounds through the fixed-notation text; both infinities give 1e18.
Extended RoundReal(int dezimalen, Extended wert);

/// Parses a decimal integer (optional minus sign, digits; blanks around it are ignored).
/// Throws EKonvertierung when the text is no integer.
int TextToInt(std::string_view text);
