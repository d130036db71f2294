// selcomp-cli: the rating engine and the selection search without windows.

#include "tools/cli/Comandi.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    auto ha = [&](const char* s) {
        return std::find(argomenti.begin(), argomenti.end(), s) != argomenti.end();
    };
    // A batch reads and writes through the streams' own buffers; without this every
    // line would go through C stdio one by one.
    if (ha("batch")) {
        std::ios::sync_with_stdio(false);
        std::cin.tie(nullptr);
    }
    // Reports paint pages, which needs a GUI application; nothing is ever shown.
    std::unique_ptr<QCoreApplication> app;
    if (richiedeApplicazioneGrafica(argomenti)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("selcomp");
    return eseguiCli(argomenti, std::cin, std::cout, std::cerr,
                     QCoreApplication::applicationDirPath().toStdString());
}
