#include "platform/ui/FolderChooser.h"
#include "util/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zw::ui;
namespace fs = std::filesystem;

TEST(FolderChooser, BrowsesPicksWithATrailingSeparatorAndCancels) {
    char tmpl[] = "/tmp/zwchooser-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    fs::path dir = tmpl;
    fs::create_directories(dir / "b" / "inner");
    fs::create_directories(dir / "a");
    std::ofstream(dir / "file.mp3") << "x";
    UiModel m;
    auto& c = m.Add(Kind::FolderChooser, "dlg", "", {});
    c.visible = false;
    std::string picked;
    int picks = 0;
    c.onChange = [&] {
        picked = m["dlg"].text;
        ++picks;
    };
    OpenFolderChooser(m, "dlg", (dir / "gone" / "deeper").string());
    EXPECT_TRUE(m["dlg"].visible);
    EXPECT_EQ(m["dlg"].text, dir.string());
    EXPECT_EQ(m["dlg"].items, (std::vector<std::string>{"a", "b"})); // folders only
    FolderChooserEnter(m, "dlg", 1);
    EXPECT_EQ(m["dlg"].items, std::vector<std::string>{"inner"});
    FolderChooserEnter(m, "dlg", 5); // out of range: stays
    EXPECT_EQ(m["dlg"].text, (dir / "b").string());
    FolderChooserUp(m, "dlg");
    EXPECT_EQ(m["dlg"].text, dir.string());
    FolderChooserCancel(m, "dlg");
    EXPECT_EQ(picks, 0);
    FolderChooserPick(m, "dlg"); // closed: nothing
    EXPECT_EQ(picks, 0);
    OpenFolderChooser(m, "dlg", (dir / "a").string() + "/");
    FolderChooserPick(m, "dlg");
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(picked, (dir / "a").string() + "/");
    EXPECT_FALSE(m["dlg"].visible);
    fs::remove_all(dir);
}
