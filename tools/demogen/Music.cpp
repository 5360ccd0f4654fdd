// The radio folder: three short instrumental tracks, composed here by rule
// (a chord progression, a bass line, a melody that walks the chord tones,
// drums) and written as MP3 through the synthesis helpers.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Synth.h"

#include <cmath>
#include <string>
#include <vector>

namespace demogen {
namespace {

constexpr int kRate = 44100;

double Freq(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Track {
    const char* file;
    double bpm;
    int bars;
    std::vector<std::vector<int>> chords; // one chord a bar, MIDI notes (root first)
    Wave lead;
    double swing; // 0 straight .. 0.3 shuffled eighths
    bool drums;
    uint32_t seed;
};

void Kick(Sound& s, double t, double amp) {
    AddSweep(s, t, 0.18, 120, 45, amp, Wave::Sine);
}

void Hat(Sound& s, double t, double amp, SynthRandom& rng) {
    Sound h(kRate, 0.06, 2);
    AddNoise(h, 0, 0.001, 0.005, 0.04, amp, rng);
    Filter(h, FilterKind::HighPass, 7000);
    Mix(s, h, t);
}

Sound Compose(const Track& tr) {
    double beat = 60.0 / tr.bpm, bar = 4 * beat;
    double length = tr.bars * bar + 1.5;
    Sound s(kRate, length, 2);
    SynthRandom rng(tr.seed);
    const Envelope pad{0.08, 0.3, 0.6, 0.4}, pluck{0.004, 0.15, 0.35, 0.12}, bassEnv{0.005, 0.1, 0.7, 0.08};
    int melody = tr.chords[0][0] + 12;
    for (int b = 0; b < tr.bars; ++b) {
        const std::vector<int>& chord = tr.chords[size_t(b) % tr.chords.size()];
        double t0 = b * bar;
        // Chords: a soft pad, spread across the stereo field.
        for (size_t i = 0; i < chord.size(); ++i)
            AddNote(s, t0, bar, Freq(chord[i]), 0.07, Wave::Triangle, pad, -0.5 + double(i) / chord.size());
        // Bass: root on beats 1 and 3, fifth before the next bar.
        AddNote(s, t0, beat * 1.5, Freq(chord[0] - 12), 0.22, Wave::Sine, bassEnv);
        AddNote(s, t0 + 2 * beat, beat * 1.2, Freq(chord[0] - 12), 0.2, Wave::Sine, bassEnv);
        AddNote(s, t0 + 3.5 * beat, beat * 0.5, Freq(chord[0] - 5), 0.16, Wave::Sine, bassEnv);
        // Melody: eighth notes walking to the nearest chord tones, with rests.
        for (int e = 0; e < 8; ++e) {
            double t = t0 + e * beat / 2 + ((e % 2) ? tr.swing * beat / 2 : 0.0);
            if (rng.Uniform() < 0.28) continue;
            int step = int(std::lround(rng.Symmetric() * 3));
            melody += step;
            if (melody < chord[0] + 7) melody += 5;
            if (melody > chord[0] + 24) melody -= 7;
            // On strong beats snap to a chord tone an octave up.
            if (e % 4 == 0) {
                int best = melody, bestDist = 99;
                for (int n : chord)
                    for (int o : {12, 24}) {
                        int d = std::abs(n + o - melody);
                        if (d < bestDist) bestDist = d, best = n + o;
                    }
                melody = best;
            }
            AddNote(s, t, beat * 0.45, Freq(melody), 0.12, tr.lead, pluck, 0.2);
        }
        if (tr.drums) {
            for (int q = 0; q < 4; ++q) {
                if (q % 2 == 0) Kick(s, t0 + q * beat, 0.5);
                Hat(s, t0 + q * beat + beat / 2 + tr.swing * beat / 2, 0.08, rng);
                Hat(s, t0 + q * beat, 0.05, rng);
            }
            // A clap on beats 2 and 4.
            for (int q : {1, 3}) {
                Sound c(kRate, 0.15, 2);
                AddNoise(c, 0, 0.002, 0.01, 0.1, 0.18, rng);
                Filter(c, FilterKind::BandPass, 1500, 1.2);
                Mix(s, c, t0 + q * beat);
            }
        }
    }
    // A last chord to end on.
    const std::vector<int>& home = tr.chords[0];
    for (int n : home)
        AddNote(s, tr.bars * bar, 1.4, Freq(n), 0.08, Wave::Triangle, pad);
    AddNote(s, tr.bars * bar, 1.2, Freq(home[0] - 12), 0.2, Wave::Sine, bassEnv);
    Filter(s, FilterKind::LowPass, 9000);
    Normalize(s, 0.85);
    FadeIn(s, 0.05);
    FadeOut(s, 0.6);
    return s;
}

void Radio(const std::string& dir) {
    const Track tracks[] = {
        {"01 Poranny kurs.mp3",
         104,
         10,
         {{60, 64, 67}, {55, 59, 62}, {57, 60, 64}, {53, 57, 60}},
         Wave::Square,
         0.0,
         true,
         0x101u},
        {"02 Nocna linia.mp3",
         78,
         7,
         {{57, 60, 64}, {53, 57, 60}, {60, 64, 67}, {55, 59, 62}},
         Wave::Triangle,
         0.0,
         false,
         0x102u},
        {"03 Petla miejska.mp3",
         118,
         12,
         {{62, 66, 69}, {59, 62, 66}, {55, 59, 62}, {57, 61, 64}},
         Wave::Saw,
         0.25,
         true,
         0x103u},
    };
    for (const Track& t : tracks)
        WriteMp3(dir + "/radio/" + t.file, Compose(t));
}

PartRegistrar reg("radio-music", &Radio);

} // namespace
} // namespace demogen
