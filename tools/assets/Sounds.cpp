#include "Sounds.h"

#include "platform/Random.h"

#include <cmath>

namespace assets {
namespace {

const Timbre kBell{
    {1, 1, 0.5}, {2.0, 0.45, 0.3}, {2.76, 0.3, 0.18}, {4.07, 0.18, 0.1}, {5.4, 0.1, 0.07}};
const Timbre kCoin{{1, 1, 0.09}, {1.48, 0.6, 0.06}, {2.31, 0.45, 0.04}, {3.1, 0.25, 0.03}};
const Timbre kPiano{{1, 1, 0.7}, {2, 0.45, 0.4}, {3, 0.25, 0.25}, {4, 0.12, 0.18}, {5, 0.08, 0.12}};
const Timbre kMallet{{1, 1, 0.25}, {4, 0.25, 0.05}, {10, 0.06, 0.02}};

Samples Bell(double midi, double seconds, double gain = 1) {
    Samples s = Note(MidiToHz(midi), seconds, kBell, {0.002, 0.08});
    for (double& x : s) {
        x *= gain;
    }
    return s;
}

// A fingertip flick of the card, then the softer slap as it lands.
Samples CardFlick() {
    Samples out;
    Mix(out, NoiseBurst(2600, 0.035, 0.008), 0, 1.0);
    Mix(out, NoiseBurst(1200, 0.05, 0.012), 0.022, 0.7);
    Mix(out, Note(170, 0.05, {{1, 1, 0.015}}, {0.002, 0.02}), 0.022, 0.35);
    return Finish(out, 0.5);
}

// A coin striking the slot's edge, then settling inside with two smaller taps.
Samples CoinIn() {
    Samples out;
    Mix(out, Note(2350, 0.25, kCoin, {0.001, 0.08}), 0, 1.0);
    Mix(out, Note(2100, 0.2, kCoin, {0.001, 0.08}), 0.075, 0.55);
    Mix(out, Note(1950, 0.15, kCoin, {0.001, 0.06}), 0.13, 0.25);
    Mix(out, NoiseBurst(6000, 0.01, 0.003), 0, 0.3);
    return Finish(out, 0.6);
}

// Short enough to restart for every coin counted out.
Samples CoinOut() {
    Samples out;
    Mix(out, Note(2800, 0.12, {{1, 1, 0.04}, {2.4, 0.4, 0.025}, {3.9, 0.2, 0.015}}, {0.001, 0.04}),
        0, 1.0);
    Mix(out, NoiseBurst(7000, 0.008, 0.002), 0, 0.25);
    return Finish(out, 0.55);
}

Samples HoldClick() {
    Samples out;
    Mix(out, Note(1250, 0.06, {{1, 1, 0.015}, {3, 0.3, 0.008}}, {0.001, 0.02}), 0, 1.0);
    Mix(out, NoiseBurst(4000, 0.006, 0.002), 0, 0.3);
    return Finish(out, 0.5);
}

// "Wah-wah": a muted trombone sliding down, each note opening and closing.
Samples Boo() {
    const auto wah = [](double t, double length) {
        return 0.35 + 0.4 * std::sin(std::numbers::pi * std::min(1.0, t / length));
    };
    Samples out;
    Mix(out,
        Glide([](double t) { return MidiToHz(55 - t * 2); }, [&](double t) { return wah(t, 0.4); },
              0.42, {0.03, 0.08}),
        0, 1.0);
    Mix(out,
        Glide(
            [](double t) {
                const double vibrato = 0.25 * std::sin(2 * std::numbers::pi * 5.5 * t);
                return MidiToHz(51 - std::max(0.0, t - 0.45) * 6 + vibrato);
            },
            [&](double t) { return wah(t, 0.8); }, 0.85, {0.03, 0.25}),
        0.45, 1.0);
    // A held brass tone sounds far louder than a chime of the same peak.
    return Finish(out, 0.4);
}

Samples Arpeggio(const std::vector<double>& notes, double step, double ring, double gain = 1) {
    Samples out;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        Mix(out, Bell(notes[i], ring), step * static_cast<double>(i), gain);
    }
    return out;
}

// A made hand on the first deal: a bright little lift.
Samples Win0() {
    return Finish(Arpeggio({84, 88, 91}, 0.08, 0.45), 0.7);
}

// A modest win: up the chord and let it ring.
Samples Win1() {
    Samples out = Arpeggio({72, 76, 79, 84}, 0.09, 0.4);
    for (const double note : {72.0, 76.0, 79.0, 84.0}) {
        Mix(out, Note(MidiToHz(note), 0.7, kMallet, {0.003, 0.25}), 0.38, 0.4);
    }
    return Finish(out, 0.75);
}

// A big win: a fast run, a sparkling trill and a full chord over a low root.
Samples Win2() {
    Samples out = Arpeggio({72, 74, 76, 79, 81, 84, 86, 88, 91}, 0.055, 0.35, 0.8);
    for (int i = 0; i < 6; ++i) {
        Mix(out, Bell(i % 2 == 0 ? 96 : 100, 0.2), 0.5 + 0.06 * i, 0.45);
    }
    for (const double note : {60.0, 64.0, 67.0, 72.0, 76.0, 79.0, 84.0}) {
        Mix(out, Note(MidiToHz(note), 1.1, kPiano, {0.004, 0.4}), 0.86, 0.35);
    }
    Mix(out, Note(MidiToHz(36), 1.1, kPiano, {0.004, 0.4}), 0.86, 0.6);
    Mix(out, Bell(96, 0.9), 0.86, 0.4);
    return Finish(out, 0.75);
}

// Chimes falling down a pentatonic scale, then a shimmer on top.
Samples Bonus() {
    Samples out = Arpeggio({91, 88, 86, 84, 81, 79}, 0.1, 0.8, 0.8);
    for (const double note : {84.0, 88.0, 91.0, 96.0}) {
        Mix(out, Bell(note, 0.9), 0.62, 0.35);
    }
    return Finish(out, 0.7);
}

// A bouncy two-step tune of our own: stride bass and chords under a syncopated
// melody, four bars, ending on a held chord. Played over and over while a big
// payout is counted, so it starts and ends cleanly.
struct Hit {
    double at;     // in sixteenths
    double length; // in sixteenths
    std::vector<double> notes;
};

constexpr double kSixteenth = 60.0 / 132 / 4;

const std::vector<Hit> kMelody{
    {0, 1, {84}},  {1, 2, {88}},  {3, 1, {79}},  {4, 2, {84}},  {6, 2, {88}},  {8, 1, {86}},
    {9, 2, {88}},  {11, 1, {84}}, {12, 2, {81}}, {14, 2, {79}}, {16, 1, {77}}, {17, 2, {79}},
    {19, 1, {83}}, {20, 2, {86}}, {22, 2, {89}}, {24, 2, {88}}, {26, 2, {91}}, {28, 6, {96}},
};

const std::vector<Hit> kAccompaniment{
    {0, 2, {48}},          {2, 2, {64, 67, 72}},  {4, 2, {43}},
    {6, 2, {64, 67, 72}},  {8, 2, {48}},          {10, 2, {64, 67, 70}},
    {12, 2, {52}},         {14, 2, {64, 67, 70}}, {16, 2, {43}},
    {18, 2, {65, 67, 71}}, {20, 2, {50}},         {22, 2, {65, 67, 71}},
    {24, 2, {48}},         {26, 2, {64, 67, 72}}, {28, 6, {36, 48, 64, 67, 72}},
};

void Play(Samples& out, const std::vector<Hit>& hits, double gain) {
    for (const Hit& hit : hits) {
        for (const double note : hit.notes) {
            const double seconds = hit.length * kSixteenth + 0.25;
            Mix(out, Note(MidiToHz(note), seconds, kPiano, {0.003, 0.2}), hit.at * kSixteenth,
                gain);
        }
    }
}

Samples Fanfare() {
    Samples out;
    Play(out, kMelody, 0.55);
    Play(out, kAccompaniment, 0.22);
    for (int eighth = 0; eighth < 14; ++eighth) {
        Mix(out, NoiseBurst(8000, 0.05, 0.012), eighth * 2 * kSixteenth, 0.18);
    }
    Mix(out, Bell(96, 1.0), 28 * kSixteenth, 0.3);
    return Finish(out, 0.75);
}

} // namespace

std::vector<SoundFile> AllSounds() {
    // The same noise on every build, so the files only change when the recipes do.
    platform::SeedRandom(20240611u);
    return {
        {"CARD.wav", CardFlick()},   {"MEDALIN.wav", CoinIn()},
        {"MEDALOUT.wav", CoinOut()}, {"HOLD.wav", HoldClick()},
        {"BOO.wav", Boo()},          {"win0.wav", Win0()},
        {"win1.wav", Win1()},        {"win2.wav", Win2()},
        {"BONUS.wav", Bonus()},      {"ragtimedance.wav", Fanfare()},
    };
}

} // namespace assets
