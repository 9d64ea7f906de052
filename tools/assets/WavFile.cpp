#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace assets {
namespace {

class LittleEndianFile {
  public:
    explicit LittleEndianFile(const std::string& path) : out_(path, std::ios::binary) {}
    void Text(const char* four) { out_.write(four, 4); }
    void U32(std::uint32_t v) { Bytes(v, 4); }
    void U16(std::uint16_t v) { Bytes(v, 2); }
    bool Good() { return out_.flush().good(); }

  private:
    void Bytes(std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) {
            out_.put(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    }
    std::ofstream out_;
};

} // namespace

bool SaveWav(const Samples& samples, const std::string& path) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    LittleEndianFile out(path);
    out.Text("RIFF");
    out.U32(36 + dataBytes);
    out.Text("WAVE");
    out.Text("fmt ");
    out.U32(16);
    out.U16(1); // PCM
    out.U16(kChannels);
    out.U32(kSampleRate);
    out.U32(kSampleRate * kBlockAlign);
    out.U16(kBlockAlign);
    out.U16(kBits);
    out.Text("data");
    out.U32(dataBytes);
    for (const double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        out.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    return out.Good();
}

} // namespace assets
