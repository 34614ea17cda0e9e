#include <QApplication>
#include <QTest>

#include "WallpaperTest.h"
#include "LnkLabelTest.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        WallpaperTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        LnkLabelTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
