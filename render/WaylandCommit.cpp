// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/WaylandCommit.h"

#include <wayland-client.h>

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

namespace zorbil {

void CommitParentSurface(const QWindow& child)
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        return;
    QWindow* top = child.parent(QWindow::IncludeTransients);
    while (top && top->parent(QWindow::IncludeTransients))
        top = top->parent(QWindow::IncludeTransients);
    if (!top)
        return;
    // An empty commit: Qt has no state of its own pending on the surface
    // between two of its frames.
    if (auto* surface = static_cast<wl_surface*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", top)))
        wl_surface_commit(surface);
}

}  // namespace zorbil
