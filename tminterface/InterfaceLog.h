#pragma once
// The two log files of the interface in the user's Logs folder, "VornakIF.txt" (the interface
// on the user-interface thread) and "VornakSocket.txt" (the worker). Each line is appended on
// its own: the file opened (made, with the UTF-16LE byte-order mark, when missing), the time
// "HH:MM:SS ", the text with each line feed as CR LF, a final CR LF, the file closed again.
// A file that cannot be written is skipped silently. One object per thread.
#include <filesystem>
#include <string>
#include <string_view>

enum VornakLogLevel : int { kVornakLogOff = 0, kVornakLogNormal = 1, kVornakLogFine = 2 };

class InterfaceLog {
public:
    // Without a Logs folder nothing is written.
    InterfaceLog(std::string_view fileName, int level);

    int GetLevel() const { return level_; }
    // Writes the line when the log's level is at least the given one.
    void Write(std::string_view text, int level = kVornakLogNormal) const;
    // "********************* text ********************" (21 and 20 asterisks).
    void WriteBanner(std::string_view text, int level = kVornakLogNormal) const;
    // The banner of a command sent or received, with 17 and 16 asterisks, and "Command: " with
    // the command's name on the next line.
    void WriteCommand(std::string_view banner, int command) const;

private:
    std::filesystem::path path_;
    int level_;
};
