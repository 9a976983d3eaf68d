#pragma once

namespace zem::gui {

class CommandHost;

// Edit, Cut, Copy, Paste and Delete of the main window. In a text field (a
// cell's edit box, a settings page's text box) they act on the field's
// text; in the channel table on the selected cells, which travel through
// the clipboard as tab-separated text. Paste in a cell's open editor puts
// one value into the editor and several into the table. Elsewhere they do
// nothing.
void EditCut(CommandHost& host);
void EditCopy(CommandHost& host);
void EditPaste(CommandHost& host);
void EditDelete(CommandHost& host);

}  // namespace zem::gui
