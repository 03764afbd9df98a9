// The "datecard" family: date pictures drawn from the date code alone.
// Source "lsdate:MMDD" is a row label of the save and load screens (156x28,
// opaque), "hidate:MMDD" the small calendar badge shown during the story
// (60x64, drawn on transparency). The weekday is counted from 25 July, a
// Sunday; the summer runs from 25 July to 30 September.
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/databuild/asset.h"
#include "tools/databuild/picture.h"
#include "tools/databuild/svg_render.h"

namespace databuild {

namespace {

struct Date {
  int month = 0;
  int day = 0;
};

constexpr std::array<std::string_view, 7> kWeekdays = {"日", "月", "火", "水", "木", "金", "土"};

// "MMDD" for a day from 25 July to 30 September; nullopt otherwise.
std::optional<Date> ParseDate(std::string_view digits) {
  if (digits.size() != 4) return std::nullopt;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  Date date;
  std::from_chars(digits.data(), digits.data() + 2, date.month);
  std::from_chars(digits.data() + 2, digits.data() + 4, date.day);
  const bool valid = (date.month == 7 && date.day >= 25 && date.day <= 31) ||
                     (date.month == 8 && date.day >= 1 && date.day <= 31) ||
                     (date.month == 9 && date.day >= 1 && date.day <= 30);
  if (!valid) return std::nullopt;
  return date;
}

// 0 = Sunday. Days since 25 July (a Sunday): July has 31 days, August 31.
int Weekday(const Date& date) {
  int days = 0;
  if (date.month == 7) days = date.day - 25;
  if (date.month == 8) days = 7 + date.day - 1;
  if (date.month == 9) days = 7 + 31 + date.day - 1;
  return days % 7;
}

// Sundays red, Saturdays blue, other days ink navy.
std::string WeekdayColour(int weekday) {
  if (weekday == 0) return "#c23b3b";
  if (weekday == 6) return "#2f63b8";
  return "#2d2a5a";
}

const char kFont[] = "font-family=\"IPAGothic, IPAexGothic\"";

// The row label: the date on cream paper at the left, the weekday in a
// coloured tag at a fixed place on the right.
std::string RowLabelSvg(const Date& date) {
  const int weekday = Weekday(date);
  const std::string colour = WeekdayColour(weekday);
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"156\" height=\"28\" "
      "viewBox=\"0 0 156 28\">"
      "<rect width=\"156\" height=\"28\" fill=\"#fbf0dc\"/>"
      "<rect y=\"26\" width=\"156\" height=\"2\" fill=\"#e3c4a6\"/>"
      "<rect x=\"4\" y=\"7\" width=\"3\" height=\"14\" fill=\"#8a4f7d\"/>";
  svg += "<text x=\"14\" y=\"20\" font-size=\"16\" " + std::string(kFont) + " fill=\"#2d2a5a\">" +
         std::to_string(date.month) + "月" + std::to_string(date.day) + "日</text>";
  svg += "<rect x=\"118\" y=\"5\" width=\"30\" height=\"18\" rx=\"3\" fill=\"" + colour + "\"/>";
  svg += "<text x=\"133\" y=\"19\" font-size=\"14\" text-anchor=\"middle\" " + std::string(kFont) +
         " fill=\"#fff6e0\">" + std::string(kWeekdays[static_cast<std::size_t>(weekday)]) +
         "</text>";
  svg += "</svg>";
  return svg;
}

// The badge: a tear-off calendar leaf with the month in a dusk-purple band,
// the day large below it and the weekday in a coloured tag at the foot, with
// a hard shadow.
std::string BadgeSvg(const Date& date) {
  const int weekday = Weekday(date);
  const std::string colour = WeekdayColour(weekday);
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"64\" "
      "viewBox=\"0 0 60 64\">"
      "<rect x=\"4\" y=\"4\" width=\"56\" height=\"60\" rx=\"5\" fill=\"#2a2340\"/>"
      "<rect x=\"0\" y=\"0\" width=\"56\" height=\"60\" rx=\"5\" fill=\"#fbf0dc\"/>"
      "<path d=\"M0 5 A5 5 0 0 1 5 0 H51 A5 5 0 0 1 56 5 V17 H0 Z\" fill=\"#5a3f78\"/>"
      "<rect x=\"0\" y=\"17\" width=\"56\" height=\"2\" fill=\"#ffd36e\"/>";
  svg += "<text x=\"28\" y=\"13\" font-size=\"12\" text-anchor=\"middle\" " + std::string(kFont) +
         " fill=\"#fff6e0\">" + std::to_string(date.month) + "月</text>";
  svg += "<text x=\"28\" y=\"41\" font-size=\"26\" font-weight=\"bold\" text-anchor=\"middle\" " +
         std::string(kFont) + " fill=\"" + colour + "\">" + std::to_string(date.day) + "</text>";
  svg += "<rect x=\"15\" y=\"44\" width=\"26\" height=\"14\" rx=\"3\" fill=\"" + colour + "\"/>";
  svg += "<text x=\"28\" y=\"55.5\" font-size=\"12\" text-anchor=\"middle\" " + std::string(kFont) +
         " fill=\"#fff6e0\">" + std::string(kWeekdays[static_cast<std::size_t>(weekday)]) +
         "</text>";
  svg += "</svg>";
  return svg;
}

std::optional<std::vector<std::uint8_t>> MakeDateCard(const Asset& asset, const BuildContext&,
                                                      std::string* error) {
  const std::optional<PictureFormat> format = ParsePictureFormat(asset.format);
  if (!format) {
    *error = "'" + asset.format + "' is not a picture format";
    return std::nullopt;
  }
  const std::string_view source = asset.source;
  const std::size_t colon = source.find(':');
  const std::string_view kind = source.substr(0, colon);
  const std::optional<Date> date =
      colon == std::string_view::npos ? std::nullopt : ParseDate(source.substr(colon + 1));
  if (!date || (kind != "lsdate" && kind != "hidate")) {
    *error = "the source '" + asset.source +
             "' must be lsdate:MMDD or hidate:MMDD for a day from 0725 to 0930";
    return std::nullopt;
  }
  const std::string svg = kind == "lsdate" ? RowLabelSvg(*date) : BadgeSvg(*date);
  std::optional<RgbaImage> image = RenderSvgText(svg, format->keyed, error);
  if (!image) return std::nullopt;
  return EncodePicture(*image, *format);
}

// Bump the version whenever a drawing changes.
const GeneratorRegistrar kDateCards("datecard", MakeDateCard, "datecard-2");

}  // namespace

}  // namespace databuild
