// zwtool view: what a 3DS model holds, as the game reads it. --list prints
// each mesh object in file order (name, vertices, triangles, the materials of
// its face groups) and each material with its texture file.
#include "platform/format/ThreeDs.h"
#include "tools/zwtool/Command.h"
#include "tools/zwtool/ModelView.h"
#include "util/Cp1250.h"
#include "util/Errors.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ViewOptions {
    std::string file;
    bool list = false;
    std::string screenshot;
};

ViewOptions ParseView(const std::vector<std::string>& args) {
    ViewOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--list") o.list = true;
        else if (a == "--windowed") {
        } else if (a == "--screenshot") {
            if (i + 1 >= args.size()) throw zw::EConvertError("--screenshot: which PNG file?");
            o.screenshot = args[++i];
        }
        else if (a.rfind("--", 0) == 0) throw zw::EConvertError("unknown option " + a);
        else if (o.file.empty()) o.file = a;
        else throw zw::EConvertError("one model at a time (" + a + ")");
    }
    if (o.file.empty()) throw zw::EConvertError("which 3DS file?");
    return o;
}

// Names are Windows-1250 bytes in the file; the terminal wants UTF-8.
std::string Shown(const std::string& name) { return "\"" + zw::Cp1250ToUtf8(name) + "\""; }

void ListModel(const zw::ThreeDsFile& f) {
    for (const zw::ThreeDsMesh& m : f.meshes) {
        std::string groups;
        for (const zw::ThreeDsFaceGroup& g : m.groups) groups += (groups.empty() ? "" : ", ") + Shown(g.material);
        std::printf("object %s: %zu vertices, %zu triangles, materials: %s\n", Shown(m.name).c_str(),
                    m.vertices.size(), m.faces.size(), groups.empty() ? "(none)" : groups.c_str());
    }
    for (const zw::ThreeDsMaterial& m : f.materials)
        std::printf("material %s: texture %s\n", Shown(m.name).c_str(),
                    m.textureFile.empty() ? "(none)" : Shown(m.textureFile).c_str());
}

int View(const std::vector<std::string>& args) {
    ViewOptions o;
    try {
        o = ParseView(args);
    } catch (const zw::ZwError& e) {
        std::fprintf(stderr, "zwtool view: %s\n", e.what());
        return 2;
    }
    try {
        zw::ThreeDsFile model = zw::Read3dsFile(o.file);
        ListModel(model);
        if (o.list) return 0;
        zwtool::ModelViewOptions mo;
        mo.file = o.file;
        mo.screenshot = o.screenshot;
        return zwtool::ShowModel(model, mo);
    } catch (const zw::ZwError& e) {
        std::fprintf(stderr, "zwtool view: %s: %s\n", e.ClassName(), e.what());
        return 1;
    }
    return 0;
}

zwtool::CommandRegistrar reg("view",
                             "view FILE.3ds [--list | --screenshot OUT.png]   show a model (mouse: orbit, wheel: zoom)",
                             &View);

} // namespace
