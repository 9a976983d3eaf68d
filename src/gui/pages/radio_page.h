#pragma once

#include "document/radio_image.h"

#include <QWidget>

class QLineEdit;
class QKeyEvent;
class QPushButton;

namespace zem::gui {

// One page of the form under a tab: the channel table, the optional
// features, the key assignment. The form knows its pages only through this
// class: it fills them from the document's image, stores them into it,
// records their edits as undo steps and opens their help. A page's controls
// hold the user's edits between a fill and the next store; the image is
// their only home.
//
// A page also keeps the status bar's hover hints for its controls and
// leaves Ctrl+Z and the redo keys to the text field or cell editor they are
// typed in.
class RadioPage : public QWidget {
    Q_OBJECT

public:
    explicit RadioPage(QWidget* parent = nullptr);

    // The tab's text ("Channel Setting").
    virtual QString title() const = 0;
    // The help page F1 opens while the page is shown ("channel_table.html").
    virtual QString helpTopic() const = 0;

    // The controls from the image; an edit still open is dropped.
    virtual void FillFromImage() = 0;
    // The controls into the image, an edit still open (a cell editor)
    // committed first; messages about what is stored go to the messenger.
    virtual void StoreToImage() = 0;
    // What StoreToImage would store, into image, without a message and
    // without committing an open edit.
    virtual void storeQuietly(zem::RadioImage& image) const = 0;

    // The page's "Default Setting" button: the page's factory values, one
    // undo step.
    void defaultSetting();

    // The name of an undo step that changed this page's values from those
    // of before to those of after, in the page's words: the first setting
    // that differs ("Receive of channel 5", "Squelch Level"). Empty when the
    // page shows both the same way.
    virtual QString stepName(const zem::RadioImage& before, const zem::RadioImage& after) const = 0;

    // The hover hints for the status bar.
    static const char* const kHintCombo;  // "Please click the CommBox to choose value"
    static const char* const kHintGrid;   // "Please Click the cell to edit or input data"
    static const char* const kHintHelp;   // "For help，please press F1"

signals:
    // The user changed the page: one undo step named step ("Paste",
    // "Default Setting"), or, when step is empty, named after what changed
    // (stepName).
    void edited(const QString& step);
    // A hover hint for the message pane of the status bar.
    void statusHint(const QString& text);

protected:
    // Puts the factory values into the image and fills the page from it.
    virtual void applyDefaults() = 0;
    // The page's "Default Setting" button, which calls defaultSetting().
    QPushButton* makeDefaultButton(QWidget* parent);

    // True when object is a part of an editor open on the page (a cell
    // editor), whose typing Ctrl+Z undoes.
    virtual bool ownsOpenEditor(const QObject* object) const;
    // The hint of a widget that is neither a drop-down nor a text field
    // (the channel table's); nullptr for the general one.
    virtual const char* areaHint(const QWidget& widget) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    QString hintFor(QWidget* widget) const;
};

// The text field a widget types into: a line edit, or the edit line of an
// editable drop-down (a tone cell); nullptr for any other widget.
QLineEdit* TypingField(QObject* widget);

// Ctrl+Z; Ctrl+Y, Ctrl+Shift+Z and the desktop's own redo key.
bool IsUndoKey(const QKeyEvent& key);
bool IsRedoKey(const QKeyEvent& key);

}  // namespace zem::gui
