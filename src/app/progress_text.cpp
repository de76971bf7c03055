#include "app/progress_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sundrel {

namespace {

std::string Speed(double bytesPerSecond) {
  static const char* const units[] = {"B", "KB", "MB", "GB"};
  int unit = 0;
  while (bytesPerSecond >= 1024 && unit < 3) {
    bytesPerSecond /= 1024;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s/秒" : "%.1f %s/秒", bytesPerSecond, units[unit]);
  return text;
}

std::string Duration(int64_t seconds) {
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  }
  return text;
}

}  // namespace

int ProgressPercent(int64_t done, int64_t total) {
  if (total <= 0 || done >= total) return 100;
  if (done <= 0) return 0;
  // In floating point, as done * 100 could overflow; rounding could reach 100 just short of the end.
  return std::min(99, static_cast<int>(static_cast<double>(done) * 100 / static_cast<double>(total)));
}

std::string ProgressText(int64_t done, int64_t total, double seconds) {
  std::string text = std::to_string(ProgressPercent(done, total)) + "%";
  if (done <= 0 || seconds <= 0) return text;
  const double speed = static_cast<double>(done) / seconds;
  text += "  " + Speed(speed);
  if (done < total) text += "  剩余 " + Duration(static_cast<int64_t>(std::ceil((total - done) / speed)));
  return text;
}

}  // namespace sundrel
