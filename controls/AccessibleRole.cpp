// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <mutex>

namespace zorbil {

namespace {

constexpr const char* RoleProperty = "zorbilAccessibleRole";

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = widget()->property("text").toString().replace("&&", "\x01").remove('&').replace('\x01', '&');
        return text;
    }
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? new RoleAccessible(widget, QAccessible::Role(role.toInt())) : nullptr;
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(RoleFactory); });
    widget->setProperty(RoleProperty, int(role));
}

}  // namespace zorbil
