// The two markup buttons: the text that lands on the clipboard, the sound, the error path.
#include "FormHarness.h"

#include "app/CodePageEdit.h"

#include <QTabWidget>

#include <gtest/gtest.h>

namespace tintlace::testing {
namespace {

struct MarkupCase {
    const char* name;
    void (TForm1::*handler)();
    int tab; // the tab the button sits on
    std::string expected;
};

// A, blank, B with Left red and Right blue, every option as at a very first start.
const MarkupCase markupCases[] = {
    {"HTML tags", &TForm1::BitBtn2Click, 0,
     "<font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
     "<font color=\"#0000ff\">B</font></font><br>\r\n"},
    {"style-sheet spans", &TForm1::BitBtn3Click, 1,
     "<span style=\"font-size:42px\"><span style=\"color:#ff0000\">A</span>"
     "<span style=\"\">&nbsp;</span><span style=\"color:#0000ff\">B</span></span><BR>\r\n"},
};

class Form1Markup : public ::testing::TestWithParam<MarkupCase> {
protected:
    void SetUp() override {
        TForm1& form = h.open();
        form.PageControl1->setCurrentIndex(GetParam().tab);
        form.Edit1->setCp932Text("A B");
        h.setStop(0, {255, 0, 0});
        h.setStop(2, {0, 0, 255});
    }
    FormHarness h;
};

TEST_P(Form1Markup, PutsTheMarkupOnTheClipboardWithOneBeep) {
    const int beeps = h.services.beeps;
    (h.form.get()->*GetParam().handler)();
    EXPECT_EQ(h.services.clipboardText, GetParam().expected);
    EXPECT_EQ(h.services.beeps, beeps + 1);
    EXPECT_TRUE(h.services.errors.empty());
}

TEST_P(Form1Markup, ClipboardFailureIsShownWithoutSoundAndKeepsTheClipboard) {
    h.services.clipboardText = "held by another program";
    h.services.clipboardFails = true;
    const int beeps = h.services.beeps;
    TForm1& form = *h.form;
    form.guarded([&form] { (form.*GetParam().handler)(); });
    EXPECT_EQ(h.services.errors, (std::vector<QString>{"クリップボードを開くことができません"}));
    EXPECT_EQ(h.services.beeps, beeps);
    EXPECT_EQ(h.services.clipboardText, "held by another program");
}

INSTANTIATE_TEST_SUITE_P(Buttons, Form1Markup, ::testing::ValuesIn(markupCases),
                         [](const auto& info) {
                             return info.param.handler == &TForm1::BitBtn2Click ? "Html" : "Css";
                         });

} // namespace
} // namespace tintlace::testing
