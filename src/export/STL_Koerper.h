// Binary STL: the triangles of one export and the file they are written to.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using TStlPunkt = std::array<float, 3>;

/// One triangle of the file: its unit normal (computed from the corners) and three corners in
/// output units.
struct STL_Dreieck {
    TStlPunkt Normale{};
    TStlPunkt Ecke1{};
    TStlPunkt Ecke2{};
    TStlPunkt Ecke3{};
    std::uint16_t Attribut = 0;

    /// A triangle through p, q, r in this order; the normal is (p - q) x (q - r) scaled to length 1,
    /// or zero when the corners lie on one line.
    static STL_Dreieck Aus(const TStlPunkt& p, const TStlPunkt& q, const TStlPunkt& r);
};

/// The triangles of one export with the 80-byte header, written as little-endian binary STL.
class STL_Koerper {
public:
    /// Header := the first 80 bytes of the text, padded with blanks.
    void KopfSetzen(std::string_view text);
    void DreieckHinzufuegen(const STL_Dreieck& dreieck) { dreiecke_.push_back(dreieck); }
    const std::vector<STL_Dreieck>& Dreiecke() const { return dreiecke_; }
    const std::string& Kopf() const { return kopf_; }
    /// The file's bytes.
    std::string Inhalt() const;
    /// Writes the file, replacing an existing one atomically; throws EDatei on failure.
    void Schreiben(const std::filesystem::path& datei) const;

private:
    std::string kopf_ = std::string(80, ' ');
    std::vector<STL_Dreieck> dreiecke_;
};
