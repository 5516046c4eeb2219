#pragma once
// How the exports read a building-block record of a test step. Generation gives a step one
// record per building block it lies in (a group) and one for the step itself (an executable
// entry, without block text); each names its place by a designator "^Library:@Block:Step".
#include <string>
#include <vector>

class CTestStepBBInfo;

struct BlockRecordEntry {
    bool executable = false;
    // Executable: the step part of the reference; group: the block part without its "@".
    std::string name;
    // The reference's library, else the project's name.
    std::string library;
    // The record's number among the blocks of the test case.
    std::string stepId;
    int depth = 0;
    // Group: the block text and the block's parameters, in order.
    std::string internalId;
    std::vector<std::string> parameterNames;
    std::vector<std::string> parameterValues;
};

// 1, or 0 with the designator splitter's message when the reference does not split.
int ReadBlockRecord(const CTestStepBBInfo& record, const std::string& projectName, BlockRecordEntry& entry);
