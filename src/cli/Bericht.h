// A report of named values for the console: printed as indented text with German captions, or as
// one JSON object keyed by the model's code names (numbers as numbers, non-finite values as null).
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/Extended.h"
#include "common/Vektor.h"

class TBericht {
public:
    explicit TBericht(std::string titel = {}) : titel_(std::move(titel)) {}

    void Zahl(std::string name, std::string bezeichnung, Extended wert, std::string einheit = {});
    void Ganzzahl(std::string name, std::string bezeichnung, long long wert, std::string einheit = {});
    void Wahrheitswert(std::string name, std::string bezeichnung, bool wert);
    void Text(std::string name, std::string bezeichnung, std::string wert);
    void Vektor(std::string name, std::string bezeichnung, const T3Vektor& wert, std::string einheit = {});

    /// Appends a sub-report to the list `liste` (a JSON array under that name) and returns it;
    /// the reference stays valid while further entries are added.
    TBericht& Eintrag(const std::string& liste, std::string titel);

    nlohmann::json Json() const;
    void Drucken(std::ostream& aus, int tiefe = 0) const;

private:
    struct TPosten {
        std::string Name;
        std::string Bezeichnung;
        std::variant<Extended, long long, bool, std::string, T3Vektor> Wert;
        std::string Einheit;
    };

    std::string titel_;
    std::vector<TPosten> posten_;
    std::vector<std::pair<std::string, std::deque<TBericht>>> listen_;
};

/// A JSON object as text for stdout; bytes that are no UTF-8 (a file name in another code page)
/// become U+FFFD instead of ending the program.
std::string JsonText(const nlohmann::json& j);
