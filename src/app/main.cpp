// TINTLACE: opens the window, or with --html, --css (and the other batch options) prints the
// markup that the same window logic makes, without a display.
#include "app/Application.h"
#include "app/BatchMode.h"

#include <QApplication>

int main(int argc, char** argv) {
    using namespace tintlace;
    if (isBatchInvocation(argc, argv))
        return runBatch(argc, argv);
    QApplication app(argc, argv);
    setUpApplication(app);
    return runWindow(app);
}
