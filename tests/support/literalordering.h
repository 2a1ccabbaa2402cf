#pragma once

#include "analysis/ordering.h"

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
