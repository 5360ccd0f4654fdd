// The launcher's content: map, route, bus and texture-set descriptions, the
// route list and the board texts of the chosen map or route.
#include "shell/TZwEngine.h"
#include "shell/TZwLauncherForm.h"
#include "shell/ZwLog.h"
#include "util/Fields.h"
#include "util/Paths.h"

namespace zw {

namespace {
// Runs a routine with its entering and exiting lines; an exception is logged
// and the program goes on.
template <class Fn>
void Logged(const char* routine, Fn&& fn) {
    auto& log = EngineLog();
    log.Add(std::string("{@3}>>> Entering{@16}") + routine);
    try {
        fn();
    } catch (const std::exception& e) {
        log.AddException(e, routine);
    }
    log.Add(std::string("{@3}>>> Exiting{@16}") + routine);
}

std::vector<std::string> FileDescription(const std::string& path, int first, int last) {
    return DescriptionLines(ReadFileText(path), first, last);
}
} // namespace

std::vector<std::string> DescriptionLines(const std::string& text, int first, int last) {
    std::vector<std::string> out;
    size_t pos = 0;
    for (int line = 1; line <= last && pos < text.size(); ++line) {
        size_t end = text.find('\n', pos);
        std::string s = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 1;
        if (!s.empty() && s.back() == '\r') s.pop_back();
        if (line >= first && s.compare(0, 2, "##") == 0) out.push_back(s.size() > 3 ? s.substr(3) : "");
    }
    return out;
}

void TZwLauncherForm::ref_omap() {
    Model["memMapDescription"].items.clear();
    Logged("ref_omap", [&] {
        Model["memMapDescription"].items =
            FileDescription(AppPath("Maps\\" + Model.SelectedText("cbxMapList")), 3, 10);
    });
}

void TZwLauncherForm::ref_o_route() {
    Model["cbxRouteDescription"].items.clear();
    std::string route = Model.SelectedText("cbxRoute");
    bool ownRoute = !route.empty() && route != "Main";
    if (ownRoute) Model["cbxRouteDescription"].items = FileDescription(AppPath("Maps\\" + route), 1, 10);
    // Board texts: every direction starts as two empty lines.
    for (TKierunek& k : Kierunki) k = TKierunek{};
    RouteFile = ownRoute ? route : Model.SelectedText("cbxMapList");
    RouteBoardTexts texts;
    texts.LineNumber = Model["edLinia"].text;
    ReadRouteBoardTextsFile(AppPath("Maps\\" + RouteFile), texts);
    Model["edLinia"].text = texts.LineNumber;
    Kierunki = texts.Kierunki;
    DoEkranu();
}

void TZwLauncherForm::ref_o_bus() {
    Logged("ref_o_bus", [&] {
        std::string model = Model.SelectedText("cbxBusList");
        Model["memBusDescription"].items.clear();
        // A description that cannot be read still leaves the texture sets offered.
        try {
            Model["memBusDescription"].items = FileDescription(AppPath("model\\" + model + "\\desc.bs1"), 1, 10);
        } catch (const std::exception& e) {
            EngineLog().AddException(e, "ref_o_bus");
        }
        Model.SetItems("cbxTexturesList", engine_.Config->ListOfTextures(model));
        Model.SetIndex("cbxTexturesList", 0);
        ref_o_tex();
    });
}

void TZwLauncherForm::ref_o_tex() {
    Model["memTexturesDescription"].items.clear();
    Logged("ref_o_tex", [&] {
        std::string path = AppDirSlash() + "model/" + Model.SelectedText("cbxBusList") + "/" +
                           Model.SelectedText("cbxTexturesList") + "/desc.ts1";
        Model["memTexturesDescription"].items = FileDescription(ResolvePath(path), 1, 10);
    });
}

void TZwLauncherForm::BuildRouteList() {
    std::vector<std::string> routes{"Main"};
    std::string map = Model.SelectedText("cbxMapList");
    if (map.empty()) {
        // No map chosen: no route file belongs to it (an empty stem would match them all).
        RouteFile.clear();
    } else {
        std::string stem = map.size() > 4 ? map.substr(0, map.size() - 4) : "";
        for (const std::string& f : ListDirectory(AppPath("Maps"), false, true, ".rs1"))
            if (f.size() >= stem.size() && EqualsNoCase(f.substr(0, stem.size()), stem)) routes.push_back(f);
        RouteFile = stem + ".ms1";
    }
    Model.SetItems("cbxRoute", routes);
    Model.SetIndex("cbxRoute", 0);
}

void TZwLauncherForm::cbxMapListChange() {
    ref_omap();
    BuildRouteList();
    ref_o_route();
}

void TZwLauncherForm::cbxRouteChange() { ref_o_route(); }
void TZwLauncherForm::cbxBusListChange() { ref_o_bus(); }
void TZwLauncherForm::cbxTexturesListChange() { ref_o_tex(); }
void TZwLauncherForm::lbxLanguageClick() { ApplyLanguage(Model.SelectedText("cbxLanguage")); }

} // namespace zw
