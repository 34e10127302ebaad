// Text files at the file boundary: Windows-1252 on disk, UTF-8 in memory; any line end on reading,
// CR LF on writing; a written file replaces the old one atomically.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// Windows-1252 bytes to UTF-8.
std::string Cp1252ZuUtf8(std::string_view text);

/// The text of a file as UTF-8: a file that is valid UTF-8 (as editors of today write it) is taken
/// as it is, without its byte-order mark; any other file is read as Windows-1252.
std::string DateitextZuUtf8(std::string_view roh);

/// UTF-8 to Windows-1252 bytes; characters the code page lacks become "?".
std::string Utf8ZuCp1252(std::string_view text);

/// The whole file as raw bytes; throws EDatei when it cannot be read.
std::string LeseDateiRoh(const std::filesystem::path& datei);

/// Splits text at CR LF, LF or CR; a final line end does not start another line.
std::vector<std::string> InZeilen(std::string_view text);

/// The lines of a Windows-1252 text file, converted to UTF-8; throws EDatei when it cannot be read.
std::vector<std::string> LeseTextzeilen(const std::filesystem::path& datei);

/// Writes raw bytes to a temporary file in the same folder and renames it over `datei`, so a failed
/// write leaves the old file intact. Throws EDatei on failure.
void SchreibeDateiAtomar(const std::filesystem::path& datei, std::string_view inhalt);

/// Writes UTF-8 lines as a Windows-1252 text file with CR LF after every line, atomically.
void SchreibeTextzeilen(const std::filesystem::path& datei, const std::vector<std::string>& zeilen);
