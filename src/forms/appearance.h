#pragma once

#include <cstdint>
#include <string>

namespace kelo::forms {

/// A colour as a design names it: an RGB value or one of the platform's system colours.
struct Colour {
    enum class Kind : std::uint8_t { Rgb, ButtonFace, ButtonText, WindowText, Window };
    Kind kind = Kind::Rgb;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour rgb(int r, int g, int b) {
        return {Kind::Rgb, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b)};
    }
    static constexpr Colour system(Kind kind) { return {kind, 0, 0, 0}; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour peach = Colour::rgb(255, 224, 192);
inline constexpr Colour paleGreen = Colour::rgb(192, 255, 192);
inline constexpr Colour lightGreen = Colour::rgb(128, 255, 128);
inline constexpr Colour yellow = Colour::rgb(255, 255, 0);
inline constexpr Colour red = Colour::rgb(255, 0, 0);
inline constexpr Colour orange = Colour::rgb(255, 192, 128);
inline constexpr Colour blue = Colour::rgb(0, 0, 255);
inline constexpr Colour green = Colour::rgb(0, 255, 0);
inline constexpr Colour purple = Colour::rgb(192, 0, 192);
inline constexpr Colour white = Colour::rgb(255, 255, 255);
inline constexpr Colour black = Colour::rgb(0, 0, 0);
inline constexpr Colour cyan = Colour::rgb(0, 255, 255);
inline constexpr Colour buttonFace = Colour::system(Colour::Kind::ButtonFace);
inline constexpr Colour buttonText = Colour::system(Colour::Kind::ButtonText);
inline constexpr Colour windowText = Colour::system(Colour::Kind::WindowText);
inline constexpr Colour window = Colour::system(Colour::Kind::Window);
}  // namespace colours

enum class ShapeKind : std::uint8_t { Rectangle, Square, Oval, Circle, RoundedRectangle };
enum class Alignment : std::uint8_t { Left, Right, Centre };

/// A font as designed: the family name is a property that handlers change; size and weight
/// stay as designed.
struct FontSpec {
    std::string name = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

/// How a control looks, fixed at design time (the renderer reads it; no handler changes it).
struct Appearance {
    Colour foreColour = colours::windowText;  // text, line colour, shape border
    Colour backColour = colours::buttonFace;  // labels, frames, boxes; shapes when opaque
    bool opaque = true;                       // labels: BackStyle; shapes: see shapeBackOpaque
    Alignment alignment = Alignment::Left;
    ShapeKind shapeKind = ShapeKind::Rectangle;
    bool filled = false;  // shapes: solid fill, otherwise transparent
    Colour fillColour = colours::black;
    bool shapeBackOpaque = false;  // shapes: opaque background behind a clear fill
    int lineWidth = 1;             // lines and shape borders, in pixels
    bool border = true;            // frames: etched outline; shapes: drawn border
};

}  // namespace kelo::forms
