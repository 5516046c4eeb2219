// The project file type as the installation registers it with the desktop, installed into a
// scratch folder and checked with the desktop's own tools.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/ScratchFolder.h"

namespace {

int Shell(const std::string& command) { return std::system((command + " > /dev/null 2>&1").c_str()); }

}  // namespace

TEST(ShellFileTypes, TheProjectTypeIsInstalledForTheDesktopAndFoundByItsTools) {
    ScratchFolder destination;
    const std::string root = destination.Path().string();
    ASSERT_EQ(Shell("DESTDIR='" + root + "' '" KAVRO_CMAKE "' --install '" KAVRO_BINARY_DIR
                  "' --component desktop --prefix /usr"),
              0);
    const std::filesystem::path share = destination.Path() / "usr" / "share";
    const std::filesystem::path entry = share / "applications" / "kavro.desktop";
    const std::filesystem::path type = share / "mime" / "packages" / "kavro.xml";
    EXPECT_TRUE(std::filesystem::is_regular_file(share / "icons/hicolor/scalable/apps/kavro.svg"));
    // Nothing but the share folder below the prefix.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(destination.Path() / "usr"), {}), 1);

    const std::string entryText = ScratchFolder::Read(entry);
    EXPECT_NE(entryText.find("\nExec=kavro -p %f\n"), std::string::npos);
    EXPECT_NE(entryText.find("\nMimeType=application/x-kavro-project;\n"), std::string::npos);
    EXPECT_EQ(Shell("desktop-file-validate '" + entry.string() + "'"), 0) << "desktop-file-utils installed?";
    EXPECT_EQ(Shell("xmllint --noout '" + type.string() + "'"), 0);

    ASSERT_EQ(Shell("update-mime-database '" + (share / "mime").string() + "'"), 0);
    EXPECT_NE(ScratchFolder::Read(share / "mime" / "types").find("application/x-kavro-project\n"), std::string::npos);
    EXPECT_NE(ScratchFolder::Read(share / "mime" / "subclasses").find("application/x-kavro-project application/xml\n"),
              std::string::npos);
    EXPECT_NE(ScratchFolder::Read(share / "mime" / "XMLnamespaces").find("KAVRO_DATA application/x-kavro-project"),
              std::string::npos);
}
