// Routes and board texts: the route list, route files replacing the map's
// texts, the board page.
#include "LauncherTestSupport.h"

using namespace zwtest;

namespace {
int Index(zw::ui::UiModel& m, const char* list, const char* item) {
    int i = m.FindText(list, item);
    EXPECT_GE(i, 0) << item;
    return i;
}
} // namespace

TEST_F(LauncherTest, ARouteFileReplacesTheMapsBoardTexts) {
    Start();
    M().UserSelect("cbxRoute", Index(M(), "cbxRoute", "Lipowo_1-1_nocna.rs1"));
    EXPECT_EQ(launcher->RouteFile, "Lipowo_1-1_nocna.rs1");
    EXPECT_EQ(M()["cbxRouteDescription"].items,
              (std::vector<std::string>{"Night line N1 through the old town.", "Runs after 23:00."}));
    EXPECT_EQ(M()["edLinia"].text, "N1");
    const auto& k = launcher->Kierunki;
    EXPECT_EQ(k[0].Linia1, "Osiedle Zach\xF3" "d");
    EXPECT_EQ(k[0].Linia2, "Nocna");
    EXPECT_EQ(k[0].Punkty[0], ""); // the map's "1A" is not carried over
    EXPECT_EQ(k[1].Linia1, "\xA3\xB9kowa");
    // Keys chain on one line: "K4 2B Stare Miasto" sets the line and then the point.
    EXPECT_EQ(k[1].Linia2, "2B Stare Miasto");
    EXPECT_EQ(k[1].Punkty[1], "Stare Miasto");
    // The board page shows direction 1.
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "Osiedle Zach\xF3" "d");
    // Back to the map's own texts.
    M().UserSelect("cbxRoute", 0);
    EXPECT_EQ(launcher->RouteFile, "Lipowo_1-1.ms1");
    EXPECT_TRUE(M()["cbxRouteDescription"].items.empty());
    EXPECT_EQ(M()["edLinia"].text, "101");
    EXPECT_EQ(k[0].Punkty[1], "Szpital");
}

TEST_F(LauncherTest, DLinesSetHowTheTwoLinesShareTheBoard) {
    Start();
    M().UserSelect("cbxRoute", Index(M(), "cbxRoute", "Lipowo_1-1_nocna.rs1"));
    const auto& k = launcher->Kierunki;
    struct Case {
        int direction;
        uint8_t rodzaj;
        const char* radio;
        bool secondLine;
    } cases[] = {
        {2, zw::RodzajFirstLarger, "rbtTwoLinesFirstBig", true}, // "D2 3"
        {3, zw::RodzajSecondLarger, "rbtTwoLinesSecondBig", true}, // "D3 4"
        {4, zw::RodzajTwoLines, "rbtTwoLines", true},            // "D4 9" changes nothing
        {1, zw::RodzajTwoLines, "rbtTwoLines", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(k[size_t(c.direction - 1)].Rodzaj, c.rodzaj) << c.direction;
        M().UserSelect("TabControl1", c.direction - 1);
        EXPECT_TRUE(M()[c.radio].checked) << c.direction;
        EXPECT_EQ(M()["gbxKierunek"].caption, std::to_string(c.direction));
        EXPECT_EQ(M()["edDruLinOpisu2"].visible, c.secondLine) << c.direction;
    }
    // The map's "D1 2" is one kind further on: two lines.
    M().UserSelect("cbxRoute", 0);
    EXPECT_EQ(k[0].Rodzaj, zw::RodzajTwoLines);
}

TEST_F(LauncherTest, ChangingTheMapRebuildsTheRouteList) {
    Start();
    M().UserSelect("cbxRoute", Index(M(), "cbxRoute", "Lipowo_1-1_szkolna.rs1"));
    EXPECT_EQ(M()["edLinia"].text, "7");
    M().UserSelect("cbxMapList", Index(M(), "cbxMapList", "Brzozki.ms1"));
    EXPECT_EQ(M()["cbxRoute"].items, (std::vector<std::string>{"Main", "Brzozki_letnia.rs1"}));
    EXPECT_EQ(M().SelectedText("cbxRoute"), "Main");
    EXPECT_EQ(launcher->RouteFile, "Brzozki.ms1");
    EXPECT_TRUE(M()["cbxRouteDescription"].items.empty());
    EXPECT_EQ(M()["memMapDescription"].items, std::vector<std::string>{"Brzozki: a village with a loop."});
    EXPECT_EQ(M()["edLinia"].text, "12");
    EXPECT_EQ(launcher->Kierunki[0].Linia1, "P\xEAtla");
    EXPECT_EQ(launcher->Kierunki[0].Linia2, "Ko\x9C" "ci\xF3\xB3");
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "P\xEAtla");
}

TEST_F(LauncherTest, TheBoardPageStoresWhatIsTypedIntoItsDirection) {
    Start();
    M().UserSelect("TabControl1", 2);
    M().UserSetText("edPierLinOpisu2", "Rynek");
    M().UserSetText("ed3b", "Most");
    M().UserCheck("rbtOneLine", true);
    EXPECT_FALSE(M()["edDruLinOpisu2"].visible);
    EXPECT_FALSE(M()["lblDruLinOpisu2"].visible);
    M().UserClick("Button4");
    EXPECT_EQ(launcher->Kierunki[2].Linia1, "Rynek");
    EXPECT_EQ(launcher->Kierunki[2].Punkty[2], "Most");
    EXPECT_EQ(launcher->Kierunki[2].Rodzaj, zw::RodzajOneLine);
    M().UserSelect("TabControl1", 0);
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "Dworzec G\xB3\xF3wny");
    EXPECT_TRUE(M()["edDruLinOpisu2"].visible);
    M().UserSelect("TabControl1", 2);
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "Rynek");
    EXPECT_TRUE(M()["rbtOneLine"].checked);
}

TEST_F(LauncherTest, AFailingRouteIsLoggedAndTheControlsKeepTheirTexts) {
    Start();
    fs::remove(dir / "Maps" / "Lipowo_1-1_nocna.rs1");
    M().UserSelect("cbxRoute", Index(M(), "cbxRoute", "Lipowo_1-1_nocna.rs1"));
    EXPECT_EQ(M()["edLinia"].text, "101");
    EXPECT_EQ(M()["edPierLinOpisu2"].text, "Dworzec G\xB3\xF3wny");
    EXPECT_TRUE(LogHas("Lipowo_1-1_nocna.rs1"));
    // A "D" value that is not a number.
    WriteAll(dir / "Maps" / "Lipowo_1-1_szkolna.rs1", "LN 8\r\nD2 x\r\n");
    M().UserSelect("cbxRoute", Index(M(), "cbxRoute", "Lipowo_1-1_szkolna.rs1"));
    EXPECT_EQ(M()["edLinia"].text, "101");
    EXPECT_TRUE(LogHas("EConvertError"));
}

TEST(DescriptionLines, TakesHashLinesInTheirRangeWithoutTheirFirstThreeCharacters) {
    std::string text = "## one\r\n## two\n##three\nplain\n## five\n##\n## seven\n";
    EXPECT_EQ(zw::DescriptionLines(text, 1, 10),
              (std::vector<std::string>{"one", "two", "hree", "five", "", "seven"}));
    EXPECT_EQ(zw::DescriptionLines(text, 3, 5), (std::vector<std::string>{"hree", "five"}));
    EXPECT_TRUE(zw::DescriptionLines("", 1, 10).empty());
    EXPECT_TRUE(zw::DescriptionLines(" ## not at the start\n", 1, 10).empty());
}
