#include <gtest/gtest.h>

#include <climits>

#include "ProjectFiles.h"

namespace {

// Damaged copies of a saved project: each load ends with a message, and what was read before
// the damage can be linked and freed.
class MalformedInput : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        CApplicationKav source;
        ASSERT_EQ(Load(Golden("round_trip/project.xml"), source), 1) << Message();
        saved_ = ReadFile(Save("saved.xml"));
        CloseProject();
        CurrentApplication = nullptr;
    }

    // Reads the text as a project file; the message it left. A project whose parse succeeded
    // is linked as well.
    std::string LoadText(const std::string& text, int* relations = nullptr) {
        const std::string path = WriteFile("damaged.xml", text);
        CApplicationKav project;
        CurrentApplication = &project;
        if (Parse(path, project)) {
            const int result = reader_.BuildRelations(&project, false);
            if (relations) *relations = result;
        }
        CurrentApplication = nullptr;
        CloseProject();
        return Message();
    }

    // The saved text with the first occurrence of the text replaced.
    std::string Mangled(const std::string& text, const std::string& replacement) const {
        std::string mangled = saved_;
        const size_t at = mangled.find(text);
        EXPECT_NE(at, std::string::npos) << text;
        if (at != std::string::npos) mangled.replace(at, text.size(), replacement);
        return mangled;
    }

    std::string saved_;
};

}  // namespace

TEST_F(MalformedInput, ATruncatedFileGivesTheParseErrorWithItsLine) {
    for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
        const std::string cut = saved_.substr(0, saved_.size() * sixteenth / 16);
        const std::string message = LoadText(cut);
        EXPECT_TRUE(message.starts_with("Error while parsing XML file ")) << sixteenth << ": " << message;
        EXPECT_TRUE(message.ends_with("[W1110]")) << sixteenth << ": " << message;
    }
}

TEST_F(MalformedInput, WrongTypesAndHugeNumbersGiveTheirMessagesOrTheirDefaults) {
    struct Case {
        std::string text, replacement, message;
        int relations;  // 0: the parse fails
    };
    const Case cases[] = {
        {"Type=\"13\"", "Type=\"99\"", "Window w_tab has illegal type! [W0852]", 0},
        {"Type=\"13\"", "Type=\"99999999999999999999\"", "Window w_tab has illegal type! [W0852]", 0},
        {"ActionID=\"2\"", "ActionID=\"-99999999999\"", "Invalid action ID=-2147483648! [W0862]", -2},
        {"StartID=\"s1\"", "StartID=\"s1&#x9;\"", "Start step of task with ID=t1 not found! [W0816]", -2},
        {"<TASK ID=\"t1\"", "<TASK ID=\"\"", "Missing or invalid ID for tag 'TASK'! [W0839]", 0},
        {"<TASKSTEP ID=\"s2\"", "<TASKSTEP ID=\"s1\"", "Destination task step with ID=s2 not found! [W0815]", -2},
        {"Name=\"Login\" Type=\"0\"", "Name=\"Login\" Type=\"0\" Type=\"1\"", "duplicate attribute [W1110]", 0},
        {"DestWndID=\"w_main\"", "DestWndID=\"\xFF\"", "not well-formed (invalid token) [W1110]", 0},
        {"DestWndID=\"w_main\"", "DestWndID=\"&#x0;\"", "reference to invalid character number [W1110]", 0},
        {"Name=\"Demo\"", "Name=\"&undefined;\"", "undefined entity [W1110]", 0},
        // Numbers out of range clamp, texts that are no numbers read as 0: the project loads.
        {"TC_No=\"2\"", "TC_No=\"99999999999999999999\"", "", 1},
        {"Style=\"-2134900736\"", "Style=\"abc\"", "", 1},
        {"Priority=\"2\"", "Priority=\"-\"", "", 1},
        {"Criticality=\"3\"", "Criticality=\"2147483648\"", "", 1},
    };
    for (const Case& c : cases) {
        int relations = 0;
        const std::string message = LoadText(Mangled(c.text, c.replacement), &relations);
        EXPECT_EQ(relations, c.relations) << c.replacement << ": " << message;
        if (c.relations == 0 || c.relations == -2) {
            EXPECT_FALSE(message.empty()) << c.replacement;
            EXPECT_TRUE(message.ends_with(c.message)) << c.replacement << ": " << message;
        }
    }
}

TEST_F(MalformedInput, AHugeNumberReadsAsTheLargestInteger) {
    const std::string path = WriteFile("huge.xml", Mangled("TC_No=\"2\"", "TC_No=\"99999999999999999999\""));
    CApplicationKav project;
    CurrentApplication = &project;
    ASSERT_TRUE(Parse(path, project)) << Message();
    EXPECT_EQ(project.GetTestCases()[1]->GetNumber(), INT_MAX);
}

// Tool data is walked recursively wherever it is used: a nesting no tool produces is refused.
TEST_F(MalformedInput, ToolDataNestedBeyondAThousandLevelsIsRefused) {
    const auto nested = [this](int depth) {
        std::string elements;
        for (int i = 0; i < depth; ++i) elements += "<XML_ELEMENT Name=\"x\">";
        for (int i = 0; i < depth; ++i) elements += "</XML_ELEMENT>";
        return Mangled("</WND>", elements + "</WND>");
    };
    EXPECT_EQ(LoadText(nested(1000)), "");
    EXPECT_EQ(LoadText(nested(100000)),
              "Invalid file structure: 'XML_ELEMENT' tag detected at invalid position! [W1185]");
}
