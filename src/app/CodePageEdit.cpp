#include "app/CodePageEdit.h"
#include "app/QtText.h"

#include "platform/Cp932.h"

#include <QApplication>
#include <QValidator>

namespace tintlace {

namespace {

// Emulates a byte-limited edit field: the inserted part of the new text is found by comparing
// it with the field's current text, and only that part is cut.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(CodePageEdit& edit) : QValidator(&edit), m_edit(edit) {}

    State validate(QString& input, int& pos) const override {
        std::optional<std::string> bytes = toCp932(input);
        if (!bytes) {
            QApplication::beep();
            return Invalid;
        }
        if (bytes->size() <= CodePageEdit::MaxBytes)
            return Acceptable;

        const QString& old = m_edit.acceptedText();
        qsizetype prefix = 0;
        while (prefix < old.size() && prefix < input.size() && old[prefix] == input[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < old.size() - prefix && suffix < input.size() - prefix &&
               old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        const QString head = input.left(prefix);
        const QString tail = input.right(suffix);
        const QString inserted = input.mid(prefix, input.size() - prefix - suffix);

        const std::size_t kept = toCp932(head + tail)->size();
        if (kept > CodePageEdit::MaxBytes) {
            QApplication::beep();
            return Invalid;
        }
        std::string cut =
            cutToBytes(*toCp932(inserted), CodePageEdit::MaxBytes - kept);
        const QString fitting = fromCp932(cut);
        QApplication::beep();
        input = head + fitting + tail;
        pos = static_cast<int>(head.size() + fitting.size());
        return Acceptable;
    }

private:
    CodePageEdit& m_edit;
};

} // namespace

CodePageEdit::CodePageEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_acceptedText = text; });
    setValidator(new CodePageValidator(*this)); // owned by this edit through the parent
}

std::string CodePageEdit::cp932Text() const {
    return toCp932(text()).value_or(std::string());
}

void CodePageEdit::setCp932Text(const std::string& text) {
    // Bytes that are not CP932 (a damaged scheme file) come back as U+FFFD, which has no CP932
    // form: the field would show text that cp932Text() cannot return and refuse all typing.
    // They are left out, so the field holds exactly the text the outputs use.
    QString shown = fromCp932(cutToBytes(text, MaxBytes));
    shown.remove(QChar(0xFFFD));
    setText(shown);
}

} // namespace tintlace
