#pragma once
// The one way a converter writes a file: text collects in memory as UTF-8 and is encoded once,
// in the target's encoding, when the file is committed; the file is then replaced atomically,
// so a failed conversion leaves the previous script as it was. Line ends are never translated:
// WriteLine adds the file's own line end, Write puts the text as it is.
#include <filesystem>
#include <string>
#include <string_view>

class Progress;

enum class ScriptEncoding {
    Utf16LeWithBom,  // byte-order mark FF FE, then UTF-16 little endian
    Latin1,          // one byte per character up to U+00FF; "?" for any other
    Utf8,            // no byte-order mark; invalid sequences become U+FFFD
};

enum class LineEnd { CrLf, Lf };

class ScriptFile {
public:
    ScriptFile(std::filesystem::path path, ScriptEncoding encoding, LineEnd lineEnd)
        : path_(std::move(path)), encoding_(encoding), lineEnd_(lineEnd) {}

    const std::filesystem::path& Path() const { return path_; }

    void Write(std::string_view text) { text_.append(text); }
    void WriteLine(std::string_view text = {}) {
        text_.append(text);
        text_.append(lineEnd_ == LineEnd::CrLf ? "\r\n" : "\n");
    }
    // The text with each line feed written as the file's line end.
    void WriteText(std::string_view text);

    // The bytes the file will hold; replaced (when given) receives the number of characters
    // that the encoding cannot hold and that were written as "?".
    std::string EncodedBytes(int* replaced = nullptr) const;
    // Replaces the file with the bytes; false (nothing changed on disk) when it cannot be.
    bool Commit(int* replaced = nullptr) const;

private:
    std::filesystem::path path_;
    ScriptEncoding encoding_;
    LineEnd lineEnd_;
    std::string text_;
};

// Commits the file; characters written as "?" are reported to the progress (may be null).
bool CommitReportingReplacements(const ScriptFile& file, Progress* progress);
