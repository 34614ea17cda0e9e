// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's sounds and musics into a game folder:
//   zorbil_soundgen <game folder>
// or one long Ogg stream of the slow piece, for measurements:
//   zorbil_soundgen --long-ogg <file> <seconds>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "Songs.h"
#include "Synth.h"
#include "Writers.h"

using namespace soundgen;

namespace {

// Writes next to the target and renames, so an interrupted run never leaves
// a half-written file that looks up to date.
void WriteFile(const std::filesystem::path& path, const std::function<void(const std::string&)>& write)
{
    const std::filesystem::path part = path.string() + ".part";
    write(part.string());
    std::filesystem::rename(part, path);
}

void WriteGameSounds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder / "Data");
    std::filesystem::create_directories(folder / "Musiques");
    const float musicQuality = 0.3f;

    RenderOptions loop;
    loop.loop = true;
    loop.peak = 0.45f;
    WriteFile(folder / "Data" / "Menu.dat",
              [&](const std::string& p) { WriteOgg(p, Render(MenuTheme(), loop), musicQuality); });

    RenderOptions jingle;
    jingle.tailSeconds = 0.6;
    jingle.reverb = 0.1f;
    WriteFile(folder / "Data" / "Donut.dat", [&](const std::string& p) { WriteWav(p, Render(DonutJingle(), jingle)); });
    WriteFile(folder / "Data" / "Over.dat", [&](const std::string& p) { WriteWav(p, Render(GameOverJingle(), jingle)); });

    RenderOptions piece;
    piece.peak = 0.45f;
    WriteFile(folder / "Musiques" / "Nuit etoilee.mus",
              [&](const std::string& p) { WriteOgg(p, Render(StarryNight(), piece), musicQuality); });
    WriteFile(folder / "Musiques" / "Balade du serpent.mid.mus",
              [&](const std::string& p) { WriteMidi(p, SnakeBallad()); });
    WriteFile(folder / "Musiques" / "Zorbil Express.mus", [&](const std::string& p) { WriteModule(p, ZorbilExpress()); });
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2) {
            WriteGameSounds(argv[1]);
            return 0;
        }
        if (argc == 4 && std::string(argv[1]) == "--long-ogg") {
            RenderOptions piece;
            piece.peak = 0.45f;
            const Score score = Repeated(StarryNight(), std::stod(argv[3]));
            WriteFile(argv[2], [&](const std::string& p) { WriteOgg(p, Render(score, piece), 0.3f); });
            return 0;
        }
        std::fprintf(stderr, "usage: %s <game folder> | --long-ogg <file> <seconds>\n", argv[0]);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
}
