// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of a window: its accessibility tree, as
// Qt hands it to AT-SPI, walked from the window down through what shows.
#pragma once

#include <QAccessible>
#include <QMap>
#include <QMetaEnum>
#include <QString>
#include <functional>

namespace zorbil::test {

struct AccessibleNode {
    QAccessibleInterface* node;
    QString path;  // "role:index/role:index/...", the same in every language
    int depth;
};

// Calls visit for the window and every visible node below it, parents first.
inline void WalkAccessible(QObject* window, const std::function<void(const AccessibleNode&)>& visit)
{
    const std::function<void(QAccessibleInterface*, const QString&, int)> walk =
        [&](QAccessibleInterface* node, const QString& path, int depth) {
            if (!node || !node->isValid() || node->state().invisible)
                return;
            visit({node, path, depth});
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (child)
                    walk(child, QString("%1/%2:%3").arg(path).arg(int(child->role()), 0, 16).arg(i), depth + 1);
            }
        };
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    walk(root, root ? QString::number(int(root->role()), 16) : QString(), 0);
}

// Name and description of each node by its path.
inline QMap<QString, QPair<QString, QString>> AccessibleTexts(QObject* window)
{
    QMap<QString, QPair<QString, QString>> texts;
    WalkAccessible(window, [&](const AccessibleNode& n) {
        texts.insert(n.path, {n.node->text(QAccessible::Name), n.node->text(QAccessible::Description)});
    });
    return texts;
}

// The tree as indented lines: role, name, description, state.
inline QString AccessibleDump(QObject* window)
{
    QString dump;
    WalkAccessible(window, [&](const AccessibleNode& n) {
        const QAccessible::State state = n.node->state();
        QString line = QString(n.depth * 2, ' ') + QMetaEnum::fromType<QAccessible::Role>().valueToKey(n.node->role());
        if (QObject* object = n.node->object())
            line += QString(" %1").arg(object->metaObject()->className());
        line += QString(" name \"%1\"").arg(n.node->text(QAccessible::Name));
        if (const QString d = n.node->text(QAccessible::Description); !d.isEmpty())
            line += QString(" description \"%1\"").arg(d);
        if (state.focusable)
            line += " focusable";
        if (state.focused)
            line += " focused";
        if (state.disabled)
            line += " disabled";
        dump += line + '\n';
    });
    return dump;
}

}  // namespace zorbil::test
