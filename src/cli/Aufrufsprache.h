// The option parser in German: help captions, the parser's error messages and the checks of option
// values, so that a wrong call is answered in the language of the rest of the program.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

/// German captions for the help of `app` and every subcommand registered after this call, and
/// German error messages for a wrong call.
void DeutscheAufrufsprache(CLI::App& app);

/// Gives the subcommands registered so far their German group caption.
void BefehleBenennen(CLI::App& app);

/// The parser's message for a wrong call, in German where its wording is known.
std::string Aufruffehler(const CLI::Error& fehler);

/// A whole number from `von` to `bis`.
CLI::Validator Ganzzahlbereich(long long von, long long bis);

/// An existing folder.
CLI::Validator VorhandenerOrdner();

/// One of the words given.
CLI::Validator EinerVon(std::vector<std::string> woerter);
