#pragma once
// How the equivalence class method chooses one class per field for each record: each class
// once, each pair of classes once, or every combination. One small class per strategy.
#include <cstddef>
#include <memory>
#include <vector>

#include "model/DataEqCombination.h"

class CDataSet;
class Progress;

// The combinations of one run, each as the position of its class in every field's classes and
// its validity. The positions are packed into one, two or four bytes by the largest field, so
// that the pairs strategy's hundreds of thousands of combinations cost a few bytes per field
// until their records are made.
class EqCombinationList {
public:
    // Empties the list for the data set's fields, whose classes must stay as they are while
    // the list is read.
    void Reset(const CDataSet& dataSet);
    void clear();

    // A whole combination by its positions, one per field.
    void Add(const std::vector<std::size_t>& positions, bool valid);
    // A whole combination by its classes, one per field, in field order.
    void Add(const std::vector<CDataEqClass*>& classes, bool valid);

    std::size_t size() const { return valid_.size(); }
    bool empty() const { return valid_.empty(); }
    std::size_t FieldCount() const { return fieldClasses_.size(); }
    bool IsValid(std::size_t combination) const { return valid_[combination]; }
    CDataEqClass* ClassAt(std::size_t combination, std::size_t field) const;

    // Reading in order gives each combination made up as an object.
    class const_iterator {
    public:
        const_iterator(const EqCombinationList& list, std::size_t index) : list_(&list), index_(index) {}
        std::unique_ptr<CDataEqCombination> operator*() const;
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

    private:
        const EqCombinationList* list_;
        std::size_t index_;
    };
    const_iterator begin() const { return {*this, 0}; }
    const_iterator end() const { return {*this, size()}; }

private:
    std::vector<std::vector<CDataEqClass*>> fieldClasses_;
    std::size_t width_ = 1;  // bytes per position
    std::vector<unsigned char> positions_;
    std::vector<bool> valid_;
};

class EqCombinationStrategy {
public:
    virtual ~EqCombinationStrategy() = default;

    // Replaces the list by the combinations for records of the mode (EqClassValues.h), one
    // class per field in field order, each marked invalid when it holds an invalid class.
    // Afterwards every class's work value is the number of combinations that hold it. 1, or 0
    // with the message in the global message buffer. A stop requested on the progress ends
    // the enumeration and keeps what it found so far.
    int Combine(CDataSet& dataSet, int mode, EqCombinationList& combinations, const Progress* progress);

protected:
    // Appends the combinations to the empty list; every work value starts at 0.
    virtual int AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                const Progress* progress) = 0;
};

// The strategy of the setting (DataGenStrategy).
std::unique_ptr<EqCombinationStrategy> MakeEqCombinationStrategy(int strategy);

// A data set without fields has nothing to combine: FALSE with W0004.
bool CheckHasFields(const CDataSet& dataSet);
