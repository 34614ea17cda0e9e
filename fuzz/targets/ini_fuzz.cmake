# SPDX-License-Identifier: GPL-3.0-or-later
zorbil_fuzzer(ini_fuzz
  ${ZORBIL_SOURCE_DIR}/config/IniDocument.cpp
  ${ZORBIL_SOURCE_DIR}/config/IniInteger.cpp)
