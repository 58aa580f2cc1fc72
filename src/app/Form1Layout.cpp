// TForm1: creation of the controls with their defaults, their places, and their handlers.
#include "app/ButtonIcons.h"
#include "app/QtText.h"
#include "app/CodePageEdit.h"
#include "app/ColorPanel.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/PreviewImage.h"
#include "app/Services.h"
#include "markup/FontNames.h"
#include "platform/Cp932.h"
#include "store/ExeDir.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

namespace tintlace {

namespace {

QLabel* label(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    return l;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, int x, int y, bool checked = false) {
    auto* box = new QCheckBox(text, parent);
    box->move(x, y);
    box->setChecked(checked);
    return box;
}

QPushButton* button(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, h);
    return b;
}

QToolButton* speedButton(QWidget* parent, int x, int y, int w, int h, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setGeometry(x, y, w, h);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setIconSize(QSize(w - 4, h - 4));
    return b;
}

QComboBox* digitList(QWidget* parent, int last, int x, int y, const QString& hint) {
    auto* box = new QComboBox(parent);
    for (int i = 1; i <= last; ++i)
        box->addItem(QString::number(i));
    box->setGeometry(x, y, 44, 22);
    box->setToolTip(hint);
    return box;
}

QFont arialFont(int pixelSize, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The installed families, as CP932 names (families that CP932 cannot name are left out,
// since they could not be written into markup or scheme files).
std::vector<std::string> installedFamilies() {
    std::vector<std::string> names;
    for (QString family : QFontDatabase::families()) {
        const qsizetype foundry = family.indexOf(" [");
        if (foundry > 0 && family.endsWith(']'))
            family.truncate(foundry);
        if (auto name = toCp932(family))
            names.push_back(*name);
    }
    return names;
}

} // namespace

TForm1::TForm1(Services& services, std::string exeDir, bool useSettingsFile)
    : ExeDir(std::move(exeDir)), m_services(services), m_useSettingsFile(useSettingsFile) {
    setWindowTitle("TINTLACE");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(489, 410);
    QFont windowFont("ＭＳ Ｐゴシック");
    windowFont.setPixelSize(12);
    setFont(windowFont);

    createControls();
    FormCreate();
    Form2 = std::make_unique<TForm2>(this, m_services,
                                     QString::fromStdString(ExeDir + "help/tintlace.html"));
    connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    Updating = true;
    WorkBitmap = Bitmap(0, 0, PixelFormat::pf24bit);
    ComboBox2->setCurrentIndex(5);
    ComboBox4->setCurrentIndex(4);
    BackColor = 0;
    SchemeDir = schemeDirFor(ExeDir);
    for (const std::string& entry : buildFontList(installedFamilies()))
        ComboBox1->addItem(fromCp932(entry));
    ComboBox3->setEditText("新規配色");
    ComboBox1->setCurrentIndex(0);
    RefreshSchemeList();
}

void TForm1::createControls() {
    // Title band.
    Panel1 = new QLabel("TINTLACE 1.66     ", this);
    Panel1->setGeometry(0, 0, 489, 36);
    Panel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Panel1->setContentsMargins(0, 0, 48, 0); // room for the two buttons at the right end
    Panel1->setFont(arialFont(21, true));
    Panel1->setStyleSheet("QLabel { background: #000080; color: white; }");
    SpeedButton1 = speedButton(this, 6, 6, 24, 24, "現在の配色を保存します");
    SpeedButton16 = speedButton(this, 32, 6, 24, 24, "現在の配色を削除します");
    ComboBox3 = new QComboBox(this);
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: typing "a" must load the scheme "a", not complete it to "ab".
    ComboBox3->setCompleter(nullptr);
    ComboBox3->setGeometry(60, 7, 150, 22);
    ComboBox3->setToolTip("配色設定ファイル名です");
    SpeedButton2 = speedButton(this, 438, 8, 20, 20, "詳細情報の表示");
    SpeedButton3 = speedButton(this, 460, 8, 20, 20, "ヘルプの表示");
    SpeedButton1->setIcon(toolIcon(ToolIcon::SaveScheme));
    SpeedButton16->setIcon(toolIcon(ToolIcon::DeleteScheme));
    SpeedButton2->setIcon(toolIcon(ToolIcon::About));
    SpeedButton3->setIcon(toolIcon(ToolIcon::Help));

    // Text and font.
    label(this, "表示する文字列：", 8, 42);
    Edit1 = new CodePageEdit(this);
    Edit1->setGeometry(8, 58, 412, 22);
    Edit1->setText("Hello World Wide Web ! (^-^)/");
    CheckBox8 = checkBox(this, "固定", 428, 60);
    CheckBox8->setToolTip("文字の設定をロードしません");
    label(this, "フォント設定：", 8, 86);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(8, 102, 196, 22);
    ComboBox1->setMaxVisibleItems(15);
    ComboBox2 = digitList(this, 7, 210, 102, "文字の大きさ");
    CheckBox2 = checkBox(this, "太字", 262, 105);
    CheckBox3 = checkBox(this, "斜体", 312, 105);
    Button1 = button(this, "背景色設定", 374, 101, 107, 24);
    Button1->setToolTip("背景色を変更します");

    // Pattern and style.
    label(this, "パターン：", 8, 136)->setToolTip("彩色パターンを決定します");
    const char* patternHints[] = {"グラデーション", "インパクト", "３色ネオン", "２色ネオン"};
    m_patternGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        PatternButtons[i] = speedButton(this, 64 + i * 27, 130, 26, 26, patternHints[i]);
        PatternButtons[i]->setCheckable(true);
        PatternButtons[i]->setIcon(patternIcon(static_cast<PatternKind>(i)));
        m_patternGroup->addButton(PatternButtons[i], i);
    }
    label(this, "スタイル：", 182, 136)->setToolTip("スタイルを決定します");
    const char* styleHints[] = {"スタイルなし", "インパクト", "スモール", "ビッグ", "ワイド", "トップ"};
    m_styleGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        StyleButtons[i] = speedButton(this, 236 + i * 27, 130, 26, 26, styleHints[i]);
        StyleButtons[i]->setCheckable(true);
        StyleButtons[i]->setIcon(styleIcon(static_cast<StyleKind>(i)));
        m_styleGroup->addButton(StyleButtons[i], i);
    }
    PatternButtons[0]->setChecked(true);
    StyleButtons[0]->setChecked(true);
    ComboBox4 = digitList(this, 6, 437, 132, "スタイルの適用量です");

    // Preview: an 800 x 65 image of which the panel shows the top-left part.
    Panel14 = new QWidget(this);
    Panel14->setGeometry(8, 162, 473, 57);
    Panel14->setToolTip("実際に表示される画面のプレヴューです");
    Panel14->setAutoFillBackground(true);
    Image1 = new PreviewImage(Panel14, m_canvas.image());
    Image1->setGeometry(1, 1, 800, 65);
    auto* frame = new QLabel(this); // the lowered bevel drawn over the panel's edge
    frame->setGeometry(7, 161, 475, 59);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Colour stops: three columns of a stop panel over three sliders with value panels.
    const char* stopNames[] = {"Left", "Center", "Right"};
    const char* stopHints[] = {"開始色、クリックで直接編集", "中間色、クリックで直接編集",
                               "終了色、クリックで直接編集"};
    const int startValues[9] = {255, 255, 0, 0, 255, 255, 255, 0, 255};
    for (int stop = 0; stop < 3; ++stop) {
        const int x = 8 + stop * 122;
        StopPanels[stop] = new ColorPanel(this);
        StopPanels[stop]->setGeometry(x, 226, 116, 26);
        StopPanels[stop]->setText(stopNames[stop]);
        StopPanels[stop]->setFont(arialFont(16, true));
        StopPanels[stop]->setToolTip(stopHints[stop]);
        StopPanels[stop]->setCursor(Qt::PointingHandCursor);
        for (int channel = 0; channel < 3; ++channel) {
            const int i = stop * 3 + channel;
            const int y = 256 + channel * 18;
            ScrollBars[i] = new QScrollBar(Qt::Horizontal, this);
            ScrollBars[i]->setRange(0, 255);
            ScrollBars[i]->setPageStep(10);
            ScrollBars[i]->setGeometry(x, y, 80, 16);
            ScrollBars[i]->setValue(startValues[i]);
            ValuePanels[i] = new ColorPanel(this, 0);
            ValuePanels[i]->setGeometry(x + 83, y, 33, 16);
            ValuePanels[i]->setFontColor(makeColor(255, 255, 255));
            ValuePanels[i]->setFont(arialFont(11, true));
            ValuePanels[i]->setText("000");
        }
    }
    BitBtn1 = button(this, "Exchange", 376, 226, 105, 26);
    BitBtn1->setToolTip("左右の配色を逆転します");
    BitBtn1->setIcon(toolIcon(ToolIcon::Exchange));
    CheckBox1 = checkBox(this, "Center は自動で中間色", 8, 312);
    CheckBox1->setToolTip("Centerは自動でLeftとRightの中間色になります");
    CheckBox9 = checkBox(this, "Center＆Right 自動生成", 166, 312);
    CheckBox9->setToolTip(
        "Leftのみの操作で虹色になるようにCenterとRightを自動で生成します");
    CheckBox12 = checkBox(this, "Rightは自動でLeftと同色", 326, 312);
    CheckBox12->setToolTip("Rightは自動的にLeftと同じ色になります");

    // Output tabs.
    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(4, 334, 481, 74);
    PageControl1->setStyleSheet("QTabBar::tab { width: 100px; font-weight: bold; }");

    auto* TabSheet1 = new QWidget;
    CheckBox5 = checkBox(TabSheet1, "一文字毎に改行", 6, 4);
    CheckBox6 = checkBox(TabSheet1, "最後に改行タグ", 112, 4, true);
    CheckBox4 = checkBox(TabSheet1, "タグは小文字", 218, 4, true);
    CheckBox7 = checkBox(TabSheet1, "注釈を入れる", 6, 24);
    CheckBox14 = checkBox(TabSheet1, "「”」を使わない", 112, 24);
    BitBtn2 = button(TabSheet1, "クリップボードにコピー", 318, 6, 154, 36);
    BitBtn2->setToolTip("HTMLタグをWindowsのクリップボードに書き出します");
    BitBtn2->setIcon(toolIcon(ToolIcon::CopyMarkup));
    PageControl1->addTab(TabSheet1, "ＨＴＭＬタグ");

    auto* TabSheet2 = new QWidget;
    CheckBox15 = checkBox(TabSheet2, "pt（ポイント）で指定", 6, 4);
    label(TabSheet2, "※その他のタグ設定はｈｔｍｌと同じ条件になります", 6, 26);
    BitBtn3 = button(TabSheet2, "クリップボードにコピー", 318, 6, 154, 36);
    BitBtn3->setToolTip("CSSタグをWindowsのクリップボードに書き出します");
    BitBtn3->setIcon(toolIcon(ToolIcon::CopyMarkup));
    PageControl1->addTab(TabSheet2, "スタイルシート");

    auto* TabSheet3 = new QWidget;
    CheckBox10 = checkBox(TabSheet3, "影を落とす", 6, 4, true);
    Panel15 = new ColorPanel(TabSheet3, 0x808080);
    Panel15->setGeometry(92, 4, 22, 16);
    Button2 = button(TabSheet3, "色設定", 118, 2, 54, 20);
    CheckBox11 = checkBox(TabSheet3, "縁飾り", 6, 24, true);
    Panel16 = new ColorPanel(TabSheet3, 0xFFFFFF);
    Panel16->setGeometry(92, 24, 22, 16);
    Button4 = button(TabSheet3, "色指定", 118, 22, 54, 20);
    Panel17 = new ColorPanel(TabSheet3, 0x606060);
    Panel17->setGeometry(178, 24, 22, 16);
    Button5 = button(TabSheet3, "色指定", 204, 22, 54, 20);
    CheckBox13 = checkBox(TabSheet3, "PNG形式で保存", 270, 4, true);
    SpeedButton14 = speedButton(TabSheet3, 384, 4, 38, 36,
                                "ビットマップ形式のファイルをデスクトップに書き出します");
    SpeedButton15 = speedButton(TabSheet3, 428, 4, 38, 36,
                                "画像形式でWindowsのクリップボードにコピーします");
    SpeedButton14->setIcon(toolIcon(ToolIcon::WritePicture));
    SpeedButton15->setIcon(toolIcon(ToolIcon::CopyPicture));
    PageControl1->addTab(TabSheet3, "グラフィック");
    PageControl1->setCurrentIndex(0);
}

void TForm1::connectHandlers() {
    auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    on(Edit1, &QLineEdit::textChanged, &TForm1::Edit1Change);
    on(ComboBox1, &QComboBox::activated, &TForm1::Edit1Change);
    on(ComboBox2, &QComboBox::activated, &TForm1::Edit1Change);
    on(ComboBox4, &QComboBox::activated, &TForm1::Edit1Change);
    on(CheckBox2, &QCheckBox::toggled, &TForm1::Edit1Change);
    on(CheckBox3, &QCheckBox::toggled, &TForm1::Edit1Change);
    on(PageControl1, &QTabWidget::currentChanged, &TForm1::Edit1Change);
    on(m_patternGroup, &QButtonGroup::idClicked, &TForm1::SpeedButton4Click);
    on(m_styleGroup, &QButtonGroup::idClicked, &TForm1::SpeedButton4Click);
    on(CheckBox10, &QCheckBox::toggled, &TForm1::CheckBox10Click);
    on(CheckBox11, &QCheckBox::toggled, &TForm1::CheckBox11Click);

    void (TForm1::*const stopHandlers[3])() = {&TForm1::ScrollBar1Change, &TForm1::ScrollBar4Change,
                                               &TForm1::ScrollBar7Change};
    for (int i = 0; i < 9; ++i)
        on(ScrollBars[i], &QScrollBar::valueChanged, stopHandlers[i / 3]);
    on(StopPanels[0], &ColorPanel::clicked, &TForm1::Panel11Click);
    on(StopPanels[1], &ColorPanel::clicked, &TForm1::Panel12Click);
    on(StopPanels[2], &ColorPanel::clicked, &TForm1::Panel13Click);
    on(Button1, &QPushButton::clicked, &TForm1::Button1Click);
    on(Button2, &QPushButton::clicked, &TForm1::Button2Click);
    on(Button4, &QPushButton::clicked, &TForm1::Button4Click);
    on(Button5, &QPushButton::clicked, &TForm1::Button5Click);
    on(CheckBox1, &QCheckBox::toggled, &TForm1::CheckBox1Click);
    on(CheckBox9, &QCheckBox::toggled, &TForm1::CheckBox9Click);
    on(CheckBox12, &QCheckBox::toggled, &TForm1::CheckBox12Click);
    on(BitBtn1, &QPushButton::clicked, &TForm1::BitBtn1Click);
    on(BitBtn2, &QPushButton::clicked, &TForm1::BitBtn2Click);
    on(BitBtn3, &QPushButton::clicked, &TForm1::BitBtn3Click);
    on(SpeedButton1, &QToolButton::clicked, &TForm1::SpeedButton1Click);
    on(SpeedButton16, &QToolButton::clicked, &TForm1::SpeedButton16Click);
    on(ComboBox3, &QComboBox::textActivated, &TForm1::ComboBox3Change);
    on(ComboBox3->lineEdit(), &QLineEdit::textEdited, &TForm1::ComboBox3Change);
    on(SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    on(SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
    on(SpeedButton14, &QToolButton::clicked, &TForm1::SpeedButton14Click);
    on(SpeedButton15, &QToolButton::clicked, &TForm1::SpeedButton15Click);
}

void TForm1::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        m_services.showError(this, QString::fromUtf8(error.what()));
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown)
        guarded([this] { FormShow(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    guarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}

} // namespace tintlace
