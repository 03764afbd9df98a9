// The game's own data on the headless backend: an install folder that links the
// built archives and movies, with room for loose overrides, music and saves; a
// window and the display up; the sound channels numbered.
#pragma once

#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/surface.h"
#include "media/archive.h"
#include "media/resource_file.h"
#include "media/sound_channel.h"
#include "platform/headless/script.h"
#include "tests/support/files.h"
#include "tests/support/headless_fixture.h"

namespace cellwright_test {

// A member of the built sound archive, read straight from the file.
inline std::string SoundMember(const std::string& name) {
  for (const media::ArchiveEntry* row = media::SoundDirectory; row->name != nullptr; ++row) {
    if (name != row->name) continue;
    const std::string archive = ReadBytes(std::string(CELLWRIGHT_GAMEDATA) + "/wave.arc");
    return archive.substr(row->offset, row->size);
  }
  return {};
}

class BuiltDataTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    install_ = Temp().Sub("game");
    for (const char* name : {"bmp.arc", "wave.arc", "MOVIE"}) {
      ASSERT_EQ(symlink((std::string(CELLWRIGHT_GAMEDATA) + "/" + name).c_str(),
                        (install_ + name).c_str()),
                0);
    }
    Temp().Sub("game/wave");
    Temp().Sub("game/BGM");
    platform::headless::HeadlessOptions options;
    options.installFolder = install_;
    options.shotFolder = Temp().Folder();
    Start(options);
    core::InstallFolder = Sys().CurrentFolder();
    core::WindowsFolder = Sys().PrivateTempFolder();
    core::SaveFolder = Sys().PrivateDataFolder();
    ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
    ASSERT_TRUE(display::InitDisplay());
    ASSERT_TRUE(media::OpenResourceArchives());
    media::NumberChannels();
  }

  // Replaces the script; the presses of the previous one are let go first, as
  // a screen may have returned on a press before its release was due, and the
  // new one starts a frame later, so the release is seen before any new press.
  void Script(const std::string& text) {
    for (const platform::Key key :
         {platform::Key::Up, platform::Key::Down, platform::Key::Left, platform::Key::Right,
          platform::Key::Enter, platform::Key::Escape, platform::Key::Control}) {
      Sys().SetKey(key, false);
    }
    Sys().PushMessage({platform::MessageKind::LButtonUp, 0, 0, 0, 0});
    Sys().PushMessage({platform::MessageKind::RButtonUp, 0, 0, 0, 0});
    std::string error;
    const auto script = platform::headless::ParseScript("frames 1; " + text, &error);
    ASSERT_TRUE(script) << error;
    Sys().SetScript(*script);
  }

  // The channel's temporary copy.
  static std::string Copy(int channel) {
    return ReadBytes(core::WindowsFolder + "CELLWRIG.WA" + std::to_string(channel));
  }
  static bool Playing(int channel) { return media::SoundChannels[channel].IsChannelPlaying() != 0; }

  // Log lines of one event kind.
  std::vector<std::string> Events(const std::string& kind) const {
    std::vector<std::string> lines;
    const std::string tag = "\"event\":\"" + kind + "\"";
    std::istringstream in(Log());
    for (std::string line; std::getline(in, line);) {
      if (line.find(tag) != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  std::string install_;
};

}  // namespace cellwright_test
