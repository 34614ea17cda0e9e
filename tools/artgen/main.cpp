// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game's windows and writes each as
// <folder>/<name>.png; with --icons, the application icon as
// <folder>/icon-<size>.png at each of its sizes. Runs at build time without
// a display.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>
#include <vector>

#include "AppIcon.h"
#include "Fonts.h"
#include "Logos.h"
#include "Tiles.h"
#include "Titles.h"

namespace {

struct Picture {
    QString Name;
    int Width;
    int Height;
    std::function<QImage()> Draw;
};

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && QByteArray(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: %s [--icons] <output folder>\n", argv[0]);
        return 2;
    }
    if (!zorbil::art::LoadLetteringFont()) {
        std::fprintf(stderr, "no lettering font: install the Liberation fonts (fonts-liberation2 on Debian 12, fonts-liberation on Debian 13) or fonts-dejavu-core\n");
        return 1;
    }
    using namespace zorbil::art;
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    if (icons) {
        for (int size : AppIconSizes)
            if (!Save(AppIcon(size), folder + QString("/icon-%1.png").arg(size)))
                return 1;
        return 0;
    }
    std::vector<Picture> pictures = {
        {"MenuTex", 64, 64, MenuTile},
        {"PauseTex", 64, 64, PauseTile},
        {"GameOverTex", 150, 150, GameOverTile},
        {"ScoresTex", 64, 64, ScoresTile},
        {"OptionsTex", 64, 64, OptionsTile},
        {"AideTex", 64, 64, HelpTile},
        {"ImageGameOver", 240, 55, GameOverTitle},
        {"ImagePrincipalDonut", 143, 158, MenuDonut},
        {"ImagePrincipalZorbil", 305, 145, MenuName},
        {"AboutLogo", 150, 220, AboutLogo},
        {"ImageAboutZorbil", 435, 65, AboutName},
        {"ImageZorbil", 433, 65, DialogBanner},
        {"OpenGLLogo", 70, 30, OpenGLBadge},
        {"SoundLogo", 85, 30, SoundBadge},
    };
    // The French titles, then each translation's: the game window picks
    // them by the name its translation gives.
    std::vector<TitleCaptions> titles{FrenchTitles};
    titles.insert(titles.end(), TranslatedTitles().begin(), TranslatedTitles().end());
    for (const TitleCaptions& language : titles) {
        pictures.push_back({language.Name("ImagePause"), 335, 55, [language] { return PauseTitle(language.Pause); }});
        pictures.push_back({language.Name("ImageScores"), 245, 55, [language] { return ScoresTitle(language.Scores); }});
        pictures.push_back(
            {language.Name("ImageOptions"), 335, 55, [language] { return OptionsTitle(language.Options); }});
        pictures.push_back({language.Name("ImageAide"), 450, 55, [language] { return HelpTitle(language.Help); }});
    }
    for (const Picture& picture : pictures) {
        const QImage image = picture.Draw();
        if (image.width() != picture.Width || image.height() != picture.Height) {
            std::fprintf(stderr, "%s drawn at %dx%d\n", qPrintable(picture.Name), image.width(), image.height());
            return 1;
        }
        if (!Save(image, folder + "/" + picture.Name + ".png"))
            return 1;
    }
    return 0;
}
