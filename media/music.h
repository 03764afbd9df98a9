// Background music: standard MIDI files from the BGM folder, looped by the
// music-end message the way the design's sequencer loop worked.
#pragma once

#include <string>

#include "scenario/script_result.h"

namespace media {

// 0: no music is started, but the piece asked for is still remembered.
// Switched by the system menu; not saved.
extern int MusicEnabled;
// The piece last asked for; emptied only by PlayMusic(nullptr).
extern std::string MusicName;
// The piece the music-end message plays again from its start; empty: the
// music is not looped.
extern std::string MusicReplayCommand;

// null: stop and forget; "": stop and remember; a name: that piece from its
// start (install folder first, then the disc). Always 0.
scenario::ScriptResult PlayMusic(const char* name);

// The window procedure's music-end message; status 1 is a natural end.
void OnMusicNotify(int status);

// Stops the music at once ("close all"), remembering what was asked for.
void CloseMusicDevice();

}  // namespace media
