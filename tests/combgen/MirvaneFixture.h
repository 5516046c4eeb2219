#pragma once
// Resets the library's one configuration and its message around every test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "combgen/ConditionParser.h"
#include "combgen/Configuration.h"
#include "combgen/Mirvane.h"
#include "combgen/Normalizer.h"

class MirvaneTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        CExportQZ().ClearConfiguration();
        ClearLibraryMessage();
    }

    static void AddVariables(std::initializer_list<const char*> names, int lower = 0, int upper = 10) {
        for (const char* name : names) ASSERT_EQ(CExportQZ().AddVariable(name, lower, upper), 1) << name;
    }

    // Parsed and normalised, or null with the message.
    static std::unique_ptr<CConditionTree> Normalized(const std::string& text) {
        auto tree = ParseCondition(text);
        if (!tree || !NormalizeCondition(tree)) return nullptr;
        return tree;
    }

    static std::string Message() { return GetLibraryMessage(); }
};
