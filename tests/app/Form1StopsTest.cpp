// The colour stops: panel captions and value panels, the colour dialog, the automatic modes,
// Exchange, and the About box whose options they show.
#include "FormHarness.h"

#include "app/Form2.h"

#include <QCheckBox>

#include <gtest/gtest.h>

#include <functional>

namespace tintlace::testing {
namespace {

class Form1Stops : public ::testing::Test {
protected:
    void SetUp() override { h.open(); }
    TForm1& form() { return *h.form; }
    FormHarness h;
};

TEST_F(Form1Stops, StopPanelShowsCaptionCaptionColourAndValuePanels) {
    struct Case {
        const char* name;
        Rgb rgb;
        bool colorValue;
        bool hexadecimal;
        const char* caption;
        Color captionColor;
        std::array<const char*, 3> values;
    };
    const Color black = makeColor(0, 0, 0), white = makeColor(255, 255, 255);
    const Case cases[] = {
        {"yellow in hexadecimal", {255, 255, 0}, false, true, "Left", black, {"FF", "FF", "00"}},
        {"yellow in decimal", {255, 255, 0}, false, false, "Left", black, {"255", "255", "0"}},
        {"yellow as colour value", {255, 255, 0}, true, true, "#FFFF00", black, {"FF", "FF", "00"}},
        {"red first in the colour value",
         {1, 2, 255},
         true,
         false,
         "#0102FF",
         white,
         {"1", "2", "255"}},
        {"sum 489 is dark", {163, 163, 163}, false, true, "Left", white, {"A3", "A3", "A3"}},
        {"sum 490 is light", {164, 163, 163}, false, true, "Left", black, {"A4", "A3", "A3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form().aboutBox().CheckBox1->setChecked(c.hexadecimal);
        form().aboutBox().CheckBox2->setChecked(c.colorValue);
        h.setStop(0, c.rgb);
        form().ScrollBar1Change(); // the options take effect at a refresh
        EXPECT_EQ(form().StopPanels[0]->text(), c.caption);
        EXPECT_EQ(form().StopPanels[0]->fontColor(), c.captionColor);
        EXPECT_EQ(form().StopPanels[0]->color(), makeColor(c.rgb[0], c.rgb[1], c.rgb[2]));
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(h.valuePanel(channel), c.values[channel]);
    }
}

TEST_F(Form1Stops, DialogOfTheCenterStopMovesItsSliders) {
    h.services.colorReplies = {makeColor(255, 0, 0)};
    const int before = form().drawCount();
    form().Panel12Click();
    EXPECT_EQ(h.stop(1), (Rgb{255, 0, 0}));
    EXPECT_EQ(h.stop(0), (Rgb{255, 255, 0}));
    EXPECT_EQ(h.stop(2), (Rgb{255, 0, 255}));
    EXPECT_EQ(form().StopPanels[1]->color(), makeColor(255, 0, 0));
    EXPECT_EQ(form().StopPanels[1]->fontColor(), makeColor(255, 255, 255));
    EXPECT_GT(form().drawCount(), before);
}

TEST_F(Form1Stops, CancelledDialogChangesNothingButStillRedraws) {
    struct Case {
        const char* name;
        void (TForm1::*handler)();
    };
    const Case cases[] = {
        {"background", &TForm1::Button1Click}, {"shadow", &TForm1::Button2Click},
        {"light edge", &TForm1::Button4Click}, {"dark edge", &TForm1::Button5Click},
        {"Left stop", &TForm1::Panel11Click},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.services.colorReplies = {std::nullopt};
        const int before = form().drawCount();
        (form().*c.handler)();
        EXPECT_EQ(form().drawCount(), before + 1);
        EXPECT_EQ(form().BackColor, 0u);
        EXPECT_EQ(form().Panel15->color(), 0x808080u);
        EXPECT_EQ(form().Panel16->color(), 0xFFFFFFu);
        EXPECT_EQ(form().Panel17->color(), 0x606060u);
        EXPECT_EQ(h.stop(0), (Rgb{255, 255, 0}));
    }
}

TEST_F(Form1Stops, ColourButtonsSetTheirColourWhenClosedWithOk) {
    struct Case {
        const char* name;
        void (TForm1::*handler)();
        std::function<Color(TForm1&)> read;
    };
    const Case cases[] = {
        {"background", &TForm1::Button1Click, [](TForm1& f) { return f.BackColor; }},
        {"shadow", &TForm1::Button2Click, [](TForm1& f) { return f.Panel15->color(); }},
        {"light edge", &TForm1::Button4Click, [](TForm1& f) { return f.Panel16->color(); }},
        {"dark edge", &TForm1::Button5Click, [](TForm1& f) { return f.Panel17->color(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Color chosen = makeColor(12, 34, 56);
        h.services.colorReplies = {chosen};
        const int before = form().drawCount();
        (form().*c.handler)();
        EXPECT_EQ(c.read(form()), chosen);
        EXPECT_EQ(form().drawCount(), before + 1);
    }
}

TEST_F(Form1Stops, DialogOpensOnTheColourLastChosenByAnyButton) {
    const Color red = makeColor(255, 0, 0), green = makeColor(0, 255, 0);
    h.services.colorReplies = {red, std::nullopt, green, std::nullopt};
    form().Button2Click(); // opens black, chooses red
    form().Button1Click(); // opens red, cancelled
    form().Panel13Click(); // opens red still, chooses green
    form().Button5Click(); // opens green
    EXPECT_EQ(h.services.colorDialogInitials, (std::vector<Color>{0, red, red, green}));
}

TEST_F(Form1Stops, AtMostOneAutomaticBoxIsChecked) {
    struct Case {
        const char* name;
        std::vector<QCheckBox * TForm1::*> ticks;
        std::array<bool, 3> expected; // CheckBox1, CheckBox9, CheckBox12
    };
    const Case cases[] = {
        {"rainbow after auto centre",
         {&TForm1::CheckBox1, &TForm1::CheckBox9},
         {false, true, false}},
        {"follow after rainbow", {&TForm1::CheckBox9, &TForm1::CheckBox12}, {false, false, true}},
        {"auto centre after follow",
         {&TForm1::CheckBox12, &TForm1::CheckBox1},
         {true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormHarness fresh;
        TForm1& f = fresh.open();
        for (auto box : c.ticks)
            (f.*box)->setChecked(true);
        EXPECT_EQ(f.CheckBox1->isChecked(), c.expected[0]);
        EXPECT_EQ(f.CheckBox9->isChecked(), c.expected[1]);
        EXPECT_EQ(f.CheckBox12->isChecked(), c.expected[2]);
    }
}

TEST_F(Form1Stops, AutomaticModesSpringBackAndUntickingKeepsTheValues) {
    form().CheckBox12->setChecked(true);
    EXPECT_EQ(h.stop(2), h.stop(0)) << "ticking applies the mode at once";

    // A move of the following stop springs back; a move of Left carries Right along.
    form().ScrollBars[6]->setValue(200);
    EXPECT_EQ(h.stop(2), (Rgb{255, 255, 0}));
    form().ScrollBars[0]->setValue(10);
    EXPECT_EQ(h.stop(2), (Rgb{10, 255, 0}));
    EXPECT_EQ(form().StopPanels[2]->color(), makeColor(10, 255, 0));

    const int before = form().drawCount();
    form().CheckBox12->setChecked(false);
    EXPECT_EQ(form().drawCount(), before) << "unticking does not redraw";
    EXPECT_EQ(h.stop(2), (Rgb{10, 255, 0}));
    form().ScrollBars[6]->setValue(200);
    EXPECT_EQ(h.stop(2), (Rgb{200, 255, 0})) << "off again, Right moves freely";

    form().CheckBox1->setChecked(true);
    const Rgb centre = h.stop(1);
    form().ScrollBars[3]->setValue(centre[0] == 0 ? 1 : 0);
    EXPECT_EQ(h.stop(1), centre) << "the automatic Center springs back";
}

TEST_F(Form1Stops, ExchangeSwapsLeftAndRightWithOneRedraw) {
    const int before = form().drawCount();
    form().BitBtn1Click();
    EXPECT_EQ(form().drawCount(), before + 1);
    EXPECT_EQ(h.stop(0), (Rgb{255, 0, 255}));
    EXPECT_EQ(h.stop(1), (Rgb{0, 255, 255}));
    EXPECT_EQ(h.stop(2), (Rgb{255, 255, 0}));
    EXPECT_EQ(form().StopPanels[0]->color(), makeColor(255, 0, 255));
    EXPECT_EQ(form().StopPanels[2]->color(), makeColor(255, 255, 0));
    EXPECT_EQ(h.valuePanel(1), "00");
    EXPECT_EQ(h.valuePanel(7), "FF");
    EXPECT_FALSE(form().Updating);
}

TEST_F(Form1Stops, ExchangeWithRightFollowingLeftEndsWithRightEqualToTheNewLeft) {
    form().CheckBox12->setChecked(true);
    h.setStop(0, {1, 2, 3});
    // Under the guard Right can differ from Left until the next redraw.
    form().Updating = true;
    h.setStop(2, {200, 100, 50});
    form().Updating = false;
    form().BitBtn1Click();
    EXPECT_EQ(h.stop(0), (Rgb{200, 100, 50}));
    EXPECT_EQ(h.stop(2), (Rgb{200, 100, 50}));
}

TEST_F(Form1Stops, AboutBoxRefreshesTheThreeStopsWhenItCloses) {
    h.setStop(0, {255, 0, 0});
    h.services.onModal = [](QDialog& dialog) {
        // The user ticks "colour value instead of position" and presses OK.
        dynamic_cast<TForm2&>(dialog).CheckBox2->setChecked(true);
    };
    const int before = form().drawCount();
    const int beepsBefore = h.services.beeps;
    form().SpeedButton2Click();
    EXPECT_EQ(h.services.modalCount, 1);
    EXPECT_EQ(h.services.beeps, beepsBefore + 1);
    EXPECT_EQ(form().drawCount(), before + 3);
    EXPECT_EQ(form().StopPanels[0]->text(), "#FF0000");
    EXPECT_EQ(form().StopPanels[1]->text(), "#00FFFF");

    h.services.onModal = [](QDialog& dialog) {
        dynamic_cast<TForm2&>(dialog).CheckBox2->setChecked(false);
    };
    form().SpeedButton2Click();
    EXPECT_EQ(form().StopPanels[0]->text(), "Left");
    EXPECT_EQ(form().drawCount(), before + 6);
}

TEST_F(Form1Stops, AboutBoxIsCentredOnTheWindowEvenOffTheScreen) {
    struct Case {
        const char* name;
        QPoint windowAt;
    };
    const Case cases[] = {{"on the screen", {100, 50}}, {"past the top-left corner", {-300, -200}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form().move(c.windowAt);
        QRect dialogAt;
        h.services.onModal = [&dialogAt](QDialog& dialog) { dialogAt = dialog.frameGeometry(); };
        form().SpeedButton2Click();
        const QRect outer = form().frameGeometry();
        EXPECT_EQ(dialogAt.left(), outer.left() + (outer.width() - dialogAt.width()) / 2);
        EXPECT_EQ(dialogAt.top(), outer.top() + (outer.height() - dialogAt.height()) / 2);
        // Without window frames: 489 - 297 = 192 and 410 - 277 = 133, halved and truncated.
        if (outer.size() == QSize(489, 410) && dialogAt.size() == QSize(297, 277)) {
            EXPECT_EQ(dialogAt.topLeft(), c.windowAt + QPoint(96, 66));
        }
    }
}

} // namespace
} // namespace tintlace::testing
