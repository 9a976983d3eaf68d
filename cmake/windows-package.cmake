# The Windows program folder and its packages. `cmake --install` lays out a
# folder that runs as it is: the programs, the compiler's runtime DLLs
# (cmake/windows.cmake), Qt's DLLs and the plug-ins the window loads. CPack
# turns that folder into an installer (NSIS) and a portable zip:
#   cpack --config <build>/CPackConfig.cmake

if(ZEM_BUILD_GUI)
  set(qt_bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  set(qt_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
  foreach(module Core Gui Widgets PrintSupport)
    zem_install_dlls(${CMAKE_INSTALL_BINDIR} "${qt_bin}/Qt6${module}.dll")
  endforeach()
  # The platform of the window, the native look, and the image formats Qt
  # reads through plug-ins (PNG is built in).
  zem_install_dlls(${CMAKE_INSTALL_BINDIR}/platforms "${qt_plugins}/platforms/qwindows.dll")
  foreach(kind styles imageformats printsupport)
    file(GLOB plugins "${qt_plugins}/${kind}/*.dll")
    if(plugins)
      zem_install_dlls(${CMAKE_INSTALL_BINDIR}/${kind} ${plugins})
    endif()
  endforeach()
endif()
zem_strip_installed_dlls()

set(CPACK_PACKAGE_NAME "ZemProg")
set(CPACK_PACKAGE_VENDOR "${ZEM_PUBLISHER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programs the 16-channel handheld FM radio over a serial cable")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Zem Programming Software")
set(CPACK_PACKAGE_FILE_NAME "ZemProg-${PROJECT_VERSION}-win64")
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
# The installer is named apart from the zip (cpack_options.cmake).
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/cpack_options.cmake.in
               ${PROJECT_BINARY_DIR}/cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_BINARY_DIR}/cpack_options.cmake")

# The installer: the project's own NSIS script (resources/windows/
# NSIS.template.in, found through CPACK_MODULE_PATH) installs for all users
# or for the current user only, with a Start-menu shortcut, an uninstaller
# and the program file type opening with the window. A licence page only
# when the project has licence terms in a LICENSE file (CPack would
# otherwise show its own placeholder text).
set(CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/resources/windows")
if(EXISTS "${PROJECT_SOURCE_DIR}/LICENSE")
  set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
  set(CPACK_ZEM_LICENSE_FILE "${PROJECT_SOURCE_DIR}/LICENSE")
else()
  set(CPACK_ZEM_LICENSE_FILE "")
endif()
# A 64-bit installer, like the program (it then also runs where Windows, or
# Wine, has no 32-bit layer).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME "Zem Programming Software")
set(CPACK_NSIS_PACKAGE_NAME "Zem Programming Software")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ZemProg")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/icons/zemprog.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/icons/zemprog.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "zemprog.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${ZEM_HOMEPAGE}")
file(READ ${PROJECT_SOURCE_DIR}/resources/windows/file_type_install.nsh CPACK_NSIS_EXTRA_INSTALL_COMMANDS)
file(READ ${PROJECT_SOURCE_DIR}/resources/windows/file_type_uninstall.nsh CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS)

include(CPack)
