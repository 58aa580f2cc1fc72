#include "app/BatchMode.h"

#include "app/Application.h"
#include "app/BatchOptions.h"
#include "app/CodePageEdit.h"
#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "app/Services.h"
#include "platform/Cp932.h"
#include "store/SchemeFile.h"
#include "store/SchemeFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QTabWidget>

#include <iostream>

namespace tintlace {

namespace {

// Services of a window nobody sees: the clipboard text is kept for standard output, dialogs
// are never needed, errors are raised to the batch run.
class BatchServices : public Services {
public:
    std::optional<Color> chooseColor(QWidget*, Color) override { return std::nullopt; }
    int showModal(QDialog&) override { return 0; }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void showError(QWidget*, const QString& message) override {
        throw std::runtime_error(message.toStdString());
    }
    void showInformation(QWidget*, const QString& message) override {
        throw std::runtime_error(message.toStdString());
    }
    void beep() override {}
    void setClipboardText(const std::string& cp932Text) override { clipboardText = cp932Text; }
    void setClipboardImage(const QImage&) override {}
    void openWithDesktop(const QString&) override {}
    std::string desktopFolder() override { return "./"; }

    std::optional<std::string> clipboardText;
};

// Batch mode's standard error holds its own one-line messages only; Qt's diagnostics about
// the environment (no runtime folder, no display) would read as failures to a script.
void dropQtDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << "tintlace: " << message.toStdString() << '\n';
        std::abort();
    }
}

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void setStop(TForm1& form, int stop, Color color) {
    form.ScrollBars[stop * 3]->setValue(colorRed(color));
    form.ScrollBars[stop * 3 + 1]->setValue(colorGreen(color));
    form.ScrollBars[stop * 3 + 2]->setValue(colorBlue(color));
}

void loadScheme(TForm1& form, const std::string& scheme) {
    std::string path;
    if (scheme.find('/') != std::string::npos) {
        path = scheme;
    } else {
        std::optional<std::string> name = utf8ToCp932(scheme);
        if (!name || !isSafeSchemeName(*name))
            throw BatchUsageError("'" + scheme + "' is not a scheme name");
        path = schemeFilePath(form.SchemeDir, *name);
    }
    if (!isOrdinarySchemeFile(path))
        throw BatchUsageError("no colour scheme at " + path);
    form.LoadScheme(path);
}

void selectFont(TForm1& form, const std::string& font) {
    const int index = form.findFontEntry(font);
    if (index < 0)
        throw BatchUsageError("the font list holds no font '" + cp932ToUtf8(font) + "'");
    form.ComboBox1->setCurrentIndex(index);
}

// Sets the controls as a user would, in the order of the window, then draws once.
void applyRequest(TForm1& form, const BatchRequest& r) {
    if (r.scheme)
        loadScheme(form, *r.scheme);
    if (r.output == BatchOutput::Css)
        form.PageControl1->setCurrentIndex(1);
    if (r.output == BatchOutput::Png || r.output == BatchOutput::Bmp)
        form.PageControl1->setCurrentIndex(2);
    if (r.text)
        form.Edit1->setCp932Text(*r.text);
    if (r.font)
        selectFont(form, *r.font);
    if (r.size)
        form.ComboBox2->setCurrentIndex(*r.size - 1);
    if (r.bold)
        form.CheckBox2->setChecked(true);
    if (r.italic)
        form.CheckBox3->setChecked(true);
    if (r.pattern)
        form.setPattern(*r.pattern);
    if (r.style)
        form.setStyle(*r.style);
    if (r.amount)
        form.ComboBox4->setCurrentIndex(*r.amount - 1);
    if (r.left)
        setStop(form, 0, *r.left);
    if (r.center)
        setStop(form, 1, *r.center);
    if (r.right)
        setStop(form, 2, *r.right);
    if (r.background)
        form.BackColor = *r.background;
    switch (r.autoMode) {
    case AutoMode::AutoCenter: form.CheckBox1->setChecked(true); break;
    case AutoMode::Rainbow: form.CheckBox9->setChecked(true); break;
    case AutoMode::RightFollowsLeft: form.CheckBox12->setChecked(true); break;
    case AutoMode::None: break;
    }
    if (r.linePerChar)
        form.CheckBox5->setChecked(true);
    if (r.noFinalBreak)
        form.CheckBox6->setChecked(false);
    if (r.upperCaseTags)
        form.CheckBox4->setChecked(false);
    if (r.comment)
        form.CheckBox7->setChecked(true);
    if (r.noQuotes)
        form.CheckBox14->setChecked(true);
    if (r.points)
        form.CheckBox15->setChecked(true);
    if (r.shadow)
        form.CheckBox10->setChecked(*r.shadow);
    if (r.edge)
        form.CheckBox11->setChecked(*r.edge);
    if (r.shadowColor)
        form.Panel15->setColor(*r.shadowColor);
    if (r.lightEdgeColor)
        form.Panel16->setColor(*r.lightEdgeColor);
    if (r.darkEdgeColor)
        form.Panel17->setColor(*r.darkEdgeColor);
    form.Preview();
}

int runRequest(const BatchRequest& request) {
    BatchServices services;
    TForm1 form(services, applicationExeDir(), /*useSettingsFile=*/false);
    form.FormShow();
    applyRequest(form, request);
    switch (request.output) {
    case BatchOutput::Html: form.BitBtn2Click(); break;
    case BatchOutput::Css: form.BitBtn3Click(); break;
    case BatchOutput::Png: form.exportPicture(request.outputFile, true); return 0;
    case BatchOutput::Bmp: form.exportPicture(request.outputFile, false); return 0;
    case BatchOutput::Help: break;
    }
    const std::string& text = services.clipboardText.value();
    const std::string bytes = request.cp932Output ? text : cp932ToUtf8(text);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return 0;
}

} // namespace

bool isBatchInvocation(int argc, char** argv) { return isBatchArguments(arguments(argc, argv)); }

int runBatch(int argc, char** argv) {
    BatchRequest request;
    try {
        request = parseBatchArguments(arguments(argc, argv));
    } catch (const BatchUsageError& error) {
        std::cerr << "tintlace: " << error.what() << '\n';
        return 2;
    }
    if (request.output == BatchOutput::Help) {
        std::cout << batchHelpText();
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropQtDiagnostics);
    QApplication app(argc, argv);
    setUpApplication(app);
    try {
        return runRequest(request);
    } catch (const std::exception& error) {
        std::cerr << "tintlace: " << error.what() << '\n';
        return 2;
    }
}

} // namespace tintlace
