#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/json_line.h"

namespace {

using platform::headless::JsonLine;
using platform::headless::JsonString;

TEST(JsonString, QuotesBackslashesAndControlCharactersAreEscaped) {
  EXPECT_EQ(JsonString(""), R"("")");
  EXPECT_EQ(JsonString(R"(say "hi")"), R"("say \"hi\"")");
  EXPECT_EQ(JsonString(R"(C:\dir)"), R"("C:\\dir")");
  EXPECT_EQ(JsonString("a\nb\rc\td\be\ff"), R"("a\nb\rc\td\be\ff")");
  EXPECT_EQ(JsonString(std::string("\x01\x1f", 2)), R"("\u0001\u001f")");
  EXPECT_EQ(JsonString(std::string("a\0b", 3)), R"("a\u0000b")");
  // The first printable character and DEL need no escape.
  EXPECT_EQ(JsonString(" ~\x7f"), "\" ~\x7f\"");
  EXPECT_EQ(JsonString("/"), R"("/")");
}

TEST(JsonString, ValidUtf8PassesThrough) {
  const std::string text = "本当に終了？ é \xF0\x9F\x8E\xAE";
  EXPECT_EQ(JsonString(text), "\"" + text + "\"");
  // The edges of each sequence length.
  const std::string edges =
      "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(JsonString(edges), "\"" + edges + "\"");
}

TEST(JsonString, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(JsonString("a\xFF"
                       "b"),
            R"("a\ufffdb")");
  // Truncated sequences, also at the very end.
  EXPECT_EQ(JsonString("\xE6\x97"), R"("\ufffd\ufffd")");
  EXPECT_EQ(JsonString("\xE6\x97x"), R"("\ufffd\ufffdx")");
  // Overlong forms, surrogates, past U+10FFFF, a lone continuation byte.
  EXPECT_EQ(JsonString("\xC0\xAF"), R"("\ufffd\ufffd")");
  EXPECT_EQ(JsonString("\xE0\x80\xAF"), R"("\ufffd\ufffd\ufffd")");
  EXPECT_EQ(JsonString("\xED\xA0\x80"), R"("\ufffd\ufffd\ufffd")");
  EXPECT_EQ(JsonString("\xF4\x90\x80\x80"), R"("\ufffd\ufffd\ufffd\ufffd")");
  EXPECT_EQ(JsonString("\x80"), R"("\ufffd")");
  // Shift-JIS bytes that slipped through unconverted.
  EXPECT_EQ(JsonString("\x93\xfa"), R"("\ufffd\ufffd")");
}

TEST(JsonLine, FieldsFollowFrameAndEventInOrder) {
  const std::string line = JsonLine(42, "msgbox")
                               .Text("text", "a\"b")
                               .Number("count", -7)
                               .Number("big", 9007199254740993)
                               .Bool("yes", true)
                               .Bool("no", false)
                               .Finish();
  EXPECT_EQ(line, R"({"frame":42,"event":"msgbox","text":"a\"b","count":-7,"big":9007199254740993,)"
                  R"("yes":true,"no":false})"
                  "\n");
}

TEST(JsonLine, KeysAndEventNamesAreEscapedToo) {
  EXPECT_EQ(JsonLine(0, "a\"b").Text("k\n", "v").Finish(), R"({"frame":0,"event":"a\"b","k\n":"v"})"
                                                           "\n");
  EXPECT_EQ(JsonLine(18446744073709551615u, "e").Finish(),
            R"({"frame":18446744073709551615,"event":"e"})"
            "\n");
}

TEST(JsonLine, ListsAreArraysAndEmptyListsStayArrays) {
  EXPECT_EQ(JsonLine(3, "choice")
                .TextList("texts", {"a", "b", "c"})
                .NumberList("entries", {0, -1, 9007199254740993})
                .Finish(),
            R"({"frame":3,"event":"choice","texts":["a","b","c"],)"
            R"("entries":[0,-1,9007199254740993]})"
            "\n");
  EXPECT_EQ(JsonLine(0, "e").TextList("t", {}).NumberList("n", {}).Finish(),
            R"({"frame":0,"event":"e","t":[],"n":[]})"
            "\n");
  // One element: no stray comma on either side.
  EXPECT_EQ(JsonLine(0, "e").TextList("t", {""}).NumberList("n", {7}).Text("after", "x").Finish(),
            R"({"frame":0,"event":"e","t":[""],"n":[7],"after":"x"})"
            "\n");
}

TEST(JsonLine, TextsInsideListsAreEscapedLikeSingleTexts) {
  const std::vector<std::string> texts = {"say \"hi\"", "a\\b\n",  "\x01",
                                          "本当？",     "bad\xFF", "],\"x\":["};
  EXPECT_EQ(JsonLine(1, "choice").TextList("texts", texts).Finish(),
            R"({"frame":1,"event":"choice","texts":["say \"hi\"","a\\b\n","\u0001","本当？",)"
            R"("bad\ufffd","],\"x\":["]})"
            "\n");
  EXPECT_EQ(JsonLine(1, "c").TextList("k\"", {"\"", "\\"}).Finish(),
            R"({"frame":1,"event":"c","k\"":["\"","\\"]})"
            "\n");
}

}  // namespace
