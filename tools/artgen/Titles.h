// SPDX-License-Identifier: GPL-3.0-or-later
// The title pictures of the screens: the screen's name in large shaded
// lettering in the colours of its panel, on a transparent ground so that the
// panel's wallpaper shows around the letters. Each screen but Game Over has
// its title in French and in each language the game speaks; "Game Over"
// reads the same in all of them.
#pragma once

#include <QImage>
#include <QString>
#include <span>

namespace zorbil::art {

QImage GameOverTitle();  // 240 x 55 "Game Over", lavender panel
QImage PauseTitle(const QString& text);    // 335 x 55, maroon panel
QImage ScoresTitle(const QString& text);   // 245 x 55, green panel
QImage OptionsTitle(const QString& text);  // 335 x 55, olive panel
QImage HelpTitle(const QString& text);     // 450 x 55, grey panel

// The four titles in one language. Its pictures are named after the French
// ones with the language's suffix ("ImagePauseDe"): the name each
// translation gives the French picture's.
struct TitleCaptions {
    const char* Suffix;
    const char* Pause;
    const char* Scores;
    const char* Options;
    const char* Help;

    QString Name(const char* french) const { return QString(french) + Suffix; }
};

// The French titles and their translations.
inline constexpr TitleCaptions FrenchTitles{"", "Jeu en Pause", "Les Scores", "Options de Jeu", "Aide et Instructions"};
std::span<const TitleCaptions> TranslatedTitles();

}  // namespace zorbil::art
