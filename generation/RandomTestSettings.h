#pragma once
// What random testing is given: coverage goals, exit criteria and search strategy.
struct RandomTestSettings {
    int goal = 0;          // bits: 1 building blocks, 2 steps, 4 connections, 16 pairs of blocks
    int percentage = 0;    // of each chosen kind of element to cover, 0..100
    int iterations = 0;    // without coverage increase
    int maxTestCases = 0;
    int maxLength = 0;     // steps of one test case
    int timeout = 0;       // seconds; 0: none
    int method = 0;        // bits: 1 random depth-first search, 2 explore adjacent building blocks,
                           // 4 target uncovered elements, 8 continue after a failed search
    int dfsDepth = 0;

    bool operator==(const RandomTestSettings&) const = default;
};
