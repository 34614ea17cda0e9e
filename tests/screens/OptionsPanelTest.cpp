// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreensTests.h"

#include <QTest>
#include <filesystem>

#include "config/GameFolder.h"
#include "screens/OptionsPanel.h"
#include "shared/DataPaths.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using zorbil::test::TempGameFolder;

namespace {

QStringList Items(const FileList& list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text();
    return names;
}

}  // namespace

void OptionsPanelTest::ListsShowMatchingFilesSortedWithNothingSelected()
{
    TempGameFolder game;
    std::filesystem::create_directories(game.path() / "Textures" / "folder.pcx");
    std::filesystem::create_directories(game.path() / "Musiques");
    for (const char* f : {"/Textures/b.pcx", "/Textures/A.PCX", "/Textures/notes.txt", "/Textures/z.pcx",
                          "/Musiques/theme.mid.mus", "/Musiques/Boss.mus", "/Musiques/theme.mid"})
        game.write(f, "x");
    SetGameFolder(game.str());

    OptionsPanel panel(nullptr);
    QVERIFY(panel.PointLists().isEmpty());
    QCOMPARE(Items(*panel.TexList), (QStringList{"A.PCX", "b.pcx", "z.pcx"}));
    QCOMPARE(Items(*panel.ModList), (QStringList{"Boss.mus", "theme.mid.mus"}));
    QVERIFY(panel.TexList->FileName().isEmpty());
    QVERIFY(panel.ModList->FileName().isEmpty());

    panel.TexList->setCurrentRow(1);
    QCOMPARE(panel.TexList->FileName(), QString::fromStdString(game.str() + "/Textures/b.pcx"));
    panel.ModList->setCurrentRow(1);
    QCOMPARE(panel.ModList->FileName(), QString::fromStdString(game.str() + "/Musiques/theme.mid.mus"));

    // Listing again starts over with nothing selected.
    QVERIFY(panel.PointLists().isEmpty());
    QVERIFY(panel.TexList->FileName().isEmpty());
}

void OptionsPanelTest::WarningLayoutAndItsUndoing()
{
    OptionsPanel panel(nullptr);
    const QList<QWidget*> normal{panel.Speed,      panel.LabelMod,   panel.LabelTexture,
                                 panel.LabelVitesse, panel.LabelLente, panel.LabelRapide};
    QVERIFY(panel.LabelWarning->isHidden());
    QVERIFY(!panel.InWarningLayout());
    panel.SetWarningLayout();
    QVERIFY(panel.InWarningLayout());
    for (QWidget* w : normal)
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    // The lists and the sound switches stay.
    for (QWidget* w : QList<QWidget*>{panel.TexList, panel.ModList, panel.SonAct, panel.MusicAct})
        QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
    panel.SetNormalLayout();
    QVERIFY(panel.LabelWarning->isHidden());
    for (QWidget* w : normal)
        QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
    QCOMPARE(panel.LabelWarning->text(),
             QString("Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes "
                     "ci-dessous."));
}
