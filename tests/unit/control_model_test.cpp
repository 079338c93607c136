// The control model: events, focus, control arrays and failures as the game relies on them.
#include <gtest/gtest.h>

#include <vector>

#include "forms/control_array.h"
#include "forms/form.h"

using namespace kelo::forms;

namespace {

struct SmallWindow : ::testing::Test {
    SmallWindow()
        : box(form.add<TextBox>(ControlIdentity{"panah", -1, nullptr, 0}, Box{0, 0, 100, 100})),
          button(form.add<CommandButton>(ControlIdentity{"Command1", -1, nullptr, 1}, Box{})),
          frame(form.add<Frame>(ControlIdentity{"target", 0, nullptr, 2}, Box{})),
          inner(form.add<CommandButton>(ControlIdentity{"inner", -1, &frame, 3}, Box{})),
          label(form.add<Label>(ControlIdentity{"tes", -1, nullptr, 4}, Box{})) {
        form.onAbandoned = [this](const RuntimeError& error) { abandoned.push_back(error.code()); };
    }
    Form form{"mobil"};
    TextBox& box;
    CommandButton& button;
    Frame& frame;
    CommandButton& inner;
    Label& label;
    std::vector<ErrorCode> abandoned;
};

TEST_F(SmallWindow, WritingADifferentTextRaisesChangeNestedInTheWriter) {
    std::vector<std::string> seen;
    box.onChange = [&] {
        seen.push_back(box.text());
        box.setText("");  // the nested Change sees "" and writes "" again: nothing more
    };
    box.setText("A");
    EXPECT_EQ(seen, (std::vector<std::string>{"A", ""}));
    EXPECT_EQ(box.text(), "");
}

TEST_F(SmallWindow, WritingTheSameTextRaisesNothing) {
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("x");
    box.setText("x");
    EXPECT_EQ(changes, 1);
}

TEST_F(SmallWindow, SetFocusFailsOnHiddenDisabledOrUnfocusableControls) {
    button.setVisible(false);
    EXPECT_THROW(button.setFocus(), RuntimeError);
    frame.setVisible(false);
    EXPECT_THROW(inner.setFocus(), RuntimeError) << "a hidden container hides its children";
    EXPECT_THROW(label.setFocus(), RuntimeError) << "labels never take the focus";
    form.setEnabled(false);
    EXPECT_THROW(box.setFocus(), RuntimeError);
    form.setEnabled(true);
    box.setFocus();
    EXPECT_EQ(form.focused(), &box);
}

TEST_F(SmallWindow, AMissingArrayElementIsARuntimeError) {
    const ControlArray<Frame> targets(form, "target");
    EXPECT_EQ(targets.count(), 1);
    EXPECT_EQ(&targets(0), &frame);
    try {
        targets(1);
        FAIL() << "element 1 does not exist";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::ControlArrayElementMissing);
    }
}

TEST_F(SmallWindow, AFailingHandlerIsAbandonedAndReported) {
    int after = 0;
    button.onClick = [&] {
        label.setFocus();  // fails
        ++after;
    };
    form.click(button);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(abandoned, (std::vector<ErrorCode>{ErrorCode::InvalidProcedureCall}));
}

TEST_F(SmallWindow, KeysGoToTheFocusedControlAsItExpects) {
    std::string typed;
    int clicks = 0;
    box.onChange = [&] { typed = box.text(); };
    button.onClick = [&] { ++clicks; };
    box.setFocus();
    form.typeKey(Key::typed("a"));
    EXPECT_EQ(typed, "a");
    form.typeKey(Key::of(Key::Kind::Enter));
    EXPECT_EQ(box.text(), "a") << "Enter types nothing into a one-line box";
    form.typeKey(Key::of(Key::Kind::Tab));
    EXPECT_EQ(form.focused(), &button);
    form.typeKey(Key::typed(" "));
    form.typeKey(Key::typed("x"));
    EXPECT_EQ(clicks, 1) << "only Space clicks a focused button";
    form.typeKey(Key::of(Key::Kind::BackTab));
    EXPECT_EQ(form.focused(), &box) << "Shift+Tab goes back in the tab order";
    form.typeKey(Key::of(Key::Kind::BackTab));
    EXPECT_EQ(form.focused(), &inner) << "and wraps round to the last control";
}

TEST_F(SmallWindow, ADisabledWindowTakesNoInput) {
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    box.setFocus();
    form.setEnabled(false);
    form.typeKey(Key::typed("a"));
    form.click(button);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.focused(), &box);
}

TEST_F(SmallWindow, AClickOnAHiddenControlDoesNothing) {
    int clicks = 0;
    inner.onClick = [&] { ++clicks; };
    frame.setVisible(false);
    form.click(inner);
    EXPECT_EQ(clicks, 0);
}

TEST(ListBox, RejectsAnIndexOutsideItsEntries) {
    Form form("mobil");
    auto& list = form.add<ListBox>(ControlIdentity{"combo1", -1, nullptr, 0}, Box{});
    list.setDesignItems({"English", "Japanese", "Indonesian"});
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THROW(list.setListIndex(3), RuntimeError);
    list.setListIndex(2);
    EXPECT_EQ(list.listIndex(), 2);
}

}  // namespace
