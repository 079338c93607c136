#include "scene/car_figure.h"

#include <array>
#include <string>

namespace kelo::scene {
namespace {

using forms::ControlClass;
using forms::ShapeKind;
namespace colours = forms::colours;

/// One part of the drawing, in the frame's client area (lines: X1, Y1, X2, Y2; shapes: Left,
/// Top, Width, Height). `window` parts are filled with the car's window colour.
struct CarPart {
    const char* name;
    ControlClass kind;
    float at[4];
    ShapeKind shape;
    bool window;
};

constexpr auto LineKind = ControlClass::Line;
constexpr auto ShapeClass = ControlClass::Shape;
constexpr auto Rect = ShapeKind::Rectangle;
constexpr auto Circle = ShapeKind::Circle;

// A car in side view, nose to the left.
constexpr std::array<CarPart, 12> carParts{{
    {"Line1", LineKind, {240, 240, 720, 240}, Rect, false},       // roof
    {"Line2", LineKind, {240, 240, 240, 360}, Rect, false},       // windscreen
    {"Line3", LineKind, {120, 360, 240, 360}, Rect, false},       // bonnet
    {"Line4", LineKind, {120, 480, 120, 360}, Rect, false},       // nose
    {"Line5", LineKind, {120, 480, 240, 480}, Rect, false},       // sill before the front wheel
    {"Line6", LineKind, {360, 480, 480, 480}, Rect, false},       // sill between the wheels
    {"Line7", LineKind, {600, 480, 720, 480}, Rect, false},       // sill behind the rear wheel
    {"Line8", LineKind, {720, 240, 720, 480}, Rect, false},       // back
    {"Shape5", ShapeClass, {240, 480, 135, 135}, Circle, false},  // front wheel
    {"Shape6", ShapeClass, {480, 480, 135, 135}, Circle, false},  // rear wheel
    {"Shape7", ShapeClass, {300, 280, 135, 100}, Rect, true},     // front window
    {"Shape8", ShapeClass, {480, 280, 135, 100}, Rect, true},     // rear window
}};

// Car 3's sill between the wheels runs on to meet the sill behind the rear wheel.
constexpr int longSillCar = 3;
constexpr float longSillEnd = 600;

constexpr std::array<forms::Colour, carCount> windowColours{
    colours::black,   // mobil(0): the fill colour left at its default
    colours::red,     // mobil(1)
    colours::green,   // mobil(2)
    colours::red,     // mobil(3)
    colours::blue,    // mobil(4)
    colours::green,   // mobil(5)
    colours::yellow,  // mobil(6)
    colours::yellow,  // mobil(7)
    colours::purple,  // mobil(8)
    colours::white,   // mobil(9)
};

// Frame references "mobil(i)" must outlive the rows, which hold views of them.
const std::array<std::string, carCount>& frameNames() {
    static const std::array<std::string, carCount> names = [] {
        std::array<std::string, carCount> built;
        for (int car = 0; car < carCount; ++car) {
            built[static_cast<std::size_t>(car)] = "mobil(" + std::to_string(car) + ")";
        }
        return built;
    }();
    return names;
}

}  // namespace

forms::Colour carWindowColour(int car) {
    return windowColours.at(static_cast<std::size_t>(car));
}

std::vector<forms::ControlRow> carFigureRows() {
    std::vector<forms::ControlRow> rows;
    for (int car = 0; car < carCount; ++car) {
        for (const CarPart& part : carParts) {
            forms::ControlRow row{.name = part.name,
                                  .index = car,
                                  .kind = part.kind,
                                  .container = frameNames()[static_cast<std::size_t>(car)],
                                  .at = {part.at[0], part.at[1], part.at[2], part.at[3]}};
            if (part.kind == ShapeClass) {
                row.look.shapeKind = part.shape;
                row.look.filled = true;
                row.look.fillColour = part.window ? carWindowColour(car) : colours::black;
            }
            if (car == longSillCar && std::string_view(part.name) == "Line6") {
                row.at[2] = longSillEnd;
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

}  // namespace kelo::scene
