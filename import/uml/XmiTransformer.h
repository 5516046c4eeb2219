#pragma once
// Turns a UML model in XMI form into a project file by three XSLT passes with the stylesheets of
// the installation's XSLT folder: 1_normalize.xslt reads the XMI into packages, use cases and
// their activities, 2_optimize.xslt bridges the control nodes, 3_remDuplicates.xslt keeps each
// element once and writes the project file. The passes run on libxml2 and libxslt; no network,
// external entity or DTD is loaded and the stylesheets may not write files. The intermediate
// files lie in the projects folder while the transformer lives.
#include <string>

struct _xmlBuffer;
struct _xmlDoc;
struct _xmlParserCtxt;
struct _xsltSecurityPrefs;
struct _xsltStylesheet;

class CXmiTransformer {
public:
    CXmiTransformer() = default;
    // Releases what it holds and deletes the intermediate files of passes 1 and 2.
    ~CXmiTransformer();
    CXmiTransformer(const CXmiTransformer&) = delete;
    CXmiTransformer& operator=(const CXmiTransformer&) = delete;

    // The three passes from the XMI file to the project file: false with the message in the
    // global buffer.
    bool ConvertUml(const std::string& xmiPath, const std::string& outputPath);
    // Prepares the processor of one stylesheet, replacing what the last pass held.
    bool LoadStylesheet(const std::string& xslPath);
    // One pass with the prepared processor; checkRoot requires the root element "xmi:XMI".
    bool Transform(const std::string& inputPath, const std::string& outputPath, bool checkRoot);
    // Writes the bytes the processor put into the buffer to the file.
    bool WriteStreamToFile(const _xmlBuffer* stream, const std::string& path);
    void ReleaseAll();

    // The intermediate files, set by ConvertUml.
    const std::string& FirstTemporaryPath() const { return firstTemporary_; }
    const std::string& SecondTemporaryPath() const { return secondTemporary_; }

private:
    // The source documents' parser (with the parse errors of the last load).
    _xmlParserCtxt* sourceParser_ = nullptr;
    // What the processor may not do: write files, create folders, use the network.
    _xsltSecurityPrefs* security_ = nullptr;
    // The stylesheet as read, until the template takes it over.
    _xmlDoc* stylesheetDocument_ = nullptr;
    _xsltStylesheet* template_ = nullptr;
    _xmlDoc* sourceDocument_ = nullptr;
    std::string firstTemporary_;
    std::string secondTemporary_;
};
