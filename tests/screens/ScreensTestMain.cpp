#include <QApplication>
#include <QTest>

#include "HelpPanelTest.h"
#include "OptionsPanelTest.h"
#include "ScreensFitTest.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Zorbil - Version 1.0");
    int status = 0;
    {
        OptionsPanelTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        HelpPanelTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ScreensFitTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
