// A scratch folder per test, named after the test and the process, removed with the test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class TTestordner {
public:
    TTestordner()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        pfad_ = std::filesystem::temp_directory_path() /
                (std::string("velion_") + info->test_suite_name() + "_" + info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(pfad_);
        std::filesystem::create_directories(pfad_);
    }
    ~TTestordner() { std::filesystem::remove_all(pfad_); }
    TTestordner(const TTestordner&) = delete;
    TTestordner& operator=(const TTestordner&) = delete;

    const std::filesystem::path& Pfad() const { return pfad_; }
    std::filesystem::path operator/(const std::filesystem::path& relativ) const { return pfad_ / relativ; }

    void Schreibe(const std::filesystem::path& relativ, std::string_view inhalt) const
    {
        std::filesystem::create_directories((pfad_ / relativ).parent_path());
        std::ofstream(pfad_ / relativ, std::ios::binary) << inhalt;
    }

private:
    std::filesystem::path pfad_;
};
