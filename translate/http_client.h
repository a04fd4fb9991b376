// One synchronous HTTP exchange over libcurl, and the URL splitting it
// uses. "http://" is the only scheme; a URL may also be a host and path
// without one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestara {

// The host name in lower case.
std::string UrlHost(std::string_view url);
// The port, 80 when the URL names none, 0 when what follows ":" is no number.
int UrlPort(std::string_view url);
// The path with any query and fragment; "/" when there is none.
std::string UrlPath(std::string_view url);

// The caller's header lines completed with the default lines: Accept,
// Referer and Accept-Language each when its name does not occur yet
// (case-insensitively, anywhere in the text), then Content-Type and
// Content-Length for a non-GET request with a body.
std::string CompleteHeaderText(std::string_view url, std::string_view headers, bool isGet,
                               std::string_view body);

// Sends one request and returns the response body up to its first zero
// byte, whatever the status. A method whose upper-case form is "POST" is
// used unchanged, anything else becomes "GET" (which sends no body). With a
// proxy the request goes through that HTTP proxy (an empty one allows no
// request); without one it goes direct, whatever the environment says.
// Time-outs: 18 s to connect, 18 s without any data moving once
// connected. Redirects are not followed. While the body is read, the
// toolkit's PumpEvents runs between waits and before every piece of at
// most 512 bytes. A failed exchange returns what arrived before the
// failure, often nothing. When rawHeaders is given it receives the
// response's header block as received (status line first, CR LF
// separated), or nothing.
std::string HttpRequest(std::string_view url, std::string_view method = {},
                        const std::optional<std::string>& proxy = std::nullopt,
                        std::string_view extraHeaders = {}, std::string_view body = {},
                        std::string* rawHeaders = nullptr);

}  // namespace kestara
