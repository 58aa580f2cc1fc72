#pragma once
// The main window. It holds the whole working state in its controls and a few fields, and
// every change ends in one call, Preview():
//
//   control change -> handler -> Preview() -> BuildCharTable() -> CharTable -> drawTextImage()
//                                 (returns at once while Updating is set)
//
// Outputs never recompute: the markup and the picture export read CharTable and TextImageBox
// as the last Preview() left them. The handlers are defined in several files by concern
// (layout, colour stops, preview, markup, schemes and settings, picture export).
#include "app/QtCanvas.h"
#include "engine/CharTable.h"
#include "image/TextImage.h"
#include "markup/MarkupOptions.h"
#include "platform/Bitmap.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QToolButton;

namespace tintlace {

class CodePageEdit;
class ColorPanel;
class PreviewImage;
class Services;
class TForm2;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `exeDir` is the folder of the settings file and the scheme folder (ending in "/").
    // `useSettingsFile` is false in batch mode, where no settings file is read or written.
    TForm1(Services& services, std::string exeDir, bool useSettingsFile = true);
    ~TForm1() override;

    // The first showing: loads the settings, refreshes the stops, clears Updating, draws.
    // Runs from the first showEvent; batch mode calls it directly on the hidden window.
    void FormShow();
    // Closing: writes the settings file.
    void FormClose();

    // The one redraw entry.
    void Preview();
    void BuildCharTable();

    // Handlers, named after the control and the event.
    void Edit1Change();
    void SpeedButton4Click();
    void CheckBox10Click();
    void CheckBox11Click();
    void ScrollBar1Change();
    void ScrollBar4Change();
    void ScrollBar7Change();
    void Panel11Click();
    void Panel12Click();
    void Panel13Click();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();
    void CheckBox1Click();
    void CheckBox9Click();
    void CheckBox12Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton1Click();
    void SpeedButton16Click();
    void ComboBox3Change();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void RefreshSchemeList();
    // Loads the scheme file at `path` (UTF-8): the body of ComboBox3Change, which batch mode
    // also runs for a scheme given by its path.
    void LoadScheme(const std::string& path);
    // Writes the picture that the preview shows inside TextImageBox to `path` (UTF-8), as PNG
    // or as 24-bit BMP. Throws UserError when there is no picture or the file fails.
    void exportPicture(const std::string& path, bool png);

    // TextImageBox as far as it lies inside the preview image: the picture the export writes.
    Rect pictureBox() const;
    // The font list entry of a bare font name (the entry itself, else the name marked "* "),
    // compared without regard to case; -1 when the list holds neither.
    int findFontEntry(const std::string& bareName) const;
    // Runs a handler so that an exception it raises is shown in one error box and the
    // program goes on; no exception ever reaches Qt's event loop.
    void guarded(const std::function<void()>& handler);

    // Read from the controls.
    PatternKind pattern() const;
    StyleKind style() const;
    void setPattern(PatternKind kind);
    void setStyle(StyleKind kind);
    // The nine slider positions ScrollBar1..ScrollBar9.
    std::array<int, 9> sliderPositions() const;
    void setSliderPositions(const std::array<int, 9>& positions);
    // Index 0: the HTML tab, 1: the style-sheet tab, 2: the graphic tab.
    int activeTab() const;
    const QImage& previewImage() const { return m_canvas.image(); }
    TForm2& aboutBox() { return *Form2; }
    // How many times Preview() has drawn (calls that passed the Updating guard).
    int drawCount() const { return m_drawCount; }

    // Fields of the window besides its controls.
    tintlace::CharTable CharTable;
    Color BackColor = 0;
    std::string ExeDir;
    std::string SchemeDir;
    Bitmap WorkBitmap{0, 0, PixelFormat::pf24bit};
    Rect TextImageBox;
    bool Updating = true;
    // The colour dialog opens on the colour last chosen in it by any button.
    Color DialogColor = 0;

    // Controls.
    QLabel* Panel1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton16;
    QComboBox* ComboBox3;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    CodePageEdit* Edit1;
    QCheckBox* CheckBox8;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QPushButton* Button1;
    std::array<QToolButton*, 4> PatternButtons; // SpeedButton4..SpeedButton7
    std::array<QToolButton*, 6> StyleButtons;   // SpeedButton8..SpeedButton13
    QComboBox* ComboBox4;
    QWidget* Panel14;
    PreviewImage* Image1;
    std::array<ColorPanel*, 3> StopPanels;      // Panel11, Panel12, Panel13
    std::array<QScrollBar*, 9> ScrollBars;      // ScrollBar1..ScrollBar9
    std::array<ColorPanel*, 9> ValuePanels;     // Panel2..Panel10
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox12;
    QPushButton* BitBtn1;
    QTabWidget* PageControl1;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox14;
    QPushButton* BitBtn2;
    QCheckBox* CheckBox15;
    QPushButton* BitBtn3;
    QCheckBox* CheckBox10;
    ColorPanel* Panel15;
    QPushButton* Button2;
    QCheckBox* CheckBox11;
    ColorPanel* Panel16;
    QPushButton* Button4;
    ColorPanel* Panel17;
    QPushButton* Button5;
    QCheckBox* CheckBox13;
    QToolButton* SpeedButton14;
    QToolButton* SpeedButton15;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void createControls();
    void connectHandlers();
    // Refreshes stop 0 (Left), 1 (Center) or 2 (Right) from its sliders, then Preview().
    void refreshStop(int stop);
    // Opens the colour dialog on the last colour; returns the colour when closed with OK.
    std::optional<Color> runColorDialog();
    void chooseStopColor(int stop);
    void chooseAutoMode(QCheckBox* clicked);
    std::string selectedFontEntry() const;
    MarkupOptions markupOptions() const;
    // Cuts TextImageBox out of the preview into WorkBitmap; false when there is no picture.
    bool cutPicture();
    void loadSettings();
    void saveSettings();

    Services& m_services;
    bool m_useSettingsFile;
    bool m_shown = false;
    int m_drawCount = 0;
    QtCanvas m_canvas;
    std::unique_ptr<TForm2> Form2;
    QButtonGroup* m_patternGroup;
    QButtonGroup* m_styleGroup;
};

} // namespace tintlace
