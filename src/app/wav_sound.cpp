#include "app/wav_sound.h"

#include <alsa/asoundlib.h>

#include <fstream>
#include <iterator>

namespace kz::app {

namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

snd_pcm_t* Pcm(void* p) { return static_cast<snd_pcm_t*>(p); }

// ALSA's own complaints (no card, no configuration) stay off the terminal.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

std::optional<WavData> ParseWav(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
    return std::nullopt;
  }
  WavData wav;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    const std::uint32_t length = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    const std::size_t available = bytes.size() - body;
    if (id == "fmt ") {
      if (length < 16 || available < 16) return std::nullopt;
      if (Le16(bytes, body) != 1) return std::nullopt;  // PCM only
      wav.channels = Le16(bytes, body + 2);
      wav.rate = static_cast<int>(Le32(bytes, body + 4));
      wav.bitsPerSample = Le16(bytes, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      const std::size_t size = std::min<std::size_t>(length, available);
      wav.frames.assign(bytes.begin() + body, bytes.begin() + body + size);
      break;
    }
    if (length > available) break;
    at = body + length + (length & 1);
  }
  const bool playable = haveFormat && (wav.channels == 1 || wav.channels == 2) &&
                        (wav.bitsPerSample == 8 || wav.bitsPerSample == 16) &&
                        wav.rate >= 1000 && wav.rate <= 192000;
  if (!playable) return std::nullopt;
  wav.frames.resize(wav.frames.size() / wav.FrameBytes() * wav.FrameBytes());
  return wav;
}

WavPlayer::WavPlayer() {
  snd_lib_error_set_handler(&Quiet);
  feeder_.setInterval(20);
  QObject::connect(&feeder_, &QTimer::timeout, this, [this] { Feed(); });
}

WavPlayer::~WavPlayer() { Stop(); }

void WavPlayer::Stop() {
  feeder_.stop();
  if (pcm_ != nullptr) {
    snd_pcm_drop(Pcm(pcm_));
    snd_pcm_close(Pcm(pcm_));
    pcm_ = nullptr;
  }
}

bool WavPlayer::Open(const WavData& wav, bool nonBlocking) {
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, nonBlocking ? SND_PCM_NONBLOCK : 0) < 0) {
    return false;
  }
  const snd_pcm_format_t format = wav.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
  if (snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned>(wav.channels), static_cast<unsigned>(wav.rate), 1,
                         500000) < 0) {
    snd_pcm_close(pcm);
    return false;
  }
  pcm_ = pcm;
  return true;
}

void WavPlayer::Play(const std::string& path, bool async) {
  if (path.empty()) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  std::optional<WavData> wav = ParseWav(bytes);
  if (!wav || wav->frames.empty()) return;
  Stop();
  if (!Open(*wav, async)) return;
  playing_ = std::move(*wav);
  offset_ = 0;
  if (async) {
    Feed();
    if (pcm_ != nullptr) feeder_.start();
    return;
  }
  // Synchronous: write everything, then wait for the device to finish.
  const int frameBytes = playing_.FrameBytes();
  while (offset_ < playing_.frames.size()) {
    const snd_pcm_sframes_t frames = static_cast<snd_pcm_sframes_t>((playing_.frames.size() - offset_) / frameBytes);
    snd_pcm_sframes_t written = snd_pcm_writei(Pcm(pcm_), playing_.frames.data() + offset_, frames);
    if (written < 0) written = snd_pcm_recover(Pcm(pcm_), static_cast<int>(written), 1);
    if (written < 0) break;
    offset_ += static_cast<std::size_t>(written) * frameBytes;
  }
  snd_pcm_drain(Pcm(pcm_));
  snd_pcm_close(Pcm(pcm_));
  pcm_ = nullptr;
}

void WavPlayer::Feed() {
  if (pcm_ == nullptr) return;
  const int frameBytes = playing_.FrameBytes();
  while (offset_ < playing_.frames.size()) {
    const auto frames = static_cast<snd_pcm_sframes_t>((playing_.frames.size() - offset_) / frameBytes);
    snd_pcm_sframes_t written = snd_pcm_writei(Pcm(pcm_), playing_.frames.data() + offset_, frames);
    if (written == -EAGAIN) return;  // the device's buffer is full: next tick
    if (written < 0) written = snd_pcm_recover(Pcm(pcm_), static_cast<int>(written), 1);
    if (written < 0) {
      Stop();
      return;
    }
    offset_ += static_cast<std::size_t>(written) * frameBytes;
  }
  // Everything is written: close once the device has played it.
  snd_pcm_sframes_t delay = 0;
  if (snd_pcm_delay(Pcm(pcm_), &delay) < 0 || delay <= 0) Stop();
}

}  // namespace kz::app
