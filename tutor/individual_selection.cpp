#include "tutor/individual_selection.h"

#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using main_window::kSelectionBox;
using main_window::kWindow;

constexpr std::int32_t kMargin = 3;
constexpr std::uint32_t kSelectionRed = 0xD0021B;

}  // namespace

void ShowSelectionBox(Session& session, std::int32_t object) {
  WindowService& service = session.service;
  const ServiceRect around = service.ItemRect(kWindow, object);
  service.ItemPlace(kWindow, kSelectionBox, around.top - kMargin, around.left - kMargin);
  service.ItemSelect(kWindow, kSelectionBox);
  service.ItemResize(around.bottom - around.top + 2 * kMargin, around.right - around.left + 2 * kMargin);
  service.SetItemTextColour(kWindow, kSelectionBox, kSelectionRed);
  service.ItemShow(kWindow, kSelectionBox);
}

void HideSelectionBox(Session& session) { session.service.ItemHide(kWindow, kSelectionBox); }

std::int32_t FindOnScreen(Session& session, const std::function<bool(std::int32_t)>& classTest) {
  WindowService& service = session.service;
  for (std::int32_t object = kFirstParentObject; object <= kLastObject; ++object) {
    const std::int32_t classNumber = session.genetics.objectClass[object];
    if (classNumber == 0 || !service.ItemVisible(kWindow, object)) continue;
    if (classTest(classNumber)) return object;
  }
  return 0;
}

}  // namespace crossmere
