// The final component of a path, shared by the directory rules, the tree
// form and the usage name.
#include "tarvik/model.h"

namespace tarvik {

std::optional<std::string_view> final_component(std::string_view path) {
    for (;;) {
        while (!path.empty() && path.back() == '/') path.remove_suffix(1);
        if (path.empty()) return std::nullopt;
        const size_t slash = path.rfind('/');
        const std::string_view last =
            slash == std::string_view::npos ? path : path.substr(slash + 1);
        if (last == ".") {
            path.remove_suffix(1);
            continue;
        }
        if (last == "..") return std::nullopt;
        return last;
    }
}

}  // namespace tarvik
