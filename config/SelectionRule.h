// SPDX-License-Identifier: GPL-3.0-or-later
// Setting a check box or a radio button from code must act exactly like the
// player's click whenever the state changes, and do nothing otherwise. Qt's
// clicked() is only sent for the player's clicks, and toggled() is sent both
// to the button that gains and to the one that loses the selection, so the
// dialog attaches its handlers through these two functions instead.
#pragma once

#include <functional>

class QCheckBox;
class QRadioButton;

namespace zorbil {

// The handler runs when the radio button becomes selected, by a click or by
// code; selecting it again, or another button of its group, does not run it.
void OnSelected(QRadioButton* button, std::function<void()> handler);

// The handler runs on every change of the check box's state, by a click or by
// code; setting the state it already has does not run it.
void OnChanged(QCheckBox* box, std::function<void()> handler);

}  // namespace zorbil
