#pragma once
// Boundary values of a condition that joins terms by AND, such as the texts of an effect
// combination. Its one normal form would be the product of the terms' own forms and grow with every
// term; instead each term is normalised alone, so that the normaliser's budget holds per term, and
// the product is formed one term at a time, a partial conjunction being dropped as soon as the
// solver finds no solution for it. The maps are those of the one normal form, found in the order
// in which the first term's conjunctions change slowest.
#include <string_view>

#include "combgen/Mirvane.h"

// Appends new maps to the list; false with the message.
bool SolveConjunctionOfTerms(std::string_view condition, QZSolutionList& solutions);
