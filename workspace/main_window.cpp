#include "workspace/main_window.h"

#include "layer/layout.h"
#include "layer/window_service.h"

namespace crossmere {

void CentreOnLayout(WindowService& service, std::int32_t dialog, const LayoutSize& layout) {
  service.WindowBounds(dialog);
  const auto& bounds = service.Registers().windowRect;
  service.WindowPlace(dialog, 1, (layout.height - (bounds.bottom - bounds.top)) / 2);
}

void OpenCentred(WindowService& service, std::int32_t dialog, const LayoutSize& layout) {
  service.WindowOpen(dialog, 0);
  CentreOnLayout(service, dialog, layout);
}

std::int32_t RunModal(WindowService& service, std::int32_t dialog) {
  service.WindowRunModal(dialog);
  return service.Registers().itemHit;
}

bool AskInDialog(WindowService& service, std::int32_t dialog, const LayoutSize& layout) {
  OpenCentred(service, dialog, layout);
  const bool ok = RunModal(service, dialog) == main_window::kOkButton;
  service.WindowRelease(dialog);
  return ok;
}

}  // namespace crossmere
