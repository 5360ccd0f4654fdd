#pragma once
// zwtool view's window: a 3DS model in a scene of its own, orbited and zoomed
// with the mouse, or drawn once into a PNG.
#include "platform/format/ThreeDs.h"

#include <string>

namespace zwtool {

struct ModelViewOptions {
    std::string file;
    std::string screenshot; // "" for the interactive window
    bool windowed = true;
};

// Returns the exit code; messages go to stderr.
int ShowModel(const zw::ThreeDsFile& model, const ModelViewOptions& o);

} // namespace zwtool
