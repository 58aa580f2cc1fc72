// TForm1: the options and the window position kept in the settings file.
#include "app/Form1.h"
#include "app/Form2.h"
#include "store/Settings.h"

#include <QCheckBox>

namespace tintlace {

namespace {
std::string settingsPath(const std::string& exeDir) { return exeDir + "tintlace.ini"; }
} // namespace

// Runs while Updating is still set. Setting the three automatic boxes in reading order runs
// their handlers, so when the file marks several of them the last one read stays checked.
void TForm1::loadSettings() {
    const Settings s = readSettings(settingsPath(ExeDir));
    move(s.X, s.Y);
    CheckBox9->setChecked(s.OnlyLeft);
    CheckBox1->setChecked(s.AutoCenter);
    CheckBox12->setChecked(s.AutoRight);
    CheckBox5->setChecked(s.Return);
    CheckBox6->setChecked(s.ReturnLast);
    CheckBox4->setChecked(s.Small);
    CheckBox7->setChecked(s.Comment);
    CheckBox14->setChecked(s.UseQuotation);
    CheckBox15->setChecked(s.UsePoint);
    CheckBox13->setChecked(s.UsePNG);
    Form2->CheckBox1->setChecked(s.Use16);
    Form2->CheckBox2->setChecked(s.ColorValue);
}

void TForm1::saveSettings() {
    Settings s;
    s.X = pos().x();
    s.Y = pos().y();
    s.OnlyLeft = CheckBox9->isChecked();
    s.AutoCenter = CheckBox1->isChecked();
    s.AutoRight = CheckBox12->isChecked();
    s.Return = CheckBox5->isChecked();
    s.ReturnLast = CheckBox6->isChecked();
    s.Small = CheckBox4->isChecked();
    s.Comment = CheckBox7->isChecked();
    s.UseQuotation = CheckBox14->isChecked();
    s.UsePoint = CheckBox15->isChecked();
    s.UsePNG = CheckBox13->isChecked();
    s.Use16 = Form2->CheckBox1->isChecked();
    s.ColorValue = Form2->CheckBox2->isChecked();
    writeSettings(settingsPath(ExeDir), s);
}

void TForm1::FormClose() {
    if (m_useSettingsFile)
        saveSettings();
}

} // namespace tintlace
