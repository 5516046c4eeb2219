#pragma once
// The one project the program holds, as the main frame and batch mode open and close it: the
// model root (CurrentApplication for as long as the session lives), whether a project is open,
// and whether its load found errors. What the frame adds on top (views, title, recent files,
// undo history) is the frame's own; messages go through Interaction.
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CApplicationKav;
class MessageLog;

class CProjectSession {
public:
    // A new, empty root with the settings of a new project becomes the current application.
    CProjectSession();
    // The root is deleted and there is no current application any more.
    ~CProjectSession();
    CProjectSession(const CProjectSession&) = delete;
    CProjectSession& operator=(const CProjectSession&) = delete;

    CApplicationKav& Root() { return *root_; }
    bool IsProjectOpen() const { return projectOpen_; }
    bool HasLoadErrors() const { return loadErrors_; }
    // The VORNAK interface says so when it gives the program a project of its own.
    void SetProjectOpen(bool open) { projectOpen_ = open; }
    void SetLoadErrors(bool errors) { loadErrors_ = errors; }

    // Runs the reader's load, with the log it chooses (the message log window's, say), and
    // gives back its result.
    using ReadOperation = std::function<int(MessageLog* log)>;
    using ReadRunner = std::function<int(const ReadOperation& read)>;

    // Asked before a load replaces an open project (outside VORNAK mode); false keeps the project
    // and ends the load. The main frame offers to save here; without it the project is closed.
    std::function<bool()> confirmClose;

    // Reads the project file into a fresh root. 1 when the project is open: loaded, loaded with
    // errors (HasLoadErrors), or written by an older version and converted (announced with
    // [W0860] when announceConversion is set; the project is then modified). 0 when it is not:
    // the loader's message is shown (unless the loader showed it already), or the conversion's
    // with "Conversion Error", and the session holds an empty project. The loader's progress
    // and findings go to the log.
    int LoadProject(const std::string& path, bool announceConversion, MessageLog* log);
    // The same with the reader's load run by the runner.
    int LoadProject(const std::string& path, bool announceConversion, const ReadRunner& runRead);

    // An empty root with the settings of a new project replaces the project; the clipboard's
    // objects and the user-defined GUI builders go with the old one.
    void CloseProject();

    // Makes the root current in place of the session's and hands back the old one (undo and
    // redo); whether a project is open stays as it was.
    std::unique_ptr<CApplicationKav> ReplaceRoot(std::unique_ptr<CApplicationKav> root);

    // The project named on the command line: with no path the user is asked for one (a cancel
    // leaves the program without a project); a path that names no file gives [W0874] with
    // "File not found": 0. Otherwise the file is loaded: 1, also when the load itself failed
    // (IsProjectOpen tells). VORNAK mode's interface is not started here.
    int OpenProjectFromCommandLine(const std::string& path, MessageLog* log);

private:
    std::unique_ptr<CApplicationKav> root_;
    bool projectOpen_ = false;
    bool loadErrors_ = false;
};

// The Open File dialog for a project, proposing the path (may be empty): the chosen file, or
// nothing when the user cancelled.
std::optional<std::string> AskForProjectFile(const std::string& proposedPath);

// Whether the command line's project path names a file; if not, [W0874] with the path is shown
// with "File not found".
bool CommandLineProjectExists(const std::string& path);
