#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Japanese names of the one-letter room codes: L リビング, C 子供部屋, B 寝室部屋,
// J 和室, D ダイニング, O その他; any other code "---".
std::string_view RoomNameOfCode(std::string_view roomCode);

// The name shown for a unit: room name followed by its room number ("リビング1").
std::string RoomDisplayName(std::string_view roomCode, int32_t roomNumber);
