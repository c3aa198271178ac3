#include "genetics/pictures/class_picture.h"

#include "genetics/genotype_classes.h"
#include "genetics/pictures/dinosaur_dog.h"
#include "genetics/pictures/fly.h"
#include "genetics/pictures/monkbear.h"
#include "genetics/pictures/plant.h"

namespace crossmere {
namespace {

constexpr std::int32_t kBlack = 33;
constexpr std::int32_t kLabelSize = 10;
// Loci that assort independently of locus 1 are labelled in this colour
// when the class asks for different colours.
constexpr std::uint32_t kUnlinkedLabel = 0x1F5FAF;

PictureInput InputOf(const GeneticsState& genetics, const ExampleState& example,
                     const OrganismPalette& palette, std::int32_t classNumber, PictureFrame frame) {
  PictureInput input;
  input.kind = genetics.kind;
  input.values = CharacterValuesOf(genetics, classNumber);
  input.palette = &palette;
  for (std::size_t i = 0; i < input.randomColours.size(); ++i) {
    const PaletteColour& c = example.palette[i];
    input.randomColours[i] = {c.red, c.green, c.blue};
  }
  input.width = frame.width;
  input.height = frame.height;
  return input;
}

void DrawLabel(Drawing& drawing, const GeneticsState& genetics, const ExampleState& example,
               std::int32_t classNumber, PictureFrame frame) {
  const Genotype& genotype = genetics.classes[classNumber];
  drawing.TextFont(4);
  drawing.TextSize(kLabelSize);
  drawing.MoveTo(3, frame.height - 3);
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    if (!example.showGenotypes[k]) continue;
    const LocusRule& locus = genetics.loci[k];
    const std::int32_t sum = genotype.Sum(genetics.locusPosition[k]);
    const bool unlinked = (k == 2 && genetics.unlinked12) || (k == 3 && genetics.unlinked13);
    if (example.unlinkedLabelColours && unlinked) {
      drawing.SetColour(kUnlinkedLabel);
    } else {
      drawing.ColourByNumber(kBlack);
    }
    drawing.DrawText(genotype.Sex() == 1 ? locus.maleText[sum] : locus.femaleText[sum]);
    drawing.DrawText(" ");
  }
}

}  // namespace

bool ShowsGenotypeLabel(const GeneticsState& genetics, const ExampleState& example,
                        std::int32_t classNumber) {
  bool anyShown = false;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) anyShown |= example.showGenotypes[k];
  const bool stock = genetics.lociCount < 3 && classNumber > kStockMark;
  return anyShown && (stock || example.offspringLabels);
}

PictureFrame FrameOf(const GeneticsState& genetics, bool labels, bool limitedGenotypes, std::int32_t scale) {
  switch (genetics.kind) {
    case kDinosaurDog:
      return {80, labels ? 66 + 2 * scale : 40};
    case kMonkbear: {
      const bool wide = (genetics.lociCount == 3 && genetics.locusPosition[3] - genetics.locusPosition[1] >= 5) ||
                        limitedGenotypes;
      return {wide ? 96 : 92 + 4 * scale, 92};
    }
    default:
      return {82, 82};
  }
}

void DrawOrganism(Drawing& drawing, const PictureInput& input) {
  drawing.PenSize(1);
  drawing.PenPattern(1);
  drawing.ColourByNumber(kBlack);
  switch (input.kind) {
    case kDinosaurDog: DrawDinosaurDog(drawing, input); break;
    case kMonkbear: DrawMonkbear(drawing, input); break;
    case kFly: DrawFly(drawing, input); break;
    default: DrawPlant(drawing, input); break;
  }
}

PictureInput RandomOrganism(RandomGenerator& random, const std::array<bool, kPlant + 1>& unavailable,
                            const OrganismPalette& palette) {
  PictureInput input;
  std::array<std::int32_t, kPlant> kinds{};
  std::int32_t count = 0;
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    if (!unavailable[kind]) kinds[count++] = kind;
  }
  input.kind = count == 0 ? kMonkbear : kinds[random.Random15() % count];
  input.values[1] = input.kind == kPlant ? 1 : random.Random15() % 2 + 1;
  for (std::int32_t c = 2; c <= CharacterCount(input.kind); ++c) input.values[c] = random.Random15() % 3 + 1;
  input.palette = &palette;
  for (auto& colour : input.randomColours) {
    const PaletteColour drawn = DrawPaletteColour(random);
    colour = {drawn.red, drawn.green, drawn.blue};
  }
  GeneticsState shape;
  shape.kind = input.kind;
  const PictureFrame frame = FrameOf(shape, false, false);
  input.width = frame.width;
  input.height = frame.height;
  return input;
}

void DrawClassPicture(Drawing& drawing, const GeneticsState& genetics, const ExampleState& example,
                      const OrganismPalette& palette, std::int32_t classNumber, bool labels) {
  drawing.ClearItem();
  if (IsLethalClass(genetics, classNumber)) return;
  const PictureFrame frame = FrameOf(genetics, labels, false);
  DrawOrganism(drawing, InputOf(genetics, example, palette, classNumber, frame));
  if (labels) DrawLabel(drawing, genetics, example, classNumber, frame);
}

}  // namespace crossmere
