#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tessaly {

// The links of a document as three parallel lists, the way the main window's List1, List2
// and List3 hold them: row i of each list is link i. Whoever changes a row changes it in all
// three, which is why the lists are only reachable through these members.
class LinkList {
public:
    std::size_t size() const { return descriptions_.size(); }
    bool empty() const { return descriptions_.empty(); }

    void append(std::string description, std::string url, std::string frame);
    void clear();

    const std::vector<std::string>& descriptions() const { return descriptions_; }
    const std::vector<std::string>& urls() const { return urls_; }
    const std::vector<std::string>& frames() const { return frames_; }

    bool operator==(const LinkList&) const = default;

private:
    std::vector<std::string> descriptions_;
    std::vector<std::string> urls_;
    std::vector<std::string> frames_;
};

} // namespace tessaly
