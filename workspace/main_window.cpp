#include "workspace/main_window.h"

#include "layer/layout.h"
#include "layer/window_service.h"

namespace crossmere {

void CentreOnLayout(WindowService& service, std::int32_t dialog, const LayoutSize& layout) {
  service.WindowBounds(dialog);
  const auto& bounds = service.Registers().windowRect;
  service.WindowPlace(dialog, 1, (layout.height - (bounds.bottom - bounds.top)) / 2);
}

bool AskInDialog(WindowService& service, std::int32_t dialog, const LayoutSize& layout) {
  service.WindowOpen(dialog, 0);
  CentreOnLayout(service, dialog, layout);
  service.WindowRunModal(dialog);
  const bool ok = service.Registers().itemHit == 1000;
  service.WindowRelease(dialog);
  return ok;
}

}  // namespace crossmere
