// Runs velion-cli as a separate process for the end-to-end tests: exit code, stdout and stderr.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Textdatei.h"

struct TCliAufruf {
    int Rueckgabe = -1;
    std::string Aus;
    std::string Fehler;
};

/// A folder below the test temp folder for the files of one test file.
inline std::filesystem::path CliOrdner(const std::string& name)
{
    const std::filesystem::path o = std::filesystem::path(::testing::TempDir()) / name;
    std::filesystem::create_directories(o);
    return o;
}

/// Runs velion-cli with `argumente`; stdout and stderr go through files in `ordner` named after
/// `kennung`, which must be unique among the calls that may run at the same time.
inline TCliAufruf StarteCli(const std::vector<std::string>& argumente, const std::filesystem::path& ordner,
                            const std::string& kennung)
{
    auto zitiert = [](const std::string& s) { return "'" + s + "'"; };
    const std::filesystem::path aus = ordner / (kennung + ".stdout");
    const std::filesystem::path fehler = ordner / (kennung + ".stderr");
    std::string befehl = zitiert(VELION_CLI);
    for (const std::string& a : argumente) befehl += " " + zitiert(a);
    befehl += " >" + zitiert(aus.string()) + " 2>" + zitiert(fehler.string()) + " </dev/null";
    const int status = std::system(befehl.c_str());
    TCliAufruf r;
    r.Rueckgabe = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Aus = LeseDateiRoh(aus);
    r.Fehler = LeseDateiRoh(fehler);
    return r;
}

/// An example scene by name.
inline std::filesystem::path Beispielszene(const std::string& name)
{
    return std::filesystem::path(VELION_EXAMPLES) / (name + ".vel");
}
