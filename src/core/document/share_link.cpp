#include "document/share_link.h"

#include "translate.h"

#include <cstring>

namespace zem {

const char* const kShareBaseUrl = "https://zemprog.example/web/";
const char* const kShareMarker = "#plan=";
const char* const kMsgDamagedLink =
    ZEM_TRANSLATE_NOOP("zem::File", "This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.");

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int ValueOf(char c) {
    const char* found = c ? std::strchr(kAlphabet, c) : nullptr;
    return found ? static_cast<int>(found - kAlphabet) : -1;
}

// The characters of kImageSize bytes: four for every three, two or three for the rest.
constexpr std::size_t kEncodedSize = kImageSize / 3 * 4 + (kImageSize % 3 ? kImageSize % 3 + 1 : 0);

}  // namespace

std::string ShareLink(const RadioImage& image, const std::string& baseUrl) {
    std::string link = baseUrl.substr(0, baseUrl.find('#')) + kShareMarker;
    std::uint32_t bits = 0;
    int count = 0;
    for (const std::uint8_t byte : image.bytes) {
        bits = (bits << 8) | byte;
        count += 8;
        while (count >= 6) {
            count -= 6;
            link += kAlphabet[(bits >> count) & 0x3F];
        }
    }
    if (count > 0) link += kAlphabet[(bits << (6 - count)) & 0x3F];
    return link;
}

std::optional<RadioImage> ImageOfShareLink(const std::string& link) {
    const std::size_t marker = link.find(kShareMarker);
    const std::string fragment = kShareMarker + 1;  // "plan=", a fragment without its '#'
    std::size_t start;
    if (marker != std::string::npos) start = marker + std::strlen(kShareMarker);
    else if (link.compare(0, fragment.size(), fragment) == 0) start = fragment.size();
    else return std::nullopt;
    if (link.size() - start != kEncodedSize) return std::nullopt;

    RadioImage image;
    std::uint32_t bits = 0;
    int count = 0;
    std::size_t filled = 0;
    for (std::size_t i = start; i < link.size(); ++i) {
        const int value = ValueOf(link[i]);
        if (value < 0) return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            image.bytes[filled++] = static_cast<std::uint8_t>(bits >> count);
        }
    }
    // The last character's spare bits are zero in every link ShareLink makes;
    // others were changed on the way.
    if ((bits & ((1u << count) - 1)) != 0) return std::nullopt;
    return image;
}

}  // namespace zem
