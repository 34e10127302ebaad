// Minimal ASCII DXF writer: a viewport, a layer table and lines, closed polylines, 3D faces and texts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/Extended.h"

/// Collects drawing entities of one export in memory and writes them as one DXF file. Every
/// coordinate and size is rounded to 6 decimals first; entities of one kind keep their call order,
/// the kinds are written grouped: lines, polylines, 3D faces, texts.
class Tdxf {
public:
    Tdxf();

    void FarbeSetzen(int n);
    void LayerSetzen(std::string_view name);
    void AnsichtHoeheSetzen(Extended h);
    void AnsichtVerhaeltnisSetzen(Extended r);
    void AnsichtMitteSetzen(Extended x, Extended y);
    void TextHoeheSetzen(Extended h);

    /// art 0: closed 2D polyline, art 1: closed 3D polyline; close it with PolylinieBeenden.
    void PolylinieBeginnen(int art);
    void Scheitelpunkt(int art, Extended x, Extended y, Extended z);
    void PolylinieBeenden();
    void Linie(Extended x1, Extended y1, Extended z1, Extended x2, Extended y2, Extended z2);
    void Flaeche3D(Extended x1, Extended y1, Extended z1, Extended x2, Extended y2, Extended z2, Extended x3,
                   Extended y3, Extended z3, Extended x4, Extended y4, Extended z4);
    void Text(std::string_view text, Extended x, Extended y, Extended z);

    /// The whole file as it is written (UTF-8 in memory).
    std::string Inhalt() const;
    /// Writes the file in Windows-1252, replacing an old one atomically; throws EDatei on failure.
    void Schreiben(const std::filesystem::path& datei) const;

    /// A number in the file's form: rounded to 6 decimals, at most 15 significant digits, no
    /// needless decimals, exponent form ("6E-6") below 0.0001.
    static std::string Zahl(Extended wert);

private:
    int Farbe = 0;
    std::string Layer = "0";
    Extended AnsichtHoehe = 1.0L;
    Extended AnsichtVerhaeltnis = 1.0L;
    Extended AnsichtMitteX = 0.0L;
    Extended AnsichtMitteY = 0.0L;
    Extended TextHoehe = 1.0L;
    std::string Layertabelle;
    std::string Linien;
    std::string Polylinien;
    std::string Flaechen;
    std::string Texte;
};
