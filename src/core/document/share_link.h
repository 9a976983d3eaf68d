#pragma once

#include "document/radio_image.h"

#include <optional>
#include <string>

namespace zem {

// A plan handed on as a link: the program file's 1024 bytes, base64url
// (without padding) after "#plan=" in the link's fragment, so the browser
// edition opens it and no web server ever sees it. The bytes are not
// compressed: 1366 characters are a short enough link, and the page and
// zemtool need nothing beyond this file to agree on it.
extern const char* const kShareBaseUrl;  // where the browser edition is published
extern const char* const kShareMarker;   // "#plan="
extern const char* const kMsgDamagedLink;

// The link that opens image's plan in the browser edition at baseUrl (its own
// fragment, if any, replaced).
std::string ShareLink(const RadioImage& image, const std::string& baseUrl = kShareBaseUrl);

// The bytes a link (or its fragment alone) holds; none when it holds no plan,
// or one cut short, lengthened or changed beyond what base64url can carry.
std::optional<RadioImage> ImageOfShareLink(const std::string& link);

}  // namespace zem
