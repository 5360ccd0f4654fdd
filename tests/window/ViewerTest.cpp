#include "platform/window/FullScreenViewer.h"
#include "platform/window/null/NullWindowSystem.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;

TEST(FullScreenViewer, HeadlessViewerCountsFramesPerSecondOnVirtualTime) {
    NullWindowSystem sys(0.02);
    MessageLoop loop(sys);
    FullScreenViewer viewer(loop, nullptr);
    viewer.SetWidth(1366);
    viewer.SetHeight(768);
    viewer.SetActive(true);
    ASSERT_NE(viewer.GetWindow(), nullptr);
    EXPECT_FALSE(viewer.HasRenderer());
    EXPECT_EQ(viewer.GetWindow()->FullScreen(), FullScreenKind::Desktop) << "1366x768 is no mode of the display";
    FrameClock clock(loop);
    viewer.AttachClock(clock);
    clock.onProgress = [&](double, double t) {
        if (t >= 2.5) loop.Quit();
    };
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_NEAR(viewer.FramesPerSecond(), 50.0f, 1.0f);
    EXPECT_THROW(viewer.SaveScreenshot("x.png"), EInOutError) << "nothing is drawn headless";
}

TEST(FullScreenViewer, CloseCommandReachesTheHandlerAndInactiveLeavesFullScreen) {
    NullWindowSystem sys(0.02);
    MessageLoop loop(sys);
    FullScreenViewer viewer(loop, nullptr);
    bool closed = false;
    viewer.onClose = [&] {
        closed = true;
        viewer.SetActive(false);
        loop.Quit();
    };
    viewer.SetActive(true);
    InputEvent close;
    close.kind = InputEvent::Kind::Close;
    close.window = viewer.GetWindow()->Id();
    sys.Inject(close);
    loop.Run();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(viewer.Active());
    EXPECT_EQ(viewer.GetWindow()->FullScreen(), FullScreenKind::Off);
    EXPECT_FALSE(viewer.GetWindow()->Visible());
}

TEST(FullScreenViewer, RejectsSettingsOutsideTheirRange) {
    NullWindowSystem sys;
    MessageLoop loop(sys);
    FullScreenViewer viewer(loop, nullptr);
    EXPECT_THROW(viewer.SetScreenDepth(12), ERangeError);
    EXPECT_THROW(viewer.SetWidth(0), ERangeError);
    EXPECT_THROW(viewer.SetHeight(-5), ERangeError);
    EXPECT_EQ(viewer.Width(), 800);
    EXPECT_EQ(viewer.ScreenDepth(), 24);
}
