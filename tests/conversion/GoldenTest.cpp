// Whole outputs of each format, compared with the files under tests/golden/conversion/<case>/:
// the case's project.xml is loaded and converted in batch mode; the expected folder holds the
// script folder as written and messages.txt, the texts of the message boxes shown. A path into
// the run's scratch folder, which differs from run to run, is written as "<run>".
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "conversion/framework/OutputFormats.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/support/GoldenFiles.h"

namespace {

struct GoldenCase {
    const char* name;
    int format;
};

class GoldenConversionTest : public ConversionTest, public ::testing::WithParamInterface<GoldenCase> {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        InstallFixedClock();
    }

    static std::filesystem::path CaseFolder() {
        return std::filesystem::path(KAVRO_SOURCE_DIR) / "tests" / "golden" / "conversion" / GetParam().name;
    }

    // Reads and links the project file as loading a project does; the file is named by its
    // name alone, so that outputs that name it are the same wherever the sources lie.
    bool Load(const std::filesystem::path& file) {
        CurrentApplication = &loaded;
        loaded.GetFiles().Add(new CFileKav("", file.filename().string(), file.string()));
        CXMLDataManager reader;
        MessageLog log;
        reader.SetMessageLog(&log);
        reader.SetCurrentProject(&loaded);
        reader.SetVersionText("");
        if (!reader.ParseFile(loaded.GetMainFile(), "UTF-8", CXMLDataManager::StandardHandlers())) return false;
        return reader.BuildRelations(&loaded, true) == 1;
    }

    CApplicationKav loaded;
};

void ReplaceRunFolder(const std::filesystem::path& folder) {
    const std::string runFolder = folder.string();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::string bytes = ReadFileBytes(entry.path());
        bool replaced = false;
        for (size_t at; (at = bytes.find(runFolder)) != std::string::npos; replaced = true)
            bytes.replace(at, runFolder.size(), "<run>");
        if (replaced) std::ofstream(entry.path(), std::ios::binary) << bytes;
    }
}

TEST_P(GoldenConversionTest, WritesTheExpectedFiles) {
    ASSERT_TRUE(Load(CaseFolder() / "project.xml")) << GetGlobalMessageBuffer();
    ConvertInBatch(GetParam().format);
    std::ofstream messages(folder_ / "messages.txt", std::ios::binary);
    for (const std::string& text : TestInteraction().Texts()) messages << text << "\n";
    messages.close();
    ReplaceRunFolder(folder_);
    ExpectFolderMatchesGolden(folder_, CaseFolder() / "expected");
}

INSTANTIATE_TEST_SUITE_P(Formats, GoldenConversionTest,
                         ::testing::Values(GoldenCase{"plain_text", kFormatPlainText},
                                           GoldenCase{"universal_file", kFormatUniversalFile},
                                           GoldenCase{"alm_sheet", kFormatAlmSheet},
                                           GoldenCase{"block_info_sheet", kFormatBlockInfoSheet},
                                           GoldenCase{"esa_block_info_sheet", kFormatBlockInfoSheet},
                                           GoldenCase{"vornak_exchange", kFormatVornakXml},
                                           GoldenCase{"esa_dova", kFormatEsaDovaXml},
                                           GoldenCase{"esa_eud_art", kFormatEsaEudArtXml},
                                           GoldenCase{"ibm_qm", kFormatIbmQmXml},
                                           GoldenCase{"silktest", kFormatSilkTest},
                                           GoldenCase{"winrunner", kFormatWinRunner},
                                           GoldenCase{"testpartner", kFormatTestPartner},
                                           GoldenCase{"ranorex", kFormatRanorex},
                                           GoldenCase{"uft", kFormatUft}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

}  // namespace
