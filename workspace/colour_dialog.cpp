#include "workspace/colour_dialog.h"

#include "genetics/pictures/art_kit.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kFirstColourDialog = 380;  // + organism kind
constexpr std::int32_t kOneColour = 71;
constexpr std::int32_t kUnlinkedColours = 72;
constexpr std::int32_t kChooserTitle = 21;  // entry of list 380

// The palette colour behind a swatch: item 10 * row + value.
Rgb16* SwatchColour(OrganismPalette& palette, std::int32_t kind, std::int32_t item) {
  const std::int32_t row = item / 10;
  const std::int32_t value = item % 10;
  if (value < 1 || value > 3) return nullptr;
  auto ofThree = [value](std::array<Rgb16, 3>& colours) { return &colours[value - 1]; };
  switch (kind * 10 + row) {
    case 21: return ofThree(palette.monkbearSnout);
    case 22: return ofThree(palette.monkbearEyes);
    case 23: return value == 1 ? &palette.monkbearSkin : nullptr;
    case 24: return value == 1 ? &palette.bowTie : nullptr;
    case 25: return value == 1 ? &palette.ribbon : nullptr;
    case 31: return ofThree(palette.flyBody);
    case 32: return ofThree(palette.flyEyes);
    case 41: return ofThree(palette.plantSepals);
    case 42: return ofThree(palette.plantFlowers);
    case 43: return value == 1 ? &palette.plantStem : nullptr;
    default: return nullptr;
  }
}

Rgb16 Rgb16Of(std::uint32_t rgb) {
  return {static_cast<std::int32_t>((rgb >> 16) & 0xFF) * 257, static_cast<std::int32_t>((rgb >> 8) & 0xFF) * 257,
          static_cast<std::int32_t>(rgb & 0xFF) * 257};
}

void PaintSwatch(WindowService& service, std::int32_t dialog, std::int32_t item, const Rgb16& colour) {
  service.ItemSelect(dialog, item);
  service.Registers().colour.rgb = RgbOf(colour);
  service.ItemColour(1);
}

}  // namespace

void ShowColourDialog(Session& session) {
  WindowService& service = session.service;
  const std::int32_t kind = session.genetics.kind;
  const std::int32_t dialog = kFirstColourDialog + kind;
  service.WindowOpen(dialog, 0);
  CentreOnLayout(service, dialog, session.startup.layout);
  for (std::int32_t item = 11; item <= 53; ++item) {
    if (const Rgb16* colour = SwatchColour(session.palette, kind, item)) PaintSwatch(service, dialog, item, *colour);
  }
  service.SetItemValue(dialog, session.example.unlinkedLabelColours ? kUnlinkedColours : kOneColour, 1);

  bool changed = false;
  for (;;) {
    service.WindowRunModal(dialog);
    const std::int32_t hit = service.Registers().itemHit;
    Rgb16* colour = SwatchColour(session.palette, kind, hit);
    if (!colour) break;
    std::uint32_t rgb = RgbOf(*colour);
    if (service.ChooseColour(session.strings.ListString(380, kChooserTitle), rgb)) {
      *colour = Rgb16Of(rgb);
      PaintSwatch(service, dialog, hit, *colour);
      changed = true;
    }
  }
  if (service.Registers().itemHit == 1000) {
    std::int32_t unlinked = 0;
    service.ItemSelect(dialog, kUnlinkedColours);
    service.ItemBind(unlinked);
    service.ItemRead(dialog, kUnlinkedColours);
    if ((unlinked != 0) != session.example.unlinkedLabelColours) {
      session.example.unlinkedLabelColours = unlinked != 0;
      changed = true;
    }
  }
  service.WindowRelease(dialog);
  // The individuals already shown take the new colours at once.
  if (!changed) return;
  RedrawIndividuals(session);
  RedrawPhenotypeKey(session);
}

}  // namespace crossmere
