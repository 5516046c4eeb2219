#pragma once
// The spy runs its own modal loop: while it does, a test's dialog recorder lets dialogs through.
#include "tests/support/gui/GuiTest.h"

class RecorderPause {
public:
    explicit RecorderPause(DialogRecorder& recorder) : recorder_(recorder) { recorder_.Unregister(); }
    ~RecorderPause() { recorder_.Register(); }
    RecorderPause(const RecorderPause&) = delete;
    RecorderPause& operator=(const RecorderPause&) = delete;

private:
    DialogRecorder& recorder_;
};
