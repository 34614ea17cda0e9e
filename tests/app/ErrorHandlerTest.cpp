// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/ZorbilApplication.h"
#include "shared/Title.h"
#include "support/MessageBoxWatcher.h"

using namespace zorbil;
using zorbil::test::MessageBoxWatcher;

class ErrorHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void escapedErrorIsShownAndTheProgramGoesOn();
};

void ErrorHandlerTest::escapedErrorIsShownAndTheProgramGoesOn()
{
    MessageBoxWatcher watcher;
    QPushButton button("&Aide");
    QObject::connect(&button, &QPushButton::clicked, [] {
        throw std::runtime_error("Impossible d'ouvrir le fichier « Zorbil.txt »");
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QTest::mouseClick(&button, Qt::LeftButton);
    bool later = false;
    QTimer::singleShot(0, [] { throw 42; });
    QTimer::singleShot(0, [&] { later = true; });
    QTRY_VERIFY(later);

    QCOMPARE(watcher.boxes.size(), 2);
    QCOMPARE(watcher.boxes[0].title, QString(ApplicationTitle));
    QCOMPARE(watcher.boxes[0].text, QString("Impossible d'ouvrir le fichier « Zorbil.txt »"));
    QCOMPARE(watcher.boxes[0].buttons, QStringList{"OK"});
    QCOMPARE(watcher.boxes[1].title, QString(ApplicationTitle));
    QVERIFY(!watcher.boxes[1].text.isEmpty());

    // The same handler runs again: nothing was left half done by the first error.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(watcher.boxes.size(), 3);
}

int main(int argc, char** argv)
{
    ZorbilApplication app(argc, argv);
    ErrorHandlerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ErrorHandlerTest.moc"
