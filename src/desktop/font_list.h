#pragma once

#include <string>
#include <vector>

namespace kelo::desktop {

/// Every family name of every installed font as fontconfig reports it, localized names
/// included ("IPAGothic" and "IPAゴシック"), without duplicates, in byte order.
std::vector<std::string> installedFontFamilies();

}  // namespace kelo::desktop
