// zwtool drivetrain: a standing-start run of a gearbox and engine, computed by
// the same step the game runs, for bus makers tuning a drive train.
#include "bus/tnaped.h"
#include "tools/zwtool/Command.h"
#include "util/Errors.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <cstdio>
#include <unistd.h>

namespace {

struct Options {
    std::string gearbox, engine, app;
    bool autoShift = false, csv = false;
    float throttle = 1.0f, seconds = 60.0f, dt = 0.01f;
};

bool Parse(const std::vector<std::string>& args, Options& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string& {
            if (i + 1 >= args.size()) throw zw::EConvertError(a + " needs " + what);
            return args[++i];
        };
        if (a == "--gearbox") o.gearbox = value("a file name");
        else if (a == "--engine") o.engine = value("a file name");
        else if (a == "--app") o.app = value("a folder");
        else if (a == "--auto") o.autoShift = true;
        else if (a == "--csv") o.csv = true;
        else if (a == "--throttle") o.throttle = zw::ParseFloat32(value("a value 0..1"));
        else if (a == "--seconds") o.seconds = zw::ParseFloat32(value("seconds"));
        else if (a == "--dt") o.dt = zw::ParseFloat32(value("seconds"));
        else throw zw::EConvertError("unknown option " + a);
    }
    if (o.throttle < 0 || o.throttle > 1) throw zw::EConvertError("--throttle must be 0 to 1");
    if (!(o.dt > 0) || o.dt > 1) throw zw::EConvertError("--dt must be above 0 and at most 1");
    if (!(o.seconds > 0) || o.seconds > 3600) throw zw::EConvertError("--seconds must be above 0 and at most 3600");
    return true;
}

void PrintBox(const zw::tnaped& n) {
    std::printf("gears: %d forward\n", n.GearCount);
    std::printf("  R  ratio %7.3f\n", n.Ratio(-1));
    for (int i = 1; i <= n.GearCount; ++i) std::printf("  %d  ratio %7.3f\n", i, n.Ratio(i));
    std::printf("final drive %.3f, wheel radius %.3f m, mass %.0f kg\n", n.FinalDrive, n.WheelRadius, n.Mass);
    std::printf("engine curve:");
    for (size_t k = 1; k <= 4; ++k) std::printf(" %.0f/min %.0f Nm%s", n.CurveRPM[k], n.CurveTorque[k], k < 4 ? "," : "\n");
    std::printf("shift speeds:\n");
    for (int i = 2; i <= n.GearCount; ++i)
        std::printf("  %d->%d  %6.2f m/s  %6.1f km/h\n", i - 1, i, n.ShiftSpeed[size_t(i)],
                    n.ShiftSpeed[size_t(i)] * 3.6f);
}

int Drivetrain(const std::vector<std::string>& args) {
    Options o;
    try {
        Parse(args, o);
        std::string app = o.app.empty() ? zw::AppDir() : o.app;
        if (::chdir(app.c_str()) != 0) throw zw::EInOutError("cannot enter folder \"" + app + "\"");
        zw::tnaped n;
        if (!o.gearbox.empty()) n.WczytajSkrzynie(o.gearbox);
        if (!o.engine.empty()) n.WczytajSilnik(o.engine);

        n.EngineOn = true;
        n.Gear = 1;
        n.Throttle = o.throttle;
        n.AutoShift = o.autoShift;
        if (!o.csv) {
            PrintBox(n);
            std::printf("standing start: throttle %.2f, %s, dt %.3f s, %.0f s\n", o.throttle,
                        o.autoShift ? "automatic" : "first gear held", o.dt, o.seconds);
        } else {
            std::printf("t,speed,rpm,gear,torque\n");
        }
        const long steps = static_cast<long>(o.seconds / o.dt + 0.5f);
        float t30 = -1, t50 = -1, top = 0;
        int gear = n.Gear;
        for (long s = 1; s <= steps; ++s) {
            n.Krok(o.dt);
            float t = static_cast<float>(s) * o.dt;
            if (o.csv) {
                std::printf("%.3f,%.4f,%.1f,%d,%.2f\n", t, n.Speed, n.RPM, n.Gear, n.Torque);
                continue;
            }
            float kmh = n.Speed * 3.6f;
            if (t30 < 0 && kmh >= 30) t30 = t;
            if (t50 < 0 && kmh >= 50) t50 = t;
            if (n.Speed > top) top = n.Speed;
            if (n.Gear != gear) {
                std::printf("  %7.2f s  gear %d -> %d at %6.2f m/s (%5.1f km/h), %4.0f/min\n", t, gear, n.Gear,
                            n.Speed, kmh, n.RPM);
                gear = n.Gear;
            }
        }
        if (!o.csv) {
            auto report = [](const char* what, float t) {
                if (t < 0) std::printf("%s: not reached\n", what);
                else std::printf("%s: %.2f s\n", what, t);
            };
            report("0-30 km/h", t30);
            report("0-50 km/h", t50);
            std::printf("top speed: %.2f m/s (%.1f km/h), final gear %d at %.0f/min\n", top, top * 3.6f, n.Gear, n.RPM);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zwtool drivetrain: %s\n", e.what());
        return 2;
    }
}

zwtool::CommandRegistrar reg("drivetrain",
                             "drivetrain [--gearbox F] [--engine F] [--auto] [--throttle T] [--seconds S] [--dt S] "
                             "[--csv] [--app DIR]   standing-start run of a drive train",
                             &Drivetrain);
} // namespace
