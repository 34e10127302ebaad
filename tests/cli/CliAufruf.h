// Runs velion-cli (or a checking tool) as a separate process for the end-to-end tests: exit code,
// stdout and stderr, and on request Ctrl-C once stderr shows a given text.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "common/Textdatei.h"

extern char** environ;

struct TCliAufruf {
    int Rueckgabe = -1;  ///< the exit code; -1 when the program could not start or did not exit
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

/// Runs `programm` (a path, or a name looked up in PATH) with `argumente` and no input; stdout and
/// stderr go through files in `ordner` named after `kennung`, which must be unique among the calls
/// that may run at the same time. With `unterbrechenBei`, SIGINT is sent once stderr holds that
/// text (the wait for it ends after a minute).
inline TCliAufruf StarteProgramm(const std::string& programm, const std::vector<std::string>& argumente,
                                 const std::filesystem::path& ordner, const std::string& kennung,
                                 const std::string& unterbrechenBei = {})
{
    const std::filesystem::path aus = ordner / (kennung + ".stdout");
    const std::filesystem::path fehler = ordner / (kennung + ".stderr");
    std::filesystem::remove(aus);
    std::filesystem::remove(fehler);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> alle{programm};
    alle.insert(alle.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (std::string& a : alle) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int start = posix_spawnp(&pid, programm.c_str(), &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    TCliAufruf r;
    if (start != 0) return r;
    int status = 0;
    bool beendet = false;
    if (!unterbrechenBei.empty()) {
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < ende && !(beendet = waitpid(pid, &status, WNOHANG) == pid)) {
            // The child opens its files itself: until then there is nothing to read.
            if (std::filesystem::exists(fehler) && LeseDateiRoh(fehler).find(unterbrechenBei) != std::string::npos) {
                kill(pid, SIGINT);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    if (!beendet) beendet = waitpid(pid, &status, 0) == pid;
    if (beendet && WIFEXITED(status)) r.Rueckgabe = WEXITSTATUS(status);
    r.Aus = LeseDateiRoh(aus);
    r.Fehler = LeseDateiRoh(fehler);
    return r;
}

/// Runs velion-cli with `argumente` (see StarteProgramm).
inline TCliAufruf StarteCli(const std::vector<std::string>& argumente, const std::filesystem::path& ordner,
                            const std::string& kennung, const std::string& unterbrechenBei = {})
{
    return StarteProgramm(VELION_CLI, argumente, ordner, kennung, unterbrechenBei);
}

/// An example scene by name.
inline std::filesystem::path Beispielszene(const std::string& name)
{
    return std::filesystem::path(VELION_EXAMPLES) / (name + ".vel");
}
