// TForm1: colour schemes saved under a name, listed in the name box, loaded and deleted.
#include "app/ClearOnExit.h"
#include "app/QtText.h"
#include "app/CodePageEdit.h"
#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "app/Services.h"
#include "markup/FontNames.h"
#include "platform/Cp932.h"
#include "platform/UserError.h"
#include "store/SchemeFile.h"
#include "store/SchemeFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace tintlace {

namespace {

constexpr Color DefaultShadowColor = 8421504;    // grey (128, 128, 128)
constexpr Color DefaultLightEdgeColor = 16777215; // white
constexpr Color DefaultDarkEdgeColor = 6316128;   // (96, 96, 96)

std::string cp932Of(const QString& text) {
    return toCp932(text).value_or(std::string());
}

// Selects `index` only when it names an entry of the list.
void selectIfInRange(QComboBox* list, int index) {
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

} // namespace

void TForm1::RefreshSchemeList() {
    const QString text = ComboBox3->currentText();
    ComboBox3->clear();
    for (const std::string& name : listSchemeNames(SchemeDir))
        ComboBox3->addItem(fromCp932(name));
    ComboBox3->setEditText(text);
}

void TForm1::SpeedButton1Click() {
    const QString typed = ComboBox3->currentText();
    if (typed.isEmpty())
        return;
    // A name that code page 932 cannot hold, or that would leave the scheme folder, names no
    // file the program may create.
    const std::optional<std::string> name = toCp932(typed);
    if (!name || !isSafeSchemeName(*name))
        throw cannotCreateFileError(SchemeDir + typed.toStdString() + ".tlc");
    const std::string path = schemeFilePath(SchemeDir, *name);

    SchemeData scheme;
    scheme.text = Edit1->cp932Text();
    scheme.fontName = StripFontMarks(selectedFontEntry());
    scheme.sizeIndex = ComboBox2->currentIndex();
    scheme.bold = CheckBox2->isChecked();
    scheme.italic = CheckBox3->isChecked();
    scheme.backColor = BackColor;
    scheme.sliders = sliderPositions();
    scheme.patternNumber = static_cast<int>(pattern());
    scheme.styleNumber = static_cast<int>(style());
    scheme.amountIndex =
        style() == StyleKind::NoStyle ? NoStyleAmount : ComboBox4->currentIndex();
    scheme.shadow = CheckBox10->isChecked();
    scheme.shadowColor = Panel15->color();
    scheme.edge = CheckBox11->isChecked();
    scheme.lightEdgeColor = Panel16->color();
    scheme.darkEdgeColor = Panel17->color();

    ensureSchemeDir(SchemeDir);
    writeSchemeLines(path, schemeFileLines(scheme));
    RefreshSchemeList();
}

void TForm1::ComboBox3Change() {
    const std::string name = cp932Of(ComboBox3->currentText());
    const std::string path = schemeFilePath(SchemeDir, name);
    if (isSafeSchemeName(name) && isOrdinarySchemeFile(path))
        LoadScheme(path);
}

void TForm1::LoadScheme(const std::string& path) {
    {
        Updating = true;
        ClearOnExit clear(Updating);
        CheckBox1->setChecked(false);
        CheckBox9->setChecked(false);
        const std::vector<std::string> lines = readSchemeLines(path);
        auto number = [&lines](int index) { return schemeNumber(lines, index); };

        std::optional<std::string> fontName;
        if (!CheckBox8->isChecked()) {
            Edit1->setCp932Text(schemeLine(lines, SchemeLine::Text));
            fontName = schemeLine(lines, SchemeLine::FontName);
            selectIfInRange(ComboBox2, number(SchemeLine::SizeIndex));
            CheckBox2->setChecked(number(SchemeLine::Bold) != 0);
            CheckBox3->setChecked(number(SchemeLine::Italic) != 0);
            BackColor = static_cast<Color>(number(SchemeLine::BackColor));
        }
        for (int i = 0; i < 9; ++i)
            ScrollBars[i]->setValue(number(SchemeLine::Sliders[i]));

        int patternNumber = 0;
        int styleNumber = 0;
        if (lines.size() >= SchemeLinesWithPattern) {
            patternNumber = number(SchemeLine::Pattern);
            styleNumber = number(SchemeLine::Style);
            selectIfInRange(ComboBox4, number(SchemeLine::Amount));
        }
        CheckBox10->setChecked(true);
        CheckBox11->setChecked(true);
        Panel15->setColor(DefaultShadowColor);
        Panel16->setColor(DefaultLightEdgeColor);
        Panel17->setColor(DefaultDarkEdgeColor);
        if (lines.size() >= SchemeLinesWithGraphic) {
            CheckBox10->setChecked(number(SchemeLine::Shadow) != 0);
            Panel15->setColor(static_cast<Color>(number(SchemeLine::ShadowColor)));
            CheckBox11->setChecked(number(SchemeLine::Edge) != 0);
            Panel16->setColor(static_cast<Color>(number(SchemeLine::LightEdgeColor)));
            Panel17->setColor(static_cast<Color>(number(SchemeLine::DarkEdgeColor)));
        }
        setPattern(patternFromNumber(patternNumber));
        setStyle(styleFromNumber(styleNumber));
        if (fontName) {
            if (const int index = findFontEntry(*fontName); index >= 0)
                ComboBox1->setCurrentIndex(index);
        }
    }
    Preview();
    repaint();
}

int TForm1::findFontEntry(const std::string& bareName) const {
    std::vector<std::string> entries;
    for (int i = 0; i < ComboBox1->count(); ++i)
        entries.push_back(cp932Of(ComboBox1->itemText(i)));
    const int index = indexOfEntry(entries, bareName);
    return index >= 0 ? index : indexOfEntry(entries, "* " + bareName);
}

void TForm1::SpeedButton16Click() {
    const QString name = ComboBox3->currentText();
    if (!m_services.askYesNo(this, "確認", "配色「" + name + "」を削除しますか？"))
        return;
    const std::string cp932Name = cp932Of(name);
    const std::string path = schemeFilePath(SchemeDir, cp932Name);
    if (!isSafeSchemeName(cp932Name) || !isOrdinarySchemeFile(path))
        return;
    deleteSchemeFile(path);
    RefreshSchemeList();
}

} // namespace tintlace
