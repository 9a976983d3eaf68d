#include "app/edit_commands.h"

#include "channels/channel_page.h"
#include "channels/ms_flex_grid.h"
#include "commands/command_host.h"
#include "pages/radio_page.h"
#include "view/kivu_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace zem::gui {

namespace {

// The channel page when the channel table (or a list open over one of its
// cells) has the focus; nullptr when the focus is on any other control.
CChannelPage* FocusedTable(CommandHost& host) {
    CKivuView& view = host.view();
    if (view.currentTab() != CKivuView::kChannelTab) return nullptr;
    CChannelPage& page = view.channelPage();
    QWidget* grid = &page.grid();
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == grid || grid->isAncestorOf(focus)) ? &page : nullptr;
}

// The channel page whose open cell editor has the focus; nullptr otherwise.
CChannelPage* FocusedCellEditor(CommandHost& host) {
    CChannelPage* page = FocusedTable(host);
    QWidget* editor = page ? page->grid().OpenEditor() : nullptr;
    QWidget* focus = QApplication::focusWidget();
    return editor && (focus == editor || editor->isAncestorOf(focus)) ? page : nullptr;
}

// Runs onField on the text field that has the focus, else onTable on the
// channel table when it has the focus; else nothing.
template <typename FieldAction, typename TableAction>
void OnFocused(CommandHost& host, FieldAction onField, TableAction onTable) {
    if (QLineEdit* field = TypingField(QApplication::focusWidget())) {
        onField(*field);
    } else if (CChannelPage* page = FocusedTable(host)) {
        onTable(*page);
    }
}

}  // namespace

void EditCut(CommandHost& host) {
    OnFocused(
        host, [](QLineEdit& field) { field.cut(); },
        [](CChannelPage& page) { QApplication::clipboard()->setText(page.cutSelection()); });
}

void EditCopy(CommandHost& host) {
    OnFocused(
        host, [](QLineEdit& field) { field.copy(); },
        [](CChannelPage& page) { QApplication::clipboard()->setText(page.copySelection()); });
}

void EditPaste(CommandHost& host) {
    // Paste in a cell's open editor is the table's business too: what the
    // clipboard holds decides between the editor and the cells.
    const QString text = QApplication::clipboard()->text();
    if (CChannelPage* page = FocusedCellEditor(host))
        page->pasteIntoEditor(text);
    else if (QLineEdit* field = TypingField(QApplication::focusWidget()))
        field->paste();
    else if (CChannelPage* table = FocusedTable(host))
        table->pasteText(text);
}

void EditDelete(CommandHost& host) {
    OnFocused(
        host, [](QLineEdit& field) { field.del(); }, [](CChannelPage& page) { page.deleteSelection(); });
}

}  // namespace zem::gui
