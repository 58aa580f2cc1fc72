// The preview redraw (character table, background, text with shadow and edge) on the Qt
// canvas, beside the bare cost of the same glyph draws made straight on a QImage.
#include "app/CodePageEdit.h"
#include "app/FontSetup.h"
#include "app/Form1.h"
#include "app/QtServices.h"
#include "app/QtCanvas.h"
#include "engine/BuildCharTable.h"
#include "image/TextImage.h"
#include "platform/Cp932.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QComboBox>
#include <QPainter>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace tintlace {
namespace {

const Color Back = 0xFFFFFF;
const Color Left = makeColor(255, 0, 0);
const Color Center = makeColor(255, 200, 0);
const Color Right = makeColor(0, 0, 255);

struct Scenario {
    std::string text; // CP932
    StyleKind style;
    TextImageOptions options;
};

Scenario defaultText() {
    TextImageOptions o;
    o.htmlTab = true;
    o.face = previewFaceName(0, "");
    return {"Hello World Wide Web ! (^-^)/", StyleKind::NoStyle, o};
}

// 255 bytes of mixed single- and double-byte characters on the graphic tab, shadow and edge
// on: six glyph draws per character.
Scenario longGraphicText() {
    std::string text;
    const std::string piece = *utf8ToCp932("Hello あいうえお World ");
    while (text.size() < 255)
        text += piece;
    TextImageOptions o;
    o.graphicTab = true;
    o.shadow = o.edge = true;
    o.face = previewFaceName(0, "");
    return {cutToBytes(text, 255), StyleKind::Wide, o};
}

void preview(QtCanvas& canvas, CharTable& table, const Scenario& s) {
    buildCharTable(table, s.text, PatternKind::Gradation, s.style, 6, 3, Left, Center, Right);
    canvas.fillRect(Rect{0, 0, PreviewImageWidth, PreviewImageHeight}, Back);
    benchmark::DoNotOptimize(drawTextImage(canvas, table, s.options));
}

// One glyph draw as the renderer makes it, with its font and text already converted.
struct GlyphDraw {
    QFont font;
    QPoint baseline;
    QString text;
    QColor color;
};

// Records the renderer's draws, so the bare run repeats exactly the same ones.
class DrawRecorder : public Canvas {
public:
    std::vector<GlyphDraw> draws;

    void fillRect(const Rect&, Color) override {}
    void setFont(const FontSpec& f) override {
        m_font = QFont(QString::fromStdString(cp932ToUtf8(f.face)));
        m_font.setPixelSize(static_cast<int>(std::lround(f.pointSize * 96 / 72.0)));
        m_font.setBold(f.bold);
        m_font.setItalic(f.italic);
        m_metrics = std::make_unique<QFontMetrics>(m_font);
    }
    int textHeight(std::string_view) override { return m_metrics->height(); }
    int textOut(int x, int y, std::string_view cp932, Color color) override {
        QString text = QString::fromStdString(cp932ToUtf8(cp932));
        draws.push_back({m_font, QPoint(x, y + m_metrics->ascent()), text, toQColor(color)});
        return m_metrics->horizontalAdvance(text);
    }
    void dottedRect(const Rect&, Color) override {}

private:
    QFont m_font;
    std::unique_ptr<QFontMetrics> m_metrics;
};

void BM_Preview(benchmark::State& state, Scenario (*make)()) {
    const Scenario s = make();
    QtCanvas canvas;
    CharTable table;
    for (auto _ : state) {
        preview(canvas, table, s);
        benchmark::ClobberMemory();
    }
    state.counters["chars"] = table.Count;
}

void BM_BareGlyphDraws(benchmark::State& state, Scenario (*make)()) {
    const Scenario s = make();
    CharTable table;
    buildCharTable(table, s.text, PatternKind::Gradation, s.style, 6, 3, Left, Center, Right);
    DrawRecorder recorder;
    drawTextImage(recorder, table, s.options);
    QImage image(PreviewImageWidth, PreviewImageHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : state) {
        painter.fillRect(QRect(0, 0, PreviewImageWidth, PreviewImageHeight), toQColor(Back));
        for (const GlyphDraw& d : recorder.draws) {
            painter.setFont(d.font);
            painter.setPen(d.color);
            painter.drawText(d.baseline, d.text);
        }
        benchmark::ClobberMemory();
    }
    state.counters["draws"] = static_cast<double>(recorder.draws.size());
}

// The window's own Preview: the same work plus reading the controls and the automatic stops.
void BM_WindowPreview(benchmark::State& state, Scenario (*make)()) {
    const Scenario s = make();
    QtServices services;
    TForm1 form(services, "/tmp/", /*useSettingsFile=*/false);
    form.FormShow();
    form.Edit1->setCp932Text(s.text);
    form.PageControl1->setCurrentIndex(s.options.graphicTab ? 2 : 0);
    form.setStyle(s.style);
    form.ComboBox4->setCurrentIndex(2);
    for (auto _ : state) {
        form.Preview();
        benchmark::ClobberMemory();
    }
    state.counters["chars"] = form.CharTable.Count;
}

BENCHMARK_CAPTURE(BM_WindowPreview, DefaultText, defaultText)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowPreview, Graphic255Bytes, longGraphicText)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Preview, DefaultText, defaultText)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BareGlyphDraws, DefaultText, defaultText)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Preview, Graphic255Bytes, longGraphicText)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BareGlyphDraws, Graphic255Bytes, longGraphicText)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tintlace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    tintlace::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
