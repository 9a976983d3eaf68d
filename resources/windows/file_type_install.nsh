  ; Program files (.Zem) open with the window, showing its icon.
  WriteRegStr HKCR ".Zem" "" "Kivu.Document"
  WriteRegStr HKCR "Kivu.Document" "" "Kivu Document"
  WriteRegStr HKCR "Kivu.Document\DefaultIcon" "" "$INSTDIR\zemprog.exe,0"
  WriteRegStr HKCR "Kivu.Document\shell\open\command" "" '"$INSTDIR\zemprog.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
