#pragma once
// Pieces of the demo buses written by their own files.
#include <string>

namespace demogen {

// The 3-D dashboard "pulpit.3ds" and its dial pictures into the bus folder
// busRel (game-folder relative, ending in a backslash).
void WriteDashboard(const std::string& gameDir, const std::string& busRel);

} // namespace demogen
