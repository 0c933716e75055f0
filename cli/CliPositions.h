#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDataManager;

// Reads unit positions (the 0-based indexes `units` prints) from `args`
// starting at `first`. False at the first word that is not a plain decimal
// number of at most nine digits.
bool ParseCliPositions(const std::vector<std::string>& args, size_t first,
                       std::vector<int32_t>& positions);
// A plain decimal number of at most nine digits, optionally with a leading "-".
bool ParseCliNumber(const std::string& word, int32_t& value);
// "no unit <n> (see `tevaro-cli units`)" for the first position the unit
// list does not hold; empty when it holds them all.
std::string MissingPosition(const CDataManager& manager, const std::vector<int32_t>& positions);
