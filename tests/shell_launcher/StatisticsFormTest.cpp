#include "LauncherTestSupport.h"

#include "shell/TZwStatisticsForm.h"

using namespace zwtest;

TEST_F(LauncherTest, StatisticsWindowTakesItsTextsAndEndsTheProgramOnClose) {
    Start();
    zw::TZwStatisticsForm stats;
    EXPECT_EQ(stats.Model.Form().caption, "Statistics");
    EXPECT_EQ(stats.Model.Form().rect.width, 598);
    EXPECT_EQ(stats.Model.Form().rect.height, 451);
    stats.FormCreate(*engine->Languages);
    EXPECT_EQ(stats.Model.Form().caption, "Statistics");
    EXPECT_FALSE(stats.Visible());
    stats.Append("Route summary:");
    stats.Append("Bus stop: 1. Rynek");
    EXPECT_EQ(stats.Model["memStatistics"].items.size(), 2u);
    EXPECT_TRUE(stats.Model["memStatistics"].readOnly);
    engine->SetLanguage("Polski");
    stats.Show(*engine->Languages);
    EXPECT_TRUE(stats.Visible());
    EXPECT_EQ(stats.Model["btnClose"].caption, "Zamknij");
    EXPECT_FALSE(stats.Closed());
    stats.Model.KeyPress(zw::ui::Key::Enter); // the focus is on Close
    EXPECT_TRUE(stats.Closed());
}
