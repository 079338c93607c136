#include "desktop/font_list.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace kelo::desktop {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

}  // namespace

std::vector<std::string> installedFontFamilies() {
    std::vector<std::string> families;
    const std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr));
    if (!pattern || !objects) {
        return families;
    }
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) {
        return families;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch;
             ++n) {
            families.emplace_back(reinterpret_cast<const char*>(family));
        }
    }
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

FontListPrefetch::FontListPrefetch()
    : list_(std::async(std::launch::async, installedFontFamilies)) {}

std::vector<std::string> FontListPrefetch::take() {
    return list_.valid() ? list_.get() : std::vector<std::string>{};
}

}  // namespace kelo::desktop
