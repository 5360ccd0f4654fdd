#include "GameTestSupport.h"

#include "game/GameSounds.h"

using namespace zw;
using namespace zwtest;

class SoundsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        bus = dir / "model" / "Test Bus";
        fs::create_directories(bus);
        fs::copy(fs::path(ZW_GAME_DIR) / "model" / "Orvena City", bus, fs::copy_options::recursive);
        sound.Init(44100);
    }
    std::string PathOf(SampleHandle s) {
        ChannelHandle c = sound.SampleGetChannel(s);
        return sound.ChannelGetInfo(c).path;
    }
    fs::path bus;
};

TEST_F(SoundsTest, EveryFileOfTheTableIsLoaded) {
    GameSounds s = LoadGameSounds(sound, dir.string(), "Test Bus");
    EXPECT_TRUE(s.Engine);
    EXPECT_NE(PathOf(s.Engine).find("engine.wav"), std::string::npos);
    EXPECT_NE(PathOf(s.DoorKOpen[3]).find("d3open.wav"), std::string::npos);
    EXPECT_NE(PathOf(s.DoorKClose[4]).find("d4close.wav"), std::string::npos);
    // Four copies of the bell, one per door.
    for (int k = 2; k <= 4; ++k) EXPECT_NE(s.Dzwonek[size_t(k)], s.Dzwonek[1]) << k;
    ChannelHandle engine = sound.PlaySample(s.Engine);
    EXPECT_TRUE(sound.ChannelGetInfo(engine).loop);
}

TEST_F(SoundsTest, ADoorWithOneOfItsFilesMissingUsesTheDriversDoorSounds) {
    fs::remove(bus / "d3open.wav");
    GameSounds s = LoadGameSounds(sound, dir.string(), "Test Bus");
    EXPECT_EQ(s.DoorKOpen[3], s.DoorOpen);
    EXPECT_EQ(s.DoorKClose[3], s.DoorClose);
    EXPECT_NE(s.DoorKOpen[2], s.DoorOpen);
}

TEST_F(SoundsTest, MissingTockLoadsTheTickAndMissingPffStaysEmpty) {
    fs::remove(bus / "syg_kier.wav");
    fs::remove(bus / "pff.wav");
    GameSounds s = LoadGameSounds(sound, dir.string(), "Test Bus");
    ASSERT_TRUE(s.SygKier);
    EXPECT_NE(PathOf(s.SygKier).find("kier.wav"), std::string::npos);
    EXPECT_FALSE(s.Pff);
    EXPECT_FALSE(sound.PlaySample(s.Pff).id);
}

TEST_F(SoundsTest, AMissingBusFolderGivesEmptySamples) {
    GameSounds s = LoadGameSounds(sound, dir.string(), "No Such Bus");
    EXPECT_FALSE(s.Engine);
    EXPECT_FALSE(s.Kier);
    EXPECT_FALSE(sound.PlaySample(s.Klakson).id);
}
