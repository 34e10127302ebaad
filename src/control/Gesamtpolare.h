// The total-polar series: complete design computations of the aircraft while the deflections of up
// to four flap groups, the incidences of up to four surfaces or the angle of attack are stepped,
// one polar row per step; the inputs of the series page with their checks; and the state the
// series changes, saved before and restored after.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/Extended.h"
#include "control/Auslegungsberechnung.h"

class TPolarliste;

/// One row of the flap or incidence table as typed: the flap group or surface index, the start and
/// the end angle [°].
struct TPolartabellenzeile {
    std::string Nummer = "0";
    std::string Start = "0";
    std::string Ende = "0";
};

/// "Klappenberechnungen" left: reads the four rows into GesamtpolarHaupt. Group numbers first, in
/// order: one that is no integer 0..99 raises error text 39, one that no segment carries clears its
/// row; either ends the reading. Then of two rows with the same group the later one is cleared, and
/// the angles of the remaining rows are read (error text 2 unparsable, 13 outside -45..45). The
/// values read before an error stay. Returns whether the whole table was taken.
bool KlappentabelleLesen(THost& host, TFLUGZEUG& flugzeug, const std::array<TPolartabellenzeile, 4>& zeilen);

/// "EWD-Berechnungen" left: the same for GesamtpolarEwd with surface indices: -1 clears the row,
/// below -1 raises error text 41, no integer error text 23, an index beyond the surfaces clears the
/// row and ends the reading.
bool EwdTabelleLesen(THost& host, TFLUGZEUG& flugzeug, const std::array<TPolartabellenzeile, 4>& zeilen);

enum class TPolarreihe { Klappen, Ewd, Anstellwinkel };

/// What the design computation of every step keeps: "Schwerpunkt fixieren" (target 4, recorded as
/// Fix 2), "CA fixieren" (target 2, Fix 3), "Anstellwinkel fixieren" (target 1, Fix 1).
enum class TPolarfixierung { Schwerpunkt, Ca, Anstellwinkel };

/// The series the aircraft's settings describe when no page is chosen: the flap series when a flap
/// row names a group, else the incidence series when a row names a surface, else the angle series.
TPolarreihe GespeicherteReihe(const TFLUGZEUG& flugzeug);

struct TGesamtpolaroptionen {
    TPolarreihe Reihe = TPolarreihe::Klappen;
    TPolarfixierung Fixierung = TPolarfixierung::Schwerpunkt;
    std::string Bemerkung;        ///< the user's remark, asked for by the host before the series
    bool ListeLoeschen = false;   ///< "Polarentabelle beim Start löschen"
    char Dezimaltrenner = '.';    ///< of the percentages in the info codes
    TAuslegungsoptionen Auslegung;
    /// The bar "Fortschritt Gesamtpolarenberechnung" of the series page (position, maximum q):
    /// step s of q + 1 shows min(s, q), the end of the series 0.
    std::function<void(int, int)> Fortschritt;
};

/// `GesamtpolarZustand`: what a series changes, saved at its start and restored at its end. The
/// air density is kept too, so that the model is the same before and after.
struct TGesamtpolarZustand {
    int Auslegungsnummer = 1;
    TAuslegungseingaben Eingaben;
    Extended Luftdichte = 0.0L;
    std::vector<Extended> Einstellwinkel;               ///< per surface
    std::vector<std::vector<Extended>> Klappenausschlag;  ///< per surface, per segment
};

TGesamtpolarZustand GesamtpolarZustandLesen(const TFLUGZEUG& flugzeug);

/// Puts the saved values back, rebuilds every surface and the lattice and refreshes the display.
void GesamtpolarZustandWiederherstellen(TFLUGZEUG& flugzeug, const TGesamtpolarZustand& zustand, THost& host);

enum class TGesamtpolarausgang {
    Fertig,      ///< every step ran; the group was added to the list
    Gestoppt,    ///< a stop request ended the series; its rows were discarded
    Abgebrochen  ///< after a failed step the user chose not to go on (error text 42 answered NO)
};

struct TGesamtpolarergebnis {
    TGesamtpolarausgang Ausgang = TGesamtpolarausgang::Fertig;
    int Schritte = 0;      ///< steps computed
    int Fehlschritte = 0;  ///< steps whose design computation failed and that carry "FB "
};

/// `GesamtpolarBerechnen`: runs the series, one design computation per step, and appends the group
/// to `liste` when every step ran. A step during which an error text was shown asks error text 42:
/// YES keeps the row marked "FB ", anything else aborts. Completed, stopped or aborted, the aircraft
/// is left as it was (GesamtpolarZustand).
TGesamtpolarergebnis GesamtpolarBerechnen(TSZENE& szene, const TSchalter& schalter, THost& host, TPolarliste& liste,
                                          const TGesamtpolaroptionen& optionen);

/// "Berechnung Stopp" of the series page: the running series stops at its next check.
void GesamtpolarStoppen(THost& host);
