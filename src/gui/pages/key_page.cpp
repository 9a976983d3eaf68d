#include "pages/key_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zem::gui {

QWidget* CKeyPage::keyGroup(const QString& title, const char* longPress, const char* shortPress) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    const QString key = title.trimmed();
    const char* const lists[] = {longPress, shortPress};
    for (int row = 0; row < 2; ++row) {
        // Which key the list belongs to, for a screen reader that reads the
        // list without its group.
        control(lists[row])->setAccessibleDescription(key);
        grid->addWidget(caption(lists[row]), row, 0);
        grid->addWidget(control(lists[row]), row, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

CKeyPage::CKeyPage(zem::RadioImage& image, QWidget* parent) : SettingsPage(parent), image_(image) {
    setObjectName(QStringLiteral("keyPage"));
    makeControls(zem::SettingPage::Keys);
    defaultButton_ = makeDefaultButton(this);

    auto* durationRow = new QHBoxLayout;
    durationRow->addWidget(caption("long_press_duration"));
    durationRow->addWidget(control("long_press_duration"));
    durationRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(durationRow);
    left->addWidget(keyGroup(tr("   Top Key"), "top_long", "top_short"));
    left->addWidget(keyGroup(tr("Middle Key"), "middle_long", "middle_short"));
    left->addWidget(keyGroup(tr("Bottom Key"), "bottom_long", "bottom_short"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(defaultButton_);
    buttonRow->addStretch();
    left->addLayout(buttonRow);
    left->addStretch();

    // The picture of the radio with leader lines to the top, upper side and
    // lower side keys, beside the groups they belong to.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("keyPicture"));
    // The icon engine picks the picture drawn at twice the size on a screen
    // scaled to 200 %, so it stays sharp there.
    picture->setPixmap(QIcon(QStringLiteral(":/images/key_picture.png"))
                           .pixmap(QSize(265, 390), picture->devicePixelRatioF()));
    picture->setFixedSize(265, 390);
    picture->setAccessibleName(tr("Picture of the radio's programmable keys"));
    picture->setAccessibleDescription(tr(
        "A handheld radio seen from the front. Red leader lines point to its three programmable keys: "
        "the top key on its top, the middle key high on its left side and the bottom key below it."));
    picture->setWhatsThis(tr("The radio's three programmable keys: top, middle (upper side) and bottom (lower side)."));

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addSpacing(24);
    columns->addWidget(picture, 0, Qt::AlignTop);
    columns->addStretch(1);

    QWidget* const order[] = {control("top_long"),    control("top_short"),   control("middle_long"),
                              control("middle_short"), control("bottom_long"), control("bottom_short"),
                              control("long_press_duration"), defaultButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    defaultButton_->setWhatsThis(tr("Sets the three keys and the long-press duration back to the factory values."));
    reportEdits();

    FillFromImage();
}

zem::KeyValues CKeyPage::values() const {
    zem::OptionValues unused;
    zem::KeyValues v;
    readControls(unused, v);
    return v;
}

void CKeyPage::setValues(const zem::KeyValues& v) { showValues(zem::OptionValues{}, v); }

void CKeyPage::FillFromImage() {
    zem::KeyValues v;
    zem::FillFromImage(image_, v);
    setValues(v);
}

void CKeyPage::StoreToImage() { zem::StoreToImage(values(), image_); }

void CKeyPage::storeQuietly(zem::RadioImage& image) const { zem::StoreToImage(values(), image); }

QString CKeyPage::title() const { return tr("Key assignment"); }

QString CKeyPage::helpTopic() const { return QStringLiteral("key_assignment.html"); }

QString CKeyPage::stepName(const zem::RadioImage& before, const zem::RadioImage& after) const {
    zem::KeyValues a;
    zem::KeyValues b;
    zem::FillFromImage(before, a);
    zem::FillFromImage(after, b);
    return FirstChange(zem::KeyTexts(a), zem::KeyTexts(b));
}

void CKeyPage::applyDefaults() {
    zem::ApplyKeyDefaults(image_);
    FillFromImage();
}

}  // namespace zem::gui
