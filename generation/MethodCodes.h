#pragma once
// The generation method code: an int of these bits. The dialog stores every bit it chose; a
// run gets only the bits of the chosen kind of test.
enum GenerationMethodBit : int {
    kMethodSingleTestCase = 1,       // graph-oriented: one test case per task
    kMethodStepCoverage = 2,         // graph-oriented: cover all steps
    kMethodConnectionCoverage = 4,   // graph-oriented: cover all connections
    kMethodValidRecords = 8,         // data-oriented
    kMethodInvalidRecords = 16,      // data-oriented; with 8: both
    kMethodTransitionTest = 32,
    kMethodRandomTest = 64,
};
