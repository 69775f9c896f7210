// Shelf packing: good enough for a hundred small glyphs and easy to check.
#include "GlyphPacker.h"

#include <algorithm>
#include <numeric>

std::optional<std::vector<PackPlace>> packShelves(const std::vector<PackSize>& sizes, PackSize page,
                                                  int gap) {
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return sizes[a].height > sizes[b].height;
    });
    std::vector<PackPlace> places(sizes.size());
    int x = gap, y = gap, shelfHeight = 0;
    for (std::size_t index : order) {
        const PackSize size = sizes[index];
        if (x + size.width + gap > page.width) {
            x = gap;
            y += shelfHeight + gap;
            shelfHeight = 0;
        }
        if (x + size.width + gap > page.width || y + size.height + gap > page.height) {
            return std::nullopt;
        }
        places[index] = {x, y};
        x += size.width + gap;
        shelfHeight = std::max(shelfHeight, size.height);
    }
    return places;
}
