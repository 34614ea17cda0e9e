# SPDX-License-Identifier: GPL-3.0-or-later
# The languages the game speaks besides French, the language of its code:
# the one list every part of the build reads (translations, notes, title
# pictures, desktop entry, tests). A language joins with its
# translations/zorbil_<lang>.ts and its notes assets/Zorbil.<lang>.txt.
set(ZORBIL_LANGUAGES en de es it pt_BR pl)
# Listed languages whose files are still being written: the build takes
# what exists and the test translations_all_present lets these be missing.
# Empty it once every file is in; from then on a missing one fails.
set(ZORBIL_AWAITED_LANGUAGES)

# The listed languages whose translation exists, in the list's order.
set(ZORBIL_TRANSLATED_LANGUAGES "")
set(ZORBIL_TS_FILES "")
# A translation that arrives makes the next build configure again.
file(GLOB ts_present CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../translations/zorbil_*.ts)
foreach(language ${ZORBIL_LANGUAGES})
  get_filename_component(ts ${CMAKE_CURRENT_LIST_DIR}/../translations/zorbil_${language}.ts ABSOLUTE)
  if(EXISTS ${ts})
    list(APPEND ZORBIL_TRANSLATED_LANGUAGES ${language})
    list(APPEND ZORBIL_TS_FILES ${ts})
  endif()
endforeach()
set(missing ${ZORBIL_LANGUAGES})
list(REMOVE_ITEM missing ${ZORBIL_TRANSLATED_LANGUAGES})
if(missing)
  message(STATUS "Languages without their translation yet: ${missing}")
endif()
