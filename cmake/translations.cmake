# The window's translations: translations/zemprog_<lang>.ts compiled by
# lrelease into .qm files, and Qt's own qtbase_<lang>.qm (the texts of the
# standard dialogs and the message boxes' buttons) beside them, all embedded
# in the program as the resources :/translations/<name>.qm. Embedded, they
# travel with the program on Linux, in the Debian package and on Windows
# alike. Included from src/gui/CMakeLists.txt, after zemgui is defined.
#
# A new language is one more translations/zemprog_<lang>.ts (made by
# `cmake --build <build> --target update-translations` once it is named in
# ZEM_TRANSLATION_LANGUAGES) and its entry in src/gui/common/languages.cpp.

set(ZEM_TRANSLATION_LANGUAGES zh_CN zh_TW es pt_BR ru uk de fr it ja pl ar)

# lrelease and lupdate are programs of the build machine, also when the
# program is built for Windows (QT_HOST_PATH names the host's Qt then).
set(qt_host_bins /usr/lib/qt6/bin)
if(QT_HOST_PATH)
  list(PREPEND qt_host_bins "${QT_HOST_PATH}/lib/qt6/bin")
elseif(QT6_INSTALL_PREFIX)
  list(PREPEND qt_host_bins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
endif()
find_program(ZEM_LRELEASE NAMES lrelease-qt6 lrelease PATHS ${qt_host_bins} NO_DEFAULT_PATH)
find_program(ZEM_LRELEASE NAMES lrelease-qt6 lrelease)
find_program(ZEM_LUPDATE NAMES lupdate-qt6 lupdate PATHS ${qt_host_bins} NO_DEFAULT_PATH)
find_program(ZEM_LUPDATE NAMES lupdate-qt6 lupdate)
if(NOT ZEM_LRELEASE)
  message(FATAL_ERROR "lrelease of Qt 6 not found: install qt6-l10n-tools (scripts/install-deps)")
endif()
# Qt's own translations, from the build machine (the Windows build too).
set(ZEM_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH
    "Folder of Qt's qtbase_<lang>.qm files embedded with the program's own")

set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
set(qm_files)
set(ts_files)
foreach(lang ${ZEM_TRANSLATION_LANGUAGES})
  set(ts ${PROJECT_SOURCE_DIR}/translations/zemprog_${lang}.ts)
  list(APPEND ts_files ${ts})
  set(qm ${qm_dir}/zemprog_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${ZEM_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${lang} translation"
    VERBATIM)
  list(APPEND qm_files ${qm})
  set(qtbase ${ZEM_QT_TRANSLATIONS_DIR}/qtbase_${lang}.qm)
  if(EXISTS ${qtbase})
    configure_file(${qtbase} ${qm_dir}/qtbase_${lang}.qm COPYONLY)
    list(APPEND qm_files ${qm_dir}/qtbase_${lang}.qm)
  else()
    message(WARNING "${qtbase} not found: Qt's standard dialogs stay English in ${lang} (install qt6-translations-l10n)")
  endif()
endforeach()

# The resource file lists the .qm files; the library's code registers it
# by name (Q_INIT_RESOURCE(zemprog_translations)), as a static library's
# resources must be. Every file is compressed, with zlib, which every Qt
# reads: some of Qt's .qm files carry library messages in English as they
# are, which lintian would take for an embedded copy of that library.
set(qrc_entries)
foreach(qm ${qm_files})
  get_filename_component(name ${qm} NAME)
  string(APPEND qrc_entries "    <file compression-algorithm=\"zlib\" compress=\"9\" threshold=\"0\">${name}</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${qm_dir}/zemprog_translations.qrc
  CONTENT "<RCC>\n  <qresource prefix=\"/translations\">\n${qrc_entries}  </qresource>\n</RCC>\n")
qt_add_resources(translation_sources ${qm_dir}/zemprog_translations.qrc)
set_source_files_properties(${translation_sources} PROPERTIES SKIP_AUTOGEN ON)
target_sources(zemgui PRIVATE ${translation_sources})

# Brings translations/*.ts up to date with the texts of the sources: the
# window's tr() texts, the core's texts marked with ZEM_TRANSLATE_NOOP and the
# browser edition's texts (QT_TRANSLATE_NOOP in src/web/page/texts.js, the
# page's one file of texts: lupdate's script reader stops at the async
# functions of the page's other scripts).
# Translations already made are kept; new texts arrive unfinished.
if(ZEM_LUPDATE)
  add_custom_target(update-translations
    COMMAND ${ZEM_LUPDATE} -recursive src/gui src/core src/web/page/texts.js
            -tr-function-alias QT_TRANSLATE_NOOP+=ZEM_TRANSLATE_NOOP
            -locations relative -ts ${ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating translations/*.ts from the sources"
    VERBATIM)
endif()
