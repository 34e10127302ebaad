// Switches of the application that travel with the scene file: three computation switches and the
// display switches of the 3D view and of the 2D diagrams, plus the position of the divider between
// the two drawing areas. A loaded scene replaces them; a new aircraft keeps them.
#pragma once

struct TSchalter {
    // Computation switches (written inside the aircraft block of the scene file).
    bool Nachlaufkorrektur = false;          ///< wake alignment element by element
    bool NachlaufkorrekturKomplett = false;  ///< complete wake alignment
    bool BlasenwiderstandRechnen = false;    ///< profiles with bubble drag

    // Display switches, in file order.
    bool GesamtFlugzeugDarstellung = false;
    bool KlappenwinkelAusgabe = false;
    bool CwiLokal = false;  ///< the three local drag curves exclude each other
    bool CwvLokal = false;
    bool CwgLokal = false;
    bool GammaLokal = false;
    bool GammaVorgabe = false;
    bool GammaVorgabeIntegral = false;
    bool CaLokal = false;
    bool CaLokalMinMax = true;
    bool AiLokal = false;
    bool Blasenwarnung = false;
    bool ReLokal = false;
    bool XD = false;
    bool XS = false;
    bool XN = false;
    bool Rotieren = true;  ///< the four mouse modes of the 3D view: exactly one is on
    bool Verschieben = false;
    bool Zoomen = false;
    bool Bearbeiten = false;
    bool GefuelltePanels = false;
    bool VerdeckteLinien = false;
    bool AnstroemvektorZeichnen = false;
    bool FreieWirbelZeichnen = false;
    bool GebundeneWirbelZeichnen = false;
    bool SegmentkantenmarkierungZeichnen = false;
    bool PanelnormalvektorenZeichnen = false;
    bool PanelkraftvektorenZeichnen = false;
    bool VolumenmodellZeichnen = false;
    bool MomentendrehrichtungZeichnen = false;
    bool ImmerSpiegeln = false;  ///< mirror the surface after every segment edit

    /// x of the divider between the 2D and the 3D area, pixels. Without a window there is no
    /// "half the window width" to start from; 400 is half of a small 800 pixel window.
    int Splitterposition = 400;
};
