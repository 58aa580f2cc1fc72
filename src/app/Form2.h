#pragma once
// The About box: a modal dialog that also holds the two display options of the colour stops.
#include <QDialog>

class QCheckBox;
class QTabWidget;

namespace tintlace {

class Services;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // `helpPage` is the local help page that the home-page link opens.
    TForm2(QWidget* parent, Services& services, QString helpPage);

    QTabWidget* PageControl1;
    QCheckBox* CheckBox1; // "16進表記": value panels in hexadecimal
    QCheckBox* CheckBox2; // "位置の代わりに色値": stop panels show "#RRGGBB"
};

} // namespace tintlace
