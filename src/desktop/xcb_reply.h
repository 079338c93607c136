#pragma once

#include <cstdlib>
#include <memory>

namespace kelo::desktop {

/// A reply from the X server, which xcb allocates with malloc.
struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

}  // namespace kelo::desktop
