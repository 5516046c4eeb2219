#pragma once
// Reads element texts into a project of its own through the reader's element dispatch, and
// writes model objects to text.
#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "persistence/XMLDataManager.h"
#include "PersistenceFixture.h"

class ElementTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        reader_.SetCurrentProject(&loaded_);
    }

    // Parses the elements as the top elements of a project file of that version.
    bool Read(const std::string& elements, const std::string& version = "12.4") {
        return ReadDocument("<KAVRO_DATA Version=\"" + version + "\">" + elements + "</KAVRO_DATA>");
    }

    // Parses the document from the file "read/in.xml" with the reader's version text as given:
    // empty, as the loader leaves it before each file.
    bool ReadDocument(const std::string& document, const std::string& versionText = "",
                      const XmlHandlers& handlers = CXMLDataManager::StandardHandlers()) {
        std::string path = WriteFile("read/in.xml", document);
        file_ = std::make_unique<CFileKav>("", path, path);
        reader_.SetVersionText(versionText);
        ClearGlobalMessage();
        return reader_.ParseFile(file_.get(), "UTF-8", handlers);
    }

    // The text that the writer call left in the builder, which is emptied.
    std::string Written() {
        std::string out;
        reader_.FlushDocument(false, out);
        return out;
    }

    CXMLDataManager reader_;
    CApplicationKav loaded_{ProjectSettings{}};
    std::unique_ptr<CFileKav> file_;
};
