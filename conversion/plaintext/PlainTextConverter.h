#pragma once
// Plain text and sheets, UTF-16 with byte-order mark and CR LF: "Plain Text" (2) and
// "Universal File" (6) write one commented text file per package, which documents each test
// case step by step for a human tester and carries the steps' script commands; "Excel File for
// HP QC/ALM" (9) and "Excel File with Block Information" (13) write one tab-separated sheet per
// package. No replay check: every package is written as it comes.
#include <string>
#include <string_view>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/framework/TestcaseConverter.h"

class CPlainTextConverter : public CTestcaseConverter {
public:
    // mode: the output format code, 2, 6, 9 or 13.
    explicit CPlainTextConverter(int mode) : mode_(mode) {}

    // 1 written; 0 with W0772 when the file cannot be written, or with the message of a
    // building-block reference that does not split (format 13).
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;
    int CheckTestCases(TestCaseList&) override { return 1; }
    std::vector<std::filesystem::path> PlannedFiles(const TestCaseList& list, const std::string& name) const override;

    // A sheet field that keeps tabs, quotes and line breaks inside its column: quotes doubled,
    // CR LF made a line feed, the whole in quotes.
    static std::string QuoteField(std::string_view text);

private:
    std::string_view Extension() const;
    int WriteTextFile(ScriptFile& file, const TestCaseList& list, int& count) const;
    int WriteAlmSheet(ScriptFile& file, const TestCaseList& list, int& count) const;
    int WriteBlockInfoSheet(ScriptFile& file, const TestCaseList& list, int& count) const;
    int WriteEsaBlockInfoSheet(ScriptFile& file, const TestCaseList& list, int& count) const;

    int mode_;
};

std::unique_ptr<CTestcaseConverter> CreatePlainTextConverter(const ConverterSettings& settings);
