// The headless backend in-process, and its log. Scripts run against a stand-in
// for the game: a frame pump like the engine's and a story that logs prompts.
#include "platform/headless/headless_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/headless/json_line.h"
#include "platform/headless/script.h"
#include "tests/support/files.h"
#include "tests/support/pixels.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::BoxIcon;
using platform::Key;
using platform::LogField;
using platform::Message;
using platform::MessageKind;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessSystem;
using platform::headless::JsonString;

constexpr std::uint32_t kForever = 0xFFFFFFFF;

class Backend : public ::testing::Test {
 protected:
  // set: changes to the options, which log to a file the test reads.
  HeadlessSystem& Make(const std::function<void(HeadlessOptions&)>& set = nullptr) {
    HeadlessOptions options;
    if (set) set(options);
    // A file read while it is still open: only what was flushed is there.
    log_.close();
    log_.open(temp_.Path() + "/log.jsonl", std::ios::trunc);
    options.log = &log_;
    sys_ = std::make_unique<HeadlessSystem>(std::move(options));
    return *sys_;
  }

  void Script(const std::string& text) {
    sys_->SetScript(platform::headless::ParseScript(text, nullptr).value());
  }

  // Runs a stand-in for the game's frame pump until frame `last` has taken its
  // input; the story ("3:page 9:sleep10 9:choice2") is what the game logs or does
  // after the input of that frame. Returns what the game saw: each message with
  // the first frame to see it, and the keys down at each frame's sample.
  std::string Play(const std::string& story, std::uint64_t last) {
    static const char* const kNames[] = {"close", "",      "active", "move",  "down",
                                         "up",    "rdown", "rup",    "music", "quit"};
    std::string seen;
    const auto note = [&](const std::string& what) { seen += (seen.empty() ? "" : " ") + what; };
    for (std::uint64_t frame = 0; frame < last;) {
      for (Message m; sys_->PeekMessage(m);) {
        const bool at = m.kind >= MessageKind::MouseMove && m.kind <= MessageKind::RButtonUp;
        note((m.kind == MessageKind::Activate && m.active == 0 ? "in" : "") +
             std::string(kNames[static_cast<int>(m.kind)]) + std::to_string(frame + 1) +
             (at ? "(" + std::to_string(m.x) + "," + std::to_string(m.y) + ")" : ""));
      }
      if (sys_->Frame() == frame) {
        sys_->WaitMessage(static_cast<std::uint32_t>(32 - sys_->ElapsedMs() % 32));
        continue;
      }
      frame = sys_->Frame();
      for (const auto& [key, name] :
           {std::pair{Key::Enter, "E"}, {Key::Escape, "X"}, {Key::Control, "C"}}) {
        if (sys_->KeyDown(key)) note(name + std::to_string(frame));
      }
      std::istringstream events(story);
      for (std::string event; events >> event;) {
        std::size_t at = 0;
        if (std::stoull(event, &at) != frame) continue;
        const std::string what = event.substr(at + 1);
        if (what.starts_with("sleep")) {
          sys_->Sleep(static_cast<std::uint32_t>(std::stoul(what.substr(5))));
        } else if (what.starts_with("choice")) {
          const std::vector<std::string> lines(std::stoul(what.substr(6)), "option");
          sys_->LogEvent("choice", {LogField::TextList("texts", lines)});
        } else {
          sys_->LogEvent(what, {});
        }
      }
    }
    return seen;
  }

  std::string Log() const { return cellwright_test::ReadBytes(temp_.Path() + "/log.jsonl"); }

  cellwright_test::TempFolder temp_;
  std::ofstream log_;
  std::unique_ptr<HeadlessSystem> sys_;
};

TEST_F(Backend, OnlyWaitsMoveTheClockToTheirEndOrWhatIsDue) {
  HeadlessSystem& clock = Make([](auto& o) { o.clockStart = 0xFFFFFFF0u; });
  Message message;
  EXPECT_FALSE(clock.PeekMessage(message));
  EXPECT_FALSE(clock.KeyDown(Key::Enter));
  EXPECT_EQ(clock.TickCount(), 0xFFFFFFF0u);
  clock.Sleep(16 + 31);
  EXPECT_EQ(clock.TickCount(), 31u) << "wraps at 32 bits";
  EXPECT_EQ(clock.Frame(), 1u);
  const struct {
    const char* name;
    std::uint32_t before;  // on the clock when the script is set
    const char* script;
    std::uint32_t late;  // then passed without a wait
    bool queued;         // a message is waiting
    std::uint32_t timeout;
    std::uint64_t ends;
  } rows[] = {
      {"nothing due", 0, "", 0, false, 100, 100},
      {"forever is one frame", 0, "", 0, false, kForever, 32},
      {"a script starts on the next frame", 0, "close", 0, false, 1000, 32},
      {"even from inside a frame", 10, "close", 0, false, kForever, 32},
      {"an overdue command runs at once", 0, "move 3 4", 100, false, 1000, 100},
      {"a queued message returns at once", 0, "", 0, true, kForever, 0},
      {"a command waiting for the game waits it all", 0, "until-page\nclose", 0, false, 100, 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessSystem& sys = Make();
    sys.AdvanceClock(row.before);
    Script(row.script);
    sys.AdvanceClock(row.late);
    if (row.queued) sys.PushMessage({});
    sys.WaitMessage(row.timeout);
    EXPECT_EQ(sys.ElapsedMs(), row.ends);
  }
}

TEST_F(Backend, ScriptsRunInTimeWithTheGame) {
  const struct {
    const char* name;
    const char* script;
    const char* story;
    std::uint64_t last;  // frame
    const char* seen;
    const char* logged = "";
  } rows[] = {
      {"a click is down for one frame, then up for one", "click 5 6\nclick 7 8", "", 6,
       "move1(5,6) down1(5,6) up2(5,6) move3(7,8) down3(7,8) up4(7,8)"},
      {"commands that take no time run together",
       "move 3 4\nrclick 9 8\nclose\ndeactivate\nactivate", "", 4,
       "move1(3,4) move1(9,8) rdown1(9,8) rup2(9,8) close3 inactive3 active3"},
      {"frames delay what follows", "frames 3\nmove 1 1\nframes 2\nmove 2 2\nmove 3 3", "", 7,
       "move4(1,1) move6(2,2) move6(3,3)"},
      {"a key is down for one frame, a held one until released",
       "key enter\nkey enter\nhold ctrl\nkey escape\nframes 2\nrelease ctrl", "", 10,
       "E1 E3 X5 C5 C6 C7 C8"},
      {"a busy game gets the command late, the release a whole frame on",
       "frames 1\nmove 1 1\nframes 1\nclick 2 2\nmove 3 3", "2:sleep42", 6,
       "move2(1,1) move3(2,2) down3(2,2) up5(2,2) move6(3,3)"},
      {"page: Enter on the frame after the prompt", "page\nclose", "5:page", 9, "E6 close8"},
      {"a pending prompt is confirmed when due", "frames 10\npage", "3:page", 13, "E11"},
      {"a second page waits for its own prompt", "page\npage\nclose", "3:page 20:page", 24,
       "E4 E21 close23"},
      {"back-to-back prompts get a release between", "page\npage", "3:page 4:page", 8, "E4 E6"},
      {"later text ends a pending page", "frames 5\npage", "2:page 3:text 9:page", 12, "E10"},
      {"as do a pick", "frames 5\npage", "2:page 3:picked 9:page", 12, "E10"},
      {"a layer", "frames 5\npage", "2:page 3:layer 9:page", 12, "E10"},
      {"a scenario", "frames 5\npage", "2:page 3:scenario 9:page", 12, "E10"},
      {"a choice", "frames 5\npage", "2:page 3:choice2 9:page", 12, "E10"},
      {"and a new page, confirmed in its place", "frames 5\npage", "2:page 3:page", 8, "E6"},
      {"other events leave it pending", "frames 5\npage", "2:page 3:quit 3:se", 8, "E6"},
      {"page does not answer a choice", "page\nmove 1 1", "2:choice2", 8, ""},
      {"choose does not answer a page", "choose 1\nmove 1 1", "2:page", 8, ""},
      {"until-page leaves the prompt to page", "until-page\npage", "4:page", 7, "E5"},
      {"until-choice holds the rest back", "until-choice\nmove 7 8\nkey enter", "4:page 9:choice3",
       12, "move10(7,8) E10"},
      // The move away makes the game read the row again at the click.
      {"choose moves away, then clicks the middle of the line", "choose 2\nclose", "3:choice3", 8,
       "move4(320,300) move5(320,432) down5(320,432) up6(320,432) close7"},
      {"even with the pointer already on it", "move 320 451\nframes 2\nchoose 3", "4:choice3", 8,
       "move1(320,451) move5(320,300) move6(320,451) down6(320,451) up7(320,451)"},
      {"choose uses the choice up", "until-choice\nchoose 1\nchoose 1\nclose", "2:choice2", 12,
       "move3(320,300) move4(320,413) down4(320,413) up5(320,413)"},
      {"a line past the choice drops the rest of the script",
       "frames 1\n# two lines\nchoose 3\nclose\nkey enter", "3:choice2 12:choice3", 20, "",
       R"({"frame":3,"event":"script_error","line":3,"message":"choose 3: only 2 lines"})"},
      {"one line", "choose 2", "2:choice1", 3, "", R"("message":"choose 2: only 1 line"})"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Make();
    Script(row.script);
    EXPECT_EQ(Play(row.story, row.last), row.seen);
    EXPECT_NE(Log().find(row.logged), std::string::npos) << Log();
  }
}

TEST_F(Backend, MessageBoxesTakeScriptedAnswersThatFitElseTheDefault) {
  using enum BoxButtons;
  using enum BoxIcon;
  const char* const kButtons[] = {"ok", "yesno", "abortretryignore"};
  const char* const kIcons[] = {"none", "information", "warning", "error", "question"};
  const char* const kAnswers[] = {"", "ok", "", "abort", "retry", "ignore", "yes", "no"};
  const struct {
    BoxButtons buttons;
    int defaultButton;
    BoxIcon icon;
    const char* script;  // answers queued before the box
    const char* answer;
    bool scripted = false;
    bool invalid = false;
  } rows[] = {
      {Ok, 0, None, "", "ok"},
      {Ok, -1, Information, "", "ok"},
      {YesNo, 0, Warning, "", "yes"},
      {YesNo, 1, Question, "", "no"},
      {YesNo, 2, Error, "", "yes"},
      {AbortRetryIgnore, 0, None, "", "abort"},
      {AbortRetryIgnore, 1, None, "", "retry"},
      {AbortRetryIgnore, 2, None, "", "ignore"},
      {YesNo, 0, None, "answer no", "no", true},
      // First in, first out, one per box.
      {YesNo, 1, None, "answer yes\nanswer retry", "yes", true},
      {AbortRetryIgnore, 0, None, "", "retry", true},
      // An answer that is no button is used up, and the default answers.
      {YesNo, 1, None, "answer ok", "no", false, true},
      {YesNo, 0, None, "", "yes"},
  };
  HeadlessSystem& sys = Make();
  const std::string text = platform::Utf8ToCp932("終了？").value();
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(kButtons[static_cast<int>(row.buttons)]) + " " + row.answer);
    if (*row.script != '\0') {
      Script(row.script);
      sys.WaitMessage(kForever);
    }
    const BoxAnswer answer =
        sys.ShowMessageBox({text, "Cellwright", row.buttons, row.defaultButton, row.icon});
    EXPECT_EQ(kAnswers[static_cast<int>(answer)], std::string(row.answer));
    const std::string logged =
        R"(,"event":"msgbox","text":"終了？","caption":"Cellwright","buttons":")" +
        std::string(kButtons[static_cast<int>(row.buttons)]) + R"(","icon":")" +
        kIcons[static_cast<int>(row.icon)] + R"(","answer":")" + row.answer + R"(","scripted":)" +
        (row.scripted ? "true" : "false") + (row.invalid ? R"(,"answer_invalid":true)" : "");
    EXPECT_TRUE(Log().ends_with(R"({"frame":)" + std::to_string(sys.Frame()) + logged + "}\n"))
        << Log();
  }
}

TEST_F(Backend, AShotWritesTheScreenAsPngAndLogsWhetherItCould) {
  HeadlessSystem& sys = Make([&](auto& o) { o.shotFolder = temp_.Sub("shots"); });
  std::uint32_t* pixels = sys.ScreenPixels();
  for (std::uint32_t i = 0; i < 640 * 480; ++i) pixels[i] = i * 0x9E3779B1u;  // top byte too
  Script("shot first");
  sys.WaitMessage(kForever);
  const std::string path = temp_.Path() + "/shots/first.png";
  EXPECT_EQ(Log(), R"({"frame":1,"event":"shot","path":")" + path + "\",\"ok\":true}\n");
  std::vector<std::uint32_t> rgb(pixels, pixels + 640 * 480);
  for (std::uint32_t& pixel : rgb) pixel &= 0x00FFFFFFu;
  EXPECT_TRUE(cellwright_test::ReadPng(path).pixels == rgb);

  Make([&](auto& o) { o.shotFolder = temp_.Path() + "/no/such/folder"; });
  Script("shot x\nclose");
  EXPECT_EQ(Play("", 1), "close1") << "the run goes on";
  EXPECT_NE(Log().find(R"("ok":false,"error":")"), std::string::npos) << Log();
}

TEST_F(Backend, TheWindowRaisesAndGameEventsAreLoggedAsTheyHappen) {
  HeadlessSystem& sys = Make();
  EXPECT_TRUE(sys.CreateMainWindow(platform::Utf8ToCp932("窓").value()));
  sys.RaiseMainWindow();
  sys.AdvanceClock(64);
  sys.LogEvent("e", {LogField::Text("t", "日"), LogField::Number("n", -12),
                     LogField::TextList("ts", {"x"}), LogField::NumberList("ns", {1, 2})});
  sys.DestroyMainWindow();
  sys.DestroyMainWindow();
  EXPECT_EQ(Log(), R"({"frame":0,"event":"window","title":"窓"}
{"frame":0,"event":"raised"}
{"frame":2,"event":"e","t":"日","n":-12,"ts":["x"],"ns":[1,2]}
{"frame":2,"event":"window_destroyed"}
)");
  HeadlessSystem({}).LogEvent("quit", {});  // without a log: nothing written, nothing fails
}

TEST_F(Backend, FoldersEndInASlashAndTheInstallFolderIsNeverWritable) {
  temp_.Sub("install");
  temp_.Sub("save");
  HeadlessSystem& sys = Make([&](auto& o) {
    o.installFolder = temp_.Path() + "/install";
    o.saveFolder = temp_.Path() + "/save";
    o.discMounts = {"/media/cd", "/mnt/dvd/"};
  });
  EXPECT_EQ(sys.CurrentFolder(), temp_.Path() + "/install/");
  EXPECT_EQ(sys.DiscMountPoints(), (std::vector<std::string>{"/media/cd/", "/mnt/dvd/"}));
  const std::pair<const char*, bool> writable[] = {
      {"/install", false}, {"/save/../install/", false}, {"/save/", true}, {"/missing/", false}};
  for (const auto& [folder, yes] : writable) {
    EXPECT_EQ(sys.IsWritableFolder(temp_.Path() + folder), yes) << folder;
  }
}

TEST(JsonString, EscapesAndKeepsOnlyValidUtf8) {
  const std::string edges =  // the first and last of each sequence length
      "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  const struct {
    const char* name;
    std::string text;
    std::string json;  // without the quotes
  } rows[] = {
      {"quote and backslash", R"(say "hi" C:\d)", R"(say \"hi\" C:\\d)"},
      {"named controls", "a\nb\rc\td\be\ff", R"(a\nb\rc\td\be\ff)"},
      {"other controls", std::string("\x01\x1f\0", 3), R"(\u0001\u001f\u0000)"},
      {"printable and DEL need none", " ~/\x7f", " ~/\x7f"},
      {"valid UTF-8 passes", "本当？ " + edges, "本当？ " + edges},
      {"stray byte", "a\xFF-", R"(a\ufffd-)"},
      {"truncated at the end", "\xE6\x97", R"(\ufffd\ufffd)"},
      {"truncated before ASCII", "\xE6\x97x", R"(\ufffd\ufffdx)"},
      {"overlong two bytes", "\xC0\xAF", R"(\ufffd\ufffd)"},
      {"overlong three bytes", "\xE0\x80\xAF", R"(\ufffd\ufffd\ufffd)"},
      {"surrogate", "\xED\xA0\x80", R"(\ufffd\ufffd\ufffd)"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", R"(\ufffd\ufffd\ufffd\ufffd)"},
      {"lone continuation", "\x80", R"(\ufffd)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(JsonString(row.text), "\"" + row.json + "\"");
  }
}

TEST(HeadlessMaxFramesDeathTest, ExitsWithCode3OncePastTheLimit) {
  EXPECT_EXIT(
      {
        HeadlessOptions options;
        options.maxFrames = 10;
        options.log = &std::cerr;
        options.beforeForcedExit = [] { std::cerr << "cleaned up\n"; };
        HeadlessSystem sys(options);
        sys.AdvanceClock(10 * 32 + 31);  // frame 10: not past the limit yet
        std::cerr << "still running\n";
        sys.WaitMessage(1);
        std::cerr << "not reached\n";
      },
      ::testing::ExitedWithCode(3),
      "still running\n\\{\"frame\":11,\"event\":\"exit\",\"code\":3\\}\ncleaned up\n$");
  HeadlessSystem unlimited({});  // 0: no limit
  unlimited.AdvanceClock(0xFFFFFFFF);
  EXPECT_EQ(unlimited.Frame(), 0xFFFFFFFFull / 32);
}

}  // namespace
