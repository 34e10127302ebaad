// Qt's own texts (the buttons of message boxes, the file and colour dialogs) in the chosen language.
#pragma once

#include <string>

/// Loads Qt's translation for the program's language (DEUTSCH: German); any other language keeps
/// Qt's English. False when the language has a translation but its file cannot be loaded.
bool QtTexteLaden(const std::string& sprache);
