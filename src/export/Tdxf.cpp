// Minimal ASCII DXF writer: one group code or value per line, CR LF line ends.
#include "export/Tdxf.h"

#include <charconv>
#include <initializer_list>

#include "common/Textdatei.h"
#include "common/Zahlentext.h"

namespace {

void Zeilen(std::string& ziel, std::initializer_list<std::string_view> zeilen)
{
    for (std::string_view z : zeilen) {
        ziel += z;
        ziel += "\r\n";
    }
}

Extended Gerundet(Extended wert) { return RoundReal(6, wert); }

/// A value line of the file: a line break inside a name or text would end the value and shift
/// every group code after it, so it becomes a blank.
std::string Einzeilig(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

} // namespace

std::string Tdxf::Zahl(Extended wert)
{
    double d = static_cast<double>(Gerundet(wert));
    if (d == 0.0) d = 0.0; // no "-0" for a value that rounds to zero from below
    char puffer[64];
    char* ende = std::to_chars(puffer, puffer + sizeof puffer, d, std::chars_format::general, 15).ptr;
    std::string roh(puffer, static_cast<size_t>(ende - puffer));
    const auto e = roh.find('e');
    if (e == std::string::npos) return roh;
    // "6e-06" becomes "6E-6", "1e+20" becomes "1E20"
    std::string mantisse = roh.substr(0, e);
    std::string exponent = roh.substr(e + 1);
    std::string vorzeichen;
    if (exponent[0] == '-' || exponent[0] == '+') {
        if (exponent[0] == '-') vorzeichen = "-";
        exponent.erase(0, 1);
    }
    exponent.erase(0, exponent.find_first_not_of('0'));
    return mantisse + "E" + vorzeichen + exponent;
}

Tdxf::Tdxf()
{
    Zeilen(Layertabelle, {"  0", "TABLE", "  2", "LAYER", " 70", "    13", "  0", "LAYER", "  2", "0", " 70",
                          "     0", " 62", "     7", "  6", "CONTINUOUS"});
}

void Tdxf::FarbeSetzen(int n) { Farbe = (n >= 0 && n <= 255) ? n : 0; }

void Tdxf::LayerSetzen(std::string_view name)
{
    if (name.empty()) {
        Layer = "0";
        return;
    }
    // 56 characters of the file's code page, not 56 bytes of UTF-8.
    Layer = Cp1252ZuUtf8(Utf8ZuCp1252(Einzeilig(name)).substr(0, 56));
    if (Layertabelle.find(Layer) != std::string::npos) return;
    const std::string farbe = "     " + std::to_string(Farbe);
    Zeilen(Layertabelle, {"  0", "LAYER", "  2", Layer, " 70", "     0", " 62", farbe, "  6", "CONTINUOUS"});
}

void Tdxf::AnsichtHoeheSetzen(Extended h) { AnsichtHoehe = Gerundet(h); }
void Tdxf::AnsichtVerhaeltnisSetzen(Extended r) { AnsichtVerhaeltnis = Gerundet(r); }
void Tdxf::AnsichtMitteSetzen(Extended x, Extended y)
{
    AnsichtMitteX = Gerundet(x);
    AnsichtMitteY = Gerundet(y);
}
void Tdxf::TextHoeheSetzen(Extended h) { TextHoehe = Gerundet(h); }

void Tdxf::PolylinieBeginnen(int art)
{
    Zeilen(Polylinien, {"  0", "POLYLINE", "  8", Layer, "66", "   1", "10", "0.00", "20", "0.00", "30", "0.00",
                        "70", art == 1 ? "  9" : "  1"});
}

void Tdxf::Scheitelpunkt(int art, Extended x, Extended y, Extended z)
{
    Zeilen(Polylinien, {"  0", "VERTEX", "  8", Layer, "10", Zahl(x), "20", Zahl(y), "30", Zahl(z), "70",
                        art == 1 ? "  32" : "  1"});
}

void Tdxf::PolylinieBeenden() { Zeilen(Polylinien, {"  0", "SEQEND"}); }

void Tdxf::Linie(Extended x1, Extended y1, Extended z1, Extended x2, Extended y2, Extended z2)
{
    Zeilen(Linien, {"  0", "LINE", "  8", Layer, "10", Zahl(x1), "20", Zahl(y1), "30", Zahl(z1), "11", Zahl(x2),
                    "21", Zahl(y2), "31", Zahl(z2)});
}

void Tdxf::Flaeche3D(Extended x1, Extended y1, Extended z1, Extended x2, Extended y2, Extended z2, Extended x3,
                     Extended y3, Extended z3, Extended x4, Extended y4, Extended z4)
{
    Zeilen(Flaechen, {"  0", "3DFACE", "  8", Layer, "10", Zahl(x1), "20", Zahl(y1), "30", Zahl(z1), "11",
                      Zahl(x2), "21", Zahl(y2), "31", Zahl(z2), "12", Zahl(x3), "22", Zahl(y3), "32", Zahl(z3),
                      "13", Zahl(x4), "23", Zahl(y4), "33", Zahl(z4)});
}

void Tdxf::Text(std::string_view text, Extended x, Extended y, Extended z)
{
    Zeilen(Texte, {"  0", "TEXT", "  8", Layer, " 10", Zahl(x), " 20", Zahl(y), " 30", Zahl(z), " 40",
                   Zahl(TextHoehe), "  1", Einzeilig(text)});
}

std::string Tdxf::Inhalt() const
{
    std::string s;
    Zeilen(s, {"  0", "SECTION", "  2", "TABLES"});
    Zeilen(s, {"  0", "TABLE", "  2", "VPORT", " 70", "     1", "  0", "VPORT", "  2", "*ACTIVE", " 70", "     0",
               " 10", "0.0", " 20", "0.0", " 11", "1.0", " 21", "1.0", " 12", Zahl(AnsichtMitteX), " 22",
               Zahl(AnsichtMitteY), " 13", "0.0", " 23", "0.0", " 14", "1.0", " 24", "1.0", " 15", "0.0", " 25",
               "0.0", " 16", "0.0", " 26", "0.0", " 36", "1.0", " 17", "0.0", " 27", "0.0", " 37", "0.0", " 40",
               Zahl(AnsichtHoehe), " 41", Zahl(AnsichtVerhaeltnis), " 42", "50.0", " 43", "0.0", " 44", "0.0",
               " 50", "0.0", " 51", "0.0", " 71", "     0", " 72", "  1000", " 73", "     1", " 74", "     3",
               " 75", "     0", " 76", "     0", " 77", "     0", " 78", "     0", "  0", "ENDTAB"});
    s += Layertabelle;
    Zeilen(s, {"  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "ENTITIES"});
    s += Linien;
    s += Polylinien;
    s += Flaechen;
    s += Texte;
    Zeilen(s, {"  0", "ENDSEC", "  0", "EOF"});
    return s;
}

void Tdxf::Schreiben(const std::filesystem::path& datei) const { SchreibeDateiAtomar(datei, Utf8ZuCp1252(Inhalt())); }
