// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreensTests.h"

#include <QTest>
#include <memory>

#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/TextsFit.h"

using namespace zorbil;

namespace {

using PanelMaker = std::unique_ptr<ScreenPanel> (*)();

template <class Panel>
std::unique_ptr<ScreenPanel> Make()
{
    return std::make_unique<Panel>(nullptr);
}

// Every one-line caption must be readable whole: as wide as its text and
// inside the screen, whatever size the window has.
void CheckFits(QWidget* panel)
{
    const test::TextsFit fit(panel);
    QVERIFY2(fit.faults.isEmpty(), qPrintable(fit.faults.join('\n')));
}

}  // namespace

void ScreensFitTest::TextsFitTheirControlsAndTheScreen_data()
{
    QTest::addColumn<void*>("maker");
    QTest::addColumn<QSize>("size");
    const std::pair<const char*, PanelMaker> panels[] = {
        {"menu", &Make<MainMenuPanel>}, {"options", &Make<OptionsPanel>}, {"scores", &Make<ScoresPanel>},
        {"help", &Make<HelpPanel>},     {"pause", &Make<PausePanel>},     {"over", &Make<GameOverPanel>},
    };
    for (const auto& [name, maker] : panels)
        for (QSize size : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)})
            QTest::addRow("%s %dx%d", name, size.width(), size.height())
                << reinterpret_cast<void*>(maker) << size;
}

void ScreensFitTest::TextsFitTheirControlsAndTheScreen()
{
    QFETCH(void*, maker);
    QFETCH(QSize, size);
    std::unique_ptr<ScreenPanel> panel = reinterpret_cast<PanelMaker>(maker)();
    panel->resize(size);
    panel->ShowPanel();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    CheckFits(panel.get());
    // ZORBIL_SHOTS names a folder to keep a picture of each screen, to look at by eye.
    if (qEnvironmentVariableIsSet("ZORBIL_SHOTS"))
        panel->grab().save(qEnvironmentVariable("ZORBIL_SHOTS") + "/" + QTest::currentDataTag() + ".png");
    if (auto* options = dynamic_cast<OptionsPanel*>(panel.get())) {
        options->SetWarningLayout();
        CheckFits(panel.get());
    }
}
