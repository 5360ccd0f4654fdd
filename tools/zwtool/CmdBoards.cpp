// zwtool boards: draws every destination board of a bus and texture set for
// the five directions of a map or route, writing the files the game writes,
// so that map and bus makers can preview their boards.
#include "boards/TWyswietlacze.h"
#include "tools/zwtool/Command.h"
#include "util/Cp1250.h"
#include "util/Errors.h"
#include "util/Paths.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

struct Options {
    std::string bus, set, route, out, app;
};

void Parse(const std::vector<std::string>& args, Options& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string& {
            if (i + 1 >= args.size()) throw zw::EConvertError(a + " needs " + what);
            return args[++i];
        };
        if (a == "--bus") o.bus = value("a bus folder");
        else if (a == "--set") o.set = value("a texture set");
        else if (a == "--route") o.route = value("a map or route file in Maps");
        else if (a == "--out") o.out = value("a folder");
        else if (a == "--app") o.app = value("a folder");
        else throw zw::EConvertError("unknown option " + a);
    }
    if (o.bus.empty() || o.set.empty() || o.route.empty())
        throw zw::EConvertError("--bus, --set and --route are needed");
}

std::string Shown(const std::string& cp1250) { return zw::Cp1250ToUtf8(cp1250); }

void PrintReport(const zw::BoardReport& r) {
    std::printf("%-22s %5d x %-4d %s layout %c\n", r.File.c_str(), r.Width, r.Height,
                r.Typ == 'm' ? "dot matrix" : "plywood   ", r.Uklad);
    for (const auto& p : r.Placements) {
        if (p.Font == 'f') std::printf("    %-12s \"%s\": not drawn (no font fits)\n", p.What.c_str(), Shown(p.Text).c_str());
        else std::printf("    %-12s \"%s\": font %c\n", p.What.c_str(), Shown(p.Text).c_str(), p.Font);
    }
}

int Boards(const std::vector<std::string>& args) {
    int drawn = 0;
    try {
        Options o;
        Parse(args, o);
        if (!o.app.empty()) zw::SetAppDir(std::filesystem::absolute(o.app).lexically_normal().string());
        std::string outDir;
        if (!o.out.empty()) {
            std::filesystem::create_directories(o.out);
            outDir = std::filesystem::absolute(o.out).string() + "/";
        }
        // The game's paths are relative to the application folder.
        if (::chdir(zw::AppDir().c_str()) != 0) throw zw::EInOutError("cannot enter folder \"" + zw::AppDir() + "\"");

        zw::TWyswietlacze w;
        w.BusFolder = o.bus;
        w.TextureSet = o.set;
        zw::ReadRouteBoardTextsFile("Maps\\" + o.route, w.Teksty);
        if (!outDir.empty()) w.OutputDir = outDir;
        std::printf("line \"%s\"\n", Shown(w.Teksty.LineNumber).c_str());
        for (int d = 1; d <= 5; ++d) {
            const zw::TKierunek& k = w.Teksty.Kierunek(d);
            std::printf("direction %d: \"%s\" / \"%s\" (kind %d)\n", d, Shown(k.Linia1).c_str(),
                        Shown(k.Linia2).c_str(), int(k.Rodzaj));
        }
        w.WczytajBusa();
        std::printf("%s: %d boards, dots \"%s\"\n", Shown(w.Autobus.Opis).c_str(), int(w.Autobus.Ile),
                    w.Autobus.Diody.c_str());
        for (int n = 1; n <= 5; ++n) {
            w.NrKierunku = n;
            for (const zw::TTablice& board : w.Autobus.Tablice) {
                w.KreujTablice(board);
                PrintReport(w.Ostatnia);
                ++drawn;
            }
        }
        std::printf("%d boards written\n", drawn);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zwtool boards: %s: %s (%d boards written before)\n", zw::ErrorClassName(e), e.what(),
                     drawn);
        return 1;
    }
}

zwtool::CommandRegistrar reg("boards",
                             "boards --bus FOLDER --set SET --route FILE [--out DIR] [--app DIR]   draw the "
                             "destination boards of a bus for the five directions of a map or route",
                             &Boards);
} // namespace
