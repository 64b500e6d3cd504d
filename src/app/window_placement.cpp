#include "app/window_placement.h"

#include <algorithm>
#include <limits>

namespace nanbaru {

namespace {

// The title bar as a strip along the frame's top edge, and how much of it the pointer needs.
constexpr int kTitleBarHeight = 24;
constexpr int kGripWidth = 60;
constexpr int kGripHeight = 10;

QRect TitleBar(const QRect& frame) {
  return QRect(frame.topLeft(), QSize(frame.width(), std::min(kTitleBarHeight, frame.height())));
}

bool Grippable(const QRect& title_bar, const QRect& screen) {
  const QRect shown = title_bar.intersected(screen);
  return shown.width() >= std::min(kGripWidth, title_bar.width()) &&
         shown.height() >= std::min(kGripHeight, title_bar.height());
}

// How far the pointer would travel from the rectangle to the screen: 0 when they meet.
long long Distance(const QRect& rect, const QRect& screen) {
  const long long dx = std::max({0, screen.left() - rect.right(), rect.left() - screen.right()});
  const long long dy = std::max({0, screen.top() - rect.bottom(), rect.top() - screen.bottom()});
  return dx * dx + dy * dy;
}

int Clamp(int value, int low, int length, int room) {
  return std::max(low, std::min(value, low + room - length));
}

}  // namespace

QPoint PlaceInSight(const QRect& frame, const QList<QRect>& screens) {
  const QRect title_bar = TitleBar(frame);
  const QRect* nearest = nullptr;
  long long nearest_distance = std::numeric_limits<long long>::max();
  for (const QRect& screen : screens) {
    if (Grippable(title_bar, screen)) return frame.topLeft();
    const long long distance = Distance(title_bar, screen);
    if (distance < nearest_distance) {
      nearest = &screen;
      nearest_distance = distance;
    }
  }
  if (nearest == nullptr) return frame.topLeft();
  return QPoint(Clamp(frame.x(), nearest->x(), frame.width(), nearest->width()),
                Clamp(frame.y(), nearest->y(), frame.height(), nearest->height()));
}

}  // namespace nanbaru
