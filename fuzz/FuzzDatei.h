// The bytes of one fuzz input as a file, for the readers that take a path: one file per process,
// rewritten for every input, with the extension that chooses the reader.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

inline std::filesystem::path FuzzDatei(const std::uint8_t* daten, std::size_t groesse, const std::string& endung)
{
    const std::filesystem::path datei =
        std::filesystem::temp_directory_path() / ("velion_fuzz_" + std::to_string(getpid()) + endung);
    std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    return datei;
}
