#include "tools/explore/session.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "core/shell_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "game/town_map.h"
#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/script.h"
#include "platform/system.h"
#include "shell/program.h"
#include "story/scenario_list.h"
#include "tools/play/semantic.h"

namespace explore {

namespace {

namespace headless = platform::headless;

// Longer than any wait the story means (a movie, the staff roll's pace): a
// game idle this long without a prompt is stuck.
constexpr std::uint64_t kStallMs = 120'000;

std::string Command(const Decision& decision) {
  switch (decision.kind) {
    case Decision::Kind::Choice:
      return "choose " + std::to_string(decision.pick);
    case Decision::Kind::Map:
      if (decision.pick == 0) return "until-screen map; rclick 320 240";
      return "map " + std::to_string(decision.pick);
    case Decision::Kind::Dismiss:
      return "until-screen " + decision.screen + "; rclick 320 240";
  }
  return {};
}

headless::Script ScriptOf(const std::string& text) {
  std::string error;
  const std::optional<std::string> expanded = play::ExpandPlayCommands(text, &error);
  std::optional<headless::Script> script =
      expanded ? headless::ParseScript(*expanded, &error) : std::nullopt;
  return script ? std::move(*script) : headless::Script{};
}

std::vector<int> OpenPlaces(const core::GameStateRecord& state) {
  std::vector<int> open;
  for (int place = 1; place <= game::kMapPlaces; ++place) {
    const std::size_t by = game::MapPlaces[place - 1].enabledBy;
    if (by == 0 || state.Bytes()[by] != 0) open.push_back(place);
  }
  return open;
}

const std::string* FieldText(const std::vector<platform::LogField>& fields, const char* key) {
  for (const platform::LogField& field : fields) {
    if (field.key == key) return &field.text;
  }
  return nullptr;
}

bool HasField(const std::vector<platform::LogField>& fields, const char* key) {
  return FieldText(fields, key) != nullptr;
}

// What the events have told the driver; events may come from the media
// workers, so everything here is under the lock.
struct Watch {
  std::mutex mutex;
  Playout* out = nullptr;
  std::optional<Prompt> pending;
  std::vector<std::string> screens;
  std::string lastText;
  std::map<std::int64_t, std::string> layers;  // slot -> picture shown
  std::uint64_t lastEventMs = 0;
  bool titleAgain = false;
  bool pickedTitle = false;  // the player's own "back to the title"
};

// A portrait is "kot001": the speaker's two letters, "t", three digits.
bool IsPortrait(const std::string& name) {
  return name.size() == 6 && std::islower(static_cast<unsigned char>(name[0])) != 0 &&
         std::islower(static_cast<unsigned char>(name[1])) != 0 && name[2] == 't' &&
         std::all_of(name.begin() + 3, name.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// One speaker in two slots at once is a scene that moved her and forgot to
// take the old portrait down.
void Layer(Watch& watch, const std::vector<platform::LogField>& fields) {
  const std::string* name = FieldText(fields, "name");
  std::int64_t slot = -1;
  for (const platform::LogField& field : fields) {
    if (field.key == "slot") slot = field.number;
  }
  if (name == nullptr || slot < 0) return;
  if (slot == 0) {  // a background sends the portraits away; none clears the stage
    if (name->empty()) watch.layers.clear();
    watch.layers.erase(1);
    watch.layers.erase(2);
    return;
  }
  watch.layers[slot] = *name;
  if (!IsPortrait(*name)) return;
  for (const auto& [other, shown] : watch.layers) {
    if (other != slot && IsPortrait(shown) && shown.compare(0, 2, *name, 0, 2) == 0) {
      watch.out->doubled.push_back(watch.out->lastScenario + ": " + shown + " and " + *name);
      return;
    }
  }
}

}  // namespace

core::GameStateRecord NewGame() {
  core::GameStateRecord record{};
  core::SetUpNewGame(record, story::StoryScenarios[0].name);
  return record;
}

std::string ReplayScript(const std::vector<Decision>& decisions, const std::string& endScreen) {
  std::string script = "# Replays one ending from a new game; made by cellwright-explore.\n";
  script += "title 1\nhold ctrl\n";
  for (const Decision& decision : decisions) script += Command(decision) + "\n";
  script += "until-screen " + endScreen + "\nanswer yes\nclose\n";
  return script;
}

Playout Play(const SessionFolders& folders, const core::GameStateRecord& start,
             const Chooser& chooser, std::size_t maxDecisions) {
  Playout out;
  Watch watch;
  watch.out = &out;
  bool quitting = false;

  headless::HeadlessOptions options;
  options.installFolder = folders.data;
  options.saveFolder = folders.scratch + "/save";
  options.tempFolder = folders.scratch + "/temp";
  options.instanceFolder = folders.scratch + "/instance";
  headless::HeadlessSystem* system = nullptr;

  options.onEvent = [&watch, &system](const std::string& kind,
                                      const std::vector<platform::LogField>& fields) {
    const std::lock_guard guard(watch.mutex);
    Playout& o = *watch.out;
    if (system != nullptr) watch.lastEventMs = system->ElapsedMs();
    if (kind == "scenario") {
      const std::string name = *FieldText(fields, "name");
      o.entered.push_back(name);
      o.lastScenario = name;
      o.snapshots.push_back({core::GameState, o.decisions.size(), name});
      watch.pending.reset();
    } else if (kind == "choice") {
      Prompt prompt;
      prompt.scenario = o.lastScenario;
      for (const platform::LogField& field : fields) {
        if (field.key == "texts") prompt.texts = field.texts;
      }
      watch.pending = std::move(prompt);
    } else if (kind == "picked") {
      watch.pending.reset();
    } else if (kind == "screen") {
      const std::string* name = FieldText(fields, "name");
      const std::string* state = FieldText(fields, "state");
      if (name == nullptr || state == nullptr) return;
      if (*state == "enter") {
        watch.screens.push_back(*name);
        if (*name == "map") {
          Prompt prompt;
          prompt.kind = Prompt::Kind::Map;
          prompt.scenario = o.lastScenario;
          prompt.open = OpenPlaces(core::GameState);
          watch.pending = std::move(prompt);
        }
      } else if (!watch.screens.empty()) {
        watch.screens.pop_back();
        if (*name == "map") watch.pending.reset();
      }
    } else if (kind == "ending") {
      o.ending = *FieldText(fields, "name");
      o.final = core::GameState;
    } else if (kind == "text") {
      watch.lastText = *FieldText(fields, "text");
    } else if (kind == "page" && HasField(fields, "overflow")) {
      o.overflows.push_back(o.lastScenario + ": " + watch.lastText);
    } else if (kind == "wrap") {
      o.wraps.push_back(o.lastScenario + ": " + watch.lastText);
    } else if (kind == "layer") {
      Layer(watch, fields);
    }
  };

  options.onIdle = [&](headless::HeadlessSystem& sys) {
    if (quitting) return;
    std::optional<Prompt> prompt;
    std::string screen;
    std::uint64_t quietMs = 0;
    {
      const std::lock_guard guard(watch.mutex);
      prompt = watch.pending;
      if (!watch.screens.empty()) screen = watch.screens.back();
      quietMs = sys.ElapsedMs() - watch.lastEventMs;
    }
    const auto quit = [&] {
      quitting = true;
      sys.PostQuitMessage();
    };
    if (!sys.ScriptFinished()) {
      // A command that waits for a prompt the game never shows is a stall too.
      if (quietMs > kStallMs) {
        out.stalled = true;
        quit();
      }
      return;
    }
    if (!out.ending.empty()) return quit();
    if (out.decisions.size() >= maxDecisions) {
      out.cutShort = true;
      return quit();
    }
    if (prompt) {
      const Decision decision = chooser(*prompt, core::GameState);
      out.decisions.push_back(decision);
      if (prompt->kind == Prompt::Kind::Choice && decision.pick >= 1 &&
          static_cast<std::size_t>(decision.pick) <= prompt->texts.size()) {
        watch.pickedTitle = prompt->texts[static_cast<std::size_t>(decision.pick - 1)].find(
                                "タイトル") != std::string::npos;
      }
      const std::lock_guard guard(watch.mutex);
      watch.pending.reset();  // answered: the script now waits for the game
      watch.lastEventMs = sys.ElapsedMs();
      sys.SetScript(ScriptOf(Command(decision)));
      return;
    }
    if (screen == "guide") {
      Decision dismiss{Decision::Kind::Dismiss, 0, screen};
      out.decisions.push_back(dismiss);
      sys.SetScript(ScriptOf(Command(dismiss)));
      const std::lock_guard guard(watch.mutex);
      watch.lastEventMs = sys.ElapsedMs();
      return;
    }
    if (quietMs > kStallMs) {
      out.stalled = true;
      quit();
    }
  };

  // The engine's globals outlive a run; a new one starts as a new process would.
  core::ResetShellState();
  display::ResetMessageWindow();
  display::ResetChoices();
  headless::HeadlessSystem backend(std::move(options));
  system = &backend;
  backend.SetKey(platform::Key::Control, true);
  platform::SetSystem(&backend);

  shell::ProgramParts parts = shell::GameParts();
  bool begun = false;
  parts.openingLogo = [&begun] { return begun ? 0 : 1; };
  parts.titleMenu = [&] {
    if (begun) {
      watch.titleAgain = true;
      return 0;
    }
    begun = true;
    core::GameState = start;
    return 2;  // as a loaded game: the dispatcher looks up its next scenario
  };
  shell::RunProgram(parts);
  platform::SetSystem(nullptr);

  if (out.ending.empty()) out.final = core::GameState;
  out.deadEnd = watch.titleAgain && out.ending.empty() && !watch.pickedTitle && !quitting;
  for (const headless::HeadlessSystem::BoxRecord& box : backend.Boxes()) {
    out.boxes.push_back(platform::Cp932ToUtf8Lossy(box.request.text));
  }
  out.frames = backend.Frame();
  return out;
}

}  // namespace explore
