#pragma once
// A scripted desktop and the capture reading it, with the installed GUI builders.
#include <gtest/gtest.h>

#include <memory>

#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/WindowTreeSource.h"
#include "tests/support/GlobalState.h"

// Frees a captured tree that no table owns.
struct CapturedTreeDeleter {
    void operator()(CWindowKav* window) const {
        window->DeleteChildren();
        delete window;
    }
};
using CapturedTree = std::unique_ptr<CWindowKav, CapturedTreeDeleter>;

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
    }

    CapturedTree Capture(WindowHandle window) { return CapturedTree(spy_.CaptureWindowTree(window, nullptr, 0)); }

    WindowTreeSource source_;
    CGuiSpyDlg spy_{source_, GetGuiBuilderDatabase(), nullptr};
};
