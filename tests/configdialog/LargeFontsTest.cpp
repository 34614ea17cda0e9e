// SPDX-License-Identifier: GPL-3.0-or-later
// Run by with-desktop-dpi.sh on a desktop set to ZORBIL_DESKTOP_DPI.
#include <QLabel>
#include <QTest>

#include "config/GameFolder.h"
#include "config/LargeFonts.h"
#include "config/ZorbilConfig.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;

class LargeFontsTest : public QObject {
    Q_OBJECT
private slots:
    void questionOnlyAtExactly120Dpi_data();
    void questionOnlyAtExactly120Dpi();
};

void LargeFontsTest::questionOnlyAtExactly120Dpi_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("quits");
    QTest::newRow("&Non") << "&Non" << true;
    QTest::newRow("&Oui") << "&Oui" << false;
}

void LargeFontsTest::questionOnlyAtExactly120Dpi()
{
    QFETCH(QString, answer);
    const int desktopDpi = qEnvironmentVariableIntValue("ZORBIL_DESKTOP_DPI");
    QVERIFY(desktopDpi > 0);
    // The fixture really reproduces that desktop.
    QCOMPARE(qRound(ScreenFontDpi()), desktopDpi);

    TempGameFolder dir;
    dir.write("/Data/Config.dat", "[Config]\nMixRate=44100\n");
    RecordingSoundLibrary sound;
    MessageBoxWatcher watcher(answer);
    TConfigForm form(sound, dir.str());

    if (desktopDpi == 120) {
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("Avertissement"));
        QCOMPARE(watcher.boxes[0].text, QString(LargeFontsQuestion));
        QStringList buttons = watcher.boxes[0].buttons;
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"&Non", "&Oui"}));
        QFETCH(bool, quits);
        QCOMPARE(form.QuitRequested(), quits);
    } else {
        QVERIFY(watcher.boxes.isEmpty());
        QVERIFY(!form.QuitRequested());
    }
    // Either answer lets the remaining creation steps run.
    QCOMPARE(GameFolder(), dir.str());
    QCOMPARE(form.LabelMixRate->text(), QString("44100 Hz"));
}

QTEST_MAIN(LargeFontsTest)
#include "LargeFontsTest.moc"
