#pragma once
// What the persistence benchmarks share: a failed step ends the run, and one load of a project
// file without libraries, as the loader reads and links its main file.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "model/ApplicationKav.h"
#include "persistence/XMLDataManager.h"

inline void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

// Reads and links the file; freeing the model afterwards is not timed.
inline void LoadOnce(benchmark::State& state, const std::string& path, int expectedRelations) {
    CApplicationKav project;
    project.GetFiles().Add(new CFileKav("", path, path));
    CXMLDataManager reader;
    reader.SetCurrentProject(&project);
    Require(reader.ParseFile(project.GetMainFile(), "UTF-8", CXMLDataManager::StandardHandlers()), "parse");
    Require(reader.BuildRelations(&project, false) == expectedRelations, "relations");
    state.PauseTiming();
    project.GetTasks().DeleteAll();
    project.GetRequirements().DeleteAll();
    project.GetWindowList().DeleteAll();
    project.GetDataSets().DeleteAll();
    state.ResumeTiming();
}
