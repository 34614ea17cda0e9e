// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/decoder/MidiCheck.h"

#include <fluidsynth.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace zorbil {

namespace {

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};

}  // namespace

bool IsPlayableMidi(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    if (!(read << in.rdbuf()))
        return false;
    const std::string bytes = std::move(read).str();

    const std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings)
        return false;
    // The player then advances only as samples are rendered here, with no
    // timer thread of its own.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    const std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth)
        return false;
    const std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    // The events go nowhere: with no soundfont the synth would warn of
    // every instrument the song asks for.
    if (!player ||
        fluid_player_set_playback_callback(player.get(), [](void*, fluid_midi_event_t*) { return FLUID_OK; },
                                           nullptr) != FLUID_OK ||
        fluid_player_add_mem(player.get(), bytes.data(), bytes.size()) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK)
        return false;

    // The player reads the file on its first tick, within the first block.
    float block[2 * 64];
    fluid_synth_write_float(synth.get(), 64, block, 0, 2, block, 1, 2);
    const bool playable =
        fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING && fluid_player_get_total_ticks(player.get()) > 0;
    fluid_player_stop(player.get());
    return playable;
}

}  // namespace zorbil
