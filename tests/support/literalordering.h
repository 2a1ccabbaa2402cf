#pragma once

#include "analysis/ordering.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

// The three exchange passes exactly as the program first ran them, pair by
// pair: the order every faster ordering must reproduce.
inline std::vector<qsizetype> literalExchangeOrder(std::vector<ordering::Key> keys, ordering::Direction direction)
{
    std::vector<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    for (std::size_t part = 0; part < 3; ++part) {
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            for (std::size_t j = i + 1; j < keys.size(); ++j) {
                bool exchange = direction == ordering::Direction::Descending ? keys[j][part] > keys[i][part]
                                                                             : keys[j][part] < keys[i][part];
                for (std::size_t higher = 0; exchange && higher < part; ++higher)
                    exchange = keys[j][higher] == keys[i][higher];
                if (exchange) {
                    std::swap(keys[i], keys[j]);
                    std::swap(order[i], order[j]);
                }
            }
        }
    }
    return order;
}

// The same passes pair by pair, fast enough for 100,000 items whose parts
// take few values (the passes then exchange few pairs). A pair meets the
// condition of pass p only when the key at j is beyond the one at i in the
// parts 0 to p, the first that differs deciding: each key's rank in that
// order travels with it, and a tree of the highest ranks finds the next j
// ranked above i. Every j between is one the passes look at and leave.
inline std::vector<qsizetype> skippingExchangeOrder(std::vector<ordering::Key> keys, ordering::Direction direction)
{
    const bool down = direction == ordering::Direction::Descending;
    const std::size_t n = keys.size(), leaves = std::bit_ceil(std::max<std::size_t>(n, 1));
    std::vector<qsizetype> order(n);
    std::iota(order.begin(), order.end(), qsizetype(0));
    for (std::size_t part = 0; part < 3; ++part) {
        const auto beyond = [&](std::size_t a, std::size_t b) { // keys[a] beyond keys[b]
            const ordering::Key &x = keys[down ? b : a], &y = keys[down ? a : b];
            return std::lexicographical_compare(x.begin(), x.begin() + part + 1, y.begin(), y.begin() + part + 1);
        };
        std::vector<std::size_t> byKey(n), rank(n), highest(2 * leaves); // highest: of a node's positions
        std::iota(byKey.begin(), byKey.end(), std::size_t(0));
        std::sort(byKey.begin(), byKey.end(), [&](std::size_t a, std::size_t b) { return beyond(b, a); });
        const auto setRank = [&](std::size_t at) {
            for (std::size_t node = (highest[leaves + at] = rank[at], (leaves + at) / 2); node > 0; node /= 2)
                highest[node] = std::max(highest[2 * node], highest[2 * node + 1]);
        };
        for (std::size_t k = 0; k < n; ++k)
            rank[byKey[k]] = k > 0 ? rank[byKey[k - 1]] + beyond(byKey[k], byKey[k - 1]) : 0, setRank(byKey[k]);
        const auto nextAbove = [&](std::size_t from, std::size_t than) { // n when there is none
            std::size_t node = leaves + std::min(from, n - 1);
            for (; from < n && highest[node] <= than; ++node) { // on past the positions of the node
                for (; node % 2 == 1; node /= 2) {
                    if (node == 1)
                        return n;
                }
            }
            while (node < leaves) // down to the first position above
                node = highest[2 * node] > than ? 2 * node : 2 * node + 1;
            return from < n ? node - leaves : n;
        };
        for (std::size_t i = 0; i + 1 < n; ++i) {
            for (std::size_t j = nextAbove(i + 1, rank[i]); j < n; j = nextAbove(j + 1, rank[i])) {
                if (std::equal(keys[j].begin(), keys[j].begin() + part, keys[i].begin())
                    && (down ? keys[j][part] > keys[i][part] : keys[j][part] < keys[i][part])) {
                    std::swap(keys[i], keys[j]), std::swap(order[i], order[j]), std::swap(rank[i], rank[j]);
                    setRank(i), setRank(j);
                }
            }
        }
    }
    return order;
}
