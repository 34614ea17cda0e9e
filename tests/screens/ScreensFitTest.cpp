// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreensTests.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <memory>

#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"

using namespace zorbil;

namespace {

using PanelMaker = std::unique_ptr<ScreenPanel> (*)();

template <class Panel>
std::unique_ptr<ScreenPanel> Make()
{
    return std::make_unique<Panel>(nullptr);
}

// The text a control shows, without the accelerator marks.
QString Shown(const QString& text)
{
    QString shown = text;
    return shown.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// Every one-line caption must be readable whole: as wide as its text and
// inside the screen, whatever size the window has.
void CheckFits(QWidget* panel)
{
    const QRect screen = panel->rect();
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        if (label->isHidden() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QString where = panel->objectName() + "/" + label->objectName();
        const QRect r(label->mapTo(panel, QPoint(0, 0)), label->size());
        QVERIFY2(screen.contains(r), qPrintable(where + " leaves the screen"));
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where + " cuts lines"));
            continue;
        }
        const int needed = label->fontMetrics().horizontalAdvance(Shown(label->text()));
        QVERIFY2(label->contentsRect().width() >= needed,
                 qPrintable(QString("%1 \"%2\" is %3 px wide for %4 px of text")
                                .arg(where, label->text())
                                .arg(label->contentsRect().width())
                                .arg(needed)));
        QVERIFY2(label->contentsRect().height() >= label->fontMetrics().height(), qPrintable(where));
    }
    for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
        if (button->isHidden() || button->text().isEmpty())
            continue;
        const QString where = panel->objectName() + "/" + button->objectName();
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(Shown(button->text())),
                 qPrintable(where + " clips its caption"));
        const QRect r(button->mapTo(panel, QPoint(0, 0)), button->size());
        QVERIFY2(screen.contains(r), qPrintable(where + " leaves the screen"));
    }
    // No caption, button or box lies over another, on the panel or on any
    // page within it.
    QList<QWidget*> parents = panel->findChildren<QWidget*>();
    parents << panel;
    for (QWidget* parent : parents) {
        QList<QWidget*> controls;
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            auto* label = qobject_cast<QLabel*>(w);
            if (!w->isHidden() && ((label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(w)))
                controls << w;
        }
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(QString("\"%1\" lies over \"%2\"")
                                        .arg(Shown(controls[i]->property("text").toString()),
                                             Shown(controls[j]->property("text").toString()))));
    }
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
