#include "model/RecordValues.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string Listed(const RecordValues& values) {
    std::string text;
    for (const auto& [key, value] : values) text += key + "=" + value + " ";
    return text;
}

}  // namespace

TEST(RecordValuesTest, KeepsOneValuePerKeyInKeyOrderWhateverTheOrderOfSetting) {
    RecordValues values;
    for (const char* key : {"m", "b", "z", "a", "m", "c"}) values.Set(key, std::string(key) + "1");
    values.Set("b", "replaced");
    EXPECT_EQ(Listed(values), "a=a1 b=replaced c=c1 m=m1 z=z1 ");
    EXPECT_EQ(values.size(), 5u);
    EXPECT_EQ(values.at("c"), "c1");
    EXPECT_EQ(values.find("d"), values.end());
    EXPECT_EQ(values.count("zz"), 0u);
    EXPECT_THROW(values.at(""), std::out_of_range);

    EXPECT_EQ(values.erase("c"), 1u);
    EXPECT_EQ(values.erase("c"), 0u);
    EXPECT_EQ(values.erase("0"), 0u);
    EXPECT_EQ(Listed(values), "a=a1 b=replaced m=m1 z=z1 ");
}

TEST(RecordValuesTest, ComparesByKeysAndValuesAndAListKeepsAKeysFirstValue) {
    const RecordValues listed = {{"f2", "x"}, {"f1", ""}, {"f2", "y"}};
    EXPECT_EQ(Listed(listed), "f1= f2=x ");
    RecordValues same;
    same.Set("f1", "");
    same.Set("f2", "x");
    EXPECT_EQ(listed, same);
    same.Set("f2", "y");
    EXPECT_NE(listed, same);
    EXPECT_NE(listed, (RecordValues{{"f1", ""}, {"f3", "x"}}));
    EXPECT_NE(listed, (RecordValues{{"f1", ""}}));
    EXPECT_TRUE(RecordValues().empty());
}

TEST(RecordValuesTest, ACopyKeepsItsOwnValuesWhenTheOriginalChangesOrGoes) {
    auto original = std::make_unique<RecordValues>(RecordValues{{"k", "v1"}, {"j", "w"}});
    RecordValues copy = *original;
    copy.Set("k", "v2");
    EXPECT_EQ(Listed(*original), "j=w k=v1 ");
    original->Set("j", "changed");
    original->erase("k");
    EXPECT_EQ(Listed(copy), "j=w k=v2 ");
    original.reset();
    // Texts no record holds any longer may be stored anew for others.
    const RecordValues others = {{"a", "b"}, {"c", "d"}, {"e", "f"}};
    EXPECT_EQ(Listed(copy), "j=w k=v2 ");
    copy = others;
    EXPECT_EQ(Listed(copy), "a=b c=d e=f ");
    EXPECT_EQ(copy, others);
}
