// The airfoil profile record: contour points in chord units, title, file name, the ten
// characteristic values and the flap working fields; the ".dat" coordinate file, the built-in
// NACA 0010 and the six consistency checks of a contour.
//
// Point order of a contour: the first point is the upper trailing edge (X = 1), the points run along
// the upper side to the nose (X = 0, Z = 0) and back along the lower side to the lower trailing edge
// (X = 1). Nothing enforces it; Pruefen reports where a contour breaks it.
//
// A failed LoadDat leaves the profile exactly as it was: the file is parsed into a temporary profile
// that replaces this one only when every line was read. The caller learns of the failure through
// EDatei (file, line number, the line, what was expected).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "profile/TVP.h"

/// One contour point: X chordwise (0 nose, 1 trailing edge), Y spanwise station (0 in a profile
/// file), Z thickness direction, positive up.
struct TKoordinate {
    Extended X = 0.0L;
    Extended Y = 0.0L;
    Extended Z = 0.0L;
};

/// The six consistency checks of a contour, each compared exactly.
struct TProfilpruefung {
    bool Nasenhoehe = false;        ///< Z of the nose point is 0
    bool Endleistenmitte = false;   ///< the mean Z of first and last point is 0
    bool Nasenposition = false;     ///< X of the nose point is 0
    bool EndleisteOben = false;     ///< X of the first point is 1
    bool EndleisteUnten = false;    ///< X of the last point is 1
    bool EinPunktBeiXNull = false;  ///< exactly one point has X = 0
    int AnzahlXNull = 0;            ///< how many points have X = 0

    bool AlleBestanden() const
    {
        return Nasenhoehe && Endleistenmitte && Nasenposition && EndleisteOben && EndleisteUnten && EinPunktBeiXNull;
    }
};

class TProfil {
public:
    /// Point counts and indices are 16-bit: no profile holds more points.
    static constexpr int MaxPunkte = 65535;

    /// Indices into Beiwerte.
    enum TBeiwertNr : int {
        Dicke = 0,
        Dickenruecklage = 1,
        Woelbung = 2,
        Woelbungsruecklage = 3,
        Alfa0 = 4,
        Cm0 = 5,
        Auftriebsanstieg = 6,
        Neutralpunktlage = 7,
        AlfaIdeal = 8,
        CaIdeal = 9
    };
    static constexpr int AnzahlBeiwerte = 10;
    static constexpr std::array<const char*, AnzahlBeiwerte> Beiwertnamen = {
        "Dicke", "Dickenruecklage", "Woelbung", "Woelbungsruecklage", "Alfa0",
        "Cm0",   "Auftriebsanstieg", "Neutralpunktlage", "AlfaIdeal", "CaIdeal"};

    std::string Titel;
    /// File name without folder, with extension ("Naca0010.dat"); "strak" marks a blended section,
    /// the suffix "_inv" an inverted profile.
    std::string Dateiname;
    std::array<Extended, AnzahlBeiwerte> Beiwerte{};
    /// Panels of the last 2D panel computation on this contour; LoadDat, SetDefault and Assign,
    /// which replace the contour, discard them.
    std::vector<TVP> Panels2D;

    // Flap working fields of the derived section lines of a segment.
    std::uint16_t Scharnierindex = 0;
    TKoordinate Scharnierpunkt;
    TKoordinate Endleistenpunkt;
    Extended AbstandEndleiste = 0.0L;
    Extended AbstandEndleisteNeu = 0.0L;
    Extended Klappenfaktor = 0.0L;

    // --- Points. A pointer from Punkt stays valid until the next AddPunkt, InsertPunkt, DeletePunkt,
    // ClearPunkte or any operation that replaces the contour.

    int Anzahl() const { return static_cast<int>(punkte_.size()); }
    /// The point at `index`, nullptr outside 0 .. Anzahl() - 1.
    TKoordinate* Punkt(int index);
    const TKoordinate* Punkt(int index) const;
    const std::vector<TKoordinate>& Punkte() const { return punkte_; }
    /// Appends and returns the new index; throws EVelionFehler beyond MaxPunkte.
    int AddPunkt(const TKoordinate& punkt);
    /// Inserts before `index` (Anzahl() appends); throws std::out_of_range for another index and
    /// EVelionFehler beyond MaxPunkte.
    void InsertPunkt(int index, const TKoordinate& punkt);
    /// Removes the point; throws std::out_of_range for an index outside the contour.
    void DeletePunkt(int index);
    void ClearPunkte() { punkte_.clear(); }

    /// Characteristic value 0..9; 0 for any other index.
    Extended Beiwert(int index) const;
    /// Sets characteristic value 0..9; any other index is ignored.
    void SetBeiwert(int index, Extended wert);

    /// Replaces the contour by a copy of the other's and copies Titel, Dateiname, Beiwerte,
    /// Scharnierindex, Scharnierpunkt and Endleistenpunkt; nothing happens for nullptr.
    void Assign(const TProfil* anderes);
    /// A new profile with copies of the points erster..letzter and the same Titel, Dateiname and
    /// Beiwerte; empty when erster > letzter; throws std::out_of_range for indices outside the contour.
    std::unique_ptr<TProfil> CopyRange(int erster, int letzter) const;

    /// Reads a ".dat" file: title line, then one "X Z" pair per line (blanks or tabs, "." or ",").
    /// Throws EDatei and leaves the profile unchanged when the file cannot be read or a line is not
    /// a point; refuses an empty file, a file without points, a binary file and more than MaxPunkte
    /// points.
    void LoadDat(const std::filesystem::path& datei);
    /// Writes a ".dat" file (title, then X and Z with 5 decimals cut to 7 characters), replacing an
    /// existing file atomically; throws EDatei.
    void SaveDat(const std::filesystem::path& datei) const;
    /// The built-in NACA 0010 with its 35 points; Beiwerte are left as they are.
    void SetDefault();
    /// The six checks; on an empty profile every check fails.
    TProfilpruefung Pruefen() const;

    /// Index of the nose: the first point with the smallest X; 0 for fewer than 2 points.
    int NasenIndex() const;

    // --- Geometry: queries and transformations in place (Profilgeometrie.cpp), resampling into new
    // profiles (Profilneuverteilung.cpp), blending (Strak.cpp), flap deflection (Klappenprofil.cpp).

    static constexpr int Oberseite = 0;
    static constexpr int Unterseite = 1;
    enum class TExtremart { Kleinstes, Groesstes };

    struct TExtremum {
        int Index = 0;
        Extended Wert = 0.0L;
    };

    /// Height found on a contour at a station, with the bracketing indices: equal when a point sits at
    /// the station, both -1 when the station lies on no segment (Z is then 0).
    struct THoehe {
        Extended Z = 0.0L;
        int Index1 = -1;
        int Index2 = -1;
        bool Gefunden() const { return Index1 >= 0; }
        bool Interpoliert() const { return Index1 != Index2; }
    };

    /// Smallest X of all points; 1e6 for an empty profile.
    Extended MinX() const;
    /// First point with the smallest or largest coordinate of axis 0 (X), 1 (Y) or 2 (Z); index 0
    /// and the start value (+-100000) for an empty profile.
    TExtremum Extremum(int achse, TExtremart art) const;
    /// Inserts the nose point (0, 0, 0) where the contour turns, unless a point (0, 0) exists.
    void NaseEinfuegen();
    /// Height of the upper (Oberseite) or lower (Unterseite) side at station x; inserts the nose
    /// first. A new point at x belongs after Index1 on the upper side, before Index1 on the lower.
    THoehe HoeheBeiX(int seite, Extended x);
    /// Height at x on a single chain whose X falls with the index (a camber line); a point matches
    /// when X and x agree to 6 decimals. A new point at x belongs at Index2.
    THoehe HoeheAufLinie(Extended x) const;

    /// Rotates points erster..letzter about (zentrumX, zentrumZ) by `winkel` radians; a positive
    /// angle turns clockwise in the X-Z plane (trailing edge down). Y is untouched.
    void Drehen(int erster, int letzter, Extended winkel, Extended zentrumZ, Extended zentrumX);
    /// Scales X and Z by 1 / X of the first point and returns that factor.
    Extended Normieren();
    /// Turns the contour about the origin so that the nose-to-trailing-edge-midpoint line is level;
    /// returns the angle [rad].
    Extended Entdrehen();
    /// Upside down: reversed order, Z mirrored; the file name gains or loses the suffix "_inv".
    void Invertieren();
    /// Cross-section area for chord `tiefe` [m] -> [m^2]. Works on a copy, so a missing nose point
    /// is not inserted into this profile.
    Extended Querschnittsflaeche(Extended tiefe) const;
    /// Normal of the plane through points 0, n/3 and 2n/3; zero for fewer than 3 points.
    T3Vektor Ebenennormale() const;
    /// Brings a contour lying anywhere in space into the X-Z plane with the nose at the origin.
    void Ausrichten();

    /// N points on cosine-spaced stations: 2 (N div 2) + 1 points with the nose (0, 0, 0); a copy for
    /// fewer than 2 points.
    std::unique_ptr<TProfil> CosinusVerteilung(int n) const;
    /// k points per segment by straight subdivision, then the last point.
    std::unique_ptr<TProfil> Verfeinern(int k) const;
    /// Uniform cubic B-spline through the points as control points, k points per segment, X scaled
    /// back to 0..1. No limit on the point count.
    std::unique_ptr<TProfil> Glaetten(int k) const;
    /// The resampler of every surface: five passes of refine, smooth and cosine resampling, the last
    /// to N points (2 (N div 2) + 1). The result is slightly smoothed, not an interpolation. Works on
    /// a copy: the nose the passes need is inserted there, not into this profile.
    std::unique_ptr<TProfil> Neuverteilen(int n) const;

    /// Makes this profile the blend of `a` at station `stationA` and `b` at `stationB` at `station`
    /// [m]. Nothing happens unless both exist and have points. Contours of unequal point count are
    /// both resampled to the larger count n (n + 1 points when n is even) and all points are blended.
    void Mischen(const TProfil* a, Extended stationA, const TProfil* b, Extended stationB, Extended station);

    /// A new profile with the part behind the hinge turned down by `ausschlag` degrees (negative:
    /// up); `klappentiefe` is the flap chord in % of the chord, `scharnierhoehe` the hinge height in %
    /// of the local thickness from the lower side. The profile is expected normalised. When the
    /// turned flap does not meet the fixed part (no crossing of the contours), the result is an
    /// unchanged copy and `ohneSchnitt`, when given, is set: deflecting the whole profile instead
    /// would silently change its incidence.
    std::unique_ptr<TProfil> Klappenprofil(Extended scharnierhoehe, Extended klappentiefe, Extended ausschlag,
                                           bool* ohneSchnitt = nullptr) const;

private:
    std::vector<TKoordinate> punkte_;
};
