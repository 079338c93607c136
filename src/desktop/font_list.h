#pragma once

#include <future>
#include <string>
#include <vector>

namespace kelo::desktop {

/// Every family name of every installed font as fontconfig reports it, localized names
/// included ("IPAGothic" and "IPAゴシック"), without duplicates, in byte order.
std::vector<std::string> installedFontFamilies();

/// The font list read on a thread of its own from the start of the program, while the toolkit
/// connects to the display: loading fontconfig's configuration and caches then costs start-up
/// nothing, and the first activation finds the list ready.
class FontListPrefetch {
  public:
    FontListPrefetch();
    /// The list (waiting for it if need be); empty after the first call.
    std::vector<std::string> take();

  private:
    std::future<std::vector<std::string>> list_;
};

}  // namespace kelo::desktop
