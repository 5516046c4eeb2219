#pragma once
// Base of GUI tests that start the window program with a command line and drive its main frame:
// settings in memory, message boxes as the program shows them, and a documents folder of the
// test's own. Header only: the programs that use it link the shell's window program.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Interaction.h"
#include "platform/Settings.h"
#include "shell/CommandLine.h"
#include "shell/wx/KavroApp.h"
#include "shell/wx/WxInteraction.h"
#include "tests/support/gui/GuiTest.h"

class MainFrameTest : public GuiTest {
protected:
    void SetUp() override {
        std::filesystem::remove_all(documents_);
        setenv("XDG_DOCUMENTS_DIR", documents_.c_str(), 1);
        InstallSettings(std::make_unique<MemorySettings>());
        InstallInteraction(std::make_unique<WxInteraction>());
    }
    void TearDown() override {
        GuiTest::TearDown();
        InstallInteraction(std::make_unique<ConsoleInteraction>());
        // Start-up made the system clipboard the core's; the next test starts without it.
        InstallClipboardMirror(nullptr);
        std::filesystem::remove_all(documents_);
    }

    // The main frame when interactive use begins, else null with exitCode_ saying why.
    CMainFrameUi* Start(const std::vector<std::string>& tokens) {
        const CommandLine line = ReadCommandLine(tokens);
        exitCode_ = 0;
        return StartWindowProgram(line, exitCode_);
    }

    const std::string documents_ =
        (std::filesystem::temp_directory_path() / ("kavro_main_frame_" + std::to_string(getpid()))).string();
    int exitCode_ = 0;
};
