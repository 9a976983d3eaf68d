#include "session/value_pages.h"

#include "channels/channel_codec.h"

namespace zem {

ValuePages::ValuePages(DocumentSession& session, Messenger& messenger) : session_(session), messenger_(messenger) {
    session_.attachPages(this);
    fillAllPages();
}

void ValuePages::show(int tab) {
    if (tab < kChannelPage || tab > kKeyPage || tab == shown_) return;
    // The page being left is stored (its messages said), the one chosen filled.
    storePage(shown_);
    shown_ = tab;
    fillPage(tab);
}

void ValuePages::returnToChannelPage() {
    if (shown_ != kChannelPage) storePage(shown_);
    shown_ = kChannelPage;
}

void ValuePages::storePage(int tab) {
    RadioImage& image = session_.image();
    if (tab == kChannelPage) StoreToImage(channel, image);
    if (tab == kOptionPage) StoreToImage(options, image, messenger_);
    if (tab == kKeyPage) StoreToImage(keys, image);
}

void ValuePages::fillPage(int tab) {
    const RadioImage& image = session_.image();
    if (tab == kChannelPage) FillFromImage(image, channel);
    if (tab == kOptionPage) FillFromImage(image, options);
    if (tab == kKeyPage) FillFromImage(image, keys);
}

void ValuePages::storeAllPages() {
    for (int tab : {kChannelPage, kOptionPage, kKeyPage}) storePage(tab);
}

void ValuePages::fillAllPages() {
    for (int tab : {kChannelPage, kOptionPage, kKeyPage}) fillPage(tab);
}

RadioImage ValuePages::storedImage() const {
    SilentMessenger silent;
    RadioImage image = session_.image();
    StoreToImage(channel, image);
    StoreToImage(options, image, silent);
    StoreToImage(keys, image);
    return image;
}

}  // namespace zem
