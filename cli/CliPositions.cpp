#include "cli/CliPositions.h"

#include "data/CDataManager.h"

bool ParseCliNumber(const std::string& word, int32_t& value) {
    const size_t first = !word.empty() && word[0] == '-' ? 1 : 0;
    if (word.size() == first || word.size() - first > 9) {
        return false;
    }
    int32_t number = 0;
    for (size_t i = first; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') {
            return false;
        }
        number = number * 10 + (word[i] - '0');
    }
    value = first == 1 ? -number : number;
    return true;
}

bool ParseCliPositions(const std::vector<std::string>& args, size_t first,
                       std::vector<int32_t>& positions) {
    positions.clear();
    for (size_t i = first; i < args.size(); ++i) {
        int32_t position = 0;
        if (!ParseCliNumber(args[i], position) || position < 0) {
            return false;
        }
        positions.push_back(position);
    }
    return true;
}

std::string MissingPosition(const CDataManager& manager, const std::vector<int32_t>& positions) {
    for (const int32_t position : positions) {
        if (position < 0 || position >= manager.GetRemoConCount()) {
            return "no unit " + std::to_string(position) + " (see `tevaro-cli units`)";
        }
    }
    return {};
}
