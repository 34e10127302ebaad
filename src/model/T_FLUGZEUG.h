// The aircraft: its surfaces, the flight state the design computation works with, the settings of
// the wake, the drag model and the total-polar series, and the view of the 3D window.
#pragma once

#include <array>
#include <string>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "model/TListe.h"
#include "model/T_FLAECHE.h"

/// A flap row of the total-polar series: a group below 1 marks the row unused.
struct TGesamtpolarHauptZeile {
    int Klappengruppe = 0;
    Extended Start = 0.0L;  ///< [°]
    Extended Ende = 0.0L;   ///< [°]
};

/// An incidence row of the total-polar series: surface index -1 marks the row unused.
struct TGesamtpolarEwdZeile {
    int Flaeche = -1;
    Extended Start = 0.0L;  ///< [°]
    Extended Ende = 0.0L;   ///< [°]
};

/// What the design computation iterates to: the value of `Auslegungsnummer`.
enum TAuslegungsziel : int {
    ZielAnstellwinkel = 1,
    ZielAuslegungsCa = 2,
    ZielStabilitaetsmass = 3,
    ZielSchwerpunkt = 4,
    ZielFlugGeschwindigkeit = 5
};

inline constexpr int AnzahlKlappengruppen = 100;

/// Where one surface's wake lines come closest to another surface's control points.
struct TNachlaufnaehe {
    int Nachlaufflaeche = -1;  ///< index of the surface whose wake passes; -1 for no pair
    int Flaeche = -1;          ///< index of the surface whose control point it passes
    Extended Abstand = 0.0L;   ///< [m]
};

/// The neutral point from runs at the final angle of attack plus and minus 2°: unlike a difference
/// over a hundredth of a degree, it does not swing when a wake line passes close to a control point.
struct TRobusterNeutralpunkt {
    bool Gueltig = false;              ///< set by a design computation whose two extra runs succeeded
    Extended Neutralpunkt = 0.0L;      ///< x [m]
    Extended Stabilitaetsmass = 0.0L;  ///< [% of lu]
    TNachlaufnaehe Naehe;              ///< the closest wake passage at the final angle
};

class TFLUGZEUG {
public:
    TFLUGZEUG();
    ~TFLUGZEUG();
    TFLUGZEUG(const TFLUGZEUG&) = delete;
    TFLUGZEUG& operator=(const TFLUGZEUG&) = delete;

    // Stored in the scene file, in file order.
    std::string Konstrukteur = "Noname";
    std::string Bezeichnung = "Noname";
    bool NullpunktSichtbar = false;
    T3Vektor AnsichtPosition;     ///< translation of the 3D view [m]
    T3Vektor Betrachtungswinkel;  ///< rotation of the 3D view about x, y, z [°]
    Extended LaengeMarkierungslinien = 0.05L;  ///< [m]
    Extended ZusaetzlicheMassen = 0.0L;        ///< masses not belonging to a surface [kg]
    Extended Anstellwinkel = 0.0L;             ///< [°]
    Extended AuslegungsCa = 0.0L;
    Extended Stabilitaetsmass = 0.0L;  ///< [% of the reference chord]
    Extended SchwerpunktX = 0.0L;      ///< [m]
    Extended FlugGeschwindigkeit = 0.0L;  ///< [m/s]
    Extended Schiebewinkel = 0.0L;        ///< [°]
    Extended Flughoehe = 0.0L;            ///< [m]; -1 marks a fluid outside the atmosphere table
    Extended Luftdichte = 0.0L;           ///< [kg/m³]
    int Auslegungsnummer = ZielAnstellwinkel;
    int MaxIteration = 15;
    int AnzahlNachlaufelemente = 10;
    Extended LaengeNachlaufelemente = 1.0L;  ///< total length of the wake [m]
    Extended InterferenzWiderstand = 0.0L;
    Extended RumpfWiderstand = 0.0L;
    Extended RumpfQuerschnittflaeche = 0.0L;  ///< [m²]
    std::array<TGesamtpolarHauptZeile, 4> GesamtpolarHaupt{};
    std::array<TGesamtpolarEwdZeile, 4> GesamtpolarEwd{};
    int GesamtpolarSchrittzahl = 1;
    /// Entry 0 is "Einzelklappe"; "leer" marks an unused description.
    std::array<std::string, AnzahlKlappengruppen> Klappengruppenbeschreibung;
    TListe<TFLAECHE> Flaechen;

    // Results of the last force evaluation (AuslegungsCa, FlugGeschwindigkeit and SchwerpunktX
    // above are overwritten by it too). Forces are per unit of rho times the squared speed.
    T3Vektor Gesamtkraft;               ///< sum of the surface forces [m²]
    Extended CS = 0.0L;                 ///< side-force coefficient on FlaecheSeitlichGesamt
    Extended CWi = 0.0L;                ///< induced drag coefficient on FlaecheWahrGesamt
    Extended AuftriebspunktY = 0.0L;    ///< y of the lift resultant [m]
    Extended WiderstandspunktY = 0.0L;  ///< y of the drag resultant [m]
    Extended WiderstandspunktZ = 0.0L;  ///< z of the drag resultant [m]
    Extended SeitenkraftpunktX = 0.0L;  ///< x of the side-force resultant [m]
    Extended SeitenkraftpunktZ = 0.0L;  ///< z of the side-force resultant [m]
    Extended CmxNullpunkt = 0.0L;       ///< rolling moment coefficient about the zero point
    Extended CmyNullpunkt = 0.0L;       ///< pitching moment coefficient about the zero point
    Extended CmzNullpunkt = 0.0L;       ///< yawing moment coefficient about the zero point
    T3Vektor Momentenbezugspunkt;       ///< (SchwerpunktX, 0, 0) after the evaluation [m]
    Extended Cmx = 0.0L;                ///< rolling moment coefficient about Momentenbezugspunkt
    Extended Cmy = 0.0L;                ///< pitching moment coefficient about Momentenbezugspunkt
    Extended Cmz = 0.0L;                ///< yawing moment coefficient about Momentenbezugspunkt

    // Not in the file.
    Extended PolarAnstellwinkelStart = 0.0L;  ///< [°]
    Extended PolarAnstellwinkelEnde = 5.0L;   ///< [°]
    int AktuelleFlaeche = 0;
    /// Sign of the pitching, rolling and yawing moment of the last result: 0 negative, 1 zero,
    /// 2 positive.
    std::array<int, 3> Momentenrichtung{1, 1, 1};

    // Reference values of the aircraft: sums over the surfaces and the span-weighted chord lu.
    Extended FlaecheHorizontalGesamt = 0.0L;  ///< [m²]
    Extended FlaecheSeitlichGesamt = 0.0L;    ///< [m²]
    Extended FlaecheWahrGesamt = 0.0L;        ///< [m²]
    Extended Bezugstiefe = 0.0L;              ///< lu [m]
    Extended Gesamtmasse = 0.0L;              ///< ZusaetzlicheMassen plus the surface masses [kg]

    // Flight state, set by the lattice construction from Anstellwinkel and Schiebewinkel.
    T3Vektor Anstroemrichtung;     ///< unit free stream
    T3Vektor Auftriebsrichtung;    ///< normal to the free stream in the x-z plane of the stream
    T3Vektor Seitenkraftrichtung;  ///< Auftriebsrichtung x Anstroemrichtung

    // Drag totals and performance of the last design computation (profile evaluation).
    Extended CWv = 0.0L;                  ///< viscous drag coefficient on FlaecheWahrGesamt
    Extended CW = 0.0L;                   ///< total drag coefficient: induced, viscous, interference, fuselage
    Extended Gleitzahl = 0.0L;            ///< CA AH / (CW AW)
    Extended Steigzahl = 0.0L;            ///< |CA AH / AW|^1.5 / CW, negative for negative lift
    Extended Sinkgeschwindigkeit = 0.0L;  ///< [m/s], negative for negative lift
    Extended Gleitwinkel = 0.0L;          ///< [°]
    Extended Auftrieb = 0.0L;             ///< [N]
    Extended Widerstand = 0.0L;           ///< [N]
    Extended Seitenkraft = 0.0L;          ///< [N]
    Extended MomentX = 0.0L;              ///< rolling moment about Momentenbezugspunkt [Nm]
    Extended MomentY = 0.0L;              ///< pitching moment about Momentenbezugspunkt [Nm]
    Extended MomentZ = 0.0L;              ///< yawing moment about Momentenbezugspunkt [Nm]
    Extended MomentXNullpunkt = 0.0L;     ///< rolling moment about the zero point [Nm]
    Extended MomentYNullpunkt = 0.0L;     ///< pitching moment about the zero point [Nm]
    Extended MomentZNullpunkt = 0.0L;     ///< yawing moment about the zero point [Nm]
    Extended Steigwinkel = 0.0L;          ///< desired climb angle for the thrust, 0 .. 90 [°]; not in the file
    Extended Schubkraft = 0.0L;           ///< thrust for Steigwinkel [N]
    Extended Neutralpunkt = 0.0L;         ///< x of the neutral point [m]
    Extended Auftriebsanstiegswinkel = 0.0L;  ///< arctan of the lift slope per degree, in degrees
    Extended Flaechenbelastung = 0.0L;    ///< Gesamtmasse / FlaecheHorizontalGesamt [kg/m²]
    /// Neutral point from a central difference of wider span, beside that of the design's own runs.
    TRobusterNeutralpunkt NeutralpunktRobust;
};
