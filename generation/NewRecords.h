#pragma once
// What both record generation methods do with the records a run appended to a data set.
#include <cstddef>
#include <string>

class CDataSet;

// "V%d" for a valid record, "I%d" for an invalid one: how generated records are named.
std::string GeneratedRecordName(bool valid, int number);

// Removes each record from index firstNew on whose values for all fields of the data set (a
// missing value reads as the empty text) equal those of an earlier record; records before
// firstNew stay. The number removed.
int RemoveDuplicateRecords(CDataSet& dataSet, std::size_t firstNew);

// Names the records of the origin anew, in list order: a valid one whose name holds "V" by
// "V%d", an invalid one whose name holds "I" by "I%d", counting from 1 per kind and skipping
// the numbers whose names (without case) records that keep their names already have.
void RenumberRecords(CDataSet& dataSet, int origin);

// Removes the duplicates among the new records and renumbers the origin's records: the
// number of new records left.
int SettleNewRecords(CDataSet& dataSet, std::size_t firstNew, int origin);

// Deletes the records from index firstNew on: a failed run leaves the data set as it found it.
void DiscardNewRecords(CDataSet& dataSet, std::size_t firstNew);

// "Nothing generated": the information that a run added no record.
void InformNothingGenerated(int messageId);
