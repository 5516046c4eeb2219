#pragma once
// Whether a file is well-formed XML as xmllint reads it: no complaint at all (namespace
// warnings included), not only a zero exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

::testing::AssertionResult PassesXmlLint(const std::filesystem::path& file);
// The same for any reader that is silent on a file it accepts ("mcs --parse" for C#).
::testing::AssertionResult PassesReader(const std::string& command, const std::filesystem::path& file);
