#include "Synth.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t SampleCount(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate);
}

double Time(std::size_t i) {
    return static_cast<double>(i) / kSampleRate;
}

double RaisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

double EnvelopeAt(double t, double seconds, const Envelope& envelope) {
    const double in = envelope.attack > 0 ? RaisedCosine(t / envelope.attack) : 1.0;
    const double out = envelope.release > 0 ? RaisedCosine((seconds - t) / envelope.release) : 1.0;
    return in * out;
}

double Decay(double t, double decay) {
    return decay > 0 ? std::exp(-t / decay) : 1.0;
}

} // namespace

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

Samples Note(double hz, double seconds, const Timbre& timbre, Envelope envelope) {
    Samples out(SampleCount(seconds));
    for (const Partial& partial : timbre) {
        const double step = kTwoPi * hz * partial.ratio / kSampleRate;
        if (hz * partial.ratio >= kSampleRate / 2.0) {
            continue;
        }
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] += partial.level * Decay(Time(i), partial.decay) *
                      std::sin(step * static_cast<double>(i));
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] *= EnvelopeAt(Time(i), seconds, envelope);
    }
    return out;
}

Samples Glide(const std::function<double(double t)>& hz,
              const std::function<double(double t)>& brightness, double seconds,
              Envelope envelope) {
    constexpr int kHarmonics = 12;
    Samples out(SampleCount(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double bright = brightness(t);
        double sample = 0;
        double level = 1;
        for (int k = 1; k <= kHarmonics; ++k, level *= bright) {
            sample += level / k * std::sin(phase * k);
        }
        out[i] = sample * EnvelopeAt(t, seconds, envelope);
        phase = std::fmod(phase + kTwoPi * hz(t) / kSampleRate, kTwoPi);
    }
    return out;
}

Samples NoiseBurst(double centreHz, double seconds, double decay) {
    // A state-variable filter: cheap, stable, and its band output is what we want.
    const double f = 2 * std::sin(std::numbers::pi * centreHz / kSampleRate);
    constexpr double kDamping = 0.9;
    double low = 0;
    double band = 0;
    Samples out(SampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double white = 2.0 * platform::Rnd() - 1.0;
        low += f * band;
        const double high = white - low - kDamping * band;
        band += f * high;
        out[i] = band * Decay(Time(i), decay) * EnvelopeAt(Time(i), seconds, {0.001, 0.005});
    }
    return out;
}

void Mix(Samples& into, const Samples& part, double at, double gain) {
    const std::size_t start = SampleCount(at);
    if (into.size() < start + part.size()) {
        into.resize(start + part.size());
    }
    for (std::size_t i = 0; i < part.size(); ++i) {
        into[start + i] += gain * part[i];
    }
}

Samples Finish(Samples samples, double peak) {
    double loudest = 0;
    for (const double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double gain = loudest > 0 ? peak / loudest : 0;
    const double seconds = Time(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] *= gain * EnvelopeAt(Time(i), seconds, {0.002, 0.004});
    }
    return samples;
}

} // namespace assets
