# SPDX-License-Identifier: GPL-3.0-or-later
# The decoder process's work and SDL2_mixer's decoders, as zorbil-decoder links them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FUZZ_SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(FUZZ_FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
zorbil_fuzzer(music_fuzz
  ${ZORBIL_SOURCE_DIR}/audio/decoder/MixerOutput.cpp
  ${ZORBIL_SOURCE_DIR}/audio/decoder/MusicDecoder.cpp
  ${ZORBIL_SOURCE_DIR}/audio/decoder/MidiCheck.cpp
  ${ZORBIL_SOURCE_DIR}/shared/WriteAll.cpp)
target_include_directories(music_fuzz PRIVATE ${ZORBIL_SOURCE_DIR}/tests/audio)
target_link_libraries(music_fuzz PRIVATE PkgConfig::FUZZ_SDL2_MIXER PkgConfig::FUZZ_FLUIDSYNTH)
