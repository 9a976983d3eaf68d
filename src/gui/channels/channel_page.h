#pragma once

#include "channels/cell_keys.h"
#include "channels/channel_clipboard.h"
#include "channels/channel_table.h"
#include "document/radio_image.h"
#include "pages/radio_page.h"

#include <functional>
#include <vector>

class QComboBox;
class QPushButton;

namespace zem {
class Messenger;
}

namespace zem::gui {

class CMSFlexGrid;
class CellDelegate;
class ChannelGridModel;

// The "Channel Setting" page: the radio type and band combos with the
// "Default Setting" button, and the grid of the 16 channels with its
// floating editors.
class CChannelPage : public RadioPage {
    Q_OBJECT

public:
    CChannelPage(zem::RadioImage& image, zem::Messenger& messenger, QWidget* parent = nullptr);
    ~CChannelPage() override;

    QString title() const override;
    QString helpTopic() const override;
    // Grid texts and both selections from the image; an open editor is
    // dropped.
    void FillFromImage() override;
    // Commits an open editor, then stores the grid texts and both
    // selections into the image.
    void StoreToImage() override;
    // Grid texts and both selections into the image, an open editor left
    // as it is.
    void storeCommitted();
    void storeQuietly(zem::RadioImage& image) const override;
    // "Type", "Band", or the first cell that differs ("Receive of channel 5").
    QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const override;

    // The committed grid texts and the two selections as shown.
    const zem::ChannelPageValues& values() const { return values_; }

    // Selects the first type and band entries (a new document).
    void selectFirstEntries();

    // Commits the open editor's value into its cell by the commit rules and
    // closes it, as leaving the cell does. Nothing happens when none is open.
    void commitOpenEditor();
    // Closes every editor; a value not yet committed is dropped.
    void hideEditors();
    // True when object is the open cell editor or a part of it (the tone
    // combo's edit line, a list's drop-down).
    bool ownsOpenEditor(const QObject* object) const override;
    // Makes (row, col) the current cell and gives the grid the focus.
    void setCurrentCell(int row, int col);

    // A key, a typed character or a mouse press on the current cell (in its
    // open editor for KeyPlace::Editor): does what the table's rules say.
    // False when the rules leave the key to the control it reached.
    bool pressCellKey(zem::KeyPlace place, zem::CellKey key, const QString& typed = {});

    // The selected cells' texts as tab-separated lines, one per channel;
    // whole channels give the nine columns Receive to PTT. An open editor is
    // committed first.
    QString copySelection();
    // Copies the selection, then empties it as Delete does.
    QString cutSelection();
    // Pastes clipboard text into the selected cells as a spreadsheet does
    // (zem::PasteCells): one value fills them all, several go in from the
    // selection's top-left cell on, and the block pasted is selected
    // afterwards. An open editor is committed first.
    void pasteText(const QString& text);
    // Paste while a cell's editor is open: one value goes into the editor
    // as typing would (a tone or choice only as an entry of its list);
    // several close the editor without committing it and go into the table
    // from its cell on.
    void pasteIntoEditor(const QString& text);
    // Empties the selected cells through the commit rules.
    void deleteSelection();

    CMSFlexGrid& grid() { return *grid_; }
    QComboBox& typeCombo() { return *typeCombo_; }
    QComboBox& bandCombo() { return *bandCombo_; }
    QPushButton& defaultButton() { return *defaultButton_; }

protected:
    void applyDefaults() override;
    const char* areaHint(const QWidget& widget) const override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CellDelegate* delegateFor(int col) const;
    void onEditorKey(QWidget* editor, zem::CellKey key);
    void openEditor(const zem::CellAction& action);
    // Every paste, cut and delete goes through here: the open editor is
    // committed, then change runs on the cell texts as one edit.
    void changeCells(const QString& what, const std::function<void(zem::ChannelTable&)>& change);
    std::vector<zem::ChannelCell> selectedCells() const;
    void pasteInto(const std::vector<zem::ChannelCell>& cells, const QString& text);
    void emptySelection(const QString& what);

    zem::RadioImage& image_;
    zem::Messenger& messenger_;
    zem::ChannelPageValues values_;
    QComboBox* typeCombo_ = nullptr;
    QComboBox* bandCombo_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    CMSFlexGrid* grid_ = nullptr;
    ChannelGridModel* model_ = nullptr;
    CellDelegate* frequencyDelegate_ = nullptr;
    CellDelegate* toneDelegate_ = nullptr;
    CellDelegate* choiceDelegates_[5] = {};
};

}  // namespace zem::gui
