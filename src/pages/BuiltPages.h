#pragma once

// Gives the page registry the factories of the pages that exist; the other
// rows of the registry have no window.
namespace BuiltPages {
void Install();
}  // namespace BuiltPages
