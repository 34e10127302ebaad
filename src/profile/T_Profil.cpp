// The profile record, its point list and its ".dat" coordinate file.
#include "profile/T_Profil.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"

namespace {

std::string ErwartetPunkt()
{
    return Sprachwahl("zwei Zahlen X und Z, getrennt durch Leerzeichen oder Tabulator", "two numbers X and Z, separated by blanks or a tab");
}

void PruefeGroesse(int anzahl)
{
    if (anzahl >= TProfil::MaxPunkte)
        throw EVelionFehler(Sprachwahl("Ein Profil fasst höchstens ", "A profile holds at most ") + std::to_string(TProfil::MaxPunkte) +
                            Sprachwahl(" Punkte", " points"));
}

// The offending line as an error message shows it: control characters made visible, long lines cut.
std::string Zeilenauszug(std::string_view zeile)
{
    constexpr std::size_t Laenge = 60;
    std::size_t ende = std::min(zeile.size(), Laenge);
    // Never cut inside a UTF-8 sequence.
    while (ende < zeile.size() && ende > 0 && (static_cast<unsigned char>(zeile[ende]) & 0xC0) == 0x80) --ende;
    std::string aus;
    for (const char c : zeile.substr(0, ende)) aus += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    if (ende < zeile.size()) aus += "...";
    return aus;
}

// A file with NUL bytes or other control characters than tab, CR and LF is no coordinate text. Old
// DOS editors close a text with one Ctrl-Z, which is no part of it.
bool IstBinaer(std::string_view roh)
{
    if (!roh.empty() && roh.back() == '\x1A') roh.remove_suffix(1);
    for (const char c : roh) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n') return true;
    }
    return false;
}

// One point line: tabs count as blanks, X is the text before the first blank, Z the rest. A third
// value stays in the Z text and makes its parse fail.
TKoordinate LiesPunktzeile(const std::string& datei, int zeilennummer, const std::string& zeile)
{
    std::string text = zeile;
    for (char& c : text)
        if (c == '\t') c = ' ';
    const std::size_t anfang = text.find_first_not_of(' ');
    const std::size_t luecke = anfang == std::string::npos ? std::string::npos : text.find(' ', anfang);
    if (luecke == std::string::npos) throw EDatei(datei, zeilennummer, Zeilenauszug(zeile), ErwartetPunkt());
    const std::string_view xText = std::string_view(text).substr(anfang, luecke - anfang);
    const std::string_view zText = std::string_view(text).substr(luecke);
    TKoordinate p;
    try {
        p.X = TextToReal(xText);
        p.Z = TextToReal(zText);
    } catch (const EKonvertierung&) {
        throw EDatei(datei, zeilennummer, Zeilenauszug(zeile), ErwartetPunkt());
    }
    if (!std::isfinite(p.X) || !std::isfinite(p.Z))
        throw EDatei(datei, zeilennummer, Zeilenauszug(zeile), Sprachwahl("endliche Koordinaten", "finite coordinates"));
    return p;
}

// The points in the program's order: from the trailing edge over the upper side to the nose and
// back along the lower side. Two other layouts are recognised. One starts with the counts of the
// upper and lower points ("61. 61.") and lists both sides from the nose to the trailing edge; the
// other runs round the wrong way (lower side first), which would turn every thickness and camber
// upside down.
std::vector<TKoordinate> InUmlaufordnung(const std::string& datei, const std::vector<std::pair<int, TKoordinate>>& gelesen)
{
    std::vector<TKoordinate> punkte;
    for (const auto& [zeile, p] : gelesen) punkte.push_back(p);
    if (punkte.empty()) return punkte;
    const TKoordinate kopf = punkte.front();
    // Counts above the most points a profile holds are no counts (and no size would hold them).
    const bool anzahlen = kopf.X >= 2.0L && kopf.Z >= 2.0L && kopf.X <= TProfil::MaxPunkte && kopf.Z <= TProfil::MaxPunkte &&
                          kopf.X == std::trunc(kopf.X) && kopf.Z == std::trunc(kopf.Z);
    if (anzahlen) {
        const std::size_t oben = static_cast<std::size_t>(kopf.X);
        const std::size_t unten = static_cast<std::size_t>(kopf.Z);
        if (oben + unten != punkte.size() - 1)
            throw EDatei(datei, gelesen.front().first, RealToText(kopf.X, 0, 0, '.') + " " + RealToText(kopf.Z, 0, 0, '.'),
                         Sprachwahl("so viele Punktzeilen, wie die Zeile der Punktanzahlen nennt (",
                                    "as many point lines as the line of point counts names (") +
                             std::to_string(oben + unten) + Sprachwahl(", die Datei hat ", ", the file has ") +
                             std::to_string(punkte.size() - 1) + ")");
        std::vector<TKoordinate> umlauf(punkte.rend() - static_cast<std::ptrdiff_t>(oben) - 1, punkte.rend() - 1);
        umlauf.insert(umlauf.end(), punkte.begin() + 1 + static_cast<std::ptrdiff_t>(oben), punkte.end());
        punkte = std::move(umlauf);
    }
    // The shoelace area is positive for the upper side first (counter-clockwise with x aft, z up).
    Extended flaeche = 0.0L;
    for (std::size_t k = 0; k < punkte.size(); ++k) {
        const TKoordinate& a = punkte[k];
        const TKoordinate& b = punkte[(k + 1) % punkte.size()];
        flaeche += a.X * b.Z - b.X * a.Z;
    }
    if (flaeche < 0.0L) std::reverse(punkte.begin(), punkte.end());
    return punkte;
}

struct TPunktwert {
    Extended X;
    Extended Z;
};

// The NACA 0010 ordinates with the open trailing edge of the tabulated section.
constexpr TPunktwert Naca0010[35] = {
    {1.0L, 0.00105L},     {0.95L, 0.00672L},    {0.9L, 0.01207L},     {0.8L, 0.02187L},    {0.7L, 0.03053L},
    {0.6L, 0.03803L},     {0.5L, 0.04412L},     {0.4L, 0.04837L},     {0.3L, 0.05002L},    {0.25L, 0.04952L},
    {0.2L, 0.04782L},     {0.15L, 0.04455L},    {0.1L, 0.03902L},     {0.075L, 0.035L},    {0.05L, 0.02962L},
    {0.025L, 0.02178L},   {0.0125L, 0.01578L},  {0.0L, 0.0L},         {0.0125L, -0.01578L}, {0.025L, -0.02178L},
    {0.05L, -0.02962L},   {0.075L, -0.035L},    {0.1L, -0.03902L},    {0.15L, -0.04455L},  {0.2L, -0.04782L},
    {0.25L, -0.04952L},   {0.3L, -0.05002L},    {0.4L, -0.04837L},    {0.5L, -0.04412L},   {0.6L, -0.03803L},
    {0.7L, -0.03053L},    {0.8L, -0.02187L},    {0.9L, -0.01207L},    {0.95L, -0.00672L},  {1.0L, -0.00105L}};

}  // namespace

TKoordinate* TProfil::Punkt(int index)
{
    return (index >= 0 && index < Anzahl()) ? &punkte_[index] : nullptr;
}

const TKoordinate* TProfil::Punkt(int index) const
{
    return (index >= 0 && index < Anzahl()) ? &punkte_[index] : nullptr;
}

int TProfil::AddPunkt(const TKoordinate& punkt)
{
    PruefeGroesse(Anzahl());
    punkte_.push_back(punkt);
    return Anzahl() - 1;
}

void TProfil::InsertPunkt(int index, const TKoordinate& punkt)
{
    if (index < 0 || index > Anzahl()) throw std::out_of_range("InsertPunkt: Index " + std::to_string(index) + " ausserhalb der Kontur");
    PruefeGroesse(Anzahl());
    punkte_.insert(punkte_.begin() + index, punkt);
}

void TProfil::DeletePunkt(int index)
{
    if (index < 0 || index >= Anzahl()) throw std::out_of_range("DeletePunkt: Index " + std::to_string(index) + " ausserhalb der Kontur");
    punkte_.erase(punkte_.begin() + index);
}

Extended TProfil::Beiwert(int index) const
{
    return (index >= 0 && index < AnzahlBeiwerte) ? Beiwerte[index] : 0.0L;
}

void TProfil::SetBeiwert(int index, Extended wert)
{
    if (index >= 0 && index < AnzahlBeiwerte) Beiwerte[index] = wert;
}

void TProfil::Assign(const TProfil* anderes)
{
    if (anderes == nullptr || anderes == this) return;
    punkte_ = anderes->punkte_;
    Panels2D.clear();
    Titel = anderes->Titel;
    Dateiname = anderes->Dateiname;
    Beiwerte = anderes->Beiwerte;
    Scharnierindex = anderes->Scharnierindex;
    Scharnierpunkt = anderes->Scharnierpunkt;
    Endleistenpunkt = anderes->Endleistenpunkt;
}

std::unique_ptr<TProfil> TProfil::CopyRange(int erster, int letzter) const
{
    auto kopie = std::make_unique<TProfil>();
    kopie->Titel = Titel;
    kopie->Dateiname = Dateiname;
    kopie->Beiwerte = Beiwerte;
    if (erster > letzter) return kopie;
    if (erster < 0 || letzter >= Anzahl())
        throw std::out_of_range("CopyRange: Bereich " + std::to_string(erster) + ".." + std::to_string(letzter) + " ausserhalb der Kontur");
    kopie->punkte_.assign(punkte_.begin() + erster, punkte_.begin() + letzter + 1);
    return kopie;
}

void TProfil::LoadDat(const std::filesystem::path& datei)
{
    const std::string name = datei.string();
    const std::string roh = LeseDateiRoh(datei);
    if (roh.empty()) throw EDatei(name, 0, "", Sprachwahl("eine Titelzeile und Punktzeilen (die Datei ist leer)", "a title line and point lines (the file is empty)"));
    if (IstBinaer(roh)) throw EDatei(name, 0, "", Sprachwahl("eine Textdatei mit Profilkoordinaten (die Datei enthält Binärdaten)", "a text file of profile coordinates (the file holds binary data)"));
    std::string_view text = roh;
    if (text.back() == '\x1A') text.remove_suffix(1);
    const std::vector<std::string> zeilen = InZeilen(DateitextZuUtf8(text));
    if (zeilen.empty()) throw EDatei(name, 0, "", Sprachwahl("eine Titelzeile und Punktzeilen (die Datei ist leer)", "a title line and point lines (the file is empty)"));
    if (zeilen.size() < 2) throw EDatei(name, 1, Zeilenauszug(zeilen.front()), Sprachwahl("Punktzeilen nach der Titelzeile", "point lines after the title line"));
    if (zeilen.size() - 1 > static_cast<std::size_t>(MaxPunkte)) {
        const int ueberzaehlig = MaxPunkte + 2;
        throw EDatei(name, ueberzaehlig, Zeilenauszug(zeilen[ueberzaehlig - 1]),
                     Sprachwahl("höchstens ", "at most ") + std::to_string(MaxPunkte) + Sprachwahl(" Punktzeilen (die Datei hat ", " point lines (the file has ") +
                         std::to_string(zeilen.size() - 1) + ")");
    }

    // Blank lines (between the sections of some layouts, or at the end) carry nothing.
    std::vector<std::pair<int, TKoordinate>> gelesen;
    for (std::size_t i = 1; i < zeilen.size(); ++i)
        if (zeilen[i].find_first_not_of(" \t") != std::string::npos)
            gelesen.emplace_back(static_cast<int>(i) + 1, LiesPunktzeile(name, static_cast<int>(i) + 1, zeilen[i]));
    std::vector<TKoordinate> punkte = InUmlaufordnung(name, gelesen);

    // An exact repetition of a point (a doubled nose or trailing-edge line) is a panel of length 0.
    punkte.erase(std::unique(punkte.begin(), punkte.end(), [](const TKoordinate& a, const TKoordinate& b) { return a.X == b.X && a.Z == b.Z; }),
                 punkte.end());

    punkte_ = std::move(punkte);
    Panels2D.clear();
    Titel = zeilen.front();
    Dateiname = datei.filename().string();
}

void TProfil::SaveDat(const std::filesystem::path& datei) const
{
    std::vector<std::string> zeilen;
    zeilen.reserve(punkte_.size() + 1);
    zeilen.push_back(Titel);
    for (const TKoordinate& p : punkte_) zeilen.push_back(RealToText(p.X, 7, 5, '.') + " " + RealToText(p.Z, 7, 5, '.'));
    SchreibeTextzeilen(datei, zeilen);
}

void TProfil::SetDefault()
{
    punkte_.clear();
    Panels2D.clear();
    Titel = "Naca0010";
    Dateiname = "Naca0010.dat";
    for (const TPunktwert& w : Naca0010) punkte_.push_back({w.X, 0.0L, w.Z});
}

TProfilpruefung TProfil::Pruefen() const
{
    TProfilpruefung ergebnis;
    if (punkte_.empty()) return ergebnis;
    const TKoordinate& nase = punkte_[NasenIndex()];
    const TKoordinate& erster = punkte_.front();
    const TKoordinate& letzter = punkte_.back();
    ergebnis.Nasenhoehe = nase.Z == 0.0L;
    ergebnis.Endleistenmitte = (erster.Z + letzter.Z) / 2.0L == 0.0L;
    ergebnis.Nasenposition = nase.X == 0.0L;
    ergebnis.EndleisteOben = erster.X == 1.0L;
    ergebnis.EndleisteUnten = letzter.X == 1.0L;
    for (const TKoordinate& p : punkte_)
        if (p.X == 0.0L) ++ergebnis.AnzahlXNull;
    ergebnis.EinPunktBeiXNull = ergebnis.AnzahlXNull == 1;
    return ergebnis;
}

int TProfil::NasenIndex() const
{
    if (Anzahl() < 2) return 0;
    int nase = 0;
    for (int i = 1; i < Anzahl(); ++i)
        if (punkte_[i].X < punkte_[nase].X) nase = i;
    return nase;
}
