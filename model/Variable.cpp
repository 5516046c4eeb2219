#include "model/Variable.h"

#include <algorithm>

std::string CVariable::GetValuesOneLine() const {
    std::string line = values_;
    line.erase(std::remove(line.begin(), line.end(), '\n'), line.end());
    return line;
}
