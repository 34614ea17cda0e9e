#include <QApplication>
#include <QTest>

#include "PlayTest.h"
#include "ScreensFlowTest.h"
#include "StartUpTest.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Zorbil - Version 1.0");
    int status = 0;
    {
        StartUpTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        PlayTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ScreensFlowTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
