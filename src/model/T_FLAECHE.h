// One surface of the aircraft (wing, fin or flat fuselage surface): the root section, the chain of
// segments from the left tip to the right tip, and the tables of panels and strip results that the
// lattice construction and the evaluation fill.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "model/TErgebnis.h"
#include "model/Modellarten.h"
#include "model/TLIST2D.h"
#include "model/TListe.h"
#include "model/T_SEGMENT.h"

class TProfil;
class TPAN;

/// A pixel offset of the 2D plan view.
struct TPixelversatz {
    int x = 0;
    int y = 0;
};

class TFLAECHE {
public:
    explicit TFLAECHE(TFlaechenArt art);
    ~TFLAECHE();
    TFLAECHE(const TFLAECHE&) = delete;
    TFLAECHE& operator=(const TFLAECHE&) = delete;

    /// Signed width of segment i; 0 when there is no such segment.
    Extended Segmentbreite(int i) const;

    // Stored in the scene file, in file order.
    TFlaechenArt Art;
    std::string Bezeichnung = "noname";
    T3Vektor Position;  ///< leading edge of the root section relative to the aircraft zero point [m]
    bool Alfa0Cm0Optimierung = true;
    Extended Einstellwinkel = 0.0L;          ///< incidence of the whole surface [°]
    Extended Profiltiefe = 0.0L;             ///< root chord [m]
    Extended BezugspunktProfiltiefe = 0.0L;  ///< chord pivot [% of chord]; no input of the builder
    Extended Verwindungswinkel = 0.0L;       ///< twist of the root section [°]
    int AnzahlPanelsX = 8;
    TVerteilung VerteilungX = TVerteilung::Linear;
    int AnzahlPanelsVolumendarstellung = 30;  ///< points per profile side of the volume model
    Extended Masse = 0.2L;                    ///< [kg]
    bool FlagManBeiwerte = false;             ///< use the manual zero-lift values of the root profile
    Extended Alfa0Man = 0.0L;                 ///< [°]
    Extended Cm0Man = 0.0L;
    Extended Zirkulationsvorgabe = 1.0L;      ///< scale of the prescribed circulation help curve
    std::unique_ptr<TProfil> Wurzelprofil;    ///< never null
    TListe<TSEGMENT> Segmente;                ///< spanwise order, left tip to right tip

    // Not in the file.
    int AktuellesSegment = 0;
    bool Sichtbar = true;
    bool DxfAuswahl = true;
    bool StlAuswahl = true;
    Extended Zoom2D = 1.0L;
    TPixelversatz Verschiebung2D;
    int Rand2D = 20;

    // Results of the last force evaluation (forces per unit of rho times the squared speed).
    T3Vektor Kraft;                  ///< sum of the strip forces [m²]
    Extended CA = 0.0L;              ///< lift coefficient on FlaecheHorizontal
    Extended CS = 0.0L;              ///< side-force coefficient on FlaecheSeitlich
    Extended CWi = 0.0L;             ///< induced drag coefficient on FlaecheWahr
    Extended Cwi = 0.0L;             ///< induced drag of the lifting strips on FlaecheHorizontal
    Extended CwiElliptisch = 0.0L;   ///< CA² / (pi Streckung): induced drag of an elliptic load
    Extended CwiVerhaeltnis = 0.0L;  ///< Cwi / CwiElliptisch
    /// The records Ergebnisraster refers to: one row of slots per strip. Emptying the grid leaves
    /// them here to be reused, so repeated runs do not pile up records.
    std::deque<std::array<TErgebnis, ErgebnisSlotAnzahl>> Ergebnisspeicher;

    /// The record in cell (streifen, slot) of Ergebnisraster, put there (zeroed) when the cell is
    /// empty; nullptr for a negative strip or a slot outside 0 .. ErgebnisSlotAnzahl - 1.
    TErgebnis* ErgebnisSetzen(int streifen, int slot);

    // The lattice tables only refer to their objects; the lattice construction keeps the owning
    // storage beside them in this surface.
    TLIST2D<TPAN> Panelraster;
    TLIST2D<TPAN> Volumenraster;
    TLIST2D<TErgebnis> Ergebnisraster;
    /// The panels of Panelraster and Volumenraster; freed and refilled by every lattice construction.
    std::vector<std::unique_ptr<TPAN>> Gitterpanels;
    std::vector<std::unique_ptr<TPAN>> Volumenpanels;

    // Reference values of the last lattice construction.
    Extended FlaecheHorizontal = 0.0L;  ///< area projected on the x-y plane [m²]
    Extended FlaecheSeitlich = 0.0L;    ///< area projected on the x-z plane [m²]
    Extended FlaecheWahr = 0.0L;        ///< true area [m²]
    Extended Bezugstiefe = 0.0L;        ///< mean aerodynamic chord [m]; 0 for a surface without area
    Extended Spannweite = 0.0L;         ///< y extent of the leading edges, surface-local [m]
    Extended Streckung = 0.0L;          ///< Spannweite² / FlaecheHorizontal; 0 without horizontal area

    // Drag totals of the last profile evaluation.
    Extended CWv = 0.0L;        ///< viscous drag coefficient on FlaecheWahr
    Extended CW = 0.0L;         ///< CWi + CWv
    Extended Gleitzahl = 0.0L;  ///< CA FlaecheHorizontal / (CW FlaecheWahr)
    Extended Steigzahl = 0.0L;  ///< |CA FlaecheHorizontal / FlaecheWahr|^1.5 / CW
};
