# SPDX-License-Identifier: GPL-3.0-or-later
zorbil_fuzzer(pcx_fuzz
  ${ZORBIL_SOURCE_DIR}/render/PcxPicture.cpp
  ${ZORBIL_SOURCE_DIR}/render/PcxRunDecoder.cpp)
