#pragma once
// The one pass after loading that gives designators naming library objects their library
// prefix: an unqualified designator names objects of the project's main file only, but texts
// written in a library, or before a library was split off, do not carry the prefix.
#include <string>

class CApplicationKav;
class CFileKav;
class CStepKav;

// Every designator of the step texts of every window transition and task step, and of every
// meta-condition, each text taken as written in the file of its window, task or condition.
// 1 done; 0 for a null root or when a text fails, which stops the pass: texts rewritten before
// keep their new form.
int QualifyProjectDesignators(CApplicationKav* root);

// The step texts that hold designators, in order, each replaced by its qualified form; 0 for a
// null argument or at the first text that fails.
int QualifyStepDesignators(CStepKav* step, CApplicationKav* root, const CFileKav* file);

// The text with every designator that names an object of a file other than the main file
// written as "#^File:...#". A designator names the object of its name in the file or in a file
// that it includes, the file's own object first; objects of the same name in two other files
// make it ambiguous: 0 with W1206 (global attribute), W1209 (data set) or W1210 (window).
// Designators already qualified, task parameters of the main file and unknown names stay as
// they are. 0 without a message for a null root or file.
int QualifyDesignatorsInText(const std::string& text, CApplicationKav* root, const CFileKav* file,
                             std::string& output);
