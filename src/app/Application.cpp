#include "app/Application.h"

#include "app/FontSetup.h"
#include "app/Form1.h"
#include "app/Hints.h"
#include "app/QtServices.h"
#include "store/ExeDir.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace tintlace {

void setUpApplication(QApplication& app) {
    app.setApplicationName("TINTLACE");
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    installFontSubstitutions();
    installHintStyle(app);
}

std::string applicationExeDir() {
    return resolveExeDir(QCoreApplication::applicationDirPath().toStdString() + "/");
}

int runWindow(QApplication& app) {
    QtServices services;
    try {
        TForm1 form(services, applicationExeDir());
        form.show();
        return app.exec();
    } catch (const std::exception& error) {
        // Only start-up can get here: handlers show their own errors and go on.
        QMessageBox::critical(nullptr, "TINTLACE", QString::fromUtf8(error.what()));
        return 0;
    }
}

} // namespace tintlace
