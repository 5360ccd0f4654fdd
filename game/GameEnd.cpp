// The end of a game: the viewer's close, zamykaj and the statistics window.
#include "game/TZwGameForm.h"

#include "platform/sound/SoundSystem.h"
#include "shell/ZwLog.h"
#include "util/Paths.h"

#include <filesystem>

namespace zw {

void TZwGameForm::GLFullScreenViewer1Close() {
    GLFullScreenViewer1.SetActive(false);
    zamykaj();
}

void TZwGameForm::zamykaj() {
    // One end per game: the clock and timers stop, so neither a frame nor a
    // second exit key can append the summary again.
    if (Ended) return;
    Ended = true;
    StopClocks();
    sound_.Free();
    RouteSummary();
    if (Statistics) Statistics->Show();
}

void TZwGameForm::StopClocks() {
    GLCadencer1.SetEnabled(false);
    for (LoopTimer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &nettimer})
        t->SetEnabled(false);
}

void TZwGameForm::RouteSummary() {
    // The route summary (stop by stop: scheduled, arrival and departure times
    // and passenger counts) is appended to Statistics here once the route
    // and the stop service exist.
}

void TZwGameForm::DeleteBoardFiles() {
    static const char* kFiles[] = {"tab\\akt.lin",  "tab\\przod1.bmp", "tab\\bok1.bmp", "tab\\tyl1.bmp",
                                   "tab\\przod2.bmp", "tab\\bok2.bmp", "tab\\tyl2.bmp"};
    for (const char* f : kFiles) {
        std::error_code ec; // a missing file is no error
        std::filesystem::remove(ResolvePath(AppPath(f)), ec);
    }
}

} // namespace zw
