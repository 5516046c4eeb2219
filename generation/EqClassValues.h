#pragma once
// The candidate values of equivalence classes for record generation (their help values), and
// how a record takes one.
#include <string>

class CDataEqClass;
class CDataSet;

// Which classes a run of record generation combines and covers.
enum EqClassMode : int { kValidMode = 1, kInvalidMode = 2 };

// Valid classes for valid records, invalid ones for invalid records.
bool IsClassOfMode(const CDataEqClass& eqClass, int mode);

// Replaces the help values of every class of the data set (use counts 0) by those the values
// setting gives: a class without representative values offers its borders; else one
// representative, the borders (the first representative when there are none), or the first
// representative, the borders and the other representatives.
void BuildHelpValues(CDataSet& dataSet, int valuesSetting);

// The text of the least used help value (the first among equals), which counts as used once
// more: a value not used yet becomes used once, any other raises every help value of the class
// with the same text. A class without help values gives, for boundary values, its last
// representative value, and else the empty text.
std::string TakeClassValue(CDataEqClass& eqClass, int valuesSetting);

// Some help value of the class is not used yet.
bool HasUnusedHelpValue(const CDataEqClass& eqClass);
