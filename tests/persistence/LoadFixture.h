#pragma once
// Loading whole projects from files written into the test's folder: a project file is made
// from its header and elements, and the current application receives the load. The working
// directory must be the same after every test.
#include <filesystem>
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "PersistenceFixture.h"

class LoadTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        workingDirectory_ = std::filesystem::current_path();
        CurrentApplication = &root_;
    }

    void TearDown() override {
        EXPECT_EQ(std::filesystem::current_path(), workingDirectory_);
        CurrentApplication = nullptr;
        PersistenceTest::TearDown();
    }

    // A project file of that version: PROJECT with the FILE children, then the elements.
    std::string WriteProject(const std::string& name, const std::string& projectId, const std::string& projectName,
                             const std::string& files, const std::string& elements,
                             const std::string& version = "12.4") {
        return WriteFile(name, "<KAVRO_DATA Version=\"" + version + "\"><PROJECT ID=\"" + projectId + "\" Name=\"" +
                                   projectName + "\">" + files + "</PROJECT>" + elements + "</KAVRO_DATA>");
    }

    static std::string FileElement(const std::string& id, const std::string& path) {
        return "<FILE ID=\"" + id + "\" Path=\"" + path + "\"/>";
    }

    int Load(const std::string& path) { return reader_.LoadProject(path, &log_); }

    bool Logged(const std::string& line) const {
        for (const std::string& l : log_.Lines())
            if (l == line) return true;
        return false;
    }

    std::vector<std::string> Asked() const { return interaction_->Texts(); }

    CApplicationKav root_;
    CXMLDataManager reader_;
    MessageLog log_;
    std::filesystem::path workingDirectory_;
};
