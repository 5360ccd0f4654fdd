#include "GameTestSupport.h"

#include "platform/window/VirtualKeys.h"

#include <cmath>

using namespace zw;
using namespace zwtest;

using FrameTest = GameTest;

namespace {
constexpr double kSecond = 1.0 / 86400;
}

TEST_F(FrameTest, GameTimeFollowsTheClockAndALargeDeltaTimeReachesTheBusWhole) {
    TZwGameForm& g = MakeGame();
    FakeBus& bus = AddBus();
    Frame(0.02);
    EXPECT_NEAR(g.GameTime, 7.0 / 24 + 0.02 * kSecond, 1e-9);
    Frame(30.0);
    ASSERT_EQ(bus.policzDt.size(), 2u);
    EXPECT_DOUBLE_EQ(bus.policzDt[1], 30.0);
    EXPECT_DOUBLE_EQ(bus.ruszDt[1], 30.0);
    EXPECT_NEAR(g.GameTime, 7.0 / 24 + 30.02 * kSecond, 1e-9);
    // One blink step for the whole long frame.
    EXPECT_EQ(bus.migaj, 1);
    EXPECT_DOUBLE_EQ(g.BlinkTimer, 0);
}

TEST_F(FrameTest, AFailingStepIsLoggedAndTheFrameGoesOn) {
    TZwGameForm& g = MakeGame();
    FakeBus& bus = AddBus();
    bus.failPolicz = true;
    Frame(0.25);
    EXPECT_TRUE(Logged("  >>> Error at Bus[MojNumer : 1].Policz(deltaTime : 0.25)"));
    bool entry = false;
    for (const std::string& l : LogLines())
        entry = entry || (l.find("bus out of the map") != std::string::npos &&
                          l.find("TZwGameForm.GLCadencer1Progress") != std::string::npos);
    EXPECT_TRUE(entry);
    ASSERT_EQ(bus.ruszDt.size(), 1u); // the later steps still ran
    EXPECT_DOUBLE_EQ(g.BlinkTimer, 0.25);
}

TEST_F(FrameTest, EngineSoundFollowsEngineSpeedAndThrottle) {
    fs::create_directories(dir / "model" / "Test Bus");
    fs::copy_file(fs::path(ZW_GAME_DIR) / "model" / "Orvena City" / "engine.wav", dir / "model" / "Test Bus" / "engine.wav");
    TZwGameForm& g = MakeGame();
    FakeBus& bus = AddBus();
    bus.naped.RPM = 1000;
    bus.naped.Throttle = 0.5f;
    sound.ChannelSetAttributes(g.EngineChannel, std::nullopt, 0.7f, -0.5f);
    Frame(0.02);
    ChannelInfo info = sound.ChannelGetInfo(g.EngineChannel);
    EXPECT_EQ(info.frequency, 5000 + 6000 + 1000);
    EXPECT_FLOAT_EQ(info.volume, 0.7f); // volume and pan stay
    EXPECT_FLOAT_EQ(info.pan, -0.5f);
}

TEST_F(FrameTest, IndicatorBlinksEveryHalfSecondWithTickAndTock) {
    fs::create_directories(dir / "model" / "Test Bus");
    fs::copy(fs::path(ZW_GAME_DIR) / "model" / "Orvena City", dir / "model" / "Test Bus", fs::copy_options::recursive);
    TZwGameForm& g = MakeGame();
    FakeBus& bus = AddBus();
    bus.indicator = 1;
    for (int i = 0; i < 5; ++i) Frame(0.1); // 0.5 is not past 0.5
    EXPECT_EQ(bus.migaj, 0);
    Frame(0.1);
    EXPECT_EQ(bus.migaj, 1);
    EXPECT_TRUE(g.TickTock);
    EXPECT_EQ(g.hud_ki->Mat().LibMaterialName(), "ki_1");
    EXPECT_EQ(sound.SampleIsActive(g.Sounds.SygKier), ChannelState::Playing);
    for (int i = 0; i < 6; ++i) Frame(0.1);
    EXPECT_EQ(bus.migaj, 2);
    EXPECT_FALSE(g.TickTock);
    EXPECT_EQ(g.hud_ki->Mat().LibMaterialName(), "ki_0");
    EXPECT_EQ(sound.SampleIsActive(g.Sounds.Kier), ChannelState::Playing);
}

TEST_F(FrameTest, PausingForFiveMinutesKeepsGameTime) {
    TZwGameForm& g = MakeGame();
    FakeBus& bus = AddBus();
    Frame(0.02);
    Key(vk::Pause, true);
    Frame(0.02);
    ASSERT_TRUE(g.Paused);
    double shown = g.GameTime;
    EXPECT_DOUBLE_EQ(g.PauseTime, shown);
    Key(vk::Pause, false);
    size_t steps = bus.policzDt.size();
    for (int i = 0; i < 300; ++i) Frame(1.0);
    EXPECT_EQ(bus.policzDt.size(), steps); // the simulation stands still
    EXPECT_DOUBLE_EQ(g.GameTime, shown);
    Key(vk::Pause, true);
    Frame(0.02);
    EXPECT_FALSE(g.Paused);
    Key(vk::Pause, false);
    Frame(0.02);
    EXPECT_NEAR(g.GameTime, shown + 0.02 * kSecond, 1e-9);
}

TEST_F(FrameTest, HoldingPauseTogglesOnce) {
    TZwGameForm& g = MakeGame();
    Key(vk::Pause, true);
    for (int i = 0; i < 50; ++i) {
        Frame(0.02);
        ASSERT_TRUE(g.Paused) << i;
    }
    Key(vk::Pause, false);
    Frame(0.02);
    EXPECT_TRUE(g.Paused);
}

TEST_F(FrameTest, TheExitKeyWithEscKeyExitOffDoesNothing) {
    Settings().Game.EscKeyExit = false;
    TZwGameForm& g = MakeGame();
    WriteText(dir / "tab" / "przod1.bmp", "board");
    Key(vk::Escape, true);
    for (int i = 0; i < 3; ++i) Frame(0.02);
    EXPECT_FALSE(g.Ended);
    EXPECT_TRUE(g.GLCadencer1.Enabled());
    EXPECT_TRUE(g.GLFullScreenViewer1.Active());
    EXPECT_EQ(statistics.shown, 0);
    EXPECT_TRUE(fs::exists(dir / "tab" / "przod1.bmp"));
    // The viewer's close still ends the game.
    g.GLFullScreenViewer1Close();
    EXPECT_TRUE(g.Ended);
    EXPECT_EQ(statistics.shown, 1);
}

TEST_F(FrameTest, TheExitKeyEndsTheGameOnceEvenWhilePaused) {
    TZwGameForm& g = MakeGame();
    int odlacz = 0;
    g.odlacz = [&odlacz] { ++odlacz; };
    for (const char* f : {"akt.lin", "przod1.bmp", "bok1.bmp", "tyl1.bmp", "przod2.bmp", "bok2.bmp"})
        WriteText(dir / "tab" / f, "board"); // tyl2.bmp missing: no error
    WriteText(dir / "tab" / "przod3.bmp", "board");
    Key(vk::Pause, true);
    Frame(0.02);
    ASSERT_TRUE(g.Paused);
    Key(vk::Escape, true);
    Frame(0.02);
    EXPECT_TRUE(g.Ended);
    EXPECT_EQ(odlacz, 1);
    EXPECT_EQ(statistics.shown, 1);
    EXPECT_FALSE(g.GLFullScreenViewer1.Active());
    EXPECT_FALSE(g.GLCadencer1.Enabled());
    EXPECT_FALSE(g.Timer1.Enabled());
    EXPECT_FALSE(sound.IsInitialized());
    for (const char* f : {"akt.lin", "przod1.bmp", "bok1.bmp", "tyl1.bmp", "przod2.bmp", "bok2.bmp"})
        EXPECT_FALSE(fs::exists(dir / "tab" / f)) << f;
    EXPECT_TRUE(fs::exists(dir / "tab" / "przod3.bmp"));
    EXPECT_TRUE(fs::exists(dir / "tab" / "blank_przod_myl.bmp"));
    // The key held on: nothing more happens.
    Frame(0.02);
    g.GLFullScreenViewer1Close();
    EXPECT_EQ(odlacz, 1);
    EXPECT_EQ(statistics.shown, 1);
}
