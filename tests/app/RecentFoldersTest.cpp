#include <gtest/gtest.h>

#include "app/RecentFolders.h"

namespace {

using Folders = std::vector<std::string>;

TEST(RecentFolders, NewestFirstWithoutDoublesAndGoneFoldersSkipped) {
    Folders recent;
    for (const char* folder : {"/a", "/b", "/c", "/a", "/d", "/e", "/f"})
        recent = RememberFolder(recent, folder);
    EXPECT_EQ(recent, (Folders{"/f", "/e", "/d", "/a", "/c"}));

    auto existsBut = [](std::string gone) { return [gone](const std::string& folder) { return folder != gone; }; };
    DialogFolders folders = OpenDialogFolders({"/f", "/s", "/e"}, "/s", existsBut("/f"));
    EXPECT_EQ(folders.start, "/e");
    EXPECT_EQ(folders.panel, (Folders{"/s", "/e"}));
    EXPECT_EQ(OpenDialogFolders({}, "/s", existsBut("")).start, "/s"); // the first run of an installed program
    EXPECT_EQ(OpenDialogFolders({"/f"}, "/s", existsBut("/s")).panel, Folders{"/f"});
    EXPECT_EQ(OpenDialogFolders({"/f"}, "", existsBut("/f")).start, "");
}

} // namespace
