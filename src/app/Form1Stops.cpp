// TForm1: the three colour stops, the colour dialog and the automatic stop modes.
#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Services.h"
#include "app/StopDisplay.h"

#include <QCheckBox>
#include <QScrollBar>

namespace tintlace {

namespace {
const char* const StopNames[3] = {"Left", "Center", "Right"};
}

void TForm1::refreshStop(int stop) {
    const int r = ScrollBars[stop * 3]->value();
    const int g = ScrollBars[stop * 3 + 1]->value();
    const int b = ScrollBars[stop * 3 + 2]->value();
    ColorPanel& panel = *StopPanels[stop];
    panel.setColor(makeColor(r, g, b));
    panel.setFontColor(stopIsLight(r, g, b) ? makeColor(0, 0, 0) : makeColor(255, 255, 255));
    const QString caption = QString::fromStdString(
        stopCaption(r, g, b, Form2->CheckBox2->isChecked(), StopNames[stop]));
    if (panel.text() != caption)
        panel.setText(caption);
    const bool hexadecimal = Form2->CheckBox1->isChecked();
    for (int channel = 0; channel < 3; ++channel)
        ValuePanels[stop * 3 + channel]->setText(QString::fromStdString(
            channelText(ScrollBars[stop * 3 + channel]->value(), hexadecimal)));
    Preview();
}

void TForm1::ScrollBar1Change() { refreshStop(0); }
void TForm1::ScrollBar4Change() { refreshStop(1); }
void TForm1::ScrollBar7Change() { refreshStop(2); }

std::optional<Color> TForm1::runColorDialog() {
    std::optional<Color> chosen = m_services.chooseColor(this, DialogColor);
    if (chosen)
        DialogColor = *chosen;
    return chosen;
}

void TForm1::chooseStopColor(int stop) {
    if (std::optional<Color> c = runColorDialog()) {
        ScrollBars[stop * 3]->setValue(colorRed(*c));
        ScrollBars[stop * 3 + 1]->setValue(colorGreen(*c));
        ScrollBars[stop * 3 + 2]->setValue(colorBlue(*c));
    }
    Preview();
}

void TForm1::Panel11Click() { chooseStopColor(0); }
void TForm1::Panel12Click() { chooseStopColor(1); }
void TForm1::Panel13Click() { chooseStopColor(2); }

void TForm1::Button1Click() {
    if (std::optional<Color> c = runColorDialog())
        BackColor = *c;
    Preview();
}

void TForm1::Button2Click() {
    if (std::optional<Color> c = runColorDialog())
        Panel15->setColor(*c);
    Preview();
}

void TForm1::Button4Click() {
    if (std::optional<Color> c = runColorDialog())
        Panel16->setColor(*c);
    Preview();
}

void TForm1::Button5Click() {
    if (std::optional<Color> c = runColorDialog())
        Panel17->setColor(*c);
    Preview();
}

// Checking one automatic box unchecks the other two; unchecking does nothing, so the stops
// keep the values the mode last gave them.
void TForm1::chooseAutoMode(QCheckBox* clicked) {
    if (!clicked->isChecked())
        return;
    for (QCheckBox* box : {CheckBox1, CheckBox9, CheckBox12})
        if (box != clicked)
            box->setChecked(false);
    Preview();
}

void TForm1::CheckBox1Click() { chooseAutoMode(CheckBox1); }
void TForm1::CheckBox9Click() { chooseAutoMode(CheckBox9); }
void TForm1::CheckBox12Click() { chooseAutoMode(CheckBox12); }

void TForm1::BitBtn1Click() {
    Updating = true;
    const int left[3] = {ScrollBars[0]->value(), ScrollBars[1]->value(), ScrollBars[2]->value()};
    for (int channel = 0; channel < 3; ++channel)
        ScrollBars[channel]->setValue(ScrollBars[6 + channel]->value());
    for (int channel = 0; channel < 3; ++channel)
        ScrollBars[6 + channel]->setValue(left[channel]);
    ScrollBars[0]->setFocus();
    Updating = false;
    Preview();
}

std::array<int, 9> TForm1::sliderPositions() const {
    std::array<int, 9> positions{};
    for (int i = 0; i < 9; ++i)
        positions[i] = ScrollBars[i]->value();
    return positions;
}

void TForm1::setSliderPositions(const std::array<int, 9>& positions) {
    for (int i = 0; i < 9; ++i)
        ScrollBars[i]->setValue(positions[i]);
}

} // namespace tintlace
