// TForm1: the About box and the help page.
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Services.h"

namespace tintlace {

// Centre of `inner` on `outer`, halves truncated toward zero; not clamped to the screen.
static int centred(int outerStart, int outerSize, int innerSize) {
    return outerStart + (outerSize - innerSize) / 2;
}

void TForm1::SpeedButton2Click() {
    m_services.beep();
    const QRect outer = frameGeometry();
    const QRect inner = Form2->frameGeometry();
    Form2->move(centred(outer.left(), outer.width(), inner.width()),
                centred(outer.top(), outer.height(), inner.height()));
    m_services.showModal(*Form2);
    ScrollBar1Change();
    ScrollBar4Change();
    ScrollBar7Change();
}

void TForm1::SpeedButton3Click() {
    m_services.openWithDesktop(QString::fromStdString(ExeDir + "help/tintlace.html"));
}

} // namespace tintlace
