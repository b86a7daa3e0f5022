// How the body of the latest-version file becomes a version number. Internal
// to the application layer (LatestVersion::ReadData uses it); the fuzz targets
// reach it directly.
#pragma once

#include <string>

namespace Orvanta {
namespace detail {

// The text between the first "<product_version>" and the next
// "</product_version>" of `body`, read as a plain decimal unsigned int with
// blanks (space, tab, CR, LF) around it allowed; 0 when either tag is missing
// or the text is anything else (a sign, other characters, a number too large
// for an unsigned int).
unsigned int LatestVersionInBody(const std::string& body);

}  // namespace detail
}  // namespace Orvanta
