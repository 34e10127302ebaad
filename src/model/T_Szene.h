// The scene: at most one aircraft, its name and the flat list of all panels a computation walks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/T_FLUGZEUG.h"

class TPAN;

class TSZENE {
public:
    TSZENE();
    ~TSZENE();
    TSZENE(const TSZENE&) = delete;
    TSZENE& operator=(const TSZENE&) = delete;

    /// Every panel of every surface: surfaces in list order, each row by row of its panel table.
    /// Only refers to the panels; rebuilt before a computation.
    std::vector<TPAN*> Panelliste;
    std::string Name = "Noname";  ///< file name of the scene without folder and extension
    std::unique_ptr<TFLUGZEUG> Flugzeug;
};

/// "Neu" on the aircraft page: a new scene holding a new aircraft with the constructor defaults,
/// the zero point shown and the 3D view stepped back and turned so the empty aircraft can be seen.
std::unique_ptr<TSZENE> NeuesFlugzeug();
