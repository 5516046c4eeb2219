// Lookups by name go through a side index of the buckets; they must find what a walk through
// the name's bucket finds, and leave the cursor where that walk would, whatever the table went
// through.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/TextUtil.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class WindowNameIndex : public ProjectTest {
protected:
    CWindowList& table = app.GetWindowList();

    // Every lookup, of every name in any case and of every file, against the walk order: the
    // first window of that name and file in walk order, and behind it the cursor.
    void ExpectLookupsMatchTheWalk(const std::vector<std::string>& names) {
        const std::vector<CWindowKav*> walk = table.Snapshot();
        for (const std::string& name : names) {
            for (const CFileKav* file : std::vector<const CFileKav*>{nullptr, project.Main(), project.Lib()}) {
                const auto expected = std::find_if(walk.begin(), walk.end(), [&](const CWindowKav* w) {
                    return (!file || w->GetFile() == file) && EqualsNoCase(w->GetName(), name);
                });
                table.GetFirst();
                CWindowKav* found = table.FindByName(name, file);
                if (expected == walk.end()) {
                    EXPECT_EQ(found, nullptr) << name;
                    EXPECT_EQ(table.GetNext(), walk.size() > 1 ? walk[1] : nullptr) << name;  // cursor untouched
                    continue;
                }
                EXPECT_EQ(found, *expected) << name;
                EXPECT_EQ(table.GetNext(), expected + 1 == walk.end() ? nullptr : *(expected + 1)) << name;
            }
        }
    }
};

TEST_F(WindowNameIndex, FindsWhatTheBucketWalkFindsThroughEveryChange) {
    // "ab" and "ba" share a bucket; so do names that differ only in case.
    std::vector<std::string> names = {"ab", "ba", "Main", "main2", "X", "Y1", "y2", "Other", "AB", "Missing"};
    for (int i = 0; i < 40; ++i) {
        const std::string name = names[i % 8] + (i < 8 ? "" : std::to_string(i));
        project.AddWindow(name, nullptr, kWndMain, i % 3 == 0 ? project.Lib() : project.Main());
        names.push_back(name);
    }
    project.AddWindow("AB", nullptr, kWndMain, project.Main());  // "ab" also stands in the library
    ExpectLookupsMatchTheWalk(names);

    CWindowKav* renamed = table.FindByName("ba", nullptr);
    ASSERT_TRUE(table.RenameWindow(renamed, "Renamed"));
    ASSERT_TRUE(table.RenameWindow(table.FindByName("main2", nullptr), "MAIN2"));  // only the case changes
    std::unique_ptr<CWindowKav> removed(table.FindByName("X", nullptr));
    ASSERT_TRUE(table.Remove(removed.get()));
    ASSERT_TRUE(table.DeleteWindow("y1", project.Main()));
    CWindowKav* changed = table.ChangeType(table.FindByName("Other", nullptr), kWndDialogBox);
    ASSERT_NE(changed, nullptr);
    names.push_back("Renamed");
    ExpectLookupsMatchTheWalk(names);
    EXPECT_EQ(table.FindByName("renamed", project.Main()), renamed);
    EXPECT_EQ(table.FindByName("other", nullptr), changed);

    const std::vector<CWindowKav*> windows = table.Snapshot();
    table.RemoveAll();
    EXPECT_EQ(table.FindByName("Main", nullptr), nullptr);
    ASSERT_TRUE(table.Add(renamed));
    EXPECT_EQ(table.FindByName("RENAMED", nullptr), renamed);
    for (CWindowKav* window : windows)
        if (window != renamed) delete window;
}

// Window names are ASCII, but names looked up or hashed need not be: beyond ASCII a name folds as
// its UTF-16 units do (a unit outside the basic plane as its two surrogates), and no such name
// meets an ASCII one.
TEST_F(WindowNameIndex, NamesBeyondAsciiFoldAsTheirUtf16UnitsDo) {
    project.AddWindow("Arger", nullptr, kWndMain, project.Main());
    project.AddWindow("e", nullptr, kWndMain, project.Lib());
    ExpectLookupsMatchTheWalk({"ARGER", "E", "\u00E4rger", "\u00C4RGER", "\u00E9", "e\U0001D538"});
    EXPECT_TRUE(table.FindAllByName("\u00C4rger").empty());
    EXPECT_EQ(CWindowList::HashName("\u0178"), CWindowList::HashName("\u00FF"));
    EXPECT_EQ(CWindowList::HashName("\u00C4rger"), (0xE4 + 'r' + 'g' + 'e' + 'r') % CWindowList::kBucketCount);
    EXPECT_EQ(CWindowList::HashName("x\U0001D538"), ('x' + 0xD835 + 0xDD38) % CWindowList::kBucketCount);
}

}  // namespace
