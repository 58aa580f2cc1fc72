#pragma once
// The text field: it holds only text that code page 932 can represent, at most 255 bytes of it.
// A character without a CP932 form is refused with a beep; an insertion that would pass the
// limit is cut on a character boundary so that the whole fits.
#include <QLineEdit>

#include <string>

namespace tintlace {

class CodePageEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr std::size_t MaxBytes = 255;

    explicit CodePageEdit(QWidget* parent);

    // The text as CP932 bytes.
    std::string cp932Text() const;
    // Sets the text from CP932 bytes, cut to the limit on a character boundary; bytes that are
    // not valid CP932 are left out.
    void setCp932Text(const std::string& text);
    // The text before the edit that is being validated: while an edit is validated, text()
    // already holds the edited text.
    const QString& acceptedText() const { return m_acceptedText; }

private:
    QString m_acceptedText;
};

} // namespace tintlace
