#include "display/sounds.h"

namespace kz::display {

void PlaySoundKind(platform::Host& host, const Settings& settings, int kind) {
  switch (kind) {
    case kSoundOpening: host.PlaySound(settings.wav[kOpeningSound], false); break;
    case kSoundEnding: host.PlaySound(settings.wav[kEndingSound], false); break;
    case kSoundMove: host.PlaySound(settings.wav[kMoveSound], true); break;
    case kSoundWarning: host.PlaySound(settings.wav[kWarningSound], true); break;
    default: break;
  }
}

std::string_view WavDialogTitle(int slot) {
  switch (slot) {
    case kOpeningSound: return "ＷＡＶファイルの指定（オープニング）";
    case kMoveSound: return "ＷＡＶファイルの指定（着手音）";
    case kEndingSound: return "ＷＡＶファイルの指定（エンディング）";
    case kWarningSound: return "ＷＡＶファイルの指定（警告音）";
    default: return "";
  }
}

void ChooseWavFile(platform::Host& host, Settings& settings, int slot) {
  if (slot < 0 || slot > 3) return;
  platform::FileDialogSpec request;
  request.title = std::string(WavDialogTitle(slot));
  request.defaultExtension = "wav";
  request.initialName = settings.wav[slot].empty() ? "*.wav" : settings.wav[slot];
  request.filter = "WAVE ファイル (*.wav) | *.wav | すべてのファイル (*.*) | *.* ||";
  std::optional<std::string> chosen = host.OpenFileDialog(request);
  settings.wav[slot] = chosen ? *chosen : std::string();
}

}  // namespace kz::display
