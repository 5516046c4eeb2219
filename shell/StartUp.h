#pragma once
// The steps of start-up that batch mode and the window program share around the opening of
// the project. Messages go through the installed Interaction.
#include <filesystem>
#include <functional>

class CApplicationKav;
class CMainFrame;
struct CommandLine;

// The settings store of the program: the user's file (FileSettings::DefaultUserFile) and the
// machine's "settings.txt" in the installation folder. Before the command line is read, which
// reads a setting of its own.
void InstallProgramSettings();

// Makes the line's process-wide values current, generation's building-block switch with them.
void MakeCommandLineCurrent(const CommandLine& line);

// The folder of the running program, where the language catalogue lies.
std::filesystem::path ProgramFolder();

// Sets up the user folders and loads the language module of the setting "Language". 1, or 0
// after the message ([W0782], [W1114]) when the program must end.
int PrepareProgram(const std::filesystem::path& programFolder);

// Reads the installation's GUI builder database and API-step templates; a file that cannot be
// read shows the loader's message as a warning, and start-up goes on.
void LoadInstallationData();

// What earlier parts of the program ask of the converters: the event parser of each output
// format's tool (generation), and the recognition tags that loading an old SilkTest project
// generates.
void InstallConverterServices();

// The project administration: edits the project's settings and libraries, 1 confirmed, 0
// cancelled. The editors install it when the program starts; only the window program runs it.
using ProjectEditor = std::function<int(CApplicationKav& project, bool duringLoading)>;
ProjectEditor& InstalledProjectEditor();

// Hands the installed project administration to the frame's New and Project Properties and to
// loading, which offers it when a project's libraries are wrong. Without one, nothing changes.
void ConnectProjectEditor(CMainFrame& frame);
