# Windows builds: the version resource and icon of the programs, the
# compiler's runtime DLLs beside them, and, when cross-building, the
# environment that runs the test suites under Wine.

# Adds an icon, a version resource (from the project's version and
# publisher) and an application manifest to a Windows executable.
function(zem_windows_resources target description)
  set(ZEM_RC_NAME ${target})
  set(ZEM_RC_DESCRIPTION "${description}")
  set(ZEM_RC_ICON "${PROJECT_SOURCE_DIR}/resources/icons/zemprog.ico")
  set(ZEM_RC_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.manifest.in ${ZEM_RC_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  # windres does not see the manifest as a dependency of the resource.
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS ${ZEM_RC_MANIFEST})
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

if(ZEM_BUILD_GUI)
  # Found once here so that the install rules and the test environment know
  # where Qt's DLLs and plug-ins are.
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport)
endif()

# Installs DLLs into a folder of the program folder and notes each one, so
# that zem_strip_installed_dlls strips exactly these.
function(zem_install_dlls destination)
  install(FILES ${ARGN} DESTINATION ${destination})
  foreach(dll ${ARGN})
    get_filename_component(name "${dll}" NAME)
    set_property(GLOBAL APPEND PROPERTY ZEM_INSTALLED_DLLS "${destination}/${name}")
  endforeach()
endfunction()

# The runtime DLLs of mingw-w64's compiler (the programs link them
# dynamically, as Qt does).
set(ZEM_WINDOWS_RUNTIME_DLLS "")
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
      message(FATAL_ERROR "The compiler's runtime ${dll} was not found")
    endif()
    list(APPEND ZEM_WINDOWS_RUNTIME_DLLS "${found}")
  endforeach()
  zem_install_dlls(${CMAKE_INSTALL_BINDIR} ${ZEM_WINDOWS_RUNTIME_DLLS})
endif()

# Debian ships the runtime DLLs with their debugging information (the C++
# library alone is 23 MB of which 2 are code): the DLLs this project
# installs (zem_install_dlls) are stripped once installed, and nothing else
# that may lie under the install prefix. Runs after the other install rules
# of this folder, and cmake/windows-package.cmake installs before it.
function(zem_strip_installed_dlls)
  get_property(dlls GLOBAL PROPERTY ZEM_INSTALLED_DLLS)
  if(CMAKE_STRIP AND dlls)
    install(CODE "
      foreach(dll ${dlls})
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                        RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR \"Could not strip \${dll}\")
        endif()
      endforeach()")
  endif()
endfunction()

# A path of this machine as a Windows program under Wine sees it (drive Z:
# is the root of the file system).
function(zem_wine_path out path)
  string(REPLACE "/" "\\" windows "${path}")
  set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()

if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
  # The suites run under Wine in a prefix of their own inside the build
  # folder (scripts/test-windows creates it), finding the DLLs through
  # WINEPATH.
  set(dirs "")
  foreach(dll ${ZEM_WINDOWS_RUNTIME_DLLS})
    get_filename_component(dir "${dll}" DIRECTORY)
    list(APPEND dirs "${dir}")
  endforeach()
  if(ZEM_BUILD_GUI)
    list(APPEND dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  endif()
  list(REMOVE_DUPLICATES dirs)
  set(winepath "")
  foreach(dir ${dirs})
    zem_wine_path(windows "${dir}")
    string(APPEND winepath "${windows}\\;")
  endforeach()
  set(ZEM_CROSS_TEST_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix" "WINEDEBUG=-all" "WINEPATH=${winepath}"
    "QT_QPA_PLATFORM=offscreen")
  if(ZEM_BUILD_GUI)
    zem_wine_path(plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
    list(APPEND ZEM_CROSS_TEST_ENVIRONMENT "QT_PLUGIN_PATH=${plugins}")
  endif()
endif()
