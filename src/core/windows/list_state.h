// A drop-down list as plain data: the text shown in its edit field and the items it offers.
#pragma once

#include <string>
#include <vector>

namespace dtii {

struct ListState {
    std::string text;                // what the edit field shows: a prompt, a pick or typed text
    std::vector<std::string> items;  // in list order
};

}  // namespace dtii
