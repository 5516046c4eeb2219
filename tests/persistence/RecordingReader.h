#pragma once
// A reader whose element handlers record what they receive and can run a test's own step.
#include <functional>
#include <string>
#include <vector>

#include "persistence/XMLDataManager.h"

class RecordingReader : public CXMLDataManager {
public:
    void OnStartElement(const std::string& name, const XmlAttributeList& attributes) override {
        std::string line = "start " + name + " in '" + ParentElementName() + "'";
        for (const XmlAttribute& a : attributes) line += " " + std::string(a.name) + "=" + std::string(a.value);
        events.push_back(line);
        if (onStart) onStart(*this, name);
    }
    void OnEndElement(const std::string& name, const std::string& text) override {
        events.push_back("text " + name + " in '" + ParentElementName() + "': " + text);
    }

    // The standard handlers, with the end of each element recorded as well; the end of the
    // element named suspendAfter suspends the parse, as a reader of file headers does.
    static XmlHandlers Handlers() {
        XmlHandlers handlers = StandardHandlers();
        handlers.end = [](CXMLDataManager& reader, const std::string& name) {
            auto& self = static_cast<RecordingReader&>(reader);
            self.events.push_back("end " + name);
            EndElement(reader, name);
            if (name == self.suspendAfter) reader.SuspendParser();
        };
        return handlers;
    }

    std::vector<std::string> events;
    std::function<void(RecordingReader&, const std::string& name)> onStart;
    std::string suspendAfter;
};
