// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FileList.h"

#include <QDir>
#include <QFileInfo>

namespace zorbil {

FileList::FileList(const QString& mask, QWidget* parent) : QListWidget(parent), mask_(mask)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

bool FileList::SetDirectory(const QString& folder)
{
    clear();
    directory_ = folder;
    const QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isReadable())
        return false;
    // Masks match regardless of case, as players name files "*.PCX" too.
    const QStringList names = dir.entryList({mask_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, this);
        item->setSizeHint(QSize(0, 25));
    }
    setCurrentRow(-1);
    clearSelection();
    return true;
}

QString FileList::FileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    return QDir(directory_).filePath(selected.first()->text());
}

bool FileList::Step(int step)
{
    const QList<QListWidgetItem*> selected = selectedItems();
    const int next = selected.isEmpty() ? (step > 0 ? 0 : -1) : row(selected.first()) + step;
    if (next < 0 || next >= count())
        return false;
    setCurrentRow(next);
    return true;
}

}  // namespace zorbil
