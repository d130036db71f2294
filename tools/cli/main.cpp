// selcomp-cli: the rating engine and the selection search without windows.

#include "tools/cli/Comandi.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("selcomp");
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return eseguiCli(argomenti, std::cout, std::cerr,
                     QCoreApplication::applicationDirPath().toStdString());
}
