// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog and the six screens as assistive technology sees
// them, through the accessibility tree Qt hands to AT-SPI: every control a
// player can reach has a name that says what it does and the role of what it
// is, and taking the focus it is told focused. ZORBIL_A11Y_TREE set prints
// the options screen's tree.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "config/ZorbilConfig.h"
#include "controls/LnkLabel.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/AccessibleTree.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

// The objects that assistive technology was told took the focus.
QList<QObject*> focusEvents;

void NoteEvent(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Focus)
        focusEvents << event->object();
}

// The role a control of this class must have, the first class it is one of
// in this order; None for a widget that is no control of its own.
QAccessible::Role ExpectedRole(QObject* object)
{
    const std::pair<const char*, QAccessible::Role> roles[] = {
        {"zorbil::SpinButton", QAccessible::SpinBox},   {"zorbil::TLnkLabel", QAccessible::Link},
        {"QCheckBox", QAccessible::CheckBox},           {"QRadioButton", QAccessible::RadioButton},
        {"QAbstractButton", QAccessible::Button},       {"QSlider", QAccessible::Slider},
        {"QListWidget", QAccessible::List},             {"QTabBar", QAccessible::PageTabList},
        {"QPlainTextEdit", QAccessible::EditableText},
    };
    for (const auto& [name, role] : roles)
        if (object->inherits(name))
            return role;
    return QAccessible::NoRole;
}

// A control a player reaches: by Tab or a click, or, for the screens' flat
// buttons and links, by a game controller or the mouse.
bool Reachable(QWidget* widget)
{
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget) ||
           qobject_cast<TLnkLabel*>(widget);
}

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(NoteEvent);
        // As when a screen reader listens: Qt's bridge to AT-SPI on; the
        // events it would send come to the test instead.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void EveryControlHasANameARoleAndReportsItsFocus();
};

// Walks the window's tree (each page of the help screen in turn) and gives
// each reachable control the focus.
QStringList Faults(QWidget* window, const QString& name)
{
    QStringList faults;
    QList<QWidget*> seen;
    const auto checkTree = [&] {
        WalkAccessible(window, [&](const AccessibleNode& n) {
            auto* widget = qobject_cast<QWidget*>(n.node->object());
            // A widget that hands its focus on is no control: the one it
            // hands it to is.
            if (!widget || seen.contains(widget) || !Reachable(widget) || widget->focusProxy())
                return;
            seen << widget;
            const QString where = name + "/" + widget->objectName() + " (" + widget->metaObject()->className() + ")";
            if (n.node->text(QAccessible::Name).trimmed().isEmpty())
                faults << where + " has no name";
            const QAccessible::Role role = ExpectedRole(widget);
            if (role == QAccessible::NoRole)
                faults << where + " is a control of no known role";
            else if (n.node->role() != role)
                faults << where + QString(" has the role %1, not %2").arg(n.node->role()).arg(role);
            if (qobject_cast<QTabBar*>(widget))
                for (int i = 0; i < n.node->childCount(); ++i)
                    if (QAccessibleInterface* tab = n.node->child(i);
                        tab->role() == QAccessible::PageTab && tab->text(QAccessible::Name).isEmpty())
                        faults << where + QString(" tab %1 has no name").arg(i);
            if (!widget->isEnabled() || qobject_cast<TLnkLabel*>(widget))
                return;
            widget->clearFocus();
            focusEvents.clear();
            widget->setFocus(Qt::OtherFocusReason);
            if (!focusEvents.contains(widget))
                faults << where + " took the focus untold";
            if (!n.node->state().focused)
                faults << where + " is not said to be focused";
        });
    };
    checkTree();
    if (auto* help = qobject_cast<HelpPanel*>(window))
        for (int page = 1; page < help->PageControlAide->count(); ++page) {
            help->PageControlAide->setCurrentIndex(page);
            checkTree();
        }
    if (seen.isEmpty())
        faults << name + ": no control found";
    return faults;
}

void AccessibilityTest::EveryControlHasANameARoleAndReportsItsFocus()
{
    QStringList faults;
    const auto show = [](QWidget* window) {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    };

    TempGameFolder folder;
    RecordingSoundLibrary sound;
    MessageBoxWatcher watcher;
    TConfigForm dialog(sound, folder.str());
    QVERIFY(show(&dialog));
    faults << Faults(&dialog, "dialog");
    dialog.hide();

    const std::pair<const char*, std::unique_ptr<ScreenPanel>> screens[] = {
        {"menu", std::make_unique<MainMenuPanel>(nullptr)}, {"options", std::make_unique<OptionsPanel>(nullptr)},
        {"scores", std::make_unique<ScoresPanel>(nullptr)}, {"help", std::make_unique<HelpPanel>(nullptr)},
        {"pause", std::make_unique<PausePanel>(nullptr)},   {"game over", std::make_unique<GameOverPanel>(nullptr)},
    };
    for (const auto& [name, screen] : screens) {
        screen->resize(DesignSize);
        screen->ShowPanel();
        QVERIFY(show(screen.get()));
        if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(screen.get());
            root->text(QAccessible::Name).isEmpty())
            faults << QString(name) + " has no name";
        if (qEnvironmentVariableIsSet("ZORBIL_A11Y_TREE") && qstrcmp(name, "options") == 0)
            qInfo().noquote() << AccessibleDump(screen.get());
        faults << Faults(screen.get(), name);
        screen->HidePanel();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AccessibilityTest.moc"
