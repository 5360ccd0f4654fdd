// The launcher and statistics windows on a real display (Xvfb in tests):
// every page in English and Polish as a screenshot, and keyboard-only use
// through the window's own key events.
#include "../shell_launcher/LauncherTestSupport.h"

#include "platform/ui/imgui/UiWindow.h"
#include "platform/window/sdl/SdlWindow.h"
#include "platform/window/sdl/SdlWindowSystem.h"
#include "shell/TZwStatisticsForm.h"

#include <SDL.h>
#include <stb_image.h>

using namespace zwtest;

namespace {
fs::path ShotDir() {
    fs::path d = fs::path(ZW_BUILD_DIR) / "screenshots";
    fs::create_directories(d);
    return d;
}

struct Image {
    int w = 0, h = 0;
    std::vector<unsigned char> px;
    bool Load(const fs::path& p) {
        int n = 0;
        unsigned char* data = stbi_load(p.c_str(), &w, &h, &n, 3);
        if (!data) return false;
        px.assign(data, data + size_t(w) * h * 3);
        stbi_image_free(data);
        return true;
    }
    // Pixels clearly darker than the window's grey: text, frames, controls.
    int DarkPixels() const {
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 3)
            if (px[i] + px[i + 1] + px[i + 2] < 300) ++n;
        return n;
    }
};

int DifferentPixels(const Image& a, const Image& b) {
    int n = 0;
    for (size_t i = 0; i < a.px.size() && i < b.px.size(); i += 3)
        if (a.px[i] != b.px[i] || a.px[i + 1] != b.px[i + 1] || a.px[i + 2] != b.px[i + 2]) ++n;
    return n;
}

class LauncherWindowTest : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
        try {
            system = std::make_unique<zw::SdlWindowSystem>();
        } catch (const std::exception& e) {
            GTEST_SKIP() << "no display: " << e.what();
        }
    }
    void TearDown() override {
        view.reset();
        window.reset();
        system.reset();
        LauncherTest::TearDown();
    }
    void Open(zw::ui::UiModel& model) {
        window = system->CreateWindow(zw::ui::FormWindowDesc(model));
        auto* sdl = dynamic_cast<zw::SdlWindow*>(window.get());
        ASSERT_NE(sdl, nullptr);
        view = std::make_unique<zw::ui::UiWindow>(model, *sdl);
        view->Sync();
    }
    // A few frames so that the tab bars settle, then the picture.
    Image Shot(const std::string& name) {
        for (int i = 0; i < 3; ++i) Pump();
        fs::path p = ShotDir() / (name + ".png");
        EXPECT_TRUE(view->SaveScreenshot(p.string())) << name;
        Image img;
        EXPECT_TRUE(img.Load(p)) << p;
        return img;
    }
    void Pump() {
        std::vector<zw::InputEvent> events;
        system->PollEvents(events);
        view->Render();
    }
    void Key(SDL_Keycode key, Uint16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = window->Id();
        e.key.keysym.sym = key;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
        e.type = SDL_KEYUP;
        SDL_PushEvent(&e);
        Pump();
    }

    std::unique_ptr<zw::SdlWindowSystem> system;
    std::unique_ptr<zw::Window> window;
    std::unique_ptr<zw::ui::UiWindow> view;
};

struct PageShot {
    const char* name;
    const char* page;
    const char* inner;
};
const PageShot kPages[] = {
    {"about", "tsAbout", nullptr},        {"mapandbus", "tsMapAndBus", nullptr},
    {"game", "tsSettings", "tsGame"},     {"graphics", "tsSettings", "tsGraphics"},
    {"sound", "tsSettings", "tsSound"},   {"manual", "tsManual", nullptr},
    {"boards", "TabSheet5", nullptr},     {"multiplayer", "TabSheet6", nullptr},
};
} // namespace

TEST_F(LauncherWindowTest, EveryPageInBothLanguages) {
    Start();
    Open(M());
    EXPECT_EQ(window->Width(), 437);
    EXPECT_EQ(window->Height(), 551);
    std::map<std::string, Image> english;
    for (const char* lang : {"English", "Polski"}) {
        M().UserSelect("cbxLanguage", M().FindText("cbxLanguage", lang));
        for (const PageShot& p : kPages) {
            // The two hidden pages are shown for their pictures only.
            M()["TabSheet5"].visible = std::string(p.page) == "TabSheet5";
            M()["TabSheet6"].visible = std::string(p.page) == "TabSheet6";
            M().SetActivePage(p.page);
            if (p.inner) M().SetActivePage(p.inner);
            Image img = Shot(std::string("launcher-") + lang + "-" + p.name);
            EXPECT_EQ(img.w, 437);
            EXPECT_GT(img.DarkPixels(), 1000) << lang << " " << p.name;
            if (std::string(lang) == "English") english[p.name] = img;
            else EXPECT_GT(DifferentPixels(english[p.name], img), 500) << p.name << " looks the same in Polish";
        }
    }
}

TEST_F(LauncherWindowTest, KeyboardOnlyTabsThroughAndEnterPressesStart) {
    Start();
    struct Game : zw::TZwGameLink {
        int started = 0;
        void HideNavigationSprite() override {}
        void SetViewerBackground(uint8_t, uint8_t, uint8_t) override {}
        void SetViewerFog(bool) override {}
        void Startuj() override { ++started; }
    } game;
    launcher->SetGameLink(&game);
    Open(M());
    Pump();
    Key(SDLK_TAB);
    EXPECT_EQ(M().At(M().Focus()).name, "btnStart");
    Key(SDLK_TAB);
    Key(SDLK_TAB);
    EXPECT_EQ(M().At(M().Focus()).name, "pcMainPages");
    Key(SDLK_RIGHT);
    EXPECT_TRUE(M().Showing("tsMapAndBus"));
    Key(SDLK_TAB);
    EXPECT_EQ(M().At(M().Focus()).name, "cbxMapList");
    Key(SDLK_UP); // to Brzozki: the route list follows
    EXPECT_EQ(M().SelectedText("cbxMapList"), "Brzozki.ms1");
    EXPECT_EQ(M()["cbxRoute"].items.size(), 2u);
    Key(SDLK_TAB, KMOD_LCTRL);
    EXPECT_TRUE(M().Showing("tsSettings"));
    Key(SDLK_TAB); // into the settings: its page control, then the first check box
    Key(SDLK_TAB);
    EXPECT_EQ(M().At(M().Focus()).name, "cbxNavigation");
    Key(SDLK_SPACE);
    EXPECT_FALSE(M()["cbxNavigation"].checked);
    Shot("launcher-keyboard-focus");
    Key(SDLK_RETURN);
    EXPECT_EQ(game.started, 1);
    EXPECT_NE(Ini().find("Navigation=0\r\n"), std::string::npos);
    Pump();
    EXPECT_FALSE(window->Visible()); // Start hides the launcher
}

TEST_F(LauncherWindowTest, TheStatisticsWindowShowsItsLinesAndCloses) {
    Start();
    engine->SetLanguage("Polski");
    zw::TZwStatisticsForm stats;
    stats.FormCreate(*engine->Languages);
    stats.Append("Podsumowanie trasy:");
    for (int i = 1; i <= 30; ++i) {
        stats.Append("Przystanek: " + std::to_string(i) + ". \xA3\xB9kowa \xAF\xF3\xB3ta");
        stats.Append("   Wed\xB3ug rozk\xB3" "adu:  07:0" + std::to_string(i % 10) + ":00");
    }
    stats.Show(*engine->Languages);
    Open(stats.Model);
    EXPECT_EQ(window->Width(), 598);
    EXPECT_EQ(window->Height(), 451);
    Image img = Shot("statistics-Polski");
    EXPECT_GT(img.DarkPixels(), 2000);
    Key(SDLK_RETURN);
    EXPECT_TRUE(stats.Closed());
}
