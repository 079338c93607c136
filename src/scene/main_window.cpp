#include "scene/main_window.h"

namespace kelo::scene {

using forms::CommandButton;
using forms::Label;
using forms::Line;

MainWindow::MainWindow(forms::Form& window)
    : form(window),
      kelkel(window.get<forms::PictureBox>("kelkel")),
      Label6(window.get<Label>("Label6")),
      combo1(window.get<forms::ListBox>("combo1")),
      Command2(window.get<CommandButton>("Command2")),
      mobil(window, "mobil"),
      target(window, "target"),
      lbl(window, "lbl"),
      Command1(window.get<CommandButton>("Command1")),
      panah(window.get<forms::TextBox>("panah")),
      tes(window.get<Label>("tes")),
      ifon(window.get<Label>("ifon")),
      Label4(window.get<Label>("Label4")),
      pn3(window.get<Line>("pn3")),
      pn2(window.get<Line>("pn2")),
      pn1(window.get<Line>("pn1")),
      pn4(window.get<Label>("pn4")),
      uang(window, "uang"),
      bola(window.get<forms::Shape>("bola")),
      aba(window.get<Label>("aba")),
      Label1(window.get<Label>("Label1")),
      hasil(window.get<Label>("hasil")),
      grs(window, "grs"),
      Label2(window.get<Label>("Label2")),
      Label3(window.get<Label>("Label3")) {}

AuthorControls::AuthorControls(forms::Form& window)
    : form(window),
      Label1(window.get<Label>("Label1")),
      additional(window.get<Label>("additional")) {}

}  // namespace kelo::scene
