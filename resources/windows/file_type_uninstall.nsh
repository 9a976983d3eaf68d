  ; The program file type goes with the program; ".Zem" only while it is still ours.
  ReadRegStr $0 SHCTX "Software\Classes\.Zem" ""
  StrCmp $0 "Kivu.Document" 0 +2
  DeleteRegKey SHCTX "Software\Classes\.Zem"
  DeleteRegKey SHCTX "Software\Classes\Kivu.Document"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
