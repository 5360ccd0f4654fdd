#include "GlTestContext.h"
#include "platform/format/Image.h"
#include "platform/render/SceneRenderer.h"
#include "platform/window/FullScreenViewer.h"
#include "platform/window/MessageLoop.h"

using namespace zw;
using namespace zwtest;

namespace {

std::unique_ptr<SdlWindowSystem> RealSystem(std::string& error) {
    try {
        return std::make_unique<SdlWindowSystem>();
    } catch (const std::exception& e) {
        error = e.what();
        return nullptr;
    }
}

} // namespace

TEST(SdlWindows, FullScreenModesStatesAndScreenSize) {
    std::string error;
    auto sys = RealSystem(error);
    if (!sys) GTEST_SKIP() << error;
    ScreenSize screen = sys->Screen();
    EXPECT_GT(screen.width, 0);
    EXPECT_GT(screen.height, 0);
    WindowDesc d;
    d.width = 640;
    d.height = 480;
    d.fullScreen = true;
    d.vsync = false;
    auto w = sys->CreateWindow(d);
    EXPECT_NE(w->FullScreen(), FullScreenKind::Off);
    w->SetFullScreen(false);
    EXPECT_EQ(w->FullScreen(), FullScreenKind::Off);
    // The display's own size is always a mode it offers.
    WindowDesc exact = d;
    exact.width = screen.width;
    exact.height = screen.height;
    auto m = sys->CreateWindow(exact);
    EXPECT_EQ(m->FullScreen(), FullScreenKind::Mode);
    EXPECT_TRUE(m->MakeCurrent());
    sys->SetWindowed(true);
    auto kept = sys->CreateWindow(d);
    EXPECT_EQ(kept->FullScreen(), FullScreenKind::Off) << "--windowed keeps a window";
}

TEST(SdlWindows, ViewerRendersItsSceneAndTakesAScreenshot) {
    std::string error;
    auto sys = RealSystem(error);
    if (!sys) GTEST_SKIP() << error;
    sys->SetWindowed(true);
    MessageLoop loop(*sys);
    FullScreenViewer viewer(loop, GlRendererFactory());
    Scene scene;
    scene.background = {1, 0, 0, 1};
    viewer.scene = &scene;
    viewer.SetWidth(320);
    viewer.SetHeight(200);
    viewer.SetVSync(false);
    viewer.SetActive(true);
    ASSERT_TRUE(viewer.HasRenderer());
    EXPECT_EQ(viewer.GetWindow()->Width(), 320);
    // A progress screen drawn at once, outside the frame clock.
    auto* screen = scene.Root().Add<HudSpriteNode>("screen");
    screen->SetSize(320, 200);
    screen->SetXY(160, 100);
    screen->Mat().Own().SetDiffuse({0, 1, 0, 1});
    viewer.RenderNode(*screen);
    FrameClock clock(loop);
    viewer.AttachClock(clock);
    int frames = 0;
    clock.onProgress = [&](double dt, double) {
        EXPECT_GE(dt, 0.0);
        if (++frames == 3) loop.Quit();
    };
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_EQ(frames, 3);
    screen->Hide();
    std::string out = std::string(ZW_BUILD_DIR) + "/viewer_shot.png";
    viewer.SaveScreenshot(out);
    Image img = ReadImageFile(out);
    ASSERT_EQ(img.Width(), 320);
    EXPECT_EQ(img.At(10, 10), (Rgba{255, 0, 0, 255})) << "the scene's background";
    viewer.SetActive(false);
    EXPECT_FALSE(viewer.Active());
    EXPECT_FALSE(viewer.GetWindow()->Visible());
}
