#include "platform/window/MessageLoop.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowOptions.h"
#include "platform/window/null/NullWindowSystem.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zw;

TEST(MessageLoop, FrameClockGetsTheFixedStepAndTotal) {
    NullWindowSystem sys(0.02);
    MessageLoop loop(sys);
    FrameClock clock(loop);
    int frames = 0, renders = 0;
    double total = 0, lastNew = 0;
    clock.onProgress = [&](double dt, double newTime) {
        if (frames > 0) EXPECT_NEAR(dt, 0.02, 1e-12);
        else EXPECT_EQ(dt, 0.0) << "the first frame comes right after enabling";
        total += dt;
        lastNew = newTime;
        if (++frames == 51) loop.Quit();
    };
    clock.render = [&] { ++renders; };
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_EQ(frames, 51);
    EXPECT_EQ(renders, 51) << "each progress call is followed by a render";
    EXPECT_NEAR(total, 1.0, 1e-9);
    EXPECT_NEAR(lastNew, total, 1e-12);
}

TEST(MessageLoop, TimersFireOnVirtualTimeBetweenFrames) {
    NullWindowSystem sys(0.01);
    MessageLoop loop(sys);
    FrameClock clock(loop);
    LoopTimer t100(loop, 100), t500(loop, 500), off(loop, 100), zero(loop, 0);
    int n100 = 0, n500 = 0, nOff = 0, nZero = 0;
    t100.onTimer = [&] { ++n100; };
    t500.onTimer = [&] { ++n500; };
    off.onTimer = [&] { ++nOff; };
    zero.onTimer = [&] { ++nZero; };
    t100.SetEnabled(true);
    t500.SetEnabled(true);
    zero.SetEnabled(true);
    clock.onProgress = [&](double, double t) {
        if (t >= 2.0 - 1e-9) loop.Quit();
    };
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_NEAR(n100, 20, 1);
    EXPECT_NEAR(n500, 4, 1);
    EXPECT_EQ(nOff, 0) << "a disabled timer never fires";
    EXPECT_EQ(nZero, 0) << "interval 0 never fires";
}

TEST(MessageLoop, TimersAloneJumpTheVirtualClock) {
    NullWindowSystem sys(0.01);
    MessageLoop loop(sys);
    LoopTimer t(loop, 1000);
    std::vector<double> at;
    t.onTimer = [&] {
        at.push_back(loop.Now());
        if (at.size() == 3) t.SetEnabled(false);
    };
    t.SetEnabled(true);
    loop.Run(); // ends by itself: nothing can happen after the timer stops
    ASSERT_EQ(at.size(), 3u);
    EXPECT_NEAR(at[0], 1.0, 1e-9);
    EXPECT_NEAR(at[2], 3.0, 1e-9);
    EXPECT_FALSE(loop.Running());
}

TEST(MessageLoop, ReenablingATimerStartsItsCountAgain) {
    NullWindowSystem sys(0.1);
    MessageLoop loop(sys);
    FrameClock clock(loop);
    LoopTimer t(loop, 1000);
    double firedAt = -1;
    t.onTimer = [&] { firedAt = loop.Now(); };
    clock.onProgress = [&](double, double now) {
        if (std::fabs(now - 0.5) < 1e-9) {
            t.SetEnabled(false);
            t.SetEnabled(true);
        }
        if (now > 3) loop.Quit();
    };
    t.SetEnabled(true);
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_NEAR(firedAt, 2.5, 1e-6) << "last firing: 1.5 s after re-enabling at 0.5, then at 2.5";
}

TEST(MessageLoop, ScriptedInputReachesKeysAndWindows) {
    NullWindowSystem sys(0.05);
    sys.SetScript(LoadInputScript(std::string(ZW_TEST_DIR) + "/window/fixtures/drive.zws"));
    MessageLoop loop(sys);
    auto viewer = sys.CreateWindow(WindowDesc{});
    loop.AddWindow(viewer.get());
    FrameClock clock(loop);
    bool closed = false;
    int mouseEvents = 0;
    viewer->onClose = [&] {
        closed = true;
        loop.Quit();
    };
    viewer->onInput = [&](const InputEvent& e) {
        if (e.kind == InputEvent::Kind::MouseDown || e.kind == InputEvent::Kind::MouseMove) ++mouseEvents;
    };
    struct Seen {
        bool upAt0 = false, upAt06 = false, spaceAt03 = false, wheelFwd = false, wheelBack = false;
    } seen;
    clock.onProgress = [&](double, double) {
        double t = loop.Now();
        InputState& in = loop.Input();
        if (std::fabs(t - 0.0) < 1e-9) seen.upAt0 = in.IsKeyDown(vk::Up);
        if (std::fabs(t - 0.3) < 1e-9) seen.spaceAt03 = in.IsKeyDown(vk::Space);
        if (std::fabs(t - 0.6) < 1e-9) seen.upAt06 = in.IsKeyDown(vk::Up);
        if (std::fabs(t - 1.2) < 1e-9) seen.wheelFwd = in.IsKeyDown(134) && !in.IsKeyDown(134);
        if (std::fabs(t - 1.3) < 1e-9) seen.wheelBack = in.IsKeyDown(135);
    };
    clock.SetEnabled(true);
    loop.Run();
    EXPECT_TRUE(seen.upAt0);
    EXPECT_TRUE(seen.spaceAt03);
    EXPECT_FALSE(seen.upAt06);
    EXPECT_TRUE(seen.wheelFwd);
    EXPECT_TRUE(seen.wheelBack);
    EXPECT_EQ(mouseEvents, 2);
    EXPECT_TRUE(closed);
    EXPECT_NEAR(loop.Now(), 2.0, 1e-9);
    EXPECT_EQ(loop.Input().Joystick().x, -50);
    EXPECT_EQ(loop.Input().Joystick().buttons, 8u);
}

TEST(MessageLoop, FormsArePaintedEachPassWhileVisible) {
    NullWindowSystem sys(0.1);
    MessageLoop loop(sys);
    auto form = sys.CreateWindow(WindowDesc{});
    loop.AddWindow(form.get());
    int paints = 0;
    form->onPaint = [&] {
        if (++paints == 5) form->SetState(WindowState::Minimized);
    };
    loop.Run(); // minimised: nothing to paint, nothing pending: the headless loop ends
    EXPECT_EQ(paints, 5);
    EXPECT_NEAR(sys.Now(), 0.5, 1e-9);
}

TEST(NullWindowSystem, FullScreenUsesTheModeOnlyWhenOffered) {
    NullWindowSystem sys(0.1, {1280, 1024});
    WindowDesc d;
    d.width = 1024;
    d.height = 768;
    d.fullScreen = true;
    auto w = sys.CreateWindow(d);
    EXPECT_EQ(w->FullScreen(), FullScreenKind::Desktop);
    EXPECT_EQ(w->Width(), 1280);
    w->SetFullScreen(false);
    EXPECT_EQ(w->FullScreen(), FullScreenKind::Off);
    EXPECT_EQ(w->Width(), 1024);
    d.width = 1280;
    d.height = 1024;
    auto m = sys.CreateWindow(d);
    EXPECT_EQ(m->FullScreen(), FullScreenKind::Mode);
    EXPECT_FALSE(m->MakeCurrent()) << "headless windows have no GL";
    EXPECT_TRUE(sys.OpenUrl("https://example.invalid/"));
    ASSERT_EQ(sys.OpenedUrls().size(), 1u);
}

TEST(WindowOptions, TakesItsOwnOptionsAndLeavesTheRest) {
    std::vector<std::string> args = {"--headless", "view", "--dt", "0.05", "--windowed", "--script", "s.zws", "x"};
    WindowOptions o = TakeWindowOptions(args);
    EXPECT_TRUE(o.headless);
    EXPECT_TRUE(o.windowed);
    EXPECT_EQ(o.script, "s.zws");
    EXPECT_DOUBLE_EQ(o.frameStep, 0.05);
    EXPECT_EQ(args, (std::vector<std::string>{"view", "x"}));
    std::vector<std::string> bad = {"--dt", "0"};
    EXPECT_THROW(TakeWindowOptions(bad), EConvertError);
    std::vector<std::string> missing = {"--script"};
    EXPECT_THROW(TakeWindowOptions(missing), EConvertError);
}
