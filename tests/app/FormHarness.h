#pragma once
// A main window in a temporary executable folder, answered by FakeServices.
#include "FakeServices.h"

#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "platform/Cp932.h"

#include <QScrollBar>
#include <QTemporaryDir>

#include <array>
#include <fstream>
#include <memory>
#include <string>

namespace tintlace::testing {

// Red, green and blue of one colour stop: 0 Left, 1 Center, 2 Right.
using Rgb = std::array<int, 3>;

struct FormHarness {
    QTemporaryDir dir;
    FakeServices services;
    std::unique_ptr<TForm1> form;

    // The folder ends in "/", as the window expects.
    std::string exeDir() const { return dir.path().toStdString() + "/"; }

    // Creates the window; `show` runs the first showing as the event loop would.
    TForm1& open(bool show = true, bool useSettingsFile = true) {
        form = std::make_unique<TForm1>(services, exeDir(), useSettingsFile);
        if (show)
            form->FormShow();
        return *form;
    }

    // Closes and reopens the window on the same folder (the settings file survives).
    TForm1& reopen() {
        form->FormClose();
        form.reset();
        return open();
    }

    Rgb stop(int which) const {
        return {form->ScrollBars[which * 3]->value(), form->ScrollBars[which * 3 + 1]->value(),
                form->ScrollBars[which * 3 + 2]->value()};
    }
    void setStop(int which, const Rgb& rgb) {
        for (int channel = 0; channel < 3; ++channel)
            form->ScrollBars[which * 3 + channel]->setValue(rgb[channel]);
    }
    QString valuePanel(int i) const { return form->ValuePanels[i]->text(); }
};

// Program text (CP932) of a UTF-8 literal.
inline std::string cp932(const std::string& utf8) {
    return *utf8ToCp932(utf8);
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace tintlace::testing
