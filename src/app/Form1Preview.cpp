// TForm1: the change cycle, the character table and the preview drawing.
#include "app/ClearOnExit.h"
#include "app/QtText.h"
#include "app/CodePageEdit.h"
#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "app/PreviewImage.h"
#include "engine/BuildCharTable.h"
#include "engine/StopModes.h"
#include "platform/Cp932.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QToolButton>

namespace tintlace {

void TForm1::FormShow() {
    m_shown = true;
    {
        ClearOnExit clear(Updating);
        if (m_useSettingsFile)
            loadSettings();
        ScrollBar1Change();
        ScrollBar4Change();
        ScrollBar7Change();
    }
    Preview();
}

void TForm1::Edit1Change() { Preview(); }
void TForm1::SpeedButton4Click() { Preview(); }
void TForm1::CheckBox10Click() { Preview(); }
void TForm1::CheckBox11Click() { Preview(); }

void TForm1::Preview() {
    if (Updating)
        return;
    TextImageBox = Rect{0, 45, 0, 0};
    ComboBox4->setEnabled(style() != StyleKind::NoStyle);
    m_canvas.fillRect(Rect{0, 0, PreviewImageWidth, PreviewImageHeight}, BackColor);
    BuildCharTable();

    TextImageOptions options;
    options.htmlTab = activeTab() == 0;
    options.graphicTab = activeTab() == 2;
    options.bold = CheckBox2->isChecked();
    options.italic = CheckBox3->isChecked();
    options.shadow = CheckBox10->isChecked();
    options.edge = CheckBox11->isChecked();
    options.face = previewFaceName(ComboBox1->currentIndex(), selectedFontEntry());
    options.shadowColor = Panel15->color();
    options.lightEdgeColor = Panel16->color();
    options.darkEdgeColor = Panel17->color();
    TextImageBox = drawTextImage(m_canvas, CharTable, options);
    ++m_drawCount;
    Image1->update();
}

void TForm1::BuildCharTable() {
    {
        // The generated stops move the sliders; their handlers refresh the panels but the
        // nested Preview calls return at once.
        Updating = true;
        ClearOnExit clear(Updating);
        setSliderPositions(applyAutoStopModes(sliderPositions(), CheckBox1->isChecked(),
                                              CheckBox9->isChecked(), CheckBox12->isChecked()));
    }
    buildCharTable(CharTable, Edit1->cp932Text(), pattern(), style(),
                   ComboBox2->currentText().toInt(), ComboBox4->currentText().toInt(),
                   StopPanels[0]->color(), StopPanels[1]->color(), StopPanels[2]->color());
}

PatternKind TForm1::pattern() const {
    return static_cast<PatternKind>(std::max(0, m_patternGroup->checkedId()));
}

StyleKind TForm1::style() const {
    return static_cast<StyleKind>(std::max(0, m_styleGroup->checkedId()));
}

void TForm1::setPattern(PatternKind kind) { PatternButtons[static_cast<int>(kind)]->setChecked(true); }
void TForm1::setStyle(StyleKind kind) { StyleButtons[static_cast<int>(kind)]->setChecked(true); }

int TForm1::activeTab() const { return PageControl1->currentIndex(); }

std::string TForm1::selectedFontEntry() const {
    return toCp932(ComboBox1->currentText()).value_or(std::string());
}

} // namespace tintlace
