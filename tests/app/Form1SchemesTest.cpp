// Colour schemes through the window: save, load by name (letter by letter), delete, the file
// layouts of earlier versions, every error, and names that would leave the scheme folder.
#include "FormHarness.h"

#include "app/CodePageEdit.h"
#include "store/StoreTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <vector>

namespace tintlace::testing {
namespace {

using Lines = std::vector<std::string>;

// A 30-line scheme (lines counted from 1 in the comments): text "ABC", no font, size "3",
// bold, not italic, background (1, 2, 3), Left (10, 20, 30), Center (40, 50, 60),
// Right (70, 80, 90), ThreeColorNeon, Big, amount "2", shadow off in (5, 5, 5), edge on in
// (6, 6, 6) and (7, 7, 7). The labels are never read.
Lines schemeLines() {
    return {"[label]",
            "[label]",
            "ABC",
            cp932("（種類を指定しない）"),
            "2",
            "1",
            "0",
            std::to_string(makeColor(1, 2, 3)),
            "[label]",
            "10",
            "20",
            "30",
            "[label]",
            "40",
            "50",
            "60",
            "[label]",
            "70",
            "80",
            "90",
            "[label]",
            "2",
            "3",
            "1",
            "[label]",
            "0",
            std::to_string(makeColor(5, 5, 5)),
            "1",
            std::to_string(makeColor(6, 6, 6)),
            std::to_string(makeColor(7, 7, 7))};
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

Lines split(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class Form1Schemes : public ::testing::Test {
protected:
    void SetUp() override { h.open(); }
    TForm1& form() { return *h.form; }
    std::string schemeDir() const { return h.exeDir() + "tlcdata/"; }
    std::string schemePath(const std::string& utf8Name) const {
        return schemeDir() + utf8Name + ".tlc";
    }
    void writeScheme(const std::string& utf8Name, const Lines& lines) {
        QDir().mkpath(QString::fromStdString(schemeDir()));
        writeFile(schemePath(utf8Name), joined(lines));
    }
    // The name typed into the name box; the box's change event follows.
    void type(const QString& name) {
        form().ComboBox3->setEditText(name);
        form().guarded([this] { form().ComboBox3Change(); });
    }
    void save(const QString& name) {
        form().ComboBox3->setEditText(name);
        form().guarded([this] { form().SpeedButton1Click(); });
    }
    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < h.form->ComboBox3->count(); ++i)
            names << h.form->ComboBox3->itemText(i);
        return names;
    }
    FormHarness h;
};

TEST_F(Form1Schemes, SaveThenLoadRestoresEverySetting) {
    form().Edit1->setCp932Text(cp932("日本語 abc"));
    form().ComboBox2->setCurrentIndex(2);
    form().CheckBox2->setChecked(true);
    form().CheckBox3->setChecked(true);
    form().BackColor = makeColor(9, 8, 7);
    form().setSliderPositions({1, 2, 3, 4, 5, 6, 7, 8, 9});
    form().setPattern(PatternKind::Impact);
    form().setStyle(StyleKind::Big);
    form().ComboBox4->setCurrentIndex(1);
    form().CheckBox10->setChecked(false);
    form().Panel15->setColor(makeColor(11, 12, 13));
    form().Panel16->setColor(makeColor(14, 15, 16));
    form().Panel17->setColor(makeColor(17, 18, 19));
    save("mine");
    ASSERT_TRUE(h.services.errors.empty());
    EXPECT_EQ(listed(), QStringList{"mine"});

    const Lines lines = split(readFile(schemePath("mine")));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[2], cp932("日本語 abc"));
    EXPECT_EQ(lines[3], cp932("（種類を指定しない）"));
    EXPECT_EQ(lines[21], "1");
    EXPECT_EQ(lines[22], "3");
    EXPECT_EQ(lines[23], "1");
    EXPECT_EQ(lines[26], std::to_string(makeColor(11, 12, 13)));

    // Change everything, then load the scheme back.
    form().Edit1->setText("other");
    form().ComboBox2->setCurrentIndex(6);
    form().CheckBox2->setChecked(false);
    form().CheckBox3->setChecked(false);
    form().BackColor = 0;
    form().setSliderPositions({100, 100, 100, 100, 100, 100, 100, 100, 100});
    form().setPattern(PatternKind::TwoColorNeon);
    form().setStyle(StyleKind::Top);
    form().ComboBox4->setCurrentIndex(5);
    form().CheckBox10->setChecked(true);
    form().Panel15->setColor(0);
    const int before = form().drawCount();
    type("mine");

    EXPECT_EQ(form().drawCount(), before + 1) << "one redraw after a load";
    EXPECT_FALSE(form().Updating);
    EXPECT_EQ(form().Edit1->cp932Text(), cp932("日本語 abc"));
    EXPECT_EQ(form().ComboBox2->currentIndex(), 2);
    EXPECT_TRUE(form().CheckBox2->isChecked());
    EXPECT_TRUE(form().CheckBox3->isChecked());
    EXPECT_EQ(form().BackColor, makeColor(9, 8, 7));
    EXPECT_EQ(form().sliderPositions(), (std::array<int, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(form().pattern(), PatternKind::Impact);
    EXPECT_EQ(form().style(), StyleKind::Big);
    EXPECT_EQ(form().ComboBox4->currentIndex(), 1);
    EXPECT_FALSE(form().CheckBox10->isChecked());
    EXPECT_EQ(form().Panel15->color(), makeColor(11, 12, 13));
    EXPECT_EQ(form().Panel16->color(), makeColor(14, 15, 16));
    EXPECT_EQ(form().Panel17->color(), makeColor(17, 18, 19));
    EXPECT_EQ(form().StopPanels[1]->color(), makeColor(4, 5, 6));
    EXPECT_EQ(form().CharTable.Count, 7);
}

TEST_F(Form1Schemes, LoadEdgeCases) {
    struct Case {
        const char* name;
        std::function<void(Lines&)> edit;    // changes to the standard scheme
        std::function<void(TForm1&)> before; // the window's state before the load
        std::function<void(FormHarness&)> check;
    };
    auto graphicDefaults = [](TForm1& f) {
        EXPECT_TRUE(f.CheckBox10->isChecked());
        EXPECT_TRUE(f.CheckBox11->isChecked());
        EXPECT_EQ(f.Panel15->color(), 8421504u);
        EXPECT_EQ(f.Panel16->color(), 16777215u);
        EXPECT_EQ(f.Panel17->color(), 6316128u);
    };
    auto changeEverything = [](TForm1& f) {
        f.setPattern(PatternKind::Impact);
        f.setStyle(StyleKind::Wide);
        f.ComboBox4->setCurrentIndex(0);
        f.CheckBox10->setChecked(false);
        f.CheckBox11->setChecked(false);
        f.Panel15->setColor(1);
        f.Panel16->setColor(2);
        f.Panel17->setColor(3);
    };
    const Case cases[] = {
        {"30 lines load everything", [](Lines&) {}, changeEverything,
         [](FormHarness& h) {
             TForm1& f = *h.form;
             EXPECT_EQ(f.Edit1->text(), "ABC");
             EXPECT_EQ(f.ComboBox2->currentText(), "3");
             EXPECT_TRUE(f.CheckBox2->isChecked());
             EXPECT_FALSE(f.CheckBox3->isChecked());
             EXPECT_EQ(f.BackColor, makeColor(1, 2, 3));
             EXPECT_EQ(h.stop(0), (Rgb{10, 20, 30}));
             EXPECT_EQ(h.stop(2), (Rgb{70, 80, 90}));
             EXPECT_EQ(f.pattern(), PatternKind::ThreeColorNeon);
             EXPECT_EQ(f.style(), StyleKind::Big);
             EXPECT_EQ(f.ComboBox4->currentText(), "2");
             EXPECT_FALSE(f.CheckBox10->isChecked());
             EXPECT_EQ(f.Panel15->color(), makeColor(5, 5, 5));
             EXPECT_TRUE(f.CheckBox11->isChecked());
             EXPECT_EQ(f.Panel16->color(), makeColor(6, 6, 6));
             EXPECT_EQ(f.Panel17->color(), makeColor(7, 7, 7));
             EXPECT_EQ(h.valuePanel(0), "0A") << "the stop panels are refreshed";
         }},
        {"20 lines: Gradation, NoStyle, amount kept, graphic defaults",
         [](Lines& l) { l.resize(20); }, changeEverything,
         [&](FormHarness& h) {
             TForm1& f = *h.form;
             EXPECT_EQ(f.Edit1->text(), "ABC");
             EXPECT_EQ(h.stop(2), (Rgb{70, 80, 90}));
             EXPECT_EQ(f.pattern(), PatternKind::Gradation);
             EXPECT_EQ(f.style(), StyleKind::NoStyle);
             EXPECT_EQ(f.ComboBox4->currentIndex(), 0);
             graphicDefaults(f);
         }},
        {"24 lines: pattern, style and amount, graphic defaults", [](Lines& l) { l.resize(24); },
         changeEverything,
         [&](FormHarness& h) {
             TForm1& f = *h.form;
             EXPECT_EQ(f.pattern(), PatternKind::ThreeColorNeon);
             EXPECT_EQ(f.style(), StyleKind::Big);
             EXPECT_EQ(f.ComboBox4->currentIndex(), 1);
             graphicDefaults(f);
         }},
        {"pattern 7 and style 9", [](Lines& l) { l[21] = "7", l[22] = "9"; }, changeEverything,
         [](FormHarness& h) {
             EXPECT_EQ(h.form->pattern(), PatternKind::Gradation);
             EXPECT_EQ(h.form->style(), StyleKind::NoStyle);
         }},
        {"slider values are clamped", [](Lines& l) { l[9] = "300", l[10] = "-5"; }, [](TForm1&) {},
         [](FormHarness& h) {
             EXPECT_EQ(h.stop(0), (Rgb{255, 0, 30}));
         }},
        {"NoStyle's 6 on line 24 keeps the amount", [](Lines& l) { l[22] = "0", l[23] = "6"; },
         [](TForm1& f) { f.ComboBox4->setCurrentIndex(3); },
         [](FormHarness& h) {
             EXPECT_EQ(h.form->ComboBox4->currentIndex(), 3);
             EXPECT_FALSE(h.form->ComboBox4->isEnabled());
         }},
        {"a size position out of range keeps the size", [](Lines& l) { l[4] = "7"; },
         [](TForm1&) {}, [](FormHarness& h) { EXPECT_EQ(h.form->ComboBox2->currentText(), "6"); }},
        {"the fixed box keeps the text group", [](Lines& l) { l[3] = "Serif"; },
         [](TForm1& f) {
             f.CheckBox8->setChecked(true);
             f.ComboBox1->setCurrentIndex(1);
             f.BackColor = makeColor(200, 0, 0);
         },
         [](FormHarness& h) {
             TForm1& f = *h.form;
             EXPECT_EQ(f.Edit1->text(), "Hello World Wide Web ! (^-^)/");
             EXPECT_EQ(f.ComboBox1->currentIndex(), 1);
             EXPECT_EQ(f.ComboBox2->currentText(), "6");
             EXPECT_FALSE(f.CheckBox2->isChecked());
             EXPECT_EQ(f.BackColor, makeColor(200, 0, 0));
             EXPECT_EQ(h.stop(0), (Rgb{10, 20, 30}));
             EXPECT_EQ(f.pattern(), PatternKind::ThreeColorNeon);
             EXPECT_FALSE(f.CheckBox10->isChecked());
         }},
        {"a font name without an entry keeps the font list",
         [](Lines& l) { l[3] = "No Such Font Anywhere"; },
         [](TForm1& f) { f.ComboBox1->setCurrentIndex(2); },
         [](FormHarness& h) { EXPECT_EQ(h.form->ComboBox1->currentIndex(), 2); }},
        {"the no-font entry selects index 0", [](Lines&) {},
         [](TForm1& f) { f.ComboBox1->setCurrentIndex(2); },
         [](FormHarness& h) { EXPECT_EQ(h.form->ComboBox1->currentIndex(), 0); }},
        {"Right follows Left after a load", [](Lines&) {},
         [](TForm1& f) { f.CheckBox12->setChecked(true); },
         [](FormHarness& h) {
             EXPECT_TRUE(h.form->CheckBox12->isChecked());
             EXPECT_EQ(h.stop(0), (Rgb{10, 20, 30}));
             EXPECT_EQ(h.stop(2), (Rgb{10, 20, 30}));
         }},
        {"the other automatic modes are switched off", [](Lines&) {},
         [](TForm1& f) { f.CheckBox9->setChecked(true); },
         [](FormHarness& h) {
             EXPECT_FALSE(h.form->CheckBox9->isChecked());
             EXPECT_EQ(h.stop(1), (Rgb{40, 50, 60}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormHarness fresh;
        TForm1& f = fresh.open();
        Lines lines = schemeLines();
        c.edit(lines);
        QDir().mkpath(QString::fromStdString(fresh.exeDir() + "tlcdata"));
        writeFile(fresh.exeDir() + "tlcdata/s.tlc", joined(lines));
        c.before(f);
        const int before = f.drawCount();
        f.ComboBox3->setEditText("s");
        f.guarded([&f] { f.ComboBox3Change(); });
        EXPECT_TRUE(fresh.services.errors.empty());
        EXPECT_EQ(f.drawCount(), before + 1);
        c.check(fresh);
    }
}

TEST_F(Form1Schemes, GenericFontEntryIsSavedByItsBareName) {
    const int serif = form().ComboBox1->findText("@ Serif");
    ASSERT_GT(serif, 0);
    form().ComboBox1->setCurrentIndex(serif);
    save("generic");
    EXPECT_EQ(split(readFile(schemePath("generic")))[3], "Serif");
    // Only an installed family of that name (or its marked entry) is selected.
    int expected = form().ComboBox1->findText("Serif", Qt::MatchFixedString);
    if (expected < 0)
        expected = form().ComboBox1->findText("* Serif", Qt::MatchFixedString);
    form().ComboBox1->setCurrentIndex(1);
    type("generic");
    EXPECT_EQ(form().ComboBox1->currentIndex(), expected < 0 ? 1 : expected);
}

TEST_F(Form1Schemes, MarkedFontEntryRoundTripsByItsBareName) {
    const int marked = form().ComboBox1->findText("* ", Qt::MatchStartsWith);
    if (marked < 0)
        GTEST_SKIP() << "no common font is installed";
    const QString name = form().ComboBox1->itemText(marked).mid(2);
    form().ComboBox1->setCurrentIndex(marked);
    save("marked");
    EXPECT_EQ(split(readFile(schemePath("marked")))[3], name.toStdString());
    form().ComboBox1->setCurrentIndex(0);
    type("marked");
    EXPECT_EQ(form().ComboBox1->currentIndex(), marked);
}

TEST_F(Form1Schemes, TypedNamesLoadLetterByLetter) {
    Lines a = schemeLines(), ab = schemeLines();
    a[2] = "first";
    ab[2] = "second";
    writeScheme("a", a);
    writeScheme("ab", ab);
    writeScheme("a.b", schemeLines());
    form().RefreshSchemeList();
    EXPECT_EQ(listed(), (QStringList{"a", "a.b", "ab"}));

    const int before = form().drawCount();
    type("a");
    EXPECT_EQ(form().Edit1->text(), "first");
    type("ab");
    EXPECT_EQ(form().Edit1->text(), "second");
    type("abc"); // no such scheme: nothing changes, nothing is drawn
    EXPECT_EQ(form().Edit1->text(), "second");
    EXPECT_EQ(form().drawCount(), before + 2);
    EXPECT_FALSE(form().Updating);
    form().Edit1->setText("typed");
    EXPECT_EQ(form().drawCount(), before + 3) << "the preview still follows changes";
}

TEST_F(Form1Schemes, NameWithADotIsSavedAndListedWhole) {
    save("a.b");
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(schemePath("a.b"))));
    EXPECT_EQ(listed(), QStringList{"a.b"});
    EXPECT_EQ(form().ComboBox3->currentText(), "a.b");
}

TEST_F(Form1Schemes, SavingAgainReplacesTheFileAndAnEmptyNameSavesNothing) {
    save("x");
    form().setSliderPositions({0, 0, 0, 0, 0, 0, 0, 0, 7});
    save("x");
    EXPECT_EQ(split(readFile(schemePath("x")))[19], "7");
    save("");
    EXPECT_TRUE(h.services.errors.empty());
    EXPECT_EQ(QDir(QString::fromStdString(schemeDir())).entryList(QDir::Files),
              QStringList{"x.tlc"});
}

TEST_F(Form1Schemes, LoadErrorsStopWhereTheFileFails) {
    struct Case {
        const char* name;
        std::function<void(Lines&)> edit;
        QString message;
        std::function<void(FormHarness&)> check; // what was set before the failing line
    };
    const Case cases[] = {
        {"fewer than 20 lines", [](Lines& l) { l.resize(15); },
         "リストのインデックスが範囲を超えています (15)",
         [](FormHarness& h) {
             EXPECT_EQ(h.form->Edit1->text(), "ABC");
             EXPECT_EQ(h.stop(0), (Rgb{10, 20, 30}));
             EXPECT_EQ(h.stop(1)[0], 40);
             EXPECT_EQ(h.stop(1)[1], 50);
         }},
        {"a number that is no integer", [](Lines& l) { l[10] = "2x"; }, "'2x' は整数ではありません",
         [](FormHarness& h) {
             EXPECT_EQ(h.stop(0), (Rgb{10, 255, 0}));
         }},
        {"a size that is no integer", [](Lines& l) { l[4] = ""; }, "'' は整数ではありません",
         [](FormHarness& h) { EXPECT_EQ(h.form->Edit1->text(), "ABC"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormHarness fresh;
        TForm1& f = fresh.open();
        f.CheckBox1->setChecked(true);
        Lines lines = schemeLines();
        c.edit(lines);
        QDir().mkpath(QString::fromStdString(fresh.exeDir() + "tlcdata"));
        writeFile(fresh.exeDir() + "tlcdata/s.tlc", joined(lines));
        f.ComboBox3->setEditText("s");
        f.guarded([&f] { f.ComboBox3Change(); });
        EXPECT_EQ(fresh.services.errors, std::vector<QString>{c.message});
        EXPECT_FALSE(f.Updating);
        EXPECT_FALSE(f.CheckBox1->isChecked());
        c.check(fresh);
        const int before = f.drawCount();
        f.Edit1->setText("after");
        EXPECT_EQ(f.drawCount(), before + 1);
    }
}

TEST_F(Form1Schemes, UnreadableSchemeFileIsReported) {
    writeScheme("locked", schemeLines());
    ASSERT_EQ(::chmod(schemePath("locked").c_str(), 0), 0);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    form().CheckBox9->setChecked(true);
    type("locked");
    EXPECT_EQ(h.services.errors, (std::vector<QString>{QString::fromStdString(
                                     "ファイル " + schemePath("locked") + " は開けません")}));
    EXPECT_FALSE(form().CheckBox9->isChecked());
    EXPECT_FALSE(form().Updating);
}

TEST_F(Form1Schemes, FailedSaveReportsThePathAndKeepsTheOldFile) {
    const std::string name = "saved";
    const std::string old = joined(schemeLines());
    writeScheme(name, schemeLines());
    form().ComboBox3->setEditText(QString::fromStdString(name));
    {
        // The new file cannot grow past a few bytes, so the write fails half-way.
        FileSizeLimit limit(64);
        form().guarded([this] { form().SpeedButton1Click(); });
    }
    EXPECT_EQ(h.services.errors, (std::vector<QString>{QString::fromStdString(
                                     "ファイル " + schemePath(name) + " を作成できません")}));
    EXPECT_EQ(readFile(schemePath(name)), old);
}

TEST_F(Form1Schemes, NamesThatLeaveTheSchemeFolderAreRefused) {
    // Files that the names would reach if they were used as paths.
    writeFile(h.exeDir() + "x.tlc", joined(schemeLines()));
    QDir().mkpath(QString::fromStdString(schemeDir() + "a"));
    writeFile(schemeDir() + "a/b.tlc", joined(schemeLines()));
    writeFile(schemeDir() + "..tlc", joined(schemeLines()));
    const char* names[] = {"../x", "a/b", "\\x", ".", ".."};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        h.services.errors.clear();
        save(name);
        EXPECT_EQ(h.services.errors, (std::vector<QString>{QString::fromStdString(
                                         "ファイル " + schemePath(name) + " を作成できません")}));

        const int before = form().drawCount();
        type(name);
        EXPECT_EQ(form().drawCount(), before) << "loads nothing";
        EXPECT_EQ(h.services.errors.size(), 1u);

        h.services.questions.clear();
        form().SpeedButton16Click();
        EXPECT_EQ(h.services.questions,
                  std::vector<QString>{QString("確認|配色「") + name + "」を削除しますか？"});
    }
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(h.exeDir() + "x.tlc")));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(schemeDir() + "a/b.tlc")));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(schemeDir() + "..tlc")));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(schemeDir() + "\\x.tlc")));
    EXPECT_EQ(form().Edit1->text(), "Hello World Wide Web ! (^-^)/");
}

TEST_F(Form1Schemes, DeleteAsksFirstAndDeletesOnlyOnYes) {
    writeScheme("old", schemeLines());
    form().RefreshSchemeList();
    form().ComboBox3->setEditText("old");

    h.services.yesAnswer = false;
    form().SpeedButton16Click();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(schemePath("old"))));

    h.services.yesAnswer = true;
    form().SpeedButton16Click();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(schemePath("old"))));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(form().ComboBox3->currentText(), "old") << "the name stays in the box";

    form().ComboBox3->setEditText("");
    form().SpeedButton16Click(); // asked even for an empty name, and nothing happens
    EXPECT_EQ(h.services.questions, (std::vector<QString>{"確認|配色「old」を削除しますか？",
                                                          "確認|配色「old」を削除しますか？",
                                                          "確認|配色「」を削除しますか？"}));
}

TEST_F(Form1Schemes, LongOrInvalidTextLineLoadsSafely) {
    struct Case {
        const char* name;
        std::string line3;
        std::string expectedText; // CP932 bytes the field ends with
    };
    std::string kana;
    for (int i = 0; i < 300; ++i)
        kana += cp932("あ");
    const Case cases[] = {
        {"600 bytes are cut on a character boundary", kana, kana.substr(0, 254)},
        {"an odd start cuts at exactly 255", "x" + kana, "x" + kana.substr(0, 254)},
        {"bytes that are not CP932 are dropped",
         "ab\xFF"
         "c\xA0"
         "d",
         "abcd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormHarness fresh;
        TForm1& f = fresh.open();
        Lines lines = schemeLines();
        lines[2] = c.line3;
        QDir().mkpath(QString::fromStdString(fresh.exeDir() + "tlcdata"));
        writeFile(fresh.exeDir() + "tlcdata/s.tlc", joined(lines));
        f.ComboBox3->setEditText("s");
        f.guarded([&f] { f.ComboBox3Change(); });
        EXPECT_TRUE(fresh.services.errors.empty());
        EXPECT_EQ(f.Edit1->cp932Text(), c.expectedText);
        EXPECT_LE(f.CharTable.Count, CharTable::Capacity);
        EXPECT_EQ(utf8ToCp932(f.Edit1->text().toStdString()), c.expectedText)
            << "the field shows exactly the text the outputs use";
        // The field still takes typing.
        f.Edit1->setCp932Text("ab");
        f.Edit1->setCursorPosition(2);
        f.Edit1->insert("c");
        EXPECT_EQ(f.Edit1->text(), "abc");
    }
}

} // namespace
} // namespace tintlace::testing

namespace tintlace::testing {
namespace {

TEST_F(Form1Schemes, NameNearTheFileNameLimitIsSaved) {
    const std::string name(240, 'n'); // with ".tlc", 244 of the 255 bytes a file name may have
    form().ComboBox3->setEditText(QString::fromStdString(name));
    form().guarded([this] { form().SpeedButton1Click(); });
    EXPECT_TRUE(h.services.errors.empty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(schemePath(name))));
}

TEST_F(Form1Schemes, NameThatCodePage932CannotHoldIsReportedNotSaved) {
    form().ComboBox3->setEditText(QString::fromUtf8("emoji\xF0\x9F\x98\x80"));
    form().guarded([this] { form().SpeedButton1Click(); });
    ASSERT_EQ(h.services.errors.size(), 1u);
    EXPECT_TRUE(h.services.errors[0].endsWith("を作成できません"));
    EXPECT_FALSE(QDir(QString::fromStdString(form().SchemeDir)).exists() &&
                 !QDir(QString::fromStdString(form().SchemeDir)).isEmpty());
}

} // namespace
} // namespace tintlace::testing
