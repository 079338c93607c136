#include "scene/authorpekro_layout.h"

namespace kelo::scene {
namespace {

using forms::Alignment;
using forms::ControlClass;
using forms::FontSpec;
using forms::ShapeKind;
namespace colours = forms::colours;

constexpr auto Label = ControlClass::Label;
constexpr auto Shape = ControlClass::Shape;
constexpr auto Line = ControlClass::Line;

const FontSpec timesRoman12{"Times New Roman", 12, false};
const FontSpec timesRoman12Bold{"Times New Roman", 12, true};
const forms::Appearance blueOnCyan{
    .foreColour = colours::blue, .backColour = colours::cyan, .alignment = Alignment::Centre};
const forms::Appearance cyanStrip{.backColour = colours::cyan};
const forms::Appearance thickBlack{.lineWidth = 3};

// The designed credit; start-up replaces it before the window can first be opened.
const std::string designedCredit =
    std::string("Programmed by Kurdalo, B.Eng., Pekro Software, Yogyakarta, ") +
    std::string(contactAddress);

std::vector<forms::ControlRow> authorRows() {
    // The note `additional` is opaque and topmost: the little drawing under it never shows.
    return {
        {.name = "additional",
         .kind = Label,
         .at = {240, 840, 6375, 1575},
         .tabIndex = 1,
         .look = cyanStrip},
        {.name = "Shape3",
         .kind = Shape,
         .at = {3240, 840, 255, 255},
         .look = {.foreColour = colours::blue,
                  .shapeKind = ShapeKind::Circle,
                  .filled = true,
                  .fillColour = colours::blue}},
        {.name = "Shape2", .kind = Shape, .at = {3720, 1200, 735, 975}},
        {.name = "Line3", .kind = Line, .at = {3600, 1680, 3360, 960}, .look = thickBlack},
        {.name = "Line2", .kind = Line, .at = {3120, 1680, 3360, 960}, .look = thickBlack},
        {.name = "Label2",
         .index = 3,
         .kind = Label,
         .at = {3720, 1800, 735, 255},
         .caption = "Pekro",
         .tabIndex = 5,
         .look = {.foreColour = colours::blue, .opaque = false, .alignment = Alignment::Centre},
         .font = timesRoman12Bold},
        {.name = "Label2",
         .index = 2,
         .kind = Label,
         .at = {3720, 1320, 735, 255},
         .caption = "QRB",
         .tabIndex = 4,
         .look = blueOnCyan,
         .font = timesRoman12Bold},
        {.name = "Label2",
         .index = 1,
         .kind = Label,
         .at = {2400, 1800, 495, 255},
         .caption = "0",
         .tabIndex = 3,
         .look = blueOnCyan,
         .font = timesRoman12Bold},
        {.name = "Line1",
         .kind = Line,
         .at = {2040, 1680, 4800, 1680},
         .look = {.foreColour = colours::blue, .lineWidth = 5}},
        {.name = "Label1",
         .kind = Label,
         .at = {240, 120, 6375, 615},
         .caption = designedCredit,
         .tabIndex = 0,
         .look = cyanStrip,
         .font = timesRoman12},
        {.name = "Shape1", .kind = Shape, .at = {2280, 1200, 735, 975}},
        {.name = "Label2",
         .index = 0,
         .kind = Label,
         .at = {2280, 1320, 735, 375},
         .caption = "0",
         .tabIndex = 2,
         .look = blueOnCyan,
         .font = timesRoman12Bold},
        {.name = "Label3",
         .index = 0,
         .kind = Label,
         .at = {3720, 1200, 735, 135},
         .tabIndex = 6,
         .look = cyanStrip},
        {.name = "Line5", .kind = Line, .at = {4800, 1680, 3360, 960}, .look = thickBlack},
        {.name = "Label3",
         .index = 1,
         .kind = Label,
         .at = {2280, 1200, 735, 135},
         .tabIndex = 7,
         .look = cyanStrip},
        {.name = "Line4", .kind = Line, .at = {3360, 960, 2040, 1680}, .look = thickBlack},
    };
}

}  // namespace

const forms::FormDesign& authorpekroDesign() {
    static const forms::FormDesign design{
        .name = "authorpekro",
        .caption = "Info of Author",
        .backColour = colours::cyan,
        .clientWidth = 7080,
        .clientHeight = 2520,
        .screenLeft = 60,
        .screenTop = 345,
        .rows = authorRows(),
    };
    return design;
}

}  // namespace kelo::scene
