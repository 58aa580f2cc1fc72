// TForm1: the HTML and style-sheet markup put on the clipboard.
#include "app/CodePageEdit.h"
#include "app/Form1.h"
#include "app/Services.h"
#include "markup/HtmlTags.h"
#include "markup/StyleSpans.h"

#include <QCheckBox>
#include <QComboBox>

namespace tintlace {

MarkupOptions TForm1::markupOptions() const {
    MarkupOptions options;
    options.editText = Edit1->cp932Text();
    options.fontChosen = ComboBox1->currentIndex() != 0;
    options.fontEntry = selectedFontEntry();
    options.sizeText = ComboBox2->currentText().toStdString();
    options.noStyle = style() == StyleKind::NoStyle;
    options.bold = CheckBox2->isChecked();
    options.italic = CheckBox3->isChecked();
    options.linePerChar = CheckBox5->isChecked();
    options.finalBreak = CheckBox6->isChecked();
    options.lowerCase = CheckBox4->isChecked();
    options.comment = CheckBox7->isChecked();
    options.noQuotes = CheckBox14->isChecked();
    options.usePoints = CheckBox15->isChecked();
    return options;
}

void TForm1::BitBtn2Click() {
    m_services.setClipboardText(buildHtmlTags(CharTable, markupOptions()));
    m_services.beep();
}

void TForm1::BitBtn3Click() {
    m_services.setClipboardText(buildStyleSpans(CharTable, markupOptions()));
    m_services.beep();
}

} // namespace tintlace
