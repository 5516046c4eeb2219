#include "import/uml/XmiTransformer.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/InstallationData.h"
#include "platform/MessageBuffer.h"
#include "platform/UserFolders.h"

namespace {

constexpr int kNoSourceDocument = 45082;      // [W1082]
constexpr int kNoTemplate = 45083;            // [W1083]
constexpr int kNoStylesheetDocument = 45084;  // [W1084]
constexpr int kStylesheetNotLoaded = 45085;   // [W1085]
constexpr int kStylesheetRefused = 45086;     // [W1086]
constexpr int kNoProcessor = 45087;           // [W1087]
constexpr int kStylesheetException = 45088;   // [W1088]
constexpr int kSourceNotLoaded = 45089;       // [W1089]
constexpr int kNotXmi = 45090;                // [W1090]
constexpr int kNoStream = 45091;              // [W1091]
constexpr int kOutputRefused = 45092;         // [W1092]
constexpr int kInputRefused = 45093;          // [W1093]
constexpr int kTransformFailed = 45095;       // [W1095]
constexpr int kTransformException = 45096;    // [W1096]
constexpr int kNoStreamMemory = 45097;        // [W1097]
constexpr int kNoStreamLength = 45131;        // [W1131]
constexpr int kCannotCreate = 45132;          // [W1132]
constexpr int kCannotWrite = 45133;           // [W1133]
constexpr int kPassesException = 45149;       // [W1149]

// No network, no DTD and no external entity for any document the passes read.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA;

template <class... A>
bool Refuse(int id, const A&... args) {
    SetMessage(id, args...);
    return false;
}

// While it lives, what libxml2 and libxslt report goes into its text instead of standard error;
// the first report is the reason given with a failure.
class ErrorCapture {
public:
    ErrorCapture() {
        xmlSetStructuredErrorFunc(this, &ErrorCapture::OnXmlError);
        xsltSetGenericErrorFunc(this, &ErrorCapture::OnXsltError);
    }
    ~ErrorCapture() {
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        xsltSetGenericErrorFunc(nullptr, nullptr);
    }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    std::string Reason() const { return first_.empty() ? "unknown error" : first_; }

private:
    void Add(std::string_view text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
        if (first_.empty()) first_ = text;
    }
    static void OnXmlError(void* self, xmlErrorPtr error) {
        if (error && error->message) static_cast<ErrorCapture*>(self)->Add(error->message);
    }
    static void OnXsltError(void* self, const char* format, ...) {
        char text[1024];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        static_cast<ErrorCapture*>(self)->Add(text);
    }

    std::string first_;
};

struct ResultDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
    void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
    void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
    void operator()(xmlChar* bytes) const { xmlFree(bytes); }
    void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
};
template <class T>
using Owned = std::unique_ptr<T, ResultDeleter>;

std::string ElementName(const xmlNode* element) {
    std::string name;
    if (element->ns && element->ns->prefix) name = std::string(reinterpret_cast<const char*>(element->ns->prefix)) + ":";
    return name + reinterpret_cast<const char*>(element->name);
}

std::string InProjectsFolder(const char* name) { return (GetUserFolders().projects / name).string(); }

}  // namespace

CXmiTransformer::~CXmiTransformer() {
    ReleaseAll();
    std::error_code ignored;
    if (!firstTemporary_.empty()) std::filesystem::remove(firstTemporary_, ignored);
    if (!secondTemporary_.empty()) std::filesystem::remove(secondTemporary_, ignored);
}

void CXmiTransformer::ReleaseAll() {
    if (sourceDocument_) xmlFreeDoc(sourceDocument_);
    if (template_) xsltFreeStylesheet(template_);  // with the stylesheet document it took over
    if (stylesheetDocument_) xmlFreeDoc(stylesheetDocument_);
    if (security_) xsltFreeSecurityPrefs(security_);
    if (sourceParser_) xmlFreeParserCtxt(sourceParser_);
    sourceDocument_ = nullptr;
    template_ = nullptr;
    stylesheetDocument_ = nullptr;
    security_ = nullptr;
    sourceParser_ = nullptr;
}

bool CXmiTransformer::ConvertUml(const std::string& xmiPath, const std::string& outputPath) {
    firstTemporary_ = InProjectsFolder("tempConvertedUML1.xml");
    secondTemporary_ = InProjectsFolder("tempConvertedUML2.xml");
    const std::filesystem::path stylesheets = FindInstallationFolder() / "XSLT";
    try {
        const bool converted = LoadStylesheet((stylesheets / "1_normalize.xslt").string()) &&
                               Transform(xmiPath, firstTemporary_, true) &&
                               LoadStylesheet((stylesheets / "2_optimize.xslt").string()) &&
                               Transform(firstTemporary_, secondTemporary_, false) &&
                               LoadStylesheet((stylesheets / "3_remDuplicates.xslt").string()) &&
                               Transform(secondTemporary_, outputPath, false);
        ReleaseAll();
        return converted;
    } catch (const std::exception&) {
        ReleaseAll();
        return Refuse(kPassesException);
    }
}

bool CXmiTransformer::LoadStylesheet(const std::string& xslPath) {
    ReleaseAll();
    try {
        ErrorCapture errors;
        sourceParser_ = xmlNewParserCtxt();
        if (!sourceParser_) return Refuse(kNoSourceDocument);
        security_ = xsltNewSecurityPrefs();
        if (!security_) return Refuse(kNoTemplate);
        Owned<xmlParserCtxt> stylesheetParser(xmlNewParserCtxt());
        if (!stylesheetParser) return Refuse(kNoStylesheetDocument);
        stylesheetDocument_ = xmlCtxtReadFile(stylesheetParser.get(), xslPath.c_str(), nullptr, kParseOptions);
        if (!stylesheetDocument_) return Refuse(kStylesheetNotLoaded, errors.Reason());
        template_ = xsltParseStylesheetDoc(stylesheetDocument_);
        if (!template_) return Refuse(kStylesheetRefused);
        stylesheetDocument_ = nullptr;  // the template frees it
        for (xsltSecurityOption option : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                          XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
            if (xsltSetSecurityPrefs(security_, option, xsltSecurityForbid) != 0) return Refuse(kNoProcessor);
        return true;
    } catch (const std::exception& exception) {
        return Refuse(kStylesheetException, xslPath, exception.what());
    }
}

bool CXmiTransformer::Transform(const std::string& inputPath, const std::string& outputPath, bool checkRoot) {
    try {
        ErrorCapture errors;
        if (sourceDocument_) xmlFreeDoc(sourceDocument_);
        sourceDocument_ = sourceParser_ ? xmlCtxtReadFile(sourceParser_, inputPath.c_str(), nullptr, kParseOptions)
                                        : nullptr;
        if (!sourceDocument_) return Refuse(kSourceNotLoaded, errors.Reason());
        const xmlNode* root = xmlDocGetRootElement(sourceDocument_);
        if (checkRoot && (!root || ElementName(root) != "xmi:XMI")) return Refuse(kNotXmi);

        Owned<xmlBuffer> stream(xmlBufferCreate());
        if (!stream) return Refuse(kNoStream);
        Owned<xsltTransformContext> processor(template_ ? xsltNewTransformContext(template_, sourceDocument_) : nullptr);
        if (!processor || xsltSetCtxtSecurityPrefs(security_, processor.get()) != 0) return Refuse(kInputRefused);
        xsltSetCtxtParseOptions(processor.get(), kParseOptions);
        Owned<xmlDoc> result(
            xsltApplyStylesheetUser(template_, sourceDocument_, nullptr, nullptr, nullptr, processor.get()));
        if (!result || processor->state != XSLT_STATE_OK) return Refuse(kTransformFailed);
        xmlChar* bytes = nullptr;
        int length = 0;
        if (xsltSaveResultToString(&bytes, &length, result.get(), template_) != 0) return Refuse(kTransformFailed);
        Owned<xmlChar> output(bytes);
        if (length > 0 && xmlBufferAdd(stream.get(), output.get(), length) != 0) return Refuse(kOutputRefused);
        return WriteStreamToFile(stream.get(), outputPath);
    } catch (const std::exception& exception) {
        return Refuse(kTransformException, exception.what());
    }
}

bool CXmiTransformer::WriteStreamToFile(const _xmlBuffer* stream, const std::string& path) {
    if (!stream) return Refuse(kNoStreamMemory);
    const xmlChar* bytes = xmlBufferContent(stream);
    const int length = xmlBufferLength(stream);
    if (!bytes) return Refuse(kNoStreamMemory);
    if (length < 0) return Refuse(kNoStreamLength);
    const FileWriteResult written =
        WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length)));
    if (written.ok) return true;
    return Refuse(written.error.starts_with("cannot create") ? kCannotCreate : kCannotWrite);
}
