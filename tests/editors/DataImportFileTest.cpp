#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "conditions/ValueTypes.h"
#include "editors/data/DataImportDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/ToolRunner.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

using ::testing::ElementsAre;

namespace {

using FieldValues = std::map<std::string, std::string>;

class DataImportFileTest : public ProjectTest {
protected:
    int Import(const std::string& content, const std::string& separator = ";", CDataSet* into = nullptr) {
        path = folder.Write("data.txt", content);
        return ImportPath(path, separator, into);
    }
    int ImportPath(const std::string& file, const std::string& separator, CDataSet* into = nullptr) {
        ClearGlobalMessage();
        return CDataImportDlg::ImportFile(file, separator, into ? *into : *set);
    }

    CDataField* Field(const std::string& name, int type) {
        CDataField* field = set->GetFields().Add(new CDataField(name, type));
        field->SetFile(set->GetFile());
        return field;
    }

    static std::vector<std::string> FieldNames(const CDataSet& dataSet) {
        std::vector<std::string> names;
        for (const CDataField* field : dataSet.GetFields()) names.push_back(field->GetName());
        return names;
    }
    static std::vector<std::string> RecordNames(const CDataSet& dataSet) {
        std::vector<std::string> names;
        for (const CDataRecord* record : dataSet.GetRecords()) names.push_back(record->GetName());
        return names;
    }
    // The record's values by field name; a field without a value is missing.
    static FieldValues Values(const CDataSet& dataSet, const CDataRecord& record) {
        FieldValues values;
        for (const CDataField* field : dataSet.GetFields()) {
            const auto value = record.GetValues().find(field->GetId());
            if (value != record.GetValues().end()) values[field->GetName()] = value->second;
        }
        return values;
    }
    static std::vector<FieldValues> AllValues(const CDataSet& dataSet) {
        std::vector<FieldValues> all;
        for (const CDataRecord* record : dataSet.GetRecords()) all.push_back(Values(dataSet, *record));
        return all;
    }

    // The fixture files made by Python's own encoders.
    std::filesystem::path PythonMadeFiles() {
        const std::filesystem::path made = folder.Path() / "python";
        const std::string script = std::string(KAVRO_SOURCE_DIR) + "/tests/editors/fixtures/make_import_files.py";
        SpawnToolRunner runner;
        EXPECT_EQ(runner.Run({"python3", {script, made.string()}, {}}), std::optional<int>(0));
        return made;
    }

    ScratchFolder folder;
    std::string path;
    CDataSet* set = project.AddDataSet("Input");
};

}  // namespace

TEST_F(DataImportFileTest, EachEncodingOfAFileGivesTheSameRecord) {
    const std::filesystem::path files = PythonMadeFiles();
    for (const char* name : {"utf16le_bom.txt", "utf8_bom.txt", "latin1.txt"}) {
        CDataSet* into = project.AddDataSet(std::string("From_") + std::to_string(app.GetDataSets().size()));
        ASSERT_EQ(ImportPath((files / name).string(), "\t", into), 1) << name << GetGlobalMessageBuffer();
        ASSERT_EQ(into->GetRecords().size(), 1u) << name;
        const CDataRecord& record = *into->GetRecords()[0];
        EXPECT_EQ(record.GetName(), "Rec_V01");
        EXPECT_TRUE(record.IsValid());
        EXPECT_EQ(record.GetOriginText(), "Imported");
        EXPECT_EQ(Values(*into, record),
                  (FieldValues{{"Name", "M\u00fcller"}, {"City", "K\u00f6ln"}, {"Member", "yes"}}))
            << name;
        for (const CDataField* field : into->GetFields()) EXPECT_EQ(field->GetType(), kTypeString) << name;
    }
}

TEST_F(DataImportFileTest, LineEndsAndBrokenBytesDoNotChangeWhatIsRead) {
    const std::filesystem::path files = PythonMadeFiles();
    CDataSet* lf = project.AddDataSet("Lf");
    CDataSet* crlf = project.AddDataSet("CrLf");
    ASSERT_EQ(ImportPath((files / "utf8_lf.txt").string(), "\t", lf), 1);
    ASSERT_EQ(ImportPath((files / "utf8_crlf.txt").string(), "\t", crlf), 1);
    EXPECT_EQ(FieldNames(*lf), FieldNames(*crlf));
    EXPECT_EQ(AllValues(*lf), AllValues(*crlf));
    EXPECT_EQ(AllValues(*lf)[0].at("Member"), "yes");  // no CR left behind

    CDataSet* ansi = project.AddDataSet("Ansi");
    ASSERT_EQ(ImportPath((files / "cp1252.txt").string(), "\t", ansi), 1);
    EXPECT_THAT(AllValues(*ansi), ElementsAre(FieldValues{{"Price", "\u20ac 5 \u201cnet\u201d"}}));
    CDataSet* broken = project.AddDataSet("Broken");
    ASSERT_EQ(ImportPath((files / "utf16le_broken.txt").string(), "\t", broken), 1);
    EXPECT_THAT(AllValues(*broken), ElementsAre(FieldValues{{"Name", "\uFFFDx\uFFFD"}}));
}

TEST_F(DataImportFileTest, HeaderNamesBecomeFieldsAndExistingRecordsGetEmptyValues) {
    set->GetRecords().Add(new CDataRecord("Rec_V01", 1, kOriginManual));
    ASSERT_EQ(Import("First Name;2nd;\n"
                     "a;b;\n"
                     "x;y;z\n"),
              1)
        << GetGlobalMessageBuffer();
    EXPECT_THAT(FieldNames(*set), ElementsAre("FirstName", "ID2nd", "ID"));
    for (const CDataField* field : set->GetFields()) {
        EXPECT_EQ(field->GetType(), kTypeString);
        EXPECT_EQ(field->GetMin(), 0);
        EXPECT_EQ(field->GetMax(), 999999);
        EXPECT_EQ(field->GetFile(), set->GetFile());
    }
    EXPECT_THAT(RecordNames(*set), ElementsAre("Rec_V01", "Rec_V02", "Rec_V03"));
    EXPECT_THAT(AllValues(*set),
                ElementsAre(FieldValues{{"FirstName", ""}, {"ID2nd", ""}, {"ID", ""}},
                            // The empty last value is not stored.
                            FieldValues{{"FirstName", "a"}, {"ID2nd", "b"}},
                            FieldValues{{"FirstName", "x"}, {"ID2nd", "y"}, {"ID", "z"}}));
}

TEST_F(DataImportFileTest, HeaderNamesFindFieldsWithoutCaseAndNamesThatBecomeOneShareAField) {
    Field("Age", kTypeNum);
    ASSERT_EQ(Import("age;Name;name;N-ame\n1,5;first;second;third\n"), 1);
    EXPECT_THAT(FieldNames(*set), ElementsAre("Age", "Name"));
    // A number field takes the value unchecked; the last column of a shared field wins.
    EXPECT_THAT(AllValues(*set), ElementsAre(FieldValues{{"Age", "1,5"}, {"Name", "third"}}));
}

TEST_F(DataImportFileTest, BoolFieldsTakeTrueForTheTruthWordsAndFalseForTheRest) {
    Field("Flag", kTypeBool);
    ASSERT_EQ(Import("Flag;Note\n1;a\nyes;b\nON;c\nJa;d\nj;e\ntrue;f\ny;g\n0;h\nNO;i\nmaybe;j\n;k\n"), 1);
    std::vector<std::string> flags;
    for (const FieldValues& values : AllValues(*set)) flags.push_back(values.at("Flag"));
    EXPECT_THAT(flags, ElementsAre("TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "FALSE", "FALSE", "FALSE",
                                   "FALSE"));
}

TEST_F(DataImportFileTest, ALineOfAnotherCountIsRefusedAndTheSetStaysAsItWas) {
    set->GetRecords().Add(new CDataRecord("Rec_V01", 1, kOriginManual));
    Field("A", kTypeString);
    struct Case {
        std::string content;
        std::string message;
    };
    const Case cases[] = {
        {"A;B\n\n1;2;3\n",
         "The number of values in line 3 does not match the number of field names in the header! [W0578]"},
        {"A;B\n1\n", "The number of values in line 2 does not match the number of field names in the header! [W0596]"},
        // What the lines before gave is not kept either.
        {"A;B\nx;y\nz;w\n\n1;2;3;\n",
         "The number of values in line 5 does not match the number of field names in the header! [W0578]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Import(c.content), 0) << c.content;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
        EXPECT_THAT(FieldNames(*set), ElementsAre("A"));
        EXPECT_THAT(RecordNames(*set), ElementsAre("Rec_V01"));
        EXPECT_TRUE(set->GetRecords()[0]->GetValues().empty());
    }
}

TEST_F(DataImportFileTest, FilesThatCannotBeReadSayWhy) {
    const std::string missing = (folder.Path() / "missing.txt").string();
    EXPECT_EQ(ImportPath(missing, ";"), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "File '" + missing + "' not found! [W0518]");
    EXPECT_EQ(Import(""), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "File '" + path + "' is empty! [W0565]");
    EXPECT_EQ(ImportPath(folder.Path().string(), ";"), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Could not open file '" + folder.Path().string() + "' for reading! [W0517]");
    EXPECT_TRUE(set->GetFields().empty());
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const std::string locked = folder.Write("locked.txt", "A\n1\n");
    ::chmod(locked.c_str(), 0);
    EXPECT_EQ(ImportPath(locked, ";"), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot open file '" + locked + "': Access denied! [W0519]");
}

TEST_F(DataImportFileTest, TheSeparatorSplitsAtWholeOccurrencesAndQuotesStay) {
    ASSERT_EQ(Import("A::B\n\"x\"::y:z\n a ::\n::b\n", "::"), 1);
    EXPECT_THAT(AllValues(*set), ElementsAre(FieldValues{{"A", "\"x\""}, {"B", "y:z"}},
                                             // Blanks belong to the value; an empty last one is not stored.
                                             FieldValues{{"A", " a "}}, FieldValues{{"A", ""}, {"B", "b"}}));
    CDataSet* tabs = project.AddDataSet("Tabs");
    ASSERT_EQ(Import("A\tB\r\n1\t2", "\t", tabs), 1);
    EXPECT_THAT(AllValues(*tabs), ElementsAre(FieldValues{{"A", "1"}, {"B", "2"}}));
    // Without a separator a line is one value.
    CDataSet* whole = project.AddDataSet("Whole");
    ASSERT_EQ(Import("A;B\n1;2\n", "", whole), 1);
    EXPECT_THAT(FieldNames(*whole), ElementsAre("AB"));
    EXPECT_THAT(AllValues(*whole), ElementsAre(FieldValues{{"AB", "1;2"}}));
}

TEST_F(DataImportFileTest, AHeaderAloneImportsNoRecordAndNumbersSkipTakenNames) {
    ASSERT_EQ(Import("Only"), 1);
    EXPECT_THAT(FieldNames(*set), ElementsAre("Only"));
    EXPECT_TRUE(set->GetRecords().empty());
    set->GetRecords().Add(new CDataRecord("Rec_V01", 1, kOriginManual));
    set->GetRecords().Add(new CDataRecord("rec_v03", 0, kOriginManual));
    ASSERT_EQ(Import("Only\n1\n2\n3\n"), 1);
    EXPECT_THAT(RecordNames(*set), ElementsAre("Rec_V01", "rec_v03", "Rec_V02", "Rec_V04", "Rec_V05"));
}

TEST_F(DataImportFileTest, ImportedMarkupCharactersSaveAsWellFormedXmlAndLoadBack) {
    // A project of its main file alone with its root task, as a file on disk.
    const std::string saved = (folder.Path() / "Proj.xml").string();
    project.Main()->UsedFileIds().clear();
    project.Main()->SetID("p1");
    app.SetId("p1");
    set->SetFileId("p1");
    project.AddTask("Proj", nullptr, 2)->SetFileId("p1");
    app.GetFiles().Delete(project.Lib());
    ASSERT_EQ(Import("Text\n<a & \"b\">\n"), 1);
    CXMLDataManager writer;
    std::string unused;
    ASSERT_EQ(writer.SaveProject(true, saved, app, unused), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(std::system(("xmllint --noout '" + saved + "'").c_str()), 0);

    CApplicationKav reloaded;
    CurrentApplication = &reloaded;
    CXMLDataManager reader;
    const int loaded = reader.LoadProject(saved, nullptr);
    CurrentApplication = &app;
    ASSERT_EQ(loaded, 1) << GetGlobalMessageBuffer();
    const CDataSet* again = reloaded.FindDataSet("Input", false);
    ASSERT_NE(again, nullptr);
    EXPECT_THAT(AllValues(*again), ElementsAre(FieldValues{{"Text", "<a & \"b\">"}}));
}
