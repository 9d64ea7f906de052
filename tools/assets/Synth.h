#pragma once

#include <functional>
#include <vector>

// A small additive synthesiser: enough for clinks, bells, a piano-like pluck
// and a brass "boo", all from sines, noise and envelopes.
namespace assets {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<double>;

// One sine of a note: its frequency as a multiple of the note's, its level, and
// how fast it dies away (the time in seconds to fall to about a third; 0 holds).
struct Partial {
    double ratio;
    double level;
    double decay;
};

using Timbre = std::vector<Partial>;

// Raised-cosine attack and release, so a note starts and ends without a click.
struct Envelope {
    double attack = 0.004;
    double release = 0.03;
};

double MidiToHz(double note);

Samples Note(double hz, double seconds, const Timbre& timbre, Envelope envelope = {});

// A tone whose pitch and brightness move while it sounds: for slides and "wah".
Samples Glide(const std::function<double(double t)>& hz,
              const std::function<double(double t)>& brightness, double seconds,
              Envelope envelope = {});

// White noise through a band-pass around `centreHz`, dying away with `decay`.
Samples NoiseBurst(double centreHz, double seconds, double decay);

// Adds `part` into `into` at `at` seconds, growing `into` as needed.
void Mix(Samples& into, const Samples& part, double at, double gain);

// Scales to the given peak and fades the very ends to silence.
Samples Finish(Samples samples, double peak);

} // namespace assets
