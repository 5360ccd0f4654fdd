#pragma once
// The bus folder's sound samples ("Loading sounds").
#include "platform/sound/SoundTypes.h"

#include <array>
#include <string>

namespace zw {

class SoundSystem;

struct GameSounds {
    SampleHandle Engine;          // engine.wav, looping
    SampleHandle DoorOpen, DoorClose; // the driver's door; fallback of the passenger doors
    SampleHandle Kier;            // indicator tick
    SampleHandle SygKier;         // indicator tock (kier.wav when missing)
    SampleHandle Klakson;         // horn
    std::array<SampleHandle, 5> DoorKOpen{}, DoorKClose{}; // [1..4]
    std::array<SampleHandle, 5> Dzwonek{};  // [1]: bell and door 1's warning, [2..4]: doors 2 to 4
    SampleHandle Start, Stop, Pff, Var;
};

// Loads every sample of the bus folder "model\<busFolder>\" under appDir.
// Missing files give empty samples; door k falls back to the driver's door
// sounds when either of its files is missing; pff.wav is loaded only when it
// exists. Each missing file is named in the engine log.
GameSounds LoadGameSounds(SoundSystem& sound, const std::string& appDir, const std::string& busFolder);

} // namespace zw
