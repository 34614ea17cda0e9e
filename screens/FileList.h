// SPDX-License-Identifier: GPL-3.0-or-later
// A list of the files of one folder that match a mask, sorted by name, with
// nothing selected at first; single selection.
#pragma once

#include <QListWidget>
#include <QString>

namespace zorbil {

class FileList : public QListWidget {
    Q_OBJECT
public:
    FileList(const QString& mask, QWidget* parent);

    // Lists the folder afresh. False, with an empty list, when the folder
    // cannot be read.
    bool SetDirectory(const QString& folder);
    const QString& Directory() const { return directory_; }

    // The selected file's full path, or "" when nothing is selected.
    QString FileName() const;

    // Selects the file step rows below the selected one (the first file
    // when none is), as a click on it does. False, changing nothing, past
    // either end.
    bool Step(int step);

private:
    QString mask_;
    QString directory_;
};

}  // namespace zorbil
