// Places glyph rectangles on a page in rows (shelves), tallest first, with a
// gap between them so filtering never bleeds one glyph into the next.
#pragma once

#include <optional>
#include <vector>

struct PackSize {
    int width = 0, height = 0;
};

struct PackPlace {
    int x = 0, y = 0;
};

// The places of `sizes`, in the same order, or nothing when they do not fit.
std::optional<std::vector<PackPlace>> packShelves(const std::vector<PackSize>& sizes, PackSize page,
                                                  int gap);
