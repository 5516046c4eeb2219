#pragma once
// Message box captions of the data dialogs and the data tree that have no id of their own, and
// the file filter of their Browse buttons.
inline constexpr const char* kCaptionNameNotUnique = "Name not Unique";
inline constexpr const char* kCaptionNameMissing = "Name Missing";
inline constexpr const char* kCaptionInvalidNumber = "Invalid Number";
inline constexpr const char* kCaptionInvalidBoolean = "Invalid Boolean Value";
inline constexpr const char* kCaptionValueMissing = "Value Missing";

// Captions by id, shared by the data dialogs and the data tree.
inline constexpr int kCaptionFatalError = 47001;
inline constexpr int kCaptionInvalidName = 47006;

// The files a data set reads its records from.
inline constexpr const char* kDataFileFilter = "Text files (*.txt) |*.txt|CSV files (*.csv) |*.csv|All files (*.*)|*.*||";
