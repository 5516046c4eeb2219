// The pairs strategy on sets of many fields, where its walk leaves out most choices: the records
// it makes are pinned by a digest of their names, validity and values, so that a faster walk or a
// leaner store of the choices cannot change a single record.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "generation/DataGenSettings.h"
#include "generation/EqClassMethod.h"
#include "tests/generation/DataSetFixture.h"

namespace {

class PairRecordsDigestTest : public DataSetTest {
protected:
    // Fields F0.. of classes C0.. (the last one invalid); class c has the borders 10c and 10c+9
    // and the representative values 10c+1 and 10c+5.
    void AddFields(int fields, int classes) {
        for (int f = 0; f < fields; ++f) {
            std::vector<ClassSpec> specs;
            for (int c = 0; c < classes; ++c) {
                const int base = 10 * c;
                specs.push_back({"C" + std::to_string(c), c + 1 < classes,
                                 {std::to_string(base + 1), std::to_string(base + 5)}, std::to_string(base),
                                 std::to_string(base + 9)});
            }
            AddField("F" + std::to_string(f), specs, 2);
        }
    }

    // FNV-1a over every record's name, validity and values in field order.
    std::uint64_t Digest() const {
        std::uint64_t hash = 14695981039346656037ull;
        auto add = [&hash](const std::string& text) {
            for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
            hash = (hash ^ 0xffu) * 1099511628211ull;
        };
        for (const CDataRecord* record : dataSet.GetRecords()) {
            add(record->GetName());
            add(record->IsValid() ? "1" : "0");
            for (const std::string& value : Values(*record)) add(value);
        }
        return hash;
    }
};

struct DigestCase {
    int fields;
    int classes;
    int values;
    std::size_t records;
    std::uint64_t digest;
};

}  // namespace

TEST_F(PairRecordsDigestTest, RecordsOfManyFieldsStayAsTheyWere) {
    const DigestCase cases[] = {
        {8, 4, kOneRepresentative, 361, 1324097897829714802ull},
        {8, 4, kAllSpecifiedValues, 361, 2143597028072556602ull},
        {20, 5, kOneRepresentative, 4641, 17072232870712898492ull},
    };
    for (const DigestCase& c : cases) {
        dataSet.GetRecords().DeleteAll();
        dataSet.GetFields().DeleteAll();
        AddFields(c.fields, c.classes);
        ASSERT_EQ(GenerateByEqClasses(dataSet, {true, true, kEachPairOnce, kEqClassMethod, c.values}), 1);
        EXPECT_EQ(dataSet.GetRecords().size(), c.records) << c.fields << "x" << c.classes << " values " << c.values;
        EXPECT_EQ(Digest(), c.digest) << c.fields << "x" << c.classes << " values " << c.values;
    }
}
