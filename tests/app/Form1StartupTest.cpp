// The window at start-up: the Updating guard, the defaults of a very first start, and the text
// field's code page and length rules.
#include "FormHarness.h"

#include "app/CodePageEdit.h"
#include "app/Form2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tintlace::testing {
namespace {

TEST(Form1Startup, NothingIsDrawnBeforeTheFirstShowingAndOnceAfterIt) {
    FormHarness h;
    TForm1& form = h.open(/*show=*/false);
    // Handlers run by code before the first showing all pass through the guard.
    form.Edit1->setText("abc");
    form.ScrollBars[0]->setValue(10);
    form.CheckBox12->setChecked(true);
    form.Preview();
    EXPECT_EQ(form.drawCount(), 0);
    EXPECT_EQ(form.CharTable.Count, 0);

    form.FormShow();
    EXPECT_EQ(form.drawCount(), 1);
    EXPECT_FALSE(form.Updating);
    EXPECT_EQ(form.CharTable.Count, 3);
}

TEST(Form1Startup, FirstStartWithoutSettingsFileShowsTheDefaults) {
    FormHarness h;
    TForm1& form = h.open();

    EXPECT_EQ(form.pattern(), PatternKind::Gradation);
    EXPECT_EQ(form.style(), StyleKind::NoStyle);
    EXPECT_EQ(form.ComboBox2->currentText(), "6");
    EXPECT_EQ(form.ComboBox4->currentText(), "5");
    EXPECT_FALSE(form.ComboBox4->isEnabled()) << "the amount is disabled under NoStyle";
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox3->currentText(), "新規配色");
    EXPECT_EQ(form.Edit1->text(), "Hello World Wide Web ! (^-^)/");
    EXPECT_EQ(form.BackColor, 0u);
    EXPECT_EQ(h.stop(0), (Rgb{255, 255, 0}));
    EXPECT_EQ(h.stop(1), (Rgb{0, 255, 255}));
    EXPECT_EQ(h.stop(2), (Rgb{255, 0, 255}));
    EXPECT_EQ(form.StopPanels[0]->color(), makeColor(255, 255, 0));
    EXPECT_EQ(form.StopPanels[1]->color(), makeColor(0, 255, 255));
    EXPECT_EQ(form.StopPanels[2]->color(), makeColor(255, 0, 255));

    const char* captions[] = {"Left", "Center", "Right"};
    for (int stop = 0; stop < 3; ++stop)
        EXPECT_EQ(form.StopPanels[stop]->text(), captions[stop]);
    // No settings file: Use16 defaults to checked, so the value panels are hexadecimal.
    const char* values[] = {"FF", "FF", "00", "00", "FF", "FF", "FF", "00", "FF"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(h.valuePanel(i), values[i]) << "value panel " << i;

    // Gradation from yellow through cyan (character 15) towards magenta; the truncated steps
    // of 255 / 14 stop the last character short of it.
    ASSERT_EQ(form.CharTable.Count, 29);
    EXPECT_EQ(form.CharTable.Colors[1], makeColor(255, 255, 0));
    EXPECT_EQ(form.CharTable.Colors[15], makeColor(0, 255, 255));
    EXPECT_EQ(form.CharTable.Colors[29], makeColor(252, 3, 255));
}

TEST(Form1Startup, ComboBox4FollowsTheStyleAtEachRedraw) {
    FormHarness h;
    TForm1& form = h.open();
    form.StyleButtons[2]->click();
    EXPECT_EQ(form.style(), StyleKind::Small);
    EXPECT_TRUE(form.ComboBox4->isEnabled());
    form.StyleButtons[0]->click();
    EXPECT_FALSE(form.ComboBox4->isEnabled());
}

TEST(Form1Startup, NothingIsDrawnWhileUpdatingIsSet) {
    FormHarness h;
    TForm1& form = h.open();
    const int before = form.drawCount();
    form.Updating = true;
    form.Edit1->setText("changed");
    form.ScrollBars[4]->setValue(3);
    form.PatternButtons[1]->click();
    form.CheckBox2->setChecked(true);
    form.Preview();
    EXPECT_EQ(form.drawCount(), before);

    form.Updating = false;
    form.Preview();
    EXPECT_EQ(form.drawCount(), before + 1);
}

TEST(Form1Startup, OptionBoxesWithoutAnEventDoNotRedraw) {
    FormHarness h;
    TForm1& form = h.open();
    const int before = form.drawCount();
    for (QCheckBox* box : {form.CheckBox4, form.CheckBox5, form.CheckBox6, form.CheckBox7,
                           form.CheckBox14, form.CheckBox15, form.CheckBox13, form.CheckBox8})
        box->toggle();
    EXPECT_EQ(form.drawCount(), before);
}

// The text field holds CP932 text of at most 255 bytes, whatever way the text arrives.
class Form1TextField : public ::testing::Test {
protected:
    void SetUp() override { h.open(); }
    CodePageEdit& edit() { return *h.form->Edit1; }
    FormHarness h;
};

TEST_F(Form1TextField, RefusesACharacterThatCodePage932CannotRepresent) {
    edit().setText("abc");
    edit().setCursorPosition(3);
    const int before = h.form->drawCount();
    edit().insert(QString::fromUtf8("\xF0\x9F\x98\x80")); // an emoji
    EXPECT_EQ(edit().text(), "abc");
    EXPECT_EQ(h.form->drawCount(), before);
}

TEST_F(Form1TextField, CutsALongPasteAt255BytesOnACharacterBoundary) {
    edit().setText("ab");
    edit().setCursorPosition(1);
    QString paste;
    for (int i = 0; i < 200; ++i)
        paste += "あ";
    edit().insert(paste); // 2 + 400 bytes: 126 of the two-byte characters still fit

    const std::string text = edit().cp932Text();
    EXPECT_EQ(text.size(), 254u);
    EXPECT_EQ(text.front(), 'a');
    EXPECT_EQ(text.back(), 'b') << "the text after the cursor is kept";
    EXPECT_EQ(h.form->CharTable.Count, 128);
}

TEST_F(Form1TextField, CutsTextSetFromCodeAt255BytesOnACharacterBoundary) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t expectedBytes;
    };
    std::string kana;
    for (int i = 0; i < 150; ++i)
        kana += cp932("あ");
    const Case cases[] = {
        {"two-byte characters stop one byte short", kana, 254},
        {"an odd start makes them fit exactly", "x" + kana, 255},
        {"single bytes", std::string(300, 'z'), 255},
        {"short text is kept whole", cp932("日本語abc"), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit().setCp932Text(c.text);
        const std::string text = edit().cp932Text();
        EXPECT_EQ(text.size(), c.expectedBytes);
        EXPECT_EQ(text, c.text.substr(0, c.expectedBytes));
    }
}

} // namespace
} // namespace tintlace::testing
