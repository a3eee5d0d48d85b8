// WAV files played through ALSA: PCM data (8 or 16 bits, mono or stereo, any
// rate). A synchronous sound plays to its end before the call returns; an
// asynchronous one replaces the sound that is playing and is fed to the
// device from the event loop. With no audio device, or a file that is
// missing or not a PCM WAV file, nothing plays and nothing is reported.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kz::app {

struct WavData {
  int channels = 0;
  int rate = 0;
  int bitsPerSample = 0;
  std::vector<std::uint8_t> frames;  // interleaved PCM samples
  int FrameBytes() const { return channels * bitsPerSample / 8; }
};

// Parses a RIFF/WAVE file's bytes; nothing when they are not PCM WAV data
// the player can play.
std::optional<WavData> ParseWav(const std::vector<std::uint8_t>& bytes);

class WavPlayer final : public QObject {
 public:
  WavPlayer();
  ~WavPlayer() override;
  void Play(const std::string& path, bool async);
  void Stop();

 private:
  bool Open(const WavData& wav, bool nonBlocking);
  void Feed();

  void* pcm_ = nullptr;  // snd_pcm_t
  WavData playing_;
  std::size_t offset_ = 0;
  QTimer feeder_;
};

}  // namespace kz::app
