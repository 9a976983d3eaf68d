# Fails when the window's code (DIR) shows a user a text that does not go
# through tr() (or QCoreApplication::translate, or a QT_TRANSLATE_NOOP table),
# so that every text the window shows can be translated one day.
#
# Line by line it looks for two things:
#   - a call that shows a text (setText, setToolTip, new QLabel, addAction,
#     a message box, the messenger's notice ...) whose text argument is a
#     string literal, bare or in QStringLiteral/QLatin1String/QString;
#   - a `const char*` constant (or table) initialised with a string literal,
#     on its line or the next: a text kept for later must be marked with
#     QT_TRANSLATE_NOOP where it is defined.
# Texts that are no user's (object names, property names, file names) are
# named below, one "FILE:FRAGMENT" each: a line of FILE (its path under DIR)
# that holds FRAGMENT is not checked.
cmake_policy(VERSION 3.22)

set(allowed
  # Property and object names the accessibility bridge looks for.
  "accessibility/announcement.cpp:kAnnouncerName ="
  "accessibility/announcement.cpp:kTextProperty ="
  "accessibility/menu_item_names.cpp:kHintHidden ="
  "accessibility/accessible_events.cpp:kReported ="
  "accessibility/accessible_events.h:kQuietRenamesProperty ="
  # Qt's own command-line options, and the usage text printed on the
  # terminal, which the manual page repeats word for word.
  "common/command_line.cpp:kQtFlags[] ="
  "app/main.cpp:kUsage ="
  # File names of the screenshots.
  "app/startup_options.cpp:names[] ="
)

set(literal "(QStringLiteral\\(|QLatin1String\\(|QString\\(|QString::fromUtf8\\(|QString::fromLatin1\\()?[ ]*\"")
set(shown_by
  "set(Text|WindowTitle|ToolTip|StatusTip|WhatsThis|Title|PlaceholderText|AccessibleName|AccessibleDescription|LabelText|TabText|Suffix|Prefix|SpecialValueText)\\("
  "set(Horizontal|Vertical)?HeaderLabels\\({?"
  "add(Action|Menu|Button|Tab|Item)\\("
  "insert(Tab|Item)\\("
  "showMessage\\("
  "(notice|noticeList|confirm|ask)\\("
  "Announce\\([^,\"]*,"
  "ChangeScope [A-Za-z_]+\\([^,\"]*,"
  "recordChange\\("
  "failure\\("
  "makeAction\\([^,\"]*,"
  "QFileDialog::get[A-Za-z]+\\([^,\"]*,"
  "QFileDialog [A-Za-z_]+\\([^,\"]*,"
  "QMessageBox::(information|warning|critical|question|about)\\([^,\"]*,"
  "QMessageBox::(information|warning|critical|question)\\([^,\"]*,[^,\"]*,"
  "new (QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|QToolButton)\\("
  "(QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu) [A-Za-z_]+\\("
)
# Lines are read as a CMake list: semicolons and square brackets, which
# CMake's lists treat specially, stand in as control characters meanwhile.
string(ASCII 1 semicolon)
string(ASCII 2 open)
string(ASCII 3 close)
set(constant "const char[ ]*\\*[ ]*(const[ ]+)?[A-Za-z_:]+(${open}${close})?[ ]*=[ ]*")

file(GLOB_RECURSE files RELATIVE "${DIR}" "${DIR}/*.h" "${DIR}/*.cpp")
if(NOT files)
  message(FATAL_ERROR "no source files under ${DIR}")
endif()
set(bad 0)
foreach(f ${files})
  file(READ "${DIR}/${f}" content)
  string(REPLACE ";" "${semicolon}" content "${content}")
  string(REPLACE "[" "${open}" content "${content}")
  string(REPLACE "]" "${close}" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(previous "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    set(checked "${line}")
    set(before "${previous}")
    set(previous "${line}")
    # A comment may quote a text.
    if(checked MATCHES "^[ \t]*//")
      continue()
    endif()
    # A call broken after its "(" or a "," carries its text on the next line.
    set(joined "${checked}")
    if(before MATCHES "[(,][ ]*$" AND checked MATCHES "^[ \t]*${literal}")
      string(STRIP "${checked}" joined)
      set(joined "${before}${joined}")
    endif()
    set(hit FALSE)
    foreach(call ${shown_by})
      if(joined MATCHES "${call}[ ]*${literal}")
        set(hit TRUE)
        break()
      endif()
    endforeach()
    if(checked MATCHES "${constant}{?[ ]*\"" OR
       (checked MATCHES "^[ \t]*(R\\()?\"" AND before MATCHES "${constant}$"))
      set(hit TRUE)
    endif()
    if(NOT hit)
      continue()
    endif()
    foreach(entry ${allowed})
      string(FIND "${entry}" ":" colon)
      string(SUBSTRING "${entry}" 0 ${colon} file)
      math(EXPR colon "${colon} + 1")
      string(SUBSTRING "${entry}" ${colon} -1 fragment)
      string(REPLACE "[" "${open}" fragment "${fragment}")
      string(REPLACE "]" "${close}" fragment "${fragment}")
      string(FIND "${checked}${before}" "${fragment}" at)
      if(file STREQUAL f AND at GREATER -1)
        set(hit FALSE)
        break()
      endif()
    endforeach()
    if(hit)
      string(STRIP "${checked}" checked)
      string(REPLACE "${semicolon}" ";" checked "${checked}")
      string(REPLACE "${open}" "[" checked "${checked}")
      string(REPLACE "${close}" "]" checked "${checked}")
      # Printed here, whole: a CMake list would split the line at its ";".
      message(NOTICE "${f}:${number}: ${checked}")
      math(EXPR bad "${bad} + 1")
    endif()
  endforeach()
endforeach()
if(bad GREATER 0)
  message(FATAL_ERROR "${bad} text(s) above are shown to the user without tr()")
endif()
message(STATUS "every text the window shows under ${DIR} goes through tr()")
