#pragma once
// The DELTRA method: records of a data set from its effects. Mirvane combines the effects (one
// valid effect per effect variable for a valid record, one invalid effect for an invalid one)
// and gives boundary values of the numeric fields; each assignment becomes a record of origin 4
// that lists its effects.
#include "generation/GeneratedRecordsReport.h"

class CDataSet;

// Runs the method for valid and/or invalid records. New records are reported to the viewer
// (when given) as "Generated Data Records"; none at all is the information I0014. The library's
// configuration is empty again whenever this returns. 1 on success, also without new records;
// 0 with the message in the global message buffer and the data set unchanged.
int GenerateByDeltra(CDataSet& dataSet, bool valid, bool invalid, const RecordReportViewer& showReport);
