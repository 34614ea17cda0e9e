// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class OptionsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void ListsShowMatchingFilesSortedWithNothingSelected();
    void WarningLayoutAndItsUndoing();
};
