#include "app/Form2.h"

#include "app/Services.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace tintlace {

namespace {

const char* const MailAddress = "tintlace@example.org";

// The banner of the information page: the program's name in its own colours.
QPixmap bannerPicture(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(0, 0, 128));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("Arial");
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    const QString name = "TINTLACE";
    const QColor colors[] = {{255, 255, 0}, {128, 255, 127}, {0, 255, 255},
                             {127, 128, 255}, {254, 1, 255}};
    QFontMetrics metrics(font);
    int x = (width - metrics.horizontalAdvance(name)) / 2;
    const int baseline = (height + metrics.ascent() - metrics.descent()) / 2;
    for (int i = 0; i < name.size(); ++i) {
        const QColor& c = colors[i * 5 / name.size()];
        painter.setPen(QColor(64, 64, 64));
        painter.drawText(x + 2, baseline + 2, name.mid(i, 1));
        painter.setPen(c);
        painter.drawText(x, baseline, name.mid(i, 1));
        x += metrics.horizontalAdvance(name.mid(i, 1));
    }
    return pixmap;
}

QLabel* linkLabel(QWidget* parent, const QString& caption, const QString& target,
                  Services& services) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, caption), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated,
                     [&services](const QString& link) { services.openWithDesktop(link); });
    return label;
}

} // namespace

TForm2::TForm2(QWidget* parent, Services& services, QString helpPage) : QDialog(parent) {
    setWindowTitle("About TINTLACE");
    setFixedSize(297, 277);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(0, 0, 297, 241);
    PageControl1->setStyleSheet("QTabBar::tab { width: 100px; }");

    auto* settingsPage = new QWidget;
    auto* GroupBox1 = new QGroupBox("表示", settingsPage);
    GroupBox1->setGeometry(8, 4, 273, 80);
    CheckBox1 = new QCheckBox("16進表記", settingsPage);
    CheckBox1->move(24, 24);
    CheckBox1->raise();
    CheckBox2 = new QCheckBox("位置の代わりに色値", GroupBox1);
    CheckBox2->move(16, 44);
    PageControl1->addTab(settingsPage, "設定");

    auto* infoPage = new QWidget;
    auto* banner = new QLabel(infoPage);
    banner->setGeometry(8, 8, 273, 60);
    banner->setPixmap(bannerPicture(273, 60));
    auto* about = new QLabel("TINTLACE 1.66\n文字列を一文字ずつ彩色するツール\n\n"
                             "作者: TINTLACE developers",
                             infoPage);
    about->setGeometry(8, 74, 273, 70);
    about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* home = linkLabel(infoPage, "ホームページ (ヘルプ)", helpPage, services);
    home->setGeometry(8, 150, 273, 20);
    home->setAlignment(Qt::AlignHCenter);
    auto* mail = linkLabel(infoPage, MailAddress, QString("mailto:") + MailAddress, services);
    mail->setGeometry(8, 174, 273, 20);
    mail->setAlignment(Qt::AlignHCenter);
    PageControl1->addTab(infoPage, "情報");

    auto* Button1 = new QPushButton("OK", this);
    Button1->setGeometry(111, 247, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tintlace
