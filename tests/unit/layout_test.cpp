// The windows as designed: spot checks of every table against the design, and the designed
// state before the first activation.
#include <gtest/gtest.h>

#include "forms/form_design.h"
#include "scene/authorpekro_layout.h"
#include "scene/car_figure.h"
#include "scene/main_window.h"
#include "scene/mobil_layout.h"

using namespace kelo;
using forms::colours::peach;

namespace {

struct DesignedMainWindow : ::testing::Test {
    std::unique_ptr<forms::Form> form = forms::buildForm(scene::mobilDesign());
    scene::MainWindow w{*form};
};

TEST_F(DesignedMainWindow, ShowsNoCarCoinOrWinPictureBeforeTheFirstActivation) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(w.mobil(i).visible()) << i;
        EXPECT_FALSE(w.uang(i).visible()) << i;
    }
    EXPECT_FALSE(w.kelkel.visible());
    EXPECT_FALSE(w.ifon.visible());
    for (const forms::Control* c :
         {static_cast<forms::Control*>(&w.bola), static_cast<forms::Control*>(&w.pn1),
          static_cast<forms::Control*>(&w.pn4), static_cast<forms::Control*>(&w.panah)}) {
        EXPECT_TRUE(c->visible()) << c->name();
    }
    EXPECT_EQ(w.hasil.caption(), "0");
    EXPECT_EQ(w.lbl(0).caption(), "");
    EXPECT_EQ(w.panah.tag(), "0") << "the aim must start as a number";
    EXPECT_EQ(w.ifon.caption(), "Label6");
    EXPECT_EQ(w.combo1.listIndex(), -1);
    EXPECT_EQ(w.combo1.items(), (std::vector<std::string>{"English", "Japanese", "Indonesian"}));
}

TEST_F(DesignedMainWindow, PlacesControlsWhereTheDesignSays) {
    EXPECT_EQ(form->caption(), "Dorrakan Kelo");
    EXPECT_EQ(form->backColour(), peach);
    EXPECT_EQ(w.kelkel.box().left, 2520);
    EXPECT_EQ(w.kelkel.box().height, 5895);
    EXPECT_EQ(w.target(1).left(), 10800);
    EXPECT_EQ(w.target(0).width(), 1215);
    EXPECT_EQ(w.lbl(1).container(), &w.target(1));
    EXPECT_EQ(w.lbl(1).font().name, "Times New Roman");
    EXPECT_EQ(w.lbl(1).font().points, 36);
    EXPECT_EQ(w.Label4.font().name, "ＭＳ Ｐ明朝");
    EXPECT_TRUE(w.Label4.font().bold);
    EXPECT_EQ(w.Label4.appearance().foreColour, forms::colours::blue);
    EXPECT_EQ(w.Command1.fontName(), "MS Sans Serif") << "the window's default font";
    EXPECT_EQ(w.Label3.caption(), "ADA BERAPA MOBIL?");
    EXPECT_EQ(w.pn4.caption(), "Untuk memulai lagi klik ini 3 kali atau tekan SPACE tiga kali");
    EXPECT_EQ(w.Label6.caption(), "Kamu Menang") << "the design has a capital M";
    EXPECT_FALSE(w.aba.appearance().opaque) << "the orange strip shows through the panel heading";
    EXPECT_EQ(w.bola.left(), 7320);
    EXPECT_EQ(w.bola.top(), 7440);
}

TEST_F(DesignedMainWindow, SpotChecksTheCarDotCoinAndPistolTables) {
    EXPECT_EQ(w.mobil(8).left(), 6120);
    EXPECT_EQ(w.mobil(0).top(), 2880);
    EXPECT_EQ(w.mobil(2).top(), 3720);
    auto& dot = form->get<forms::Shape>("Shape9", 4);
    EXPECT_EQ(dot.left(), 4200);
    EXPECT_EQ(dot.appearance().shapeKind, forms::ShapeKind::Circle);
    EXPECT_EQ(dot.appearance().fillColour, forms::colours::red);
    EXPECT_EQ(w.uang(9).left(), 2400);
    EXPECT_EQ(w.uang(4).top(), 5760);
    EXPECT_EQ(w.uang(0).appearance().shapeKind, forms::ShapeKind::Oval);
    EXPECT_EQ(w.grs(0).x1(), 7320);
    EXPECT_EQ(w.grs(0).y2(), 8280);
    EXPECT_EQ(w.grs(5).x2(), 6960);
    EXPECT_EQ(w.grs(10).appearance().lineWidth, 3);
    EXPECT_EQ(w.pn1.appearance().foreColour, forms::colours::red);
}

TEST_F(DesignedMainWindow, DrawsEveryCarAlikeButForWindowsAndTheSillOfCar3) {
    for (int car = 0; car < 10; ++car) {
        auto& window = form->get<forms::Shape>("Shape7", car);
        EXPECT_EQ(window.container(), &w.mobil(car));
        EXPECT_EQ(window.appearance().fillColour, scene::carWindowColour(car));
        EXPECT_EQ(form->get<forms::Shape>("Shape8", car).appearance().fillColour,
                  scene::carWindowColour(car));
        EXPECT_EQ(form->get<forms::Line>("Line6", car).x2(), car == 3 ? 600 : 480);
    }
    EXPECT_EQ(scene::carWindowColour(8), forms::Colour::rgb(192, 0, 192));
    EXPECT_EQ(form->get<forms::Shape>("Shape5", 2).appearance().shapeKind,
              forms::ShapeKind::Circle);
}

TEST_F(DesignedMainWindow, StacksTheHigherCoinAndTheFrontLinesFirst) {
    const auto position = [&](const forms::Control& c) {
        const auto& all = form->controls();
        return std::find_if(all.begin(), all.end(), [&](const auto& p) { return p.get() == &c; }) -
               all.begin();
    };
    EXPECT_LT(position(w.uang(9)), position(w.uang(0)));
    EXPECT_LT(position(w.grs(10)), position(w.grs(0)));
    EXPECT_LT(position(w.hasil), position(form->get<forms::Shape>("Shape1")))
        << "the score lies over its square";
    EXPECT_LT(position(w.mobil(8)), position(w.mobil(0)));
}

TEST_F(DesignedMainWindow, PutsTheKeyBoxFirstInTabOrder) {
    EXPECT_EQ(form->firstInTabOrder(), &w.panah);
    EXPECT_EQ(w.Command1.tabIndex(), 3);
    EXPECT_EQ(w.combo1.tabIndex(), 26);
    EXPECT_EQ(w.tes.tabIndex(), 29);
}

TEST(DesignedAuthorWindow, HasItsCreditNoteAndHiddenDrawing) {
    auto form = forms::buildForm(scene::authorpekroDesign());
    scene::AuthorControls author(*form);
    EXPECT_EQ(form->caption(), "Info of Author");
    EXPECT_EQ(form->backColour(), forms::colours::cyan);
    EXPECT_EQ(author.Label1.caption().rfind("Programmed by Kurdalo", 0), 0U);
    EXPECT_EQ(author.additional.caption(), "");
    EXPECT_EQ(form->controls().front().get(), &author.additional) << "the note covers the drawing";
    EXPECT_EQ(form->get<forms::Label>("Label2", 3).caption(), "Pekro");
    EXPECT_EQ(form->get<forms::Line>("Line1").appearance().lineWidth, 5);
    EXPECT_EQ(form->arrayCount("Label3"), 2);
}

}  // namespace
