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

private:
    std::vector<TKoordinate> punkte_;
};
