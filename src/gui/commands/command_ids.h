#pragma once

namespace zem::gui {

// Command identifiers of the menus, toolbar and accelerators. They name the
// commands across the window, the view and the radio and print commands.
enum CommandId : int {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdPrintSetup = 57606,
    kCmdPrint = 57607,
    kCmdPrintPreview = 57609,
    kCmdRecentFile1 = 57616,
    kCmdAbout = 57664,
    kCmdExit = 57665,
    kCmdHelpIndex = 57667,
    kCmdContextHelp = 57669,
    kCmdHelp = 57670,
    kCmdHelpContents = 57671,
    kCmdReadFromRadio = 32771,
    kCmdWriteToRadio = 32772,
    kCmdCom1 = 32773,
    kCmdOtherPort = 32774,
    kCmdCom2 = 32775,
    kCmdCom3 = 32776,
    kCmdCom4 = 32777,
    kCmdDebugTxPower = 32778,
    kCmdEditChannel = 32780,
    kCmdOnLinePowerSet = 32787,
    kCmdEditClear = 57632,
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditPaste = 57637,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdImportCsv = 32790,
    kCmdExportCsv = 32791,
    kCmdVerifyAfterWrite = 32792,
    kCmdRadioHistory = 32793,
    kCmdCompareWithRadio = 32794,
    kCmdCompareWithFile = 32795,
    kCmdWriteSeveral = 32796,  // "Write to several radios..."
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
};

}  // namespace zem::gui
