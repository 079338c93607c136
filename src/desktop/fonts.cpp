#include "desktop/fonts.h"

#include <QStringList>
#include <array>
#include <string_view>

namespace kelo::desktop {
namespace {

struct Substitutes {
    std::string_view family;
    std::array<const char*, 5> faces;
};

// Classic Windows faces and the Debian faces that take their place.
const std::array<Substitutes, 3> substitutes{{
    {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans", "sans-serif", nullptr}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif", "serif", nullptr, nullptr}},
    {"ＭＳ Ｐ明朝", {"Liberation Serif", "IPAPMincho", "IPAMincho", "IPAPGothic", "IPAGothic"}},
}};

}  // namespace

QFont qtFont(const forms::FontSpec& font) {
    QStringList families{QString::fromStdString(font.name)};
    bool substituted = false;
    for (const Substitutes& entry : substitutes) {
        if (entry.family == font.name) {
            for (const char* face : entry.faces) {
                if (face != nullptr) {
                    families << QString::fromUtf8(face);
                }
            }
            substituted = true;
        }
    }
    if (!substituted) {
        families << QStringLiteral("IPAGothic") << QStringLiteral("Liberation Sans");
    }
    QFont qt;
    qt.setFamilies(families);
    qt.setPointSizeF(font.points);
    qt.setBold(font.bold);
    return qt;
}

QFont qtFont(const forms::FontSpec& font, const TwipScale& scale) {
    QFont qt = qtFont(font);
    qt.setPointSizeF(scale.points(font.points));
    return qt;
}

QColor qtColour(const forms::Colour& colour, const QPalette& palette) {
    using Kind = forms::Colour::Kind;
    switch (colour.kind) {
        case Kind::Rgb:
            return {colour.red, colour.green, colour.blue};
        case Kind::ButtonFace:
            return palette.color(QPalette::Button);
        case Kind::ButtonText:
            return palette.color(QPalette::ButtonText);
        case Kind::WindowText:
            return Qt::black;
        case Kind::Window:
            return palette.color(QPalette::Base);
    }
    return Qt::black;
}

}  // namespace kelo::desktop
