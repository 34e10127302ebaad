// The scene file (.vel): one aircraft with every profile it uses, the application switches and the
// divider position, as key=value lines in bracketed blocks. The same files serve as undo states.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "model/TSchalter.h"
#include "model/T_Szene.h"

/// The geometry work the reader triggers but does not own: the builder of one surface, called
/// before the surface joins the aircraft, and the lattice of the whole aircraft after the last
/// line. Either may be empty.
struct TSzenenAufbau {
    std::function<void(TFLAECHE&)> FlaecheBauen;
    std::function<void(TFLUGZEUG&)> GitterAufbauen;
};

/// Writes the scene, the switches and the divider position, replacing the file atomically.
/// A scene without an aircraft is written with a default one. Throws EDatei when writing fails.
void WriteScene(const std::filesystem::path& datei, const TSZENE& szene, const TSchalter& schalter);

/// Reads a scene file into `szene`, whose aircraft must be new and empty (one is created when
/// there is none), and applies the switches and the divider position.
///
/// Throws EDatei (file, line, line text, what was expected) when the file cannot be read, holds no
/// aircraft block, has a value that is no number where one belongs, or ends inside a block. The
/// aircraft then keeps the values and complete surfaces read so far, the surface being read is
/// dropped, the switches stay as they were and no lattice is built.
void ReadScene(const std::filesystem::path& datei, TSZENE& szene, TSchalter& schalter, const TSzenenAufbau& aufbau = {});

/// The scene name of a file: its name without folder and last extension ("my.plane.vel" gives
/// "my.plane").
std::string SzenennameAusDatei(const std::filesystem::path& datei);

/// Loading as a whole: a new scene with a new aircraft, named after the file, read from it.
std::unique_ptr<TSZENE> SzeneLaden(const std::filesystem::path& datei, TSchalter& schalter, const TSzenenAufbau& aufbau = {});
