// The save and load screens and the date pictures: the panels centre on the
// screen with ten 156x28 rows at (30, 58 + 28 r), the highlight covers exactly
// one row and lets the date show through, every date of the summer has a row
// label and a story badge, and each shows the right weekday.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/art/art_fixture.h"

namespace {

using art_test::At;
using art_test::Blue;
using art_test::Green;
using art_test::Red;

constexpr std::uint32_t kKey = 0x0000FF00;
constexpr int kRowX = 30;  // row r at (bx + 30, by + 58 + 28 r)
constexpr int kRowY = 58;
constexpr int kRowPitch = 28;
constexpr int kRows = 10;
constexpr int kRowLastX = 185;  // the pointer is on a row up to bx + 185
constexpr int kRowWidth = kRowLastX - kRowX + 1;

int Brightness(std::uint32_t c) {
  return Red(c) + Green(c) + Blue(c);
}

// Every date code the story shows: 25-31 July, 1-30 August, 1 September.
std::vector<int> DateCodes() {
  std::vector<int> codes;
  for (int d = 25; d <= 31; ++d) codes.push_back(700 + d);
  for (int d = 1; d <= 30; ++d) codes.push_back(800 + d);
  codes.push_back(901);
  return codes;
}

std::string DateName(const char* stem, int code) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%04d.bmp", stem, code);
  return name;
}

// 0 = Sunday; 25 July and 1 August are Sundays.
int ExpectedWeekday(int code) {
  const int month = code / 100;
  const int day = code % 100;
  const int days = month == 7 ? day - 25 : month == 8 ? 7 + day - 1 : 7 + 31 + day - 1;
  return days % 7;
}

struct Region {
  int x0, y0, x1, y1;  // inclusive-exclusive
};

// Where each picture shows its weekday.
constexpr Region kRowWeekday = {118, 5, 148, 23};
constexpr Region kBadgeWeekday = {4, 44, 52, 58};

long Distance(const display::BmpPicture& a, const display::BmpPicture& b, Region r) {
  long sum = 0;
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      const std::uint32_t p = At(a, x, y);
      const std::uint32_t q = At(b, x, y);
      sum +=
          std::abs(Red(p) - Red(q)) + std::abs(Green(p) - Green(q)) + std::abs(Blue(p) - Blue(q));
    }
  }
  return sum;
}

bool HasReddish(const display::BmpPicture& p, Region r) {
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) {
      const std::uint32_t c = At(p, x, y);
      if (c != kKey && Red(c) > Green(c) + 80 && Red(c) > Blue(c) + 80) return true;
    }
  return false;
}

bool HasBluish(const display::BmpPicture& p, Region r) {
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) {
      const std::uint32_t c = At(p, x, y);
      if (c != kKey && Blue(c) > Red(c) + 80 && Blue(c) > Green(c) + 30) return true;
    }
  return false;
}

class SaveLoadArt : public art_test::ArtTest {
 protected:
  // The picture of each date code, in DateCodes() order.
  std::vector<display::BmpPicture> Dates(const char* stem) {
    std::vector<display::BmpPicture> pictures;
    for (const int code : DateCodes()) {
      std::optional<display::BmpPicture> p = Picture(DateName(stem, code));
      if (!p) return {};
      pictures.push_back(std::move(*p));
    }
    return pictures;
  }

  // Each date's weekday region is nearest to the one of the first week's day
  // with the expected weekday; the first week's seven are all different,
  // Sunday's is red and Saturday's blue.
  void CheckWeekdays(const char* stem, Region region) {
    const std::vector<display::BmpPicture> pictures = Dates(stem);
    ASSERT_EQ(pictures.size(), DateCodes().size());
    const std::vector<int> codes = DateCodes();
    // codes[0..6] are 25-31 July: Sunday to Saturday.
    for (std::size_t i = 0; i < 7; ++i) {
      for (std::size_t j = i + 1; j < 7; ++j) {
        EXPECT_GT(Distance(pictures[i], pictures[j], region), 0)
            << stem << ": weekdays " << i << " and " << j << " look the same";
      }
    }
    EXPECT_TRUE(HasReddish(pictures[0], region)) << stem << "0725 is a Sunday";
    EXPECT_TRUE(HasBluish(pictures[6], region)) << stem << "0731 is a Saturday";
    for (std::size_t i = 1; i < 6; ++i) {
      EXPECT_FALSE(HasReddish(pictures[i], region)) << DateName(stem, codes[i]);
      EXPECT_FALSE(HasBluish(pictures[i], region)) << DateName(stem, codes[i]);
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
      int nearest = -1;
      long best = -1;
      for (int w = 0; w < 7; ++w) {
        const long d = Distance(pictures[i], pictures[static_cast<std::size_t>(w)], region);
        if (best < 0 || d < best) {
          best = d;
          nearest = w;
        }
      }
      EXPECT_EQ(nearest, ExpectedWeekday(codes[i])) << DateName(stem, codes[i]);
    }
  }
};

TEST(SaveLoadWeekday, CountsFromTheTwentyFifthOfJuly) {
  EXPECT_EQ(ExpectedWeekday(725), 0);
  EXPECT_EQ(ExpectedWeekday(731), 6);
  EXPECT_EQ(ExpectedWeekday(801), 0);
  EXPECT_EQ(ExpectedWeekday(812), 4);  // Thursday
  EXPECT_EQ(ExpectedWeekday(830), 1);  // Monday
  EXPECT_EQ(ExpectedWeekday(901), 3);  // Wednesday
}

TEST_F(SaveLoadArt, PanelsCentreOnTheScreenWithTenRows) {
  for (const char* name : {"ss_base.bmp", "ls_base.bmp"}) {
    SCOPED_TRACE(name);
    const std::optional<display::BmpPicture> base = Picture(name);
    ASSERT_TRUE(base);
    ASSERT_LE(base->width, 640);
    ASSERT_LE(base->height, 480);
    const int bx = 320 - base->width / 2;
    const int by = 240 - base->height / 2;
    EXPECT_GE(bx, 0);
    EXPECT_GE(by, 0);
    ASSERT_GE(base->width, kRowX + kRowWidth);
    ASSERT_GE(base->height, kRowY + kRowPitch * kRows);
    // Rounded corners are see-through; the frame beside the rows is opaque.
    EXPECT_EQ(At(*base, 0, 0), kKey);
    EXPECT_EQ(At(*base, base->width - 1, base->height - 1), kKey);
    const std::uint32_t frame = At(*base, 2, base->height / 2);
    EXPECT_NE(frame, kKey);
    // Every pixel of every row is drawn, and the row's paper is light against
    // the dark frame, so each row's hit box is visibly a slot.
    for (int r = 0; r < kRows; ++r) {
      const int top = kRowY + kRowPitch * r;
      for (int y = top; y < top + kRowPitch; ++y)
        for (int x = kRowX; x <= kRowLastX; ++x) ASSERT_NE(At(*base, x, y), kKey) << x << "," << y;
      const std::uint32_t centre = At(*base, kRowX + kRowWidth / 2, top + 4);
      EXPECT_GT(Brightness(centre), Brightness(frame) + 300) << "row " << r;
    }
  }
}

TEST_F(SaveLoadArt, SaveAndLoadPanelsAreTitledDifferently) {
  const std::optional<display::BmpPicture> save = Picture("ss_base.bmp");
  const std::optional<display::BmpPicture> load = Picture("ls_base.bmp");
  ASSERT_TRUE(save && load);
  ASSERT_EQ(save->width, load->width);
  ASSERT_EQ(save->height, load->height);
  int different = 0;
  for (int y = 0; y < kRowY - 12; ++y)
    for (int x = 0; x < save->width; ++x) different += At(*save, x, y) != At(*load, x, y);
  EXPECT_GT(different, 200);
}

TEST_F(SaveLoadArt, HighlightFramesOneRowAndShowsItsDate) {
  const std::optional<display::BmpPicture> h = Picture("lscars.bmp");
  ASSERT_TRUE(h);
  EXPECT_EQ(h->width, kRowWidth);
  EXPECT_EQ(h->height, kRowPitch);
  // The frame is drawn on all four sides...
  EXPECT_NE(At(*h, kRowWidth / 2, 1), kKey);
  EXPECT_NE(At(*h, kRowWidth / 2, kRowPitch - 2), kKey);
  EXPECT_NE(At(*h, 1, kRowPitch / 2), kKey);
  EXPECT_NE(At(*h, kRowWidth - 2, kRowPitch / 2), kKey);
  // ...and the inside, where the date is written, is all see-through.
  for (int y = 6; y < kRowPitch - 6; ++y)
    for (int x = 14; x < kRowWidth - 6; ++x) ASSERT_EQ(At(*h, x, y), kKey) << x << "," << y;
}

TEST_F(SaveLoadArt, EveryDateHasAnOpaqueRowLabel) {
  const std::vector<display::BmpPicture> labels = Dates("lsdate");
  ASSERT_EQ(labels.size(), DateCodes().size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const display::BmpPicture& p = labels[i];
    SCOPED_TRACE(DateName("lsdate", DateCodes()[i]));
    ASSERT_EQ(p.width, kRowWidth);
    ASSERT_EQ(p.height, kRowPitch);
    int dark = 0;
    for (const std::uint32_t c : p.pixels) {
      ASSERT_NE(c, kKey);  // the row covers the empty slot drawn on the base
      dark += Brightness(c) < 300;
    }
    EXPECT_GT(dark, 60);  // the date is written
  }
  // The date part differs from day to day, not only the weekday.
  EXPECT_GT(Distance(labels[7], labels[14], {10, 2, 110, 26}), 0);  // 1 and 8 August
}

TEST_F(SaveLoadArt, EveryDateHasACompactKeyedBadge) {
  const std::vector<display::BmpPicture> badges = Dates("hidate");
  ASSERT_EQ(badges.size(), DateCodes().size());
  for (std::size_t i = 0; i < badges.size(); ++i) {
    const display::BmpPicture& p = badges[i];
    SCOPED_TRACE(DateName("hidate", DateCodes()[i]));
    // Drawn at (16, 16) over the story's background: small and on screen.
    EXPECT_LE(p.width, 72);
    EXPECT_LE(p.height, 72);
    EXPECT_LE(16 + p.width, 640);
    // The card's corners outside its shadow are see-through, its face is not.
    EXPECT_EQ(At(p, p.width - 1, 0), kKey);
    EXPECT_EQ(At(p, 0, p.height - 1), kKey);
    for (int y = 2; y < p.height - 6; ++y)
      for (int x = 2; x < p.width - 6; ++x) ASSERT_NE(At(p, x, y), kKey) << x << "," << y;
  }
  EXPECT_GT(Distance(badges[7], badges[14], {4, 20, 52, 46}), 0);  // the day is drawn
  EXPECT_GT(Distance(badges[6], badges[7], {4, 2, 52, 16}), 0);    // so is the month
}

TEST_F(SaveLoadArt, RowLabelsShowTheRightWeekday) {
  CheckWeekdays("lsdate", kRowWeekday);
}

TEST_F(SaveLoadArt, BadgesShowTheRightWeekday) {
  CheckWeekdays("hidate", kBadgeWeekday);
}

}  // namespace
