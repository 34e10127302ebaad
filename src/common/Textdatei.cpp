// Code-page conversion, line splitting and atomic replacement of text files.
#include "common/Textdatei.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252 (0 where the code page has no character).
constexpr char32_t Cp1252Oben[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void HaengeUtf8An(std::string& aus, char32_t c)
{
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ZuCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Cp1252Oben[i] == c && c != 0) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Cp1252ZuUtf8(std::string_view text)
{
    std::string aus;
    aus.reserve(text.size());
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            aus += ch;
        } else if (b < 0xA0) {
            const char32_t c = Cp1252Oben[b - 0x80];
            HaengeUtf8An(aus, c != 0 ? c : char32_t(b));
        } else {
            HaengeUtf8An(aus, b);
        }
    }
    return aus;
}

std::string Utf8ZuCp1252(std::string_view text)
{
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t c = b;
        int laenge = 1;
        if (b >= 0xF0) {
            laenge = 4;
            c = b & 0x07;
        } else if (b >= 0xE0) {
            laenge = 3;
            c = b & 0x0F;
        } else if (b >= 0xC0) {
            laenge = 2;
            c = b & 0x1F;
        } else if (b >= 0x80) {
            aus += '?';  // a stray continuation byte
            ++i;
            continue;
        }
        if (i + laenge > text.size()) {
            aus += '?';
            break;
        }
        for (int k = 1; k < laenge; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        aus += ZuCp1252(c);
        i += laenge;
    }
    return aus;
}

std::string LeseDateiRoh(const std::filesystem::path& datei)
{
    std::error_code fehler;
    if (std::filesystem::is_directory(datei, fehler)) throw EDatei(datei.string(), 0, "", Sprachwahl("eine Datei, kein Ordner", "a file, not a folder"));
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) throw EDatei(datei.string(), 0, "", Sprachwahl("eine lesbare Datei (nicht gefunden oder kein Zugriff)", "a readable file (not found or no access)"));
    std::string inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    if (ein.bad()) throw EDatei(datei.string(), 0, "", Sprachwahl("eine lesbare Datei (Lesefehler)", "a readable file (read error)"));
    return inhalt;
}

std::vector<std::string> InZeilen(std::string_view text)
{
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            zeile += c;
        }
    }
    if (!zeile.empty()) zeilen.push_back(std::move(zeile));
    return zeilen;
}

namespace {

/// Whether `text` is well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool IstUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int folge = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            folge = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folge = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folge = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(folge) >= text.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((f & 0xC0) != 0x80) return false;
            c = (c << 6) | (f & 0x3F);
        }
        if ((folge == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) || (folge == 3 && (c < 0x10000 || c > 0x10FFFF)))
            return false;
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

}  // namespace

std::string DateitextZuUtf8(std::string_view roh)
{
    if (roh.starts_with("\xEF\xBB\xBF") && IstUtf8(roh.substr(3))) return std::string(roh.substr(3));
    return IstUtf8(roh) ? std::string(roh) : Cp1252ZuUtf8(roh);
}

std::vector<std::string> LeseTextzeilen(const std::filesystem::path& datei)
{
    return InZeilen(DateitextZuUtf8(LeseDateiRoh(datei)));
}

namespace {

/// The file a save really replaces: the end of a chain of symbolic links, so that saving through a
/// link updates what it points to and keeps the link.
std::filesystem::path Speicherziel(const std::filesystem::path& datei)
{
    std::filesystem::path ziel = datei;
    std::error_code fehler;
    for (int tiefe = 0; tiefe < 40 && std::filesystem::is_symlink(ziel, fehler); ++tiefe) {
        const std::filesystem::path verweis = std::filesystem::read_symlink(ziel, fehler);
        if (fehler) break;
        ziel = verweis.is_absolute() ? verweis : ziel.parent_path() / verweis;
    }
    return ziel;
}

/// Permissions of a new file: what the process's file-creation mask leaves of rw-rw-rw-.
mode_t NeueDateirechte()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

}  // namespace

void SchreibeDateiAtomar(const std::filesystem::path& datei, std::string_view inhalt)
{
    const std::filesystem::path ziel = Speicherziel(datei);
    // A fresh temporary name beside the target, created exclusively: nothing that already lies
    // there (a file or a planted link) is ever opened or followed.
    const std::filesystem::path ordner = ziel.parent_path().empty() ? std::filesystem::path(".") : ziel.parent_path();
    std::string muster = (ordner / ("." + ziel.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(muster.data());
    if (fd < 0) throw EDatei(datei.string(), 0, "", Sprachwahl("ein beschreibbarer Ordner", "a writable folder"));
    const std::filesystem::path temporaer = muster;
    const auto verwerfen = [&](const std::string& erwartet) {
        ::close(fd);
        std::error_code ignoriert;
        std::filesystem::remove(temporaer, ignoriert);
        throw EDatei(datei.string(), 0, "", erwartet);
    };
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) verwerfen(Sprachwahl("genug Platz zum Schreiben (Schreibfehler)", "enough room to write (write error)"));
        geschrieben += static_cast<std::size_t>(n);
    }
    // The replaced file keeps its permissions; a new one gets the usual ones.
    struct stat alt {};
    const mode_t rechte = ::stat(ziel.c_str(), &alt) == 0 ? (alt.st_mode & 07777) : NeueDateirechte();
    if (::fchmod(fd, rechte) != 0 || ::fsync(fd) != 0) verwerfen(Sprachwahl("genug Platz zum Schreiben (Schreibfehler)", "enough room to write (write error)"));
    if (::close(fd) != 0) {
        std::error_code ignoriert;
        std::filesystem::remove(temporaer, ignoriert);
        throw EDatei(datei.string(), 0, "", Sprachwahl("genug Platz zum Schreiben (Schreibfehler)", "enough room to write (write error)"));
    }
    std::error_code fehler;
    std::filesystem::rename(temporaer, ziel, fehler);
    if (fehler) {
        std::error_code ignoriert;
        std::filesystem::remove(temporaer, ignoriert);
        throw EDatei(datei.string(), 0, "", Sprachwahl("eine ersetzbare Datei (", "a replaceable file (") + fehler.message() + ")");
    }
}

void SchreibeTextzeilen(const std::filesystem::path& datei, const std::vector<std::string>& zeilen)
{
    std::string inhalt;
    for (const std::string& z : zeilen) {
        inhalt += Utf8ZuCp1252(z);
        inhalt += "\r\n";
    }
    SchreibeDateiAtomar(datei, inhalt);
}
