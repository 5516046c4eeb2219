#pragma once
// A file written in one piece: what is written collects in memory, and Commit replaces the
// file atomically, so a failed write leaves the previous file as it was.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/AtomicFile.h"

class OutputFile {
public:
    explicit OutputFile(std::filesystem::path path, std::string initialBytes = {})
        : path_(std::move(path)), bytes_(std::move(initialBytes)) {}

    const std::filesystem::path& Path() const { return path_; }
    const std::string& Bytes() const { return bytes_; }
    void Write(std::string_view bytes) { bytes_.append(bytes); }
    void Reserve(std::size_t size) { bytes_.reserve(size); }
    FileWriteResult Commit() const { return WriteFileAtomically(path_, bytes_); }

private:
    std::filesystem::path path_;
    std::string bytes_;
};

// Writes the text as UTF-8, without byte-order mark or terminating zero (invalid sequences
// become U+FFFD, so the file is always valid UTF-8); 1, or 0 without a file.
int WriteUtf8String(std::string_view text, OutputFile* file);
