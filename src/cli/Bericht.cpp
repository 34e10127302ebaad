// Text and JSON rendering of console reports.
#include "cli/Bericht.h"

#include <cmath>
#include <type_traits>

#include "cli/Aufrufsprache.h"
#include "common/Zahlentext.h"

namespace {

nlohmann::json JsonZahl(Extended w)
{
    if (!std::isfinite(w)) return nullptr;
    return static_cast<double>(w);
}

std::string TextZahl(Extended w) { return RealToText(w, 0, 5, '.'); }

}  // namespace

void TBericht::Zahl(std::string name, std::string bezeichnung, Extended wert, std::string einheit)
{
    posten_.push_back({std::move(name), std::move(bezeichnung), wert, std::move(einheit)});
}

void TBericht::Ganzzahl(std::string name, std::string bezeichnung, long long wert, std::string einheit)
{
    posten_.push_back({std::move(name), std::move(bezeichnung), wert, std::move(einheit)});
}

void TBericht::Wahrheitswert(std::string name, std::string bezeichnung, bool wert)
{
    posten_.push_back({std::move(name), std::move(bezeichnung), wert, {}});
}

void TBericht::Text(std::string name, std::string bezeichnung, std::string wert)
{
    posten_.push_back({std::move(name), std::move(bezeichnung), std::move(wert), {}});
}

void TBericht::Vektor(std::string name, std::string bezeichnung, const T3Vektor& wert, std::string einheit)
{
    posten_.push_back({std::move(name), std::move(bezeichnung), wert, std::move(einheit)});
}

TBericht& TBericht::Eintrag(const std::string& liste, std::string titel)
{
    for (auto& [name, eintraege] : listen_)
        if (name == liste) return eintraege.emplace_back(std::move(titel));
    return listen_.emplace_back(liste, std::deque<TBericht>{}).second.emplace_back(std::move(titel));
}

nlohmann::json TBericht::Json() const
{
    nlohmann::json j = nlohmann::json::object();
    for (const TPosten& p : posten_) {
        std::visit(
            [&](const auto& w) {
                using W = std::decay_t<decltype(w)>;
                if constexpr (std::is_same_v<W, Extended>)
                    j[p.Name] = JsonZahl(w);
                else if constexpr (std::is_same_v<W, T3Vektor>)
                    j[p.Name] = {{"x", JsonZahl(w.x)}, {"y", JsonZahl(w.y)}, {"z", JsonZahl(w.z)}};
                else
                    j[p.Name] = w;
            },
            p.Wert);
    }
    for (const auto& [name, eintraege] : listen_) {
        nlohmann::json liste = nlohmann::json::array();
        for (const TBericht& e : eintraege) liste.push_back(e.Json());
        j[name] = std::move(liste);
    }
    return j;
}

void TBericht::Drucken(std::ostream& aus, int tiefe) const
{
    const std::string rand(2 * tiefe, ' ');
    if (!titel_.empty()) aus << rand << titel_ << '\n';
    const std::string innen = titel_.empty() ? rand : rand + "  ";
    for (const TPosten& p : posten_) {
        std::string wert = std::visit(
            [](const auto& w) -> std::string {
                using W = std::decay_t<decltype(w)>;
                if constexpr (std::is_same_v<W, Extended>)
                    return TextZahl(w);
                else if constexpr (std::is_same_v<W, T3Vektor>)
                    return TextZahl(w.x) + " " + TextZahl(w.y) + " " + TextZahl(w.z);
                else if constexpr (std::is_same_v<W, bool>)
                    return w ? Sprachwahl("ja", "yes") : Sprachwahl("nein", "no");
                else if constexpr (std::is_same_v<W, long long>)
                    return std::to_string(w);
                else
                    return w;
            },
            p.Wert);
        if (!p.Einheit.empty()) wert += " " + p.Einheit;
        std::string bezeichnung = p.Bezeichnung;
        // Captions are aligned by characters, not bytes: count UTF-8 lead bytes only.
        std::size_t breite = 0;
        for (const char c : bezeichnung) breite += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (breite < 30) bezeichnung.append(30 - breite, ' ');
        aus << innen << bezeichnung << ' ' << wert << '\n';
    }
    for (const auto& [name, eintraege] : listen_)
        for (const TBericht& e : eintraege) e.Drucken(aus, tiefe + (titel_.empty() ? 0 : 1));
}

std::string JsonText(const nlohmann::json& j) { return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace); }
