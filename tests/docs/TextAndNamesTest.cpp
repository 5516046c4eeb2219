// Model texts in pages, the file names of object pages, and the files a run replaces.
#include <gtest/gtest.h>

#include "docs/GeneratedFiles.h"
#include "docs/HtmlText.h"
#include "docs/PageNames.h"

namespace {

TEST(HtmlTextTest, MarkupCharactersBecomeEntitiesAndLineBreaksTheGivenMarkup) {
    EXPECT_EQ(HtmlText("Press <enter> & \"go\""), "Press &lt;enter&gt; &amp; \"go\"");
    EXPECT_EQ(HtmlText("&amp;"), "&amp;amp;");
    EXPECT_EQ(HtmlLines("a\r\nb\nc<", "<BR>"), "a<BR>b<BR>c&lt;");
    EXPECT_EQ(HtmlLines("", "<BR>"), "");
    EXPECT_EQ(HtmlLink("TC_a b.htm", "a b"), "<A href=\"TC_a%20b.htm\">a b</A>");
}

TEST(HtmlTextTest, LinksNameFilesWithEveryOtherByteEncoded) {
    EXPECT_EQ(LinkTarget("WND_Login-2.x~y.htm"), "WND_Login-2.x~y.htm");
    EXPECT_EQ(LinkTarget("TASK_a#b?c%d\"e&.htm"), "TASK_a%23b%3Fc%25d%22e%26.htm");
    EXPECT_EQ(LinkTarget("TC_Gr\xC3\xB6\xC3\x9F" "e.htm"), "TC_Gr%C3%B6%C3%9Fe.htm");
}

TEST(HtmlTextTest, EachLineFeedReachesTheFileAsOneCrLf) {
    EXPECT_EQ(WithCrLf("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\rd\r\n");
    EXPECT_EQ(WithCrLf("\n\n"), "\r\n\r\n");
}

TEST(PageNamesTest, NamesMadeSafeAndNumberedWhenTakenWithoutRegardToCase) {
    PageNames names("TC_");
    const int objects[5] = {};
    EXPECT_EQ(names.Add(&objects[0], "Login_T1"), "TC_Login_T1");
    EXPECT_EQ(names.Add(&objects[1], "LOGIN_t1"), "TC_LOGIN_t1_2");
    EXPECT_EQ(names.Add(&objects[2], "Login_T1_2"), "TC_Login_T1_2_2");
    EXPECT_EQ(names.Add(&objects[3], "a/b"), "TC_a_b");
    EXPECT_EQ(names.Page(&objects[1], "LOGIN_t1"), "TC_LOGIN_t1_2.htm");
    EXPECT_EQ(names.Picture(&objects[1], "LOGIN_t1"), "TC_LOGIN_t1_2.png");
    // An object without a page of its own is named as its page would be.
    EXPECT_EQ(names.Page(&objects[4], ".."), "TC__.htm");
}

TEST(GeneratedFilesTest, OnlyTheNamesTheGeneratorWritesAreItsFiles) {
    for (const char* name : {"KAVRO_Title.htm", "KAVRO_Old.htm", "Logo.png", "WND_Login.htm", "WND_Login.png",
                             "TASK_Sub.htm", "TC_Login_001.png"})
        EXPECT_TRUE(IsGeneratedFileName(name)) << name;
    for (const char* name : {"index.htm", "KAVRO_Title.png", "kavro_title.htm", "logo.png", "Logo.PNG", "WND_Login.txt",
                             "wnd_Login.htm", "TC_Login.html", "MyLogo.png"})
        EXPECT_FALSE(IsGeneratedFileName(name)) << name;
}

}  // namespace
