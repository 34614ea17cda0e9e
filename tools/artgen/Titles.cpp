// SPDX-License-Identifier: GPL-3.0-or-later
#include "Titles.h"

#include "Effects.h"
#include "Fonts.h"
#include "Lettering.h"

namespace zorbil::art {

namespace {

QImage Title(int width, const QString& text, const LetteringStyle& style)
{
    constexpr int Height = 55;
    QImage picture = Transparent(width, Height);
    DrawLettering(picture, QRectF(0, 0, width, Height), text, LetteringFont(48), style);
    return picture;
}

}  // namespace

QImage GameOverTitle()
{
    return Title(240, "Game Over", {QColor(255, 236, 255), QColor(150, 88, 160), QColor(58, 20, 66)});
}

QImage PauseTitle(const QString& text)
{
    return Title(335, text, {QColor(255, 214, 190), QColor(220, 40, 28), QColor(40, 0, 0)});
}

QImage ScoresTitle(const QString& text)
{
    return Title(245, text, {QColor(214, 255, 200), QColor(30, 170, 40), QColor(0, 44, 0)});
}

QImage OptionsTitle(const QString& text)
{
    return Title(335, text, {QColor(255, 255, 196), QColor(200, 176, 0), QColor(70, 56, 0)});
}

QImage HelpTitle(const QString& text)
{
    return Title(450, text, {QColor(255, 255, 255), QColor(112, 126, 142), QColor(44, 50, 60)});
}

std::span<const TitleCaptions> TranslatedTitles()
{
    // Short, as the games of each language title their screens; the
    // suffixes follow cmake/ZorbilLanguages.cmake's names ("pt_BR": "PtBR").
    static constexpr TitleCaptions titles[] = {
        {"En", "Game Paused", "Best Scores", "Game Options", "Help and Instructions"},
        {"De", "Spiel pausiert", "Bestenliste", "Spieloptionen", "Hilfe und Anleitung"},
        {"Es", "Juego en pausa", "Récords", "Opciones de juego", "Ayuda e instrucciones"},
        {"It", "Gioco in pausa", "Punteggi", "Opzioni di gioco", "Aiuto e istruzioni"},
        {"PtBR", "Jogo pausado", "Recordes", "Opções de jogo", "Ajuda e instruções"},
        {"Pl", "Gra wstrzymana", "Wyniki", "Opcje gry", "Pomoc i instrukcja"},
    };
    return titles;
}

}  // namespace zorbil::art
