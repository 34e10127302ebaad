// The language of a call of velion-cli: taken from --sprache before the arguments are parsed, so that
// the parser's messages, the help captions, the checks of option values and the command line's own
// lines are all in the language of the rest of the program.
#pragma once

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/Meldungssprache.h"

/// Takes the language of this call from its arguments (the value of --sprache in upper case,
/// DEUTSCH without one), loads its texts and makes it the language of the core's messages
/// (`DeutscheMeldungen`, `Sprachwahl`). Called once, before anything is registered.
void AufrufspracheWaehlen(int argc, const char* const* argv);

/// Output text `nummer` of the call's language with %1, %2 ... replaced by `woerter`; `deutsch`,
/// replaced alike, where the language folder holds no such text.
std::string Aufruftext(int nummer, const char* deutsch, std::initializer_list<std::string> woerter = {});

/// Captions for the help of `app` and every subcommand registered after this call, and the
/// messages for a wrong call, in the call's language.
void AufrufspracheAnwenden(CLI::App& app);

/// Gives the subcommands registered so far their group caption.
void BefehleBenennen(CLI::App& app);

/// The parser's message for a wrong call: German where its wording is known, the parser's own
/// English in any other language.
std::string Aufruffehler(const CLI::Error& fehler);

/// A whole number from `von` to `bis`.
CLI::Validator Ganzzahlbereich(long long von, long long bis);

/// An existing folder.
CLI::Validator VorhandenerOrdner();

/// One of the words given.
CLI::Validator EinerVon(std::vector<std::string> woerter);
