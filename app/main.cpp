#include <QApplication>

#include "app/StartUp.h"
#include "core/FileOperations.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FileOperations operations;
    return StartUp::run(app, operations);
}
