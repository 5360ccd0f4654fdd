// The buses' sounds: engine loop, starter, engine stop, doors, indicator,
// horn, bells and the brake's air. Each bus gets its own voice so the two
// models do not sound alike.
#include "tools/demogen/DemoPart.h"
#include "tools/demogen/Synth.h"

#include <cmath>
#include <string>
#include <vector>

namespace demogen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRate = 22050;
// The game plays the engine at 5000 + 6 * rpm (+ throttle) hertz, so a loop
// stored at 11025 Hz is heard at its own pitch near idle.
constexpr int kEngineRate = 11025;

struct Voice {
    const char* folder;
    int firingPeriod;   // samples at kEngineRate between firings at idle
    double thump;       // body resonance of a firing, Hz
    double clatter;     // injector knock band, Hz
    double hornLow, hornHigh;
    uint32_t seed;
    int passengerDoors;
};

const Voice kVoices[] = {
    {"Orvena City", 315, 74.0, 1900.0, 392.0, 494.0, 0x51c17u, 3},
    {"Orvena Duo", 294, 66.0, 1650.0, 349.0, 440.0, 0xd0e5u, 4},
};

std::string BusPath(const std::string& gameDir, const Voice& v, const std::string& file) {
    return gameDir + "/model/" + v.folder + "/" + file;
}

// Adds a damped sine into a circular buffer so that tails wrap to the start.
void AddRing(std::vector<float>& ring, int rate, long at, double freq, double amp, double decay) {
    long n = long(ring.size());
    long len = long(decay * 6.0 * rate);
    for (long i = 0; i < len; ++i) {
        double t = double(i) / rate;
        double attack = std::min(1.0, i / 6.0);
        ring[size_t(((at + i) % n + n) % n)] += float(amp * attack * std::exp(-t / decay) * std::sin(2 * kPi * freq * t));
    }
}

// One firing of a diesel: the block's thump, a harmonic above it and the
// injector's knock; amplitudes differ a little per cylinder.
void Firing(std::vector<float>& ring, int rate, long at, double gain, const Voice& v, SynthRandom& rng) {
    AddRing(ring, rate, at, v.thump, 0.55 * gain, 0.016);
    AddRing(ring, rate, at + 3, v.thump * 2.07, 0.28 * gain, 0.010);
    AddRing(ring, rate, at + 8, v.thump * 4.3, 0.10 * gain, 0.006);
    long knock = long(0.004 * rate);
    for (long i = 0; i < knock * 3; ++i) {
        double env = std::exp(-double(i) / knock);
        long n = long(ring.size());
        ring[size_t((at + 20 + i) % n)] += float(0.16 * gain * env * rng.Symmetric());
    }
}

Sound EngineLoop(const Voice& v) {
    SynthRandom rng(v.seed);
    // Twelve engine cycles of six cylinders: the loop closes on a firing.
    const int firings = 72;
    std::vector<float> ring(size_t(v.firingPeriod * firings), 0.0f);
    const double cylinder[6] = {1.0, 0.86, 0.95, 0.9, 1.04, 0.82};
    for (int k = 0; k < firings; ++k) {
        long jitter = long(rng.Symmetric() * 4.0);
        double gain = cylinder[k % 6] * (0.92 + 0.16 * rng.Uniform());
        Firing(ring, kEngineRate, long(k) * v.firingPeriod + jitter, gain, v, rng);
    }
    Sound s(kEngineRate, double(ring.size()) / kEngineRate);
    s.data = ring;
    // Exhaust roar: low noise, filtered round the loop so the seam is hidden.
    Sound roar(kEngineRate, s.Seconds());
    for (float& x : roar.data) x = float(rng.Symmetric());
    Filter(roar, FilterKind::LowPass, 180.0, 0.8, true);
    Filter(roar, FilterKind::LowPass, 180.0, 0.8, true);
    Normalize(roar, 0.22);
    // Clatter band of the injectors, and a faint turbo whistle that fits the loop.
    Sound clatter(kEngineRate, s.Seconds());
    for (float& x : clatter.data) x = float(rng.Symmetric());
    Filter(clatter, FilterKind::BandPass, v.clatter, 2.0, true);
    Normalize(clatter, 0.06);
    size_t n = s.Frames();
    double whistleCycles = std::round(2300.0 * double(n) / kEngineRate);
    for (size_t i = 0; i < n; ++i) {
        double t = double(i) / double(n);
        double pulse = 0.6 + 0.4 * std::cos(2 * kPi * t * firings); // roar swells with each firing
        s.data[i] += roar.data[i] * float(pulse) + clatter.data[i] +
                     float(0.012 * std::sin(2 * kPi * whistleCycles * t));
    }
    Filter(s, FilterKind::HighPass, 28.0, 0.7071, true);
    Normalize(s, 0.85);
    return s;
}

// Firings whose rate moves from f0 to f1 Hz with amplitude from a0 to a1.
void FiringRun(Sound& s, double start, double dur, double f0, double f1, double a0, double a1,
               const Voice& v, SynthRandom& rng) {
    double t = 0;
    while (t < dur) {
        double u = t / dur;
        double gain = a0 + (a1 - a0) * u;
        AddDecayingSine(s, start + t, v.thump, 0.5 * gain, 0.02);
        AddDecayingSine(s, start + t + 0.0005, v.thump * 2.07, 0.25 * gain, 0.012);
        AddNoise(s, start + t + 0.001, 0.0005, 0.001, 0.01, 0.12 * gain, rng);
        t += 1.0 / (f0 + (f1 - f0) * u);
    }
}

Sound Starter(const Voice& v) {
    SynthRandom rng(v.seed + 1);
    Sound s(kRate, 2.0);
    // Starter motor: a gear whine that rises as it spins up, with the
    // compression strokes pulling on it.
    Sound motor(kRate, 1.3);
    AddSweep(motor, 0.0, 1.3, 95.0, 150.0, 0.35, Wave::Saw);
    for (size_t i = 0; i < motor.Frames(); ++i) {
        double t = double(i) / kRate;
        motor.data[i] *= float(0.65 + 0.35 * std::sin(2 * kPi * 7.5 * t));
    }
    AddNoise(motor, 0.0, 0.02, 1.2, 0.08, 0.08, rng);
    Filter(motor, FilterKind::LowPass, 1800.0);
    Mix(s, motor, 0.0);
    // The engine catches, overshoots and settles to idle.
    FiringRun(s, 0.95, 0.35, 12.0, 48.0, 0.4, 1.0, v, rng);
    FiringRun(s, 1.30, 0.70, 48.0, 36.0, 1.0, 0.75, v, rng);
    Normalize(s, 0.9);
    FadeOut(s, 0.05);
    return s;
}

Sound EngineStop(const Voice& v) {
    SynthRandom rng(v.seed + 2);
    Sound s(kRate, 1.4);
    FiringRun(s, 0.0, 1.0, 36.0, 7.0, 0.8, 0.25, v, rng);
    AddDecayingSine(s, 1.05, v.thump * 0.8, 0.5, 0.08); // the block rocks back on its mounts
    Normalize(s, 0.85);
    FadeOut(s, 0.1);
    return s;
}

// Passenger door: the valve's burst of air, the mechanism running while the
// leaves swing (about 2.4 s), and the stop against the frame.
Sound PassengerDoor(const Voice& v, int door, bool open) {
    SynthRandom rng(v.seed + uint32_t(10 * door + (open ? 1 : 2)));
    Sound s(kRate, 2.9);
    Sound air(kRate, 2.9);
    AddNoise(air, 0.0, 0.01, open ? 0.12 : 0.06, 0.35, 0.6, rng);
    AddNoise(air, 2.45, 0.02, 0.05, 0.3, open ? 0.35 : 0.25, rng); // exhaust after the stroke
    Filter(air, FilterKind::HighPass, 1400.0);
    Mix(s, air, 0.0);
    Sound mech(kRate, 2.9);
    AddNoise(mech, 0.12, 0.15, 2.05, 0.15, 0.5, rng);
    Filter(mech, FilterKind::BandPass, 140.0 + 18.0 * door, 1.5);
    Mix(s, mech, 0.0);
    double end = open ? 2.45 : 2.4;
    AddDecayingSine(s, end, open ? 85.0 : 62.0, 0.7, open ? 0.05 : 0.08);
    AddDecayingSine(s, end + 0.002, open ? 240.0 : 180.0, 0.3, 0.03);
    if (!open) AddDecayingSine(s, end + 0.06, 95.0, 0.3, 0.05); // the seals meet
    Normalize(s, 0.85);
    FadeOut(s, 0.05);
    return s;
}

// Driver's door: a light latch and a short puff.
Sound DriverDoor(const Voice& v, bool open) {
    SynthRandom rng(v.seed + (open ? 3u : 4u));
    Sound s(kRate, 1.2);
    Sound air(kRate, 1.2);
    AddNoise(air, 0.0, 0.005, 0.05, 0.25, 0.5, rng);
    Filter(air, FilterKind::HighPass, 2000.0);
    Mix(s, air, 0.0);
    AddDecayingSine(s, open ? 0.05 : 0.9, 1300.0, 0.4, 0.006);
    AddDecayingSine(s, open ? 0.05 : 0.9, 320.0, 0.5, 0.02);
    AddDecayingSine(s, open ? 0.95 : 0.92, 110.0, 0.6, 0.04);
    Normalize(s, 0.8);
    return s;
}

// Indicator relay: tick, and a lower tock for the other half of the cycle.
Sound Relay(double high, double low) {
    Sound s(kRate, 0.12);
    AddDecayingSine(s, 0.0, high, 0.5, 0.004);
    AddDecayingSine(s, 0.0005, low, 0.6, 0.009);
    AddDecayingSine(s, 0.001, low * 2.3, 0.2, 0.005);
    Normalize(s, 0.7);
    return s;
}

// Two-tone horn, reedy and a little unsteady.
Sound Horn(const Voice& v) {
    Sound s(kRate, 0.8);
    Envelope e{0.025, 0.05, 0.9, 0.08};
    AddNote(s, 0.0, 0.8, v.hornLow, 0.45, Wave::Saw, e);
    AddNote(s, 0.0, 0.8, v.hornHigh, 0.4, Wave::Saw, e);
    AddNote(s, 0.0, 0.8, v.hornLow * 2.0, 0.1, Wave::Square, e);
    Filter(s, FilterKind::BandPass, 900.0, 0.9);
    Filter(s, FilterKind::LowPass, 3500.0);
    Normalize(s, 0.9);
    return s;
}

// A struck bell: inharmonic partials that die away.
void Bell(Sound& s, double start, double f0, double amp) {
    const double partials[] = {1.0, 2.01, 2.76, 5.4, 8.93};
    const double gains[] = {1.0, 0.5, 0.45, 0.2, 0.1};
    for (int i = 0; i < 5; ++i) AddDecayingSine(s, start, f0 * partials[i], amp * gains[i], 0.35 / (1 + i * 0.6));
}

Sound DoorBell() {
    Sound s(kRate, 1.0);
    Bell(s, 0.0, 1175.0, 0.5);
    Bell(s, 0.35, 1175.0, 0.5);
    Normalize(s, 0.8);
    FadeOut(s, 0.1);
    return s;
}

// The request-stop chime: a soft electronic ding-dong.
Sound StopChime() {
    Sound s(kRate, 1.3);
    Envelope e{0.004, 0.5, 0.0, 0.3};
    AddNote(s, 0.0, 0.7, 1319.0, 0.5, Wave::Sine, e);
    AddNote(s, 0.0, 0.7, 2638.0, 0.08, Wave::Sine, e);
    AddNote(s, 0.45, 0.85, 1047.0, 0.5, Wave::Sine, e);
    AddNote(s, 0.45, 0.85, 2094.0, 0.08, Wave::Sine, e);
    Normalize(s, 0.75);
    return s;
}

// Brake release: the air leaving the chambers.
Sound BrakeAir(const Voice& v) {
    SynthRandom rng(v.seed + 5);
    Sound s(kRate, 0.9);
    AddNoise(s, 0.0, 0.004, 0.08, 0.75, 0.8, rng);
    Filter(s, FilterKind::HighPass, 1800.0);
    Filter(s, FilterKind::LowPass, 7000.0);
    Normalize(s, 0.8);
    return s;
}

void WriteBusSounds(const std::string& gameDir) {
    for (const Voice& v : kVoices) {
        WriteWav(BusPath(gameDir, v, "engine.wav"), EngineLoop(v));
        WriteWav(BusPath(gameDir, v, "start.wav"), Starter(v));
        WriteWav(BusPath(gameDir, v, "stop.wav"), EngineStop(v));
        WriteWav(BusPath(gameDir, v, "dopen.wav"), DriverDoor(v, true));
        WriteWav(BusPath(gameDir, v, "dclose.wav"), DriverDoor(v, false));
        for (int k = 1; k <= 4; ++k) {
            std::string d = "d" + std::to_string(k);
            WriteWav(BusPath(gameDir, v, d + "open.wav"), PassengerDoor(v, k, true));
            WriteWav(BusPath(gameDir, v, d + "close.wav"), PassengerDoor(v, k, false));
        }
        WriteWav(BusPath(gameDir, v, "kier.wav"), Relay(2600.0, 820.0));
        WriteWav(BusPath(gameDir, v, "syg_kier.wav"), Relay(1900.0, 610.0));
        WriteWav(BusPath(gameDir, v, "klakson.wav"), Horn(v));
        WriteWav(BusPath(gameDir, v, "dzwonek.wav"), DoorBell());
        WriteWav(BusPath(gameDir, v, "var.wav"), StopChime());
        WriteWav(BusPath(gameDir, v, "pff.wav"), BrakeAir(v));
    }
}

PartRegistrar reg("bus-sounds", &WriteBusSounds);

} // namespace
} // namespace demogen
