#include "pages/key_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zem::gui {

namespace {

QComboBox* MakeCombo(QWidget* parent, const char* name, const std::vector<std::string>& entries) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const auto& entry : entries) combo->addItem(QString::fromStdString(entry));
    return combo;
}

QGroupBox* KeyGroup(QWidget* parent, const QString& title, QComboBox* longPress, QComboBox* shortPress) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    const QString key = title.trimmed();
    QComboBox* const lists[] = {longPress, shortPress};
    const QString labels[] = {CKeyPage::tr("Long Press"), CKeyPage::tr("Short Press")};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(labels[row], group);
        label->setBuddy(lists[row]);
        // Which key the list belongs to, for a screen reader that reads the
        // list without its group.
        lists[row]->setAccessibleDescription(key);
        grid->addWidget(label, row, 0);
        grid->addWidget(lists[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace

CKeyPage::CKeyPage(zem::RadioImage& image, QWidget* parent) : SettingsPage(parent), image_(image) {
    setObjectName(QStringLiteral("keyPage"));
    using E = zem::KeyEntries;
    longPressDuration_ = MakeCombo(this, "longPressDuration", E::longPressDuration());
    topLong_ = MakeCombo(this, "topLong", E::longPress());
    topShort_ = MakeCombo(this, "topShort", E::shortPress());
    middleLong_ = MakeCombo(this, "middleLong", E::longPress());
    middleShort_ = MakeCombo(this, "middleShort", E::shortPress());
    bottomLong_ = MakeCombo(this, "bottomLong", E::longPress());
    bottomShort_ = MakeCombo(this, "bottomShort", E::shortPress());
    defaultButton_ = makeDefaultButton(this);

    auto* durationRow = new QHBoxLayout;
    auto* durationLabel = new QLabel(tr("Long Press Duration(s)"), this);
    durationLabel->setBuddy(longPressDuration_);
    durationRow->addWidget(durationLabel);
    durationRow->addWidget(longPressDuration_);
    durationRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(durationRow);
    left->addWidget(KeyGroup(this, tr("   Top Key"), topLong_, topShort_));
    left->addWidget(KeyGroup(this, tr("Middle Key"), middleLong_, middleShort_));
    left->addWidget(KeyGroup(this, tr("Bottom Key"), bottomLong_, bottomShort_));
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

    QWidget* const order[] = {topLong_, topShort_, middleLong_, middleShort_, bottomLong_, bottomShort_,
                              longPressDuration_, defaultButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    defaultButton_->setWhatsThis(tr("Sets the three keys and the long-press duration back to the factory values."));
    reportEdits();

    FillFromImage();
}

zem::KeyValues CKeyPage::values() const {
    zem::KeyValues v;
    v.longPressDuration = longPressDuration_->currentIndex();
    v.topLong = topLong_->currentIndex();
    v.topShort = topShort_->currentIndex();
    v.middleLong = middleLong_->currentIndex();
    v.middleShort = middleShort_->currentIndex();
    v.bottomLong = bottomLong_->currentIndex();
    v.bottomShort = bottomShort_->currentIndex();
    return v;
}

void CKeyPage::setValues(const zem::KeyValues& v) {
    selectEntry(longPressDuration_, v.longPressDuration);
    selectEntry(topLong_, v.topLong);
    selectEntry(topShort_, v.topShort);
    selectEntry(middleLong_, v.middleLong);
    selectEntry(middleShort_, v.middleShort);
    selectEntry(bottomLong_, v.bottomLong);
    selectEntry(bottomShort_, v.bottomShort);
}

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
