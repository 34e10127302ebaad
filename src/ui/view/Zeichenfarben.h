// The colours and drawing preferences of the 3D view and the 2D diagrams, with their start values.
#pragma once

#include <QColor>

#include <array>

#include "app/Einstellungen.h"

/// A colour as the settings file stores it: red in the low byte, then green, then blue.
inline QColor Farbwert(unsigned wert) { return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF); }

/// The settings file's form of a colour.
inline TFarbwert Farbzahl(const QColor& farbe) { return farbe.red() + 256 * farbe.green() + 65536 * farbe.blue(); }

struct TZeichenfarben {
    QColor Hintergrund = Farbwert(16777215);
    QColor Panel = Farbwert(178);
    QColor Markierung = Farbwert(8388608);
    QColor Symmetriecheck = Farbwert(16711935);
    QColor GammaLinie = Farbwert(255);
    QColor GammaVorgabeLinie = Farbwert(255);
    QColor CaLinie = Farbwert(32768);
    QColor CaMaxLinie = Farbwert(32768);
    QColor CwiLinie = Farbwert(8388736);
    QColor CwvLinie = Farbwert(8388736);
    QColor CwgLinie = Farbwert(8388736);
    QColor AiLinie = Farbwert(128);
    QColor ReLinie = Farbwert(16711680);
    QColor Stroemungsabriss = Farbwert(255);
    QColor BlasenwarnungOben = Farbwert(255);
    QColor BlasenwarnungUnten = Farbwert(32768);
    std::array<QColor, 100> Klappengruppen = [] {  ///< all black at start
        std::array<QColor, 100> a;
        a.fill(QColor(0, 0, 0));
        return a;
    }();
    std::array<QColor, 100> Gesamtpolaren = [] {  ///< curves of the polar window, all black at start
        std::array<QColor, 100> a;
        a.fill(QColor(0, 0, 0));
        return a;
    }();

    bool MarkierungsbalkenAlsKreuz = false;
    bool Invertiere3DZoom = false;

    /// (|1 - r|, |1 - g|, |1 - b|) of the background: marks that must stand out against it.
    QColor InversHintergrund() const
    {
        return QColor(255 - Hintergrund.red(), 255 - Hintergrund.green(), 255 - Hintergrund.blue());
    }
};

/// The drawing colours and preferences the settings hold.
inline TZeichenfarben ZeichenfarbenAus(const TEinstellungen& e)
{
    TZeichenfarben f;
    f.Hintergrund = Farbwert(e.Hintergrundfarbe);
    f.Panel = Farbwert(e.Panelfarbe);
    f.Markierung = Farbwert(e.Markierungsfarbe);
    f.Symmetriecheck = Farbwert(e.Symmetriecheckfarbe);
    f.GammaLinie = Farbwert(e.GammaLinieFarbe);
    f.GammaVorgabeLinie = Farbwert(e.GammaVorgabeLinieFarbe);
    f.CaLinie = Farbwert(e.CaLinieFarbe);
    f.CaMaxLinie = Farbwert(e.CaMaxLinieFarbe);
    f.CwiLinie = Farbwert(e.CwiLinieFarbe);
    f.CwvLinie = Farbwert(e.CwvLinieFarbe);
    f.CwgLinie = Farbwert(e.CwgLinieFarbe);
    f.AiLinie = Farbwert(e.AiLinieFarbe);
    f.ReLinie = Farbwert(e.ReLinieFarbe);
    f.Stroemungsabriss = Farbwert(e.StroemungsabrissFarbe);
    f.BlasenwarnungOben = Farbwert(e.BlasenwarnungObenFarbe);
    f.BlasenwarnungUnten = Farbwert(e.BlasenwarnungUntenFarbe);
    for (std::size_t i = 0; i < f.Klappengruppen.size(); ++i) f.Klappengruppen[i] = Farbwert(e.Klappengruppenfarben[i]);
    f.MarkierungsbalkenAlsKreuz = e.MarkierungsbalkenAlsKreuz;
    f.Invertiere3DZoom = e.Invertiere3DZoom;
    return f;
}
