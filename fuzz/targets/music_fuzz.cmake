# SPDX-License-Identifier: GPL-3.0-or-later
# The sound layer and SDL2_mixer's decoders, as the game links them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FUZZ_SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(FUZZ_FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
zorbil_fuzzer(music_fuzz
  ${ZORBIL_SOURCE_DIR}/audio/SoundProbe.cpp
  ${ZORBIL_SOURCE_DIR}/audio/SdlSoundLibrary.cpp
  ${ZORBIL_SOURCE_DIR}/audio/SdlAudioDevice.cpp
  ${ZORBIL_SOURCE_DIR}/audio/MidiCheck.cpp
  ${ZORBIL_SOURCE_DIR}/audio/ProbedSounds.cpp
  ${ZORBIL_SOURCE_DIR}/audio/ProbeProcess.cpp)
target_include_directories(music_fuzz PRIVATE ${ZORBIL_SOURCE_DIR}/tests/audio)
target_link_libraries(music_fuzz PRIVATE PkgConfig::FUZZ_SDL2_MIXER PkgConfig::FUZZ_FLUIDSYNTH)
