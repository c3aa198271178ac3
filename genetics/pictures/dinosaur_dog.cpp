#include "genetics/pictures/dinosaur_dog.h"

#include <array>
#include <string>

namespace crossmere {
namespace {

struct Part {
  std::int32_t rows;
  std::int32_t width;  // in units of 16 pixels
  std::int32_t x;      // in units of 16 pixels
  std::int32_t y;
  std::array<std::string_view, 3> bitmaps;  // values 1, 2, 3
};

// Body (sex), ears, canines, stripe, patch, legs and tail, by character 1..7.
constexpr std::array<Part, 8> kParts = {{
    {0, 0, 0, 0, {}},
    {6, 2, 2, 21,
     {"840000EA8E00012189C00210883F04109011841090114409",
      "840000EA8E00012189C00210883F0530901184D090114409",
      "840000EA8E00012189C00210883F0530901184D090114409"}},
    {7, 2, 1, 2,
     {"00000000000000000000000000070000003F0000004080000040401F",
      "0000000000060000000F000000FF0000011F00000103800000C0401F",
      "0000E000000310000704100008F86000081F8000060380000180401F"}},
    {18, 1, 1, 9,
     {"0070007000C0010001500260040004000400080008000800100110122024204811900E20",
      "0070007000C0010001500260040004000400080008000800100110322064204811900E20",
      "0070007000C001000150026004000400040008000800080010E91092206420C811900E20"}},
    {12, 1, 2, 9,
     {"21E012000C60088000202000000040308000800880028402",
      "21E012000C20080000002020000040008000800480008400",
      "21E012000C00080000002000000040008000800080008400"}},
    {8, 1, 3, 8,
     {"E0003E003F8057F03FF8778E7F013800", "E0003E00258054F03FB8048E01010000",
      "E0001F0000C000300008000600010000"}},
    {11, 3, 1, 27,
     {"04C0901224090700901224090000901224090001101224110006206224110008208222100007C07C621000000000C21000000003012000000004013800000003FF0F",
      "04C0901224090700D012240900009016240B0001501234110006206A24190008A0A22A120007C07C661800000000CA1200000003212000000004053C00000003FF0F",
      "04C0D016340D0700901A2C0B0000D016340D0001501A2C150006A06E341B000D60BA2A150007C07C761A00000000EA1500000003B52B000000055B3A00000003FF0F"}},
    {24, 2, 4, 14,
     {"800000004000000020000000100000000800000004000000040000000200000081000000610000009080000088800000044000000420000002200000011000000088000000840000804300008020C00080103000800C0FF08003800880007FF0",
      "800000004000000020000000100000000800000004000000040000000200000081000000610000009080000088800000044000000420000002200000011000000088000000840000804300008020800080108000800F00008000000080000000",
      "800000004000000020000000100000000800000004000000040000000200000081000000608000009040000088400000044000000240000001800000000000000000000000000000800000008000000080000000800000008000000000000000"}},
}};

std::int32_t DigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return 0;
}

}  // namespace

std::vector<PixelRun> RowRuns(std::string_view digits, std::int32_t x, std::int32_t y) {
  std::vector<PixelRun> runs;
  // Each digit is drawn on its own, so runs never cross a digit boundary.
  for (std::size_t d = 0; d < digits.size(); ++d) {
    const std::int32_t value = DigitValue(digits[d]);
    for (std::int32_t k = 0; k < 4; ++k) {
      if (!(value & (8 >> k))) continue;
      const std::int32_t px = x + 4 * static_cast<std::int32_t>(d) + k;
      if (k > 0 && (value & (8 >> (k - 1)))) {
        ++runs.back().length;
      } else {
        runs.push_back({px, y, 1});
      }
    }
  }
  return runs;
}

std::vector<PixelRun> DogPartRuns(std::int32_t character, std::int32_t value) {
  std::vector<PixelRun> runs;
  if (character < 1 || character > 7 || value < 1 || value > 3) return runs;
  const Part& part = kParts[character];
  const std::string_view bitmap = part.bitmaps[value - 1];
  const std::int32_t rowDigits = part.width * 4;
  for (std::int32_t r = 1; r <= part.rows; ++r) {
    const auto row = bitmap.substr(static_cast<std::size_t>((r - 1) * rowDigits), rowDigits);
    for (const PixelRun& run : RowRuns(row, 16 * part.x - 15, part.y + r)) runs.push_back(run);
  }
  return runs;
}

void DrawDinosaurDog(Drawing& drawing, const PictureInput& input) {
  for (std::int32_t c = 1; c <= 7; ++c) {
    const std::int32_t value = c == 1 ? (input.values[1] == 1 ? 1 : 2) : input.values[c];
    for (const PixelRun& run : DogPartRuns(c, value)) {
      drawing.FillRect({run.y, run.x, run.y + 1, run.x + run.length}, fill::kSolid);
    }
  }
}

}  // namespace crossmere
