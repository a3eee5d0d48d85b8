// The four sound effects: which WAV file each kind plays and how (the opening
// and ending sounds synchronously, the move and warning sounds
// asynchronously), and the choice of a WAV file through the file dialog.
#pragma once

#include <string>
#include <string_view>

#include "display/settings.h"
#include "platform/host.h"

namespace kz::display {

// The kinds the view asks for.
constexpr int kSoundOpening = 0;
constexpr int kSoundEnding = 1;
constexpr int kSoundMove = 2;
constexpr int kSoundWarning = 9;

// Plays the file configured for `kind`; any other kind plays nothing.
void PlaySoundKind(platform::Host& host, const Settings& settings, int kind);

// The file dialog's title for a sound slot (kOpeningSound..kWarningSound).
std::string_view WavDialogTitle(int slot);

// Lets the user choose the WAV file of a slot: OK stores the chosen path,
// Cancel clears it (which silences that sound).
void ChooseWavFile(platform::Host& host, Settings& settings, int slot);

}  // namespace kz::display
