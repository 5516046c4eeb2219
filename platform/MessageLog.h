#pragma once
// The lines that a long operation reports while it runs (loading and importing projects,
// conversion, the UFT and Ranorex exchanges, generated data records): the content of the
// message log window. Operations take it by pointer (null: nobody listens); the window shows
// each line as it arrives. Used on one thread, the one that runs the operation.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CLogFile;

class MessageLog {
public:
    using LineListener = std::function<void(const std::string& line)>;

    // Appends each line of the text (CR LF or LF ends a line; an empty text is an empty line).
    void AddMessage(std::string_view text);
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    // Called with every line as it is appended; null for none.
    void SetLineListener(LineListener listener) { listener_ = std::move(listener); }

    // Writes every line to the log file, replacing what it held, and puts "Log saved to %s!
    // [I0024]" with the file's path into the global message buffer: 1. Nothing to save, or a
    // file that could not be written (its warning already shown): 0.
    int SaveToLogFile(CLogFile& file) const;
    // The same after what the file holds (created with its byte-order mark when missing), with
    // the catalogue text savedMessageId ("... %s ...", the path) as the message.
    int AppendToLogFile(CLogFile& file, int savedMessageId) const;

private:
    int WriteToLogFile(CLogFile& file, bool append, int savedMessageId) const;

    std::vector<std::string> lines_;
    LineListener listener_;
};
