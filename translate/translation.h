// One exchange with the translation service: the main window's source
// text goes out as the service's form, the translation comes back into the
// result box.
#pragma once

#include <string>
#include <string_view>

namespace kestara {

// Reads the direction combo and the source box of the main window, posts
// the form to the service's translate page, writes the translation (empty
// when the exchange failed) into the result box and hides the busy notice
// and animation. A direction outside the three known ones is fatal error 9,
// reported before any request.
void Translate();
// The same against another page (the service's URL is a build constant).
void Translate(const std::string& pageUrl);

// The text from the last occurrence of `start` through the last occurrence
// of `end` (both searched over the whole text, by characters); without
// keepMarkers every occurrence of both markers is removed from it. Empty
// when the markers do not frame anything.
std::string ExtractBetween(std::string_view text, std::string_view start, std::string_view end,
                           bool keepMarkers = false);

}  // namespace kestara
