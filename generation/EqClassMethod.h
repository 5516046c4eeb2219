#pragma once
// The equivalence class method: records of a data set from the equivalence classes of its
// fields, for valid records (valid classes only) and invalid ones (one invalid class each),
// combined by the chosen strategy and filled with one or more values per class.
class CDataSet;
class Progress;
struct DataGenSettings;

// Runs the method with the settings' flags, strategy and values per class; records that repeat
// an existing one are dropped, and the method's records are renumbered. Tells the user how many
// records are new (I0027) or that none is (I0026). 1 on success; 0 with the message in the
// global message buffer and the data set's records unchanged. A stop requested on the progress
// ends the combining early and keeps what it found.
int GenerateByEqClasses(CDataSet& dataSet, const DataGenSettings& settings, const Progress* progress = nullptr);
