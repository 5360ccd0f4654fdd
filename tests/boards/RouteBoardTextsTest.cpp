#include "boards/RouteBoardTexts.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zw;

TEST(RouteBoardTexts, ReadsEveryKey) {
    std::string text =
        "## Tralnik\r\nLN 101\r\nK1 Dworzec\r\nK2 Glowny\r\nK3 Osiedle\r\nK0 Zajezdnia\r\nK9 Rynek\r\n"
        "1A Most\r\n4A Park\r\n2C Szkola\r\n3E Las\r\nD1 1\r\nD2 3\r\nD3 4\r\nD4 2\r\nmodel,1,2\r\n";
    RouteBoardTexts t;
    ReadRouteBoardTexts(text, "x.ms1", t);
    EXPECT_EQ(t.LineNumber, "101");
    EXPECT_EQ(t.Kierunek(1).Linia1, "Dworzec");
    EXPECT_EQ(t.Kierunek(1).Linia2, "Glowny");
    EXPECT_EQ(t.Kierunek(2).Linia1, "Osiedle");
    EXPECT_EQ(t.Kierunek(5).Linia1, "Rynek");
    EXPECT_EQ(t.Kierunek(5).Linia2, "Zajezdnia");
    EXPECT_EQ(t.Kierunek(1).Punkty[0], "Most");
    EXPECT_EQ(t.Kierunek(1).Punkty[3], "Park");
    EXPECT_EQ(t.Kierunek(3).Punkty[1], "Szkola");
    EXPECT_EQ(t.Kierunek(5).Punkty[2], "Las");
    EXPECT_EQ(t.Kierunek(1).Rodzaj, RodzajOneLine);
    EXPECT_EQ(t.Kierunek(2).Rodzaj, RodzajFirstLarger);
    EXPECT_EQ(t.Kierunek(3).Rodzaj, RodzajSecondLarger);
    EXPECT_EQ(t.Kierunek(4).Rodzaj, RodzajTwoLines);
    EXPECT_EQ(t.Kierunek(5).Rodzaj, RodzajTwoLines); // the default
}

TEST(RouteBoardTexts, KeysChainOnWhatThePreviousMatchLeft) {
    RouteBoardTexts t;
    ReadRouteBoardTexts("K1 K2 Rynek Glowny\nLN K3 x\nk4 lower case\nK5\n", "r.rs1", t);
    EXPECT_EQ(t.Kierunek(1).Linia1, "K2 Rynek Glowny");
    EXPECT_EQ(t.Kierunek(1).Linia2, "Rynek Glowny");
    EXPECT_EQ(t.LineNumber, "K3 x");
    EXPECT_EQ(t.Kierunek(2).Linia1, "x");
    EXPECT_EQ(t.Kierunek(2).Linia2, ""); // keys are case-sensitive
    EXPECT_EQ(t.Kierunek(3).Linia1, ""); // no blank: no value
}

TEST(RouteBoardTexts, DValueMustBeANumberAndErrorsChangeNothing) {
    RouteBoardTexts t;
    t.LineNumber = "7";
    t.Kierunek(1).Linia1 = "old";
    try {
        ReadRouteBoardTexts("LN 9\nK1 new\nD2 three\n", "r.rs1", t);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("r.rs1, line 3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(t.LineNumber, "7");
    EXPECT_EQ(t.Kierunek(1).Linia1, "old");
    EXPECT_THROW(ReadRouteBoardTexts("D1 D2 2\n", "r.rs1", t), EConvertError);
}

TEST(RouteBoardTexts, DirectionsResetButTheLineNumberStays) {
    RouteBoardTexts t;
    ReadRouteBoardTexts("LN 5\nK1 a\nD1 1\n", "a.ms1", t);
    ReadRouteBoardTexts("K3 b\nD1 7\n", "b.rs1", t);
    EXPECT_EQ(t.LineNumber, "5");
    EXPECT_EQ(t.Kierunek(1).Linia1, "");
    EXPECT_EQ(t.Kierunek(1).Rodzaj, RodzajTwoLines); // 7 leaves the default
    EXPECT_EQ(t.Kierunek(2).Linia1, "b");
}

TEST(RouteBoardTexts, ReadsFilesByWindowsPath) {
    auto dir = std::filesystem::temp_directory_path() / "zw_route_texts";
    std::filesystem::create_directories(dir / "Maps");
    std::ofstream(dir / "Maps" / "Demo.ms1", std::ios::binary) << "LN 12\r\nK1 Centrum";
    auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    RouteBoardTexts t;
    ReadRouteBoardTextsFile("Maps\\demo.ms1", t);
    EXPECT_EQ(t.LineNumber, "12");
    EXPECT_EQ(t.Kierunek(1).Linia1, "Centrum");
    EXPECT_THROW(ReadRouteBoardTextsFile("Maps\\missing.ms1", t), EInOutError);
    std::filesystem::current_path(old);
    std::filesystem::remove_all(dir);
}
