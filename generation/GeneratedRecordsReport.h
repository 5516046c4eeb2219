#pragma once
// The report of new data records that the message log window "Generated Data Records" shows
// after the DELTRA method: the records grouped by their effect combinations.
#include <functional>
#include <string>

class CDataSet;
class MessageLog;

// Shows a finished report in a message log window with the title.
using RecordReportViewer = std::function<void(const std::string& title, const MessageLog& report)>;

// The title of that window: "Generated Data Records".
std::string GeneratedRecordsTitle();

// Adds the report of the data set's last newRecords records to the log: the count, then for
// each record its values, under a numbered heading whenever its effects differ from those of
// the record before. 1.
int ReportGeneratedRecords(const CDataSet& dataSet, int newRecords, MessageLog& log);
