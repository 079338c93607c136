#include "scene/mobil_layout.h"

#include "scene/car_figure.h"

namespace kelo::scene {
namespace {

using forms::Alignment;
using forms::ControlClass;
using forms::ControlRow;
using forms::FontSpec;
using forms::ShapeKind;
namespace colours = forms::colours;

constexpr auto PictureBox = ControlClass::PictureBox;
constexpr auto Shape = ControlClass::Shape;
constexpr auto Label = ControlClass::Label;
constexpr auto ListBox = ControlClass::ListBox;
constexpr auto CommandButton = ControlClass::CommandButton;
constexpr auto Frame = ControlClass::Frame;
constexpr auto TextBox = ControlClass::TextBox;
constexpr auto Line = ControlClass::Line;

const FontSpec sansSerif13{"MS Sans Serif", 13.5, false};
const FontSpec sansSerif9{"MS Sans Serif", 9.75, false};
const FontSpec sansSerif18{"MS Sans Serif", 18, false};
const FontSpec timesRoman36{"Times New Roman", 36, false};
const FontSpec timesRoman14Bold{"Times New Roman", 14.25, true};
const FontSpec msPMincho9Bold{"ＭＳ Ｐ明朝", 9.75, true};

// Looks shared by several rows.
const forms::Appearance peachLabel{.backColour = colours::peach};
const forms::Appearance peachFrame{.backColour = colours::peach};
const forms::Appearance bigNumber{.backColour = colours::peach, .alignment = Alignment::Centre};
const forms::Appearance redDot{.shapeKind = ShapeKind::Circle, .filled = true, .fillColour = colours::red};
const forms::Appearance coin{.shapeKind = ShapeKind::Oval, .filled = true, .fillColour = colours::yellow};
const forms::Appearance redLine{.foreColour = colours::red};
const forms::Appearance pistolLine{.lineWidth = 3};

std::vector<ControlRow> mobilRows() {
    std::vector<ControlRow> rows = {
        // name, index, class, container, Left/Top/Width/Height (lines X1/Y1/X2/Y2), caption ...
        {.name = "kelkel", .kind = PictureBox, .at = {2520, 480, 9612, 5895}, .visible = false, .tabIndex = 9,
         .look = {.border = false}, .picture = photographResource},
        {.name = "Shape10", .kind = Shape, .container = "kelkel", .at = {4920, 3840, 255, 735},
         .look = {.foreColour = colours::paleGreen, .shapeKind = ShapeKind::RoundedRectangle, .filled = true,
                  .fillColour = colours::paleGreen}},
        {.name = "Label6", .kind = Label, .container = "kelkel", .at = {5160, 3840, 1815, 735},
         .caption = "Kamu Menang", .tabIndex = 28, .look = {.backColour = colours::paleGreen}, .font = sansSerif13},
        {.name = "combo1", .kind = ListBox, .at = {240, 1680, 1215, 645}, .tabIndex = 26,
         .look = {.backColour = colours::lightGreen}, .items = {"English", "Japanese", "Indonesian"}},
        {.name = "Command2", .kind = CommandButton, .at = {240, 720, 1455, 495}, .caption = "Pencipta",
         .tabIndex = 24, .font = sansSerif9},
        // The cars, hidden until a question shows them; their drawings are added below.
        {.name = "mobil", .index = 8, .kind = Frame, .at = {6120, 1920, 855, 735}, .visible = false, .tabIndex = 19, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 7, .kind = Frame, .at = {7200, 1320, 855, 735}, .visible = false, .tabIndex = 18, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 4, .kind = Frame, .at = {7320, 1920, 855, 735}, .visible = false, .tabIndex = 17, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 1, .kind = Frame, .at = {5760, 2520, 855, 735}, .visible = false, .tabIndex = 16, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 9, .kind = Frame, .at = {8280, 2520, 855, 735}, .visible = false, .tabIndex = 15, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 6, .kind = Frame, .at = {7560, 3120, 855, 735}, .visible = false, .tabIndex = 14, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 5, .kind = Frame, .at = {8280, 1320, 855, 735}, .visible = false, .tabIndex = 13, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 3, .kind = Frame, .at = {6120, 1320, 855, 735}, .visible = false, .tabIndex = 12, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 2, .kind = Frame, .at = {6840, 3720, 855, 735}, .visible = false, .tabIndex = 11, .look = {.backColour = colours::peach, .border = false}},
        {.name = "mobil", .index = 0, .kind = Frame, .at = {6600, 2880, 855, 735}, .visible = false, .tabIndex = 10, .look = {.backColour = colours::peach, .border = false}},
        {.name = "target", .index = 1, .kind = Frame, .at = {10800, 2160, 1215, 1335}, .tabIndex = 7, .look = peachFrame, .font = sansSerif18},
        {.name = "lbl", .index = 1, .kind = Label, .container = "target(1)", .at = {120, 360, 975, 855}, .tabIndex = 8, .look = bigNumber, .font = timesRoman36},
        {.name = "target", .index = 0, .kind = Frame, .at = {3000, 2160, 1215, 1335}, .tabIndex = 5, .look = peachFrame, .font = sansSerif18},
        {.name = "lbl", .index = 0, .kind = Label, .container = "target(0)", .at = {120, 360, 975, 855}, .tabIndex = 6, .look = bigNumber, .font = timesRoman36},
        {.name = "Command1", .kind = CommandButton, .at = {9840, 7320, 1095, 375}, .caption = "Mulai", .tabIndex = 3},
        // The key box: its Tag is the pistol's aim, which must start as a number.
        {.name = "panah", .kind = TextBox, .at = {9840, 6960, 495, 285}, .tabIndex = 0,
         .look = {.backColour = colours::peach}, .tag = "0"},
        {.name = "tes", .kind = Label, .at = {840, 2520, 255, 255}, .tabIndex = 29, .look = peachLabel},
        {.name = "Shape9", .index = 0, .kind = Shape, .at = {7080, 5640, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 1, .kind = Shape, .at = {6360, 4560, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 2, .kind = Shape, .at = {5640, 3360, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 3, .kind = Shape, .at = {4920, 2160, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 4, .kind = Shape, .at = {4200, 960, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 5, .kind = Shape, .at = {7800, 4560, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 6, .kind = Shape, .at = {8520, 3360, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 7, .kind = Shape, .at = {9360, 2160, 735, 735}, .look = redDot},
        {.name = "Shape9", .index = 8, .kind = Shape, .at = {10080, 960, 735, 735}, .look = redDot},
        {.name = "ifon", .kind = Label, .at = {1320, 2520, 495, 375}, .caption = "Label6", .visible = false, .tabIndex = 27},
        {.name = "Label5", .index = 0, .kind = Label, .at = {240, 1440, 1815, 375}, .caption = "Language Setting", .tabIndex = 25, .look = peachLabel},
        {.name = "Label4", .kind = Label, .at = {240, 120, 6975, 375},
         .caption = "Permainan ini cocok untuk anak umur 2.5 sampai 3.5 tahun", .tabIndex = 23,
         .look = {.foreColour = colours::blue, .backColour = colours::peach}, .font = msPMincho9Bold},
        {.name = "pn3", .kind = Line, .at = {9960, 7800, 10200, 7680}, .look = redLine},
        {.name = "pn2", .kind = Line, .at = {10200, 7920, 10200, 7680}, .look = redLine},
        {.name = "pn1", .kind = Line, .at = {9720, 8160, 10200, 7680}, .look = redLine},
        {.name = "pn4", .kind = Label, .at = {7920, 8160, 4332, 372},
         .caption = "Untuk memulai lagi klik ini 3 kali atau tekan SPACE tiga kali", .tabIndex = 20,
         .look = {.foreColour = colours::red, .backColour = colours::peach}},
        // The coins, hidden until won; the higher coin is painted over the lower one.
        {.name = "uang", .index = 9, .kind = Shape, .at = {2400, 5760, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 8, .kind = Shape, .at = {2400, 6120, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 7, .kind = Shape, .at = {2400, 6480, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 6, .kind = Shape, .at = {2400, 6840, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 5, .kind = Shape, .at = {2400, 7200, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 4, .kind = Shape, .at = {600, 5760, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 3, .kind = Shape, .at = {600, 6120, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 2, .kind = Shape, .at = {600, 6480, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 1, .kind = Shape, .at = {600, 6840, 1695, 615}, .visible = false, .look = coin},
        {.name = "uang", .index = 0, .kind = Shape, .at = {600, 7200, 1695, 615}, .visible = false, .look = coin},
        {.name = "bola", .kind = Shape, .at = {7320, 7440, 255, 255}, .look = redDot},
        {.name = "aba", .kind = Label, .at = {9840, 6600, 1092, 852}, .caption = "Control Panel", .tabIndex = 4,
         .look = {.opaque = false, .alignment = Alignment::Centre}},
        {.name = "Shape4", .kind = Shape, .at = {10440, 6960, 492, 252}, .look = {.filled = true, .fillColour = colours::red}},
        {.name = "Shape3", .kind = Shape, .at = {9840, 6600, 1092, 252}, .look = {.filled = true, .fillColour = colours::orange}},
        {.name = "Shape2", .kind = Shape, .at = {9720, 6480, 1332, 1332}},
        {.name = "Label1", .kind = Label, .at = {840, 4200, 1215, 375}, .caption = "UANG", .tabIndex = 2,
         .look = {.backColour = colours::yellow, .alignment = Alignment::Centre}, .font = sansSerif13},
        {.name = "hasil", .kind = Label, .at = {960, 4560, 975, 975}, .caption = "0", .tabIndex = 1,
         .look = {.backColour = colours::yellow, .alignment = Alignment::Centre}, .font = timesRoman36},
        // The pistol, pointing up, grs(10) topmost.
        {.name = "grs", .index = 10, .kind = Line, .at = {7200, 8280, 7080, 8280}, .look = pistolLine},
        {.name = "grs", .index = 9, .kind = Line, .at = {7320, 8160, 7200, 8160}, .look = pistolLine},
        {.name = "grs", .index = 8, .kind = Line, .at = {7320, 8040, 7080, 8040}, .look = pistolLine},
        {.name = "grs", .index = 7, .kind = Line, .at = {7200, 8160, 7200, 8280}, .look = pistolLine},
        {.name = "grs", .index = 6, .kind = Line, .at = {7080, 8040, 7080, 8280}, .look = pistolLine},
        {.name = "grs", .index = 5, .kind = Line, .at = {7560, 8400, 6960, 8640}, .look = pistolLine},
        {.name = "grs", .index = 4, .kind = Line, .at = {7320, 8280, 6960, 8400}, .look = pistolLine},
        {.name = "grs", .index = 3, .kind = Line, .at = {7560, 7680, 7320, 7680}, .look = pistolLine},
        {.name = "grs", .index = 2, .kind = Line, .at = {6960, 8400, 6960, 8640}, .look = pistolLine},
        {.name = "grs", .index = 1, .kind = Line, .at = {7560, 7680, 7560, 8400}, .look = pistolLine},
        {.name = "grs", .index = 0, .kind = Line, .at = {7320, 7680, 7320, 8280}, .look = pistolLine},
        {.name = "Shape1", .kind = Shape, .at = {960, 4560, 975, 975},
         .look = {.backColour = colours::yellow, .shapeBackOpaque = true}},
        {.name = "Label2", .kind = Label, .at = {4560, 7920, 1815, 615},
         .caption = "Tekan huruf A untuk memutar dan SPACE untuk menembak", .tabIndex = 21, .look = peachLabel},
        {.name = "Label3", .kind = Label, .at = {6480, 480, 2775, 1335}, .caption = "ADA BERAPA MOBIL?",
         .tabIndex = 22, .look = peachLabel, .font = timesRoman14Bold},
    };
    for (ControlRow& row : carFigureRows()) {
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const forms::FormDesign& mobilDesign() {
    static const forms::FormDesign design{
        .name = "mobil",
        .caption = "Dorrakan Kelo",
        .backColour = colours::peach,
        .font = {},
        .clientWidth = 4680,
        .clientHeight = 3180,
        .screenLeft = 1170,
        .screenTop = 2610,
        .rows = mobilRows(),
    };
    return design;
}

}  // namespace kelo::scene
