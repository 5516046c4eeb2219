// The one writer of converter files: encodings, line ends and the atomic replacement.
#include <gtest/gtest.h>

#include "ConversionFixture.h"
#include "conversion/framework/ScriptFile.h"
#include "platform/AtomicFile.h"

namespace {

using ScriptFileTest = ConversionTest;

TEST_F(ScriptFileTest, Utf16FilesStartWithTheMarkAndKeepLineEndsAsWritten) {
    ScriptFile file(folder_ / "a.txt", ScriptEncoding::Utf16LeWithBom, LineEnd::CrLf);
    file.WriteLine("é€");
    file.Write("x\n𝄞");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(folder_ / "a.txt"),
              std::string("\xFF\xFE\xE9\x00\xAC\x20\r\x00\n\x00x\x00\n\x00\x34\xD8\x1E\xDD", 18));
}

TEST_F(ScriptFileTest, Latin1WritesOneBytePerCharacterAndCountsThoseItCannotHold) {
    ScriptFile file(folder_ / "a.t", ScriptEncoding::Latin1, LineEnd::CrLf);
    file.WriteLine("Größe ÿ");
    file.WriteText("€ 𝄞 end\nlast");
    int replaced = -1;
    EXPECT_EQ(file.EncodedBytes(&replaced), "Gr\xF6\xDF" "e \xFF\r\n? ? end\r\nlast");
    EXPECT_EQ(replaced, 2) << "a surrogate pair is one character";

    ScriptFile lf(folder_ / "b.t", ScriptEncoding::Latin1, LineEnd::Lf);
    lf.WriteLine("a");
    EXPECT_EQ(lf.EncodedBytes(), "a\n");
}

TEST_F(ScriptFileTest, AFailedCommitLeavesThePreviousFile) {
    ScriptFile first(folder_ / "a.txt", ScriptEncoding::Latin1, LineEnd::CrLf);
    first.Write("old");
    ASSERT_TRUE(first.Commit());
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path&) { return step != "write"; });
    ScriptFile second(folder_ / "a.txt", ScriptEncoding::Latin1, LineEnd::CrLf);
    second.Write("new");
    EXPECT_FALSE(second.Commit());
    EXPECT_EQ(ReadBytes(folder_ / "a.txt"), "old");
    EXPECT_EQ(FilesBelow(folder_), std::vector<std::string>{"a.txt"}) << "no temporary file stays";
}

}  // namespace
