// The limits of the model's input fields and the one check every field commit goes through: the
// text is parsed, tested against the field's range, rounded to 5 decimals and only then stored;
// otherwise the field's error text is raised and the model keeps its value.
#pragma once

#include <string>
#include <string_view>

#include "common/Extended.h"
#include "common/Host.h"

/// The input fields that share one rule of the limits table.
enum class TEingabefeld {
    Einstellwinkel,          ///< -90..90
    Anstellwinkel,           ///< -90..90
    Schiebewinkel,           ///< -90..90
    AuslegungsCa,            ///< -2 pi..2 pi
    Stabilitaetsmass,        ///< -100..100 (% of lu)
    FlugGeschwindigkeit,     ///< > 0, at least 0.00001 so that the rounded value stays positive
    Profiltiefe,             ///< root and segment chord, >= 0.00001
    Segmentbreite,           ///< >= 0.00001; the stored width keeps the side (SegmentbreiteEingeben)
    Pfeilwinkel,             ///< sweep as entered for the reference line, -89..89
    Verwindungswinkel,       ///< root and segment twist, -45..45
    Klappenausschlag,        ///< -45..45
    KlappentiefeLinks,       ///< 0..100
    KlappentiefeRechts,      ///< 0..100
    Bezugspunkt,             ///< BezugspunktProfiltiefe, BezugspunktPfeilwinkel: 0..100
    AnzahlPanels,            ///< AnzahlPanelsX, AnzahlPanelsY: integer > 0
    AnzahlPanelsVolumendarstellung,  ///< integer >= 10
    MaxIteration,            ///< integer > 0
    GesamtpolarSchrittzahl,  ///< integer > 0
    Masse,                   ///< Masse, ZusaetzlicheMassen, Luftdichte: >= 0
    Flughoehe,               ///< >= -1
    InterferenzWiderstand,   ///< >= 0
    Rumpf,                   ///< RumpfQuerschnittflaeche, RumpfWiderstand: >= 0
    Klappengruppe,           ///< integer, clamped into 0..99, never an error
    Auslegungsnummer,        ///< integer 1..5
    AnzahlNachlaufelemente,  ///< integer 1..1000
    LaengeNachlaufelemente,  ///< >= 0.00001
    Frei                     ///< positions, SchwerpunktX, view fields, VFormWinkel, Alfa0Man, Cm0Man: any real
};

/// The outcome of checking one input text.
struct TEingabepruefung {
    bool Angenommen = false;
    int Fehlertext = 0;     ///< error text to raise when not accepted; 0 means none
    Extended Wert = 0.0L;   ///< the value to store (rounded; whole for integer fields)
};

/// Parses `text` for `feld`, tests the range and rounds an accepted real to 5 decimals. Texts that
/// parse to an infinite value count as unparsable.
TEingabepruefung EingabePruefen(TEingabefeld feld, std::string_view text);

/// Whether a value read from a file lies inside the field's limits (finite, in range, whole for an
/// integer field). Segment widths are tested by magnitude, since the sign tells the side.
bool WertZulaessig(TEingabefeld feld, Extended wert);

/// What the field accepts, for messages: "eine ganze Zahl von 1 bis 5", "eine Zahl von -90 bis 90".
std::string Wertebereich(TEingabefeld feld);

/// Checks `text` and stores the value in `ziel`, or raises the error text and leaves `ziel` as it
/// was. Returns whether the value was stored.
bool EingabeUebernehmen(THost& host, TEingabefeld feld, std::string_view text, Extended& ziel);
bool EingabeUebernehmen(THost& host, TEingabefeld feld, std::string_view text, int& ziel);

/// An index text clamped into 0..anzahl-1 (0 for an empty list); a text that is no integer
/// leaves `ziel` as it was. For AktuelleFlaeche and AktuellesSegment.
bool IndexUebernehmen(std::string_view text, int anzahl, int& ziel);
