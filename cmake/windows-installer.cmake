# What a Windows installation holds, and the installer that puts it there: `cpack -G NSIS` in the
# Windows build makes Vantrel-<version>-win64.exe. Everything goes into one folder, by default
# "C:\Program Files\Vantrel": the two programs, the help page beside vantrel.exe (where the program
# finds it), the icon, the README and the licence. The same files, unpacked, make the zip.

install(TARGETS vantrel vantrel-scn RUNTIME DESTINATION .)
install(FILES src/desktop/help/vantrel-help.html src/win32/vantrel.ico README.md DESTINATION .)
# The licence with Windows line ends, for the installer's licence page and for older Notepads.
configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)

# Backslashes, quotes and dollars reach the NSIS script as written here.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR NSIS)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
# The Debian package's /usr has no place here: the installer's folder is the whole tree.
unset(CPACK_PACKAGING_INSTALL_PREFIX)
set(CPACK_PACKAGE_FILE_NAME "Vantrel-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vantrel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vantrel)
set(CPACK_NSIS_PACKAGE_NAME Vantrel)
set(CPACK_NSIS_DISPLAY_NAME Vantrel)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit, Unicode installer for 64-bit programs: it writes the registry's 64-bit view, which a
# 64-bit Explorer reads, takes folder names in any script, and runs under a 64-bit-only Wine.
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/src/win32/vantrel.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/src/win32/vantrel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME vantrel.ico)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The Start menu's "Vantrel" folder holds the program, which shows its own icon, and the
# uninstaller.
set(CPACK_NSIS_MENU_LINKS vantrel.exe Vantrel)

# "Open with" offers Vantrel for .scn files. The simulator's own association, the default value of
# .scn, is never written: Vantrel is registered as an application that opens .scn files and is
# added to the list of programs offered for them.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  WriteRegStr SHCTX "Software\Classes\Applications\vantrel.exe" "FriendlyAppName" "Vantrel"
  WriteRegStr SHCTX "Software\Classes\Applications\vantrel.exe\shell\open\command" "" '"$INSTDIR\vantrel.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\vantrel.exe\SupportedTypes" ".scn" ""
  WriteRegStr SHCTX "Software\Classes\.scn\OpenWithList\vantrel.exe" "" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
# The uninstaller takes away these keys and no others: .scn and its list go only when nothing else
# is left in them.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  DeleteRegKey SHCTX "Software\Classes\Applications\vantrel.exe"
  DeleteRegKey SHCTX "Software\Classes\.scn\OpenWithList\vantrel.exe"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.scn\OpenWithList"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.scn"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
# The installer keeps its folder under the vendor's key, which goes too when nothing else is in it.
# The uninstaller reaches this line after the folder's key has gone.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
