// The settings file as the window reads it at the first showing and writes it at closing.
#include "FormHarness.h"

#include "app/Form2.h"

#include <QCheckBox>
#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace tintlace::testing {
namespace {

// The non-blank lines of a file, without their line ends.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            result.push_back(line);
    }
    return result;
}

class Form1Settings : public ::testing::Test {
protected:
    std::string iniPath() const { return h.exeDir() + "tintlace.ini"; }
    FormHarness h;
};

TEST_F(Form1Settings, FirstCloseWritesTheFourteenKeysInTheirOrder) {
    TForm1& form = h.open();
    EXPECT_EQ(form.drawCount(), 1);
    form.FormClose();
    const std::vector<std::string> expected = {
        "[Position]",   "X=0",          "Y=0",         "[Option]",     "OnlyLeft=0",
        "AutoCenter=0", "AutoRight=0",  "Use16=1",     "ColorValue=0", "[TagOption]",
        "Return=0",     "ReturnLast=1", "Small=1",     "Comment=0",    "UseQuotation=0",
        "[SCCOption]",  "UsePoint=0",   "[GrpOption]", "UsePNG=1",
    };
    EXPECT_EQ(lines(readFile(iniPath())), expected);
}

TEST_F(Form1Settings, WithoutTheSettingsFileNothingIsReadOrWritten) {
    writeFile(iniPath(), "[TagOption]\r\nComment=1\r\n");
    TForm1& form = h.open(/*show=*/true, /*useSettingsFile=*/false);
    EXPECT_FALSE(form.CheckBox7->isChecked());
    form.CheckBox5->setChecked(true);
    form.FormClose();
    EXPECT_EQ(readFile(iniPath()), "[TagOption]\r\nComment=1\r\n");
}

TEST_F(Form1Settings, FileValuesLoadAtTheFirstShowing) {
    struct Case {
        const char* name;
        std::string file;
        std::function<void(FormHarness&)> check;
    };
    const Case cases[] = {
        {"a position that is no integer counts as missing", "[Position]\nX=abc\nY=7\n",
         [](FormHarness& h) { EXPECT_EQ(h.form->pos(), QPoint(0, 7)); }},
        {"a negative position is applied as read", "[Position]\nX=-120\nY=-40\n",
         [](FormHarness& h) { EXPECT_EQ(h.form->pos(), QPoint(-120, -40)); }},
        {"a boolean of 2 is checked", "[TagOption]\nComment=2\nSmall=0\n",
         [](FormHarness& h) {
             EXPECT_TRUE(h.form->CheckBox7->isChecked());
             EXPECT_FALSE(h.form->CheckBox4->isChecked());
         }},
        {"UseQuotation is the state of the no-quotes box", "[TagOption]\nUseQuotation=1\n",
         [](FormHarness& h) { EXPECT_TRUE(h.form->CheckBox14->isChecked()); }},
        {"OnlyLeft then AutoCenter leaves AutoCenter", "[Option]\nOnlyLeft=1\nAutoCenter=1\n",
         [](FormHarness& h) {
             EXPECT_FALSE(h.form->CheckBox9->isChecked());
             EXPECT_TRUE(h.form->CheckBox1->isChecked());
             EXPECT_FALSE(h.form->CheckBox12->isChecked());
         }},
        {"all three automatic boxes leave AutoRight",
         "[Option]\nAutoRight=1\nAutoCenter=1\nOnlyLeft=1\n",
         [](FormHarness& h) {
             EXPECT_FALSE(h.form->CheckBox9->isChecked());
             EXPECT_FALSE(h.form->CheckBox1->isChecked());
             EXPECT_TRUE(h.form->CheckBox12->isChecked());
             EXPECT_EQ(h.stop(2), h.stop(0)) << "the mode applies at the first drawing";
         }},
        {"display options in decimal with colour values", "[Option]\nUse16=0\nColorValue=1\n",
         [](FormHarness& h) {
             EXPECT_EQ(h.valuePanel(0), "255");
             EXPECT_EQ(h.valuePanel(2), "0");
             EXPECT_EQ(h.form->StopPanels[0]->text(), "#FFFF00");
             EXPECT_EQ(h.form->StopPanels[2]->text(), "#FF00FF");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormHarness fresh;
        writeFile(fresh.exeDir() + "tintlace.ini", c.file);
        fresh.open();
        EXPECT_EQ(fresh.form->drawCount(), 1);
        c.check(fresh);
    }
}

TEST_F(Form1Settings, ClosingWritesWhatTheNextStartRestores) {
    writeFile(iniPath(), "; kept\n[Mine]\nfoo=bar\n[TagOption]\nComment=2\n");
    TForm1& form = h.open();
    form.move(-300, -25);
    form.CheckBox9->setChecked(true);
    form.CheckBox5->setChecked(true);
    form.CheckBox6->setChecked(false);
    form.CheckBox15->setChecked(true);
    form.CheckBox13->setChecked(false);
    form.aboutBox().CheckBox1->setChecked(false);
    form.aboutBox().CheckBox2->setChecked(true);
    form.FormClose();

    const std::vector<std::string> written = lines(readFile(iniPath()));
    const std::vector<std::string> expected = {
        "; kept",       "[Mine]",     "foo=bar",        "[TagOption]", "Comment=1", "Return=1",
        "ReturnLast=0", "Small=1",    "UseQuotation=0", "[Position]",  "X=-300",    "Y=-25",
        "[Option]",     "OnlyLeft=1", "AutoCenter=0",   "AutoRight=0", "Use16=0",   "ColorValue=1",
        "[SCCOption]",  "UsePoint=1", "[GrpOption]",    "UsePNG=0",
    };
    EXPECT_EQ(written, expected);

    TForm1& again = h.reopen();
    EXPECT_EQ(again.pos(), QPoint(-300, -25));
    EXPECT_TRUE(again.CheckBox9->isChecked());
    EXPECT_TRUE(again.CheckBox5->isChecked());
    EXPECT_FALSE(again.CheckBox6->isChecked());
    EXPECT_TRUE(again.CheckBox7->isChecked());
    EXPECT_TRUE(again.CheckBox15->isChecked());
    EXPECT_FALSE(again.CheckBox13->isChecked());
    EXPECT_FALSE(again.aboutBox().CheckBox1->isChecked());
    EXPECT_TRUE(again.aboutBox().CheckBox2->isChecked());
}

TEST_F(Form1Settings, FailedWriteIsReportedThroughTheHandlerGuard) {
    // A folder in the file's place: it reads as no file and cannot be replaced by one.
    ASSERT_TRUE(QDir(h.dir.path()).mkpath("tintlace.ini/inside"));
    TForm1& form = h.open();
    form.guarded([&form] { form.FormClose(); });
    EXPECT_EQ(h.services.errors,
              (std::vector<QString>{QString::fromStdString(iniPath()) + " に書き込めません"}));
    EXPECT_TRUE(QDir(QString::fromStdString(iniPath() + "/inside")).exists());
}

} // namespace
} // namespace tintlace::testing
