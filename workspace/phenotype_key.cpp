#include "workspace/phenotype_key.h"

#include <algorithm>

#include "genetics/pictures/class_picture.h"
#include "genetics/pictures/phenotype_key.h"
#include "layer/scaled_surface.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace phenotype_key;

// Pictures are drawn at twice their size, so that small differences (a crease,
// a bristle, a canine) can be compared.
constexpr std::int32_t kZoom = 2;
constexpr std::int32_t kMargin = 12;
constexpr std::int32_t kCellGap = 20;
constexpr std::int32_t kHeadingHeight = 22;
constexpr std::int32_t kNameHeight = 20;
constexpr std::int32_t kRowGap = 10;
constexpr std::int32_t kHeadingFont = 0;
constexpr std::int32_t kNameFont = 4;
constexpr std::int32_t kHeadingSize = 14;
constexpr std::int32_t kNameSize = 12;
constexpr std::int32_t kBlack = 33;
// The window's frame round the key: the scroll bar and the button row.
constexpr std::int32_t kScrollBar = 18;
constexpr std::int32_t kButtonRow = 44;

struct KeyLayout {
  std::int32_t cellWidth = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

KeyLayout LayoutOf(Drawing& drawing, const std::vector<KeyCharacter>& key) {
  KeyLayout layout;
  if (key.empty()) return layout;
  const PictureInput& first = key.front().phenotypes.front().picture;
  layout.cellWidth = first.width * kZoom;
  std::size_t columns = 1;
  drawing.TextFont(kNameFont);
  drawing.TextSize(kNameSize);
  for (const KeyCharacter& character : key) {
    columns = std::max(columns, character.phenotypes.size());
    for (const KeyPhenotype& form : character.phenotypes) {
      layout.cellWidth = std::max(layout.cellWidth, drawing.StringWidth(form.name));
    }
  }
  const auto count = static_cast<std::int32_t>(columns);
  layout.width = 2 * kMargin + count * layout.cellWidth + (count - 1) * kCellGap;
  const std::int32_t rowHeight = kHeadingHeight + first.height * kZoom + kNameHeight;
  const auto rows = static_cast<std::int32_t>(key.size());
  layout.height = 2 * kMargin + rows * rowHeight + (rows - 1) * kRowGap;
  return layout;
}

void DrawKey(Drawing& drawing, const std::vector<KeyCharacter>& key, const KeyLayout& layout) {
  drawing.ClearItem();
  std::int32_t top = kMargin;
  for (const KeyCharacter& character : key) {
    drawing.ColourByNumber(kBlack);
    drawing.TextFont(kHeadingFont);
    drawing.TextSize(kHeadingSize);
    drawing.TextFace(static_cast<std::int32_t>(TextStyle::Bold));
    drawing.MoveTo(kMargin, top + kHeadingHeight - 6);
    drawing.DrawText(character.name);
    drawing.TextFace(static_cast<std::int32_t>(TextStyle::Plain));
    std::int32_t left = kMargin;
    const std::int32_t pictureTop = top + kHeadingHeight;
    std::int32_t pictureHeight = 0;
    for (const KeyPhenotype& form : character.phenotypes) {
      const PictureInput& input = form.picture;
      pictureHeight = input.height * kZoom;
      const std::int32_t pictureLeft = left + (layout.cellWidth - input.width * kZoom) / 2;
      ScaledSurface enlarged(*drawing.Surface(), kZoom, {pictureLeft, pictureTop}, input.width, input.height);
      Drawing picture;
      picture.SetSurface(&enlarged);
      DrawOrganism(picture, input);

      drawing.ColourByNumber(kBlack);
      drawing.TextFont(kNameFont);
      drawing.TextSize(kNameSize);
      drawing.MoveTo(left + (layout.cellWidth - drawing.StringWidth(form.name)) / 2,
                     pictureTop + pictureHeight + kNameHeight - 4);
      drawing.DrawText(form.name);
      left += layout.cellWidth + kCellGap;
    }
    top = pictureTop + pictureHeight + kNameHeight + kRowGap;
  }
}

// Lays out and draws the key into the open window, which is sized to show it
// whole where the layout has room, and otherwise scrolls.
void FillKey(Session& session, std::int32_t window) {
  WindowService& service = session.service;
  const std::vector<KeyCharacter> key = PhenotypeKey(session.genetics, session.example, session.palette);
  service.ItemSelect(window, kKeyPicture);
  service.SetLocalCoordinates(true);
  const KeyLayout layout = LayoutOf(*service.ItemDrawing(), key);
  service.ItemResize(layout.height, layout.width);
  DrawKey(*service.ItemDrawing(), key, layout);
  const LayoutSize& room = session.startup.layout;
  service.WindowResize(window, std::min(layout.height + kButtonRow, room.height - 60),
                       std::min(layout.width + kScrollBar, room.width - 40));
}

std::int32_t OpenKeyWindow(const Session& session) {
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    if (session.service.WindowExists(WindowOf(kind))) return WindowOf(kind);
  }
  return 0;
}

}  // namespace

void ShowPhenotypeKey(Session& session) {
  WindowService& service = session.service;
  const std::int32_t window = WindowOf(session.genetics.kind);
  if (OpenKeyWindow(session) != window) ClosePhenotypeKey(session);
  if (!service.WindowExists(window)) {
    service.WindowOpen(window, 0);
    FillKey(session, window);
    CentreOnLayout(service, window, session.startup.layout);
  } else {
    FillKey(session, window);
  }
  service.WindowShow(window);
}

void RedrawPhenotypeKey(Session& session) {
  if (const std::int32_t window = OpenKeyWindow(session)) FillKey(session, window);
}

void ClosePhenotypeKey(Session& session) {
  if (const std::int32_t window = OpenKeyWindow(session)) session.service.WindowRelease(window);
}

}  // namespace crossmere
