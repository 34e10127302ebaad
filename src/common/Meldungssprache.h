// The language of the messages the core writes itself (a file that cannot be read, a value out of
// range, a solver that gives up): German or English. The front ends choose it with the language of
// the rest of the program; German until they do.
#pragma once

#include <string>

/// German when `sprache` in upper case is DEUTSCH, English for any other language.
void MeldungsspracheWaehlen(const std::string& sprache);

/// Whether the core's messages are German.
bool DeutscheMeldungen();

/// `deutsch` while the messages are German, `englisch` otherwise.
std::string Sprachwahl(const char* deutsch, const char* englisch);
