// The two enumerations of the model: the kind of a surface and the distribution of its panels.
#pragma once

#include <string_view>

/// Wing, fin or flat fuselage surface; geometry, lattice and computation treat all kinds alike.
enum class TFlaechenArt { Fluegel = 0, Seitenleitwerk = 1, Rumpf = 2 };

/// The words of the kinds, as the scene file writes them.
struct TArtWort {
    TFlaechenArt Art;
    std::string_view Wort;
};
inline constexpr TArtWort ArtWoerter[] = {
    {TFlaechenArt::Fluegel, "FLUEGEL"}, {TFlaechenArt::Seitenleitwerk, "SEITENLEITWERK"}, {TFlaechenArt::Rumpf, "RUMPF"}};

constexpr std::string_view Artwort(TFlaechenArt art)
{
    for (const auto& a : ArtWoerter)
        if (a.Art == art) return a.Wort;
    return {};
}

/// How the panel edges of a chord or of a segment are spaced.
enum class TVerteilung { SinL = 0, SinR = 1, Cos = 2, Linear = 3 };

/// The words of the distributions, as the scene file and the formatted exports write them.
struct TVerteilungWort {
    TVerteilung Verteilung;
    std::string_view Wort;
};
inline constexpr TVerteilungWort VerteilungWoerter[] = {
    {TVerteilung::SinL, "SIN_L"}, {TVerteilung::SinR, "SIN_R"}, {TVerteilung::Cos, "COS"}, {TVerteilung::Linear, "LINEAR"}};

constexpr std::string_view Verteilungswort(TVerteilung v)
{
    for (const auto& a : VerteilungWoerter)
        if (a.Verteilung == v) return a.Wort;
    return {};
}
