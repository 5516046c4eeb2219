#pragma once
// A value that record generation takes from an equivalence class, with the number of
// generated records that used it so far.
#include <string>

class CDataHelpValue {
public:
    explicit CDataHelpValue(std::string value, int useCount = 0) : value_(std::move(value)), useCount_(useCount) {}
    CDataHelpValue(const CDataHelpValue&) = delete;
    CDataHelpValue& operator=(const CDataHelpValue&) = delete;
    virtual ~CDataHelpValue() = default;

    std::string GetValue() const { return value_; }
    int GetUseCount() const { return useCount_; }
    bool SetUseCount(int count) {
        useCount_ = count;
        return true;
    }

private:
    std::string value_;
    int useCount_;
};
