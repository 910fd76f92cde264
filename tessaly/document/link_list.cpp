#include "link_list.h"

#include <utility>

namespace tessaly {

void LinkList::append(std::string description, std::string url, std::string frame) {
    descriptions_.push_back(std::move(description));
    urls_.push_back(std::move(url));
    frames_.push_back(std::move(frame));
}

void LinkList::clear() {
    descriptions_.clear();
    urls_.clear();
    frames_.clear();
}

} // namespace tessaly
