// SPDX-License-Identifier: GPL-3.0-or-later
// Marks a French text for the translation tool in code that does without
// Qt: the build tells lupdate that ZORBIL_TRANSLATABLE spells
// QT_TRANSLATE_NOOP. The text is looked up where it is shown.
#pragma once

#define ZORBIL_TRANSLATABLE(context, text) text
