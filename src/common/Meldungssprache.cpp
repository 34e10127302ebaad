// The language of the core's own messages.
#include "common/Meldungssprache.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace {
// Read by worker threads that report a status, set by the front end between computations.
std::atomic<bool> Deutsch{true};
}  // namespace

void MeldungsspracheWaehlen(const std::string& sprache)
{
    std::string gross = sprache;
    std::transform(gross.begin(), gross.end(), gross.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    Deutsch = gross == "DEUTSCH";
}

bool DeutscheMeldungen() { return Deutsch; }

std::string Sprachwahl(const char* deutsch, const char* englisch) { return Deutsch ? deutsch : englisch; }
