// Binary STL: triangles with normals from their corners, written little-endian after an 80-byte header.
#include "export/STL_Koerper.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "common/Textdatei.h"

STL_Dreieck STL_Dreieck::Aus(const TStlPunkt& p, const TStlPunkt& q, const TStlPunkt& r)
{
    const TStlPunkt a{p[0] - q[0], p[1] - q[1], p[2] - q[2]};
    const TStlPunkt b{q[0] - r[0], q[1] - r[1], q[2] - r[2]};
    TStlPunkt n{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    float laenge = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (laenge == 0.0F) laenge = 1.0F;  // a collapsed quad keeps a zero normal
    for (float& k : n) k /= laenge;
    STL_Dreieck d;
    d.Normale = n;
    d.Ecke1 = p;
    d.Ecke2 = q;
    d.Ecke3 = r;
    return d;
}

void STL_Koerper::KopfSetzen(std::string_view text)
{
    kopf_ = std::string(text.substr(0, 80));
    kopf_.resize(80, ' ');
}

namespace {

static_assert(std::endian::native == std::endian::little, "the STL writer assumes a little-endian machine");

template <class T>
void Anhaengen(std::string& ziel, T wert)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, &wert, sizeof(T));
    ziel.append(bytes, sizeof(T));
}

void Anhaengen(std::string& ziel, const TStlPunkt& p)
{
    for (float k : p) Anhaengen(ziel, k);
}

} // namespace

std::string STL_Koerper::Inhalt() const
{
    std::string s;
    s.reserve(84 + 50 * dreiecke_.size());
    s += kopf_;
    Anhaengen(s, static_cast<std::uint32_t>(dreiecke_.size()));
    for (const STL_Dreieck& d : dreiecke_) {
        Anhaengen(s, d.Normale);
        Anhaengen(s, d.Ecke1);
        Anhaengen(s, d.Ecke2);
        Anhaengen(s, d.Ecke3);
        Anhaengen(s, d.Attribut);
    }
    return s;
}

void STL_Koerper::Schreiben(const std::filesystem::path& datei) const { SchreibeDateiAtomar(datei, Inhalt()); }
