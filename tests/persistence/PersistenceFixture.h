#pragma once
// Shared set-up of the persistence tests: a clean message buffer, scripted answers to every
// question and dialog, and a private folder for files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

class PersistenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearGlobalMessage();
        auto scripted = std::make_unique<ScriptedInteraction>();
        interaction_ = scripted.get();
        InstallInteraction(std::move(scripted));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kavro_persistence_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                   std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }

    void TearDown() override {
        SetFileFaultInjector(nullptr);
        InstallInteraction(std::make_unique<ConsoleInteraction>());
        ClearGlobalMessage();
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        std::filesystem::path path = folder_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static std::string Message() { return GetGlobalMessageBuffer(); }

    ScriptedInteraction* interaction_ = nullptr;
    std::filesystem::path folder_;
};
