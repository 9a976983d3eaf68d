  ; Program files (.Zem) open with the window, showing its icon: for all
  ; users or the current user, as the program itself was installed.
  WriteRegStr SHCTX "Software\Classes\.Zem" "" "Kivu.Document"
  WriteRegStr SHCTX "Software\Classes\Kivu.Document" "" "Kivu Document"
  WriteRegStr SHCTX "Software\Classes\Kivu.Document\DefaultIcon" "" "$INSTDIR\zemprog.exe,0"
  WriteRegStr SHCTX "Software\Classes\Kivu.Document\shell\open\command" "" '"$INSTDIR\zemprog.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
