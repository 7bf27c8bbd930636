#include <QApplication>

#include "app/FileOperations.h"
#include "app/StartUp.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FileOperations operations;
    return StartUp::run(app, operations);
}
