#pragma once

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace kelo::scene {

/// The controls of the main window `mobil` that handlers work on, bound by name once.
/// Names are the window's own: `panah` the key box, `bola` the ball, `uang` the coins.
struct MainWindow {
    explicit MainWindow(forms::Form& window);

    forms::Form& form;
    forms::PictureBox& kelkel;
    forms::Label& Label6;
    forms::ListBox& combo1;
    forms::CommandButton& Command2;
    forms::ControlArray<forms::Frame> mobil;
    forms::ControlArray<forms::Frame> target;
    forms::ControlArray<forms::Label> lbl;
    forms::CommandButton& Command1;
    forms::TextBox& panah;
    forms::Label& tes;
    forms::Label& ifon;
    forms::Label& Label4;
    forms::Line& pn3;
    forms::Line& pn2;
    forms::Line& pn1;
    forms::Label& pn4;
    forms::ControlArray<forms::Shape> uang;
    forms::Shape& bola;
    forms::Label& aba;
    forms::Label& Label1;
    forms::Label& hasil;
    forms::ControlArray<forms::Line> grs;
    forms::Label& Label2;
    forms::Label& Label3;
};

/// The controls of the author window `authorpekro` that handlers write.
struct AuthorControls {
    explicit AuthorControls(forms::Form& window);

    forms::Form& form;
    forms::Label& Label1;
    forms::Label& additional;
};

}  // namespace kelo::scene
