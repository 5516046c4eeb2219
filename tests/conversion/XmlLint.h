#pragma once
// Whether a file is well-formed XML as xmllint reads it: no complaint at all (namespace
// warnings included), not only a zero exit code.
#include <gtest/gtest.h>

#include <filesystem>

::testing::AssertionResult PassesXmlLint(const std::filesystem::path& file);
